#include "model/Encodings.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace torval;

TEST(NormalizeNumber, CasesOfTheStation)
{
    EXPECT_EQ(normalizeNumber("abc", 0, 465, 0), "0");
    EXPECT_EQ(normalizeNumber("12.5", 0, 100, 1), "12,5");
    EXPECT_EQ(normalizeNumber("12,57", 0, 100, 1), "12,5");
    EXPECT_EQ(normalizeNumber("-3", 0.1, 25.5, 1), "0,1");
    EXPECT_EQ(normalizeNumber("999", 0, 59, 0), "59");
    EXPECT_EQ(normalizeNumber("-0,75", -10, 10, 0), "0");
    // Representation error must not cut a typed value one step down.
    EXPECT_EQ(normalizeNumber("2,3", 0, 100, 1), "2,3");
    EXPECT_EQ(normalizeNumber("4,35", 0, 100, 2), "4,35");
}

TEST(AnalogConversions, LevelsAndHysteresesOnThe255Grid)
{
    const AnalogScale pct{0, 100, 1, "%"};
    EXPECT_EQ(levelToByte(pct, "0"), 0);
    EXPECT_EQ(levelToByte(pct, "100"), 255);
    EXPECT_EQ(levelToByte(pct, "25"), 64);
    EXPECT_EQ(levelToByte(pct, "75"), 191);
    EXPECT_EQ(numberText(*byteToLevel(pct, 128)), "50,2");
    EXPECT_EQ(numberText(*byteToLevel(pct, 127)), "49,8");
    const AnalogScale volt{0, 27, 1, "V"};
    EXPECT_EQ(hystToByte(volt, "13,5"), 128);
    EXPECT_EQ(hystToByte(volt, "20"), 128);
    EXPECT_EQ(hystToByte(pct, "50"), 127);
    const AnalogScale flat{5, 5, 1, "V"};
    EXPECT_FALSE(levelToByte(flat, "5").has_value());
}

TEST(PhoneAddress, EncodesAndDecodes)
{
    EXPECT_EQ(encodePhoneAddress("+420602909909"), "0C91246020099990");
    EXPECT_EQ(encodePhoneAddress("12345"), "05812143F5");
    EXPECT_EQ(encodePhoneAddress(""), "00");
    EXPECT_EQ(encodePhoneAddress("123456789012345").left(2), "0F");
    EXPECT_EQ(encodePhoneAddress("1234567890123456").left(2), "10");
    EXPECT_EQ(decodePhoneAddress("0C91246020099990"), "+420602909909");
    EXPECT_EQ(decodePhoneAddress("05812143F5"), "12345");
    // Garbage from the station decodes to something harmless: a count that
    // overruns the text, a short or non-hex text give only the digits that
    // are there (and the '+' of an international type), never more.
    for (const QString garbage : {"FF91", "Z", "0991123", "", "91", "05814"}) {
        const QString out = decodePhoneAddress(garbage);
        EXPECT_LE(out.size(), std::max<qsizetype>(garbage.size() - 4, 0) + 1) << garbage.toStdString();
        for (const QChar ch : out)
            EXPECT_TRUE(ch == QLatin1Char('+') || garbage.mid(4).contains(ch)) << garbage.toStdString();
    }
}

TEST(ScalarEncodings, PulseValidityPowerSave)
{
    EXPECT_EQ(pulseToByte("0"), 1);
    EXPECT_EQ(pulseToByte("30"), 255);
    EXPECT_EQ(byteToPulse(25), "2,5");
    EXPECT_EQ(byteToPulse(3), "0,3");
    EXPECT_EQ(validityToByte("3"), 169);
    EXPECT_FALSE(validityToByte("90").has_value());
    EXPECT_FALSE(validityToByte("x").has_value());
    EXPECT_EQ(byteToValidity(0), "-166");
    EXPECT_EQ(powerSaveToBytes("465", "59"), (std::array<std::uint8_t, 3>{232, 248, 255}));
    EXPECT_EQ(powerSaveToBytes("1", "0"), (std::array<std::uint8_t, 3>{160, 140, 0}));
    const auto hm = bytesToPowerSave(232, 248, 255);
    EXPECT_EQ(hm.hours, "465");
    EXPECT_EQ(hm.minutes, "59");
}
