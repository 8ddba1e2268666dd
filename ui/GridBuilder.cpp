#include "ui/GridBuilder.h"

#include "model/ConfigFields.h"
#include "model/DeviceConfig.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace torval {

namespace {
// The grids' headings, buttons and tooltips are Czech in the tables; they
// pass through Qt's translator under the context "GridBuilder".
QString gridText(const char* source)
{
    return QCoreApplication::translate("GridBuilder", source);
}
} // namespace

namespace {

// The grids' own headings: those that group columns or word them otherwise
// than the field's caption. Every other column is headed by its caption.
const GridHeading kInputHeadings[] = {
    {QT_TRANSLATE_NOOP("GridBuilder", "SMS zprávy při přechodu (zda zasílat + text zprávy)"), 0, FieldId::tabINPLHEvent,
     4},
    {QT_TRANSLATE_NOOP("GridBuilder", "0->1"), 1, FieldId::tabINPLHEvent, 2},
    {QT_TRANSLATE_NOOP("GridBuilder", "1->0"), 1, FieldId::tabINPHLEvent, 2},
};

const GridHeading kOutputHeadings[] = {
    {QT_TRANSLATE_NOOP("GridBuilder", "Impuls, Název + délka (v sekundách)"), 0, FieldId::tabOUTimpuls, 2},
};

const GridHeading kAnalogHeadings[] = {
    {QT_TRANSLATE_NOOP("GridBuilder", "Název\nStav LOW"), 0, FieldId::tabAINNazev, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Stav MEDIUM\nStav HIGH"), 0, FieldId::tabAINStateM, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "CL1"), 0, FieldId::tabAINCL1Level, 3},
    {QT_TRANSLATE_NOOP("GridBuilder", "úroveň\nhyster."), 1, FieldId::tabAINCL1Level, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "přechod up\npřechod down"), 1, FieldId::tabAINCL1UpEvent, 2},
    {QT_TRANSLATE_NOOP("GridBuilder", "CL2"), 0, FieldId::tabAINCL2Level, 3},
    {QT_TRANSLATE_NOOP("GridBuilder", "úroveň\nhyster."), 1, FieldId::tabAINCL2Level, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "přechod up\npřechod down"), 1, FieldId::tabAINCL2UpEvent, 2},
    {QT_TRANSLATE_NOOP("GridBuilder", "Uvádět\nhodnotu"), 0, FieldId::tabAINPrc, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Uvádět\nstav"), 0, FieldId::tabAINZpr, 1},
};

// The columns of a tab's grid: its fields that have a grid column, in the
// order of the field views, and the row's button last when it has one.
std::span<const GridColumn> columnsOf(int tab, bool button)
{
    static std::vector<GridColumn> columns[8];
    std::vector<GridColumn>& c = columns[std::size_t(tab)];
    if (c.empty()) {
        for (const FieldView& v : kFieldViews) {
            const FieldDef& f = field(v.id);
            if (f.tab == tab && v.grid.line >= 0)
                c.push_back({v.id, f.kind == FieldKind::Text ? ColumnKind::Text : ColumnKind::Check, v.grid.tooltip,
                             v.grid.line});
        }
        if (button)
            c.push_back({std::nullopt, ColumnKind::Button, ""});
    }
    return c;
}

QLabel* heading(const QString& text)
{
    auto* l = new QLabel(text);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    // The station's headings are blue so they stand apart from the fields.
    l->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    return l;
}

} // namespace

int layoutColumn(const GridTable& table, const GridColumn& column)
{
    int n = 0;
    for (const GridColumn& c : table.columns) {
        if (c.line == column.line)
            ++n;
        if (&c == &column)
            return n;
    }
    return 0;
}

namespace {
const GridColumn* columnOf(const GridTable& table, FieldId id)
{
    for (const GridColumn& c : table.columns)
        if (c.field == id)
            return &c;
    return nullptr;
}
} // namespace

QString widgetName(const FieldDef& field, int index)
{
    if (field.count == 1)
        return QString::fromLatin1(field.name);
    return QStringLiteral("%1_%2").arg(QLatin1String(field.name), QString::number(index));
}

int buildGrid(QGridLayout* layout, const GridTable& table, const GridCallbacks& cb)
{
    int headingLines = 0;
    std::vector<bool> headed;
    for (const GridHeading& h : table.headings) {
        const GridColumn* under = columnOf(table, h.from);
        Q_ASSERT(under); // a heading over a column its grid lacks: a mistake in the tables above
        if (!under)
            continue;
        const int at = layoutColumn(table, *under);
        layout->addWidget(heading(gridText(h.text)), h.line, at, 1, h.span);
        headingLines = std::max(headingLines, h.line + 1);
        headed.resize(std::max(headed.size(), std::size_t(at + h.span)));
        std::fill_n(headed.begin() + at, h.span, true);
    }
    // A column no heading of the grid covers is headed by its field's caption.
    for (const GridColumn& c : table.columns) {
        const int at = layoutColumn(table, c);
        if (c.field && c.line == 0 && (std::size_t(at) >= headed.size() || !headed[std::size_t(at)])) {
            layout->addWidget(heading(field(*c.field).caption()), 0, at);
            headingLines = std::max(headingLines, 1);
        }
    }

    for (const GridColumn& c : table.columns) {
        if (c.kind == ColumnKind::Text)
            layout->setColumnStretch(layoutColumn(table, c), 1);
    }

    for (int r = 0; r < table.rowCount; ++r) {
        const int index = table.firstRow + r;
        const int top = headingLines + r * table.linesPerRow;
        auto* label = new QLabel(rowLabel(table.rows, index));
        label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(table.rowLabelName), QString::number(index)));
        label->setStyleSheet(QStringLiteral("font-weight: bold;"));
        layout->addWidget(label, top, 0, table.linesPerRow, 1);
        if (cb.rowLabel)
            cb.rowLabel(index, label);
        for (const GridColumn& c : table.columns) {
            QWidget* w = nullptr;
            switch (c.kind) {
            case ColumnKind::Text: {
                const FieldDef& f = field(*c.field);
                auto* e = new QLineEdit;
                if (f.maxLength > 0)
                    e->setMaxLength(f.maxLength);
                // Short numeric fields need not grow with the window.
                if (f.maxLength > 0 && f.maxLength <= 5)
                    e->setMaximumWidth(60);
                w = e;
                break;
            }
            case ColumnKind::Check: w = new QCheckBox; break;
            case ColumnKind::Button: w = new QPushButton(gridText(table.buttonCaption)); break;
            }
            if (c.tooltip && *c.tooltip)
                w->setToolTip(gridText(c.tooltip));
            const int row = top + c.line;
            if (c.kind == ColumnKind::Check)
                layout->addWidget(w, row, layoutColumn(table, c), Qt::AlignCenter);
            else
                layout->addWidget(w, row, layoutColumn(table, c));
            if (c.kind == ColumnKind::Button) {
                w->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(table.buttonName), QString::number(index)));
                if (table.buttonTooltip && *table.buttonTooltip)
                    w->setToolTip(gridText(table.buttonTooltip));
                if (cb.button)
                    cb.button(index, w);
            } else {
                const FieldDef& f = field(*c.field);
                w->setObjectName(widgetName(f, index));
                if (cb.field)
                    cb.field(f, index, w);
            }
        }
    }
    return headingLines + table.rowCount * table.linesPerRow;
}

const GridTable& inputGrid()
{
    static const GridTable s{"tabINPjmeno",
                             RowSet::Inputs,
                             0,
                             kInputCount,
                             columnsOf(2, true),
                             kInputHeadings,
                             "tabINPbt",
                             QT_TRANSLATE_NOOP("GridBuilder", "Možnosti"),
                             "",
                             1};
    return s;
}

const GridTable& outputGrid()
{
    static const GridTable s{"tabOUTjmeno",
                             RowSet::Outputs,
                             0,
                             kOutputCount,
                             columnsOf(3, true),
                             kOutputHeadings,
                             "tabOUTbt",
                             QT_TRANSLATE_NOOP("GridBuilder", "Možnosti"),
                             "",
                             1};
    return s;
}

GridTable analogGrid(int firstRow)
{
    return GridTable{"tabAINJmeno",
                     RowSet::Analogs,
                     firstRow,
                     4,
                     columnsOf(4, true),
                     kAnalogHeadings,
                     "tabAINbt",
                     QT_TRANSLATE_NOOP("GridBuilder", "Možnosti"),
                     QT_TRANSLATE_NOOP("GridBuilder", "Zobrazit formulář pro změnu hodnot tohoto analogového vstupu"),
                     2};
}

const GridTable& phoneGrid()
{
    static const GridTable s{"tabTCjmeno",
                             RowSet::Phones,
                             0,
                             kPhoneCount,
                             columnsOf(6, true),
                             {},
                             "tabTCZmenit",
                             QT_TRANSLATE_NOOP("GridBuilder", "Změnit"),
                             "",
                             1};
    return s;
}

const GridTable& counterGrid()
{
    static const GridTable s{"tabCITJmeno", RowSet::Counters, 0, kCounterCount, columnsOf(7, false), {}, "", "", "", 1};
    return s;
}

} // namespace torval
