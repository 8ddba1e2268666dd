#pragma once
// Every setting of one station, named after the control that edits it.
// Numbers are held as the texts the technician typed; they become bytes only
// when the image is encoded, with the analog scales of that moment.

#include <QString>
#include <array>
#include <cstdint>

namespace torval {

inline constexpr int kPhoneCount = 8;
inline constexpr int kInputCount = 8;
inline constexpr int kOutputCount = 8;
inline constexpr int kAnalogCount = 8;
inline constexpr int kCounterCount = 2;
inline constexpr int kBatteryInput = 7; // analog input 8 measures the station's battery

// Range of one analog input as the technician sees it. Not stored in the
// station: levels are converted with the scale the editor holds at that moment.
struct AnalogScale {
    double min = 0.0;
    double max = 100.0;
    int decimals = 1;
    QString unit = QStringLiteral("%");
    bool operator==(const AnalogScale&) const = default;
};

using Texts8 = std::array<QString, 8>;
using Flags8 = std::array<bool, 8>;

struct DeviceConfig {
    // General settings.
    QString tabJmenoStanice;
    QString tabPIN;
    QString tabTCcentra;
    QString tabDobaPlatnostiSMS = QStringLiteral("3");
    bool opPINAuth = false;
    bool tabOdpovidatT0 = false;
    bool opNotAuthorized = true;
    QString rtNotAuthorized;
    bool tabPrepnoutNepovolPristup = false;
    bool opSwitchReport = false;
    QString rtSwitchOn;
    QString rtSwitchOff;
    bool opPowerReport = false;
    QString rtPowerUp;
    QString rtPowerDown;
    bool opBatt = false;
    QString rtBattLow; // always equal to tabAINCL1Dn[kBatteryInput]
    bool opSuppZero = false;
    bool opEnablePS1 = false; // false: opEnablePS0 (power saving off) is selected
    QString eePSOnH = QStringLiteral("1");
    QString eePSOnM = QStringLiteral("0");
    QString eePSOffH = QStringLiteral("1");
    QString eePSOffM = QStringLiteral("0");
    bool opSuperPS = false;
    bool opPSOutOff = false;
    std::uint8_t eeMaskDOutFnc = 0;

    // Telephone numbers T1..T8.
    Texts8 tabTC;
    Flags8 tabTCPrijem{};
    Flags8 tabTCUdalost{};

    // Digital inputs I1..I8.
    Texts8 tabINPNazev;
    Texts8 tabINPZap;
    Texts8 tabINPVyp;
    Texts8 tabINPLH;
    Texts8 tabINPHL;
    Flags8 tabINPZpr{};
    Flags8 tabINPLHEvent{};
    Flags8 tabINPHLEvent{};
    Flags8 tabINPNeg{};
    Flags8 eeMaskDInLHAlarm{};
    Flags8 eeMaskDInHLAlarm{};

    // Digital outputs O1..O8 (the window shows O1..O4; all eight are stored).
    Texts8 tabOUTNazev;
    Texts8 tabOUTZap;
    Texts8 tabOUTVyp;
    Texts8 tabOUTimpuls;
    Texts8 tabOUTimpulsLEN{QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"),
                           QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2")};
    Flags8 tabOUTZpr{};
    Flags8 tabOUTNeg{};

    // Analog inputs A1..A7 and BAT.
    Texts8 tabAINNazev;
    Texts8 tabAINStateL;
    Texts8 tabAINStateM;
    Texts8 tabAINStateH;
    Texts8 tabAINCL1Dn;
    Texts8 tabAINCL1Up;
    Texts8 tabAINCL2Dn;
    Texts8 tabAINCL2Up;
    Texts8 tabAINCL1Level; // defaults: the scale's min, set by the constructor
    Texts8 tabAINCL2Level; // defaults: the scale's max
    Texts8 tabAINHCL1Level{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    Texts8 tabAINHCL2Level{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    Flags8 tabAINZpr{};
    Flags8 tabAINPrc{};
    Flags8 tabAINNeg{};
    Flags8 tabAINCL1DnEvent{};
    Flags8 tabAINCL1UpEvent{};
    Flags8 tabAINCL2DnEvent{};
    Flags8 tabAINCL2UpEvent{};
    std::array<std::uint8_t, 8> eeMaskAInAlarm{}; // bit 0 CL1 up, 1 CL1 down, 2 CL2 up, 3 CL2 down; 4..7 kept

    // The scales of the eight analog inputs (the settings' `AnalogScale`).
    std::array<AnalogScale, 8> analogScale = defaultAnalogScales();

    // Counters C1, C2.
    std::array<QString, 2> tabCITNazev;
    std::array<bool, 2> tabCITZpr{};

    DeviceConfig();
    bool operator==(const DeviceConfig&) const = default;

    static std::array<AnalogScale, 8> defaultAnalogScales();
};

// Editor settings that the image does not hold (the UTO rule for telephone numbers).
struct EditorSettings {
    bool tabUTOEnable = true;
    QString tabUTO = QStringLiteral("+420");
    bool operator==(const EditorSettings&) const = default;
};

// Row labels shown to the technician: "T1", "I1", "O1", "A1".."A7", "BAT", "C1".
QString phoneLabel(int i);
QString inputLabel(int i);
QString outputLabel(int i);
QString analogLabel(int i);
QString counterLabel(int i);

} // namespace torval
