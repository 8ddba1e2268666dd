#pragma once
// Leaving a text field of an edit dialog: the field's rule with the shared
// latch of the settings document, the rejection message, and the rewrite.

#include "model/ConfigFields.h"
#include "model/SettingsDocument.h"
#include "rules/FieldRules.h"

#include <QString>
#include <array>

namespace torval {

class Prompts;
class SettingsDocument;

// Runs `rule` on `text` (partners in the rule's order). On a pass `text`
// takes the rule's rewrite and true is returned; on a rejection the message
// is shown with the error icon, `text` stays as typed and false is returned
// (the caller puts the focus back).
[[nodiscard]] bool leaveDialogField(SettingsDocument& doc, Prompts& prompts, RuleId rule, QString& text,
                                    const QString& partner0 = {}, const QString& partner1 = {});

// A dialog's copies of one grid row: read from the settings when it opens,
// written back through the document (so the window's reactions run) on OK.
template <typename Value, std::size_t N>
void copyRowIn(const DeviceConfig& c, const std::array<FieldId, N>& fields, int row, std::array<Value, N>& out)
{
    for (std::size_t i = 0; i < N; ++i) {
        if constexpr (std::is_same_v<Value, bool>)
            out[i] = flagOf(c, field(fields[i]), row);
        else
            out[i] = textOf(c, field(fields[i]), row);
    }
}

template <typename Value, std::size_t N>
void copyRowBack(SettingsDocument& doc, const std::array<FieldId, N>& fields, int row,
                 const std::array<Value, N>& values, std::size_t skip = N)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (i == skip)
            continue;
        if constexpr (std::is_same_v<Value, bool>)
            doc.setFlag(field(fields[i]), row, values[i]);
        else
            doc.setText(field(fields[i]), row, values[i]);
    }
}

} // namespace torval
