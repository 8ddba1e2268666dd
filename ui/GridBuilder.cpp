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
    {FieldId::tabINPNazev, K::Text, "Název digitálního vstupu", 0, 1},
    {FieldId::tabINPVyp, K::Text, "Název stavu 'VYPNUTO' pro tento digitální vstup", 0, 2},
    {FieldId::tabINPZap, K::Text, "Název stavu 'ZAPNUTO' pro tento digitální vstup", 0, 3},
    {FieldId::tabINPLHEvent, K::Check, "Posílat hlášení při přechodu 'Vypnuto->Zapnuto' pro tento digitální vstup", 0, 4},
    {FieldId::tabINPLH, K::Text, "Název přechodu 'Vypnuto->Zapnuto' pro tento digitální vstup", 0, 5},
    {FieldId::tabINPHLEvent, K::Check, "Posílat hlášení při přechodu 'Zapnuto->Vypnuto' pro tento digitální vstup", 0, 6},
    {FieldId::tabINPHL, K::Text, "Název přechodu 'Zapnuto->Vypnuto' pro tento digitální vstup", 0, 7},
    {FieldId::tabINPNeg, K::Check, "Negace stavů Zapnuto<->Vypnuto", 0, 8},
    {FieldId::tabINPZpr, K::Check, "Uvádět ve zprávě informace o tonto digitálním vstupu", 0, 9},
    {std::nullopt, K::Button, "", 0, 10},
};
const GridHeading kInputHeadings[] = {
    {"Název", 0, 1, 1},
    {"Stav 0 'Vypnuto'", 0, 2, 1},
    {"Stav 1 'Zapnuto'", 0, 3, 1},
    {"SMS zprávy při přechodu (zda zasílat + text zprávy)", 0, 4, 4},
    {"0->1", 1, 4, 2},
    {"1->0", 1, 6, 2},
    {"Negace", 0, 8, 1},
    {"Uvádět ve zprávě", 0, 9, 1},
};

const GridColumn kOutputColumns[] = {
    {FieldId::tabOUTNazev, K::Text, "Název digitálního výstupu", 0, 1},
    {FieldId::tabOUTVyp, K::Text, "Název stavu 'VYPNUTO' pro tento digitální výstup", 0, 2},
    {FieldId::tabOUTZap, K::Text, "Název stavu 'ZAPNUTO' pro tento digitální výstup", 0, 3},
    {FieldId::tabOUTNeg, K::Check, "Negace stavů Zapnuto<->Vypnuto", 0, 4},
    {FieldId::tabOUTimpuls, K::Text, "", 0, 5},
    {FieldId::tabOUTimpulsLEN, K::Text, "doba trvání impulsu (0-255) x 0,1 sekund (např. 125=12,5 sekund)", 0, 6},
    {FieldId::tabOUTZpr, K::Check, "Uvádět ve zprávě informace o tonto digitálním výstupu", 0, 7},
    {std::nullopt, K::Button, "", 0, 8},
};
const GridHeading kOutputHeadings[] = {
    {"Název", 0, 1, 1},
    {"Stav 0 'Vypnuto'", 0, 2, 1},
    {"Stav 1 'Zapnuto'", 0, 3, 1},
    {"Negace", 0, 4, 1},
    {"Impuls, Název + délka (v sekundách)", 0, 5, 2},
    {"Uvádět ve zprávě", 0, 7, 1},
};

const GridColumn kAnalogColumns[] = {
    {FieldId::tabAINNazev, K::Text, "Název analogového vstupu", 0, 1},
    {FieldId::tabAINStateL, K::Text, "Název stavu LOW (nízká)", 1, 1},
    {FieldId::tabAINStateM, K::Text, "Název stavu MEDIUM (normální)", 0, 2},
    {FieldId::tabAINStateH, K::Text, "Název stavu HIGH (vysoká)", 1, 2},
    {FieldId::tabAINCL1Level, K::Text, "Hodnota úrovně CL1", 0, 3},
    {FieldId::tabAINHCL1Level, K::Text, "Hodnota  hystereze CL1", 1, 3},
    {FieldId::tabAINCL1UpEvent, K::Check, "Posílat SMS zprávu při přechodu přes CL1 nahoru", 0, 4},
    {FieldId::tabAINCL1Up, K::Text, "Text SMS zprávy při přechodu přes CL1 nahoru", 0, 5},
    {FieldId::tabAINCL1DnEvent, K::Check, "Posílat SMS zprávu při přechodu přes CL1 dolu", 1, 4},
    {FieldId::tabAINCL1Dn, K::Text, "Text SMS zprávy při přechodu přes CL1 dolu", 1, 5},
    {FieldId::tabAINCL2Level, K::Text, "Hodnota úrovně CL2", 0, 6},
    {FieldId::tabAINHCL2Level, K::Text, "Hodnota  hystereze CL2", 1, 6},
    {FieldId::tabAINCL2UpEvent, K::Check, "Posílat SMS zprávu při přechodu přes CL2 nahoru", 0, 7},
    {FieldId::tabAINCL2Up, K::Text, "Text SMS zprávy při přechodu přes CL2 nahoru", 0, 8},
    {FieldId::tabAINCL2DnEvent, K::Check, "Posílat SMS zprávu při přechodu přes CL2 dolu", 1, 7},
    {FieldId::tabAINCL2Dn, K::Text, "Text SMS zprávy při přechodu přes CL2 dolu", 1, 8},
    {FieldId::tabAINNeg, K::Check, "", 0, 9},
    {FieldId::tabAINPrc, K::Check, "Po hodnotě uvádět hodnotu", 0, 10},
    {FieldId::tabAINZpr, K::Check, "Po hodnotě uvádět jméno stavu", 0, 11},
    {std::nullopt, K::Button, "", 0, 12},
};
const GridHeading kAnalogHeadings[] = {
    {"Název\nStav LOW", 0, 1, 1},
    {"Stav MEDIUM\nStav HIGH", 0, 2, 1},
    {"CL1", 0, 3, 3},
    {"úroveň\nhyster.", 1, 3, 1},
    {"přechod up\npřechod down", 1, 4, 2},
    {"CL2", 0, 6, 3},
    {"úroveň\nhyster.", 1, 6, 1},
    {"přechod up\npřechod down", 1, 7, 2},
    {"Negace", 0, 9, 1},
    {"Uvádět\nhodnotu", 0, 10, 1},
    {"Uvádět\nstav", 0, 11, 1},
};

const GridColumn kPhoneColumns[] = {
    {FieldId::tabTC, K::Text, "Telefonní číslo", 0, 1},
    {FieldId::tabTCPrijem, K::Check, "Přijímat příkazy z tohoto tel. čísla", 0, 2},
    {FieldId::tabTCUdalost, K::Check, "Odesílat zprávy o událostech na toto tel. číslo", 0, 3},
    {std::nullopt, K::Button, "", 0, 4},
};
const GridHeading kPhoneHeadings[] = {
    {"Telefonní číslo", 0, 1, 1},
    {"Příjem příkazů", 0, 2, 1},
    {"Odesílání zpráv o událostech", 0, 3, 1},
};

const GridColumn kCounterColumns[] = {
    {FieldId::tabCITNazev, K::Text, "Název čítače", 0, 1},
    {FieldId::tabCITZpr, K::Check, "Uvádět ve zprávě informace o tonto čítači", 0, 2},
};
const GridHeading kCounterHeadings[] = {
    {"Název čítače", 0, 1, 1},
    {"Uvádět ve zprávě", 0, 2, 1},
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
    for (const GridHeading& h : table.headings)
        layout->addWidget(heading(h.text), h.line, h.column, 1, h.span);

    for (const GridColumn& c : table.columns) {
        if (c.kind == ColumnKind::Text)
            layout->setColumnStretch(c.column, 1);
    }

    for (int r = 0; r < table.rowCount; ++r) {
        const int index = table.firstRow + r;
        const int top = headingLines + r * table.linesPerRow;
        auto* label = new QLabel(table.rowLabel(index));
        label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(table.rowLabelName), QString::number(index)));
        label->setStyleSheet(QStringLiteral("font-weight: bold;"));
        layout->addWidget(label, top, 0, table.linesPerRow, 1);
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
            case ColumnKind::Check:
                w = new QCheckBox;
                break;
            case ColumnKind::Button:
                w = new QPushButton(gridText(table.buttonCaption));
                break;
            }
            if (c.tooltip && *c.tooltip)
                w->setToolTip(gridText(c.tooltip));
            const int row = top + c.line;
            if (c.kind == ColumnKind::Check)
                layout->addWidget(w, row, c.column, Qt::AlignCenter);
            else
                layout->addWidget(w, row, c.column);
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
    static const GridTable s{"tabINPjmeno", &inputLabel, 0, kInputCount, kInputColumns, kInputHeadings,
                            "tabINPbt", "Možnosti", "", 1};
    return s;
}

const GridTable& outputGrid()
{
    static const GridTable s{"tabOUTjmeno", &outputLabel, 0, kOutputCount, kOutputColumns, kOutputHeadings,
                            "tabOUTbt", "Možnosti", "", 1};
    return s;
}

GridTable analogGrid(int firstRow)
{
    return GridTable{"tabAINJmeno", &analogLabel, firstRow, 4, kAnalogColumns, kAnalogHeadings, "tabAINbt",
                    "Možnosti", "Zobrazit formulář pro změnu hodnot tohoto analogového vstupu", 2};
}

const GridTable& phoneGrid()
{
    static const GridTable s{"tabTCjmeno", &phoneLabel, 0, kPhoneCount, kPhoneColumns, kPhoneHeadings,
                            "tabTCZmenit", "Změnit", "", 1};
    return s;
}

const GridTable& counterGrid()
{
    static const GridTable s{"tabCITJmeno", &counterLabel, 0, kCounterCount, kCounterColumns, kCounterHeadings,
                            "", "", "", 1};
    return s;
}

} // namespace torval
