#pragma once
// One table that names every field of DeviceConfig the image holds: its name
// (the JSON key, the CSV column, the diff's field name), kind, number of items,
// typing limit, the main-window tab that shows it and where the image holds
// it; and beside it, how each is shown (kFieldViews: caption, grid column,
// report column). JSON, diff, provisioning, the image code, the window's grids
// and the report's tables go through these tables rather than by hand.
//
// Code names a field by its `FieldId` (`field(FieldId::tabINPNazev)`), which
// the table below generates, so a misspelt name does not compile. Names as
// text (JSON keys, CSV columns) go through `findField`, which may fail.

#include "model/DeviceConfig.h"
#include "model/ImageLayout.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The field table: TEXT(name, rows, typing limit (0 = none), tab, place),
// FLAG(name, rows, tab, place), BYTE(name, rows, tab, place). The name is the
// DeviceConfig member; the rows say how many items it has and how each is
// labelled (One: a single value; Inputs: "I1".."I8"), and must match the
// member's array size. The tab is the main-window tab (analog: 4, rows 4..7
// are on tab 5). The place says where the image holds it (model/ImageLayout.h):
// the encoder, the decoder, the size estimate and the quick read derive from
// it. In the order of the window's tabs, so listings and diffs read like the
// window.
// The table keeps its rows as the window reads them, not as the formatter would.
// clang-format off
#define TORVAL_FIELD_TABLE(TEXT, FLAG, BYTE)                                                                       \
    /* Tab 0 "Všeobecné" */                                                                                       \
    FLAG(opEnablePS1, One, 0, bit(129, 2))                                                                        \
    TEXT(eePSOnH, One, 5, 0, powerSaveHours(251)) TEXT(eePSOnM, One, 5, 0, powerSaveMinutes(251))                 \
    TEXT(eePSOffH, One, 5, 0, powerSaveHours(254)) TEXT(eePSOffM, One, 5, 0, powerSaveMinutes(254))               \
    FLAG(opPSOutOff, One, 0, bit(129, 8)) FLAG(opSuperPS, One, 0, bit(129, 4))                                    \
    TEXT(tabJmenoStanice, One, 100, 0, inList(38, 0)) TEXT(tabPIN, One, 8, 0, inList(38, 1))                      \
    TEXT(tabTCcentra, One, 0, 0, inList(38, 2))                                                                   \
    /* Tab 1 "SMS zprávy" */                                                                                      \
    FLAG(opPINAuth, One, 1, bit(129, 128)) FLAG(tabOdpovidatT0, One, 1, bit(128, 4))                              \
    FLAG(tabPrepnoutNepovolPristup, One, 1, bit(128, 2)) FLAG(opNotAuthorized, One, 1, bit(128, 1))               \
    TEXT(rtNotAuthorized, One, 100, 1, inList(38, 3)) TEXT(tabDobaPlatnostiSMS, One, 2, 1, validity(130))         \
    FLAG(opBatt, One, 1, bit(128, 32)) TEXT(rtBattLow, One, 100, 1, nowhere())                                    \
    FLAG(opPowerReport, One, 1, bit(128, 16)) TEXT(rtPowerUp, One, 100, 1, inList(38, 4))                         \
    TEXT(rtPowerDown, One, 100, 1, inList(38, 5)) FLAG(opSwitchReport, One, 1, bit(128, 8))                       \
    TEXT(rtSwitchOn, One, 100, 1, inList(38, 6)) TEXT(rtSwitchOff, One, 100, 1, inList(38, 7))                    \
    /* Tab 2 "Dig. vstupy" */                                                                                     \
    TEXT(tabINPNazev, Inputs, 100, 2, inList(0)) TEXT(tabINPVyp, Inputs, 100, 2, inList(4))                       \
    TEXT(tabINPZap, Inputs, 100, 2, inList(2)) FLAG(tabINPLHEvent, Inputs, 2, mask(135))                          \
    TEXT(tabINPLH, Inputs, 100, 2, inList(8)) FLAG(tabINPHLEvent, Inputs, 2, mask(137))                           \
    TEXT(tabINPHL, Inputs, 100, 2, inList(10)) FLAG(tabINPNeg, Inputs, 2, mask(139))                              \
    FLAG(tabINPZpr, Inputs, 2, mask(133)) FLAG(eeMaskDInLHAlarm, Inputs, 2, mask(240))                            \
    FLAG(eeMaskDInHLAlarm, Inputs, 2, mask(241))                                                                  \
    /* Tab 3 "Dig. výstupy" */                                                                                    \
    TEXT(tabOUTNazev, Outputs, 100, 3, inList(12)) TEXT(tabOUTVyp, Outputs, 100, 3, inList(16))                   \
    TEXT(tabOUTZap, Outputs, 100, 3, inList(14)) FLAG(tabOUTNeg, Outputs, 3, mask(142))                           \
    TEXT(tabOUTimpuls, Outputs, 100, 3, inList(18)) TEXT(tabOUTimpulsLEN, Outputs, 5, 3, pulse(183))              \
    FLAG(tabOUTZpr, Outputs, 3, mask(141)) BYTE(eeMaskDOutFnc, One, 3, bytes(242))                                \
    /* Tabs 4 and 5 "Analog. vstupy" */                                                                           \
    TEXT(tabAINNazev, Analogs, 100, 4, inList(20)) TEXT(tabAINStateL, Analogs, 100, 4, inList(22))                \
    TEXT(tabAINStateM, Analogs, 100, 4, inList(24)) TEXT(tabAINStateH, Analogs, 100, 4, inList(26))               \
    TEXT(tabAINCL1Level, Analogs, 4, 4, level(150)) TEXT(tabAINHCL1Level, Analogs, 4, 4, hyst(166))               \
    FLAG(tabAINCL1UpEvent, Analogs, 4, mask(147)) TEXT(tabAINCL1Up, Analogs, 100, 4, inList(30))                  \
    FLAG(tabAINCL1DnEvent, Analogs, 4, mask(146)) TEXT(tabAINCL1Dn, Analogs, 100, 4, inList(28))                  \
    TEXT(tabAINCL2Level, Analogs, 4, 4, level(158)) TEXT(tabAINHCL2Level, Analogs, 4, 4, hyst(174))               \
    FLAG(tabAINCL2UpEvent, Analogs, 4, mask(149)) TEXT(tabAINCL2Up, Analogs, 100, 4, inList(34))                  \
    FLAG(tabAINCL2DnEvent, Analogs, 4, mask(148)) TEXT(tabAINCL2Dn, Analogs, 100, 4, inList(32))                  \
    FLAG(tabAINNeg, Analogs, 4, mask(182)) FLAG(tabAINPrc, Analogs, 4, mask(145))                                 \
    FLAG(tabAINZpr, Analogs, 4, mask(144)) BYTE(eeMaskAInAlarm, Analogs, 4, bytes(243))                           \
    /* Tab 6 "Tel. čísla" */                                                                                      \
    TEXT(tabTC, Phones, 50, 6, inList(40)) FLAG(tabTCPrijem, Phones, 6, mask(131))                                \
    FLAG(tabTCUdalost, Phones, 6, mask(132))                                                                      \
    /* Tab 7 "Čítače" */                                                                                          \
    TEXT(tabCITNazev, Counters, 100, 7, inList(36)) FLAG(tabCITZpr, Counters, 7, mask(143))                       \
    FLAG(opSuppZero, One, 7, bit(128, 64))
// clang-format on

namespace torval {

// One identifier per row of the table, in its order.
enum class FieldId : std::uint8_t {
#define TORVAL_FIELD_ID_T(n, rows, len, tab, place) n,
#define TORVAL_FIELD_ID(n, rows, tab, place) n,
    TORVAL_FIELD_TABLE(TORVAL_FIELD_ID_T, TORVAL_FIELD_ID, TORVAL_FIELD_ID)
#undef TORVAL_FIELD_ID_T
#undef TORVAL_FIELD_ID
};

#define TORVAL_FIELD_ONE_T(n, rows, len, tab, place) +1
#define TORVAL_FIELD_ONE(n, rows, tab, place) +1
inline constexpr std::size_t kFieldCount = 0 TORVAL_FIELD_TABLE(TORVAL_FIELD_ONE_T, TORVAL_FIELD_ONE, TORVAL_FIELD_ONE);
#undef TORVAL_FIELD_ONE_T
#undef TORVAL_FIELD_ONE

// How the window and the report show a field, beside where the image holds
// it: its caption (the words of its label or grid heading), its grid column
// and its column in the report's table of its tab.
//
// A grid column sits on a line of the tab grid's row (analog rows have two:
// 0 upper, 1 lower) with its tooltip; its heading is the caption unless the
// grid groups it under a heading of its own (ui/GridBuilder.cpp). A report
// column has a width in twips (0: the rest of the line, the last column
// only) and a heading; a column without a heading is printed under the one
// before it, and the first heading also spans the row labels.
enum class CellAlign : std::uint8_t { ByKind, Left, Centre, Right }; // ByKind: texts left, flags centred
struct GridCell {
    int line = -1; // -1: not in a grid; kInRowDialog: a row field set in the row's dialog only
    const char* tooltip = "";
};
inline constexpr int kInRowDialog = -2;
struct ReportCell {
    int width = -1; // -1: not in the report's table
    const char* heading = nullptr;
    CellAlign align = CellAlign::ByKind;
};
struct FieldView {
    FieldId id;
    const char* caption;
    GridCell grid{};
    ReportCell report{};
};
constexpr GridCell column(const char* tooltip, int line = 0)
{
    return {line, tooltip};
}
constexpr GridCell rowDialog()
{
    return {kInRowDialog, ""};
}
constexpr ReportCell printed(int width, const char* heading = nullptr, CellAlign align = CellAlign::ByKind)
{
    return {width, heading, align};
}

// Every field once, in the order the window and the report show them (the
// inputs' alarm masks print beside their transitions). The captions are
// translated in the context "ConfigFields", the tooltips in "GridBuilder",
// the report's headings in "ReportSections".
// clang-format off
inline constexpr FieldView kFieldViews[] = {
    // Tab 0 "Všeobecné"
    {FieldId::opEnablePS1, QT_TRANSLATE_NOOP("ConfigFields", "Povolit šetřící režim")},
    {FieldId::eePSOnH, QT_TRANSLATE_NOOP("ConfigFields", "Doba zapnutého modemu (h)")},
    {FieldId::eePSOnM, QT_TRANSLATE_NOOP("ConfigFields", "Doba zapnutého modemu (m)")},
    {FieldId::eePSOffH, QT_TRANSLATE_NOOP("ConfigFields", "Doba vypnutého modemu (h)")},
    {FieldId::eePSOffM, QT_TRANSLATE_NOOP("ConfigFields", "Doba vypnutého modemu (m)")},
    {FieldId::opPSOutOff, QT_TRANSLATE_NOOP("ConfigFields", "Při vypnutém modemu vypnout výstupy")},
    {FieldId::opSuperPS, QT_TRANSLATE_NOOP("ConfigFields", "Super šetřící režim")},
    {FieldId::tabJmenoStanice, QT_TRANSLATE_NOOP("ConfigFields", "Název stanice")},
    {FieldId::tabPIN, QT_TRANSLATE_NOOP("ConfigFields", "PIN")},
    {FieldId::tabTCcentra, QT_TRANSLATE_NOOP("ConfigFields", "Telefonní číslo servisního centra")},
    // Tab 1 "SMS zprávy"
    {FieldId::opPINAuth, QT_TRANSLATE_NOOP("ConfigFields", "Autorizace pomocí zadání PINu v příkazové zprávě")},
    {FieldId::tabOdpovidatT0, QT_TRANSLATE_NOOP("ConfigFields", "Hlášení o stavu posílat i na telefonní číslo T1")},
    {FieldId::tabPrepnoutNepovolPristup,
     QT_TRANSLATE_NOOP("ConfigFields", "Hlášení o nepovoleném přístupu posílat i na tel. číslo T1")},
    {FieldId::opNotAuthorized, QT_TRANSLATE_NOOP("ConfigFields", "Posílat hlášení, že není povolen přístup")},
    {FieldId::rtNotAuthorized, QT_TRANSLATE_NOOP("ConfigFields", "Text hlášení o nepovolení přístupu")},
    {FieldId::tabDobaPlatnostiSMS, QT_TRANSLATE_NOOP("ConfigFields", "Doba platnosti SMS zprávy")},
    {FieldId::opBatt, QT_TRANSLATE_NOOP("ConfigFields", "Baterie: při poklesu napětí pod CL1 vypnout zařízení")},
    {FieldId::rtBattLow, QT_TRANSLATE_NOOP("ConfigFields", "Baterie: text hlášení při poklesu napětí")},
    {FieldId::opPowerReport, QT_TRANSLATE_NOOP("ConfigFields", "Síťové napájení: posílat hlášení o zapnutí/vypnutí")},
    {FieldId::rtPowerUp, QT_TRANSLATE_NOOP("ConfigFields", "Síťové napájení: text hlášení při zapnutí")},
    {FieldId::rtPowerDown, QT_TRANSLATE_NOOP("ConfigFields", "Síťové napájení: text hlášení při vypnutí")},
    {FieldId::opSwitchReport, QT_TRANSLATE_NOOP("ConfigFields", "Zařízení: posílat hlášení o zapnutí/vypnutí")},
    {FieldId::rtSwitchOn, QT_TRANSLATE_NOOP("ConfigFields", "Zařízení: text hlášení při zapnutí")},
    {FieldId::rtSwitchOff, QT_TRANSLATE_NOOP("ConfigFields", "Zařízení: text hlášení při vypnutí")},
    // Tab 2 "Dig. vstupy"
    {FieldId::tabINPNazev, QT_TRANSLATE_NOOP("ConfigFields", "Název"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název digitálního vstupu")),
     printed(1500, QT_TRANSLATE_NOOP("ReportSections", "Název"))},
    {FieldId::tabINPVyp, QT_TRANSLATE_NOOP("ConfigFields", "Stav 0 'Vypnuto'"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název stavu 'VYPNUTO' pro tento digitální vstup")),
     printed(800, QT_TRANSLATE_NOOP("ReportSections", "Stav 0"))},
    {FieldId::tabINPZap, QT_TRANSLATE_NOOP("ConfigFields", "Stav 1 'Zapnuto'"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název stavu 'ZAPNUTO' pro tento digitální vstup")),
     printed(800, QT_TRANSLATE_NOOP("ReportSections", "Stav 1"))},
    {FieldId::tabINPLHEvent, QT_TRANSLATE_NOOP("ConfigFields", "SMS při přechodu 0->1"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Posílat hlášení při přechodu 'Vypnuto->Zapnuto' pro tento digitální vstup")),
     printed(300, QT_TRANSLATE_NOOP("ReportSections", "0->1"))},
    {FieldId::tabINPLH, QT_TRANSLATE_NOOP("ConfigFields", "Text zprávy při přechodu 0->1"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název přechodu 'Vypnuto->Zapnuto' pro tento digitální vstup")),
     printed(2000)},
    {FieldId::eeMaskDInLHAlarm, QT_TRANSLATE_NOOP("ConfigFields", "Alarm při přechodu 0->1"), rowDialog(), printed(300)},
    {FieldId::tabINPHLEvent, QT_TRANSLATE_NOOP("ConfigFields", "SMS při přechodu 1->0"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Posílat hlášení při přechodu 'Zapnuto->Vypnuto' pro tento digitální vstup")),
     printed(300, QT_TRANSLATE_NOOP("ReportSections", "1->0"))},
    {FieldId::tabINPHL, QT_TRANSLATE_NOOP("ConfigFields", "Text zprávy při přechodu 1->0"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název přechodu 'Zapnuto->Vypnuto' pro tento digitální vstup")),
     printed(2000)},
    {FieldId::eeMaskDInHLAlarm, QT_TRANSLATE_NOOP("ConfigFields", "Alarm při přechodu 1->0"), rowDialog(), printed(300)},
    {FieldId::tabINPNeg, QT_TRANSLATE_NOOP("ConfigFields", "Negace"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Negace stavů Zapnuto<->Vypnuto")),
     printed(800, QT_TRANSLATE_NOOP("ReportSections", "Negace"))},
    {FieldId::tabINPZpr, QT_TRANSLATE_NOOP("ConfigFields", "Uvádět ve zprávě"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě informace o tonto digitálním vstupu")),
     printed(0, QT_TRANSLATE_NOOP("ReportSections", "Uvádět ve zprávě"))},
    // Tab 3 "Dig. výstupy"
    {FieldId::tabOUTNazev, QT_TRANSLATE_NOOP("ConfigFields", "Název"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název digitálního výstupu")),
     printed(1500, QT_TRANSLATE_NOOP("ReportSections", "Název"))},
    {FieldId::tabOUTVyp, QT_TRANSLATE_NOOP("ConfigFields", "Stav 0 'Vypnuto'"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název stavu 'VYPNUTO' pro tento digitální výstup")),
     printed(800, QT_TRANSLATE_NOOP("ReportSections", "Stav 0"))},
    {FieldId::tabOUTZap, QT_TRANSLATE_NOOP("ConfigFields", "Stav 1 'Zapnuto'"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název stavu 'ZAPNUTO' pro tento digitální výstup")),
     printed(800, QT_TRANSLATE_NOOP("ReportSections", "Stav 1"))},
    {FieldId::tabOUTNeg, QT_TRANSLATE_NOOP("ConfigFields", "Negace"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Negace stavů Zapnuto<->Vypnuto")),
     printed(800, QT_TRANSLATE_NOOP("ReportSections", "Negace"))},
    {FieldId::tabOUTimpuls, QT_TRANSLATE_NOOP("ConfigFields", "Impuls"), column(""),
     printed(1000, QT_TRANSLATE_NOOP("ReportSections", "Impuls"))},
    {FieldId::tabOUTimpulsLEN, QT_TRANSLATE_NOOP("ConfigFields", "Délka impulsu (s)"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "doba trvání impulsu (0-255) x 0,1 sekund (např. 125=12,5 sekund)")),
     printed(500, nullptr, CellAlign::Right)},
    {FieldId::tabOUTZpr, QT_TRANSLATE_NOOP("ConfigFields", "Uvádět ve zprávě"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě informace o tonto digitálním výstupu")),
     printed(0, QT_TRANSLATE_NOOP("ReportSections", "Uvádět ve zprávě"))},
    {FieldId::eeMaskDOutFnc, QT_TRANSLATE_NOOP("ConfigFields", "Funkce výstupů")},
    // Tabs 4 and 5 "Analog. vstupy"
    {FieldId::tabAINNazev, QT_TRANSLATE_NOOP("ConfigFields", "Název"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název analogového vstupu"))},
    {FieldId::tabAINStateL, QT_TRANSLATE_NOOP("ConfigFields", "Stav LOW"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název stavu LOW (nízká)"), 1)},
    {FieldId::tabAINStateM, QT_TRANSLATE_NOOP("ConfigFields", "Stav MEDIUM"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název stavu MEDIUM (normální)"))},
    {FieldId::tabAINStateH, QT_TRANSLATE_NOOP("ConfigFields", "Stav HIGH"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název stavu HIGH (vysoká)"), 1)},
    {FieldId::tabAINCL1Level, QT_TRANSLATE_NOOP("ConfigFields", "CL1 úroveň"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Hodnota úrovně CL1"))},
    {FieldId::tabAINHCL1Level, QT_TRANSLATE_NOOP("ConfigFields", "CL1 hystereze"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Hodnota  hystereze CL1"), 1)},
    {FieldId::tabAINCL1UpEvent, QT_TRANSLATE_NOOP("ConfigFields", "CL1 SMS při přechodu nahoru"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Posílat SMS zprávu při přechodu přes CL1 nahoru"))},
    {FieldId::tabAINCL1Up, QT_TRANSLATE_NOOP("ConfigFields", "CL1 text při přechodu nahoru"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Text SMS zprávy při přechodu přes CL1 nahoru"))},
    {FieldId::tabAINCL1DnEvent, QT_TRANSLATE_NOOP("ConfigFields", "CL1 SMS při přechodu dolů"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Posílat SMS zprávu při přechodu přes CL1 dolu"), 1)},
    {FieldId::tabAINCL1Dn, QT_TRANSLATE_NOOP("ConfigFields", "CL1 text při přechodu dolů"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Text SMS zprávy při přechodu přes CL1 dolu"), 1)},
    {FieldId::tabAINCL2Level, QT_TRANSLATE_NOOP("ConfigFields", "CL2 úroveň"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Hodnota úrovně CL2"))},
    {FieldId::tabAINHCL2Level, QT_TRANSLATE_NOOP("ConfigFields", "CL2 hystereze"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Hodnota  hystereze CL2"), 1)},
    {FieldId::tabAINCL2UpEvent, QT_TRANSLATE_NOOP("ConfigFields", "CL2 SMS při přechodu nahoru"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Posílat SMS zprávu při přechodu přes CL2 nahoru"))},
    {FieldId::tabAINCL2Up, QT_TRANSLATE_NOOP("ConfigFields", "CL2 text při přechodu nahoru"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Text SMS zprávy při přechodu přes CL2 nahoru"))},
    {FieldId::tabAINCL2DnEvent, QT_TRANSLATE_NOOP("ConfigFields", "CL2 SMS při přechodu dolů"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Posílat SMS zprávu při přechodu přes CL2 dolu"), 1)},
    {FieldId::tabAINCL2Dn, QT_TRANSLATE_NOOP("ConfigFields", "CL2 text při přechodu dolů"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Text SMS zprávy při přechodu přes CL2 dolu"), 1)},
    {FieldId::tabAINNeg, QT_TRANSLATE_NOOP("ConfigFields", "Negace"), column("")},
    {FieldId::tabAINPrc, QT_TRANSLATE_NOOP("ConfigFields", "Uvádět hodnotu"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Po hodnotě uvádět hodnotu"))},
    {FieldId::tabAINZpr, QT_TRANSLATE_NOOP("ConfigFields", "Uvádět stav"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Po hodnotě uvádět jméno stavu"))},
    {FieldId::eeMaskAInAlarm, QT_TRANSLATE_NOOP("ConfigFields", "Alarm"), rowDialog()},
    // Tab 6 "Tel. čísla"
    {FieldId::tabTC, QT_TRANSLATE_NOOP("ConfigFields", "Telefonní číslo"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Telefonní číslo")),
     printed(2000, QT_TRANSLATE_NOOP("ReportSections", "Telefonní číslo"))},
    {FieldId::tabTCPrijem, QT_TRANSLATE_NOOP("ConfigFields", "Příjem příkazů"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Přijímat příkazy z tohoto tel. čísla")),
     printed(2000, QT_TRANSLATE_NOOP("ReportSections", "Příjem příkazů"))},
    {FieldId::tabTCUdalost, QT_TRANSLATE_NOOP("ConfigFields", "Odesílání zpráv o událostech"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Odesílat zprávy o událostech na toto tel. číslo")),
     printed(0, QT_TRANSLATE_NOOP("ReportSections", "Odesílání zpráv"))},
    // Tab 7 "Čítače"
    {FieldId::tabCITNazev, QT_TRANSLATE_NOOP("ConfigFields", "Název čítače"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Název čítače")),
     printed(2000, QT_TRANSLATE_NOOP("ReportSections", "Název"))},
    {FieldId::tabCITZpr, QT_TRANSLATE_NOOP("ConfigFields", "Uvádět ve zprávě"),
     column(QT_TRANSLATE_NOOP("GridBuilder", "Uvádět ve zprávě informace o tonto čítači")),
     printed(0, QT_TRANSLATE_NOOP("ReportSections", "Uvádět ve zprávě"))},
    {FieldId::opSuppZero, QT_TRANSLATE_NOOP("ConfigFields", "Potlačení předních nul")},
};
// clang-format on

enum class FieldKind { Text, Flag, Byte };

// The rows a field has, each with its label: "T1", "I1", "O1", "A1".."A7",
// "BAT", "C1"; One is a single value without a label.
enum class RowSet : std::uint8_t { One, Phones, Inputs, Outputs, Analogs, Counters };
constexpr int rowCount(RowSet rows)
{
    switch (rows) {
    case RowSet::One: return 1;
    case RowSet::Phones: return kPhoneCount;
    case RowSet::Inputs: return kInputCount;
    case RowSet::Outputs: return kOutputCount;
    case RowSet::Analogs: return kAnalogCount;
    case RowSet::Counters: return kCounterCount;
    }
    return 0;
}
QString rowLabel(RowSet rows, int index);

struct FieldDef {
    FieldId id;
    const char* name;
    FieldKind kind;
    RowSet rows;
    int count;           // 1, 2 (counters) or 8: rowCount(rows)
    int maxLength;       // typing limit of a text; 0 = none
    int tab;             // main-window tab (analog: 4, rows 4..7 are on tab 5); -1 = dialog only
    layout::Place image; // where the image holds it
    QString* (*text)(DeviceConfig&, int);
    bool* (*flag)(DeviceConfig&, int);
    std::uint8_t* (*byte)(DeviceConfig&, int);

    QString label(int index) const; // "I3", "BAT", or "" for single fields
    // What the technician reads beside the field or above its grid column:
    // "Název stanice", "Název" (of an input row), "CL1 úroveň".
    QString caption() const;
    const FieldView& view() const;
    // The row and the caption together: "I3 Název", "Název stanice".
    QString place(int index) const;
    int tabFor(int index) const;
};

std::span<const FieldDef> configFields();
// The row of an identifier: always there.
const FieldDef& field(FieldId id);
// The row of a name read from outside (JSON key, CSV column): null when unknown.
const FieldDef* findField(std::string_view name);

// Const access through the table.
const QString& textOf(const DeviceConfig& c, const FieldDef& f, int index);
bool flagOf(const DeviceConfig& c, const FieldDef& f, int index);
std::uint8_t byteOf(const DeviceConfig& c, const FieldDef& f, int index);
// The field's value as text: texts as they are, flags "0"/"1", bytes in decimal.
QString valueText(const DeviceConfig& c, const FieldDef& f, int index);

// What entry `entry` of the text list whose pointer word is `pointer` holds:
// item `index` of `field`. The build checks that every entry has its field.
struct ListEntry {
    const FieldDef* field;
    int index;
};
ListEntry listEntry(int pointer, int entry);

// A report option and the texts it sends: the station sends the report only
// when there is a text, so a ticked option without text is stored as off, and
// the window enables the texts with the option.
struct ReportOption {
    FieldId option;
    int count;
    FieldId texts[2];
};
std::span<const ReportOption> reportOptions();

// Captions of the eight tabs of the main window.
const QStringList& tabCaptions();

} // namespace torval
