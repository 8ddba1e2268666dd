#include "provisioning/CsvReader.h"

#include <algorithm>

namespace torval {

CsvRecords splitCsvRecords(const QString& text, QChar sep)
{
    CsvRecords result;
    std::vector<CsvRecord>& out = result.records;
    int quoteLine = 0;
    CsvRecord rec{1, {}};
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
        rec = CsvRecord{line, {}};
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

} // namespace torval
