#pragma once
// Pieces the file commands of torval-cli share: loading a settings file the
// way the window's load command does, and answering the overwrite question
// on the terminal.

#include "interact/Prompts.h"
#include "model/EepromImage.h"

#include <QString>

namespace torval::cli {

// The load command's messages, word for word.
QString loadFailedMessage(const QString& path);
QString saveFailedMessage(const QString& path);
// An existing output file that nobody could allow to be overwritten.
QString overwriteRefusedMessage(const QString& path);

// Loads a *.eep file into `image` with every check of the window's load
// (header, a file that ends inside its own settings). On failure `error`
// holds the message to show; on success the image decodes completely.
[[nodiscard]] bool loadImageFile(const QString& path, EepromImage& image, QString& error);

// Answers questions on the terminal. Without a terminal on stdin nobody can
// answer, so the question is refused (answered No) and `refused()` tells the
// command to fail instead of silently keeping the old file. With `force` every
// question is answered Yes.
class TerminalPrompts : public Prompts {
public:
    explicit TerminalPrompts(bool force) : m_force(force) {}
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
