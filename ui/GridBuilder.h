#pragma once
// The settings grids of the main window (inputs, outputs, analog inputs,
// telephone numbers, counters) are built by one routine, so the eight rows of
// a grid cannot drift apart. Their columns come from the field views
// (model/ConfigFields.h): a field given a grid column shows in its tab's grid.

#include "model/ConfigFields.h"

#include <QString>
#include <functional>
#include <optional>
#include <span>

class QWidget;
class QGridLayout;

namespace torval {

enum class ColumnKind { Text, Check, Button };

// Which dialog a row's button and double clicks open.
enum class RowDialog { None, Phone, Input, Output, Analog };

// A grid's columns in their order on each line: a column's layout column is
// its place among the columns of its line (1-based; column 0 holds the row
// label), so a column added to a table moves the ones after it.
struct GridColumn {
    std::optional<FieldId> field; // none for the row's button
    ColumnKind kind;
    const char* tooltip; // may be empty
    int line = 0;        // analog rows take two lines: 0 upper, 1 lower
};

// A heading starts above the column of `from` (on the same line of the row)
// and spans `span` columns. A column that no heading covers is headed by its
// field's caption.
struct GridHeading {
    const char* text;
    int line; // heading line above the grid: 0 or 1
    FieldId from;
    int span;
};

struct GridTable {
    const char* rowLabelName; // "tabINPjmeno": object name stem of the row labels
    RowSet rows;              // the row labels: "I1", "BAT"
    int firstRow;
    int rowCount;
    std::span<const GridColumn> columns;
    std::span<const GridHeading> headings;
    const char* buttonName;    // "tabINPbt"
    const char* buttonCaption; // "Možnosti", "Změnit"
    const char* buttonTooltip;
    int linesPerRow;
};

// What the builder hands back for every widget it made, so the window can bind it.
struct GridCallbacks {
    std::function<void(const FieldDef&, int index, QWidget*)> field;
    std::function<void(int index, QWidget* button)> button;
    std::function<void(int index, QWidget* label)> rowLabel;
};

// The layout column of a grid column (see GridColumn).
int layoutColumn(const GridTable& table, const GridColumn& column);

// Fills `layout` with headings and rows; returns the first free layout row.
int buildGrid(QGridLayout* layout, const GridTable& table, const GridCallbacks& cb);

// The five grids.
const GridTable& inputGrid();
const GridTable& outputGrid();
GridTable analogGrid(int firstRow); // rows 0..3 on one tab, 4..7 on the next
const GridTable& phoneGrid();
const GridTable& counterGrid();

// Object name of a grid widget: "tabINPNazev_3"; single fields keep their name.
QString widgetName(const FieldDef& field, int index);

} // namespace torval
