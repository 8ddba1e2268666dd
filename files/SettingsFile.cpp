#include "files/SettingsFile.h"

#include "model/ImageDecoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <optional>

namespace torval {

bool writeSettingsFile(const QString& path, const EepromImage& image, int settingsSize, Prompts& prompts)
{
    if (QFileInfo::exists(path)) {
        if (prompts.question(QCoreApplication::translate("SettingsFile", kOverwriteQuestion), Icon::Question,
                             Buttons::YesNo)
            != Answer::Yes)
            return true; // declined: the old file stays as it was
    }
    // The file holds the image from address 0 up to one byte short of the
    // settings size.
    const int length = std::clamp(settingsSize - 1, 0, EepromImage::kSize);
    return writeCompleteFile(path, image.bytes().first(std::size_t(length)));
}

bool writeCompleteFile(const QString& path, std::span<const std::uint8_t> bytes)
{
    // Written beside the old file and swapped in only when every byte is on
    // disk: a full disk or a pulled stick never costs the technician the old
    // file. The replacement is complete, so a longer old file leaves no tail.
    // Unbuffered, so that a write the disk takes only in part is seen here: a
    // buffered device reports the whole length and the short file would be
    // committed as if it were complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size())
        || file.size() != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {

std::optional<QByteArray> readFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Checked before anything is read, so a file that cannot be an image
    // leaves the image as it was.
    if (file.size() > EepromImage::kSize)
        return std::nullopt;
    // Read one byte more than the image holds: a file that grew since its
    // size was taken (or reports no size, like a pipe) is caught too.
    QByteArray data = file.read(EepromImage::kSize + 1);
    if (file.error() != QFileDevice::NoError || data.size() > EepromImage::kSize)
        return std::nullopt;
    return data;
}

void copyInto(const QByteArray& data, EepromImage& image)
{
    if (!data.isEmpty())
        std::memcpy(image.bytes().data(), data.constData(), std::size_t(data.size()));
}

} // namespace

bool readSettingsFile(const QString& path, EepromImage& image)
{
    const auto data = readFileBytes(path);
    if (!data)
        return false;
    copyInto(*data, image);
    return true;
}

FileLoad loadSettingsFile(const QString& path, EepromImage& image)
{
    const auto data = readFileBytes(path);
    if (!data)
        return FileLoad::ReadFailed;
    // Judged on the file's bytes with nothing behind them, so the verdict
    // cannot depend on what the image held before.
    EepromImage alone;
    copyInto(*data, alone);
    copyInto(*data, image);
    if (!imageHeaderValid(alone))
        return FileLoad::NotAnImage;
    if (decodeImage(alone, DeviceConfig{}).usedLength > data->size())
        return FileLoad::Damaged;
    return FileLoad::Loaded;
}

} // namespace torval
