#include "ui/AnalogDialogLogic.h"
#include "model/SettingsDocument.h"
#include "support/UserFakes.h"

#include <gtest/gtest.h>

using namespace torval;
using test::FakePrompts;
using T = AnalogDialogLogic::Text;
using F = AnalogDialogLogic::Flag;

namespace {

const QString kLevelsMessage = QStringLiteral("Hodnoty CL1, HCL1, CL2, HCL2 jsou chybně zadány.");

struct AnalogFixture : ::testing::Test {
    SettingsDocument doc;
    FakePrompts prompts;
    AnalogDialogLogic logic{doc, prompts};

    void configure(bool powerSaving, std::uint8_t mask0)
    {
        DeviceConfig c = doc.config();
        c.opEnablePS1 = powerSaving;
        c.eeMaskAInAlarm[0] = mask0;
        doc.assignAll(c);
    }
    void levels(const char* cl1, const char* hcl1, const char* cl2, const char* hcl2)
    {
        logic.setText(T::CL1Level, cl1);
        logic.setText(T::HCL1Level, hcl1);
        logic.setText(T::CL2Level, cl2);
        logic.setText(T::HCL2Level, hcl2);
    }
};

} // namespace

TEST_F(AnalogFixture, BatteryInputHasItsCaptionAndScale)
{
    logic.open(7);
    EXPECT_EQ(logic.caption(), QStringLiteral("Analogový vstup BAT"));
    EXPECT_EQ(logic.scale().unit, "V");
    EXPECT_EQ(logic.scale().max, 27.0);
    logic.open(0);
    EXPECT_EQ(logic.caption(), QStringLiteral("Analogový vstup A1"));
}

TEST_F(AnalogFixture, LeavingLevelsAndHysteresesShowsWhatTheStationStores)
{
    struct Case {
        T field;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {T::CL1Level, "150", "100"},
        {T::CL1Level, "12,34", "12,2"},
        {T::CL2Level, "20", "20"},
        {T::CL2Level, "-5", "0"},
        {T::CL1Level, "abc", "0"},
        {T::HCL1Level, "2", "2"},
        // Half the span is the widest band: 50 is stored as byte 127, read back as 49,8.
        {T::HCL2Level, "150", "49,8"},
        {T::HCL1Level, "x", "0"},
    };
    logic.open(0);
    for (const Case& k : cases) {
        logic.setText(k.field, k.typed);
        EXPECT_TRUE(logic.leave(k.field));
        EXPECT_EQ(logic.text(k.field), k.shown) << k.typed;
    }
    EXPECT_TRUE(prompts.all.empty());
}

TEST_F(AnalogFixture, TextsAreCheckedWithTheTextSet)
{
    logic.open(1);
    logic.setText(T::StateH, QStringLiteral("vysoká"));
    EXPECT_FALSE(logic.leave(T::StateH));
    ASSERT_EQ(prompts.all.size(), 1u);
    EXPECT_TRUE(prompts.all[0].text.startsWith(QStringLiteral("Text může obsahovat pouze tyto znaky:  !#$")));
    EXPECT_EQ(logic.text(T::StateH), QStringLiteral("vysoká"));
    logic.setText(T::CL2Dn, "Teplota {klesla} ~ 5%");
    EXPECT_TRUE(logic.leave(T::CL2Dn));
    logic.cancel();
    logic.setText(T::Nazev, "\"");
    EXPECT_TRUE(logic.leave(T::Nazev));
    EXPECT_EQ(prompts.all.size(), 1u);
}

TEST_F(AnalogFixture, OkChecksTheLevels)
{
    struct Case {
        const char *cl1, *hcl1, *cl2, *hcl2;
        bool accepted;
    };
    const Case cases[] = {
        {"20", "2", "80", "2", true},    {"20", "20", "80", "2", true},  {"20", "40", "80", "2", false},
        {"40", "20", "60", "20", false}, {"40", "20", "80", "20", true}, {"40", "10", "60", "11", false},
        {"90", "2", "80", "2", false},
    };
    for (const Case& k : cases) {
        prompts.clear();
        logic.open(0);
        levels(k.cl1, k.hcl1, k.cl2, k.hcl2);
        EXPECT_EQ(logic.ok(), k.accepted) << k.cl1 << " " << k.hcl1 << " " << k.cl2 << " " << k.hcl2;
        if (k.accepted) {
            EXPECT_TRUE(prompts.all.empty());
        } else {
            ASSERT_EQ(prompts.all.size(), 1u);
            EXPECT_EQ(prompts.all[0].text, kLevelsMessage);
            EXPECT_EQ(prompts.all[0].icon, Icon::Error);
        }
    }
}

TEST_F(AnalogFixture, RefusedOkCopiesNothingUntilCorrected)
{
    logic.open(0);
    levels("40", "20", "60", "20");
    ASSERT_FALSE(logic.ok());
    EXPECT_EQ(doc.config().tabAINCL1Level[0], "0");
    logic.setText(T::CL2Level, "80");
    ASSERT_TRUE(logic.ok());
    logic.finish();
    EXPECT_EQ(doc.config().tabAINCL1Level[0], "40");
    EXPECT_EQ(doc.config().tabAINCL2Level[0], "80");
}

TEST_F(AnalogFixture, SendImmediatelyBoxesFollowTheirReportsAndPowerSaving)
{
    configure(true, 0x00);
    doc.setFlag(field(FieldId::tabAINCL1UpEvent), 0, true);
    doc.setFlag(field(FieldId::tabAINCL2DnEvent), 0, true);
    logic.open(0);
    EXPECT_TRUE(logic.alarmEnabled(F::AlarmCL1Up));
    EXPECT_FALSE(logic.alarmEnabled(F::AlarmCL1Down));
    EXPECT_FALSE(logic.alarmEnabled(F::AlarmCL2Up));
    EXPECT_TRUE(logic.alarmEnabled(F::AlarmCL2Down));
    logic.setFlag(F::CL2UpEvent, true);
    EXPECT_TRUE(logic.alarmEnabled(F::AlarmCL2Up));

    configure(false, 0x00);
    logic.open(0);
    for (F f : {F::AlarmCL1Up, F::AlarmCL1Down, F::AlarmCL2Up, F::AlarmCL2Down})
        EXPECT_FALSE(logic.alarmEnabled(f));
}

TEST_F(AnalogFixture, DisabledBoxKeepsItsTickAndHighBitsSurvive)
{
    configure(true, 0xA2); // bits 4..7 belong to the firmware; bit 1 = CL1 down
    doc.setFlag(field(FieldId::tabAINCL1UpEvent), 0, true);
    logic.open(0);
    EXPECT_TRUE(logic.flag(F::AlarmCL1Down));
    EXPECT_FALSE(logic.flag(F::AlarmCL1Up));
    logic.setFlag(F::AlarmCL1Up, true);
    logic.setFlag(F::CL1UpEvent, false); // "Hlásit přechod nahoru přes CL1" unticked
    EXPECT_FALSE(logic.alarmEnabled(F::AlarmCL1Up));
    EXPECT_TRUE(logic.flag(F::AlarmCL1Up));
    logic.setFlag(F::AlarmCL2Down, true);
    ASSERT_TRUE(logic.ok());
    logic.finish();
    EXPECT_EQ(doc.config().eeMaskAInAlarm[0], 0xAB);
    EXPECT_FALSE(doc.config().tabAINCL1UpEvent[0]);
}

TEST_F(AnalogFixture, StornoLeavesRowAndMaskUnchanged)
{
    configure(true, 0x5F);
    const DeviceConfig before = doc.config();
    logic.open(0);
    levels("10", "1", "90", "1");
    logic.setText(T::Nazev, "TLAK");
    logic.setFlag(F::Neg, true);
    logic.setFlag(F::AlarmCL1Up, false);
    logic.cancel();
    logic.finish();
    EXPECT_TRUE(doc.config() == before);
}

TEST_F(AnalogFixture, OkCopiesEveryFieldOfTheRow)
{
    logic.open(7);
    const QString texts[] = {"BATERIE", "slaba", "ok",    "plna",   "10",     "1",
                             "20",      "1",     "roste", "klesla", "nabita", "vybiji"};
    for (int i = 0; i < AnalogDialogLogic::kTextCount; ++i)
        logic.setText(static_cast<T>(i), texts[i]);
    logic.setFlag(F::Prc, true);
    logic.setFlag(F::Zpr, true);
    logic.setFlag(F::CL1DnEvent, true);
    ASSERT_TRUE(logic.ok());
    logic.finish();
    const DeviceConfig& c = doc.config();
    EXPECT_EQ(c.tabAINNazev[7], "BATERIE");
    EXPECT_EQ(c.tabAINStateL[7], "slaba");
    EXPECT_EQ(c.tabAINStateH[7], "plna");
    EXPECT_EQ(c.tabAINHCL2Level[7], "1");
    EXPECT_EQ(c.tabAINCL2Up[7], "nabita");
    EXPECT_EQ(c.tabAINCL2Dn[7], "vybiji");
    EXPECT_TRUE(c.tabAINPrc[7]);
    EXPECT_TRUE(c.tabAINZpr[7]);
    EXPECT_TRUE(c.tabAINCL1DnEvent[7]);
    // The BAT input's CL1-down text is also the battery-low report.
    EXPECT_EQ(c.tabAINCL1Dn[7], "klesla");
    EXPECT_EQ(c.rtBattLow, "klesla");
}
