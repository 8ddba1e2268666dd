#include "provisioning/Provisioner.h"

#include "commands/SettingsCommands.h"
#include "files/SettingsFile.h"
#include "interact/Prompts.h"
#include "link/StationLink.h"
#include "model/ConfigFields.h"
#include "model/Cp1250.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/ImageLayout.h"
#include "model/SettingsDiff.h"
#include "model/SettingsDocument.h"
#include "model/SettingsSize.h"
#include "rules/SettingsCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace torval {

namespace {

// ---- one station --------------------------------------------------------

std::optional<int> firstMismatch(const EepromImage& written, const EepromImage& back, int end)
{
    for (int addr = 0; addr < end; ++addr) {
        if (layout::isStationOwn(addr))
            continue; // never written: the station keeps them
        if (written.at(addr) != back.at(addr))
            return addr;
    }
    return std::nullopt;
}

// The first free name of "<stem><suffix>", "<stem>-2<suffix>", ... The name
// is taken by creating the file exclusively, so two ports (or two programs)
// naming a station alike in the same second never share a file; the caller
// overwrites the empty placeholder or removes it.
QString reservePath(const QString& dir, const QString& stem, const QString& suffix)
{
    for (int n = 1;; ++n) {
        const QString path = QDir(dir).filePath(
            n == 1 ? stem + suffix : QStringLiteral("%1-%2%3").arg(stem, QString::number(n), suffix));
        if (QFileInfo::exists(path))
            continue;
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!QFileInfo::exists(path) || n > 10000)
            return path; // not creatable at all: the write that follows reports it
    }
}

// The station's memory as it was before anything is written, all of it, so an
// unprogrammed station or bytes the settings do not own can be put back too.
// Saved like a settings file: a backup that is not complete on disk fails, and
// the station is then not written.
bool writeBackup(const QString& path, const EepromImage& image, int length)
{
    return writeCompleteFile(path, image.bytes().first(std::size_t(std::clamp(length, 0, int(EepromImage::kSize)))));
}

QString csvCell(const QString& s)
{
    static const QRegularExpression special(QStringLiteral("[,;\"\\r\\n]"));
    if (!s.contains(special))
        return s;
    QString q = s;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

} // namespace

QString outcomeText(StationOutcome o)
{
    switch (o) {
    case StationOutcome::Programmed: return QCoreApplication::translate("Provisioner", "naprogramováno");
    case StationOutcome::PdfFailed: return QCoreApplication::translate("Provisioner", "naprogramováno, PDF neuloženo");
    case StationOutcome::InvalidRow: return QCoreApplication::translate("Provisioner", "neplatný řádek");
    case StationOutcome::WrongDevice: return QCoreApplication::translate("Provisioner", "chybné zařízení");
    case StationOutcome::Failed: return QStringLiteral("chyba");
    case StationOutcome::Cancelled: return QCoreApplication::translate("Provisioner", "stornováno");
    case StationOutcome::Unchecked: return QCoreApplication::translate("Provisioner", "zapsáno bez kontroly");
    }
    return {};
}

QString stationFileStem(const QString& stationName, int line, const QDateTime& when)
{
    QString name = stationName.trimmed();
    static const QRegularExpression unsafe(QStringLiteral("[^\\w\\-. ]"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    name.replace(unsafe, QStringLiteral("_"));
    name.replace(QLatin1Char(' '), QLatin1Char('_'));
    // A name of dots alone would climb out of the directory.
    if (name.isEmpty() || name.count(QLatin1Char('.')) == name.size())
        name = QStringLiteral("stanice-%1").arg(line);
    return name.left(80) + when.toString(QStringLiteral("-yyyyMMdd-HHmmss"));
}

QString logHeader()
{
    return QStringLiteral("řádek,stanice,produkt,paměť,výsledek,trvání [s],záloha,port");
}

QString logLine(const StationResult& r)
{
    const QStringList cells = {QString::number(r.line),
                               csvCell(r.name),
                               csvCell(r.product),
                               csvCell(r.memory),
                               csvCell(outcomeText(r.outcome)),
                               QString::number(double(r.durationMs) / 1000.0, 'f', 1),
                               csvCell(r.backupFile),
                               csvCell(r.port)};
    return cells.join(QLatin1Char(','));
}

bool appendLog(const QString& path, const StationResult& r)
{
    QFile f(path);
    const bool fresh = !f.exists() || f.size() == 0;
    // Unbuffered, so a line the disk takes only in part is seen here.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    QByteArray out;
    if (fresh)
        out += logHeader().toUtf8() + '\n';
    out += logLine(r).toUtf8() + '\n';
    return f.write(out) == out.size() && f.flush();
}

std::optional<QString> prepareLog(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return f.errorString();
    if (f.size() == 0) {
        const QByteArray header = logHeader().toUtf8() + '\n';
        if (f.write(header) != header.size() || !f.flush())
            return f.errorString();
    }
    return std::nullopt;
}

QString logUnusableMessage(const QString& path, const QString& why)
{
    return QCoreApplication::translate("Provisioner",
                                       "Do protokolu '%1' nelze zapisovat (%2); žádná stanice nebyla programována.")
        .arg(path, why);
}

bool countResult(ProvisionSummary& s, const StationResult& r, bool stopOnError)
{
    switch (r.outcome) {
    case StationOutcome::PdfFailed: ++s.withoutPdf; [[fallthrough]];
    case StationOutcome::Programmed: ++s.programmed; return true;
    case StationOutcome::Unchecked:
        ++s.unchecked;
        s.cancelled = true;
        return false;
    case StationOutcome::Cancelled: s.cancelled = true; return false;
    case StationOutcome::InvalidRow: // counted before the run
    case StationOutcome::WrongDevice:
    case StationOutcome::Failed: break;
    }
    ++s.failed;
    if (stopOnError)
        s.stopped = true;
    return !stopOnError;
}

Provisioner::Provisioner(StationLink& link, Prompts& prompts, BusyIndicator& busy, ProvisionSettings settings)
    : m_link(link), m_prompts(prompts), m_busy(busy), m_settings(std::move(settings))
{ }

bool Provisioner::cancelRequested() const
{
    return m_busy.cancelRequested();
}

void Provisioner::finish(StationResult& r, StationOutcome o, const QString& message)
{
    r.outcome = o;
    r.message = message;
    // Whatever happened, the station is taken out of programming mode before
    // the technician unplugs it.
    if (m_link.isUp())
        (void)m_link.deactivateLink();
}

StationResult Provisioner::programStation(const StationRow& row)
{
    QElapsedTimer clock;
    clock.start();
    StationResult r;
    r.line = row.line;
    r.name = row.config.tabJmenoStanice;
    r.port = m_settings.port;
    auto done = [&](StationOutcome o, const QString& message) {
        finish(r, o, message);
        r.durationMs = clock.elapsed();
        return r;
    };

    m_settings.say(QCoreApplication::translate(
                       "Provisioner", "Připojte další stanici (řádek %1, '%2') a uveďte ji do programovacího režimu.")
                       .arg(row.line)
                       .arg(r.name));
    const LinkState state = m_link.activateLink(m_settings.port);
    if (cancelRequested())
        return done(StationOutcome::Cancelled,
                    QCoreApplication::translate("Provisioner", "Čekání na stanici bylo stornováno."));
    if (state == LinkState::Inactive)
        return done(StationOutcome::Failed,
                    QCoreApplication::translate("Provisioner", "Spojení se stanicí se nepodařilo navázat."));
    const DeviceInfo info = m_link.deviceInfo();
    r.product = info.product;
    r.memory = info.memorySize.trimmed();
    if (state == LinkState::ActiveWrongDevice)
        return done(StationOutcome::WrongDevice,
                    QCoreApplication::translate("Provisioner",
                                                "Stanici '%1' verze %2 nelze touto verzí programu naprogramovat.")
                        .arg(info.product, info.version));

    // What the station holds that the write will replace is saved before a
    // single byte is written: the part its settings use (an empty station is
    // known from its header) and the whole range the write covers. Reading
    // the rest of a large memory would cost minutes on the wire and save
    // nothing the write touches.
    const int memory = info.memorySizeBytes().value_or(0);
    const int cover = std::min(layout::writtenEnd(settingsSize(row.config)), memory);
    EepromImage image;
    m_link.setReadUsedOnly(true);
    TransferOutcome read = m_link.readEeprom(image);
    m_link.setReadUsedOnly(false);
    int backupEnd = m_link.transfer().lastReadEnd();
    if (read == TransferOutcome::Completed && backupEnd < cover) {
        read = m_link.transfer().readRange(image, backupEnd, cover);
        backupEnd = cover;
    }
    switch (read) {
    case TransferOutcome::Failed:
        return done(
            StationOutcome::Failed,
            QCoreApplication::translate("Provisioner", "Paměť stanice se nepodařilo načíst; nic nebylo zapsáno."));
    case TransferOutcome::Cancelled:
        return done(StationOutcome::Cancelled,
                    QCoreApplication::translate("Provisioner", "Načítání paměti bylo stornováno; nic nebylo zapsáno."));
    case TransferOutcome::Completed: break;
    }
    if (!QDir().mkpath(m_settings.backupDir))
        return done(StationOutcome::Failed,
                    QCoreApplication::translate("Provisioner", "Adresář záloh '%1' nelze vytvořit; nic nebylo zapsáno.")
                        .arg(m_settings.backupDir));
    const QString stem = stationFileStem(r.name, row.line, m_settings.now());
    const QString backup = reservePath(m_settings.backupDir, stem, QStringLiteral(".eep"));
    if (!writeBackup(backup, image, std::min(backupEnd, memory))) {
        QFile::remove(backup);
        return done(
            StationOutcome::Failed,
            QCoreApplication::translate("Provisioner", "Zálohu do souboru '%1' nelze uložit; nic nebylo zapsáno.")
                .arg(backup));
    }
    r.backupFile = backup;
    m_settings.say(QCoreApplication::translate("Provisioner", "Záloha: %1").arg(backup));

    if (imageHeaderValid(image)) {
        const DecodeResult current = decodeImage(image, row.config);
        if (current.complete) {
            const auto changes = diffConfigs(current.config, row.config);
            SettingsDifferences d;
            d.fields = changes;
            m_settings.say(
                changes.empty()
                    ? QCoreApplication::translate("Provisioner", "Nastavení stanice se nemění.")
                    : QCoreApplication::translate("Provisioner", "Změny proti stanici (%1):\n").arg(changes.size())
                        + formatDifferences(d).trimmed());
        }
    } else {
        m_settings.say(QCoreApplication::translate(
            "Provisioner", "Stanice není naprogramována; záloha obsahuje oblast, kterou zápis přepíše."));
    }

    if (cancelRequested())
        return done(StationOutcome::Cancelled,
                    QCoreApplication::translate("Provisioner", "Stornováno před zápisem; nic nebylo zapsáno."));
    SettingsDocument doc;
    doc.assignAll(row.config);
    // Encoded over what the station held, so bytes the settings do not own
    // keep the station's values, as when the window loads and saves.
    if (!m_settings.historyPath.isEmpty() && !m_history)
        m_history = std::make_unique<HistoryStore>(m_settings.historyPath); // on this port's thread
    CommandContext ctx{doc,
                       image,
                       m_prompts,
                       m_busy,
                       nullptr,
                       &m_link,
                       m_settings.verifyWrites,
                       m_history.get(),
                       WriteProgram::Provision};
    switch (saveSettingsToDevice(ctx)) {
    case CommandOutcome::Done: break;
    case CommandOutcome::Cancelled:
        return done(StationOutcome::Cancelled,
                    QCoreApplication::translate(
                        "Provisioner", "Zápis byl stornován; stanice zůstala bez platného nastavení (záloha: %1).")
                        .arg(backup));
    case CommandOutcome::Rejected:
        return done(StationOutcome::Failed,
                    QCoreApplication::translate("Provisioner",
                                                "Nastavení se do stanice nevejde nebo neprošlo kontrolou výstupů."));
    case CommandOutcome::Declined:
    case CommandOutcome::Failed:
        return done(StationOutcome::Failed,
                    QCoreApplication::translate("Provisioner", "Zápis do stanice selhal (záloha: %1).").arg(backup));
    }

    // The whole written range (the header around the station's own bytes,
    // the data up to layout::writtenEnd) is read back once more: a station
    // that acknowledged a block it did not keep is caught here. Only that
    // range: on a 19,200-baud line a full 64 KiB station would take minutes more.
    const int end = std::min(layout::writtenEnd(doc.settingsSize()), memory);
    EepromImage back;
    switch (m_link.transfer().readEeprom(back, end)) {
    case TransferOutcome::Failed:
        return done(StationOutcome::Failed,
                    QCoreApplication::translate("Provisioner", "Kontrolní načtení po zápisu selhalo."));
    case TransferOutcome::Cancelled:
        // The station holds the whole row: it must not be counted as a row
        // to do again on the next unit.
        return done(StationOutcome::Unchecked,
                    QCoreApplication::translate(
                        "Provisioner",
                        "Zápis byl dokončen, kontrolní načtení po zápisu bylo stornováno; stanice nebyla "
                        "zkontrolována (záloha: %1).")
                        .arg(backup));
    case TransferOutcome::Completed: break;
    }
    if (const auto at = firstMismatch(image, back, end))
        return done(StationOutcome::Failed,
                    QCoreApplication::translate(
                        "Provisioner", "Kontrola po zápisu: stanice vrací na adrese %1 jiná data, než byla zapsána.")
                        .arg(*at));

    if (!m_settings.pdfDir.isEmpty()) {
        const bool dirMade = QDir().mkpath(m_settings.pdfDir);
        const QString pdf = reservePath(m_settings.pdfDir, stem, QStringLiteral(".pdf"));
        if (!dirMade || !m_settings.printPdf || !m_settings.printPdf(row.config, pdf)) {
            QFile::remove(pdf);
            return done(StationOutcome::PdfFailed,
                        QCoreApplication::translate("Provisioner", "Protokol se nepodařilo uložit do '%1'.").arg(pdf));
        }
        m_settings.say(QStringLiteral("Protokol: %1").arg(pdf));
    }
    return done(StationOutcome::Programmed, {});
}

std::vector<StationResult> invalidRowResults(const StationTable& table)
{
    // One line per invalid row, even when it has several problems.
    std::vector<StationResult> invalid;
    for (const RowProblem& p : table.problems) {
        if (!invalid.empty() && invalid.back().line == p.line)
            continue;
        StationResult r;
        r.line = p.line;
        r.name = p.name;
        r.outcome = StationOutcome::InvalidRow;
        r.message = p.message;
        invalid.push_back(r);
    }
    return invalid;
}

} // namespace torval
