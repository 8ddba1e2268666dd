// Arbitrary bytes as a settings file in JSON (import, check, the template of
// series programming): parsing, the editor's rewrites, the field rules and
// the encoder. What is imported must come back unchanged through an export,
// and settings the rules accept must encode and decode to themselves.

#include "model/ConfigJson.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "rules/SettingsCheck.h"

#include <QJsonDocument>

using namespace torval;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const JsonImport imported = configFromJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!imported.config) {
        if (imported.error.isEmpty())
            __builtin_trap(); // a refusal always says why
        return 0;
    }
    DeviceConfig c = *imported.config;
    const JsonImport again = configFromJson(QJsonDocument(configToJson(c)).toJson());
    if (!again.config || !(*again.config == c))
        __builtin_trap();

    (void)applyFieldRewrites(c);
    if (!checkSettings(c).empty())
        return 0;
    static EepromImage image;
    if (encodeImage(c, image) != EncodeError::None)
        return 0; // too large for any station: refused by the encoder, said by the commands
    const DecodeResult back = decodeImage(image, c);
    if (!back.complete)
        __builtin_trap();
    return 0;
}
