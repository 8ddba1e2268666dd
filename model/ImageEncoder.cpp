#include "model/ImageEncoder.h"

#include "model/Cp1250.h"
#include "model/Encodings.h"
#include "model/ImageLayout.h"

#include <cstring>

namespace torval {

namespace {

// Writes in the order the firmware's layout is built up and stops at the first
// failure; `failed` remembers why.
class Writer {
public:
    explicit Writer(EepromImage& image) : m_image(image) {}

    bool byte(int value, int address)
    {
        if (!m_image.writeImageByte(value, address))
            return fail(EncodeError::Address);
        return true;
    }
    bool word(int value, int address)
    {
        if (!m_image.writeImageWord(value, address))
            return fail(EncodeError::Address);
        return true;
    }
    // One text entry and its terminator at m_pos.
    bool entry(const QByteArray& bytes)
    {
        const qsizetype n = bytes.size();
        if (m_pos + n + 1 > EepromImage::kSize)
            return fail(EncodeError::Address);
        auto out = m_image.bytes().subspan(std::size_t(m_pos), std::size_t(n) + 1);
        if (n > 0)
            std::memcpy(out.data(), bytes.constData(), std::size_t(n));
        out[std::size_t(n)] = 0;
        m_pos += int(n) + 1;
        return true;
    }
    // One text entry written straight into the image (a full configuration
    // has some 130 of them and the encoder runs on every save).
    bool entry(const QString& text)
    {
        // A text never takes more bytes than it has UTF-16 units.
        if (m_pos + text.size() + 1 > EepromImage::kSize)
            return entry(toCp1250(text));
        const qsizetype n = writeCp1250(text, m_image.bytes().data() + m_pos);
        m_image.bytes()[std::size_t(m_pos + n)] = 0;
        m_pos += int(n) + 1;
        return true;
    }
    // A list starts where the previous one ended; its pointer says where.
    bool list(int pointerAddress) { return word(m_pos, pointerAddress); }
    template <std::size_t N>
    bool texts(int pointerAddress, const std::array<QString, N>& items)
    {
        if (!list(pointerAddress))
            return false;
        for (const QString& s : items)
            if (!entry(s))
                return false;
        return true;
    }

    bool fail(EncodeError e)
    {
        if (m_error == EncodeError::None)
            m_error = e;
        return false;
    }

    int pos() const { return m_pos; }
    void setPos(int p) { m_pos = p; }
    EncodeError error() const { return m_error; }

private:
    EepromImage& m_image;
    int m_pos = 0;
    EncodeError m_error = EncodeError::None;
};

std::uint8_t flagsA(const DeviceConfig& c)
{
    std::uint8_t a = 0;
    // The station sends a report only when there is a text to send, so a ticked
    // box without text is stored as off.
    if (c.opNotAuthorized && !c.rtNotAuthorized.isEmpty())
        a |= 1;
    if (c.tabPrepnoutNepovolPristup)
        a |= 2;
    if (c.tabOdpovidatT0)
        a |= 4;
    if (c.opSwitchReport && (!c.rtSwitchOn.isEmpty() || !c.rtSwitchOff.isEmpty()))
        a |= 8;
    if (c.opPowerReport && (!c.rtPowerUp.isEmpty() || !c.rtPowerDown.isEmpty()))
        a |= 16;
    if (c.opBatt)
        a |= 32;
    if (c.opSuppZero)
        a |= 64;
    return a;
}

std::uint8_t flagsB(const DeviceConfig& c)
{
    std::uint8_t b = 0;
    if (c.opEnablePS1)
        b |= 2;
    if (c.opSuperPS)
        b |= 4;
    if (c.opPSOutOff)
        b |= 8;
    if (c.opPINAuth)
        b |= 128;
    return b;
}

bool writeFixedBlock(const DeviceConfig& c, Writer& w)
{
    if (!w.byte(flagsA(c), layout::kFixedBlock) || !w.byte(flagsB(c), layout::kFixedBlock + 1))
        return false;
    const auto validity = validityToByte(c.tabDobaPlatnostiSMS);
    if (!validity)
        return w.fail(EncodeError::Conversion);
    if (!w.byte(*validity, 130))
        return false;

    const bool masksOk = w.byte(maskFromFlags(c.tabTCPrijem), 131) && w.byte(maskFromFlags(c.tabTCUdalost), 132)
        && w.byte(maskFromFlags(c.tabINPZpr), 133) && w.byte(0, 134) && w.byte(maskFromFlags(c.tabINPLHEvent), 135)
        && w.byte(0, 136) && w.byte(maskFromFlags(c.tabINPHLEvent), 137) && w.byte(0, 138)
        && w.byte(maskFromFlags(c.tabINPNeg), 139) && w.byte(0, 140) && w.byte(maskFromFlags(c.tabOUTZpr), 141)
        && w.byte(maskFromFlags(c.tabOUTNeg), 142) && w.byte(maskFromFlags(c.tabCITZpr), 143)
        && w.byte(maskFromFlags(c.tabAINZpr), 144) && w.byte(maskFromFlags(c.tabAINPrc), 145)
        && w.byte(maskFromFlags(c.tabAINNeg), 182) && w.byte(maskFromFlags(c.tabAINCL1DnEvent), 146)
        && w.byte(maskFromFlags(c.tabAINCL1UpEvent), 147) && w.byte(maskFromFlags(c.tabAINCL2DnEvent), 148)
        && w.byte(maskFromFlags(c.tabAINCL2UpEvent), 149);
    if (!masksOk)
        return false;

    // Levels and hystereses with the scale the editor holds now.
    struct Levels {
        const Texts8& texts;
        int base;
        bool hyst;
    };
    const Levels levels[] = {
        {c.tabAINCL1Level, 150, false},
        {c.tabAINCL2Level, 158, false},
        {c.tabAINHCL1Level, 166, true},
        {c.tabAINHCL2Level, 174, true},
    };
    for (const auto& l : levels) {
        for (int i = 0; i < kAnalogCount; ++i) {
            const AnalogScale& s = c.analogScale[std::size_t(i)];
            const QString& t = l.texts[std::size_t(i)];
            const auto b = l.hyst ? hystToByte(s, t) : levelToByte(s, t);
            if (!b)
                return w.fail(EncodeError::Conversion);
            if (!w.byte(*b, l.base + i))
                return false;
        }
    }

    for (int i = 0; i < kOutputCount; ++i)
        if (!w.byte(pulseToByte(c.tabOUTimpulsLEN[std::size_t(i)]), 183 + i))
            return false;
    if (!w.byte(maskFromFlags(c.eeMaskDInLHAlarm), 240) || !w.byte(maskFromFlags(c.eeMaskDInHLAlarm), 241)
        || !w.byte(c.eeMaskDOutFnc, 242))
        return false;
    for (int i = 0; i < kAnalogCount; ++i)
        if (!w.byte(c.eeMaskAInAlarm[std::size_t(i)], 243 + i))
            return false;
    const auto on = powerSaveToBytes(c.eePSOnH, c.eePSOnM);
    const auto off = powerSaveToBytes(c.eePSOffH, c.eePSOffM);
    for (int k = 0; k < 3; ++k)
        if (!w.byte(on[std::size_t(k)], 251 + k))
            return false;
    for (int k = 0; k < 3; ++k)
        if (!w.byte(off[std::size_t(k)], 254 + k))
            return false;
    return true;
}

bool writeTextArea(const DeviceConfig& c, Writer& w)
{
    w.setPos(layout::kTextArea);
    // The analog crossing texts are written from the same fields for every
    // input, negated or not; the decoder reads them back the same way, so each
    // text returns to the field it came from.
    const bool listsOk = w.texts(0, c.tabINPNazev) && w.texts(2, c.tabINPZap) && w.texts(4, c.tabINPVyp)
        && w.texts(8, c.tabINPLH) && w.texts(10, c.tabINPHL) && w.texts(12, c.tabOUTNazev)
        && w.texts(14, c.tabOUTZap) && w.texts(16, c.tabOUTVyp) && w.texts(18, c.tabOUTimpuls)
        && w.texts(20, c.tabAINNazev) && w.texts(22, c.tabAINStateL) && w.texts(24, c.tabAINStateM)
        && w.texts(26, c.tabAINStateH) && w.texts(28, c.tabAINCL1Dn) && w.texts(30, c.tabAINCL1Up)
        && w.texts(32, c.tabAINCL2Dn) && w.texts(34, c.tabAINCL2Up) && w.texts(36, c.tabCITNazev);
    if (!listsOk)
        return false;

    // Telephone numbers as the SMS address field in hexadecimal characters; an
    // empty number is its terminator alone.
    if (!w.list(40))
        return false;
    for (const QString& tc : c.tabTC)
        if (!w.entry(tc.isEmpty() ? QByteArray() : toCp1250(encodePhoneAddress(tc))))
            return false;

    const std::array<QString, 8> general = {c.tabJmenoStanice, c.tabPIN,      c.tabTCcentra, c.rtNotAuthorized,
                                            c.rtPowerUp,       c.rtPowerDown, c.rtSwitchOn,  c.rtSwitchOff};
    return w.texts(38, general);
}

} // namespace

EncodeError encodeImage(const DeviceConfig& config, EepromImage& image)
{
    Writer w(image);
    if (!w.word(64, layout::kConstantWord))
        return w.error();
    if (!writeFixedBlock(config, w) || !writeTextArea(config, w))
        return w.error();
    if (!w.word(layout::kMagic, layout::kMagicAddress))
        return w.error();
    // The end marker follows the last text; the position is not advanced.
    if (!w.byte(0xFF, w.pos()) || !w.byte(0xFF, w.pos() + 1))
        return w.error();
    if (!w.byte(headerChecksum(image), layout::kChecksumAddress))
        return w.error();
    return EncodeError::None;
}

} // namespace torval
