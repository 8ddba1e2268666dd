#pragma once
// The table of per-station values for series programming: read from CSV,
// each row applied to the template and checked before any station is touched.

#include "model/DeviceConfig.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace torval {

// One station of the table: the template with the row's cells applied.
struct StationRow {
    int line = 0; // line of the file where the row starts (the header is line 1)
    DeviceConfig config;
};

struct RowProblem {
    int line = 0;
    QString message; // Czech, starts with "Řádek N: "
    QString name;    // the row's station name, when the row could be read
};

struct StationTable {
    std::vector<StationRow> rows;     // rows that passed every check
    std::vector<RowProblem> problems; // rows that did not, one message each
    std::vector<RowProblem> rewrites; // the editor's rewrites applied to the rows, one per field
    QString error;                    // the table as a whole is unusable (header, encoding)
};

// The table's bytes as text: UTF-8 (a byte order mark dropped) when they are
// valid UTF-8, otherwise Windows-1250.
[[nodiscard]] QString stationTableText(const QByteArray& bytes);

// Reads the table: a header row of field names (per-item fields as
// "tabTC[0]"), separated by "," or ";" (whichever the header uses), cells
// quoted as in common spreadsheet exports, lines ended by LF, CRLF or CR.
// Rows of empty cells are skipped, and empty cells after the last column of
// the header (and empty header cells at its end) are ignored. A text cell replaces the
// template's text (empty included); an empty check box or byte cell keeps the
// template's value. Each row is then checked with the field rules, the output
// cross-check and a trial encoding. `editor` is the template's telephone
// prefix rule.
[[nodiscard]] StationTable readStationTable(const QByteArray& csv, const DeviceConfig& templ,
                                            const EditorSettings& editor = {});

} // namespace torval
