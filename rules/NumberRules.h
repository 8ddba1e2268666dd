#pragma once
// Number fields are not rejected for being out of range; leaving them rewrites
// them into what the station can store. Rewritten numbers use the decimal
// comma; both "," and "." are read.

#include "model/DeviceConfig.h"
#include "rules/RuleText.h"

#include <QString>

namespace torval {

// Reads a decimal number ("," or "."; the longest leading number, 0 when
// there is none) and cuts it to one decimal in single precision, as the
// station's level arithmetic does: "12,37" -> 12.3, "3.99" -> 3.9.
[[nodiscard]] float parseTenths(const QString& text);

// A value of parseTenths written back: at most one decimal, decimal comma.
[[nodiscard]] QString tenthsText(float value);

inline constexpr RuleText kAnalogLevelsMessage{
    "NumberRules", QT_TRANSLATE_NOOP("NumberRules", "Hodnoty CL1, HCL1, CL2, HCL2 jsou chybně zadány.")};

// Both bands (level +- hysteresis) inside min..max of the scale and the CL1
// band below the CL2 band; touching bands are allowed. The values are
// parseTenths values and are compared exactly, in whole tenths.
[[nodiscard]] bool analogLevelsValid(float cl1, float hcl1, float cl2, float hcl2, const AnalogScale& scale);
// The same on the four field texts, each read with parseTenths.
[[nodiscard]] bool analogLevelsValid(const QString& cl1, const QString& hcl1, const QString& cl2, const QString& hcl2,
                                     const AnalogScale& scale);

// One power-save duration (modem on, or modem off). Always ends between
// 0 h 5 min and 465 h 59 min once both fields have been left.
struct PowerSavePair {
    QString hours;
    QString minutes;
    bool operator==(const PowerSavePair&) const = default;
};
// Leaving the hour field: hours 0..465; with 0 hours the minutes become 5..59.
[[nodiscard]] PowerSavePair leavePowerSaveHours(const PowerSavePair& pair);
// Leaving the minute field: whole hours carried out of the minutes, then as above.
[[nodiscard]] PowerSavePair leavePowerSaveMinutes(const PowerSavePair& pair);

// Impulse length in seconds, 0.1..25.5 at one decimal.
[[nodiscard]] QString normalizeImpulseLength(const QString& text);

// SMS validity in days after its digit check: below 1 gives "1", above 30
// gives "30", otherwise the text stays as typed.
[[nodiscard]] QString normalizeSmsValidity(const QString& text);

// Analog level or hysteresis of the main window after its check: 0..100 at
// one decimal (the window works in percent of no particular scale).
[[nodiscard]] QString normalizeAnalogPercent(const QString& text);

// Analog dialog: a level or hysteresis becomes exactly what the station will
// store (the 255-step grid of the input's range, at the scale's decimals).
// A scale without span leaves the text as typed.
[[nodiscard]] QString dialogLevelText(const QString& text, const AnalogScale& scale);
[[nodiscard]] QString dialogHysteresisText(const QString& text, const AnalogScale& scale);

} // namespace torval
