#include "storage/Provisioning.h"

#include "interact/Prompts.h"
#include "link/StationLink.h"
#include "model/ConfigFields.h"
#include "model/Cp1250.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/ImageLayout.h"
#include "model/SettingsDocument.h"
#include "model/SettingsSize.h"
#include "rules/SettingsCheck.h"
#include "storage/SettingsCommands.h"
#include "storage/SettingsDiff.h"
#include "storage/SettingsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace torval {

namespace {

// ---- the table ------------------------------------------------------------

struct Record {
    int line = 0;
    QStringList cells;
};

struct Records {
    std::vector<Record> records;
    int unclosedQuoteLine = 0; // the line of a quote that is never closed, 0 when none
};

// Splits spreadsheet-style CSV: cells may be quoted, a quote inside a quoted
// cell is doubled, and a quoted cell may span lines. Each record remembers the
// line it starts on, so problems point at the line the technician sees.
Records splitRecords(const QString& text, QChar sep)
{
    Records result;
    std::vector<Record>& out = result.records;
    int quoteLine = 0;
    Record rec{1, {}};
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    int line = 1;
    auto endCell = [&] {
        rec.cells << cell;
        cell.clear();
        cellStarted = false;
    };
    auto endRecord = [&] {
        endCell();
        // A blank line is no station, nor is a row of separators alone (";;;",
        // what a spreadsheet leaves of a row whose cells were cleared).
        if (!std::all_of(rec.cells.cbegin(), rec.cells.cend(), [](const QString& c) { return c.trimmed().isEmpty(); }))
            out.push_back(rec);
        rec = Record{line, {}};
    };
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (k + 1 < text.size() && text[k + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++k;
                } else {
                    quoted = false;
                }
            } else if (c == QLatin1Char('\r') && k + 1 < text.size() && text[k + 1] == QLatin1Char('\n')) {
                // A line break inside a cell is one line feed, whichever
                // system wrote the file.
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                ++line; // a lone CR is a line end too (old Mac spreadsheets)
                cell += QLatin1Char('\n');
            } else {
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !cellStarted) {
            quoted = true;
            quoteLine = line;
            cellStarted = true;
        } else if (c == sep) {
            endCell();
        } else if (c == QLatin1Char('\r') && k + 1 < text.size() && text[k + 1] == QLatin1Char('\n')) {
            // part of a CRLF line end
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            ++line;
            endRecord();
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted)
        result.unclosedQuoteLine = quoteLine; // everything after it would be one cell
    else if (!cell.isEmpty() || !rec.cells.isEmpty() || cellStarted)
        endRecord();
    return result;
}

struct Column {
    const FieldDef* field = nullptr;
    int index = 0;
};

std::optional<bool> parseFlag(const QString& cell)
{
    const QString v = cell.trimmed().toLower();
    if (v == QLatin1String("1") || v == QLatin1String("ano") || v == QLatin1String("a") || v == QLatin1String("true"))
        return true;
    if (v == QLatin1String("0") || v == QLatin1String("ne") || v == QLatin1String("n") || v == QLatin1String("false"))
        return false;
    return std::nullopt;
}

QString rowPrefix(int line)
{
    return QStringLiteral("Řádek %1: ").arg(line);
}

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
        const QString path = QDir(dir).filePath(n == 1 ? stem + suffix
                                                       : QStringLiteral("%1-%2%3").arg(stem, QString::number(n), suffix));
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

QString stationTableText(const QByteArray& bytes)
{
    // Czech Excel saves "CSV (oddělený středníkem)" in Windows-1250, other
    // programs in UTF-8. Czech text in Windows-1250 is practically never
    // valid UTF-8, so validity decides; plain ASCII is the same in both.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fromCp1250(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

StationTable readStationTable(const QByteArray& csv, const DeviceConfig& templ, const EditorSettings& editor)
{
    StationTable table;
    const QString text = stationTableText(csv);
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    const QString firstLine = text.section(lineEnd, 0, 0);
    const QChar sep = firstLine.contains(QLatin1Char(';')) && !firstLine.contains(QLatin1Char(','))
        ? QLatin1Char(';')
        : QLatin1Char(',');
    const Records split = splitRecords(text, sep);
    if (split.unclosedQuoteLine > 0) {
        table.error = QStringLiteral("Řádek %1: uvozovky buňky nejsou nikde uzavřeny.").arg(split.unclosedQuoteLine);
        return table;
    }
    const std::vector<Record>& records = split.records;
    if (records.empty()) {
        table.error = QStringLiteral("Soubor se stanicemi je prázdný.");
        return table;
    }

    static const QRegularExpression headerCell(QStringLiteral("^([A-Za-z0-9_]+)(?:\\[(\\d+)\\])?$"));
    std::vector<Column> columns;
    // A spreadsheet saves the columns it once had, empty: they are no columns.
    QStringList header = records.front().cells;
    while (header.size() > 1 && header.last().trimmed().isEmpty())
        header.removeLast();
    for (int k = 0; k < header.size(); ++k) {
        const QString name = header[k].trimmed();
        const auto m = headerCell.match(name);
        const FieldDef* f = m.hasMatch() ? findField(m.captured(1).toStdString()) : nullptr;
        if (!f) {
            table.error = QStringLiteral("Neznámý sloupec '%1' (sloupec %2 záhlaví).").arg(name, QString::number(k + 1));
            return table;
        }
        const bool indexed = m.hasCaptured(2);
        bool indexOk = true;
        // An index too large for a number is out of range like any other,
        // not the 0 a failed conversion gives.
        const int index = indexed ? m.captured(2).toInt(&indexOk) : 0;
        if (indexed != (f->count > 1) || !indexOk || index >= f->count) {
            table.error = f->count > 1
                ? QStringLiteral("Sloupec '%1' potřebuje index 0 až %2, například '%3[0]'.")
                      .arg(name, QString::number(f->count - 1), QString::fromLatin1(f->name))
                : QStringLiteral("Sloupec '%1' nemá index.").arg(name);
            return table;
        }
        for (const Column& c : columns)
            if (c.field == f && c.index == index) {
                table.error = QStringLiteral("Sloupec '%1' je v záhlaví dvakrát.").arg(name);
                return table;
            }
        columns.push_back({f, index});
    }

    for (std::size_t r = 1; r < records.size(); ++r) {
        Record rec = records[r];
        while (rec.cells.size() > qsizetype(columns.size()) && rec.cells.last().trimmed().isEmpty())
            rec.cells.removeLast();
        const std::size_t before = table.problems.size();
        QString name;
        auto problem = [&](const QString& m) { table.problems.push_back({rec.line, rowPrefix(rec.line) + m, name}); };
        if (rec.cells.size() != qsizetype(columns.size())) {
            problem(QStringLiteral("počet hodnot (%1) neodpovídá záhlaví (%2).").arg(QString::number(rec.cells.size()), QString::number(columns.size())));
            continue;
        }
        SettingsDocument doc;
        doc.assignAll(templ);
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const Column& c = columns[k];
            const QString& cell = rec.cells[qsizetype(k)];
            const QString where = QString::fromLatin1(c.field->name)
                + (c.field->count > 1 ? QStringLiteral("[%1]").arg(c.index) : QString());
            switch (c.field->kind) {
            case FieldKind::Text:
                doc.setText(*c.field, c.index, cell);
                break;
            case FieldKind::Flag:
                if (cell.trimmed().isEmpty())
                    break;
                if (const auto v = parseFlag(cell))
                    doc.setFlag(*c.field, c.index, *v);
                else
                    problem(QStringLiteral("%1: '%2' není ano/ne (1/0).").arg(where, cell));
                break;
            case FieldKind::Byte: {
                if (cell.trimmed().isEmpty())
                    break;
                bool ok = false;
                const int v = cell.trimmed().toInt(&ok);
                if (ok && v >= 0 && v <= 255)
                    doc.setByte(*c.field, c.index, std::uint8_t(v));
                else
                    problem(QStringLiteral("%1: '%2' není číslo 0 až 255.").arg(where, cell));
                break;
            }
            }
        }
        // Each row stores what the editor would store: its rewrites applied and listed.
        const StoredSettings stored = settingsAsStored(doc.config(), editor);
        const DeviceConfig& config = stored.config;
        for (const FieldRewrite& w : stored.rewrites)
            table.rewrites.push_back({rec.line, rowPrefix(rec.line) + rewriteText(w), config.tabJmenoStanice});
        // Stored all the same, as the window stores them, but told as check tells them.
        for (const SettingsFinding& f : stored.warnings)
            table.rewrites.push_back({rec.line, rowPrefix(rec.line) + QStringLiteral("Upozornění: ") + findingText(f),
                                      config.tabJmenoStanice});
        name = config.tabJmenoStanice;
        for (std::size_t k = before; k < table.problems.size(); ++k)
            table.problems[k].name = name;
        // The battery text is one text in two fields; a row that sets both
        // differently would lose one of them silently.
        std::optional<QString> battery;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const FieldId id = columns[k].field->id;
            if (id != FieldId::rtBattLow && !(id == FieldId::tabAINCL1Dn && columns[k].index == kBatteryInput))
                continue;
            if (battery && *battery != rec.cells[qsizetype(k)])
                problem(QStringLiteral("rtBattLow a tabAINCL1Dn[7] jsou jeden text a musí se shodovat."));
            battery = rec.cells[qsizetype(k)];
        }
        for (const SettingsFinding& f : stored.refusals)
            problem(findingText(f));
        EepromImage scratch;
        if (encodeImage(config, scratch) != EncodeError::None)
            problem(QStringLiteral("nastavení nelze převést do formátu EEPROM."));
        if (table.problems.size() == before)
            table.rows.push_back({rec.line, config});
    }
    return table;
}

QString outcomeText(StationOutcome o)
{
    switch (o) {
    case StationOutcome::Programmed:
        return QStringLiteral("naprogramováno");
    case StationOutcome::PdfFailed:
        return QStringLiteral("naprogramováno, PDF neuloženo");
    case StationOutcome::InvalidRow:
        return QStringLiteral("neplatný řádek");
    case StationOutcome::WrongDevice:
        return QStringLiteral("chybné zařízení");
    case StationOutcome::Failed:
        return QStringLiteral("chyba");
    case StationOutcome::Cancelled:
        return QStringLiteral("stornováno");
    case StationOutcome::Unchecked:
        return QStringLiteral("zapsáno bez kontroly");
    }
    return {};
}

QString stationFileStem(const QString& stationName, int line, const QDateTime& when)
{
    QString name = stationName.trimmed();
    static const QRegularExpression unsafe(QStringLiteral("[^\\w\\-. ]"), QRegularExpression::UseUnicodePropertiesOption);
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
    const QStringList cells = {QString::number(r.line), csvCell(r.name),      csvCell(r.product),
                               csvCell(r.memory),       csvCell(outcomeText(r.outcome)),
                               QString::number(double(r.durationMs) / 1000.0, 'f', 1), csvCell(r.backupFile),
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
    return QStringLiteral("Do protokolu '%1' nelze zapisovat (%2); žádná stanice nebyla programována.").arg(path, why);
}

bool countResult(ProvisionSummary& s, const StationResult& r, bool stopOnError)
{
    switch (r.outcome) {
    case StationOutcome::PdfFailed:
        ++s.withoutPdf;
        [[fallthrough]];
    case StationOutcome::Programmed:
        ++s.programmed;
        return true;
    case StationOutcome::Unchecked:
        ++s.unchecked;
        s.cancelled = true;
        return false;
    case StationOutcome::Cancelled:
        s.cancelled = true;
        return false;
    case StationOutcome::InvalidRow: // counted before the run
    case StationOutcome::WrongDevice:
    case StationOutcome::Failed:
        break;
    }
    ++s.failed;
    if (stopOnError)
        s.stopped = true;
    return !stopOnError;
}

Provisioner::Provisioner(StationLink& link, Prompts& prompts, BusyIndicator& busy, ProvisionSettings settings)
    : m_link(link), m_prompts(prompts), m_busy(busy), m_settings(std::move(settings))
{
}

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

    m_settings.say(QStringLiteral("Připojte další stanici (řádek %1, '%2') a uveďte ji do programovacího režimu.")
                       .arg(row.line)
                       .arg(r.name));
    const LinkState state = m_link.activateLink(m_settings.port);
    if (cancelRequested())
        return done(StationOutcome::Cancelled, QStringLiteral("Čekání na stanici bylo stornováno."));
    if (state == LinkState::Inactive)
        return done(StationOutcome::Failed, QStringLiteral("Spojení se stanicí se nepodařilo navázat."));
    const DeviceInfo info = m_link.deviceInfo();
    r.product = info.product;
    r.memory = info.memorySize.trimmed();
    if (state == LinkState::ActiveWrongDevice)
        return done(StationOutcome::WrongDevice,
                    QStringLiteral("Stanici '%1' verze %2 nelze touto verzí programu naprogramovat.")
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
        return done(StationOutcome::Failed, QStringLiteral("Paměť stanice se nepodařilo načíst; nic nebylo zapsáno."));
    case TransferOutcome::Cancelled:
        return done(StationOutcome::Cancelled, QStringLiteral("Načítání paměti bylo stornováno; nic nebylo zapsáno."));
    case TransferOutcome::Completed:
        break;
    }
    if (!QDir().mkpath(m_settings.backupDir))
        return done(StationOutcome::Failed,
                    QStringLiteral("Adresář záloh '%1' nelze vytvořit; nic nebylo zapsáno.").arg(m_settings.backupDir));
    const QString stem = stationFileStem(r.name, row.line, m_settings.now());
    const QString backup = reservePath(m_settings.backupDir, stem, QStringLiteral(".eep"));
    if (!writeBackup(backup, image, std::min(backupEnd, memory))) {
        QFile::remove(backup);
        return done(StationOutcome::Failed,
                    QStringLiteral("Zálohu do souboru '%1' nelze uložit; nic nebylo zapsáno.").arg(backup));
    }
    r.backupFile = backup;
    m_settings.say(QStringLiteral("Záloha: %1").arg(backup));

    if (imageHeaderValid(image)) {
        const DecodeResult current = decodeImage(image, row.config);
        if (current.complete) {
            const auto changes = diffConfigs(current.config, row.config);
            SettingsDifferences d;
            d.fields = changes;
            m_settings.say(changes.empty() ? QStringLiteral("Nastavení stanice se nemění.")
                                           : QStringLiteral("Změny proti stanici (%1):\n").arg(changes.size())
                                   + formatDifferences(d).trimmed());
        }
    } else {
        m_settings.say(QStringLiteral("Stanice není naprogramována; záloha obsahuje oblast, kterou zápis přepíše."));
    }

    if (cancelRequested())
        return done(StationOutcome::Cancelled, QStringLiteral("Stornováno před zápisem; nic nebylo zapsáno."));
    SettingsDocument doc;
    doc.assignAll(row.config);
    // Encoded over what the station held, so bytes the settings do not own
    // keep the station's values, as when the window loads and saves.
    CommandContext ctx{doc, image, m_prompts, m_busy, nullptr, &m_link, m_settings.verifyWrites};
    switch (saveSettingsToDevice(ctx)) {
    case CommandOutcome::Done:
        break;
    case CommandOutcome::Cancelled:
        return done(StationOutcome::Cancelled,
                    QStringLiteral("Zápis byl stornován; stanice zůstala bez platného nastavení (záloha: %1).").arg(backup));
    case CommandOutcome::Rejected:
        return done(StationOutcome::Failed, QStringLiteral("Nastavení se do stanice nevejde nebo neprošlo kontrolou výstupů."));
    case CommandOutcome::Declined:
    case CommandOutcome::Failed:
        return done(StationOutcome::Failed, QStringLiteral("Zápis do stanice selhal (záloha: %1).").arg(backup));
    }

    // The whole written range (the header around the station's own bytes,
    // the data up to layout::writtenEnd) is read back once more: a station
    // that acknowledged a block it did not keep is caught here. Only that
    // range: on a 19,200-baud line a full 64 KiB station would take minutes more.
    const int end = std::min(layout::writtenEnd(doc.settingsSize()), memory);
    EepromImage back;
    switch (m_link.transfer().readEeprom(back, end)) {
    case TransferOutcome::Failed:
        return done(StationOutcome::Failed, QStringLiteral("Kontrolní načtení po zápisu selhalo."));
    case TransferOutcome::Cancelled:
        // The station holds the whole row: it must not be counted as a row
        // to do again on the next unit.
        return done(StationOutcome::Unchecked,
                    QStringLiteral("Zápis byl dokončen, kontrolní načtení po zápisu bylo stornováno; stanice nebyla "
                                   "zkontrolována (záloha: %1).")
                        .arg(backup));
    case TransferOutcome::Completed:
        break;
    }
    if (const auto at = firstMismatch(image, back, end))
        return done(StationOutcome::Failed,
                    QStringLiteral("Kontrola po zápisu: stanice vrací na adrese %1 jiná data, než byla zapsána.").arg(*at));

    if (!m_settings.pdfDir.isEmpty()) {
        const bool dirMade = QDir().mkpath(m_settings.pdfDir);
        const QString pdf = reservePath(m_settings.pdfDir, stem, QStringLiteral(".pdf"));
        if (!dirMade || !m_settings.printPdf || !m_settings.printPdf(row.config, pdf)) {
            QFile::remove(pdf);
            return done(StationOutcome::PdfFailed, QStringLiteral("Protokol se nepodařilo uložit do '%1'.").arg(pdf));
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

ProvisionSummary Provisioner::run(const StationTable& table)
{
    ProvisionSummary s;
    // A run whose log cannot be written has no record of what it did: it
    // ends once the station in hand is done.
    auto log = [&](const StationResult& r) {
        s.results.push_back(r);
        if (!m_settings.logPath.isEmpty() && !s.logFailed && !appendLog(m_settings.logPath, r)) {
            m_settings.say(QStringLiteral("Do protokolu '%1' nelze zapisovat.").arg(m_settings.logPath));
            s.logFailed = true;
        }
    };
    for (const RowProblem& p : table.problems)
        m_settings.say(p.message);
    const std::vector<StationResult> invalid = invalidRowResults(table);
    s.invalid = int(invalid.size());
    s.skipped = int(table.rows.size());
    if (s.invalid > 0 && m_settings.stopOnError) {
        s.stopped = true;
        return s;
    }
    if (!m_settings.logPath.isEmpty()) {
        if (const auto why = prepareLog(m_settings.logPath)) {
            m_settings.say(logUnusableMessage(m_settings.logPath, *why));
            s.logFailed = true;
            return s;
        }
    }
    for (const StationResult& r : invalid)
        log(r);

    for (const StationRow& row : table.rows) {
        if (s.logFailed)
            break;
        if (cancelRequested()) {
            s.cancelled = true;
            break;
        }
        const StationResult r = programStation(row);
        log(r);
        const QString head = QStringLiteral("Řádek %1 ('%2'): %3").arg(QString::number(r.line), r.name, outcomeText(r.outcome));
        m_settings.say(r.message.isEmpty() ? head : head + QStringLiteral(" - ") + r.message);
        if (!countResult(s, r, m_settings.stopOnError))
            break;
    }
    s.skipped = int(table.rows.size()) - s.programmed - s.failed - s.unchecked;
    return s;
}

} // namespace torval
