#include "rules/FieldRules.h"
#include "rules/NumberRules.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace torval {
namespace {

// The texts as the station's documentation words them, copied from there.
const QString kText = QString::fromUtf16(
    uR"x( !#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]\^_`abcdefghijklmnopqrstuvwxyz{}|~)x");
const QString kName = QString::fromUtf16(
    uR"x( `!@#$%^&*()-_=+\|[{]};:',<.>/?0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ)x");
const QString kCommand = QStringLiteral("_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kKeywords = QStringLiteral("STATE;STAV;BACK;NOBACK;RESET;SHUTDOWN;NAME;ZPET;NEZPET;JMENO");

TEST(FieldRules, MessagesAreVerbatim)
{
    const QString onChars = QStringLiteral("Název 'Zapnuto' může obsahovat pouze tyto znaky: ") + kCommand;
    const QString offChars = QStringLiteral("Název 'Vypnuto' může obsahovat pouze tyto znaky: ") + kCommand;
    const QString onKw =
        QStringLiteral("Název 'Zapnuto' nesmí být žádné z těchto klíčových slov (ani jejich předpony): ") + kKeywords;
    const QString offKw =
        QStringLiteral("Název 'Vypnuto' nesmí být žádné z těchto klíčových slov (ani jejich předpony): ") + kKeywords;
    const QString onEq = QStringLiteral("Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'.");
    const QString offEq = QStringLiteral("Název 'Vypnuto' nesmí být stejný jako název 'Zapnuto'.");
    const QString impChars = QStringLiteral("Název 'Impuls' může obsahovat pouze tyto znaky: ") + kCommand;

    const std::pair<RuleId, QStringList> expected[] = {
        {RuleId::Text, {QStringLiteral("Text může obsahovat pouze tyto znaky: ") + kText}},
        {RuleId::InputName,
         {QStringLiteral("Název vstupu může obsahovat pouze tyto znaky: ") + kName,
          QStringLiteral("Název vstupu nesmí být žádné z těchto klíčových slov (ani jejich předpony): ") + kKeywords}},
        {RuleId::InputStateOn, {QStringLiteral("Název 'Zapnuto' může obsahovat pouze tyto znaky: ") + kName, onEq}},
        {RuleId::InputStateOff, {QStringLiteral("Název 'Vypnuto' může obsahovat pouze tyto znaky: ") + kName, offEq}},
        {RuleId::InputTransitionLH,
         {QStringLiteral("Název přechodu 'Neaktivní->Aktivní' může obsahovat pouze tyto znaky: ") + kName}},
        {RuleId::InputTransitionHL,
         {QStringLiteral("Název přechodu 'Aktivní->Neaktivní' může obsahovat pouze tyto znaky: ") + kName}},
        {RuleId::DialogInputTransitionLH,
         {QStringLiteral("Název přechodu '0->1' může obsahovat pouze tyto znaky: ") + kName}},
        {RuleId::DialogInputTransitionHL,
         {QStringLiteral("Název přechodu '1->0' může obsahovat pouze tyto znaky: ") + kName}},
        {RuleId::OutputName,
         {QStringLiteral("Název výstupu může obsahovat pouze tyto znaky: ") + kCommand,
          QStringLiteral("Název výstupu nesmí být žádné z těchto klíčových slov (ani jejich předpony): ") + kKeywords}},
        {RuleId::OutputOn,
         {onChars, QStringLiteral("Název 'Zapnuto' nesmí být prefixem názvu 'Vypnuto' ani naopak."),
          QStringLiteral("Název 'Zapnuto' nesmí být prefixem názvu 'Impuls' ani naopak."), onKw}},
        {RuleId::OutputOff,
         {offChars, QStringLiteral("Název 'Vypnuto' nesmí být prefixem názvu 'Zapnuto' ani naopak."),
          QStringLiteral("Název 'Vypnuto' nesmí být prefixem názvu 'Impuls' ani naopak."), offKw}},
        {RuleId::OutputImpulse,
         {impChars, QStringLiteral("Název 'Impuls' nesmí být prefixem názvu 'Vypnuto' ani naopak."),
          QStringLiteral("Název 'Impuls' nesmí být prefixem názvu 'Zapnuto' ani naopak."),
          QStringLiteral("Název 'Impuls' nesmí být žádné z těchto klíčových slov (ani jejich předpony): ")
              + kKeywords}},
        {RuleId::DialogOutputOn, {onChars, onEq, onKw}},
        {RuleId::DialogOutputOff, {offChars, offEq, offKw}},
        {RuleId::DialogOutputImpulse,
         {impChars,
          QStringLiteral("Název 'impuls' nesmí být žádné z těchto klíčových slov (ani jejich předpony): ")
              + kKeywords}},
        {RuleId::Phone, {QStringLiteral("Telefonní číslo je špatně zadáno.")}},
        {RuleId::ServiceCentre, {QStringLiteral("Telefonní číslo servisního centra je špatně zadáno.")}},
        {RuleId::Uto, {QStringLiteral("UTO je špatně zadáno.")}},
        {RuleId::Pin, {QStringLiteral("PIN je špatně zadán.")}},
        {RuleId::SmsValidity,
         {QStringLiteral("Doba platnosti SMS zprávy je špatně zadána. Povolená hodnota je číslo 1 až 30 včetně.")}},
        {RuleId::AnalogPercent, {QStringLiteral("Číslo je chybně zadáno.")}},
        {RuleId::None, {}},
        {RuleId::PowerSaveHours, {}},
        {RuleId::PowerSaveMinutes, {}},
        {RuleId::ImpulseLength, {}},
    };
    for (const auto& [rule, messages] : expected)
        EXPECT_EQ(ruleMessages(rule), messages) << int(rule);
}

RuleResult run(RuleId rule, const QString& text, const QString& p0 = {}, const QString& p1 = {})
{
    bool latch = false;
    return applyRule(rule, {text, {p0, p1}, {}}, latch);
}

TEST(FieldRules, ChecksRunInOrderAndStopAtTheFirstFailure)
{
    struct Case {
        RuleId rule;
        const char* text;
        const char* p0;
        const char* p1;
        int failingCheck; // index into ruleMessages, -1 = passes
    };
    const Case cases[] = {
        {RuleId::OutputOn, "ZAP", "zapni", "", 1},
        {RuleId::OutputOn, "ZAP", "VYP", "Zapnout", 2},
        {RuleId::OutputOn, "ST", "VYP", "IMP", 3},
        {RuleId::OutputOn, "ST AV", "S", "", 0}, // characters first
        {RuleId::OutputOn, "", "VYP", "IMP", -1},
        {RuleId::OutputOff, "VY", "ZAP", "VYPNI", 2},
        {RuleId::OutputImpulse, "IMP", "IM", "", 1},
        {RuleId::OutputImpulse, "IMP", "VYP", "IMPULS", 2},
        {RuleId::DialogOutputOn, "ZAP", "zap", "", 1},
        {RuleId::DialogOutputOn, "ZAP", "ZAPNI", "", -1}, // the dialog tests equality only
        {RuleId::DialogOutputOff, "stav", "ZAP", "", 2},
        {RuleId::DialogOutputImpulse, "NO", "", "", 1},
        {RuleId::InputStateOn, "ZAP", "zap", "", 1},
        {RuleId::InputStateOff, "", "", "", -1},
        {RuleId::InputStateOn, "Zap~", "", "", 0},
        {RuleId::InputName, "st", "", "", 1},
        {RuleId::InputName, "Čidlo", "", "", 0},
        {RuleId::OutputName, "Svetlo 1", "", "", 0},
        {RuleId::Text, "Porucha \"A\"", "", "", 0},
        {RuleId::Phone, "603 123", "", "", 0},
        {RuleId::Phone, "603-123", "", "", 0},
        {RuleId::Phone, "00", "", "", 0}, // becomes "+": a number needs a digit
        {RuleId::Phone, "+", "", "", 0},
        {RuleId::Phone, "+4", "", "", -1},
        {RuleId::ServiceCentre, "+", "", "", 0},
        {RuleId::Pin, "", "", "", -1},
        {RuleId::Pin, "12a", "", "", 0},
        {RuleId::SmsValidity, "", "", "", 0},
        {RuleId::SmsValidity, "3", "", "", -1},
        {RuleId::AnalogPercent, "", "", "", 0},
        {RuleId::AnalogPercent, "1-2", "", "", 0},
        {RuleId::AnalogPercent, "1x", "", "", 0},
        {RuleId::None, "Stanice \"Čerpadlo\" ~", "", "", -1},
    };
    for (const Case& c : cases) {
        const RuleResult r = run(c.rule, QString::fromUtf8(c.text), QString::fromUtf8(c.p0), QString::fromUtf8(c.p1));
        const QString where = QStringLiteral("rule %1 text %2").arg(int(c.rule)).arg(QString::fromUtf8(c.text));
        if (c.failingCheck < 0) {
            EXPECT_TRUE(r.passed) << where.toStdString() << ": " << r.message.toStdString();
        } else {
            EXPECT_FALSE(r.passed) << where.toStdString();
            EXPECT_EQ(r.message, ruleMessages(c.rule).value(c.failingCheck)) << where.toStdString();
        }
    }
}

TEST(FieldRules, RewritesAfterPassing)
{
    bool latch = false;
    EXPECT_EQ(applyRule(RuleId::Phone, {QStringLiteral("0603123456"), {}, EditorSettings{}}, latch).text,
              QStringLiteral("+420603123456"));
    EXPECT_EQ(
        applyRule(RuleId::Phone, {QStringLiteral("0603"), {}, EditorSettings{false, QStringLiteral("+420")}}, latch)
            .text,
        QStringLiteral("0603"));
    EXPECT_EQ(applyRule(RuleId::ServiceCentre, {QStringLiteral("0603"), {}, EditorSettings{}}, latch).text,
              QStringLiteral("0603"));
    EXPECT_EQ(run(RuleId::SmsValidity, QStringLiteral("45")).text, QStringLiteral("30"));
    EXPECT_EQ(run(RuleId::AnalogPercent, QStringLiteral("12,37")).text, QStringLiteral("12,3"));
    EXPECT_EQ(run(RuleId::ImpulseLength, QStringLiteral("0")).text, QStringLiteral("0,1"));

    const RuleResult minutes = run(RuleId::PowerSaveMinutes, QStringLiteral("75"), QStringLiteral("1"));
    EXPECT_EQ(minutes.text, QStringLiteral("15"));
    EXPECT_EQ(minutes.partner, QStringLiteral("2"));
    const RuleResult hours = run(RuleId::PowerSaveHours, QStringLiteral("0"), QStringLiteral("3"));
    EXPECT_EQ(hours.text, QStringLiteral("0"));
    EXPECT_EQ(hours.partner, QStringLiteral("5"));
}

TEST(FieldRules, PairLatch)
{
    bool latch = false;
    const QString zap = QStringLiteral("ZAP");
    // State name 1 equals state name 0: message, latch raised.
    RuleResult r = applyRule(RuleId::InputStateOn, {zap, {QStringLiteral("zap"), {}}, {}}, latch);
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.message, QStringLiteral("Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'."));
    EXPECT_TRUE(latch);
    // The focus goes back, so state name 0 is left with the same clash: quiet, latch cleared.
    r = applyRule(RuleId::InputStateOff, {QStringLiteral("zap"), {zap, {}}, {}}, latch);
    EXPECT_TRUE(r.passed);
    EXPECT_FALSE(latch);
    // Leaving state name 1 again reports the clash again.
    EXPECT_FALSE(applyRule(RuleId::InputStateOn, {zap, {QStringLiteral("zap"), {}}, {}}, latch).passed);
    EXPECT_TRUE(latch);

    // A character failure does not touch the latch, in either state.
    EXPECT_FALSE(applyRule(RuleId::InputStateOff, {QStringLiteral("a~"), {zap, {}}, {}}, latch).passed);
    EXPECT_TRUE(latch);
    latch = false;
    EXPECT_FALSE(applyRule(RuleId::InputStateOff, {QStringLiteral("a~"), {zap, {}}, {}}, latch).passed);
    EXPECT_FALSE(latch);

    // A keyword failure after a skipped pair check leaves the latch set.
    latch = true;
    r = applyRule(RuleId::OutputOn, {QStringLiteral("st"), {QStringLiteral("STOP"), {}}, {}}, latch);
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.message, ruleMessages(RuleId::OutputOn).value(3));
    EXPECT_TRUE(latch);

    // Fields without a pair check neither use nor clear the latch.
    EXPECT_TRUE(applyRule(RuleId::InputName, {QStringLiteral("Dvere"), {}, {}}, latch).passed);
    EXPECT_TRUE(latch);

    // Output commands: the prefix clash of the switch-on command silences the
    // switch-off command's mirror message once.
    latch = false;
    EXPECT_FALSE(applyRule(RuleId::OutputOn, {QStringLiteral("ZAP"), {QStringLiteral("zapni"), {}}, {}}, latch).passed);
    EXPECT_TRUE(latch);
    EXPECT_TRUE(applyRule(RuleId::OutputOff, {QStringLiteral("zapni"), {QStringLiteral("ZAP"), {}}, {}}, latch).passed);
    EXPECT_FALSE(latch);
}

const FieldDef& field(const char* name)
{
    const FieldDef* f = findField(name);
    EXPECT_NE(f, nullptr) << name;
    return *f;
}

TEST(FieldRules, MainWindowLeaveTabs)
{
    DeviceConfig c;
    const EditorSettings e;
    c.tabAINCL1Level[5] = QStringLiteral("1x");
    c.tabAINCL1Level[2] = QStringLiteral("1x");
    c.tabPIN = QStringLiteral("12a");
    c.tabTCcentra = QStringLiteral("0 603");
    c.rtPowerUp = QStringLiteral("Síť");
    c.tabINPNazev[3] = QStringLiteral("stav");
    c.tabOUTZap[1] = QStringLiteral("ZAP");
    c.tabOUTimpuls[1] = QStringLiteral("zapni");
    c.tabTC[4] = QStringLiteral("603-1");
    c.tabCITNazev[0] = QStringLiteral("\"");
    struct Case {
        const char* name;
        int index;
        int tab;
    };
    const Case cases[] = {
        {"tabAINCL1Level", 5, 5}, {"tabAINCL1Level", 2, 4}, {"tabPIN", 0, 0},
        {"tabTCcentra", 0, 0},    {"rtPowerUp", 0, 1},      {"tabINPNazev", 3, 2},
        {"tabOUTZap", 1, 3},      {"tabTC", 4, 6},          {"tabCITNazev", 0, 7},
    };
    for (const Case& k : cases) {
        bool latch = false;
        const FieldCheck r = checkFieldLeave(field(k.name), k.index, c, e, latch);
        EXPECT_FALSE(r.passed) << k.name;
        EXPECT_EQ(r.tab, k.tab) << k.name;
        EXPECT_FALSE(r.message.isEmpty()) << k.name;
        EXPECT_TRUE(r.rewrites.empty()) << k.name;
    }
    bool latch = false;
    EXPECT_EQ(checkFieldLeave(field("tabAINCL1Level"), 5, c, e, latch).message,
              QStringLiteral("Číslo je chybně zadáno."));
    const FieldCheck uto = checkUtoLeave(QStringLiteral("+42a"));
    EXPECT_FALSE(uto.passed);
    EXPECT_EQ(uto.tab, kPhoneTab);
    EXPECT_TRUE(checkUtoLeave(QStringLiteral("+421")).passed);
}

TEST(FieldRules, MainWindowSideEffectsComeBackAsData)
{
    DeviceConfig c;
    EditorSettings e;
    bool latch = false;

    // Empty number with rights: both boxes to clear, two warnings.
    c.tabTCPrijem[2] = true;
    c.tabTCUdalost[2] = true;
    FieldCheck r = checkFieldLeave(field("tabTC"), 2, c, e, latch);
    ASSERT_TRUE(r.passed);
    ASSERT_TRUE(r.phoneRights.has_value());
    EXPECT_TRUE(r.phoneRights->clearPrijem && r.phoneRights->clearUdalost);
    EXPECT_EQ(r.phoneRights->warnings.size(), 2);

    // A number is rewritten by the UTO rule and keeps its rights.
    c.tabTC[2] = QStringLiteral("0603123456");
    r = checkFieldLeave(field("tabTC"), 2, c, e, latch);
    ASSERT_EQ(r.rewrites.size(), 1u);
    EXPECT_EQ(r.rewrites[0].field, &field("tabTC"));
    EXPECT_EQ(r.rewrites[0].index, 2);
    EXPECT_EQ(r.rewrites[0].text, QStringLiteral("+420603123456"));
    EXPECT_FALSE(r.phoneRights.has_value());

    // Battery text: ticks the BAT CL1-down report even when rejected; empty does not.
    c.rtBattLow = QStringLiteral("Baterie \"slabá\"");
    r = checkFieldLeave(field("rtBattLow"), 0, c, e, latch);
    EXPECT_FALSE(r.passed);
    EXPECT_TRUE(r.tickBatteryCl1Down);
    c.rtBattLow = QStringLiteral("Baterie");
    EXPECT_TRUE(checkFieldLeave(field("rtBattLow"), 0, c, e, latch).tickBatteryCl1Down);
    c.rtBattLow.clear();
    EXPECT_FALSE(checkFieldLeave(field("rtBattLow"), 0, c, e, latch).tickBatteryCl1Down);

    // The power-save rule rewrites both fields of its own pair only.
    c.eePSOffH = QStringLiteral("1");
    c.eePSOffM = QStringLiteral("75");
    r = checkFieldLeave(field("eePSOffM"), 0, c, e, latch);
    ASSERT_EQ(r.rewrites.size(), 2u);
    EXPECT_EQ(r.rewrites[0].field, &field("eePSOffM"));
    EXPECT_EQ(r.rewrites[0].text, QStringLiteral("15"));
    EXPECT_EQ(r.rewrites[1].field, &field("eePSOffH"));
    EXPECT_EQ(r.rewrites[1].text, QStringLiteral("2"));

    // Nothing to rewrite: no edits at all.
    c.eePSOnH = QStringLiteral("3");
    EXPECT_TRUE(checkFieldLeave(field("eePSOnH"), 0, c, e, latch).rewrites.empty());

    // The station name takes anything its code page holds.
    c.tabJmenoStanice = QStringLiteral("Čerpací stanice \"Sever\" ~");
    EXPECT_TRUE(checkFieldLeave(field("tabJmenoStanice"), 0, c, e, latch).passed);
    c.tabJmenoStanice = QStringLiteral("Sever Ω");
    r = checkFieldLeave(field("tabJmenoStanice"), 0, c, e, latch);
    EXPECT_EQ(r.message, outsideCodePageMessage(QStringLiteral("Název stanice"), QStringLiteral("Ω")));
    EXPECT_EQ(r.tab, 0);

    // Overlapping bands are stored with a warning; the level left counts as rewritten.
    c.tabAINCL2Level[1] = QStringLiteral("40");
    c.tabAINCL1Level[1] = QStringLiteral("150"); // becomes 100: above CL2
    r = checkFieldLeave(field("tabAINCL1Level"), 1, c, e, latch);
    EXPECT_TRUE(r.passed);
    EXPECT_EQ(r.warning, QString(kAnalogLevelsMessage));
    c.tabAINCL1Level[1] = QStringLiteral("30");
    EXPECT_TRUE(checkFieldLeave(field("tabAINCL1Level"), 1, c, e, latch).warning.isEmpty());
}

TEST(FieldRules, MainWindowLatchBetweenStateNames)
{
    DeviceConfig c;
    const EditorSettings e;
    bool latch = false;
    c.tabINPZap[6] = QStringLiteral("Otevreno");
    c.tabINPVyp[6] = QStringLiteral("OTEVRENO");
    const FieldCheck first = checkFieldLeave(field("tabINPZap"), 6, c, e, latch);
    EXPECT_FALSE(first.passed);
    EXPECT_EQ(first.message, QStringLiteral("Název 'Zapnuto' nesmí být stejný jako název 'Vypnuto'."));
    EXPECT_TRUE(latch);
    const FieldCheck partner = checkFieldLeave(field("tabINPVyp"), 6, c, e, latch);
    EXPECT_TRUE(partner.passed);
    EXPECT_FALSE(latch);
    // Another row's names are not this row's partners.
    EXPECT_TRUE(checkFieldLeave(field("tabINPZap"), 5, c, e, latch).passed);
}

// A text without a rule of its own is checked as a station text; only the
// station name is free, and flags and bytes have no rule.
TEST(FieldRules, EveryTextFieldHasItsRule)
{
    for (const FieldDef& f : configFields()) {
        const bool free = f.kind != FieldKind::Text || f.id == FieldId::tabJmenoStanice;
        EXPECT_EQ(ruleForField(f) == RuleId::None, free) << f.name;
    }
    EXPECT_EQ(ruleForField(torval::field(FieldId::rtPowerUp)), RuleId::Text);
    EXPECT_EQ(ruleForField(torval::field(FieldId::tabOUTZap)), RuleId::OutputOn);
}

} // namespace
} // namespace torval
