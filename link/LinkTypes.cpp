#include "link/LinkTypes.h"

#include <array>

namespace torval {

namespace {
constexpr std::array<KnownProduct, 3> kProducts{{
    {25, 211, 130, "TORVAL"},
    {32, 211, 130, "MIK"},
    {33, 211, 130, "MIKA"},
}};
constexpr std::array<ModemType, 7> kModems{{
    {0, "M1 Siemens"},
    {1, "A1 Falcom"},
    {2, "A1 Siemens"},
    {3, "M20 Siemens"},
    {4, "TC35 Siemens"},
    {32, "GM12 Ericsson"},
    {33, "GM25 Ericsson"},
}};
} // namespace

std::optional<QString> memorySizeText(int code)
{
    if (code < 0 || code >= kMemorySizeCodes)
        return std::nullopt;
    const int bytes = (1 << (code + 7)) - 64; // the top 64 bytes are the station's own
    return QStringLiteral("%1 byte").arg(bytes, 6);
}

std::optional<QString> productName(int productCode)
{
    for (const auto& p : kProducts)
        if (65536 * p.b2 + 256 * p.b1 + p.b0 == productCode)
            return QString::fromLatin1(p.name);
    return std::nullopt;
}

std::optional<QString> modemName(int code)
{
    for (const auto& m : kModems)
        if (m.code == code)
            return QString::fromLatin1(m.name);
    return std::nullopt;
}

std::optional<int> memorySizeFromText(const QString& text)
{
    const int end = text.indexOf(QLatin1String(" byte"));
    if (end < 0)
        return std::nullopt;
    bool ok = false;
    const int n = text.left(end).trimmed().toInt(&ok);
    if (!ok || n < 0)
        return std::nullopt;
    return n;
}

std::optional<int> DeviceInfo::memorySizeBytes() const
{
    return memorySizeFromText(memorySize);
}

} // namespace torval
