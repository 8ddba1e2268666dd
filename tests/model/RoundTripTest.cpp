// Random settings survive encode -> decode, and encoding is deterministic.
#include "model/ConfigFields.h"
#include "model/Encodings.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/SettingsSize.h"

#include <gtest/gtest.h>

#include <random>

using namespace torval;

namespace {

class RandomConfig {
public:
    explicit RandomConfig(unsigned seed) : m_rng(seed) { }

    int number(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool coin() { return number(0, 1) == 1; }

    QString text(int maxLength)
    {
        static const QString czech = QStringLiteral("ěščřžýáíéúůťďňĚŠČŘŽÝÁÍÉÚŮŤĎŇ€„“");
        QString s;
        const int n = number(0, std::min(maxLength, 30));
        for (int i = 0; i < n; ++i)
            s += coin() ? QChar(char16_t(number(32, 126))) : czech[number(0, int(czech.size()) - 1)];
        return s;
    }
    QString phone()
    {
        if (number(0, 3) == 0)
            return {};
        QString s = coin() ? QStringLiteral("+") : QString();
        const int n = number(1, 20);
        for (int i = 0; i < n; ++i)
            s += QChar(char16_t('0' + number(0, 9)));
        return s;
    }
    QString decimal(int lo, int hi, int decimals)
    {
        QString s = QString::number(number(lo, hi));
        if (decimals > 0 && coin())
            s += QStringLiteral(",%1").arg(number(0, 9));
        return s;
    }

    DeviceConfig make()
    {
        DeviceConfig c;
        for (const FieldDef& f : configFields()) {
            const std::string_view name(f.name);
            for (int i = 0; i < f.count; ++i) {
                if (f.kind == FieldKind::Flag)
                    *f.flag(c, i) = coin();
                else if (f.kind == FieldKind::Byte)
                    *f.byte(c, i) = std::uint8_t(number(0, 255));
                else if (name == "tabTC")
                    *f.text(c, i) = phone();
                else if (f.maxLength >= 100 || name == "tabTCcentra" || name == "tabPIN")
                    *f.text(c, i) = text(f.maxLength > 0 ? f.maxLength : 40);
            }
        }
        c.tabDobaPlatnostiSMS = QString::number(number(-166, 89));
        c.eePSOnH = decimal(0, 500, 0);
        c.eePSOnM = decimal(0, 70, 0);
        c.eePSOffH = decimal(0, 500, 0);
        c.eePSOffM = decimal(0, 70, 0);
        for (int i = 0; i < 8; ++i) {
            c.tabOUTimpulsLEN[i] = decimal(0, 30, 1);
            c.tabAINCL1Level[i] = decimal(-10, 110, 1);
            c.tabAINCL2Level[i] = decimal(0, 100, 1);
            c.tabAINHCL1Level[i] = decimal(0, 60, 1);
            c.tabAINHCL2Level[i] = decimal(0, 60, 1);
        }
        c.rtBattLow = c.tabAINCL1Dn[kBatteryInput];
        return c;
    }

private:
    std::mt19937 m_rng;
};

// What the decoder must give back: the input with numbers in the form the
// station stores them and report boxes cleared when they have no text.
DeviceConfig normalised(DeviceConfig c)
{
    for (int i = 0; i < 8; ++i) {
        const AnalogScale& s = c.analogScale[i];
        c.tabOUTimpulsLEN[i] = byteToPulse(pulseToByte(c.tabOUTimpulsLEN[i]));
        c.tabAINCL1Level[i] = numberText(*byteToLevel(s, *levelToByte(s, c.tabAINCL1Level[i])));
        c.tabAINCL2Level[i] = numberText(*byteToLevel(s, *levelToByte(s, c.tabAINCL2Level[i])));
        c.tabAINHCL1Level[i] = numberText(*byteToHyst(s, *hystToByte(s, c.tabAINHCL1Level[i])));
        c.tabAINHCL2Level[i] = numberText(*byteToHyst(s, *hystToByte(s, c.tabAINHCL2Level[i])));
    }
    const auto on = powerSaveToBytes(c.eePSOnH, c.eePSOnM);
    const auto pon = bytesToPowerSave(on[0], on[1], on[2]);
    c.eePSOnH = pon.hours;
    c.eePSOnM = pon.minutes;
    const auto off = powerSaveToBytes(c.eePSOffH, c.eePSOffM);
    const auto poff = bytesToPowerSave(off[0], off[1], off[2]);
    c.eePSOffH = poff.hours;
    c.eePSOffM = poff.minutes;
    c.opNotAuthorized = c.opNotAuthorized && !c.rtNotAuthorized.isEmpty();
    c.opSwitchReport = c.opSwitchReport && !(c.rtSwitchOn.isEmpty() && c.rtSwitchOff.isEmpty());
    c.opPowerReport = c.opPowerReport && !(c.rtPowerUp.isEmpty() && c.rtPowerDown.isEmpty());
    c.tabDobaPlatnostiSMS = QString::number(c.tabDobaPlatnostiSMS.toInt());
    return c;
}

} // namespace

TEST(ImageRoundTrip, RandomSettingsComeBack)
{
    for (unsigned seed = 1; seed <= 300; ++seed) {
        RandomConfig gen(seed);
        const DeviceConfig c = gen.make();
        EepromImage a;
        ASSERT_EQ(encodeImage(c, a), EncodeError::None) << "seed " << seed;
        ASSERT_TRUE(imageHeaderValid(a)) << "seed " << seed;
        // The estimate is the used length plus the battery text counted twice.
        int p = a.at(38) + 256 * a.at(39);
        for (int k = 0; k < 8; ++k)
            while (a.at(p++) != 0) { }
        ASSERT_EQ(a.at(p), 0xFF);
        ASSERT_EQ(a.at(p + 1), 0xFF);
        EXPECT_EQ(settingsSize(c), p + 2 + int(c.rtBattLow.size()) + 1) << "seed " << seed;

        const DecodeResult r = decodeImage(a, c);
        ASSERT_TRUE(r.complete) << "seed " << seed;
        const DeviceConfig expected = normalised(c);
        for (const FieldDef& f : configFields())
            for (int i = 0; i < f.count; ++i)
                ASSERT_EQ(valueText(r.config, f, i), valueText(expected, f, i))
                    << "seed " << seed << " field " << f.name << "[" << i << "]";
        EXPECT_EQ(r.config, expected) << "seed " << seed;

        // Encoding the same settings again gives the same image, and so does
        // encoding what was decoded.
        EepromImage b;
        ASSERT_EQ(encodeImage(c, b), EncodeError::None);
        EXPECT_TRUE(a == b) << "seed " << seed;
        EepromImage d;
        ASSERT_EQ(encodeImage(r.config, d), EncodeError::None);
        EXPECT_TRUE(a == d) << "seed " << seed;
    }
}
