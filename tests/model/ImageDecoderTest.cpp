#include "model/ImageDecoder.h"

#include "model/Encodings.h"
#include "model/ImageEncoder.h"
#include "model/SettingsDocument.h"
#include "model/SettingsSize.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

EepromImage encoded(const DeviceConfig& c)
{
    EepromImage img;
    EXPECT_EQ(encodeImage(c, img), EncodeError::None);
    return img;
}

void setWord(EepromImage& img, int addr, int value)
{
    ASSERT_TRUE(img.writeImageWord(value, addr));
}

void setBytes(EepromImage& img, int addr, const QByteArray& b)
{
    for (int i = 0; i < b.size(); ++i)
        ASSERT_TRUE(img.writeImageByte(static_cast<unsigned char>(b[i]), addr + i));
}

} // namespace

TEST(DecodeImage, FixedBlockValues)
{
    EepromImage img = encoded(DeviceConfig{});
    ASSERT_TRUE(img.writeImageByte(0, 130));
    ASSERT_TRUE(img.writeImageByte(25, 183));
    ASSERT_TRUE(img.writeImageByte(3, 184));
    ASSERT_TRUE(img.writeImageByte(0x7F, 128));
    ASSERT_TRUE(img.writeImageByte(0x8E, 129));
    const DeviceConfig c = decodeImage(img, DeviceConfig{}).config;
    EXPECT_EQ(c.tabDobaPlatnostiSMS, "-166");
    EXPECT_EQ(c.tabOUTimpulsLEN[0], "2,5");
    EXPECT_EQ(c.tabOUTimpulsLEN[1], "0,3");
    EXPECT_TRUE(c.opNotAuthorized && c.tabPrepnoutNepovolPristup && c.tabOdpovidatT0 && c.opSwitchReport
                && c.opPowerReport && c.opBatt && c.opSuppZero);
    EXPECT_TRUE(c.opEnablePS1 && c.opSuperPS && c.opPSOutOff && c.opPINAuth);
}

TEST(DecodeImage, ReportBoxesWithoutTextComeBackClear)
{
    DeviceConfig c;
    c.opNotAuthorized = true;
    c.opSwitchReport = true;
    c.opPowerReport = true;
    const DeviceConfig d = decodeImage(encoded(c), DeviceConfig{}).config;
    EXPECT_FALSE(d.opNotAuthorized);
    EXPECT_FALSE(d.opSwitchReport);
    EXPECT_FALSE(d.opPowerReport);
}

TEST(DecodeImage, LevelsComeBackOnTheCurrentScale)
{
    DeviceConfig c;
    c.tabAINCL1Level[0] = "25";
    c.tabAINCL2Level[0] = "75";
    const EepromImage img = encoded(c);
    DeviceConfig current;
    current.analogScale[0] = {0, 27, 1, "V"};
    const DeviceConfig d = decodeImage(img, current).config;
    EXPECT_EQ(d.tabAINCL1Level[0], numberText(*byteToLevel(current.analogScale[0], 64)));
    EXPECT_EQ(d.tabAINCL2Level[0], numberText(*byteToLevel(current.analogScale[0], 191)));
    EXPECT_EQ(d.analogScale[0], current.analogScale[0]);
}

TEST(DecodeImage, PhoneNumbersAndTheBatteryText)
{
    DeviceConfig c;
    c.tabTC[0] = "+420602909909";
    c.tabTC[2] = "123456789012345";
    c.tabAINCL1Dn[7] = "Baterie slabá";
    c.rtBattLow = c.tabAINCL1Dn[7];
    const DeviceConfig d = decodeImage(encoded(c), DeviceConfig{}).config;
    EXPECT_EQ(d.tabTC[0], "+420602909909");
    EXPECT_EQ(d.tabTC[1], "");
    EXPECT_EQ(d.tabTC[2], "123456789012345");
    EXPECT_EQ(d.rtBattLow, "Baterie slabá");
}

TEST(DecodeImage, NegatedInputKeepsItsCrossingTexts)
{
    DeviceConfig c;
    c.tabAINNeg[2] = true;
    c.tabAINCL1Dn[2] = "a";
    c.tabAINCL1Up[2] = "b";
    c.tabAINCL2Dn[2] = "c";
    c.tabAINCL2Up[2] = "d";
    const DeviceConfig d = decodeImage(encoded(c), DeviceConfig{}).config;
    EXPECT_EQ(d.tabAINCL1Dn[2], "a");
    EXPECT_EQ(d.tabAINCL1Up[2], "b");
    EXPECT_EQ(d.tabAINCL2Dn[2], "c");
    EXPECT_EQ(d.tabAINCL2Up[2], "d");
}

TEST(DecodeImage, MalformedPhoneEntriesStayInStep)
{
    struct Case {
        const char* what;
        QByteArray entry;
        QString number;
    };
    const Case cases[] = {
        {"count promises more than the entry holds", QByteArray("0C9124", 6), "+42"},
        {"odd number of characters", QByteArray("0381214", 7), "124"},
        {"count not hexadecimal", QByteArray("ZZ8121", 6), ""},
        {"one character", QByteArray("5", 1), ""},
        {"digits not hexadecimal", QByteArray("0281*x", 6), "x*"},
    };
    for (const auto& k : cases) {
        DeviceConfig c;
        c.tabTC[1] = "12345";
        EepromImage img = encoded(c);
        // Rebuild the phone list at the end of the used area with the bad entry first.
        const int p = 1000;
        setWord(img, 40, p);
        setBytes(img, p, k.entry + QByteArray(1, '\0') + QByteArray("05812143F5") + QByteArray(7, '\0'));
        const DecodeResult r = decodeImage(img, DeviceConfig{});
        EXPECT_TRUE(r.complete) << k.what;
        EXPECT_EQ(r.config.tabTC[0], k.number) << k.what;
        EXPECT_EQ(r.config.tabTC[1], "12345") << k.what;
    }
}

TEST(DecodeImage, HostilePointersNeverReadOutsideTheImage)
{
    struct Case {
        const char* what;
        void (*prepare)(EepromImage&);
        bool complete;
    };
    const Case cases[] = {
        {"pointer into the pointer table", [](EepromImage& img) { setWord(img, 20, 0); }, true},
        {"pointer at itself", [](EepromImage& img) { setWord(img, 0, 0); }, true},
        {"pointer at the last address, no terminator",
         [](EepromImage& img) {
             setWord(img, 38, 65535);
             ASSERT_TRUE(img.writeImageByte('x', 65535));
         },
         false},
        {"list runs off the end",
         [](EepromImage& img) {
             setWord(img, 40, 65530);
             for (int a = 65530; a < 65536; ++a)
                 ASSERT_TRUE(img.writeImageByte('1', a));
         },
         false},
        {"phone entry cut by the end",
         [](EepromImage& img) {
             setWord(img, 40, 65534);
             setBytes(img, 65534, "0C");
         },
         false},
    };
    for (const auto& k : cases) {
        EepromImage img = encoded(DeviceConfig{});
        k.prepare(img);
        const DecodeResult r = decodeImage(img, DeviceConfig{});
        EXPECT_EQ(r.complete, k.complete) << k.what;
    }
}

TEST(DecodeImage, StopsAtTheEndAndKeepsWhatWasFilled)
{
    DeviceConfig c;
    c.tabINPNazev[0] = "PRVNI";
    c.tabJmenoStanice = "stará";
    EepromImage img = encoded(c);
    setWord(img, 40, 65535);
    ASSERT_TRUE(img.writeImageByte('9', 65535));
    DeviceConfig current;
    current.tabJmenoStanice = "stará";
    const DecodeResult r = decodeImage(img, current);
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.config.tabINPNazev[0], "PRVNI");
    // The general texts come after the phones and were never reached.
    EXPECT_EQ(r.config.tabJmenoStanice, "stará");
}

TEST(DecodeImageInto, GoesThroughTheDocument)
{
    DeviceConfig c;
    c.tabAINCL1Dn[7] = "Slabá baterie";
    c.rtBattLow = c.tabAINCL1Dn[7];
    c.tabINPNazev[3] = "DVERE";
    const EepromImage img = encoded(c);

    SettingsDocument doc;
    doc.setAnalogScale(0, {0, 50, 0, "m"});
    bool suppressedDuringChange = true;
    QObject::connect(&doc, &SettingsDocument::fieldChanged,
                     [&] { suppressedDuringChange = suppressedDuringChange && doc.suppressFieldChecks(); });
    int sizeSignals = 0;
    QObject::connect(&doc, &SettingsDocument::settingsSizeChanged, [&] { ++sizeSignals; });
    EXPECT_TRUE(decodeImageInto(doc, img));
    EXPECT_TRUE(suppressedDuringChange);
    EXPECT_FALSE(doc.suppressFieldChecks());
    EXPECT_GT(sizeSignals, 0);
    EXPECT_EQ(doc.config().rtBattLow, "Slabá baterie");
    EXPECT_EQ(doc.config().tabINPNazev[3], "DVERE");
    EXPECT_EQ(doc.config().analogScale[0].max, 50);
    EXPECT_EQ(doc.settingsSize(), settingsSize(c));
}
