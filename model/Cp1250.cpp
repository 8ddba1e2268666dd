#include "model/Cp1250.h"

#include <QList>
#include <array>
#include <cstdint>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace torval {

namespace {

// Bytes 0x80..0xFF. The five codes the code page leaves undefined map to the
// C1 control characters of the same value, so every byte survives a round trip.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Reverse table of the high half, built once: every code point the page
// knows lies below U+2200, so one byte per code point of that range answers
// in one lookup (the encoder runs on every save and the size on every key).
const std::array<std::uint8_t, 0x2200>& reverseTable()
{
    static const auto table = [] {
        std::array<std::uint8_t, 0x2200> t{};
        for (int i = 0; i < 128; ++i)
            t[kHigh[std::size_t(i)]] = std::uint8_t(0x80 + i);
        return t;
    }();
    return table;
}

int encodeOne(char32_t cp)
{
    if (cp >= 1 && cp < 0x80)
        return int(cp);
    if (cp < 0x2200) {
        const std::uint8_t b = reverseTable()[cp];
        if (b != 0)
            return b;
    }
    return '?';
}

} // namespace

QChar cp1250ToUnicode(unsigned char byte)
{
    return byte < 0x80 ? QChar(char16_t(byte)) : QChar(kHigh[byte - 0x80u]);
}

qsizetype writeCp1250(const QString& text, std::uint8_t* out)
{
    qsizetype n = 0;
    const qsizetype size = text.size();
    const QChar* p = text.constData();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t cp = p[i].unicode();
        // A surrogate pair is one character (and one '?'); a lone surrogate too.
        if (p[i].isHighSurrogate() && i + 1 < size && p[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(p[i], p[i + 1]);
            ++i;
        }
        out[n++] = std::uint8_t(encodeOne(cp));
    }
    return n;
}

QString firstCharOutsideCp1250(const QString& text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const bool pair = c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate();
        const char32_t cp = pair ? QChar::surrogateToUcs4(c, text.at(i + 1)) : c.unicode();
        if (cp != U'?' && encodeOne(cp) == '?')
            return text.mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
    }
    return {};
}

QByteArray toCp1250(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    out.truncate(writeCp1250(text, reinterpret_cast<std::uint8_t*>(out.data())));
    return out;
}

QString fromCp1250(const QByteArray& bytes)
{
    // All 256 codes in one table: decoding a full image maps some 15,000 bytes.
    static constexpr auto kAll = [] {
        std::array<char16_t, 256> t{};
        for (int i = 0; i < 128; ++i)
            t[std::size_t(i)] = char16_t(i);
        for (int i = 0; i < 128; ++i)
            t[std::size_t(128 + i)] = kHigh[std::size_t(i)];
        return t;
    }();
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i)
        o[i] = kAll[in[i]];
    return out;
}

namespace {
// True when some UTF-16 unit is a surrogate (0xD800..0xDFFF). Four units at a
// time: the size estimate runs on every keystroke over some 15,000 characters,
// and texts almost never hold characters beyond the basic plane.
bool hasSurrogate(const char16_t* p, qsizetype n)
{
    constexpr std::uint64_t kMask = 0xF800F800F800F800ull;
    constexpr std::uint64_t kSurrogate = 0xD800D800D800D800ull;
    constexpr std::uint64_t kOnes = 0x0001000100010001ull;
    constexpr std::uint64_t kHighBits = 0x8000800080008000ull;
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i mask = _mm_set1_epi16(short(0xF800));
    const __m128i surrogate = _mm_set1_epi16(short(0xD800));
    for (; i + 16 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 8));
        const __m128i hit = _mm_or_si128(_mm_cmpeq_epi16(_mm_and_si128(a, mask), surrogate),
                                         _mm_cmpeq_epi16(_mm_and_si128(b, mask), surrogate));
        if (_mm_movemask_epi8(hit) != 0)
            return true;
    }
#endif
    for (; i + 4 <= n; i += 4) {
        std::uint64_t w;
        std::memcpy(&w, p + i, sizeof w);
        const std::uint64_t y = (w & kMask) ^ kSurrogate; // a lane is 0 where the unit is a surrogate
        if (((y - kOnes) & ~y & kHighBits) != 0)
            return true;
    }
    for (; i < n; ++i)
        if ((p[i] & 0xF800) == 0xD800)
            return true;
    return false;
}
} // namespace

int cp1250Length(const QString& text)
{
    // One byte per code point: a surrogate pair is one character.
    const char16_t* p = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    if (!hasSurrogate(p, size))
        return int(size);
    qsizetype pairs = 0;
    for (qsizetype i = 1; i < size; ++i)
        pairs += ((p[i - 1] & 0xFC00) == 0xD800) & ((p[i] & 0xFC00) == 0xDC00);
    return int(size - pairs);
}

} // namespace torval
