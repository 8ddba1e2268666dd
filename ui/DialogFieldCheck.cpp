#include "ui/DialogFieldCheck.h"

#include "interact/Prompts.h"
#include "model/SettingsDocument.h"

namespace torval {

bool leaveDialogField(SettingsDocument& doc, Prompts& prompts, RuleId rule, QString& text, const QString& partner0,
                      const QString& partner1)
{
    bool latch = doc.suppressFieldChecks();
    const RuleResult r = applyRule(rule, RuleInput{text, {partner0, partner1}, doc.editor()}, latch);
    doc.setSuppressFieldChecks(latch);
    if (!r) {
        prompts.message(r.message, Icon::Error);
        return false;
    }
    text = r.text;
    return true;
}

} // namespace torval
