#pragma once
// Conversions between the values the technician edits and the bytes the
// station stores. Numbers in the editor are texts with a decimal comma; both
// "," and "." are accepted when reading.

#include "model/DeviceConfig.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace torval {

// Shortest decimal form with at most 15 significant digits and a decimal
// comma: "25,5", "100", "0,1", "-3".
QString numberText(double v);

// Reads a number written with "," or "." as the decimal separator. nullopt
// when the text (blanks around it allowed) is not a number at all.
std::optional<double> parseNumber(const QString& text);

// The value of the text's leading numeric part (blanks skipped); 0 when there
// is none. "12.5x" gives 12.5, "abc" gives 0.
double leadingNumber(const QString& text);

// Any text becomes a number within [min, max], cut toward zero to `decimals`
// places, as a number text. Never fails.
QString normalizeNumber(const QString& text, double min, double max, int decimals);
double normalizeValue(const QString& text, double min, double max, int decimals);

// (a * x) * 10^decimals, positive halves rounded up, negatives only cut.
double scaleRound(double a, double x, int decimals);

// Analog levels and hystereses on the 255-step grid of the input's range.
// nullopt when the scale has no span (min == max) or the byte would leave 0..255.
std::optional<std::uint8_t> levelToByte(const AnalogScale& s, const QString& level);
std::optional<double> byteToLevel(const AnalogScale& s, std::uint8_t b);
std::optional<std::uint8_t> hystToByte(const AnalogScale& s, const QString& hyst);
std::optional<double> byteToHyst(const AnalogScale& s, std::uint8_t b);

// Telephone number <-> SMS address field in hexadecimal text.
QString encodePhoneAddress(const QString& number);
QString decodePhoneAddress(const QString& hex);

// SMS validity: whole days + 166. nullopt when the text is no number or the
// byte would leave 0..255.
std::optional<std::uint8_t> validityToByte(const QString& days);
QString byteToValidity(std::uint8_t b);

// Output pulse length in tenths of a second, 0.1..25.5 s.
std::uint8_t pulseToByte(const QString& seconds);
QString byteToPulse(std::uint8_t b);

// Power-save durations as tenths of a second in three bytes, low first.
std::array<std::uint8_t, 3> powerSaveToBytes(const QString& hours, const QString& minutes);
struct HoursMinutes {
    QString hours;
    QString minutes;
};
HoursMinutes bytesToPowerSave(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2);

// A group of up to eight check boxes is one byte; item i is bit i.
template <std::size_t N>
std::uint8_t maskFromFlags(const std::array<bool, N>& flags)
{
    std::uint8_t m = 0;
    for (std::size_t i = 0; i < N && i < 8; ++i)
        if (flags[i])
            m |= std::uint8_t(1u << i);
    return m;
}
template <std::size_t N>
void flagsFromMask(std::uint8_t mask, std::array<bool, N>& flags)
{
    for (std::size_t i = 0; i < N && i < 8; ++i)
        flags[i] = (mask >> i) & 1u;
}

} // namespace torval
