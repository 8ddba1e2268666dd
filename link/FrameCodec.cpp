#include "link/FrameCodec.h"

namespace torval {

std::uint8_t frameChecksum(std::span<const std::uint8_t> payload)
{
    unsigned sum = 1;
    for (std::uint8_t b : payload)
        sum += b;
    const auto k = std::uint8_t(sum % 256);
    return k == kFrameEnd ? std::uint8_t(12) : k;
}

std::uint8_t frameChecksum(const QByteArray& payload)
{
    return frameChecksum(
        std::span(reinterpret_cast<const std::uint8_t*>(payload.constData()), std::size_t(payload.size())));
}

QByteArray buildFrame(const QByteArray& payload)
{
    QByteArray f = payload;
    f.append(char(frameChecksum(payload)));
    f.append(char(kFrameEnd));
    return f;
}

std::array<char, 2> hexByte(std::uint8_t value)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[value & 0x0F], digits[value >> 4]};
}

void appendHexByte(QByteArray& out, std::uint8_t value)
{
    const auto h = hexByte(value);
    out.append(h[0]);
    out.append(h[1]);
}

namespace {
int nibble(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

std::optional<std::uint8_t> decodeHexByte(char low, char high)
{
    const int lo = nibble(low);
    const int hi = nibble(high);
    if (lo < 0 || hi < 0)
        return std::nullopt;
    return std::uint8_t(hi * 16 + lo);
}

std::optional<std::uint8_t> hexByteAt(const QByteArray& payload, int pos)
{
    if (pos < 0 || pos + 1 >= payload.size())
        return std::nullopt;
    return decodeHexByte(payload[pos], payload[pos + 1]);
}

} // namespace torval
