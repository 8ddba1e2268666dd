// An arbitrary image (padded with zeros to 64 KiB) through the header check
// and the decoder, with the header forced valid half of the time so the
// decoder itself sees hostile pointers and entries.

#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"

#include <cstring>

using namespace torval;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static EepromImage image;
    static const DeviceConfig current;
    std::memset(image.bytes().data(), 0, image.bytes().size());
    const std::size_t n = std::min<std::size_t>(size, EepromImage::kSize);
    if (n > 0)
        std::memcpy(image.bytes().data(), data, n);
    if (!imageHeaderValid(image) && size > 0 && (data[0] & 1)) {
        (void)image.writeImageWord(9602, 46);
        (void)image.writeImageByte(headerChecksum(image), 48);
    }
    if (!imageHeaderValid(image))
        return 0;
    const DecodeResult r = decodeImage(image, current);
    // What decodes must encode again without touching memory it should not.
    if (r.complete) {
        EepromImage again;
        (void)encodeImage(r.config, again);
    }
    return 0;
}
