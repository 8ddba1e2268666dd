#include "model/ImageEncoder.h"

#include "model/ConfigFields.h"
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
    explicit Writer(EepromImage& image) : m_image(image) { }

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

// A report option is stored as off when it has no text to send.
bool storedFlag(const DeviceConfig& c, const FieldDef& f)
{
    if (!flagOf(c, f, 0))
        return false;
    for (const ReportOption& r : reportOptions()) {
        if (r.option != f.id)
            continue;
        for (int k = 0; k < r.count; ++k)
            if (!textOf(c, field(r.texts[k]), 0).isEmpty())
                return true;
        return false;
    }
    return true;
}

std::uint8_t maskOf(const DeviceConfig& c, const FieldDef& f)
{
    std::uint8_t m = 0;
    for (int i = 0; i < f.count && i < 8; ++i)
        if (flagOf(c, f, i))
            m |= std::uint8_t(1u << i);
    return m;
}

const FieldDef& powerSaveMinutes(int address)
{
    for (const FieldDef& f : configFields())
        if (f.image.kind == layout::PlaceKind::PowerSaveMinutes && f.image.address == address)
            return f;
    return field(FieldId::eePSOnM); // the field table's build check pairs every hours field
}

// One field's bytes of the fixed block; the flag bits are gathered in `bits`.
bool writeFixed(const DeviceConfig& c, const FieldDef& f, Writer& w, std::array<std::uint8_t, layout::kTextArea>& bits)
{
    using layout::PlaceKind;
    const layout::Place p = f.image;
    switch (p.kind) {
    case PlaceKind::None:
    case PlaceKind::List:
    case PlaceKind::PowerSaveMinutes: return true;
    case PlaceKind::Bit:
        if (storedFlag(c, f))
            bits[std::size_t(p.address)] |= std::uint8_t(p.bit);
        return true;
    case PlaceKind::Mask: return w.byte(maskOf(c, f), p.address);
    case PlaceKind::Bytes:
        for (int i = 0; i < f.count; ++i)
            if (!w.byte(byteOf(c, f, i), p.address + i))
                return false;
        return true;
    case PlaceKind::Level:
    case PlaceKind::Hyst:
        // Levels and hystereses with the scale the editor holds now.
        for (int i = 0; i < f.count; ++i) {
            const AnalogScale& s = c.analogScale[std::size_t(i)];
            const QString& t = textOf(c, f, i);
            const auto b = p.kind == PlaceKind::Hyst ? hystToByte(s, t) : levelToByte(s, t);
            if (!b)
                return w.fail(EncodeError::Conversion);
            if (!w.byte(*b, p.address + i))
                return false;
        }
        return true;
    case PlaceKind::Pulse:
        for (int i = 0; i < f.count; ++i)
            if (!w.byte(pulseToByte(textOf(c, f, i)), p.address + i))
                return false;
        return true;
    case PlaceKind::Validity: {
        const auto v = validityToByte(textOf(c, f, 0));
        if (!v)
            return w.fail(EncodeError::Conversion);
        return w.byte(*v, p.address);
    }
    case PlaceKind::PowerSaveHours: {
        const auto t = powerSaveToBytes(textOf(c, f, 0), textOf(c, powerSaveMinutes(p.address), 0));
        for (int k = 0; k < 3; ++k)
            if (!w.byte(t[std::size_t(k)], p.address + k))
                return false;
        return true;
    }
    }
    return true;
}

bool writeFixedBlock(const DeviceConfig& c, Writer& w)
{
    std::array<std::uint8_t, layout::kTextArea> bits{};
    std::array<bool, layout::kTextArea> hasBits{};
    for (const FieldDef& f : configFields()) {
        if (!writeFixed(c, f, w, bits))
            return false;
        if (f.image.kind == layout::PlaceKind::Bit)
            hasBits[std::size_t(f.image.address)] = true;
    }
    for (int a = 0; a < layout::kTextArea; ++a)
        if (hasBits[std::size_t(a)] && !w.byte(bits[std::size_t(a)], a))
            return false;
    for (int a : layout::kZeroBytes)
        if (!w.byte(0, a))
            return false;
    return true;
}

bool writeTextArea(const DeviceConfig& c, Writer& w)
{
    w.setPos(layout::kTextArea);
    // The analog crossing texts are written from the same fields for every
    // input, negated or not; the decoder reads them back the same way, so each
    // text returns to the field it came from.
    for (const layout::TextList& l : layout::kTextLists) {
        if (!w.list(l.pointer))
            return false;
        for (int e = 0; e < l.entries; ++e) {
            const ListEntry at = listEntry(l.pointer, e);
            const QString& text = textOf(c, *at.field, at.index);
            // Telephone numbers as the SMS address field in hexadecimal
            // characters; an empty number is its terminator alone.
            const bool ok = l.coding == layout::ListCoding::PhoneAddress
                ? w.entry(text.isEmpty() ? QByteArray() : toCp1250(encodePhoneAddress(text)))
                : w.entry(text);
            if (!ok)
                return false;
        }
    }
    return true;
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
