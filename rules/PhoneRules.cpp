#include "rules/PhoneRules.h"

namespace torval {

QString normalizePhoneNumber(const QString& number, bool utoEnabled, const QString& utoText)
{
    if (!utoEnabled)
        return number;
    const bool plus = number.startsWith(QLatin1Char('+'));
    const bool doubleZero = number.startsWith(QLatin1String("00"));
    // An empty UTO text is the beginning of every number.
    const bool hasUto = number.left(utoText.size()) == utoText;
    if (!plus && !doubleZero && !hasUto) {
        QString local = number;
        if (local.startsWith(QLatin1Char('0')))
            local.remove(0, 1);
        return utoText + local;
    }
    if (!plus && doubleZero)
        return QLatin1Char('+') + number.mid(2);
    return number;
}

QString normalizePhoneNumber(const QString& number, const EditorSettings& uto)
{
    return normalizePhoneNumber(number, uto.tabUTOEnable, uto.tabUTO);
}

PhoneRightsCheck checkPhoneNumberRights(const QString& number, bool prijem, bool udalost, bool suppressFieldChecks)
{
    PhoneRightsCheck r;
    if (suppressFieldChecks || !number.isEmpty())
        return r;
    if (prijem) {
        r.clearPrijem = true;
        r.warnings << kPhoneRightsPrijemWarning;
    }
    if (udalost) {
        r.clearUdalost = true;
        r.warnings << kPhoneRightsUdalostWarning;
    }
    return r;
}

} // namespace torval
