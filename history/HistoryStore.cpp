#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>
#include <algorithm>
#include <atomic>

namespace torval {

namespace {

// How long a write waits for another port or program holding the file.
constexpr int kBusyTimeoutMs = 10000;
// SQLite's own result codes, as QSqlError::nativeErrorCode() gives them.
constexpr int kBusy = 5, kLocked = 6, kReadOnly = 8, kCorrupt = 11, kFull = 13, kCantOpen = 14, kNotADb = 26;

int nativeCode(const QSqlError& e)
{
    // Extended codes carry the primary one in their low byte.
    return e.nativeErrorCode().toInt() & 0xFF;
}

bool damaged(const QSqlError& e)
{
    const int c = nativeCode(e);
    return c == kCorrupt || c == kNotADb;
}

QString reason(const QSqlError& e)
{
    switch (nativeCode(e)) {
    case kFull: return QCoreApplication::translate("HistoryStore", "disk je plný");
    case kBusy:
    case kLocked: return QCoreApplication::translate("HistoryStore", "databázi právě drží jiný program");
    case kReadOnly: return QCoreApplication::translate("HistoryStore", "do databáze nelze zapisovat");
    case kCantOpen: return QCoreApplication::translate("HistoryStore", "soubor databáze nelze otevřít");
    case kCorrupt:
    case kNotADb: return QCoreApplication::translate("HistoryStore", "databáze je poškozená");
    default: return e.text();
    }
}

// A null QString binds as SQL NULL; an unnamed station is an empty name.
QString text(const QString& s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

const QString kTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ");

} // namespace

QString writeProgramText(WriteProgram p)
{
    switch (p) {
    case WriteProgram::Window: return QCoreApplication::translate("HistoryStore", "okno programu");
    case WriteProgram::CliWrite: return QCoreApplication::translate("HistoryStore", "torval-cli write");
    case WriteProgram::Provision: return QCoreApplication::translate("HistoryStore", "sériové programování");
    }
    return {};
}

QString writeResultText(WriteResult r)
{
    switch (r) {
    case WriteResult::Pending: return QCoreApplication::translate("HistoryStore", "nedokončeno");
    case WriteResult::Written: return QCoreApplication::translate("HistoryStore", "zapsáno");
    case WriteResult::Failed: return QCoreApplication::translate("HistoryStore", "chyba");
    case WriteResult::Cancelled: return QCoreApplication::translate("HistoryStore", "přerušeno");
    case WriteResult::WrittenUnchecked: return QCoreApplication::translate("HistoryStore", "zapsáno bez kontroly");
    }
    return {};
}

QString writeProgramKey(WriteProgram p)
{
    static const char* const keys[] = {"window", "write", "provision"};
    return QLatin1String(keys[int(p)]);
}

QString writeResultKey(WriteResult r)
{
    static const char* const keys[] = {"pending", "written", "failed", "cancelled", "written-unchecked"};
    return QLatin1String(keys[int(r)]);
}

QString HistoryStore::defaultPath()
{
    const QString env = qEnvironmentVariable("TORVAL_HISTORY_DB");
    if (!env.isEmpty())
        return env;
    // The window's data folder, whichever program asks: torval-cli and
    // torval-init record into the one history.
    const QString org = QCoreApplication::organizationName();
    const QString app = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("TORVAL"));
    QCoreApplication::setApplicationName(QStringLiteral("torval-init"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setOrganizationName(org);
    QCoreApplication::setApplicationName(app);
    return folder + QStringLiteral("/history.sqlite");
}

HistoryStore::HistoryStore(QString path) : m_path(std::move(path))
{
    static std::atomic<int> counter{0};
    m_connection = QStringLiteral("torval-history-%1").arg(++counter);
}

HistoryStore::~HistoryStore()
{
    closeConnection();
}

void HistoryStore::closeConnection()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
    m_open = false;
}

bool HistoryStore::failed(const QString& what, const QSqlError& e)
{
    m_error = what.arg(QDir::toNativeSeparators(m_path), reason(e));
    return false;
}

bool HistoryStore::openConnection()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid()) {
        m_error = QCoreApplication::translate(
            "HistoryStore", "Historii zápisů nelze vést: chybí ovladač SQLite pro Qt (balíček libqt6sql6-sqlite).");
        return false;
    }
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath())) {
        m_error =
            QCoreApplication::translate("HistoryStore", "Historii zápisů nelze založit: složku %1 nelze vytvořit.")
                .arg(QDir::toNativeSeparators(file.absolutePath()));
        return false;
    }
    db.setDatabaseName(m_path);
    // Another port or program writing its record holds the file for
    // milliseconds; wait for it rather than fail a station's write.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open())
        return failed(QCoreApplication::translate("HistoryStore", "Historii zápisů %1 nelze otevřít: %2."),
                      db.lastError());
    return true;
}

bool HistoryStore::prepareSchema()
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    const char* const statements[] = {
        "PRAGMA journal_mode=WAL",
        "PRAGMA synchronous=FULL",
        "CREATE TABLE IF NOT EXISTS writes ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL, station TEXT NOT NULL, station_key TEXT NOT NULL,"
        " product TEXT NOT NULL, version TEXT NOT NULL, memory INTEGER NOT NULL, port TEXT NOT NULL,"
        " program INTEGER NOT NULL, result INTEGER NOT NULL, before BLOB NOT NULL, written BLOB)",
        // Whether the file holds what it claims is known only when its pages are read.
        "SELECT count(*) FROM writes",
    };
    // Two ports opening a new file at the same moment: one of them sets it
    // up, and SQLite may tell the other "busy" at once instead of waiting
    // (it does not wait where waiting could deadlock, as when the journal
    // mode changes). The setup is tried again for as long as a write would wait.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        bool done = true;
        for (const char* s : statements)
            if (!q.exec(QLatin1String(s))) {
                m_lastSchemaError = q.lastError();
                done = false;
                break;
            }
        if (done)
            return true;
        const int code = nativeCode(m_lastSchemaError);
        if ((code != kBusy && code != kLocked) || waited.elapsed() > kBusyTimeoutMs)
            return false;
        QThread::msleep(20);
    }
}

bool HistoryStore::open()
{
    m_notice.clear();
    m_error.clear();
    if (m_open)
        return true;
    closeConnection();
    if (!openConnection())
        return false;
    if (prepareSchema()) {
        m_open = true;
        return true;
    }
    const QSqlError e = m_lastSchemaError;
    closeConnection();
    if (!damaged(e))
        return failed(QCoreApplication::translate("HistoryStore", "Historii zápisů %1 nelze otevřít: %2."), e);
    // Set aside, never deleted: what it still holds may be read by other tools.
    const QString aside = m_path + QStringLiteral(".poskozena-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(m_path, aside)) {
        m_error =
            QCoreApplication::translate("HistoryStore", "Historie zápisů %1 je poškozená a nelze ji odložit stranou.")
                .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    for (const char* suffix : {"-wal", "-shm"})
        if (QFile::exists(m_path + QLatin1String(suffix)))
            QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    m_notice = QCoreApplication::translate("HistoryStore",
                                           "Historie zápisů byla poškozená: je odložena jako %1 a začíná nová.")
                   .arg(QDir::toNativeSeparators(aside));
    if (!openConnection())
        return false;
    if (!prepareSchema()) {
        const QSqlError again = m_lastSchemaError;
        closeConnection();
        return failed(QCoreApplication::translate("HistoryStore", "Historii zápisů %1 nelze otevřít: %2."), again);
    }
    m_open = true;
    return true;
}

std::optional<qint64> HistoryStore::begin(const WriteRecord& r)
{
    const QString what =
        QCoreApplication::translate("HistoryStore",
                                    "Zálohu nastavení stanice nelze uložit do historie zápisů %1: %2.\n"
                                    "Zápis do stanice nezačal, stanice je beze změny.");
    if (!open()) {
        m_error = what.arg(QDir::toNativeSeparators(m_path), m_error);
        return std::nullopt;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral(
        "INSERT INTO writes (time, station, station_key, product, version, memory, port, program, result, before)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDateTime time = r.time.isValid() ? r.time : QDateTime::currentDateTimeUtc();
    q.addBindValue(time.toUTC().toString(kTimeFormat));
    q.addBindValue(text(r.station));
    q.addBindValue(text(r.station.toLower()));
    q.addBindValue(text(r.product));
    q.addBindValue(text(r.version));
    q.addBindValue(r.memorySize);
    q.addBindValue(text(r.port));
    q.addBindValue(int(r.program));
    q.addBindValue(int(WriteResult::Pending));
    q.addBindValue(r.before.isNull() ? QByteArray("") : r.before);
    if (!q.exec()) {
        if (damaged(q.lastError()))
            closeConnection(); // set aside at the next open
        failed(what, q.lastError());
        return std::nullopt;
    }
    return q.lastInsertId().toLongLong();
}

bool HistoryStore::finish(qint64 id, WriteResult result, const QByteArray& written)
{
    if (!open())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("UPDATE writes SET result = ?, written = ? WHERE id = ?"));
    q.addBindValue(int(result));
    q.addBindValue(written.isNull() ? QByteArray("") : written);
    q.addBindValue(id);
    if (!q.exec())
        return failed(
            QCoreApplication::translate("HistoryStore", "Výsledek zápisu nelze uložit do historie zápisů %1: %2."),
            q.lastError());
    return true;
}

namespace {

WriteRecord fromQuery(const QSqlQuery& q, bool bytes)
{
    WriteRecord r;
    r.id = q.value(0).toLongLong();
    r.time = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
    r.station = q.value(2).toString();
    r.product = q.value(3).toString();
    r.version = q.value(4).toString();
    r.memorySize = q.value(5).toInt();
    r.port = q.value(6).toString();
    r.program = WriteProgram(std::clamp(q.value(7).toInt(), 0, 2));
    r.result = WriteResult(std::clamp(q.value(8).toInt(), 0, 4));
    if (bytes) {
        r.before = q.value(9).toByteArray();
        r.written = q.value(10).toByteArray();
    }
    return r;
}

} // namespace

std::vector<WriteRecord> HistoryStore::list(const QString& station)
{
    std::vector<WriteRecord> out;
    if (!open())
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    const QString columns =
        QStringLiteral("SELECT id, time, station, product, version, memory, port, program, result FROM writes");
    if (station.isEmpty()) {
        q.prepare(columns + QStringLiteral(" ORDER BY id DESC"));
    } else {
        // instr() rather than LIKE: a name may hold % and _. SQLite's lower()
        // folds ASCII only, so the folded name is stored beside the name.
        q.prepare(columns + QStringLiteral(" WHERE instr(station_key, ?) > 0 ORDER BY id DESC"));
        q.addBindValue(station.toLower());
    }
    if (!q.exec()) {
        failed(QCoreApplication::translate("HistoryStore", "Historii zápisů %1 nelze přečíst: %2."), q.lastError());
        return out;
    }
    while (q.next())
        out.push_back(fromQuery(q, false));
    return out;
}

std::optional<WriteRecord> HistoryStore::record(qint64 id)
{
    if (!open())
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(
        QStringLiteral("SELECT id, time, station, product, version, memory, port, program, result, before, written"
                       " FROM writes WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec()) {
        failed(QCoreApplication::translate("HistoryStore", "Historii zápisů %1 nelze přečíst: %2."), q.lastError());
        return std::nullopt;
    }
    if (!q.next())
        return std::nullopt;
    return fromQuery(q, true);
}

void HistoryStore::limitPages(int pages)
{
    if (!open())
        return;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.exec(QStringLiteral("PRAGMA max_page_count=%1").arg(pages));
}

} // namespace torval
