#include "ui/OutputDialogLogic.h"
#include "model/SettingsDocument.h"
#include "support/UserFakes.h"

#include <gtest/gtest.h>

using namespace torval;
using test::FakePrompts;
using T = OutputDialogLogic::Text;
using F = OutputDialogLogic::Flag;
using Fn = OutputFunction;

namespace {

struct OutputFixture : ::testing::Test {
    SettingsDocument doc;
    FakePrompts prompts;
    OutputDialogLogic logic{doc, prompts};

    void setFunctionMask(std::uint8_t mask)
    {
        DeviceConfig c = doc.config();
        c.eeMaskDOutFnc = mask;
        doc.assignAll(c);
    }
};

} // namespace

TEST_F(OutputFixture, CaptionAndImpulseLengthOnlyForO1)
{
    doc.setText(field(FieldId::tabOUTimpulsLEN), 1, "7,5");
    logic.open(1);
    EXPECT_EQ(logic.caption(), QStringLiteral("Výstup O2"));
    EXPECT_FALSE(logic.impulseLengthShown());
    EXPECT_EQ(logic.text(T::ImpulsLen), "7,5");
    // A hidden length goes back unchanged even if something rewrote the copy.
    logic.setText(T::ImpulsLen, "1");
    logic.ok();
    logic.finish();
    EXPECT_EQ(doc.config().tabOUTimpulsLEN[1], "7,5");

    logic.open(0);
    EXPECT_TRUE(logic.impulseLengthShown());
}

TEST_F(OutputFixture, LeavingTheImpulseLengthRewritesIt)
{
    logic.open(0);
    const std::pair<const char*, const char*> cases[] = {
        {"30", "25,5"}, {"0", "0,1"}, {"2,57", "2,5"}, {"x", "0,1"}, {"12.5", "12,5"}};
    for (const auto& [typed, shown] : cases) {
        logic.setText(T::ImpulsLen, typed);
        EXPECT_TRUE(logic.leave(T::ImpulsLen));
        EXPECT_EQ(logic.text(T::ImpulsLen), shown) << typed;
    }
    EXPECT_TRUE(prompts.all.empty());
    logic.ok();
    logic.finish();
    EXPECT_EQ(doc.config().tabOUTimpulsLEN[0], "12,5");
}

TEST_F(OutputFixture, DialogRulesCheckEqualityNotPrefixes)
{
    struct Case {
        T field;
        const char* text;
        const char* zap;
        const char* vyp;
        QString messageStart;
    };
    const Case cases[] = {
        {T::Vyp, "zap", "ZAP", "", QStringLiteral("Název 'Vypnuto' nesmí být stejný jako název 'Zapnuto'.")},
        {T::Zap, "Off", "", "OFF", QStringLiteral("Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'.")},
        {T::Vyp, "ZAPNI", "ZAP", "", {}}, // a prefix is the window's business, not the dialog's
        {T::Impuls, "NO", "", "",
         QStringLiteral("Název 'impuls' nesmí být žádné z těchto klíčových slov (ani jejich předpony): ")},
        {T::Impuls, "ZAP", "ZAP", "", {}}, // no pair check for the impulse command
        {T::Impuls, "a b", "", "", QStringLiteral("Název 'Impuls' může obsahovat pouze tyto znaky: ")},
        {T::Nazev, "re", "", "",
         QStringLiteral("Název výstupu nesmí být žádné z těchto klíčových slov (ani jejich předpony): ")},
        {T::Zap, "ON-1", "", "", QStringLiteral("Název 'Zapnuto' může obsahovat pouze tyto znaky: ")},
        {T::Vyp, "nob", "", "",
         QStringLiteral("Název 'Vypnuto' nesmí být žádné z těchto klíčových slov (ani jejich předpony): ")},
    };
    for (const Case& k : cases) {
        doc.setSuppressFieldChecks(false);
        prompts.clear();
        logic.open(0);
        logic.setText(T::Zap, k.zap);
        logic.setText(T::Vyp, k.vyp);
        logic.setText(k.field, k.text);
        EXPECT_EQ(logic.leave(k.field), k.messageStart.isEmpty()) << k.text;
        if (k.messageStart.isEmpty()) {
            EXPECT_TRUE(prompts.all.empty()) << k.text;
        } else {
            ASSERT_EQ(prompts.all.size(), 1u) << k.text;
            EXPECT_TRUE(prompts.all[0].text.startsWith(k.messageStart)) << prompts.all[0].text.toStdString();
        }
    }
}

TEST_F(OutputFixture, StornoLeavesTheRowAndTheFunctionUnchanged)
{
    setFunctionMask(0x01);
    const DeviceConfig before = doc.config();
    logic.open(0);
    logic.setText(T::Nazev, "CERPADLO");
    logic.setFlag(F::Neg, true);
    logic.chooseFunction(Fn::Standard);
    logic.cancel();
    logic.finish();
    EXPECT_TRUE(doc.config() == before);
}

TEST_F(OutputFixture, FunctionIsSelectedFromTheSettingAndKeptWhenNotChosen)
{
    struct Case {
        std::uint8_t mask;
        int row;
        Fn shown;
    };
    for (const Case& k : {Case{0x03, 0, Fn::ModemState}, Case{0x03, 1, Fn::PowerSaveState}, Case{0x02, 0, Fn::Standard},
                          Case{0x01, 1, Fn::Standard}, Case{0xFF, 2, Fn::Standard}}) {
        setFunctionMask(k.mask);
        logic.open(k.row);
        EXPECT_EQ(logic.function(), k.shown) << int(k.mask) << " row " << k.row;
        logic.setText(T::Nazev, "X");
        logic.ok();
        logic.finish();
        EXPECT_EQ(doc.config().eeMaskDOutFnc, k.mask) << "an OK without a choice never drops a function";
    }
}

TEST_F(OutputFixture, ChoosingChangesOnlyTheOutputsOwnBit)
{
    struct Case {
        std::uint8_t before;
        int row;
        Fn choice;
        std::uint8_t after;
    };
    for (const Case& k : {Case{0xF0, 0, Fn::ModemState, 0xF1}, Case{0xF3, 0, Fn::Standard, 0xF2},
                          Case{0x01, 1, Fn::PowerSaveState, 0x03}, Case{0x03, 1, Fn::Standard, 0x01},
                          Case{0x00, 0, Fn::PowerSaveState, 0x00}, Case{0x00, 1, Fn::ModemState, 0x00}}) {
        setFunctionMask(k.before);
        logic.open(k.row);
        logic.chooseFunction(k.choice);
        logic.ok();
        logic.finish();
        EXPECT_EQ(doc.config().eeMaskDOutFnc, k.after) << int(k.before) << " row " << k.row;
    }
}

TEST_F(OutputFixture, FunctionOfferedForO1AndO2Only)
{
    logic.open(0);
    EXPECT_TRUE(logic.functionShown());
    EXPECT_TRUE(logic.functionAvailable(Fn::ModemState));
    EXPECT_FALSE(logic.functionAvailable(Fn::PowerSaveState));
    logic.open(1);
    EXPECT_FALSE(logic.functionAvailable(Fn::ModemState));
    EXPECT_TRUE(logic.functionAvailable(Fn::PowerSaveState));
    for (int row = 2; row < 8; ++row) {
        logic.open(row);
        EXPECT_FALSE(logic.functionShown()) << row;
    }
}

TEST_F(OutputFixture, OkCopiesTheRow)
{
    logic.open(3);
    logic.setText(T::Nazev, "SVETLO");
    logic.setText(T::Zap, "ROZSVIT");
    logic.setText(T::Vyp, "ZHASNI");
    logic.setText(T::Impuls, "BLIKNI");
    logic.setFlag(F::Zpr, true);
    logic.ok();
    logic.finish();
    const DeviceConfig& c = doc.config();
    EXPECT_EQ(c.tabOUTNazev[3], "SVETLO");
    EXPECT_EQ(c.tabOUTZap[3], "ROZSVIT");
    EXPECT_EQ(c.tabOUTVyp[3], "ZHASNI");
    EXPECT_EQ(c.tabOUTimpuls[3], "BLIKNI");
    EXPECT_TRUE(c.tabOUTZpr[3]);
    EXPECT_FALSE(c.tabOUTNeg[3]);
}
