#include "rules/NumberRules.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>
#include <random>

namespace torval {
namespace {

TEST(NumberRules, ParseTenthsCutsInSinglePrecision)
{
    struct Case {
        const char* text;
        float expected;
    };
    const Case cases[] = {
        {"12,37", 12.3f}, {"12.37", 12.3f},  {"3.99", 3.9f}, {"3,99", 3.9f}, {"7", 7.0f},     {"", 0.0f},
        {"abc", 0.0f},    {"12,3,4", 12.3f}, {"5x", 5.0f},   {",5", 0.5f},   {"100", 100.0f}, {"0,05", 0.0f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(parseTenths(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(NumberRules, AnalogBands)
{
    const AnalogScale percent; // 0..100
    struct Case {
        const char* cl1;
        const char* hcl1;
        const char* cl2;
        const char* hcl2;
        bool valid;
    };
    const Case cases[] = {
        {"40", "10", "60", "10", true},                                    // bands touch at 50
        {"40", "10", "60", "11", false},                                   // overlap by 1
        {"20", "20", "80", "2", true},                                     // lower band reaches min
        {"20", "40", "80", "2", false},                                    // below min
        {"20", "2", "90", "10,1", false},                                  // above max
        {"20", "2", "90", "10", true},      {"60", "0", "40", "0", false}, // CL1 above CL2
        {"50", "0", "50", "0", true},       {"40,5", "9,5", "60", "10", true},
        {"20", "0", "34,1", "14,1", true}, // touching; in single precision 34,1 - 14,1 is not 20
        {"20", "1,2", "22,4", "1,2", true}, {"20", "1,2", "22,4", "1,3", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(analogLevelsValid(QString::fromLatin1(c.cl1), QString::fromLatin1(c.hcl1), QString::fromLatin1(c.cl2),
                                    QString::fromLatin1(c.hcl2), percent),
                  c.valid)
            << c.cl1 << " " << c.hcl1 << " " << c.cl2 << " " << c.hcl2;

    const AnalogScale battery{0.0, 27.0, 1, QStringLiteral("V")};
    EXPECT_TRUE(analogLevelsValid(10.0f, 1.0f, 20.0f, 7.0f, battery));
    EXPECT_FALSE(analogLevelsValid(10.0f, 1.0f, 20.0f, 7.1f, battery));
}

TEST(NumberRules, TouchingBandsAreAlwaysAllowed)
{
    // Random setups whose bands touch exactly, written as a technician types them.
    std::mt19937 random(15);
    const AnalogScale percent;
    auto text = [](int tenths) { return tenthsText(float(tenths) / 10.0f); };
    for (int n = 0; n < 300; ++n) {
        const int hcl1 = int(random() % 200);
        const int cl1 = hcl1 + int(random() % 300);
        const int hcl2 = int(random() % 200);
        const int cl2 = cl1 + hcl1 + hcl2; // CL2 - HCL2 == CL1 + HCL1
        if (cl2 + hcl2 > 1000)
            continue;
        EXPECT_TRUE(analogLevelsValid(text(cl1), text(hcl1), text(cl2), text(hcl2), percent))
            << text(cl1).toStdString() << " " << text(hcl1).toStdString() << " " << text(cl2).toStdString() << " "
            << text(hcl2).toStdString();
    }
}

TEST(NumberRules, PowerSavePairs)
{
    struct Case {
        bool minutesLeft; // false: the hour field was left
        const char* h;
        const char* m;
        const char* h2;
        const char* m2;
    };
    const Case cases[] = {
        {true, "1", "75", "2", "15"},     {true, "0", "3", "0", "5"},       {false, "0", "3", "0", "5"},
        {false, "500", "3", "465", "3"}, // hours clamp; minutes only guarded when hours are 0
        {true, "0", "60", "1", "0"},     // the carry lifts the 5-minute minimum
        {true, "0", "120", "2", "0"},     {true, "465", "75", "465", "15"}, // the carry cannot pass 465 h
        {true, "1", "99999", "465", "2"},                                   // minutes clamp to 27962 = 466 h 2 min
        {false, "1,9", "0", "1", "0"},    {false, "abc", "70", "0", "59"},  // no number: 0 h, minutes into 5..59
        {true, "2", "x", "2", "0"},       {true, "0", "0", "0", "5"},       {false, "0", "", "0", "5"},
    };
    for (const Case& c : cases) {
        const PowerSavePair in{QString::fromLatin1(c.h), QString::fromLatin1(c.m)};
        const PowerSavePair out = c.minutesLeft ? leavePowerSaveMinutes(in) : leavePowerSaveHours(in);
        EXPECT_EQ(out, (PowerSavePair{QString::fromLatin1(c.h2), QString::fromLatin1(c.m2)}))
            << (c.minutesLeft ? "minutes " : "hours ") << c.h << " h " << c.m << " m -> " << out.hours.toStdString()
            << " h " << out.minutes.toStdString() << " m";
    }
}

TEST(NumberRules, SingleFieldRewrites)
{
    struct Case {
        QString (*rewrite)(const QString&);
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {normalizeImpulseLength, "0", "0,1"},      {normalizeImpulseLength, "30", "25,5"},
        {normalizeImpulseLength, "2,57", "2,5"},   {normalizeImpulseLength, "2.57", "2,5"},
        {normalizeImpulseLength, "12", "12"},      {normalizeSmsValidity, "0", "1"},
        {normalizeSmsValidity, "45", "30"},        {normalizeSmsValidity, "05", "05"},
        {normalizeSmsValidity, "30", "30"},        {normalizeAnalogPercent, "150", "100"},
        {normalizeAnalogPercent, "12,37", "12,3"}, {normalizeAnalogPercent, "12.37", "12,3"},
        {normalizeAnalogPercent, "3.99", "3,9"},   {normalizeAnalogPercent, "100", "100"},
        {normalizeAnalogPercent, "0,0", "0"},      {normalizeAnalogPercent, "99,99", "99,9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rewrite(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

} // namespace
} // namespace torval

namespace torval {
namespace {

TEST(NumberRules, DialogLevelsLandOnTheStoredGrid)
{
    const AnalogScale percent;
    const AnalogScale battery{0.0, 27.0, 1, QStringLiteral("V")};
    const AnalogScale flat{5.0, 5.0, 1, QStringLiteral("V")};
    struct Case {
        bool hysteresis;
        const AnalogScale* scale;
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {false, &percent, "20", "20"},     {false, &percent, "150", "100"}, {false, &percent, "-3", "0"},
        {false, &percent, "33,3", "33,3"}, {false, &battery, "12", "12"},   {false, &flat, "7", "7"},
        {true, &percent, "2", "2"},        {true, &percent, "80", "49,8"},  {true, &flat, "1", "1"},
    };
    for (const Case& c : cases) {
        const QString in = QString::fromLatin1(c.in);
        const QString out = c.hysteresis ? dialogHysteresisText(in, *c.scale) : dialogLevelText(in, *c.scale);
        EXPECT_EQ(out, QString::fromLatin1(c.out)) << c.in << (c.hysteresis ? " hyst" : " level");
        // Leaving the field again changes nothing: the text is what the station stores.
        const QString again = c.hysteresis ? dialogHysteresisText(out, *c.scale) : dialogLevelText(out, *c.scale);
        EXPECT_EQ(again, out) << c.in;
    }
}

} // namespace
} // namespace torval
