// Arbitrary file contents through readSettingsFile and loadSettingsFile: the
// length check, the buffered read and, for an image that comes in, the header
// check, the decoder and the check that the settings end inside the file.

#include "files/SettingsFile.h"
#include "model/ImageDecoder.h"

#include <QFile>
#include <QString>
#include <unistd.h>

using namespace torval;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString path = QStringLiteral("/tmp/torval-fuzz-%1.eep").arg(::getpid());
    // The file lives only while one input is tried: a long run leaves nothing behind.
    struct RemoveAfter {
        ~RemoveAfter() { QFile::remove(path); }
    } removeAfter;
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    static EepromImage image;
    const EepromImage before = image;
    const bool ok = readSettingsFile(path, image);
    if (!ok && !(image == before))
        __builtin_trap(); // a failed read must leave the image as it was
    if (ok && size > std::size_t(EepromImage::kSize))
        __builtin_trap();
    if (ok && imageHeaderValid(image))
        (void)decodeImage(image, DeviceConfig{});

    static EepromImage loaded;
    if (loadSettingsFile(path, loaded) == FileLoad::Loaded) {
        // Accepted: the settings end inside the file and decode completely.
        const DecodeResult r = decodeImage(loaded, DeviceConfig{});
        if (!r.complete || r.usedLength > int(size))
            __builtin_trap();
    }
    return 0;
}
