#include "storage/SettingsFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace torval {

bool writeSettingsFile(const QString& path, const EepromImage& image, int settingsSize, Prompts& prompts)
{
    if (QFileInfo::exists(path)) {
        if (prompts.question(QString::fromUtf8(kOverwriteQuestion), Icon::Question, Buttons::YesNo) != Answer::Yes)
            return true; // declined: the old file stays as it was
    }
    // The file holds the image from address 0 up to one byte short of the
    // settings size.
    const int length = std::clamp(settingsSize - 1, 0, EepromImage::kSize);
    // Written beside the old file and swapped in only when every byte is on
    // disk: a full disk or a pulled stick never costs the technician the old
    // settings. The replacement is complete, so a longer old file leaves no tail.
    // Unbuffered, so that a write the disk takes only in part is seen here: a
    // buffered device reports the whole length and the short file would be
    // committed as if it were complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const auto bytes = image.bytes().first(std::size_t(length));
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size())
        || file.size() != qint64(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool readSettingsFile(const QString& path, EepromImage& image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Checked before anything is read, so a file that cannot be an image
    // leaves the image as it was.
    if (file.size() > EepromImage::kSize)
        return false;
    // Read one byte more than the image holds: a file that grew since its
    // size was taken (or reports no size, like a pipe) is caught too.
    const QByteArray data = file.read(EepromImage::kSize + 1);
    if (file.error() != QFileDevice::NoError || data.size() > EepromImage::kSize)
        return false;
    if (!data.isEmpty())
        std::memcpy(image.bytes().data(), data.constData(), std::size_t(data.size()));
    return true;
}

} // namespace torval
