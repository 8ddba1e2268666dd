#pragma once
// All field rules over a whole set of settings at once, for a technician who
// checks a settings file before programming a batch of stations.

#include "model/ConfigFields.h"
#include "model/DeviceConfig.h"

#include <QString>
#include <vector>

namespace torval {

struct SettingsFinding {
    const FieldDef* field = nullptr; // nullptr only for the analog band check of a whole input
    int index = 0;
    QString label;   // row label ("O3", "BAT") or, for single fields, the field name
    QString message; // Czech
};

// Every text longer than its field allows (a JSON file can hold them), every
// field its leave rule rejects (each field judged on its own, without the
// latch; a character outside the station's code page first), then the first
// failure of the output cross-check. What the window would refuse.
[[nodiscard]] std::vector<SettingsFinding> checkSettings(const DeviceConfig& config);

// What the window stores but warns of: analog inputs whose bands overlap or
// leave their scale (the grid takes them; the station switches oddly).
[[nodiscard]] std::vector<SettingsFinding> settingsWarnings(const DeviceConfig& config);

// A field the editor would rewrite when it is left.
struct FieldRewrite {
    const FieldDef* field = nullptr;
    int index = 0;
    QString before;
    QString after;
    QString note; // the warning the window shows with it (a right unticked)
};

// Leaves every field in turn, in the order of the field table, exactly as the
// window does when a technician tabs through it, and writes the rewrites into
// `config`: numbers into their ranges, the power-save pairs carried and
// limited (a pair's minutes are left first: the technician who typed 0 h
// 75 min left the hours before the 75 was there, and the window carries it
// to 1 h 15 min), telephone numbers with the
// UTO prefix, the rights of a row without a number unticked, the battery
// input's fall below CL1 reported when there is a battery text. Rejected fields stay as
// they are (checkSettings reports them). One entry per changed field, from
// its first text to its last. The command line runs every imported setting
// through this, so it stores what the editor would store.
std::vector<FieldRewrite> applyFieldRewrites(DeviceConfig& config, const EditorSettings& editor = {});

// Settings as the window would hold them after a technician typed them in:
// `config` rewritten (applyFieldRewrites), `refusals` what it would not
// accept (checkSettings of the rewritten settings), `warnings` what it
// stores but warns of. Import, check, provisioning, diff and print of a JSON
// file all take their settings through this one function.
struct StoredSettings {
    DeviceConfig config;
    std::vector<FieldRewrite> rewrites;
    std::vector<SettingsFinding> refusals;
    std::vector<SettingsFinding> warnings;
    [[nodiscard]] bool accepted() const { return refusals.empty(); }
};
[[nodiscard]] StoredSettings settingsAsStored(const DeviceConfig& typed, const EditorSettings& editor = {});

// "I2 tabINPNazev: message", "tabPIN: message": one finding as every tool lists it.
[[nodiscard]] QString findingText(const SettingsFinding& finding);
// findingText of each, one per line, each ending in '\n'.
[[nodiscard]] QString findingsText(const std::vector<SettingsFinding>& findings);

// "T1 tabTC: '0602909909' → '+420602909909'", "tabDobaPlatnostiSMS: '45' → '30'".
[[nodiscard]] QString rewriteText(const FieldRewrite& rewrite);

// Message for a text over its field's typing limit.
[[nodiscard]] QString tooLongMessage(int length, int maxLength);

} // namespace torval
