#include "provisioning/StationTable.h"

#include "model/ConfigFields.h"
#include "model/Cp1250.h"
#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "model/SettingsDocument.h"
#include "model/SettingsSize.h"
#include "provisioning/CsvReader.h"
#include "rules/SettingsCheck.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace torval {

namespace {

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
    return QCoreApplication::translate("StationTable", "Řádek %1: ").arg(line);
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
    const QChar sep = firstLine.contains(QLatin1Char(';')) && !firstLine.contains(QLatin1Char(',')) ? QLatin1Char(';')
                                                                                                    : QLatin1Char(',');
    const CsvRecords split = splitCsvRecords(text, sep);
    if (split.unclosedQuoteLine > 0) {
        table.error = QCoreApplication::translate("StationTable", "Řádek %1: uvozovky buňky nejsou nikde uzavřeny.")
                          .arg(split.unclosedQuoteLine);
        return table;
    }
    const std::vector<CsvRecord>& records = split.records;
    if (records.empty()) {
        table.error = QCoreApplication::translate("StationTable", "Soubor se stanicemi je prázdný.");
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
            table.error = QCoreApplication::translate("StationTable", "Neznámý sloupec '%1' (sloupec %2 záhlaví).")
                              .arg(name, QString::number(k + 1));
            return table;
        }
        const bool indexed = m.hasCaptured(2);
        bool indexOk = true;
        // An index too large for a number is out of range like any other,
        // not the 0 a failed conversion gives.
        const int index = indexed ? m.captured(2).toInt(&indexOk) : 0;
        if (indexed != (f->count > 1) || !indexOk || index >= f->count) {
            table.error = f->count > 1
                ? QCoreApplication::translate("StationTable",
                                              "Sloupec '%1' potřebuje index 0 až %2, například '%3[0]'.")
                      .arg(name, QString::number(f->count - 1), QString::fromLatin1(f->name))
                : QCoreApplication::translate("StationTable", "Sloupec '%1' nemá index.").arg(name);
            return table;
        }
        for (const Column& c : columns)
            if (c.field == f && c.index == index) {
                table.error =
                    QCoreApplication::translate("StationTable", "Sloupec '%1' je v záhlaví dvakrát.").arg(name);
                return table;
            }
        columns.push_back({f, index});
    }

    for (std::size_t r = 1; r < records.size(); ++r) {
        CsvRecord rec = records[r];
        while (rec.cells.size() > qsizetype(columns.size()) && rec.cells.last().trimmed().isEmpty())
            rec.cells.removeLast();
        const std::size_t before = table.problems.size();
        QString name;
        auto problem = [&](const QString& m) { table.problems.push_back({rec.line, rowPrefix(rec.line) + m, name}); };
        if (rec.cells.size() != qsizetype(columns.size())) {
            problem(QCoreApplication::translate("StationTable", "počet hodnot (%1) neodpovídá záhlaví (%2).")
                        .arg(QString::number(rec.cells.size()), QString::number(columns.size())));
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
            case FieldKind::Text: doc.setText(*c.field, c.index, cell); break;
            case FieldKind::Flag:
                if (cell.trimmed().isEmpty())
                    break;
                if (const auto v = parseFlag(cell))
                    doc.setFlag(*c.field, c.index, *v);
                else
                    problem(
                        QCoreApplication::translate("StationTable", "%1: '%2' není ano/ne (1/0).").arg(where, cell));
                break;
            case FieldKind::Byte: {
                if (cell.trimmed().isEmpty())
                    break;
                bool ok = false;
                const int v = cell.trimmed().toInt(&ok);
                if (ok && v >= 0 && v <= 255)
                    doc.setByte(*c.field, c.index, std::uint8_t(v));
                else
                    problem(
                        QCoreApplication::translate("StationTable", "%1: '%2' není číslo 0 až 255.").arg(where, cell));
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
            table.rewrites.push_back(
                {rec.line,
                 rowPrefix(rec.line)
                     + QCoreApplication::translate("StationTable", "Upozornění: %1").arg(findingText(f)),
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
                problem(QCoreApplication::translate("StationTable",
                                                    "rtBattLow a tabAINCL1Dn[7] jsou jeden text a musí se shodovat."));
            battery = rec.cells[qsizetype(k)];
        }
        for (const SettingsFinding& f : stored.refusals)
            problem(findingText(f));
        EepromImage scratch;
        if (encodeImage(config, scratch) != EncodeError::None)
            problem(QCoreApplication::translate("StationTable", "nastavení nelze převést do formátu EEPROM."));
        if (table.problems.size() == before)
            table.rows.push_back({rec.line, config});
    }
    return table;
}

} // namespace torval
