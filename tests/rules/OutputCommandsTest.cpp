#include "rules/OutputCommands.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace torval {
namespace {

struct Output {
    const char* name;
    const char* on;
    const char* off;
    const char* impulse;
};

DeviceConfig withOutputs(std::initializer_list<std::pair<int, Output>> outputs)
{
    DeviceConfig c;
    for (const auto& [i, o] : outputs) {
        const auto u = std::size_t(i);
        c.tabOUTNazev[u] = QString::fromLatin1(o.name);
        c.tabOUTZap[u] = QString::fromLatin1(o.on);
        c.tabOUTVyp[u] = QString::fromLatin1(o.off);
        c.tabOUTimpuls[u] = QString::fromLatin1(o.impulse);
    }
    return c;
}

TEST(OutputCommands, FirstFailure)
{
    struct Case {
        const char* what;
        DeviceConfig config;
        int output; // -1: passes
        const char* field;
    };
    const Case cases[] = {
        {"all empty", DeviceConfig{}, -1, nullptr},
        {"distinct", withOutputs({{0, {"SVETLO", "ZAP", "VYP", "IMP"}}, {1, {"CERPADLO", "ZAP", "VYP", "IMP"}}}), -1,
         nullptr},
        {"name prefix of another name", withOutputs({{2, {"SVET", "", "", ""}}, {5, {"SVETLO", "", "", ""}}}), 2,
         "tabOUTNazev"},
        {"names equal: the first one is reported",
         withOutputs({{1, {"Brana", "", "", ""}}, {3, {"BRANA", "", "", ""}}}), 1, "tabOUTNazev"},
        {"on is a prefix of impulse", withOutputs({{0, {"SVETLO", "ZAP", "VYP", "zapni"}}}), 0, "tabOUTZap"},
        {"name equals another output's command",
         withOutputs({{0, {"puls", "ZAP", "VYP", "IMP"}}, {1, {"B", "ON", "OFF", "PULS"}}}), 0, "tabOUTNazev"},
        {"command equals a later output's name: the command's output fails first",
         withOutputs({{0, {"A", "ZAP", "VYP", "IMP"}}, {1, {"vyp", "ON", "OFF", "PULS"}}}), 0, "tabOUTVyp"},
        {"own name is among the command's names", withOutputs({{4, {"ZAPNOUT", "ZAP", "VYP", ""}}}), 4, "tabOUTZap"},
        {"on is longer than off: reported at off", withOutputs({{3, {"X", "VYPNOUT", "VYP", ""}}}), 3, "tabOUTVyp"},
        {"off equals impulse", withOutputs({{3, {"X", "ZAP", "PULS", "puls"}}}), 3, "tabOUTVyp"},
        {"impulse begins a name", withOutputs({{0, {"X", "ZAP", "VYP", "POD"}}, {7, {"PODLAHA", "", "", ""}}}), 0,
         "tabOUTimpuls"},
        {"words of different outputs may clash",
         withOutputs({{0, {"A", "ZAP", "VYP", ""}}, {1, {"B", "ZAPNI", "vyp", ""}}}), -1, nullptr},
    };
    for (const Case& c : cases) {
        const auto r = checkOutputCommands(c.config);
        if (c.output < 0) {
            EXPECT_FALSE(r.has_value()) << c.what << ": " << r->message.toStdString();
            continue;
        }
        ASSERT_TRUE(r.has_value()) << c.what;
        EXPECT_EQ(r->output, c.output) << c.what;
        ASSERT_NE(r->field, nullptr);
        EXPECT_STREQ(r->field->name, c.field) << c.what;
    }
}

TEST(OutputCommands, MessagesNameTheRow)
{
    const auto name = checkOutputCommands(withOutputs({{2, {"SVET", "", "", ""}}, {5, {"SVETLO", "", "", ""}}}));
    ASSERT_TRUE(name);
    EXPECT_EQ(
        name->message,
        QStringLiteral("Název výstupu 'O3' není správně zadán. Jména výstupů se nesmějí shodovat a ani být "
                       "předponou jiného názvu výstupu. EEPROM nelze naprogramovat dokud toto nebude odstraněno."));

    const auto on = checkOutputCommands(withOutputs({{0, {"A", "ZAP", "", "zapni"}}}));
    ASSERT_TRUE(on);
    EXPECT_EQ(on->message,
              QStringLiteral("Název 'Zapnuto' výstupu 'O1' není správně zadán. Povel pro zapnutí se musí lišit od "
                             "povelu pro vypnutí i impuls a nesmí být předponou názvu některého výstupu. EEPROM nelze "
                             "naprogramovat dokud toto nebude odstraněno."));

    const auto off = checkOutputCommands(withOutputs({{7, {"A", "", "P", "PULS"}}}));
    ASSERT_TRUE(off);
    EXPECT_EQ(off->message,
              QStringLiteral("Název 'Vypnuto' výstupu 'O8' není správně zadán. Povel pro vypnutí se musí lišit od "
                             "povelu pro impuls i zapnutí a nesmí být předponou názvu některého výstupu. EEPROM nelze "
                             "naprogramovat dokud toto nebude odstraněno."));

    const auto impulse = checkOutputCommands(withOutputs({{1, {"AB", "", "", "a"}}}));
    ASSERT_TRUE(impulse);
    EXPECT_EQ(impulse->message,
              QStringLiteral("Název 'impuls' výstupu 'O2' není správně zadán. Povel pro impuls se musí lišit od "
                             "povelu pro vypnutí i zapnutí a nesmí být předponou názvu některého výstupu. EEPROM nelze "
                             "naprogramovat dokud toto nebude odstraněno."));
}

} // namespace
} // namespace torval
