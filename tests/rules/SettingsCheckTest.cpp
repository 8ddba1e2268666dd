#include "rules/SettingsCheck.h"

#include "rules/CharacterSets.h"
#include "rules/FieldRules.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace torval {
namespace {

QStringList lines(const std::vector<SettingsFinding>& findings)
{
    QStringList out;
    for (const auto& f : findings)
        out << f.label + QStringLiteral(" ") + (f.field ? QString::fromLatin1(f.field->name) : QString())
                + QStringLiteral(": ") + f.message;
    return out;
}

TEST(SettingsCheck, DefaultsPass)
{
    EXPECT_TRUE(checkSettings(DeviceConfig{}).empty())
        << lines(checkSettings(DeviceConfig{})).join(u'\n').toStdString();
}

TEST(SettingsCheck, ReportsEveryRejectedFieldOnItsOwn)
{
    DeviceConfig c;
    c.tabPIN = QStringLiteral("12a");
    c.tabINPZap[1] = QStringLiteral("ZAP");
    c.tabINPVyp[1] = QStringLiteral("zap");        // both partners report: no latch between fields here
    c.tabOUTNazev[6] = QStringLiteral("x y");      // a hidden output row is still stored and checked
    c.tabTCPrijem[4] = true;                       // right without a number: unticked, never refused
    c.tabCITNazev[1] = QString(101, u'a');         // over the typing limit
    c.tabAINHCL1Level[7] = QStringLiteral("5");    // BAT 0..27: CL1 0 - 5 is below the range: a warning
    c.tabDobaPlatnostiSMS = QStringLiteral("45");  // only rewritten, never reported
    c.tabJmenoStanice = QStringLiteral("Vrt → 7"); // outside the station's code page
    c.rtPowerUp = QStringLiteral("Ω");
    c.tabINPLH[0] = QStringLiteral("Zap 🙂");
    c.tabAINNazev[5] = QStringLiteral("Čerpadlo"); // in the code page, but not a text character

    const auto f = checkSettings(c);
    const QStringList got = lines(f);
    const QStringList expected = {
        QStringLiteral("tabJmenoStanice tabJmenoStanice: ")
            + outsideCodePageMessage(QStringLiteral("Název stanice"), QStringLiteral("→")),
        QStringLiteral("tabPIN tabPIN: PIN je špatně zadán."),
        QStringLiteral("rtPowerUp rtPowerUp: ")
            + outsideCodePageMessage(QStringLiteral("Síťové napájení: text hlášení při zapnutí"), QStringLiteral("Ω")),
        QStringLiteral("I2 tabINPVyp: Název 'Vypnuto' nesmí být stejný jako název 'Zapnuto'."),
        QStringLiteral("I2 tabINPZap: Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'."),
        QStringLiteral("I1 tabINPLH: ")
            + outsideCodePageMessage(QStringLiteral("I1 Text zprávy při přechodu 0->1"), QStringLiteral("🙂")),
        QStringLiteral("O7 tabOUTNazev: Název výstupu může obsahovat pouze tyto znaky: "
                       "_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"),
        QStringLiteral("A6 tabAINNazev: Text může obsahovat pouze tyto znaky: ") + TextChars.toString(),
        QStringLiteral("C2 tabCITNazev: ") + tooLongMessage(101, 100),
    };
    EXPECT_EQ(got, expected) << got.join(u'\n').toStdString();
    EXPECT_EQ(lines(settingsWarnings(c)),
              QStringList{QStringLiteral("BAT : Hodnoty CL1, HCL1, CL2, HCL2 jsou chybně zadány.")});
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

// What the editor would store, field by field: the command line's import,
// check and provision run every setting through these rewrites.
TEST(SettingsCheck, RewritesAreAppliedAndListedAsTheEditorWould)
{
    DeviceConfig c;
    struct Case {
        const char* field;
        int index;
        const char* typed;
        const char* stored; // nullptr: stored as typed
    };
    const Case cases[] = {
        {"tabDobaPlatnostiSMS", 0, "45", "30"},
        {"eePSOnH", 0, "0", nullptr},
        {"eePSOnM", 0, "0", "5"},  // no hours: at least 5 minutes
        {"eePSOffH", 0, "1", "2"}, // whole hours carried out of the minutes
        {"eePSOffM", 0, "75", "15"},
        {"tabTC", 0, "0602909909", "+420602909909"},
        {"tabTC", 1, "00", nullptr},               // becomes "+", which is refused: left for check to report
        {"tabTCcentra", 0, "0602909909", nullptr}, // the service centre never takes the UTO prefix
        {"tabAINCL1Level", 2, "150", "100"},
        {"tabAINHCL1Level", 3, "12.37", "12,3"},
        {"tabOUTimpulsLEN", 0, "30", "25,5"},
        {"tabPIN", 0, "12a4", nullptr}, // rejected, not rewritten
    };
    for (const Case& k : cases)
        const_cast<QString&>(textOf(c, *findField(k.field), k.index)) = QString::fromUtf8(k.typed);

    QStringList listed;
    for (const FieldRewrite& r : applyFieldRewrites(c))
        listed << rewriteText(r);
    EXPECT_EQ(listed,
              QStringList({
                  QStringLiteral("eePSOnM: '0' → '5'"),
                  QStringLiteral("eePSOffM: '75' → '15'"),
                  QStringLiteral("eePSOffH: '1' → '2'"),
                  QStringLiteral("tabDobaPlatnostiSMS: '45' → '30'"),
                  QStringLiteral("O1 tabOUTimpulsLEN: '30' → '25,5'"),
                  QStringLiteral("A3 tabAINCL1Level: '150' → '100'"),
                  QStringLiteral("A4 tabAINHCL1Level: '12.37' → '12,3'"),
                  QStringLiteral("T1 tabTC: '0602909909' → '+420602909909'"),
              }))
        << listed.join(u'\n').toStdString();
    for (const Case& k : cases)
        EXPECT_EQ(textOf(c, *findField(k.field), k.index), QString::fromUtf8(k.stored ? k.stored : k.typed))
            << k.field << "[" << k.index << "]";
    EXPECT_TRUE(applyFieldRewrites(c).empty()) << "a second pass finds nothing left to rewrite";

    const QStringList findings = lines(checkSettings(c));
    EXPECT_TRUE(findings.contains(QStringLiteral("T2 tabTC: Telefonní číslo je špatně zadáno.")));
    EXPECT_TRUE(findings.contains(QStringLiteral("tabPIN tabPIN: PIN je špatně zadán.")));
}

TEST(SettingsCheck, TooLongTextsCountTheirCharactersInCzech)
{
    const std::pair<int, const char*> cases[] = {{1, "1 znak,"},  {2, "2 znaky,"},   {4, "4 znaky,"},
                                                 {5, "5 znaků,"}, {22, "22 znaků,"}, {101, "101 znaků,"}};
    for (const auto& [n, words] : cases)
        EXPECT_TRUE(tooLongMessage(n, 0).contains(QStringLiteral("má ") + QString::fromUtf8(words)))
            << tooLongMessage(n, 0).toStdString();
}

} // namespace
} // namespace torval
