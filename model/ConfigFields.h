#pragma once
// One table that names every field of DeviceConfig the image holds: its name
// (the JSON key, the CSV column, the diff's field name), kind, number of items,
// typing limit and the main-window tab that shows it. JSON, diff, provisioning
// and the window bind to fields through this table rather than by hand.
//
// Code names a field by its `FieldId` (`field(FieldId::tabINPNazev)`), which
// the table below generates, so a misspelt name does not compile. Names as
// text (JSON keys, CSV columns) go through `findField`, which may fail.

#include "model/DeviceConfig.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The field table: TEXT(name, count, typing limit (0 = none), tab),
// FLAG(name, count, tab), BYTE(name, count, tab). The name is the DeviceConfig
// member; a count above 1 means an array of that size. The tab is the
// main-window tab (analog: 4, rows 4..7 are on tab 5). In the order of the
// window's tabs, so listings and diffs read like the window.
#define TORVAL_FIELD_TABLE(TEXT, FLAG, BYTE)                                                                       \
    /* Tab 0 "Všeobecné" */                                                                                       \
    FLAG(opEnablePS1, 1, 0) TEXT(eePSOnH, 1, 5, 0) TEXT(eePSOnM, 1, 5, 0) TEXT(eePSOffH, 1, 5, 0)                 \
    TEXT(eePSOffM, 1, 5, 0) FLAG(opPSOutOff, 1, 0) FLAG(opSuperPS, 1, 0) TEXT(tabJmenoStanice, 1, 100, 0)         \
    TEXT(tabPIN, 1, 8, 0) TEXT(tabTCcentra, 1, 0, 0)                                                              \
    /* Tab 1 "SMS zprávy" */                                                                                      \
    FLAG(opPINAuth, 1, 1) FLAG(tabOdpovidatT0, 1, 1) FLAG(tabPrepnoutNepovolPristup, 1, 1)                        \
    FLAG(opNotAuthorized, 1, 1) TEXT(rtNotAuthorized, 1, 100, 1) TEXT(tabDobaPlatnostiSMS, 1, 2, 1)               \
    FLAG(opBatt, 1, 1) TEXT(rtBattLow, 1, 100, 1) FLAG(opPowerReport, 1, 1) TEXT(rtPowerUp, 1, 100, 1)            \
    TEXT(rtPowerDown, 1, 100, 1) FLAG(opSwitchReport, 1, 1) TEXT(rtSwitchOn, 1, 100, 1)                           \
    TEXT(rtSwitchOff, 1, 100, 1)                                                                                  \
    /* Tab 2 "Dig. vstupy" */                                                                                     \
    TEXT(tabINPNazev, 8, 100, 2) TEXT(tabINPVyp, 8, 100, 2) TEXT(tabINPZap, 8, 100, 2) FLAG(tabINPLHEvent, 8, 2)  \
    TEXT(tabINPLH, 8, 100, 2) FLAG(tabINPHLEvent, 8, 2) TEXT(tabINPHL, 8, 100, 2) FLAG(tabINPNeg, 8, 2)           \
    FLAG(tabINPZpr, 8, 2) FLAG(eeMaskDInLHAlarm, 8, 2) FLAG(eeMaskDInHLAlarm, 8, 2)                               \
    /* Tab 3 "Dig. výstupy" */                                                                                    \
    TEXT(tabOUTNazev, 8, 100, 3) TEXT(tabOUTVyp, 8, 100, 3) TEXT(tabOUTZap, 8, 100, 3) FLAG(tabOUTNeg, 8, 3)      \
    TEXT(tabOUTimpuls, 8, 100, 3) TEXT(tabOUTimpulsLEN, 8, 5, 3) FLAG(tabOUTZpr, 8, 3) BYTE(eeMaskDOutFnc, 1, 3)  \
    /* Tabs 4 and 5 "Analog. vstupy" */                                                                           \
    TEXT(tabAINNazev, 8, 100, 4) TEXT(tabAINStateL, 8, 100, 4) TEXT(tabAINStateM, 8, 100, 4)                      \
    TEXT(tabAINStateH, 8, 100, 4) TEXT(tabAINCL1Level, 8, 4, 4) TEXT(tabAINHCL1Level, 8, 4, 4)                    \
    FLAG(tabAINCL1UpEvent, 8, 4) TEXT(tabAINCL1Up, 8, 100, 4) FLAG(tabAINCL1DnEvent, 8, 4)                        \
    TEXT(tabAINCL1Dn, 8, 100, 4) TEXT(tabAINCL2Level, 8, 4, 4) TEXT(tabAINHCL2Level, 8, 4, 4)                     \
    FLAG(tabAINCL2UpEvent, 8, 4) TEXT(tabAINCL2Up, 8, 100, 4) FLAG(tabAINCL2DnEvent, 8, 4)                        \
    TEXT(tabAINCL2Dn, 8, 100, 4) FLAG(tabAINNeg, 8, 4) FLAG(tabAINPrc, 8, 4) FLAG(tabAINZpr, 8, 4)                \
    BYTE(eeMaskAInAlarm, 8, 4)                                                                                    \
    /* Tab 6 "Tel. čísla" */                                                                                      \
    TEXT(tabTC, 8, 50, 6) FLAG(tabTCPrijem, 8, 6) FLAG(tabTCUdalost, 8, 6)                                        \
    /* Tab 7 "Čítače" */                                                                                          \
    TEXT(tabCITNazev, 2, 100, 7) FLAG(tabCITZpr, 2, 7) FLAG(opSuppZero, 1, 7)

namespace torval {

// One identifier per row of the table, in its order.
enum class FieldId : std::uint8_t {
#define TORVAL_FIELD_ID_T(n, count, len, tab) n,
#define TORVAL_FIELD_ID(n, count, tab) n,
    TORVAL_FIELD_TABLE(TORVAL_FIELD_ID_T, TORVAL_FIELD_ID, TORVAL_FIELD_ID)
#undef TORVAL_FIELD_ID_T
#undef TORVAL_FIELD_ID
};

#define TORVAL_FIELD_ONE_T(n, count, len, tab) +1
#define TORVAL_FIELD_ONE(n, count, tab) +1
inline constexpr std::size_t kFieldCount = 0 TORVAL_FIELD_TABLE(TORVAL_FIELD_ONE_T, TORVAL_FIELD_ONE, TORVAL_FIELD_ONE);
#undef TORVAL_FIELD_ONE_T
#undef TORVAL_FIELD_ONE

enum class FieldKind { Text, Flag, Byte };

struct FieldDef {
    FieldId id;
    const char* name;
    FieldKind kind;
    int count;     // 1, 2 (counters) or 8
    int maxLength; // typing limit of a text; 0 = none
    int tab;       // main-window tab (analog: 4, rows 4..7 are on tab 5); -1 = dialog only
    QString* (*text)(DeviceConfig&, int);
    bool* (*flag)(DeviceConfig&, int);
    std::uint8_t* (*byte)(DeviceConfig&, int);

    QString label(int index) const; // "I3", "BAT", or "" for single fields
    // What the technician reads beside the field or above its grid column:
    // "Název stanice", "Název" (of an input row), "CL1 úroveň".
    QString caption() const;
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

// Captions of the eight tabs of the main window.
const QStringList& tabCaptions();

} // namespace torval
