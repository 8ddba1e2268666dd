#pragma once
// The checks and rewrites applied when a field is left, in the main window and
// in the edit dialogs, with the Czech message of every check.
//
// Pair checks compare a field with a partner field of the same row. They share
// the program-wide flag SuppressFieldChecks (SettingsDocument::suppressFieldChecks)
// as a one-shot latch: rejecting a field puts the focus back into it, which
// makes the partner field lose the focus and run its own checks; the latch
// keeps the partner from repeating the same pair message.
//   - a pair check counts as passed while the flag is set;
//   - a failing pair check rejects the field and then sets the flag;
//   - a field with a pair check that passes all its checks clears the flag;
//   - a failing character or keyword check leaves the flag as it is.

#include "model/ConfigFields.h"
#include "model/DeviceConfig.h"
#include "rules/PhoneRules.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace torval {

// One rule per kind of field; dialog variants where the dialog differs.
enum class RuleId {
    None,                    // tabJmenoStanice: anything goes
    Text,                    // report texts, analog names/states/texts (grid and dialog), counter names
    InputName,               // tabINPNazev, INPNazev
    InputStateOn,            // tabINPZap, INPZap; partner: state name 0
    InputStateOff,           // tabINPVyp, INPVyp; partner: state name 1
    InputTransitionLH,       // tabINPLH
    InputTransitionHL,       // tabINPHL
    DialogInputTransitionLH, // INPLH
    DialogInputTransitionHL, // INPHL
    OutputName,              // tabOUTNazev, OUTNazev
    OutputOn,                // tabOUTZap; partners: switch-off, impulse
    OutputOff,               // tabOUTVyp; partners: switch-on, impulse
    OutputImpulse,           // tabOUTimpuls; partners: switch-off, switch-on
    DialogOutputOn,          // OUTZap; partner: switch-off (equality)
    DialogOutputOff,         // OUTVyp; partner: switch-on (equality)
    DialogOutputImpulse,     // OUTimpuls
    Phone,                   // tabTC, TC: PhoneChars, then the UTO rule
    ServiceCentre,           // tabTCcentra: PhoneChars, no UTO
    Uto,                     // tabUTO
    Pin,                     // tabPIN
    SmsValidity,             // tabDobaPlatnostiSMS
    AnalogPercent,           // tabAINCL1Level, tabAINHCL1Level, tabAINCL2Level, tabAINHCL2Level
    PowerSaveHours,          // eePSOnH, eePSOffH; partner: the pair's minutes
    PowerSaveMinutes,        // eePSOnM, eePSOffM; partner: the pair's hours
    ImpulseLength,           // tabOUTimpulsLEN, OUTimpulsLEN
};

// The texts a rule reads. Partners in the order of the rule's pair checks
// (see RuleId); the power-save rules take the other field of the pair.
struct RuleInput {
    QString text;
    std::array<QString, 2> partners;
    EditorSettings uto; // only the Phone rule reads it
};

struct RuleResult {
    bool passed = true;
    QString text;                   // passed: the text to put into the field (may equal the input)
    std::optional<QString> partner; // passed: new text of partners[0] (power-save pairs)
    QString message;                // rejected: the message (error icon)
    [[nodiscard]] explicit operator bool() const { return passed; }
};

// Evaluates one rule on the given texts; reads and updates the latch.
[[nodiscard]] RuleResult applyRule(RuleId rule, const RuleInput& input, bool& suppressFieldChecks);

// The messages of a rule's checks in check order (empty for rewrite-only rules).
[[nodiscard]] QStringList ruleMessages(RuleId rule);

// The rule of a main-window field; RuleId::None for fields that are not checked
// (flags, bytes, the station name).
[[nodiscard]] RuleId ruleForField(const FieldDef& field);

// A text of the main window to replace after a field passed.
struct FieldEdit {
    const FieldDef* field = nullptr;
    int index = 0;
    QString text;
};

// What the main window does after a field was left. The window only applies it:
// on rejection show `message` (error icon), bring `tab` to the front and put the
// focus back; on a pass write `rewrites` (the field itself first, and the
// partner of a power-save pair), and then apply `phoneRights` and `tickBatteryCl1Down`.
struct FieldCheck {
    bool passed = true;
    QString message;
    int tab = -1;
    std::vector<FieldEdit> rewrites;             // only texts that differ from the current ones
    std::optional<PhoneRightsCheck> phoneRights; // tabTC left empty: untick the row's rights
    // rtBattLow left non-empty (also when rejected): tick tabAINCL1DnEvent of BAT.
    bool tickBatteryCl1Down = false;
    // Passed and stored, but doubtful: shown with the warning icon (analog
    // bands that overlap or leave the input's range).
    QString warning;
    [[nodiscard]] explicit operator bool() const { return passed; }
};

// Leaving `field`(index) of the main window; the field's text is read from `config`.
[[nodiscard]] FieldCheck checkFieldLeave(const FieldDef& field, int index, const DeviceConfig& config,
                                         const EditorSettings& editor, bool& suppressFieldChecks);
// The refusal of a character the station cannot store: it keeps its texts in
// Windows-1250 and would show '?' instead. `place` is the field's row and
// caption ("Název stanice", "I3 Název").
[[nodiscard]] QString outsideCodePageMessage(const QString& place, const QString& character);

// Leaving the UTO prefix field (it is an editor setting, not part of DeviceConfig).
[[nodiscard]] FieldCheck checkUtoLeave(const QString& text);

// Tab of the telephone grid and the UTO field.
inline constexpr int kPhoneTab = 6;

} // namespace torval
