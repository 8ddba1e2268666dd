#pragma once
// The settings file (*.eep): the raw image from address 0, nothing else.

#include "interact/Prompts.h"
#include "model/EepromImage.h"

#include <QString>
#include <cstdint>
#include <span>

namespace torval {

// Writes addresses 0..settingsSize-2 (settingsSize - 1 bytes). An existing file
// is replaced only after the question was answered Yes, and only once every
// byte is on disk, so a failed save never costs the old file. Returns true
// when written and also when the user declined to overwrite.
[[nodiscard]] bool writeSettingsFile(const QString& path, const EepromImage& image, int settingsSize, Prompts& prompts);

// Reads the whole file into the image from address 0; later addresses keep
// what they held. A file that cannot be read or is longer than the image
// fails and leaves the image untouched.
[[nodiscard]] bool readSettingsFile(const QString& path, EepromImage& image);

// What a settings file holds, as every load checks it before decoding.
enum class FileLoad {
    Loaded,     // a valid header, and the settings end inside the file
    ReadFailed, // the file cannot be read or is longer than the image
    NotAnImage, // the header's marker or checksum is wrong
    Damaged,    // the texts run past the end of the file (or of the image)
};

// The one load of a settings file (window, command line): readSettingsFile,
// then the header, then the length. A file may be shorter than the image, but
// one that ends before the end marker of its own texts would have the decoder
// take whatever the image held beyond it (in the window: the previous
// station's texts), so it is refused. The checks run on the file's bytes
// alone; afterwards the image holds them as readSettingsFile leaves them.
[[nodiscard]] FileLoad loadSettingsFile(const QString& path, EepromImage& image);

// Writes `bytes` as the whole file, replacing any old one only when every
// byte is on disk: unbuffered, the length checked before the swap. Settings
// files and station backups both go through it.
[[nodiscard]] bool writeCompleteFile(const QString& path, std::span<const std::uint8_t> bytes);

// The question asked before an existing file is replaced.
inline constexpr const char* kOverwriteQuestion =
    QT_TRANSLATE_NOOP("SettingsFile", "Tento soubor již existuje. Mám ho přepsat?");

} // namespace torval
