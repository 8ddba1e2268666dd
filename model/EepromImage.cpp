#include "model/EepromImage.h"

namespace torval {

bool EepromImage::writeImageByte(int value, int address)
{
    if (address < 0 || address >= kSize || value < 0 || value > 255)
        return false;
    m_bytes[std::size_t(address)] = std::uint8_t(value);
    return true;
}

bool EepromImage::writeImageWord(int value, int address)
{
    if (value < 0 || value > 65535 || address < 0 || address + 1 >= kSize)
        return false;
    m_bytes[std::size_t(address)] = std::uint8_t(value % 256);
    m_bytes[std::size_t(address) + 1] = std::uint8_t(value / 256);
    return true;
}

std::optional<int> EepromImage::readImageWord(int address) const
{
    if (address < 0 || address + 1 >= kSize)
        return std::nullopt;
    return m_bytes[std::size_t(address)] + 256 * m_bytes[std::size_t(address) + 1];
}

std::uint8_t headerChecksum(const EepromImage& image)
{
    unsigned sum = 0;
    for (int a = 0; a < 48; ++a)
        sum += image.at(a);
    std::uint8_t k = std::uint8_t((sum + 1) % 256);
    // 13 is the frame terminator on the station's line; the station never uses it here.
    return k == 13 ? 12 : k;
}

bool imageHeaderValid(const EepromImage& image)
{
    return *image.readImageWord(layout::kMagicAddress) == layout::kMagic
        && image.at(layout::kChecksumAddress) == headerChecksum(image);
}

} // namespace torval
