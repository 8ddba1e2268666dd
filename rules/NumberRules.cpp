#include "rules/NumberRules.h"

#include "model/Encodings.h"

#include <cmath>

namespace torval {

namespace {

// The value of a number field as typed: a whole number text, or the number at
// its start ("," and "." both read), or 0.
double fieldValue(const QString& text)
{
    if (const auto v = parseNumber(text))
        return *v;
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return leadingNumber(t);
}

} // namespace

float parseTenths(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    // Single precision on purpose: the cut must land where the station's own
    // arithmetic lands (3.99 -> 3.9, not 4.0).
    const float value = static_cast<float>(leadingNumber(t));
    const float scaled = value * 10.0f;
    return std::floor(scaled) / 10.0f;
}

QString tenthsText(float value)
{
    return numberText(std::round(double(value) * 10.0) / 10.0);
}

namespace {
// A value of parseTenths (or a scale end) in whole tenths. The bands are
// compared in tenths, exactly: in single precision 34,1 - 14,1 is not 20,
// and bands that touch would be refused.
qint64 tenths(double v)
{
    return std::llround(v * 10.0);
}
} // namespace

bool analogLevelsValid(float cl1, float hcl1, float cl2, float hcl2, const AnalogScale& scale)
{
    const qint64 low1 = tenths(cl1) - tenths(hcl1);
    const qint64 high1 = tenths(cl1) + tenths(hcl1);
    const qint64 low2 = tenths(cl2) - tenths(hcl2);
    const qint64 high2 = tenths(cl2) + tenths(hcl2);
    const qint64 min = tenths(scale.min);
    const qint64 max = tenths(scale.max);
    if (low1 < min || high1 > max)
        return false;
    if (low2 < min || high2 > max)
        return false;
    return high1 <= low2; // touching bands are allowed
}

bool analogLevelsValid(const QString& cl1, const QString& hcl1, const QString& cl2, const QString& hcl2,
                       const AnalogScale& scale)
{
    return analogLevelsValid(parseTenths(cl1), parseTenths(hcl1), parseTenths(cl2), parseTenths(hcl2), scale);
}

namespace {
constexpr double kMaxHours = 465;          // the station counts the time in three bytes of tenths of a second
constexpr double kMaxTypedMinutes = 27962; // the same limit expressed in minutes
constexpr double kMinMinutesWithoutHours = 5;

PowerSavePair enforceMinimum(PowerSavePair p)
{
    if (fieldValue(p.hours) == 0)
        p.minutes = normalizeNumber(p.minutes, kMinMinutesWithoutHours, 59, 0);
    return p;
}
} // namespace

PowerSavePair leavePowerSaveHours(const PowerSavePair& pair)
{
    PowerSavePair p = pair;
    p.hours = normalizeNumber(p.hours, 0, kMaxHours, 0);
    return enforceMinimum(p);
}

PowerSavePair leavePowerSaveMinutes(const PowerSavePair& pair)
{
    PowerSavePair p = pair;
    p.minutes = normalizeNumber(p.minutes, 0, kMaxTypedMinutes, 0);
    const double minutes = fieldValue(p.minutes);
    if (minutes >= 60) {
        const double carried = std::floor(minutes / 60);
        p.hours = normalizeNumber(numberText(fieldValue(p.hours) + carried), 0, kMaxHours, 0);
        p.minutes = numberText(std::fmod(minutes, 60));
    }
    return enforceMinimum(p);
}

QString normalizeImpulseLength(const QString& text)
{
    return normalizeNumber(text, 0.1, 25.5, 1);
}

QString normalizeSmsValidity(const QString& text)
{
    const double days = std::floor(fieldValue(text));
    if (days < 1)
        return QStringLiteral("1");
    if (days > 30)
        return QStringLiteral("30");
    return text;
}

QString normalizeAnalogPercent(const QString& text)
{
    const float v = parseTenths(text);
    if (v < 0)
        return QStringLiteral("0");
    if (v > 100)
        return QStringLiteral("100");
    return tenthsText(v);
}

QString dialogLevelText(const QString& text, const AnalogScale& scale)
{
    const auto b = levelToByte(scale, text);
    const auto v = b ? byteToLevel(scale, *b) : std::nullopt;
    return v ? numberText(*v) : text;
}

QString dialogHysteresisText(const QString& text, const AnalogScale& scale)
{
    const QString limited = normalizeNumber(text, 0, std::fabs(scale.max - scale.min), scale.decimals);
    const auto b = hystToByte(scale, limited);
    const auto v = b ? byteToHyst(scale, *b) : std::nullopt;
    return v ? numberText(*v) : text;
}

} // namespace torval
