#pragma once
// Telephone numbers: the automatic international prefix ("UTO") and the rule
// that a row without a number has no rights.

#include "model/DeviceConfig.h"
#include "rules/RuleText.h"

#include <QString>
#include <QStringList>

namespace torval {

// Applies the UTO rule to a non-empty number that passed PhoneChars:
// "0n" and "n" get the UTO text in front (one leading 0 dropped), "00n"
// becomes "+n", a number starting with "+" or with the UTO text stays. With
// the switch off the number is returned unchanged.
[[nodiscard]] QString normalizePhoneNumber(const QString& number, const EditorSettings& uto);
[[nodiscard]] QString normalizePhoneNumber(const QString& number, bool utoEnabled, const QString& utoText);

inline constexpr RuleText kPhoneRightsPrijemWarning{
    "PhoneRules",
    QT_TRANSLATE_NOOP("PhoneRules",
                      "Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Příjem' nezaškrtnuté.")};
inline constexpr RuleText kPhoneRightsUdalostWarning{
    "PhoneRules",
    QT_TRANSLATE_NOOP("PhoneRules",
                      "Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Události' nezaškrtnuté.")};

// What CheckPhoneNumberRights asks of the window: which boxes to untick and
// the warnings (warning icon) to show, in this order.
struct PhoneRightsCheck {
    bool clearPrijem = false;
    bool clearUdalost = false;
    QStringList warnings;
    [[nodiscard]] bool passed() const { return warnings.isEmpty(); }
};

// Does nothing while `suppressFieldChecks` is set (a decoded image is being
// filled in, and its numbers may arrive after their rights).
[[nodiscard]] PhoneRightsCheck checkPhoneNumberRights(const QString& number, bool prijem, bool udalost,
                                                      bool suppressFieldChecks);

} // namespace torval
