#pragma once
// The history of every write into a station: before a write starts, the
// bytes it is about to replace; after it, what was written and how it ended.
// One SQLite database (Qt SQL, QSQLITE) in the user's data folder, in WAL mode
// with a busy timeout, so several programs and several provisioning ports
// record into it at once. A store object is one connection: use one per
// thread.

#include <QByteArray>
#include <QDateTime>
#include <QSqlError>
#include <QString>
#include <optional>
#include <vector>

namespace torval {

// Which program wrote.
enum class WriteProgram { Window = 0, CliWrite = 1, Provision = 2 };

// How the write ended. Pending: its backup is kept, its end not yet known (a
// program that died mid-write leaves it so).
enum class WriteResult { Pending = 0, Written = 1, Failed = 2, Cancelled = 3, WrittenUnchecked = 4 };

[[nodiscard]] QString writeProgramText(WriteProgram p);
[[nodiscard]] QString writeResultText(WriteResult r);
// Stable names for scripts (--json): "window", "written", ...
[[nodiscard]] QString writeProgramKey(WriteProgram p);
[[nodiscard]] QString writeResultKey(WriteResult r);

struct WriteRecord {
    qint64 id = 0;
    QDateTime time; // UTC, when the write began
    QString station;
    QString product;
    QString version;
    int memorySize = 0; // bytes; 0 when unknown
    QString port;
    WriteProgram program = WriteProgram::Window;
    WriteResult result = WriteResult::Pending;
    QByteArray before;  // the station's used part before the write
    QByteArray written; // what the write sent; empty until it ended
};

class HistoryStore {
public:
    // The database file: $TORVAL_HISTORY_DB when set (tests, a shared
    // folder), else history.sqlite in QStandardPaths::AppDataLocation.
    static QString defaultPath();

    explicit HistoryStore(QString path = defaultPath());
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Opens the database, creating it when absent. A file that is no database
    // or is damaged is renamed aside (notice() says to what) and a new one
    // started. False with error() when it cannot be opened or created.
    bool open();
    [[nodiscard]] QString path() const { return m_path; }
    // The last failure, in Czech, for the user.
    [[nodiscard]] QString error() const { return m_error; }
    // Set when open() set a damaged database aside.
    [[nodiscard]] QString notice() const { return m_notice; }

    // Records the backup before a write (`r.before`, result Pending); the id
    // to finish, or nullopt (error()) when it could not be recorded: the
    // write must not start then.
    [[nodiscard]] std::optional<qint64> begin(const WriteRecord& r);
    // The write's end and the bytes it sent.
    bool finish(qint64 id, WriteResult result, const QByteArray& written);

    // Newest first, without the bytes; `station` filters by the station name
    // (contains, case-insensitive).
    [[nodiscard]] std::vector<WriteRecord> list(const QString& station = {});
    // One record with its bytes.
    [[nodiscard]] std::optional<WriteRecord> record(qint64 id);

    // Caps the database at `pages` pages: a record that does not fit then
    // fails as on a full disk.
    void limitPages(int pages);

private:
    bool openConnection();
    bool prepareSchema();
    void closeConnection();
    bool failed(const QString& what, const QSqlError& e);

    QString m_path;
    QString m_connection;
    QString m_error;
    QString m_notice;
    bool m_open = false;
    QSqlError m_lastSchemaError;
};

} // namespace torval
