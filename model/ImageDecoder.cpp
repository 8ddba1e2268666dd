#include "model/ImageDecoder.h"

#include "model/ConfigFields.h"
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
    explicit Reader(const EepromImage& image) : m_bytes(image.bytes()) { }

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

void decodeFixed(const EepromImage& img, DeviceConfig& c, const FieldDef& f)
{
    using layout::PlaceKind;
    const layout::Place p = f.image;
    switch (p.kind) {
    case PlaceKind::None:
    case PlaceKind::List:
    case PlaceKind::PowerSaveMinutes: return;
    case PlaceKind::Bit: *f.flag(c, 0) = img.at(p.address) & p.bit; return;
    case PlaceKind::Mask:
        for (int i = 0; i < f.count && i < 8; ++i)
            *f.flag(c, i) = (img.at(p.address) >> i) & 1u;
        return;
    case PlaceKind::Bytes:
        for (int i = 0; i < f.count; ++i)
            *f.byte(c, i) = img.at(p.address + i);
        return;
    case PlaceKind::Level:
    case PlaceKind::Hyst:
        for (int i = 0; i < f.count; ++i) {
            const AnalogScale& s = c.analogScale[std::size_t(i)];
            const std::uint8_t b = img.at(p.address + i);
            // A scale without span cannot place a byte; the field keeps its text.
            if (const auto v = p.kind == PlaceKind::Hyst ? byteToHyst(s, b) : byteToLevel(s, b))
                *f.text(c, i) = numberText(*v);
        }
        return;
    case PlaceKind::Pulse:
        for (int i = 0; i < f.count; ++i)
            *f.text(c, i) = byteToPulse(img.at(p.address + i));
        return;
    case PlaceKind::Validity: *f.text(c, 0) = byteToValidity(img.at(p.address)); return;
    case PlaceKind::PowerSaveHours: {
        const auto t = bytesToPowerSave(img.at(p.address), img.at(p.address + 1), img.at(p.address + 2));
        *f.text(c, 0) = t.hours;
        for (const FieldDef& m : configFields())
            if (m.image.kind == PlaceKind::PowerSaveMinutes && m.image.address == p.address)
                *m.text(c, 0) = t.minutes;
        return;
    }
    }
}

void decodeFixedBlock(const EepromImage& img, DeviceConfig& c)
{
    for (const FieldDef& f : configFields())
        decodeFixed(img, c, f);
}

bool decodeTextArea(const EepromImage& img, DeviceConfig& c, int& end)
{
    Reader r(img);
    // Same pairing as the encoder for every input, negated or not.
    for (const layout::TextList& l : layout::kTextLists) {
        r.list(l.pointer);
        for (int e = 0; e < l.entries; ++e) {
            const ListEntry at = listEntry(l.pointer, e);
            QString& text = *at.field->text(c, at.index);
            if (!(l.coding == layout::ListCoding::PhoneAddress ? r.phone(text) : r.text(text)))
                return false;
        }
    }
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
