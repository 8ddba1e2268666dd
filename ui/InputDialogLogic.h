#pragma once
// The digital input dialog without its widgets: one row of the input grid and
// the input's two send-immediately flags copied in, the dialog's own rules,
// the enabling of the send-immediately boxes and the copy back on OK.

#include <QString>
#include <array>

namespace torval {

class Prompts;
class SettingsDocument;

class InputDialogLogic {
public:
    enum class Text { Nazev, Zap, Vyp, LH, HL };
    enum class Flag { Zpr, LHEvent, HLEvent, Neg, LHAlarm, HLAlarm };

    InputDialogLogic(SettingsDocument& doc, Prompts& prompts);

    void open(int row);
    [[nodiscard]] int row() const { return m_row; }
    [[nodiscard]] QString caption() const; // "Vstup I4"

    [[nodiscard]] const QString& text(Text t) const { return m_texts[static_cast<int>(t)]; }
    void setText(Text t, const QString& value) { m_texts[static_cast<int>(t)] = value; }
    [[nodiscard]] bool flag(Flag f) const { return m_flags[static_cast<int>(f)]; }
    // Ticking a transition box recomputes the enabling (CheckEnabled).
    void setFlag(Flag f, bool on);

    // A send-immediately box can be used only while its transition is
    // reported and the station saves power; it keeps its tick when disabled.
    [[nodiscard]] bool lhAlarmEnabled() const { return m_lhAlarmEnabled; }
    [[nodiscard]] bool hlAlarmEnabled() const { return m_hlAlarmEnabled; }
    void checkEnabled();

    // Leaving a text field: false when rejected (the focus goes back).
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
    std::array<bool, 6> m_flags{};
    bool m_lhAlarmEnabled = false;
    bool m_hlAlarmEnabled = false;
    bool m_cancelRequested = false;
};

} // namespace torval
