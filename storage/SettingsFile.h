#pragma once
// The settings file (*.eep): the raw image from address 0, nothing else.

#include "link/Prompts.h"
#include "model/EepromImage.h"

#include <QString>

namespace torval {

// Writes addresses 0..settingsSize-2 (settingsSize - 1 bytes). An existing file
// is replaced only after the question was answered Yes, and only once every
// byte is on disk, so a failed save never costs the old file. Returns true
// when written and also when the user declined to overwrite.
[[nodiscard]] bool writeSettingsFile(const QString& path, const EepromImage& image, int settingsSize,
                                     Prompts& prompts);

// Reads the whole file into the image from address 0; later addresses keep
// what they held. A file that cannot be read or is longer than the image
// fails and leaves the image untouched.
[[nodiscard]] bool readSettingsFile(const QString& path, EepromImage& image);

// The question asked before an existing file is replaced.
inline constexpr const char* kOverwriteQuestion = "Tento soubor již existuje. Mám ho přepsat?";

} // namespace torval
