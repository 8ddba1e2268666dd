// torval-cli provision --port PORT [--port PORT ...] --template T.json
// --stations S.csv: a batch of stations from one template and a table of
// per-station values. Every row is checked before the first station is
// touched; each station is backed up before it is written and read back
// after. With several ports each cable has its own thread and the next row
// goes to whichever cable is free.

#include "CliCommand.h"
#include "CliLink.h"
#include "CliLoad.h"
#include "CliParser.h"
#include "TerminalBusy.h"
#include "history/HistoryStore.h"

#include "link/StationLink.h"
#include "model/ConfigJson.h"
#include "model/SettingsDiff.h"
#include "platform/PdfReport.h"
#include "platform/PortLine.h"
#include "provisioning/ProvisionPorts.h"
#include "provisioning/Provisioner.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <unistd.h>

namespace torval::cli {

namespace {

QString usageText()
{
    return QCoreApplication::translate(
        "CmdProvision",
        "Použití: torval-cli provision --port PORT [--port PORT ...] --template SABLONA.json\n"
        "         --stations STANICE.csv [--stop-on-error] [--pdf ADRESAR] [--log PROTOKOL.csv]\n"
        "         [--backups ADRESAR]\n"
        "       torval-cli provision --dry-run --template SABLONA.json --stations STANICE.csv\n");
}

// Questions and messages of one port's link on the terminal, each line
// prefixed with the port when there are several. Only one port asks at a time.
class PortPrompts final : public Prompts {
public:
    PortPrompts(const QString& port, bool several) : m_port(port), m_several(several) { }
    void message(const QString& text, Icon icon) override
    {
        m_terminal.message(portPrefixed(m_port, text, m_several), icon);
    }
    Answer question(const QString& text, Icon icon, Buttons buttons) override
    {
        static std::mutex asking;
        const std::lock_guard lock(asking);
        return m_terminal.question(portPrefixed(m_port, text, m_several), icon, buttons);
    }
    std::optional<QString> openFileName() override { return std::nullopt; }
    std::optional<QString> saveFileName() override { return std::nullopt; }

private:
    QString m_port;
    bool m_several;
    TerminalPrompts m_terminal{
        false}; // nobody answers on a pipe: a failed leave keeps the port for the next activation
};

// The busy line of one port. Storno is the run's stop flag, which Ctrl+C
// sets once for every port and nothing clears: a port starting its next
// phase must not swallow the Ctrl+C meant for all. The rewritten progress
// line is shown with one port only; four ports rewriting one line would be noise.
class PortBusy final : public BusyIndicator {
public:
    PortBusy(const QString& port, const std::atomic<bool>& stop, bool several)
        : m_port(port), m_stop(stop), m_several(several), m_tty(::isatty(STDERR_FILENO) != 0)
    { }
    // A port whose device went away: its own Storno, not the run's.
    void setLineLost(std::function<bool()> lost) { m_lost = std::move(lost); }
    void showBusy(const QString& text, bool) override
    {
        if (m_tty) {
            printErr(portPrefixed(m_port, text, m_several) + QLatin1Char('\n'));
            m_lineOpen = false;
        }
    }
    void setBusyText(const QString& text) override
    {
        if (m_tty)
            printErr(portPrefixed(m_port, text, m_several) + QLatin1Char('\n'));
    }
    void setProgress(int done, int total) override
    {
        if (!m_tty || m_several)
            return;
        printErr(QStringLiteral("\r%1/%2").arg(done).arg(total));
        m_lineOpen = true;
    }
    void hideBusy() override
    {
        if (m_lineOpen)
            printErr(QStringLiteral("\n"));
        m_lineOpen = false;
    }
    bool cancelRequested() const override { return m_stop.load() || (m_lost && m_lost()); }

private:
    QString m_port;
    const std::atomic<bool>& m_stop;
    std::function<bool()> m_lost;
    bool m_several;
    bool m_tty;
    bool m_lineOpen = false;
};

// One port's link, made on the port's own thread (CliLink's serial port and
// Qt pump belong to the thread that makes them).
class CliPortSession final : public PortSession {
public:
    CliPortSession(const QString& port, const std::atomic<bool>& stop, bool several)
        : m_port(port), m_prompts(port, several), m_busy(port, stop, several), m_link(port, m_prompts, m_busy)
    {
        m_busy.setLineLost([this] { return m_link.lineLost(); });
    }
    bool lineLost() const override { return m_link.lineLost(); }
    StationLink& link() override { return m_link.link(); }
    Prompts& prompts() override { return m_prompts; }
    BusyIndicator& busy() override { return m_busy; }
    bool portOpens(QString& error) override
    {
        if (m_port.trimmed().compare(QLatin1String(CliLink::kSimulatorPort), Qt::CaseInsensitive) == 0)
            return true;
        PortLine line;
        if (!line.open(m_port)) {
            error = portOpenReason(line);
            if (error.startsWith(QLatin1Char('(')) && error.endsWith(QLatin1Char(')')))
                error = error.mid(1, error.size() - 2); // the message puts it in brackets itself
            return false;
        }
        line.close();
        return true;
    }

private:
    QString m_port;
    PortPrompts m_prompts;
    PortBusy m_busy;
    CliLink m_link;
};

std::filesystem::path fsPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// What each row would change against the template, and what is wrong with
// the rows that would be skipped, in the order of the table. No port is
// opened. Exit 0 when every row could be programmed.
int dryRun(const StationTable& table, const DeviceConfig& templ)
{
    std::vector<std::pair<int, QString>> lines;
    for (const RowProblem& p : table.problems)
        lines.emplace_back(p.line, p.message);
    for (const StationRow& row : table.rows) {
        SettingsDifferences d;
        d.fields = diffConfigs(templ, row.config);
        const QString head = QCoreApplication::translate("CmdProvision", "Řádek %1 ('%2'): ")
                                 .arg(QString::number(row.line), row.config.tabJmenoStanice);
        lines.emplace_back(
            row.line,
            d.empty()
                ? head + QCoreApplication::translate("CmdProvision", "shodné se šablonou.")
                : head + QCoreApplication::translate("CmdProvision", "změny proti šabloně (%1):\n").arg(d.fields.size())
                    + formatDifferences(d).trimmed());
    }
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QString out;
    for (const auto& l : lines)
        out += l.second + QLatin1Char('\n');
    const int invalid = int(invalidRowResults(table).size());
    out += QCoreApplication::translate(
               "CmdProvision",
               "Zkouška bez stanic: platných řádků: %1, neplatných řádků: %2. Žádná stanice nebyla "
               "programována.\n")
               .arg(table.rows.size())
               .arg(invalid);
    printOut(out);
    return invalid == 0 ? kOk : kFailed;
}

int runProvision(const QStringList& args)
{
    CommandLine line(
        usageText(),
        {{QStringLiteral("port"), QCoreApplication::translate("CmdProvision", "sériový port; jednou pro každý kabel"),
          QStringLiteral("PORT")},
         {QStringLiteral("template"), QCoreApplication::translate("CmdProvision", "šablona nastavení (JSON)"),
          QCoreApplication::translate("CmdProvision", "SABLONA.json")},
         {QStringLiteral("stations"), QCoreApplication::translate("CmdProvision", "tabulka stanic (CSV)"),
          QCoreApplication::translate("CmdProvision", "STANICE.csv")},
         {QStringLiteral("stop-on-error"),
          QCoreApplication::translate("CmdProvision", "skončí u první stanice, která selže")},
         {QStringLiteral("pdf"), QCoreApplication::translate("CmdProvision", "adresář pro zprávy PDF"),
          QCoreApplication::translate("CmdProvision", "ADRESAR")},
         {QStringLiteral("log"), QCoreApplication::translate("CmdProvision", "protokol programování (CSV)"),
          QCoreApplication::translate("CmdProvision", "PROTOKOL.csv")},
         {QStringLiteral("backups"),
          QCoreApplication::translate("CmdProvision", "adresář pro zálohy stanic (výchozí: backups)"),
          QCoreApplication::translate("CmdProvision", "ADRESAR")},
         {QStringLiteral("dry-run"),
          QCoreApplication::translate("CmdProvision",
                                      "jen zkontroluje řádky a vypíše jejich změny proti šabloně; žádná stanice")}});
    if (const auto end = line.parse(args, 0, 0))
        return *end;
    ProvisionSettings settings;
    const QStringList ports = line.values(QStringLiteral("port"));
    const QString templatePath = line.value(QStringLiteral("template"));
    const QString stationsPath = line.value(QStringLiteral("stations"));
    settings.pdfDir = line.value(QStringLiteral("pdf"));
    settings.logPath = line.value(QStringLiteral("log"));
    // Not given is the default folder, not an empty path.
    if (line.isSet(QStringLiteral("backups")))
        settings.backupDir = line.value(QStringLiteral("backups"));
    if (settings.backupDir.isEmpty())
        return line.usageError(QCoreApplication::translate("CmdProvision", "Volba --backups potřebuje adresář."));
    settings.stopOnError = line.isSet(QStringLiteral("stop-on-error"));
    const bool dry = line.isSet(QStringLiteral("dry-run"));
    if (templatePath.isEmpty() || stationsPath.isEmpty())
        return line.missingOption(templatePath.isEmpty() ? QStringLiteral("template") : QStringLiteral("stations"));
    if (ports.isEmpty() && !dry)
        return line.missingOption(QStringLiteral("port"));
    // Two threads on one cable would take each other's replies.
    for (int k = 0; k < ports.size(); ++k)
        for (int j = 0; j < k; ++j)
            if (PortLine::resolvePortName(ports[k]).compare(PortLine::resolvePortName(ports[j]), Qt::CaseInsensitive)
                == 0) {
                printErr(QCoreApplication::translate("CmdProvision", "Port '%1' je uveden dvakrát.\n").arg(ports[k]));
                return kUsage;
            }
    // Lines appended to the table or the template would spoil the run's own
    // input; a log that is one of them is refused before anything starts.
    for (const QString& input : {stationsPath, templatePath}) {
        std::error_code ec;
        if (!settings.logPath.isEmpty() && std::filesystem::equivalent(fsPath(settings.logPath), fsPath(input), ec)) {
            printErr(
                QCoreApplication::translate("CmdProvision",
                                            "Protokol '%1' je zároveň vstupním souborem '%2'. Žádná stanice nebyla "
                                            "programována.\n")
                    .arg(settings.logPath, input));
            return kFailed;
        }
    }

    QFile templ(templatePath);
    if (!templ.open(QIODevice::ReadOnly)) {
        printErr(loadFailedMessage(templatePath) + QLatin1Char('\n'));
        return kFailed;
    }
    const JsonImport imported = configFromJson(templ.readAll());
    if (!imported.config) {
        printErr(QCoreApplication::translate("CmdProvision", "Soubor '%1': %2\n").arg(templatePath, imported.error));
        return kFailed;
    }
    QFile stations(stationsPath);
    if (!stations.open(QIODevice::ReadOnly)) {
        printErr(
            QCoreApplication::translate("CmdProvision", "Soubor se stanicemi '%1' nelze otevřít.\n").arg(stationsPath));
        return kFailed;
    }
    const StationTable table = readStationTable(stations.readAll(), *imported.config, imported.editor);
    if (!table.error.isEmpty()) {
        printErr(QCoreApplication::translate("CmdProvision", "Soubor '%1': %2\nŽádná stanice nebyla programována.\n")
                     .arg(stationsPath, table.error));
        return kFailed;
    }

    for (const RowProblem& r : table.rewrites)
        printErr(r.message + QLatin1Char('\n'));
    if (dry)
        return dryRun(table, *imported.config);

    settings.say = [](const QString& line) { printOut(line + QLatin1Char('\n')); };
    settings.historyPath = HistoryStore::defaultPath();
    // The report is drawn by one port at a time: a few hundred milliseconds
    // of a station's minutes, and Qt's font machinery is then never used by
    // two threads at once.
    settings.printPdf = [](const DeviceConfig& c, const QString& path) {
        static std::mutex printing;
        const std::lock_guard lock(printing);
        return printSettingsToPdf(c, path);
    };
    const bool several = ports.size() > 1;
    TerminalBusy interrupt; // Ctrl+C for the whole run; the ports read it through the run's stop flag
    const ProvisionSummary s = provisionOnPorts(
        table, ports, settings,
        [several](const QString& port, const std::atomic<bool>& stop) -> std::unique_ptr<PortSession> {
            return std::make_unique<CliPortSession>(port, stop, several);
        },
        [&interrupt] { return interrupt.cancelRequested(); });

    if (s.stopped && s.results.empty())
        printOut(QCoreApplication::translate("CmdProvision",
                                             "Tabulka obsahuje chybné řádky; žádná stanice nebyla programována.\n"));
    if (several)
        for (const PortSummary& p : s.ports)
            printOut(
                portPrefixed(
                    p.port,
                    QCoreApplication::translate("CmdProvision",
                                                "naprogramováno: %1, chybných stanic: %2, přeskočených řádků: %3%4%5")
                        .arg(p.programmed)
                        .arg(p.failed)
                        .arg(p.skipped)
                        .arg(p.unchecked > 0 ? QCoreApplication::translate("CmdProvision", ", zapsáno bez kontroly: %1")
                                                   .arg(p.unchecked)
                                             : QString())
                        .arg(p.retired.isEmpty() ? QStringLiteral(".")
                                                 : QCoreApplication::translate("CmdProvision", "; port byl vyřazen.")),
                    true)
                + QLatin1Char('\n'));
    QString summary = QCoreApplication::translate("CmdProvision",
                                                  "Naprogramováno: %1, chybných stanic: %2, neplatných řádků: %3, "
                                                  "přeskočených řádků: %4.")
                          .arg(s.programmed)
                          .arg(s.failed)
                          .arg(s.invalid)
                          .arg(s.skipped);
    // Written rows whose read-back was cancelled are programmed but not
    // checked: neither skipped (to be done again) nor failed.
    if (s.unchecked > 0)
        summary +=
            QCoreApplication::translate("CmdProvision", " Zapsáno bez kontrolního načtení: %1.").arg(s.unchecked);
    if (s.withoutPdf > 0)
        summary += QCoreApplication::translate("CmdProvision", " Naprogramováno bez uložené zprávy PDF: %1.")
                       .arg(s.withoutPdf);
    if (s.cancelled)
        summary += QCoreApplication::translate("CmdProvision", " Programování bylo stornováno.");
    if (s.logFailed)
        summary += QCoreApplication::translate("CmdProvision", " Protokol nelze zapisovat; programování skončilo.");
    printOut(summary + QLatin1Char('\n'));
    // A missing report is a warning, but not a clean run a script may trust.
    const bool allDone =
        s.programmed == int(table.rows.size()) && s.invalid == 0 && !s.cancelled && !s.logFailed && s.withoutPdf == 0;
    return allDone ? kOk : kFailed;
}

} // namespace

TORVAL_CLI_COMMAND(
    provision, "provision",
    QT_TRANSLATE_NOOP(
        "cli",
        "provision --port PORT [--port PORT ...] --template T.json --stations S.csv   sériové programování stanic"),
    runProvision)

} // namespace torval::cli
