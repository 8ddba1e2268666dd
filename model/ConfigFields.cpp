#include "model/ConfigFields.h"

#include <cstring>

namespace torval {

namespace {

#define T1(n, len, tab) \
    FieldDef{#n, FieldKind::Text, 1, len, tab, [](DeviceConfig& c, int) -> QString* { return &c.n; }, nullptr, nullptr}
#define TN(n, cnt, len, tab) \
    FieldDef{#n, FieldKind::Text, cnt, len, tab, [](DeviceConfig& c, int i) -> QString* { return &c.n[std::size_t(i)]; }, nullptr, nullptr}
#define F1(n, tab) \
    FieldDef{#n, FieldKind::Flag, 1, 0, tab, nullptr, [](DeviceConfig& c, int) -> bool* { return &c.n; }, nullptr}
#define FN(n, cnt, tab) \
    FieldDef{#n, FieldKind::Flag, cnt, 0, tab, nullptr, [](DeviceConfig& c, int i) -> bool* { return &c.n[std::size_t(i)]; }, nullptr}
#define B1(n, tab) \
    FieldDef{#n, FieldKind::Byte, 1, 0, tab, nullptr, nullptr, [](DeviceConfig& c, int) -> std::uint8_t* { return &c.n; }}
#define BN(n, cnt, tab) \
    FieldDef{#n, FieldKind::Byte, cnt, 0, tab, nullptr, nullptr, [](DeviceConfig& c, int i) -> std::uint8_t* { return &c.n[std::size_t(i)]; }}

// In the order of the window's tabs, so listings and diffs read like the window.
const FieldDef kFields[] = {
    // Tab 0 "Všeobecné"
    F1(opEnablePS1, 0), T1(eePSOnH, 5, 0), T1(eePSOnM, 5, 0), T1(eePSOffH, 5, 0), T1(eePSOffM, 5, 0),
    F1(opPSOutOff, 0), F1(opSuperPS, 0), T1(tabJmenoStanice, 100, 0), T1(tabPIN, 8, 0), T1(tabTCcentra, 0, 0),
    // Tab 1 "SMS zprávy"
    F1(opPINAuth, 1), F1(tabOdpovidatT0, 1), F1(tabPrepnoutNepovolPristup, 1), F1(opNotAuthorized, 1),
    T1(rtNotAuthorized, 100, 1), T1(tabDobaPlatnostiSMS, 2, 1), F1(opBatt, 1), T1(rtBattLow, 100, 1),
    F1(opPowerReport, 1), T1(rtPowerUp, 100, 1), T1(rtPowerDown, 100, 1), F1(opSwitchReport, 1),
    T1(rtSwitchOn, 100, 1), T1(rtSwitchOff, 100, 1),
    // Tab 2 "Dig. vstupy"
    TN(tabINPNazev, 8, 100, 2), TN(tabINPVyp, 8, 100, 2), TN(tabINPZap, 8, 100, 2), FN(tabINPLHEvent, 8, 2),
    TN(tabINPLH, 8, 100, 2), FN(tabINPHLEvent, 8, 2), TN(tabINPHL, 8, 100, 2), FN(tabINPNeg, 8, 2),
    FN(tabINPZpr, 8, 2), FN(eeMaskDInLHAlarm, 8, 2), FN(eeMaskDInHLAlarm, 8, 2),
    // Tab 3 "Dig. výstupy"
    TN(tabOUTNazev, 8, 100, 3), TN(tabOUTVyp, 8, 100, 3), TN(tabOUTZap, 8, 100, 3), FN(tabOUTNeg, 8, 3),
    TN(tabOUTimpuls, 8, 100, 3), TN(tabOUTimpulsLEN, 8, 5, 3), FN(tabOUTZpr, 8, 3), B1(eeMaskDOutFnc, 3),
    // Tabs 4 and 5 "Analog. vstupy"
    TN(tabAINNazev, 8, 100, 4), TN(tabAINStateL, 8, 100, 4), TN(tabAINStateM, 8, 100, 4), TN(tabAINStateH, 8, 100, 4),
    TN(tabAINCL1Level, 8, 4, 4), TN(tabAINHCL1Level, 8, 4, 4), FN(tabAINCL1UpEvent, 8, 4), TN(tabAINCL1Up, 8, 100, 4),
    FN(tabAINCL1DnEvent, 8, 4), TN(tabAINCL1Dn, 8, 100, 4), TN(tabAINCL2Level, 8, 4, 4), TN(tabAINHCL2Level, 8, 4, 4),
    FN(tabAINCL2UpEvent, 8, 4), TN(tabAINCL2Up, 8, 100, 4), FN(tabAINCL2DnEvent, 8, 4), TN(tabAINCL2Dn, 8, 100, 4),
    FN(tabAINNeg, 8, 4), FN(tabAINPrc, 8, 4), FN(tabAINZpr, 8, 4), BN(eeMaskAInAlarm, 8, 4),
    // Tab 6 "Tel. čísla"
    TN(tabTC, 8, 50, 6), FN(tabTCPrijem, 8, 6), FN(tabTCUdalost, 8, 6),
    // Tab 7 "Čítače"
    TN(tabCITNazev, 2, 100, 7), FN(tabCITZpr, 2, 7), F1(opSuppZero, 7),
};

#undef T1
#undef TN
#undef F1
#undef FN
#undef B1
#undef BN

} // namespace

QString FieldDef::label(int index) const
{
    if (count == 1)
        return {};
    const std::string_view n(name);
    if (n.starts_with("tabTC"))
        return phoneLabel(index);
    if (n.starts_with("tabINP") || n.starts_with("eeMaskDIn"))
        return inputLabel(index);
    if (n.starts_with("tabOUT"))
        return outputLabel(index);
    if (n.starts_with("tabAIN") || n.starts_with("eeMaskAIn"))
        return analogLabel(index);
    if (n.starts_with("tabCIT"))
        return counterLabel(index);
    return QString::number(index + 1);
}

int FieldDef::tabFor(int index) const
{
    return (tab == 4 && index >= 4) ? 5 : tab;
}

std::span<const FieldDef> configFields()
{
    return kFields;
}

const FieldDef* findField(std::string_view name)
{
    for (const auto& f : kFields)
        if (name == f.name)
            return &f;
    return nullptr;
}

const QString& textOf(const DeviceConfig& c, const FieldDef& f, int index)
{
    return *f.text(const_cast<DeviceConfig&>(c), index);
}

bool flagOf(const DeviceConfig& c, const FieldDef& f, int index)
{
    return *f.flag(const_cast<DeviceConfig&>(c), index);
}

std::uint8_t byteOf(const DeviceConfig& c, const FieldDef& f, int index)
{
    return *f.byte(const_cast<DeviceConfig&>(c), index);
}

QString valueText(const DeviceConfig& c, const FieldDef& f, int index)
{
    switch (f.kind) {
    case FieldKind::Text:
        return textOf(c, f, index);
    case FieldKind::Flag:
        return flagOf(c, f, index) ? QStringLiteral("1") : QStringLiteral("0");
    case FieldKind::Byte:
        return QString::number(byteOf(c, f, index));
    }
    return {};
}

const QStringList& tabCaptions()
{
    static const QStringList captions = {
        QStringLiteral("Všeobecné"), QStringLiteral("SMS zprávy"), QStringLiteral("Dig. vstupy"),
        QStringLiteral("Dig. výstupy"), QStringLiteral("Analog. vstupy 1-4"), QStringLiteral("Analog. vstupy 5-8"),
        QStringLiteral("Tel. čísla"), QStringLiteral("Čítače"),
    };
    return captions;
}

} // namespace torval
