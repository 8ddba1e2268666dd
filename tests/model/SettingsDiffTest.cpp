#include "model/SettingsDiff.h"
#include "model/ConfigFields.h"
#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "support/QStringPrinter.h"

#include <QJsonArray>
#include <gtest/gtest.h>

#include <ostream>

using namespace torval;

namespace {

void set(DeviceConfig& c, const char* field, int index, const QString& value)
{
    const FieldDef* f = findField(field);
    ASSERT_NE(f, nullptr) << field;
    *f->text(c, index) = value;
}

struct NumberCase {
    const char* field;
    int index;
    const char* a;
    const char* b;
    bool equal;
};

class NumberComparison : public ::testing::TestWithParam<NumberCase> { };

// Two texts the station would store as the same bytes are the same setting;
// anything the encoder tells apart is a difference.
TEST_P(NumberComparison, FollowsTheEncoder)
{
    const NumberCase& p = GetParam();
    DeviceConfig a, b;
    set(a, p.field, p.index, QString::fromUtf8(p.a));
    set(b, p.field, p.index, QString::fromUtf8(p.b));
    const auto d = diffConfigs(a, b);
    EXPECT_EQ(d.empty(), p.equal) << p.field << " '" << p.a << "' vs '" << p.b << "'";
    if (!p.equal && !d.empty()) {
        ASSERT_EQ(d.size(), 1u);
        EXPECT_EQ(d[0].before, QString::fromUtf8(p.a));
        EXPECT_EQ(d[0].after, QString::fromUtf8(p.b));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NumberComparison,
    ::testing::Values(
        NumberCase{"tabAINCL1Level", 0, "50", "50,0", true}, NumberCase{"tabAINCL1Level", 0, "50", "50.0", true},
        NumberCase{"tabAINCL1Level", 0, "50", "60", false}, NumberCase{"tabAINCL2Level", 7, "27", "27,0", true},
        NumberCase{"tabAINHCL2Level", 3, "0", "0,0", true}, NumberCase{"tabAINHCL1Level", 3, "0", "5", false},
        NumberCase{"tabOUTimpulsLEN", 2, "2", "2,0", true}, NumberCase{"tabOUTimpulsLEN", 2, "2", "2,5", false},
        NumberCase{"tabDobaPlatnostiSMS", 0, "3", "3,0", true}, NumberCase{"tabDobaPlatnostiSMS", 0, "3", "4", false},
        NumberCase{"eePSOnH", 0, "1", "01", true}, NumberCase{"eePSOffM", 0, "5", "6", false},
        // Texts are not numbers: case and spacing matter.
        NumberCase{"tabOUTNazev", 0, "SVETLO", "svetlo", false}, NumberCase{"tabPIN", 0, "0123", "123", false},
        NumberCase{"tabTC", 1, "+420601", "+420601", true}));

TEST(SettingsDiff, GroupsByTabWithRowLabelsAndKeepsTheTypedValues)
{
    DeviceConfig a, b;
    b.tabAINNazev[5] = QStringLiteral("Teplota");   // tab 5, row A6
    b.tabINPNazev[2] = QStringLiteral("DVERE");     // tab 2, row I3
    b.tabJmenoStanice = QStringLiteral("Čerpadlo"); // tab 0
    b.tabCITZpr[1] = true;                          // tab 7, row C2
    b.eeMaskAInAlarm[7] = 5;                        // tab 5, row BAT
    const auto d = diffConfigs(a, b);
    ASSERT_EQ(d.size(), 5u);
    const std::vector<std::tuple<int, QString, QString>> expected = {
        {0, QString(), QStringLiteral("tabJmenoStanice")},
        {2, QStringLiteral("I3"), QStringLiteral("tabINPNazev")},
        {5, QStringLiteral("A6"), QStringLiteral("tabAINNazev")},
        {5, QStringLiteral("BAT"), QStringLiteral("eeMaskAInAlarm")},
        {7, QStringLiteral("C2"), QStringLiteral("tabCITZpr")},
    };
    for (std::size_t k = 0; k < d.size(); ++k) {
        EXPECT_EQ(d[k].tab, std::get<0>(expected[k])) << k;
        EXPECT_EQ(d[k].label, std::get<1>(expected[k])) << k;
        EXPECT_EQ(QString::fromLatin1(d[k].field->name), std::get<2>(expected[k])) << k;
    }
    EXPECT_EQ(d[0].after, QStringLiteral("Čerpadlo"));

    SettingsDifferences all;
    all.fields = d;
    EXPECT_EQ(formatDifferences(all),
              QStringLiteral("[Všeobecné]\n"
                             "  Název stanice: \"\" → \"Čerpadlo\"\n"
                             "[Dig. vstupy]\n"
                             "  I3 Název: \"\" → \"DVERE\"\n"
                             "[Analog. vstupy 5-8]\n"
                             "  A6 Název: \"\" → \"Teplota\"\n"
                             "  BAT Alarm: 0 → 5\n"
                             "[Čítače]\n"
                             "  C2 Uvádět ve zprávě: ne → ano\n"));
}

TEST(SettingsDiff, ReportSwitchWithoutTextIsStoredAsOffAndSoCountsAsOff)
{
    DeviceConfig a, b;
    a.opNotAuthorized = true;
    b.opNotAuthorized = false;
    EXPECT_TRUE(diffConfigs(a, b).empty());
    a.rtNotAuthorized = b.rtNotAuthorized = QStringLiteral("Odmitnuto");
    const auto d = diffConfigs(a, b);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_STREQ(d[0].field->name, "opNotAuthorized");

    DeviceConfig c, e;
    c.opPowerReport = true;
    EXPECT_TRUE(diffConfigs(c, e).empty());
    c.rtPowerDown = e.rtPowerDown = QStringLiteral("Vypadek");
    EXPECT_EQ(diffConfigs(c, e).size(), 1u);
}

TEST(SettingsDiff, UsedEndOfAnEmptyConfigurationIsRightAfterItsEndMarker)
{
    EepromImage image;
    ASSERT_EQ(encodeImage(DeviceConfig{}, image), EncodeError::None);
    // General texts at 418..425, end marker at 426 and 427.
    EXPECT_EQ(usedImageEnd(image), 428);
    EXPECT_EQ(image.at(426), 0xFF);
    EXPECT_EQ(image.at(427), 0xFF);

    EepromImage blank;
    EXPECT_EQ(usedImageEnd(blank), std::nullopt) << "a pointer of 0 leads into the header";
}

TEST(SettingsDiff, OtherBytesAreOnlyThoseTheEncoderNeverWrites)
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Stanice");
    EepromImage a;
    ASSERT_EQ(encodeImage(c, a), EncodeError::None);
    const int end = *usedImageEnd(a);
    EepromImage b = a;
    // Owned addresses changed behind the encoder's back are not "other":
    // the field comparison speaks for them.
    for (int owned : {0, 5, 8, 43, 46, 48, 128, 190, 240, 256, 272, end - 1})
        b.bytes()[std::size_t(owned)] ^= 0x5A;
    const std::vector<int> foreign = {6, 7, 44, 45, 49, 64, 127, 191, 239, 257, 271, end, end + 100};
    for (int addr : foreign)
        b.bytes()[std::size_t(addr)] ^= 0x5A;
    EXPECT_EQ(diffOtherBytes(a, b, 2048), foreign);
    // Only within the compared length.
    EXPECT_EQ(diffOtherBytes(a, b, end + 50), std::vector<int>(foreign.begin(), foreign.end() - 1));
    EXPECT_TRUE(diffOtherBytes(a, a, 65536).empty());
}

TEST(SettingsDiff, TheLongerTextAreaOwnsItsBytesOnBothSides)
{
    DeviceConfig shortC, longC;
    longC.tabJmenoStanice = QString(40, QLatin1Char('x'));
    EepromImage a, b;
    ASSERT_EQ(encodeImage(shortC, a), EncodeError::None);
    ASSERT_EQ(encodeImage(longC, b), EncodeError::None);
    // The texts differ where the short image has its end marker and beyond;
    // all of that is the longer image's settings.
    EXPECT_TRUE(diffOtherBytes(a, b, 4096).empty());
}

TEST(SettingsDiff, AddressRunsAndJson)
{
    EXPECT_EQ(addressRuns({}), QString());
    EXPECT_EQ(addressRuns({49, 60, 61, 62, 63, 200}), QStringLiteral("49, 60..63, 200"));

    DeviceConfig a, b;
    b.tabINPNeg[0] = true;
    b.eeMaskDOutFnc = 3;
    b.tabTC[4] = QStringLiteral("+420777");
    SettingsDifferences d;
    d.fields = diffConfigs(a, b);
    d.otherBytes = {6, 7};
    const QJsonObject j = differencesToJson(d);
    EXPECT_FALSE(j[QStringLiteral("equal")].toBool());
    const QJsonArray fields = j[QStringLiteral("fields")].toArray();
    ASSERT_EQ(fields.size(), 3);
    for (const auto& v : fields) {
        const QJsonObject o = v.toObject();
        const QString name = o[QStringLiteral("field")].toString();
        if (name == QLatin1String("tabINPNeg")) {
            EXPECT_EQ(o[QStringLiteral("new")], QJsonValue(true));
            EXPECT_EQ(o[QStringLiteral("label")].toString(), QStringLiteral("I1"));
            EXPECT_EQ(o[QStringLiteral("tab")].toString(), QStringLiteral("Dig. vstupy"));
        } else if (name == QLatin1String("eeMaskDOutFnc")) {
            EXPECT_EQ(o[QStringLiteral("old")], QJsonValue(0));
            EXPECT_EQ(o[QStringLiteral("new")], QJsonValue(3));
        } else {
            EXPECT_EQ(name, QStringLiteral("tabTC"));
            EXPECT_EQ(o[QStringLiteral("index")].toInt(), 4);
            EXPECT_EQ(o[QStringLiteral("new")], QJsonValue(QStringLiteral("+420777")));
        }
    }
    EXPECT_EQ(j[QStringLiteral("otherBytes")].toArray(), QJsonArray({6, 7}));
    EXPECT_TRUE(differencesToJson({})[QStringLiteral("equal")].toBool());
    EXPECT_EQ(formatDifferences({{}, {6, 7}}), QStringLiteral("Liší se ostatní bajty (mimo nastavení): 6..7\n"));
}

} // namespace
