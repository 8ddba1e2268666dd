#pragma once
// Reads the settings back out of an EEPROM image. The caller checks
// imageHeaderValid first; beyond that the image is untrusted (a file or a
// station may hold anything), so every read is bounds checked and a malformed
// entry decodes to something harmless.

#include "model/DeviceConfig.h"
#include "model/EepromImage.h"

namespace torval {

class SettingsDocument;

struct DecodeResult {
    DeviceConfig config;
    // false: a text list ran beyond address 65535 and ended the decoding;
    // `config` holds what was filled up to that point.
    bool complete = true;
    // How many bytes from address 0 the settings occupy: the fixed block, the
    // texts as the decoder walked them, and the two-byte end marker after the
    // last text. A file shorter than this ends inside its own settings.
    // kSize + 1 when the decoding was not complete.
    int usedLength = 0;
};

// Fields the image does not hold (the analog scales) come from `current`, and
// levels are decoded with those scales.
[[nodiscard]] DecodeResult decodeImage(const EepromImage& image, const DeviceConfig& current);

// Decodes into the editor's document: raises suppressFieldChecks, assigns
// every image field through the document (so the battery tie and the size
// recomputation run), lowers it again. Returns DecodeResult::complete; an
// incomplete decoding changes nothing in the document.
[[nodiscard]] bool decodeImageInto(SettingsDocument& doc, const EepromImage& image);

} // namespace torval
