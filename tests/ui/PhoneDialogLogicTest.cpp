#include "ui/PhoneDialogLogic.h"
#include "model/SettingsDocument.h"
#include "support/UserFakes.h"

#include <gtest/gtest.h>

using namespace torval;
using test::FakePrompts;

namespace {

const QString kPrijem =
    QStringLiteral("Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Příjem' nezaškrtnuté.");
const QString kUdalost =
    QStringLiteral("Pokud není zadáno telefonní číslo musí být zaškrtávací pole 'Události' nezaškrtnuté.");

struct PhoneFixture : ::testing::Test {
    SettingsDocument doc;
    FakePrompts prompts;
    PhoneDialogLogic logic{doc, prompts};

    void setRow(int row, const QString& number, bool prijem, bool udalost)
    {
        doc.setText(field(FieldId::tabTC), row, number);
        doc.setFlag(field(FieldId::tabTCPrijem), row, prijem);
        doc.setFlag(field(FieldId::tabTCUdalost), row, udalost);
    }
};

} // namespace

TEST_F(PhoneFixture, OpensWithTheRowAndItsLabel)
{
    setRow(2, "+420602111222", true, false);
    logic.open(2);
    EXPECT_EQ(logic.caption(), QStringLiteral("Telefonní číslo T3"));
    EXPECT_EQ(logic.number(), "+420602111222");
    EXPECT_TRUE(logic.receive());
    EXPECT_FALSE(logic.events());
    EXPECT_FALSE(logic.cancelRequested());
}

TEST_F(PhoneFixture, LeavingTheNumberAppliesUtoAndOkCopiesIt)
{
    logic.open(0);
    logic.setNumber("0602111222");
    EXPECT_TRUE(logic.leaveNumber());
    EXPECT_EQ(logic.number(), "+420602111222");
    logic.setReceive(true);
    logic.ok();
    logic.finish();
    EXPECT_EQ(doc.config().tabTC[0], "+420602111222");
    EXPECT_TRUE(doc.config().tabTCPrijem[0]);
    EXPECT_TRUE(prompts.all.empty());
}

TEST_F(PhoneFixture, BadNumberIsRejectedAndKeptAsTyped)
{
    logic.open(1);
    for (const char* bad : {"602 111 222", "602-111", "abc"}) {
        prompts.clear();
        logic.setNumber(bad);
        EXPECT_FALSE(logic.leaveNumber()) << bad;
        EXPECT_EQ(logic.number(), bad);
        ASSERT_EQ(prompts.all.size(), 1u);
        EXPECT_EQ(prompts.all[0].text, QStringLiteral("Telefonní číslo je špatně zadáno."));
        EXPECT_EQ(prompts.all[0].icon, Icon::Error);
    }
    // Whatever the field holds at OK goes into the row.
    logic.ok();
    logic.finish();
    EXPECT_EQ(doc.config().tabTC[1], "abc");
}

TEST_F(PhoneFixture, NothingIsCheckedOnceCancelled)
{
    logic.open(1);
    logic.setNumber("x");
    logic.cancel();
    EXPECT_TRUE(logic.leaveNumber());
    EXPECT_TRUE(prompts.all.empty());
}

TEST_F(PhoneFixture, StornoLeavesTheRowButStillChecksItsRights)
{
    setRow(3, "", true, true);
    logic.open(3);
    logic.setNumber("602111222");
    logic.setReceive(false);
    logic.cancel();
    logic.finish();
    EXPECT_EQ(doc.config().tabTC[3], "");
    EXPECT_FALSE(doc.config().tabTCPrijem[3]);
    EXPECT_FALSE(doc.config().tabTCUdalost[3]);
    ASSERT_EQ(prompts.all.size(), 2u);
    EXPECT_EQ(prompts.all[0].text, kPrijem);
    EXPECT_EQ(prompts.all[1].text, kUdalost);
    EXPECT_EQ(prompts.all[0].icon, Icon::Warning);
}

TEST_F(PhoneFixture, ClearingTheNumberAndOkUnticksBothRightsWithOneWarningEach)
{
    setRow(4, "+420602111222", true, true);
    logic.open(4);
    logic.setNumber("");
    EXPECT_TRUE(logic.leaveNumber());
    logic.ok();
    logic.finish();
    EXPECT_EQ(doc.config().tabTC[4], "");
    EXPECT_FALSE(doc.config().tabTCPrijem[4]);
    EXPECT_FALSE(doc.config().tabTCUdalost[4]);
    ASSERT_EQ(prompts.all.size(), 2u);
    EXPECT_EQ(prompts.all[0].text, kPrijem);
    EXPECT_EQ(prompts.all[1].text, kUdalost);
}

TEST_F(PhoneFixture, StornoOnARowWithANumberSaysNothing)
{
    setRow(5, "+420602111222", true, true);
    logic.open(5);
    logic.setNumber("");
    logic.cancel();
    logic.finish();
    EXPECT_EQ(doc.config().tabTC[5], "+420602111222");
    EXPECT_TRUE(doc.config().tabTCPrijem[5]);
    EXPECT_TRUE(prompts.all.empty());
}

TEST_F(PhoneFixture, ReopeningForgetsAnEarlierUse)
{
    setRow(0, "+4201", false, false);
    logic.open(0);
    logic.setNumber("999");
    logic.setEvents(true);
    logic.cancel();
    logic.finish();
    logic.open(0);
    EXPECT_EQ(logic.number(), "+4201");
    EXPECT_FALSE(logic.events());
    EXPECT_FALSE(logic.cancelRequested());
}
