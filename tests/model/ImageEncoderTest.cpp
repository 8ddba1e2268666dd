#include "model/ImageEncoder.h"

#include "model/SettingsSize.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {
int word(const EepromImage& img, int a)
{
    return img.at(a) + 256 * img.at(a + 1);
}
} // namespace

TEST(EncodeImage, EmptySettingsGiveTheKnownLayout)
{
    DeviceConfig c;
    EepromImage img;
    ASSERT_EQ(encodeImage(c, img), EncodeError::None);
    // Pointer address -> list start, written out again here on purpose.
    const std::pair<int, int> pointers[] = {{0, 272},  {2, 280},  {4, 288},  {8, 296},  {10, 304}, {12, 312}, {14, 320},
                                            {16, 328}, {18, 336}, {20, 344}, {22, 352}, {24, 360}, {26, 368}, {28, 376},
                                            {30, 384}, {32, 392}, {34, 400}, {36, 408}, {40, 410}, {38, 418}};
    for (auto [addr, target] : pointers)
        EXPECT_EQ(word(img, addr), target) << "pointer at " << addr;
    EXPECT_EQ(word(img, 42), 64);
    EXPECT_EQ(img.at(46), 0x82);
    EXPECT_EQ(img.at(47), 0x25);
    EXPECT_EQ(img.at(48), 32);
    for (int a = 272; a < 426; ++a)
        EXPECT_EQ(img.at(a), 0) << a;
    EXPECT_EQ(img.at(426), 0xFF);
    EXPECT_EQ(img.at(427), 0xFF);
    EXPECT_EQ(img.at(428), 0);
    EXPECT_TRUE(imageHeaderValid(img));
    // The estimate counts the battery text once more than the image holds it.
    EXPECT_EQ(settingsSize(c), 429);
}

TEST(EncodeImage, FixedBlockOfDefaults)
{
    DeviceConfig c;
    EepromImage img;
    ASSERT_EQ(encodeImage(c, img), EncodeError::None);
    EXPECT_EQ(img.at(128), 0); // opNotAuthorized is ticked but has no text
    EXPECT_EQ(img.at(129), 0);
    EXPECT_EQ(img.at(130), 169); // 3 days
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(img.at(150 + i), 0);
        EXPECT_EQ(img.at(158 + i), 255);
        EXPECT_EQ(img.at(183 + i), 20); // 2 s
    }
    // 1 h 0 min = 36000 tenths.
    EXPECT_EQ(img.at(251), 160);
    EXPECT_EQ(img.at(252), 140);
    EXPECT_EQ(img.at(253), 0);
}

TEST(EncodeImage, FlagBitsNeedTheirTexts)
{
    struct Case {
        const char* what;
        void (*set)(DeviceConfig&);
        int flagsA;
        int flagsB;
    };
    const Case cases[] = {
        {"not authorized with text", [](DeviceConfig& c) { c.rtNotAuthorized = "X"; }, 1, 0},
        {"not authorized unticked",
         [](DeviceConfig& c) {
             c.opNotAuthorized = false;
             c.rtNotAuthorized = "X";
         },
         0, 0},
        {"switch report without text", [](DeviceConfig& c) { c.opSwitchReport = true; }, 0, 0},
        {"switch report, off text only",
         [](DeviceConfig& c) {
             c.opSwitchReport = true;
             c.rtSwitchOff = "V";
         },
         8, 0},
        {"power report, up text only",
         [](DeviceConfig& c) {
             c.opPowerReport = true;
             c.rtPowerUp = "U";
         },
         16, 0},
        {"power text without box", [](DeviceConfig& c) { c.rtPowerDown = "D"; }, 0, 0},
        {"plain boxes",
         [](DeviceConfig& c) { c.tabPrepnoutNepovolPristup = c.tabOdpovidatT0 = c.opBatt = c.opSuppZero = true; },
         2 | 4 | 32 | 64, 0},
        {"flags B", [](DeviceConfig& c) { c.opEnablePS1 = c.opSuperPS = c.opPSOutOff = c.opPINAuth = true; }, 0,
         2 | 4 | 8 | 128},
    };
    for (const auto& k : cases) {
        DeviceConfig c;
        k.set(c);
        EepromImage img;
        ASSERT_EQ(encodeImage(c, img), EncodeError::None) << k.what;
        EXPECT_EQ(img.at(128), k.flagsA) << k.what;
        EXPECT_EQ(img.at(129), k.flagsB) << k.what;
    }
}

TEST(EncodeImage, MasksAndTheirZeroBytes)
{
    EepromImage img;
    for (int a = 128; a < 272; ++a)
        ASSERT_TRUE(img.writeImageByte(0xAA, a));
    DeviceConfig c;
    c.tabTCPrijem[0] = true;
    c.tabTCUdalost[7] = true;
    c.tabINPNeg[2] = true;
    c.tabCITZpr[1] = true;
    c.tabAINNeg[4] = true;
    c.tabAINCL2UpEvent[6] = true;
    c.eeMaskDInHLAlarm[3] = true;
    c.eeMaskDOutFnc = 0xF3;
    c.eeMaskAInAlarm[5] = 0x9C;
    ASSERT_EQ(encodeImage(c, img), EncodeError::None);
    EXPECT_EQ(img.at(131), 0x01);
    EXPECT_EQ(img.at(132), 0x80);
    EXPECT_EQ(img.at(139), 0x04);
    EXPECT_EQ(img.at(143), 0x02);
    EXPECT_EQ(img.at(182), 0x10);
    EXPECT_EQ(img.at(149), 0x40);
    EXPECT_EQ(img.at(241), 0x08);
    EXPECT_EQ(img.at(242), 0xF3);
    EXPECT_EQ(img.at(248), 0x9C);
    for (int a : {134, 136, 138, 140})
        EXPECT_EQ(img.at(a), 0) << a;
    // Addresses the layout does not name keep what a load put there.
    for (int a : {191, 239, 257, 271})
        EXPECT_EQ(img.at(a), 0xAA) << a;
}

TEST(EncodeImage, TextAreaOrderPhonesThenGeneralTexts)
{
    DeviceConfig c;
    c.tabINPNazev[0] = "VSTUP";
    c.tabTC[0] = "+420602909909";
    c.tabTC[1] = "12345";
    c.tabJmenoStanice = "Čerpadlo €";
    c.tabPIN = "1234";
    c.tabTCcentra = "+420602909909";
    EepromImage img;
    ASSERT_EQ(encodeImage(c, img), EncodeError::None);
    EXPECT_EQ(word(img, 0), 272);
    EXPECT_EQ(word(img, 2), 272 + 6 + 7);
    const int phones = word(img, 40);
    const QByteArray t1 = "0C91246020099990";
    const QByteArray t2 = "05812143F5";
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&img.bytes()[phones]), t1.size()), t1);
    EXPECT_EQ(img.at(phones + t1.size()), 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&img.bytes()[phones + 17]), t2.size()), t2);
    const int general = word(img, 38);
    EXPECT_EQ(general, phones + 17 + 11 + 6); // six empty numbers
    // Windows-1250: Č = 0xC8, € = 0x80.
    EXPECT_EQ(img.at(general), 0xC8);
    EXPECT_EQ(img.at(general + 9), 0x80);
    EXPECT_EQ(img.at(general + 10), 0);
    // The estimate is exactly one more than the image's used length here.
    const int end = general + 11 + 5 + 14 + 5;
    EXPECT_EQ(img.at(end), 0xFF);
    EXPECT_EQ(img.at(end + 1), 0xFF);
    EXPECT_EQ(settingsSize(c), end + 2 + 1);
}

TEST(EncodeImage, UnrepresentableCharactersBecomeQuestionMarks)
{
    DeviceConfig c;
    c.tabJmenoStanice = QString::fromUtf8("a\u4e2db\U0001F600");
    EepromImage img;
    ASSERT_EQ(encodeImage(c, img), EncodeError::None);
    const int general = word(img, 38);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&img.bytes()[general]), 5), QByteArray("a?b?\0", 5));
    // The size estimate counts each stored '?' as one byte, a character
    // beyond the basic plane (two UTF-16 units) included.
    DeviceConfig stored;
    stored.tabJmenoStanice = QStringLiteral("a?b?");
    EXPECT_EQ(settingsSize(c), settingsSize(stored));
}

TEST(EncodeImage, HeaderChecksumAvoidsCarriageReturn)
{
    // Find a station name length whose header sum gives 13 and check it is stored as 12.
    bool seen = false;
    for (int n = 0; n < 256 && !seen; ++n) {
        DeviceConfig c;
        c.tabINPNazev[0] = QString(n, QLatin1Char('x'));
        EepromImage img;
        ASSERT_EQ(encodeImage(c, img), EncodeError::None);
        unsigned sum = 0;
        for (int a = 0; a < 48; ++a)
            sum += img.at(a);
        if ((sum + 1) % 256 == 13) {
            seen = true;
            EXPECT_EQ(img.at(48), 12);
            EXPECT_TRUE(imageHeaderValid(img));
        } else {
            EXPECT_EQ(img.at(48), (sum + 1) % 256);
        }
    }
    EXPECT_TRUE(seen);
}

TEST(EncodeImage, ConversionFailuresStopBeforeTheHeader)
{
    struct Case {
        const char* what;
        void (*set)(DeviceConfig&);
        EncodeError expected;
    };
    const Case cases[] = {
        {"validity no number", [](DeviceConfig& c) { c.tabDobaPlatnostiSMS = "x"; }, EncodeError::Conversion},
        {"validity 90 days", [](DeviceConfig& c) { c.tabDobaPlatnostiSMS = "90"; }, EncodeError::Conversion},
        {"scale without span",
         [](DeviceConfig& c) {
             c.analogScale[3] = {5, 5, 1, "V"};
         },
         EncodeError::Conversion},
        {"text area beyond 65535", [](DeviceConfig& c) { c.tabTCcentra = QString(65536, QLatin1Char('1')); },
         EncodeError::Address},
    };
    for (const auto& k : cases) {
        DeviceConfig c;
        k.set(c);
        EepromImage img;
        EXPECT_EQ(encodeImage(c, img), k.expected) << k.what;
        EXPECT_FALSE(imageHeaderValid(img)) << k.what;
    }
    DeviceConfig ok;
    ok.tabDobaPlatnostiSMS = "89";
    EepromImage img;
    EXPECT_EQ(encodeImage(ok, img), EncodeError::None);
    EXPECT_EQ(img.at(130), 255);
}

TEST(EncodeImage, EndMarkerOnTheLastAddressesStillFits)
{
    // The used length is exactly the image: the end marker ends at 65535.
    DeviceConfig c;
    const int used = 428; // empty settings
    c.tabTCcentra = QString(EepromImage::kSize - used, QLatin1Char('1'));
    EepromImage img;
    ASSERT_EQ(encodeImage(c, img), EncodeError::None);
    EXPECT_EQ(img.at(65534), 0xFF);
    EXPECT_EQ(img.at(65535), 0xFF);
    c.tabTCcentra += QLatin1Char('1');
    EXPECT_EQ(encodeImage(c, img), EncodeError::Address);
}
