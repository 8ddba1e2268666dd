#pragma once
// The digital output dialog without its widgets: one row of the output grid
// copied in, the dialog's own rules, the impulse length of O1, the output
// function of O1 and O2, and the copy back on OK.

#include <QString>
#include <array>
#include <cstdint>

namespace torval {

class Prompts;
class SettingsDocument;

// What an output does besides obeying its commands. Only O1 can show the
// modem state (bit 0 of eeMaskDOutFnc) and only O2 the power-saving state
// (bit 1).
enum class OutputFunction { Standard, ModemState, PowerSaveState };

class OutputDialogLogic {
public:
    enum class Text { Nazev, Zap, Vyp, Impuls, ImpulsLen };
    enum class Flag { Zpr, Neg };

    OutputDialogLogic(SettingsDocument& doc, Prompts& prompts);

    void open(int row);
    [[nodiscard]] int row() const { return m_row; }
    [[nodiscard]] QString caption() const; // "Výstup O2"

    [[nodiscard]] const QString& text(Text t) const { return m_texts[static_cast<int>(t)]; }
    void setText(Text t, const QString& value) { m_texts[static_cast<int>(t)] = value; }
    [[nodiscard]] bool flag(Flag f) const { return m_flags[static_cast<int>(f)]; }
    void setFlag(Flag f, bool on) { m_flags[static_cast<int>(f)] = on; }

    // Only O1's impulse length can be edited; other outputs keep theirs.
    [[nodiscard]] bool impulseLengthShown() const { return m_row == 0; }

    // The function options are offered for O1 and O2 only, selected from the
    // setting when the dialog opens. The one function the output cannot have
    // is not offered.
    [[nodiscard]] bool functionShown() const { return m_row == 0 || m_row == 1; }
    [[nodiscard]] bool functionAvailable(OutputFunction f) const;
    [[nodiscard]] OutputFunction function() const { return m_function; }
    // The user's choice; only a choice changes the setting on OK.
    void chooseFunction(OutputFunction f);

    // Leaving a text field: false when rejected (the focus goes back). The
    // impulse length is never rejected, only brought into 0.1..25.5 s.
    [[nodiscard]] bool leave(Text t);

    void ok() { m_cancelRequested = false; }
    void cancel() { m_cancelRequested = true; }
    [[nodiscard]] bool cancelRequested() const { return m_cancelRequested; }
    // Copies back unless cancelled.
    void finish();

private:
    QString& at(Text t) { return m_texts[static_cast<int>(t)]; }

    SettingsDocument& m_doc;
    Prompts& m_prompts;
    int m_row = 0;
    std::array<QString, 5> m_texts;
    std::array<bool, 2> m_flags{};
    OutputFunction m_function = OutputFunction::Standard;
    bool m_functionChosen = false;
    bool m_cancelRequested = false;
};

} // namespace torval
