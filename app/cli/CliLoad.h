#pragma once
// Pieces the file commands of torval-cli share: loading a settings file the
// way the window's load command does, and answering the overwrite question
// on the terminal.

#include "interact/Prompts.h"
#include "model/EepromImage.h"
#include "rules/SettingsCheck.h"

#include <QString>
#include <optional>

namespace torval::cli {

// The load command's messages, word for word.
QString loadFailedMessage(const QString& path);
// An existing output file that nobody could allow to be overwritten.
QString overwriteRefusedMessage(const QString& path);

// Loads a *.eep file into `image` with every check of the window's load
// (header, a file that ends inside its own settings). On failure `error`
// holds the message to show; on success the image decodes completely.
[[nodiscard]] bool loadImageFile(const QString& path, EepromImage& image, QString& error);

// A JSON settings file taken through the window's rules: `stored` holds the
// settings as the window would store them, with its rewrites, refusals and
// warnings; without it `error` says why the file could not be read.
struct JsonSettings {
    std::optional<StoredSettings> stored;
    QString error;
};
[[nodiscard]] JsonSettings loadJsonSettings(const QString& path);

// A settings file as the station would hold it, for the commands that show
// or compare settings: an .eep decoded (a damaged one refused), a JSON file
// stored by the window's rules (refused when they refuse it, the refusals in
// `error`), encoded into an image and read back.
[[nodiscard]] std::optional<DeviceConfig> loadAsStationHolds(const QString& path, QString& error);
[[nodiscard]] bool isJsonPath(const QString& path);

// The same file under another name (a link, "./", "..") is the same file.
[[nodiscard]] bool sameFile(const QString& a, const QString& b);

// Answers questions on the terminal. Without a terminal on stdin nobody can
// answer, so the question is refused (answered No) and `refused()` tells the
// command to fail instead of silently keeping the old file. With `force` every
// question is answered Yes.
class TerminalPrompts : public Prompts {
public:
    explicit TerminalPrompts(bool force) : m_force(force) { }
    void message(const QString& text, Icon icon) override;
    Answer question(const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> openFileName() override { return std::nullopt; }
    std::optional<QString> saveFileName() override { return std::nullopt; }
    bool refused() const { return m_refused; }

private:
    bool m_force;
    bool m_refused = false;
};

} // namespace torval::cli
