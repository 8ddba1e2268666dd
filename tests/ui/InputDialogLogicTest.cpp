#include "ui/InputDialogLogic.h"
#include "model/SettingsDocument.h"
#include "support/UserFakes.h"

#include <gtest/gtest.h>

using namespace torval;
using test::FakePrompts;
using T = InputDialogLogic::Text;
using F = InputDialogLogic::Flag;

namespace {

struct InputFixture : ::testing::Test {
    SettingsDocument doc;
    FakePrompts prompts;
    InputDialogLogic logic{doc, prompts};

    void powerSaving(bool on)
    {
        DeviceConfig c = doc.config();
        c.opEnablePS1 = on;
        doc.assignAll(c);
    }
};

} // namespace

TEST_F(InputFixture, CopiesTheRowAndBothFlagsIn)
{
    doc.setText(field(FieldId::tabINPNazev), 3, "DVERE");
    doc.setText(field(FieldId::tabINPZap), 3, "OTEVRENO");
    doc.setText(field(FieldId::tabINPHL), 3, "zavreno");
    doc.setFlag(field(FieldId::tabINPNeg), 3, true);
    doc.setFlag(field(FieldId::eeMaskDInHLAlarm), 3, true);
    logic.open(3);
    EXPECT_EQ(logic.caption(), QStringLiteral("Vstup I4"));
    EXPECT_EQ(logic.text(T::Nazev), "DVERE");
    EXPECT_EQ(logic.text(T::Zap), "OTEVRENO");
    EXPECT_EQ(logic.text(T::HL), "zavreno");
    EXPECT_TRUE(logic.flag(F::Neg));
    EXPECT_TRUE(logic.flag(F::HLAlarm));
    EXPECT_FALSE(logic.flag(F::LHAlarm));
}

TEST_F(InputFixture, SendImmediatelyNeedsTheTransitionAndPowerSaving)
{
    struct Case {
        bool ps, lhEvent, hlEvent, lhEnabled, hlEnabled;
    };
    for (const Case& k : {Case{false, true, true, false, false}, Case{true, true, false, true, false},
                          Case{true, false, true, false, true}, Case{true, false, false, false, false}}) {
        powerSaving(k.ps);
        doc.setFlag(field(FieldId::tabINPLHEvent), 0, k.lhEvent);
        doc.setFlag(field(FieldId::tabINPHLEvent), 0, k.hlEvent);
        logic.open(0);
        EXPECT_EQ(logic.lhAlarmEnabled(), k.lhEnabled) << k.ps << k.lhEvent << k.hlEvent;
        EXPECT_EQ(logic.hlAlarmEnabled(), k.hlEnabled) << k.ps << k.lhEvent << k.hlEvent;
    }
}

TEST_F(InputFixture, DisabledBoxKeepsItsTickAndOkStoresIt)
{
    powerSaving(true);
    doc.setFlag(field(FieldId::tabINPLHEvent), 1, true);
    logic.open(1);
    EXPECT_TRUE(logic.lhAlarmEnabled());
    logic.setFlag(F::LHAlarm, true);
    logic.setFlag(F::LHEvent, false);
    EXPECT_FALSE(logic.lhAlarmEnabled());
    EXPECT_TRUE(logic.flag(F::LHAlarm));
    logic.ok();
    logic.finish();
    EXPECT_TRUE(doc.config().eeMaskDInLHAlarm[1]);
    EXPECT_FALSE(doc.config().tabINPLHEvent[1]);
    logic.open(1);
    EXPECT_TRUE(logic.flag(F::LHAlarm));
}

TEST_F(InputFixture, StornoLeavesRowAndFlagsUnchanged)
{
    doc.setText(field(FieldId::tabINPNazev), 2, "A");
    const DeviceConfig before = doc.config();
    logic.open(2);
    logic.setText(T::Nazev, "B");
    logic.setText(T::LH, "x");
    logic.setFlag(F::Zpr, true);
    logic.setFlag(F::LHAlarm, true);
    logic.setFlag(F::HLAlarm, true);
    logic.cancel();
    logic.finish();
    EXPECT_TRUE(doc.config() == before);
}

TEST_F(InputFixture, DialogRulesWithTheirMessages)
{
    struct Case {
        T field;
        const char* text;
        const char* zap; // partner texts
        const char* vyp;
        QString messageStart; // empty: passes
    };
    const Case cases[] = {
        {T::Nazev, "st", "", "",
         QStringLiteral("Název vstupu nesmí být žádné z těchto klíčových slov (ani jejich předpony): STATE;")},
        {T::Nazev, "Čerpadlo", "", "", QStringLiteral("Název vstupu může obsahovat pouze tyto znaky: ")},
        {T::Nazev, "STAVY", "", "", {}},
        {T::Vyp, "zap", "ZAP", "zap", QStringLiteral("Název 'Vypnuto' nesmí být stejný jako název 'Zapnuto'.")},
        {T::Zap, "ON", "ON", "on", QStringLiteral("Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'.")},
        {T::LH, "a~b", "", "", QStringLiteral("Název přechodu '0->1' může obsahovat pouze tyto znaky: ")},
        {T::HL, "a\"b", "", "", QStringLiteral("Název přechodu '1->0' může obsahovat pouze tyto znaky: ")},
        {T::HL, "klid", "", "", {}},
    };
    for (const Case& k : cases) {
        doc.setSuppressFieldChecks(false);
        prompts.clear();
        logic.open(0);
        logic.setText(T::Zap, k.zap);
        logic.setText(T::Vyp, k.vyp);
        logic.setText(k.field, k.text);
        const bool passed = logic.leave(k.field);
        EXPECT_EQ(passed, k.messageStart.isEmpty()) << k.text;
        EXPECT_EQ(logic.text(k.field), k.text);
        if (!k.messageStart.isEmpty()) {
            ASSERT_EQ(prompts.all.size(), 1u) << k.text;
            EXPECT_TRUE(prompts.all[0].text.startsWith(k.messageStart)) << prompts.all[0].text.toStdString();
            EXPECT_EQ(prompts.all[0].icon, Icon::Error);
        } else {
            EXPECT_TRUE(prompts.all.empty()) << k.text;
        }
    }
}

TEST_F(InputFixture, StatePairMessageIsNotRepeatedByThePartner)
{
    logic.open(0);
    logic.setText(T::Zap, "zap");
    logic.setText(T::Vyp, "ZAP");
    EXPECT_FALSE(logic.leave(T::Vyp));
    EXPECT_TRUE(doc.suppressFieldChecks());
    // The focus goes back into INPVyp, so INPZap is left with the same clash.
    EXPECT_TRUE(logic.leave(T::Zap));
    EXPECT_EQ(prompts.all.size(), 1u);
    EXPECT_FALSE(doc.suppressFieldChecks());
}

TEST_F(InputFixture, NoChecksAfterCancel)
{
    logic.open(0);
    logic.setText(T::Nazev, "st");
    logic.cancel();
    EXPECT_TRUE(logic.leave(T::Nazev));
    EXPECT_TRUE(prompts.all.empty());
}

TEST_F(InputFixture, OkCopiesTextsFlagsAndRejectedTextsAsTheyAre)
{
    logic.open(6);
    logic.setText(T::Nazev, "st");
    EXPECT_FALSE(logic.leave(T::Nazev));
    logic.setText(T::Vyp, "KLID");
    logic.setFlag(F::HLEvent, true);
    logic.setFlag(F::HLAlarm, true);
    logic.ok();
    logic.finish();
    EXPECT_EQ(doc.config().tabINPNazev[6], "st");
    EXPECT_EQ(doc.config().tabINPVyp[6], "KLID");
    EXPECT_TRUE(doc.config().tabINPHLEvent[6]);
    EXPECT_TRUE(doc.config().eeMaskDInHLAlarm[6]);
    EXPECT_FALSE(doc.config().eeMaskDInHLAlarm[5]);
}
