#include "model/Encodings.h"

#include <charconv>
#include <cmath>
#include <string>

namespace torval {

namespace {

double pow10(int decimals)
{
    return std::pow(10.0, decimals);
}

// Cut toward zero at `decimals` places. A product that lies within a few ulps
// of a whole number is taken as that number, so "2,3" stays 2,3 rather than
// becoming 2,2 through 22.999999999999996.
double cutDecimals(double v, int decimals)
{
    const double p = pow10(decimals);
    const double f = v * p;
    double n = std::trunc(f);
    const double r = std::round(f);
    if (r != n && std::fabs(f - r) <= 1e-9 * std::max(1.0, std::fabs(f)))
        n = r;
    return n / p;
}

} // namespace

QString numberText(double v)
{
    if (v == 0.0 || !std::isfinite(v))
        return QStringLiteral("0");
    QString s = QString::number(v, 'g', 15);
    if (s.contains(QLatin1Char('e'))) {
        // Very large or very small values: write them out in full.
        s = QString::number(v, 'f', 15);
        if (s.contains(QLatin1Char('.'))) {
            while (s.endsWith(QLatin1Char('0')))
                s.chop(1);
            if (s.endsWith(QLatin1Char('.')))
                s.chop(1);
        }
    }
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Optional blanks, optional sign, digits with an optional separator and
// fraction (or a separator and at least one digit), optional blanks. The
// separator is "," and, when `point` is set, also ".". Hand-written rather
// than a regular expression: it runs for every number of every encoding.
std::optional<double> parseDecimal(const QString& text, bool point)
{
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && isBlank(p[i]))
        ++i;
    bool negative = false;
    if (i < n && (p[i] == u'+' || p[i] == u'-'))
        negative = p[i++] == u'-';
    std::string body;
    int whole = 0;
    int fraction = 0;
    while (i < n && p[i] >= u'0' && p[i] <= u'9') {
        body.push_back(char(p[i++]));
        ++whole;
    }
    if (i < n && (p[i] == u',' || (point && p[i] == u'.'))) {
        ++i;
        body.push_back('.');
        while (i < n && p[i] >= u'0' && p[i] <= u'9') {
            body.push_back(char(p[i++]));
            ++fraction;
        }
        if (whole == 0 && fraction == 0)
            return std::nullopt;
    } else if (whole == 0) {
        return std::nullopt;
    }
    while (i < n && isBlank(p[i]))
        ++i;
    if (i != n)
        return std::nullopt;
    if (body.front() == '.')
        body.insert(body.begin(), '0');
    double v = 0.0;
    const auto r = std::from_chars(body.data(), body.data() + body.size(), v);
    if (r.ec != std::errc())
        return std::nullopt;
    return negative ? -v : v;
}

} // namespace

std::optional<double> parseNumber(const QString& text)
{
    return parseDecimal(text, true);
}

double leadingNumber(const QString& text)
{
    // Blanks are skipped anywhere, as a technician may type "1 000".
    QString t;
    t.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            t.append(c);
    int i = 0;
    QString num;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        num.append(t[i++]);
    bool digits = false;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        num.append(t[i++]);
        digits = true;
    }
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        num.append(t[i++]);
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            num.append(t[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok ? v : 0.0;
}

double normalizeValue(const QString& text, double min, double max, int decimals)
{
    double v;
    // The Czech form first (decimal comma); anything else is read like a
    // program would read a number typed with a decimal point.
    if (const auto czech = parseDecimal(text, false))
        v = *czech;
    else
        v = leadingNumber(text);
    double r = cutDecimals(v, decimals);
    if (v < min)
        r = cutDecimals(min, decimals);
    if (v > max)
        r = cutDecimals(max, decimals);
    return r;
}

QString normalizeNumber(const QString& text, double min, double max, int decimals)
{
    return numberText(normalizeValue(text, min, max, decimals));
}

double scaleRound(double a, double x, int decimals)
{
    const double f = (a * x) * pow10(decimals);
    double n = std::trunc(f);
    if (f - n >= 0.5)
        n += 1.0;
    return n / pow10(decimals);
}

namespace {
std::optional<std::uint8_t> toByte(double v)
{
    if (!(v >= 0.0 && v <= 255.0))
        return std::nullopt;
    return static_cast<std::uint8_t>(v);
}
} // namespace

std::optional<std::uint8_t> levelToByte(const AnalogScale& s, const QString& level)
{
    const double span = s.max - s.min;
    if (span == 0.0 || !std::isfinite(span))
        return std::nullopt;
    const double v = normalizeValue(level, std::min(s.min, s.max), std::max(s.min, s.max), s.decimals);
    return toByte(scaleRound(v - s.min, 255.0 / span, 0));
}

std::optional<double> byteToLevel(const AnalogScale& s, std::uint8_t b)
{
    const double span = s.max - s.min;
    if (span == 0.0 || !std::isfinite(span))
        return std::nullopt;
    const double raw = scaleRound(b, span / 255.0, s.decimals) + s.min;
    return normalizeValue(numberText(raw), std::min(s.min, s.max), std::max(s.min, s.max), s.decimals);
}

std::optional<std::uint8_t> hystToByte(const AnalogScale& s, const QString& hyst)
{
    const double span = s.max - s.min;
    if (span == 0.0 || !std::isfinite(span))
        return std::nullopt;
    const double v = normalizeValue(hyst, 0.0, std::fabs(span) / 2.0, s.decimals);
    return toByte(scaleRound(v, 255.0 / span, 0));
}

std::optional<double> byteToHyst(const AnalogScale& s, std::uint8_t b)
{
    const double span = s.max - s.min;
    if (span == 0.0 || !std::isfinite(span))
        return std::nullopt;
    const double raw = scaleRound(b, span / 255.0, s.decimals);
    return normalizeValue(numberText(raw), 0.0, std::fabs(span) / 2.0, s.decimals);
}

QString encodePhoneAddress(const QString& number)
{
    if (number.isEmpty())
        return QStringLiteral("00");
    QString type = QStringLiteral("81");
    QString digits = number;
    if (number.startsWith(QLatin1Char('+'))) {
        type = QStringLiteral("91");
        digits = number.mid(1);
    }
    const int n = int(digits.size());
    if (n % 2 == 1)
        digits.append(QLatin1Char('F'));
    QString out = QStringLiteral("%1").arg(n & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    out += type;
    for (int k = 0; k + 1 < digits.size(); k += 2) {
        out.append(digits[k + 1]);
        out.append(digits[k]);
    }
    return out;
}

QString decodePhoneAddress(const QString& hex)
{
    bool ok = false;
    int n = hex.left(2).toInt(&ok, 16);
    if (!ok)
        n = 0;
    QString out;
    if (hex.mid(2, 2) == QLatin1String("91"))
        out = QStringLiteral("+");
    if (n % 2 == 1)
        ++n;
    // Pairs follow the count and the type; each pair holds two digits swapped.
    for (int k = 1; k <= n / 2; ++k) {
        const int hi = 2 * k + 4 - 1; // positions counted from 1 in the station's layout
        const int lo = 2 * k + 3 - 1;
        if (hi < hex.size())
            out.append(hex[hi]);
        if (lo < hex.size())
            out.append(hex[lo]);
    }
    if (out.endsWith(QLatin1Char('F')))
        out.chop(1);
    return out;
}

std::optional<std::uint8_t> validityToByte(const QString& days)
{
    const auto v = parseNumber(days);
    if (!v)
        return std::nullopt;
    return toByte(std::trunc(*v) + 166.0);
}

QString byteToValidity(std::uint8_t b)
{
    return QString::number(int(b) - 166);
}

std::uint8_t pulseToByte(const QString& seconds)
{
    const double v = normalizeValue(seconds, 0.1, 25.5, 1);
    return static_cast<std::uint8_t>(std::lround(v * 10.0));
}

QString byteToPulse(std::uint8_t b)
{
    return numberText(b / 10.0);
}

std::array<std::uint8_t, 3> powerSaveToBytes(const QString& hours, const QString& minutes)
{
    const auto h = static_cast<std::uint32_t>(normalizeValue(hours, 0, 465, 0));
    const auto m = static_cast<std::uint32_t>(normalizeValue(minutes, 0, 59, 0));
    const std::uint32_t t = (h * 60 + m) * 60 * 10;
    return {std::uint8_t(t & 0xFF), std::uint8_t((t >> 8) & 0xFF), std::uint8_t((t >> 16) & 0xFF)};
}

HoursMinutes bytesToPowerSave(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2)
{
    const std::uint32_t t = b0 + 256u * b1 + 65536u * b2;
    return {QString::number(t / 36000), QString::number((t / 600) % 60)};
}

} // namespace torval
