#pragma once
// What the link, storage and report code may ask of the person at the PC:
// message boxes, questions, the file dialog, and the busy window with its
// Storno button. The window implements it with real dialogs; tests script the
// answers and record what was asked; the command line answers on the terminal.

#include <QString>
#include <optional>

namespace torval {

// Every message box is captioned "TORVAL Init".
inline constexpr const char* kAppTitle = "TORVAL Init";

enum class Icon { Information, Warning, Error, Question };
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Prompts {
public:
    virtual ~Prompts() = default;
    // A modal message box with one OK button.
    virtual void message(const QString& text, Icon icon) = 0;
    // A modal question; returns the button pressed.
    virtual Answer question(const QString& text, Icon icon, Buttons buttons) = 0;
    // File dialog with the one filter "EEPROM (*.eep)"; open accepts existing
    // files only, save asks nothing about overwriting. nullopt when cancelled.
    virtual std::optional<QString> openFileName() = 0;
    virtual std::optional<QString> saveFileName() = 0;
};

// The busy window "Info": a label, an optional Storno button and, during
// EEPROM transfers, a progress bar. showBusy clears the cancel request.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void showBusy(const QString& text, bool withStorno) = 0;
    virtual void setBusyText(const QString& text) = 0;
    virtual void setProgress(int done, int total) = 0;
    virtual void hideBusy() = 0;
    virtual bool cancelRequested() const = 0;
};

// For work that shows nothing while it runs: over in an instant, no Storno
// (file commands on a terminal, a report drawn straight into a file).
class SilentBusy final : public BusyIndicator {
public:
    void showBusy(const QString&, bool) override { }
    void setBusyText(const QString&) override { }
    void setProgress(int, int) override { }
    void hideBusy() override { }
    bool cancelRequested() const override { return false; }
};

} // namespace torval
