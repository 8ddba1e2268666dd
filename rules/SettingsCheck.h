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
// latch), rights of rows without a number, analog inputs whose bands do not
// fit their scale, then the first failure of the output cross-check.
[[nodiscard]] std::vector<SettingsFinding> checkSettings(const DeviceConfig& config);

// A field the editor would rewrite when it is left.
struct FieldRewrite {
    const FieldDef* field = nullptr;
    int index = 0;
    QString before;
    QString after;
};

// Leaves every field in turn, in the order of the field table, exactly as the
// window does when a technician tabs through it, and writes the rewrites into
// `config`: numbers into their ranges, the power-save pairs carried and
// limited, telephone numbers with the UTO prefix. Rejected fields stay as
// they are (checkSettings reports them). One entry per changed field, from
// its first text to its last. The command line runs every imported setting
// through this, so it stores what the editor would store.
std::vector<FieldRewrite> applyFieldRewrites(DeviceConfig& config, const EditorSettings& editor = {});

// "T1 tabTC: '0602909909' → '+420602909909'", "tabDobaPlatnostiSMS: '45' → '30'".
[[nodiscard]] QString rewriteText(const FieldRewrite& rewrite);

// Message for a text over its field's typing limit.
[[nodiscard]] QString tooLongMessage(int length, int maxLength);

} // namespace torval
