#pragma once
// Leaving a text field of an edit dialog: the field's rule with the shared
// latch of the settings document, the rejection message, and the rewrite.

#include "rules/FieldRules.h"

#include <QString>

namespace torval {

class Prompts;
class SettingsDocument;

// Runs `rule` on `text` (partners in the rule's order). On a pass `text`
// takes the rule's rewrite and true is returned; on a rejection the message
// is shown with the error icon, `text` stays as typed and false is returned
// (the caller puts the focus back).
[[nodiscard]] bool leaveDialogField(SettingsDocument& doc, Prompts& prompts, RuleId rule, QString& text,
                                    const QString& partner0 = {}, const QString& partner1 = {});

// The field definition of the settings table by name (the names are the
// table's own, so a miss is a programming error caught by the tests).
const FieldDef& dialogField(const char* name);

} // namespace torval
