#include "model/Cp1250.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <set>

using namespace torval;

namespace {

// The C library's own Windows-1250 table: an independent reference, so a
// wrong entry in the program's table is caught rather than restated. Empty
// for the five codes the code page leaves undefined.
std::u16string referenceChar(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP1250");
    if (cd == iconv_t(-1))
        return u"?unavailable";
    char in = char(byte);
    char16_t out[4] = {};
    char* ip = &in;
    char* op = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t r = iconv(cd, &ip, &inLeft, &op, &outLeft);
    iconv_close(cd);
    if (r == std::size_t(-1))
        return {};
    return std::u16string(out, (sizeof out - outLeft) / sizeof(char16_t));
}

} // namespace

// Every one of the 256 codes: decoded as the code page says (the undefined
// five as the C1 control of the same value), each to its own character, and
// encoded back to the same byte, one at a time and all in one text (the
// long-text paths of the encoder and the length count).
TEST(Cp1250, EveryCodeRoundTrips)
{
    const std::set<int> undefined = {0x81, 0x83, 0x88, 0x90, 0x98};
    std::set<char16_t> seen;
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        SCOPED_TRACE(b);
        const auto byte = static_cast<unsigned char>(b);
        const QChar c = cp1250ToUnicode(byte);
        if (undefined.count(b))
            EXPECT_EQ(c.unicode(), char16_t(b));
        else
            EXPECT_EQ(std::u16string(1, c.unicode()), referenceChar(byte));
        EXPECT_TRUE(seen.insert(c.unicode()).second) << "two codes decode to one character";
        const QByteArray one(1, char(byte));
        EXPECT_EQ(fromCp1250(one), QString(c));
        EXPECT_EQ(toCp1250(QString(c)), one);
        all.append(char(byte));
    }
    const QString text = fromCp1250(all);
    EXPECT_EQ(toCp1250(text), all);
    EXPECT_EQ(cp1250Length(text), all.size());
    QByteArray written(all.size(), '\0');
    EXPECT_EQ(writeCp1250(text, reinterpret_cast<std::uint8_t*>(written.data())), all.size());
    EXPECT_EQ(written, all);
}

// Code 0 ends a text in the station, so a NUL written by the user is stored
// as '?', as is any character the code page lacks (a surrogate pair is one).
TEST(Cp1250, NulAndForeignCharactersBecomeOneQuestionMark)
{
    EXPECT_EQ(toCp1250(QString(QChar(0))), "?");
    EXPECT_EQ(toCp1250(QStringLiteral("a\u00F1b")), "a?b"); // ñ is not in the page
    EXPECT_EQ(toCp1250(QStringLiteral("x\U0001F600y")), "x?y");
    EXPECT_EQ(cp1250Length(QStringLiteral("x\U0001F600y")), 3);
}
