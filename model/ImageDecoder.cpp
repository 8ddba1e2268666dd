#include "model/ImageDecoder.h"

#include "model/Cp1250.h"
#include "model/Encodings.h"
#include "model/ImageLayout.h"
#include "model/SettingsDocument.h"

#include <algorithm>
#include <cstring>

namespace torval {

namespace {

// Walks the text lists. Every read is bounded by the image: a text whose
// terminator would lie beyond address 65535 ends the decoding.
class Reader {
public:
    explicit Reader(const EepromImage& image) : m_bytes(image.bytes()) {}

    bool complete() const { return m_complete; }
    // One past the furthest byte any list was read to.
    int end() const { return m_end; }

    // Moves to the list whose pointer word stands at `pointerAddress`.
    void list(int pointerAddress)
    {
        m_pos = m_bytes[std::size_t(pointerAddress)] + 256 * m_bytes[std::size_t(pointerAddress) + 1];
    }

    // The raw bytes of the next entry, up to (not including) its 0; moves past
    // the 0. false when the image ends first: the bytes up to the end are
    // still returned, the way the entry was being filled when the read failed.
    bool entry(std::span<const std::uint8_t>& out)
    {
        const auto rest = m_bytes.subspan(std::size_t(m_pos));
        const void* zero = std::memchr(rest.data(), 0, rest.size());
        if (!zero) {
            out = rest;
            m_pos = EepromImage::kSize;
            m_complete = false;
            return false;
        }
        const auto n = std::size_t(static_cast<const std::uint8_t*>(zero) - rest.data());
        out = rest.first(n);
        m_pos += int(n) + 1;
        m_end = std::max(m_end, m_pos);
        return true;
    }

    bool text(QString& field)
    {
        std::span<const std::uint8_t> raw;
        const bool ok = entry(raw);
        field = fromCp1250(QByteArray::fromRawData(reinterpret_cast<const char*>(raw.data()), qsizetype(raw.size())));
        return ok;
    }

    template <std::size_t N>
    bool texts(int pointerAddress, std::array<QString, N>& fields)
    {
        list(pointerAddress);
        for (QString& f : fields)
            if (!text(f))
                return false;
        return true;
    }

    // One telephone entry: the count as two hexadecimal characters, the type
    // and the swapped digit pairs, then the terminator. The entry is taken up
    // to its own terminator, so a count that promises more characters than the
    // entry holds, an odd count or a non-hexadecimal count cannot pull the
    // next entries out of step.
    bool phone(QString& field)
    {
        std::span<const std::uint8_t> raw;
        const bool ok = entry(raw);
        field.clear();
        if (raw.size() < 2)
            return ok;
        const QString chars =
            fromCp1250(QByteArray::fromRawData(reinterpret_cast<const char*>(raw.data()), qsizetype(raw.size())));
        bool hex = false;
        int n = chars.left(2).toInt(&hex, 16);
        if (!hex)
            return ok;
        const int m = n == 0 ? 0 : (n + (n % 2)) + 2;
        field = decodePhoneAddress(chars.left(2 + m));
        return ok;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    int m_pos = 0;
    int m_end = 0;
    bool m_complete = true;
};

template <std::size_t N>
void flags(std::uint8_t mask, std::array<bool, N>& out)
{
    flagsFromMask(mask, out);
}

void decodeFixedBlock(const EepromImage& img, DeviceConfig& c)
{
    const std::uint8_t a = img.at(layout::kFixedBlock);
    c.opNotAuthorized = a & 1;
    c.tabPrepnoutNepovolPristup = a & 2;
    c.tabOdpovidatT0 = a & 4;
    c.opSwitchReport = a & 8;
    c.opPowerReport = a & 16;
    c.opBatt = a & 32;
    c.opSuppZero = a & 64;

    const std::uint8_t b = img.at(layout::kFixedBlock + 1);
    c.opEnablePS1 = b & 2;
    c.opSuperPS = b & 4;
    c.opPSOutOff = b & 8;
    c.opPINAuth = b & 128;

    c.tabDobaPlatnostiSMS = byteToValidity(img.at(130));

    flags(img.at(131), c.tabTCPrijem);
    flags(img.at(132), c.tabTCUdalost);
    flags(img.at(133), c.tabINPZpr);
    flags(img.at(135), c.tabINPLHEvent);
    flags(img.at(137), c.tabINPHLEvent);
    flags(img.at(139), c.tabINPNeg);
    flags(img.at(141), c.tabOUTZpr);
    flags(img.at(142), c.tabOUTNeg);
    flags(img.at(143), c.tabCITZpr);
    flags(img.at(144), c.tabAINZpr);
    flags(img.at(145), c.tabAINPrc);
    flags(img.at(182), c.tabAINNeg);
    flags(img.at(146), c.tabAINCL1DnEvent);
    flags(img.at(147), c.tabAINCL1UpEvent);
    flags(img.at(148), c.tabAINCL2DnEvent);
    flags(img.at(149), c.tabAINCL2UpEvent);

    for (int i = 0; i < kAnalogCount; ++i) {
        const auto k = std::size_t(i);
        const AnalogScale& s = c.analogScale[k];
        // A scale without span cannot place a byte; the field keeps its text.
        if (const auto v = byteToLevel(s, img.at(150 + i)))
            c.tabAINCL1Level[k] = numberText(*v);
        if (const auto v = byteToLevel(s, img.at(158 + i)))
            c.tabAINCL2Level[k] = numberText(*v);
        if (const auto v = byteToHyst(s, img.at(166 + i)))
            c.tabAINHCL1Level[k] = numberText(*v);
        if (const auto v = byteToHyst(s, img.at(174 + i)))
            c.tabAINHCL2Level[k] = numberText(*v);
    }

    for (int i = 0; i < kOutputCount; ++i)
        c.tabOUTimpulsLEN[std::size_t(i)] = byteToPulse(img.at(183 + i));

    flags(img.at(240), c.eeMaskDInLHAlarm);
    flags(img.at(241), c.eeMaskDInHLAlarm);
    c.eeMaskDOutFnc = img.at(242);
    for (int i = 0; i < kAnalogCount; ++i)
        c.eeMaskAInAlarm[std::size_t(i)] = img.at(243 + i);

    const auto on = bytesToPowerSave(img.at(251), img.at(252), img.at(253));
    c.eePSOnH = on.hours;
    c.eePSOnM = on.minutes;
    const auto off = bytesToPowerSave(img.at(254), img.at(255), img.at(256));
    c.eePSOffH = off.hours;
    c.eePSOffM = off.minutes;
}

bool decodeTextArea(const EepromImage& img, DeviceConfig& c, int& end)
{
    Reader r(img);
    const bool plain = r.texts(0, c.tabINPNazev) && r.texts(2, c.tabINPZap) && r.texts(4, c.tabINPVyp)
        && r.texts(8, c.tabINPLH) && r.texts(10, c.tabINPHL) && r.texts(12, c.tabOUTNazev)
        && r.texts(14, c.tabOUTZap) && r.texts(16, c.tabOUTVyp) && r.texts(18, c.tabOUTimpuls)
        && r.texts(20, c.tabAINNazev) && r.texts(22, c.tabAINStateL) && r.texts(24, c.tabAINStateM)
        && r.texts(26, c.tabAINStateH) && r.texts(36, c.tabCITNazev);
    if (!plain)
        return false;
    // Same pairing as the encoder for every input, negated or not.
    if (!(r.texts(28, c.tabAINCL1Dn) && r.texts(30, c.tabAINCL1Up) && r.texts(32, c.tabAINCL2Dn)
          && r.texts(34, c.tabAINCL2Up)))
        return false;

    r.list(40);
    for (QString& tc : c.tabTC)
        if (!r.phone(tc))
            return false;

    r.list(38);
    QString* general[] = {&c.tabJmenoStanice, &c.tabPIN,      &c.tabTCcentra, &c.rtNotAuthorized,
                          &c.rtPowerUp,       &c.rtPowerDown, &c.rtSwitchOn,  &c.rtSwitchOff};
    for (QString* t : general)
        if (!r.text(*t))
            return false;
    end = r.end();
    return true;
}

} // namespace

DecodeResult decodeImage(const EepromImage& image, const DeviceConfig& current)
{
    DecodeResult result{current, true};
    DeviceConfig& c = result.config;
    decodeFixedBlock(image, c);
    int textEnd = 0;
    result.complete = decodeTextArea(image, c, textEnd);
    // The fixed block ends below the text area; the end marker follows the texts.
    result.usedLength = result.complete ? std::max(layout::kTextArea, textEnd + 2) : EepromImage::kSize + 1;
    // The battery-low report is the BAT input's CL1-down text; the image holds it once.
    c.rtBattLow = c.tabAINCL1Dn[kBatteryInput];
    return result;
}

bool decodeImageInto(SettingsDocument& doc, const EepromImage& image)
{
    const DecodeResult r = decodeImage(image, doc.config());
    // Half old and half new settings would be worse than either: an image whose
    // texts run off its end leaves the editor as it was.
    if (!r.complete)
        return false;
    doc.setSuppressFieldChecks(true);
    doc.assignImageFields(r.config);
    doc.setSuppressFieldChecks(false);
    return r.complete;
}

} // namespace torval
