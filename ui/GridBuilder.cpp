#include "ui/GridBuilder.h"

#include "model/ConfigFields.h"
#include "model/DeviceConfig.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace torval {

namespace {
// The grids' headings, buttons and tooltips are Czech in the column tables;
// they pass through Qt's translator under the context "GridBuilder".
QString gridText(const char* source)
{
    return QCoreApplication::translate("GridBuilder", source);
}
} // namespace

namespace {

using K = ColumnKind;

const GridColumn kInputColumns[] = {
    {FieldId::tabINPNazev, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název digitálního vstupu")},
    {FieldId::tabINPVyp, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název stavu 'VYPNUTO' pro tento digitální vstup")},
    {FieldId::tabINPZap, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název stavu 'ZAPNUTO' pro tento digitální vstup")},
    {FieldId::tabINPLHEvent, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Posílat hlášení při přechodu 'Vypnuto->Zapnuto' pro tento digitální vstup")},
    {FieldId::tabINPLH, K::Text,
     QT_TRANSLATE_NOOP("GridBuilder", "Název přechodu 'Vypnuto->Zapnuto' pro tento digitální vstup")},
    {FieldId::tabINPHLEvent, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Posílat hlášení při přechodu 'Zapnuto->Vypnuto' pro tento digitální vstup")},
    {FieldId::tabINPHL, K::Text,
     QT_TRANSLATE_NOOP("GridBuilder", "Název přechodu 'Zapnuto->Vypnuto' pro tento digitální vstup")},
    {FieldId::tabINPNeg, K::Check, QT_TRANSLATE_NOOP("GridBuilder", "Negace stavů Zapnuto<->Vypnuto")},
    {FieldId::tabINPZpr, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě informace o tonto digitálním vstupu")},
    {std::nullopt, K::Button, ""},
};
const GridHeading kInputHeadings[] = {
    {QT_TRANSLATE_NOOP("GridBuilder", "Název"), 0, FieldId::tabINPNazev, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Stav 0 'Vypnuto'"), 0, FieldId::tabINPVyp, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Stav 1 'Zapnuto'"), 0, FieldId::tabINPZap, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "SMS zprávy při přechodu (zda zasílat + text zprávy)"), 0, FieldId::tabINPLHEvent,
     4},
    {QT_TRANSLATE_NOOP("GridBuilder", "0->1"), 1, FieldId::tabINPLHEvent, 2},
    {QT_TRANSLATE_NOOP("GridBuilder", "1->0"), 1, FieldId::tabINPHLEvent, 2},
    {QT_TRANSLATE_NOOP("GridBuilder", "Negace"), 0, FieldId::tabINPNeg, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě"), 0, FieldId::tabINPZpr, 1},
};

const GridColumn kOutputColumns[] = {
    {FieldId::tabOUTNazev, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název digitálního výstupu")},
    {FieldId::tabOUTVyp, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název stavu 'VYPNUTO' pro tento digitální výstup")},
    {FieldId::tabOUTZap, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název stavu 'ZAPNUTO' pro tento digitální výstup")},
    {FieldId::tabOUTNeg, K::Check, QT_TRANSLATE_NOOP("GridBuilder", "Negace stavů Zapnuto<->Vypnuto")},
    {FieldId::tabOUTimpuls, K::Text, ""},
    {FieldId::tabOUTimpulsLEN, K::Text,
     QT_TRANSLATE_NOOP("GridBuilder", "doba trvání impulsu (0-255) x 0,1 sekund (např. 125=12,5 sekund)")},
    {FieldId::tabOUTZpr, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě informace o tonto digitálním výstupu")},
    {std::nullopt, K::Button, ""},
};
const GridHeading kOutputHeadings[] = {
    {QT_TRANSLATE_NOOP("GridBuilder", "Název"), 0, FieldId::tabOUTNazev, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Stav 0 'Vypnuto'"), 0, FieldId::tabOUTVyp, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Stav 1 'Zapnuto'"), 0, FieldId::tabOUTZap, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Negace"), 0, FieldId::tabOUTNeg, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Impuls, Název + délka (v sekundách)"), 0, FieldId::tabOUTimpuls, 2},
    {QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě"), 0, FieldId::tabOUTZpr, 1},
};

const GridColumn kAnalogColumns[] = {
    {FieldId::tabAINNazev, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název analogového vstupu")},
    {FieldId::tabAINStateL, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název stavu LOW (nízká)"), 1},
    {FieldId::tabAINStateM, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název stavu MEDIUM (normální)")},
    {FieldId::tabAINStateH, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název stavu HIGH (vysoká)"), 1},
    {FieldId::tabAINCL1Level, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Hodnota úrovně CL1")},
    {FieldId::tabAINHCL1Level, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Hodnota  hystereze CL1"), 1},
    {FieldId::tabAINCL1UpEvent, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Posílat SMS zprávu při přechodu přes CL1 nahoru")},
    {FieldId::tabAINCL1Up, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Text SMS zprávy při přechodu přes CL1 nahoru")},
    {FieldId::tabAINCL1DnEvent, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Posílat SMS zprávu při přechodu přes CL1 dolu"), 1},
    {FieldId::tabAINCL1Dn, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Text SMS zprávy při přechodu přes CL1 dolu"), 1},
    {FieldId::tabAINCL2Level, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Hodnota úrovně CL2")},
    {FieldId::tabAINHCL2Level, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Hodnota  hystereze CL2"), 1},
    {FieldId::tabAINCL2UpEvent, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Posílat SMS zprávu při přechodu přes CL2 nahoru")},
    {FieldId::tabAINCL2Up, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Text SMS zprávy při přechodu přes CL2 nahoru")},
    {FieldId::tabAINCL2DnEvent, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Posílat SMS zprávu při přechodu přes CL2 dolu"), 1},
    {FieldId::tabAINCL2Dn, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Text SMS zprávy při přechodu přes CL2 dolu"), 1},
    {FieldId::tabAINNeg, K::Check, ""},
    {FieldId::tabAINPrc, K::Check, QT_TRANSLATE_NOOP("GridBuilder", "Po hodnotě uvádět hodnotu")},
    {FieldId::tabAINZpr, K::Check, QT_TRANSLATE_NOOP("GridBuilder", "Po hodnotě uvádět jméno stavu")},
    {std::nullopt, K::Button, ""},
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
    {QT_TRANSLATE_NOOP("GridBuilder", "Negace"), 0, FieldId::tabAINNeg, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Uvádět\nhodnotu"), 0, FieldId::tabAINPrc, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Uvádět\nstav"), 0, FieldId::tabAINZpr, 1},
};

const GridColumn kPhoneColumns[] = {
    {FieldId::tabTC, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Telefonní číslo")},
    {FieldId::tabTCPrijem, K::Check, QT_TRANSLATE_NOOP("GridBuilder", "Přijímat příkazy z tohoto tel. čísla")},
    {FieldId::tabTCUdalost, K::Check,
     QT_TRANSLATE_NOOP("GridBuilder", "Odesílat zprávy o událostech na toto tel. číslo")},
    {std::nullopt, K::Button, ""},
};
const GridHeading kPhoneHeadings[] = {
    {QT_TRANSLATE_NOOP("GridBuilder", "Telefonní číslo"), 0, FieldId::tabTC, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Příjem příkazů"), 0, FieldId::tabTCPrijem, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Odesílání zpráv o událostech"), 0, FieldId::tabTCUdalost, 1},
};

const GridColumn kCounterColumns[] = {
    {FieldId::tabCITNazev, K::Text, QT_TRANSLATE_NOOP("GridBuilder", "Název čítače")},
    {FieldId::tabCITZpr, K::Check, QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě informace o tonto čítači")},
};
const GridHeading kCounterHeadings[] = {
    {QT_TRANSLATE_NOOP("GridBuilder", "Název čítače"), 0, FieldId::tabCITNazev, 1},
    {QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě"), 0, FieldId::tabCITZpr, 1},
};

QLabel* heading(const char* text)
{
    auto* l = new QLabel(gridText(text));
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
    for (const GridHeading& h : table.headings)
        headingLines = std::max(headingLines, h.line + 1);
    for (const GridHeading& h : table.headings) {
        const GridColumn* under = columnOf(table, h.from);
        Q_ASSERT(under); // a heading over a column its grid lacks: a mistake in the tables above
        if (under)
            layout->addWidget(heading(h.text), h.line, layoutColumn(table, *under), 1, h.span);
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
                             kInputColumns,
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
                             kOutputColumns,
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
                     kAnalogColumns,
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
                             kPhoneColumns,
                             kPhoneHeadings,
                             "tabTCZmenit",
                             QT_TRANSLATE_NOOP("GridBuilder", "Změnit"),
                             "",
                             1};
    return s;
}

const GridTable& counterGrid()
{
    static const GridTable s{
        "tabCITJmeno", RowSet::Counters, 0, kCounterCount, kCounterColumns, kCounterHeadings, "", "", "", 1};
    return s;
}

} // namespace torval
