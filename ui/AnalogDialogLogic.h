#pragma once
// The analog input dialog without its widgets: one row of the analog grid and
// the input's four send-immediately bits copied in, the text rule, the
// quantising of levels and hystereses when they are left, the enabling of the
// send-immediately boxes, the level check on OK and the copy back.

#include "model/DeviceConfig.h"

#include <QString>
#include <array>

namespace torval {

class Prompts;
class SettingsDocument;

class AnalogDialogLogic {
public:
    enum class Text {
        Nazev,
        StateL,
        StateM,
        StateH,
        CL1Level,
        HCL1Level,
        CL2Level,
        HCL2Level,
        CL1Up,
        CL1Dn,
        CL2Up,
        CL2Dn,
    };
    enum class Flag {
        CL1UpEvent,
        CL1DnEvent,
        CL2UpEvent,
        CL2DnEvent,
        Neg,
        Zpr,
        Prc,
        // The send-immediately boxes: bits 0..3 of the input's eeMaskAInAlarm.
        AlarmCL1Up,
        AlarmCL1Down,
        AlarmCL2Up,
        AlarmCL2Down,
    };
    static constexpr int kTextCount = 12;
    static constexpr int kFlagCount = 11;

    AnalogDialogLogic(SettingsDocument& doc, Prompts& prompts);

    void open(int index);
    [[nodiscard]] int index() const { return m_index; }
    [[nodiscard]] QString caption() const; // "Analogový vstup BAT"
    [[nodiscard]] const AnalogScale& scale() const;

    [[nodiscard]] const QString& text(Text t) const { return m_texts[static_cast<int>(t)]; }
    void setText(Text t, const QString& value) { m_texts[static_cast<int>(t)] = value; }
    [[nodiscard]] bool flag(Flag f) const { return m_flags[static_cast<int>(f)]; }
    // Ticking a report box recomputes the enabling (CheckEnabled).
    void setFlag(Flag f, bool on);

    // Whether a send-immediately box can be used: its crossing is reported
    // and the station saves power. A disabled box keeps its tick.
    [[nodiscard]] bool alarmEnabled(Flag alarm) const;
    void checkEnabled();

    // Leaving a field: the texts are checked (false when rejected, the focus
    // goes back); levels and hystereses are rewritten to what the station
    // will store and never rejected.
    [[nodiscard]] bool leave(Text t);

    // OK: false (with the message shown) when the levels and hystereses do
    // not fit the range or the bands overlap; the dialog stays open and the
    // focus goes to the CL1 level.
    [[nodiscard]] bool ok();
    void cancel() { m_cancelRequested = true; }
    [[nodiscard]] bool cancelRequested() const { return m_cancelRequested; }
    // Copies back unless cancelled; bits 4..7 of eeMaskAInAlarm are kept.
    void finish();

private:
    QString& at(Text t) { return m_texts[static_cast<int>(t)]; }

    SettingsDocument& m_doc;
    Prompts& m_prompts;
    int m_index = 0;
    std::array<QString, kTextCount> m_texts;
    std::array<bool, kFlagCount> m_flags{};
    std::array<bool, 4> m_alarmEnabled{};
    bool m_cancelRequested = false;
};

} // namespace torval
