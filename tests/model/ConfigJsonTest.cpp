#include "model/ConfigJson.h"

#include "model/ConfigFields.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

using namespace torval;

namespace {
QByteArray json(const QJsonObject& o)
{
    return QJsonDocument(o).toJson();
}
} // namespace

TEST(ConfigJson, WritesEveryKeyInItsShape)
{
    const QJsonObject o = configToJson(DeviceConfig{});
    for (const FieldDef& f : configFields())
        EXPECT_TRUE(o.contains(QLatin1String(f.name))) << f.name;
    EXPECT_EQ(o.value("tabDobaPlatnostiSMS").toString(), "3");
    EXPECT_TRUE(o.value("opNotAuthorized").isBool());
    EXPECT_TRUE(o.value("opEnablePS1").isBool());
    EXPECT_EQ(o.value("tabINPNazev").toArray().size(), 8);
    EXPECT_EQ(o.value("tabCITNazev").toArray().size(), 2);
    EXPECT_TRUE(o.value("eeMaskDInLHAlarm").toArray().at(0).isBool());
    EXPECT_TRUE(o.value("eeMaskDOutFnc").isDouble());
    EXPECT_TRUE(o.value("eeMaskAInAlarm").toArray().at(0).isDouble());
    const QJsonArray scales = o.value("AnalogScale").toArray();
    ASSERT_EQ(scales.size(), 8);
    EXPECT_EQ(scales.at(7).toObject().value("max").toDouble(), 27);
    EXPECT_EQ(scales.at(5).toObject().value("unit").toString(), "°C");
}

TEST(ConfigJson, RoundTripAndDefaults)
{
    DeviceConfig c;
    c.tabJmenoStanice = "Čerpací stanice";
    c.tabOUTimpulsLEN[2] = "2,5";
    c.tabINPNeg[4] = true;
    c.eeMaskDOutFnc = 3;
    c.eeMaskAInAlarm[6] = 0x81;
    c.eeMaskDInHLAlarm[1] = true;
    c.analogScale[2] = {-20, 80, 2, "kPa"};
    c.tabAINCL1Dn[7] = "slabá";
    c.rtBattLow = "slabá";
    const JsonImport back = configFromJson(json(configToJson(c)));
    ASSERT_TRUE(back.config) << back.error.toStdString();
    EXPECT_EQ(*back.config, c);

    const JsonImport empty = configFromJson("{}");
    ASSERT_TRUE(empty.config);
    EXPECT_EQ(*empty.config, DeviceConfig{});
    EXPECT_EQ(empty.editor, EditorSettings{});
    const JsonImport editor = configFromJson(R"({"tabUTOEnable": false, "tabUTO": "+421"})");
    ASSERT_TRUE(editor.config);
    EXPECT_EQ(editor.editor, (EditorSettings{false, "+421"}));
}

TEST(ConfigJson, GivenScaleMovesDefaultLevels)
{
    const JsonImport r = configFromJson(R"({"AnalogScale":[
        {"min":0,"max":100,"decimals":1,"unit":"%"},{"min":0,"max":100,"decimals":1,"unit":"%"},
        {"min":0,"max":100,"decimals":1,"unit":"%"},{"min":0,"max":100,"decimals":1,"unit":"%"},
        {"min":0,"max":100,"decimals":1,"unit":"%"},{"min":0,"max":100,"decimals":1,"unit":"°C"},
        {"min":-5,"max":12.5,"decimals":1,"unit":"°C"},{"min":0,"max":27,"decimals":1,"unit":"V"}],
        "tabAINCL2Level":["1","2","3","4","5","6","7","8"]})");
    ASSERT_TRUE(r.config) << r.error.toStdString();
    EXPECT_EQ(r.config->tabAINCL1Level[6], "-5");
    EXPECT_EQ(r.config->tabAINCL2Level[6], "7");
}

TEST(ConfigJson, BatteryTextIsOneText)
{
    const JsonImport one = configFromJson(R"({"rtBattLow":"B"})");
    ASSERT_TRUE(one.config);
    EXPECT_EQ(one.config->tabAINCL1Dn[7], "B");
    const JsonImport other = configFromJson(R"({"tabAINCL1Dn":["","","","","","","","C"]})");
    ASSERT_TRUE(other.config);
    EXPECT_EQ(other.config->rtBattLow, "C");
    const JsonImport clash = configFromJson(R"({"rtBattLow":"B","tabAINCL1Dn":["","","","","","","","C"]})");
    EXPECT_FALSE(clash.config);
    EXPECT_TRUE(clash.error.contains("rtBattLow"));
}

TEST(ConfigJson, RejectsBadInputNamingTheKey)
{
    struct Case {
        const char* json;
        const char* mentions;
    };
    const Case cases[] = {
        {R"({"tabJmenoStanic":"x"})", "'tabJmenoStanic'"},
        {R"({"tabJmenoStanice":5})", "'tabJmenoStanice'"},
        {R"({"opBatt":"ano"})", "'opBatt'"},
        {R"({"opEnablePS1":1})", "'opEnablePS1'"},
        {R"({"tabINPNazev":["a","b"]})", "'tabINPNazev'"},
        {R"({"tabCITNazev":["a","b","c"]})", "'tabCITNazev'"},
        {R"({"tabINPZpr":[true,true,true,true,true,true,true,1]})", "'tabINPZpr[7]'"},
        {R"({"eeMaskDOutFnc":256})", "'eeMaskDOutFnc'"},
        {R"({"eeMaskDOutFnc":1.5})", "'eeMaskDOutFnc'"},
        {R"({"eeMaskAInAlarm":[0,0,0,0,0,0,0,-1]})", "'eeMaskAInAlarm[7]'"},
        {R"({"tabPIN":"123456789"})", "'tabPIN'"},
        {R"({"AnalogScale":[]})", "'AnalogScale'"},
        {R"({"AnalogScale":[{},{},{"min":5,"max":5},{},{},{},{},{}]})", "'AnalogScale[2]'"},
        {R"({"AnalogScale":[{},{},{},{"mez":5},{},{},{},{}]})", "'AnalogScale[3].mez'"},
        {R"({"AnalogScale":[{},{},{},{},{"decimals":-1},{},{},{}]})", "'AnalogScale[4].decimals'"},
        // A bound no level field can hold: its export would not import again.
        {R"({"AnalogScale":[{},{},{},{},{},{},{"max":1e49},{}]})", "'AnalogScale[6]'"},
        {R"({"tabUTOEnable":"ne"})", "'tabUTOEnable'"},
        {R"({"tabUTO":420})", "'tabUTO'"},
        {R"({"tabJmenoStanice": )", "JSON"},
        {R"([1,2])", "objekt"},
    };
    for (const auto& k : cases) {
        const JsonImport r = configFromJson(k.json);
        EXPECT_FALSE(r.config) << k.json;
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(k.mentions))) << k.json << " -> " << r.error.toStdString();
    }
}
