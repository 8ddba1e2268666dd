#pragma once
// Programming a batch of stations from one template and a table of
// per-station values. Every row is checked before the first station is
// touched; then each station in turn is identified, backed up, written,
// verified, optionally printed and logged. Nothing here talks to a terminal:
// lines for the technician go through `say`, questions through Prompts.

#include "model/DeviceConfig.h"
#include "provisioning/StationTable.h"

#include "history/HistoryStore.h"
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace torval {

class StationLink;
class Prompts;
class BusyIndicator;

enum class StationOutcome {
    Programmed,  // written, read back and equal
    PdfFailed,   // programmed, but the report could not be saved
    InvalidRow,  // the row failed its checks; no station was touched
    WrongDevice, // refused after identification
    Failed,      // the station could not be read, backed up, written or verified
    Cancelled,   // Ctrl+C / Storno before the station held the whole row
    Unchecked,   // written completely, Ctrl+C came during the read-back after it
};
[[nodiscard]] QString outcomeText(StationOutcome o);

struct StationResult {
    int line = 0;
    QString name;
    QString product;
    QString memory;
    StationOutcome outcome = StationOutcome::Failed;
    qint64 durationMs = 0;
    QString backupFile;
    QString message; // why it failed, empty on success
    QString port;    // the port the station was programmed on; empty for an invalid row
};

// One result per invalid row of the table (the first of its problems), in
// table order: how invalid rows are counted and logged, on one port or many.
[[nodiscard]] std::vector<StationResult> invalidRowResults(const StationTable& table);

struct ProvisionSettings {
    QString port;
    QString backupDir = QStringLiteral("backups");
    QString pdfDir;  // empty: no report
    QString logPath; // empty: no log
    bool verifyWrites = true;
    bool stopOnError = false;
    // The write history's database; empty: the writes are not recorded. Each
    // port opens its own connection on its own thread.
    QString historyPath;
    // Prints a station's report to a PDF file; the command line supplies Qt's printer.
    std::function<bool(const DeviceConfig&, const QString& path)> printPdf;
    std::function<void(const QString& line)> say = [](const QString&) {};
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

// What one port did in a run on several ports.
struct PortSummary {
    QString port;
    int programmed = 0;
    int failed = 0;
    int skipped = 0;   // rows it had in hand when the run was cancelled
    int unchecked = 0; // written, the read-back cancelled
    QString retired;   // why it was taken out of the rotation; empty when it stayed
};

struct ProvisionSummary {
    int programmed = 0; // with the stations whose report could not be saved
    int withoutPdf = 0; // programmed, but the report could not be saved
    int unchecked = 0;  // written, but the read-back after the write was cancelled
    int failed = 0;     // stations that failed or were refused
    int invalid = 0;    // rows skipped before any station was touched
    int skipped = 0;    // valid rows never written: cancelled, or no port left to take them
    bool cancelled = false;
    bool stopped = false;               // --stop-on-error ended the run
    bool logFailed = false;             // the log could not be written; the run ended there
    std::vector<StationResult> results; // in the order the stations finished
    std::vector<PortSummary> ports;     // one per port, in the order given
};

// "<station name>-<yyyyMMdd>-<HHmmss>" with every character a file system
// could refuse replaced by "_"; a station without a name is "stanice-<line>".
[[nodiscard]] QString stationFileStem(const QString& stationName, int line, const QDateTime& when);

// The log: a header row once, then one line per row of the table. The port
// is the last column, so a log begun before it existed keeps its columns.
[[nodiscard]] QString logHeader();
[[nodiscard]] QString logLine(const StationResult& r);
[[nodiscard]] bool appendLog(const QString& path, const StationResult& r);
// Makes sure the log can be written before any station is touched: creates
// it with its header when it does not exist. The reason when it cannot.
[[nodiscard]] std::optional<QString> prepareLog(const QString& path);
[[nodiscard]] QString logUnusableMessage(const QString& path, const QString& why);

// Counts a finished station into the summary. True when the run may take the
// next row: false after Storno, and after a failure with stopOnError.
bool countResult(ProvisionSummary& s, const StationResult& r, bool stopOnError);

class Provisioner {
public:
    Provisioner(StationLink& link, Prompts& prompts, BusyIndicator& busy, ProvisionSettings settings);

    // One station: connect, identify, back up, write, verify, print, leave.
    StationResult programStation(const StationRow& row);

private:
    void finish(StationResult& r, StationOutcome o, const QString& message);
    [[nodiscard]] bool cancelRequested() const;

    StationLink& m_link;
    Prompts& m_prompts;
    BusyIndicator& m_busy;
    ProvisionSettings m_settings;
    std::unique_ptr<HistoryStore> m_history;
};

} // namespace torval
