#include "model/SettingsSize.h"
#include "model/SettingsDocument.h"

#include <gtest/gtest.h>

using namespace torval;

TEST(SettingsSize, GrowsWithTexts)
{
    struct Case {
        const char* what;
        void (*set)(SettingsDocument&);
        int delta;
    };
    const Case cases[] = {
        {"battery text counts twice", [](SettingsDocument& d) { d.setText(field(FieldId::rtBattLow), 0, "B"); }, 2},
        {"BAT crossing text mirrors", [](SettingsDocument& d) { d.setText(field(FieldId::tabAINCL1Dn), 7, "B"); }, 2},
        // A number replaces the lone terminator of an empty one.
        {"international number", [](SettingsDocument& d) { d.setText(field(FieldId::tabTC), 0, "+420602909909"); },
         17 - 1},
        {"national number", [](SettingsDocument& d) { d.setText(field(FieldId::tabTC), 3, "12345"); }, 11 - 1},
        {"station name", [](SettingsDocument& d) { d.setText(field(FieldId::tabJmenoStanice), 0, "Čerpadlo"); }, 8},
    };
    for (const auto& k : cases) {
        SettingsDocument doc;
        ASSERT_EQ(doc.settingsSize(), 429);
        k.set(doc);
        EXPECT_EQ(doc.settingsSize(), 429 + k.delta) << k.what;
        EXPECT_EQ(settingsSize(doc.config()), doc.settingsSize()) << k.what;
    }
}
