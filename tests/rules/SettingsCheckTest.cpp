#include "rules/SettingsCheck.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace torval {
namespace {

QStringList lines(const std::vector<SettingsFinding>& findings)
{
    QStringList out;
    for (const auto& f : findings)
        out << f.label + QStringLiteral(" ") + (f.field ? QString::fromLatin1(f.field->name) : QString()) + QStringLiteral(": ")
                + f.message;
    return out;
}

TEST(SettingsCheck, DefaultsPass)
{
    EXPECT_TRUE(checkSettings(DeviceConfig{}).empty()) << lines(checkSettings(DeviceConfig{})).join(u'\n').toStdString();
}

TEST(SettingsCheck, ReportsEveryRejectedFieldOnItsOwn)
{
    DeviceConfig c;
    c.tabPIN = QStringLiteral("12a");
    c.tabINPZap[1] = QStringLiteral("ZAP");
    c.tabINPVyp[1] = QStringLiteral("zap");   // both partners report: no latch between fields here
    c.tabOUTNazev[6] = QStringLiteral("x y"); // a hidden output row is still stored and checked
    c.tabTCPrijem[4] = true;                  // right without a number
    c.tabCITNazev[1] = QString(101, u'a');    // over the typing limit
    c.tabAINHCL1Level[7] = QStringLiteral("5"); // BAT 0..27: CL1 0 - 5 is below the range
    c.tabDobaPlatnostiSMS = QStringLiteral("45"); // only rewritten, never reported

    const auto f = checkSettings(c);
    const QStringList got = lines(f);
    const QStringList expected = {
        QStringLiteral("tabPIN tabPIN: PIN je špatně zadán."),
        QStringLiteral("I2 tabINPVyp: Název 'Vypnuto' nesmí být stejný jako název 'Zapnuto'."),
        QStringLiteral("I2 tabINPZap: Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'."),
        QStringLiteral("O7 tabOUTNazev: Název výstupu může obsahovat pouze tyto znaky: "
                       "_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"),
        QStringLiteral("T5 tabTC: Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Příjem' nezaškrtnuté."),
        QStringLiteral("C2 tabCITNazev: ") + tooLongMessage(101, 100),
        QStringLiteral("BAT : Hodnoty CL1, HCL1, CL2, HCL2 jsou chybně zadány."),
    };
    EXPECT_EQ(got, expected) << got.join(u'\n').toStdString();
}

TEST(SettingsCheck, OutputCrossCheckComesLast)
{
    DeviceConfig c;
    c.tabOUTNazev[2] = QStringLiteral("SVET");
    c.tabOUTNazev[5] = QStringLiteral("SVETLO");
    c.tabOUTZap[3] = QStringLiteral("STAV"); // keyword: a field rule
    const auto f = checkSettings(c);
    ASSERT_EQ(f.size(), 2u) << lines(f).join(u'\n').toStdString();
    EXPECT_EQ(f[0].label, QStringLiteral("O4"));
    EXPECT_EQ(f[1].label, QStringLiteral("O3"));
    EXPECT_STREQ(f[1].field->name, "tabOUTNazev");
    EXPECT_TRUE(f[1].message.startsWith(QStringLiteral("Název výstupu 'O3' ")));
}

} // namespace
} // namespace torval
