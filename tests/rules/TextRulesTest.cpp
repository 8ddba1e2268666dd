#include "rules/CharacterSets.h"
#include "rules/KeywordRule.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace torval {
namespace {

TEST(CharacterSets, SetsHoldExactlyTheDocumentedCharacters)
{
    // TextChars: printable ASCII except '"'; NameChars additionally without '~';
    // CommandChars: '_', digits, letters. Built independently of the literals.
    QString text, name, command;
    for (char16_t c = 0x20; c <= 0x7E; ++c) {
        const QChar ch(c);
        const bool alnum = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        EXPECT_EQ(TextChars.contains(ch), c != u'"') << char(c);
        EXPECT_EQ(NameChars.contains(ch), c != u'"' && c != u'~') << char(c);
        EXPECT_EQ(CommandChars.contains(ch), alnum || c == u'_') << char(c);
    }
    EXPECT_EQ(TextChars.size(), 94);
    EXPECT_EQ(NameChars.size(), 93);
    EXPECT_EQ(CommandChars.size(), 63);
}

TEST(CharacterSets, HasOnlyAllowedChars)
{
    struct Case {
        const char16_t* text;
        QStringView set;
        bool ok;
    };
    const Case cases[] = {
        {u"", CommandChars, true},
        {u"ZAP_1", CommandChars, true},
        {u"ZAP 1", CommandChars, false}, // blanks split the station's SMS words
        {u"Zap 1", NameChars, true},
        {u"Stav \"A\"", TextChars, false}, // the double quote ends a text in the station
        {u"Stav ~", NameChars, false},
        {u"Stav ~", TextChars, true},
        {u"Čerpadlo", TextChars, false}, // no diacritics anywhere
        {u"+420123", PhoneChars, true},
        {u"123 456", PhoneChars, false},
        {u"123-456", PhoneChars, false},
        {u"+1", DigitChars, false},
        {u"12,5", DecimalChars, true},
        {u"1-2", DecimalChars, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hasOnlyAllowedChars(QString::fromUtf16(c.text), c.set), c.ok)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(KeywordRule, ReservedKeywords)
{
    struct Case {
        const char* name;
        bool passes;
    };
    const Case cases[] = {
        {"", true},        {"S", false},      {"s", false},     {"st", false},      {"St", false},
        {"stav", false},   {"STATE", false},  {"Noba", false},  {"NOB", false},     {"jmeno", false},
        {"Shutdo", false}, {"nezpet", false}, {"B", false},     {"J", false},       {"N", false},
        {"R", false},      {"Z", false},      {"STAVY", true},  {"NEZPETX", true},  {"ZPETX", true},
        {"A", true},       {"X1", true},      {"STATES", true}, {"JMENOVKA", true}, {"T", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(passesKeywordRule(QString::fromLatin1(c.name), ReservedKeywords), c.passes) << c.name;
}

TEST(KeywordRule, BuiltListsAndEmptyWords)
{
    // Lists built from other fields end with ";" and may hold empty words.
    const QString list = keywordList({QString(), QStringLiteral("SVETLO"), QString(), QStringLiteral("zap")});
    EXPECT_EQ(list, QStringLiteral(";SVETLO;;zap;"));
    EXPECT_FALSE(passesKeywordRule(u"svet", list));
    EXPECT_FALSE(passesKeywordRule(u"ZAP", list));
    EXPECT_TRUE(passesKeywordRule(u"zapni", list));
    EXPECT_TRUE(passesKeywordRule(u"x", list));
    EXPECT_TRUE(passesKeywordRule(u"x", keywordList({QString(), QString()})));
    EXPECT_TRUE(passesKeywordRule(u"", list));
    // The last word of a list without a final ";" counts too.
    EXPECT_FALSE(passesKeywordRule(u"JM", u"A;JMENO"));
}

TEST(KeywordRule, IsPrefixOfEachOther)
{
    struct Case {
        const char* a;
        const char* b;
        bool prefix;
    };
    const Case cases[] = {
        {"ZAP", "zapni", true},    {"zapni", "ZAP", true}, {"AB", "ab", true}, {"ZAP", "VYP", false},
        {"ZAPNI", "ZAPNU", false}, {"", "ZAP", false},     {"ZAP", "", false}, {"", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isPrefixOfEachOther(QString::fromLatin1(c.a), QString::fromLatin1(c.b)), c.prefix)
            << c.a << " / " << c.b;
}

} // namespace
} // namespace torval
