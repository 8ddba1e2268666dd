#pragma once
// The spreadsheet-style CSV of the station table, split into records. Knows
// nothing of stations: cells and the line each record starts on.

#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace torval {

struct CsvRecord {
    int line = 0;
    QStringList cells;
};

struct CsvRecords {
    std::vector<CsvRecord> records;
    int unclosedQuoteLine = 0; // the line of a quote that is never closed, 0 when none
};

// Splits spreadsheet-style CSV: cells may be quoted, a quote inside a quoted
// cell is doubled, and a quoted cell may span lines. Each record remembers the
// line it starts on, so problems point at the line the technician sees.
[[nodiscard]] CsvRecords splitCsvRecords(const QString& text, QChar sep);

} // namespace torval
