#pragma once
// Writes the settings into the station's EEPROM image, byte for byte as the
// firmware reads it: pointer table, constant, magic, header checksum, the
// fixed block of flags, masks, levels and times, then the text lists.

#include "model/DeviceConfig.h"
#include "model/EepromImage.h"

namespace torval {

enum class EncodeError {
    None,
    Conversion, // a validity period that is no number or exceeds 89 days, or an analog scale without span
    Address,    // the text area would run beyond address 65535
};

// Overwrites only the addresses the layout names; every other byte keeps what
// the image held (loaded values travel back out with the next save). On a
// failure it stops at once: bytes already written stay, and the magic, end
// marker and checksum are not written, so the header is not valid.
[[nodiscard]] EncodeError encodeImage(const DeviceConfig& config, EepromImage& image);

} // namespace torval
