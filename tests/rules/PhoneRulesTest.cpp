#include "rules/PhoneRules.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace torval {
namespace {

TEST(PhoneRules, NormalizePhoneNumber)
{
    struct Case {
        const char* number;
        bool enabled;
        const char* uto;
        const char* expected;
    };
    const Case cases[] = {
        {"603123456", true, "+420", "+420603123456"},
        {"0603123456", true, "+420", "+420603123456"}, // one leading 0 goes
        {"00603123456", true, "+420", "+603123456"},   // 00 is the international prefix
        {"00420603123456", true, "+420", "+420603123456"},
        {"00", true, "+420", "+"},
        {"+49301234", true, "+420", "+49301234"}, // already international
        {"+420603123456", true, "+420", "+420603123456"},
        {"0603123456", false, "+420", "0603123456"}, // switch off: as typed
        {"00603", false, "+420", "00603"},
        {"0603", true, "", "0603"}, // empty UTO: only 00 changes
        {"00603", true, "", "+603"},
        {"0", true, "+420", "+420"},
        {"4", true, "+420", "+4204"}, // shorter than the UTO text
        {"1234", true, "12", "1234"}, // already begins with the UTO
    };
    for (const Case& c : cases)
        EXPECT_EQ(normalizePhoneNumber(QString::fromLatin1(c.number), c.enabled, QString::fromLatin1(c.uto)),
                  QString::fromLatin1(c.expected))
            << c.number << " uto=" << c.uto << " on=" << c.enabled;
}

TEST(PhoneRules, RightsOfARowWithoutNumber)
{
    const auto both = checkPhoneNumberRights({}, true, true, false);
    EXPECT_TRUE(both.clearPrijem);
    EXPECT_TRUE(both.clearUdalost);
    ASSERT_EQ(both.warnings.size(), 2);
    EXPECT_EQ(both.warnings[0],
              QStringLiteral("Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Příjem' nezaškrtnuté."));
    EXPECT_EQ(both.warnings[1],
              QStringLiteral("Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Události' nezaškrtnuté."));
    EXPECT_FALSE(both.passed());

    const auto events = checkPhoneNumberRights({}, false, true, false);
    EXPECT_FALSE(events.clearPrijem);
    EXPECT_TRUE(events.clearUdalost);
    EXPECT_EQ(events.warnings.size(), 1);

    EXPECT_TRUE(checkPhoneNumberRights({}, false, false, false).passed());
    EXPECT_TRUE(checkPhoneNumberRights(QStringLiteral("+420603"), true, true, false).passed());
    // While a decoded image fills the grid the numbers may come after their rights.
    const auto quiet = checkPhoneNumberRights({}, true, true, true);
    EXPECT_TRUE(quiet.passed());
    EXPECT_FALSE(quiet.clearPrijem || quiet.clearUdalost);
}

} // namespace
} // namespace torval
