#pragma once
// The station's EEPROM as one 64 KiB byte store. Every access is bounds
// checked: an address outside 0..65535 is a failure the caller must handle,
// never a write into someone else's memory.

#include "model/ImageLayout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace torval {

class EepromImage {
public:
    static constexpr int kSize = layout::kImageSize;

    EepromImage() : m_bytes(kSize, 0) { }

    [[nodiscard]] bool writeImageByte(int value, int address);
    [[nodiscard]] bool writeImageWord(int value, int address);
    [[nodiscard]] std::optional<int> readImageWord(int address) const;

    // Unchecked fast access for callers that have checked the range.
    std::uint8_t at(int address) const { return m_bytes[std::size_t(address)]; }
    std::span<std::uint8_t> bytes() { return m_bytes; }
    std::span<const std::uint8_t> bytes() const { return m_bytes; }

    bool operator==(const EepromImage&) const = default;

private:
    std::vector<std::uint8_t> m_bytes;
};

// Checksum byte of the header (bytes 0..47).
std::uint8_t headerChecksum(const EepromImage& image);
// True when the magic word is 9602 and byte 48 matches the checksum.
bool imageHeaderValid(const EepromImage& image);

} // namespace torval
