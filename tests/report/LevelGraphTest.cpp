#include "report/LevelGraph.h"
#include "report/RecordingSurface.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace torval {
namespace {

// The A1 scale written out again on purpose: 0..100 %, one decimal.
AnalogScale percent()
{
    return AnalogScale{0.0, 100.0, 1, QStringLiteral("%")};
}

// Plot of the 3495 x 2535 graph: x 1600..3395, value 100 at y 200, 0 at 2335.
int yOf(double v)
{
    return int(std::floor(2335.0 - v * 2135.0 / 100.0));
}

struct Band {
    int top;
    int bottom;
    Rgb color;
    bool operator==(const Band&) const = default;
};

std::vector<Band> bands(const RecordingSurface& s)
{
    std::vector<Band> out;
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::FillRect && op.x1 == 1600 && op.x2 == 3395)
            out.push_back({std::min(op.y1, op.y2), std::max(op.y1, op.y2), op.color});
    return out;
}

std::optional<SurfaceOp> textOp(const RecordingSurface& s, const QString& text)
{
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::Text && op.text == text)
            return op;
    return std::nullopt;
}

RecordingSurface draw(const QString& cl1, const QString& hcl1, const QString& cl2, const QString& hcl2,
                      bool negated = false)
{
    RecordingSurface s(kGraphWidth, kGraphHeight, Rgb{212, 208, 200});
    graphMake(s, percent(), cl1, hcl1, cl2, hcl2, negated);
    return s;
}

TEST(LevelGraph, TwoNarrowBandsOnBlueWithLinesStatesAndLabels)
{
    const RecordingSurface s = draw("20", "2", "80", "2");
    ASSERT_FALSE(s.ops().empty());
    EXPECT_EQ(s.ops().front().kind, SurfaceOp::Kind::Font);
    EXPECT_EQ(s.ops().front().font, (FontSpec{QStringLiteral("Arial"), 6.75}));

    const std::vector<Band> expected{
        {200, 2335, kBlue},         {yOf(20), yOf(18), kGreen}, {yOf(22), yOf(20), kGreen},
        {yOf(80), yOf(78), kGreen}, {yOf(82), yOf(80), kGreen},
    };
    EXPECT_EQ(bands(s), expected);

    std::vector<int> lines;
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::Line) {
            EXPECT_EQ(op.color, kBlack);
            EXPECT_EQ(op.x1, 1500);
            EXPECT_EQ(op.x2, 3395);
            EXPECT_EQ(op.y1, op.y2);
            lines.push_back(op.y1);
        }
    EXPECT_EQ(lines, (std::vector<int>{200, 2335, yOf(20), yOf(80)}));

    // State names: white, centred on the plot, in the middle of their region.
    const struct {
        const char* name;
        double value;
    } states[] = {{"low", 9}, {"medium", 50}, {"high", 91}};
    for (const auto& st : states) {
        SCOPED_TRACE(st.name);
        const auto op = textOp(s, st.name);
        ASSERT_TRUE(op);
        const TextSize size = s.measureText(st.name, op->font);
        EXPECT_EQ(op->color, kWhite);
        EXPECT_EQ(op->x1, 2497 - size.width / 2);
        EXPECT_EQ(op->y1, yOf(st.value) - size.height / 2);
    }

    // Labels end 50 twips before the tick at x 1500.
    const struct {
        const char* text;
        int y;
    } labels[] = {{"0%", 2335}, {"100%", 200}, {"CL1 (20 ± 2)%", yOf(20)}, {"CL2 (80 ± 2)%", yOf(80)}};
    for (const auto& l : labels) {
        SCOPED_TRACE(l.text);
        const auto op = textOp(s, QString::fromUtf8(l.text));
        ASSERT_TRUE(op);
        const TextSize size = s.measureText(QString::fromUtf8(l.text), op->font);
        EXPECT_EQ(op->color, kBlack);
        EXPECT_EQ(op->x1 + size.width + 50, 1500);
        EXPECT_EQ(op->y1, l.y - size.height / 2);
    }
}

TEST(LevelGraph, LabelsClearTheirMarginInTheBackgroundColourFirst)
{
    const RecordingSurface s = draw("20", "2", "80", "2");
    const auto& ops = s.ops();
    const auto label = std::find_if(ops.begin(), ops.end(), [](const SurfaceOp& op) {
        return op.kind == SurfaceOp::Kind::Text && op.text == QStringLiteral("CL1 (20 ± 2)%");
    });
    ASSERT_NE(label, ops.end());
    // The last rectangle before the label is its cleared margin.
    const auto clear = std::find_if(std::make_reverse_iterator(label), ops.rend(),
                                    [](const SurfaceOp& op) { return op.kind == SurfaceOp::Kind::FillRect; });
    ASSERT_NE(clear, ops.rend());
    EXPECT_EQ(clear->color, (Rgb{212, 208, 200}));
    EXPECT_EQ(clear->x1, 0);
    EXPECT_EQ(clear->x2, 1500);
    EXPECT_LE(std::min(clear->y1, clear->y2), label->y1);
    EXPECT_GE(std::max(clear->y1, clear->y2), label->y1 + s.measureText(label->text, label->font).height);
    // The CL1 label is drawn last, so it wins over a colliding one.
    EXPECT_EQ(
        std::find_if(std::next(label), ops.end(), [](const SurfaceOp& op) { return op.kind == SurfaceOp::Kind::Text; }),
        ops.end());
}

TEST(LevelGraph, NoLabelIsDrawnUnderALaterLabelsClearedBand)
{
    // Levels whose margin labels collide with the axis ends or each other.
    const struct {
        const char *cl1, *cl2;
        std::vector<const char*> hidden;
    } cases[] = {{"1", "98", {"0%", "100%"}}, {"50", "51", {"CL2 (51 ± 1)%"}}, {"20", "80", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cl1);
        const RecordingSurface s = draw(c.cl1, "1", c.cl2, "1");
        const auto& ops = s.ops();
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (ops[i].kind != SurfaceOp::Kind::Text || ops[i].x1 >= 1500)
                continue;
            const int top = ops[i].y1, bottom = top + s.measureText(ops[i].text, ops[i].font).height;
            for (std::size_t j = i + 1; j < ops.size(); ++j) {
                const SurfaceOp& r = ops[j];
                if (r.kind == SurfaceOp::Kind::FillRect && r.color == s.background()) {
                    EXPECT_FALSE(std::min(r.y1, r.y2) < bottom && std::max(r.y1, r.y2) > top)
                        << ops[i].text.toStdString() << " lies under a later label";
                }
            }
        }
        for (const char* h : c.hidden)
            EXPECT_FALSE(textOp(s, QString::fromUtf8(h))) << h;
    }
}

TEST(LevelGraph, BandColoursAndStateNamesFollowTheLevels)
{
    const struct Case {
        const char* what;
        const char *cl1, *hcl1, *cl2, *hcl2;
        std::vector<Band> bands;
        std::vector<const char*> states;
    } cases[] = {
        // clang-format off
        {"band reaching the bottom is green, no low", "20", "20", "80", "2",
         {{200, 2335, kBlue}, {yOf(20), yOf(0), kGreen}, {yOf(40), yOf(20), kGreen}, {yOf(80), yOf(78), kGreen},
          {yOf(82), yOf(80), kGreen}},
         {"medium", "high"}},
        // The hysteresis is limited to half the range, so 40 stays 40.
        {"lower half below the range is red", "20", "40", "80", "2",
         {{200, 2335, kBlue}, {yOf(20), yOf(-20), kRed}, {yOf(60), yOf(20), kGreen}, {yOf(80), yOf(78), kGreen},
          {yOf(82), yOf(80), kGreen}},
         {"medium", "high"}},
        {"overlapping bands: red overlap, no state names", "40", "20", "60", "20",
         {{200, 2335, kBlue}, {yOf(40), yOf(20), kGreen}, {yOf(60), yOf(40), kGreen}, {yOf(60), yOf(40), kGreen},
          {yOf(80), yOf(60), kGreen}, {yOf(60), yOf(40), kRed}},
         {}},
        {"touching bands: no overlap, no medium", "40", "20", "80", "20",
         {{200, 2335, kBlue}, {yOf(40), yOf(20), kGreen}, {yOf(60), yOf(40), kGreen}, {yOf(80), yOf(60), kGreen},
          {yOf(100), yOf(80), kGreen}},
         {"low"}},
        {"upper half above the range is red, no high", "20", "2", "80", "40",
         {{200, 2335, kBlue}, {yOf(20), yOf(18), kGreen}, {yOf(22), yOf(20), kGreen}, {yOf(80), yOf(40), kGreen},
          {yOf(120), yOf(80), kRed}},
         {"low", "medium"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RecordingSurface s = draw(c.cl1, c.hcl1, c.cl2, c.hcl2);
        EXPECT_EQ(bands(s), c.bands);
        std::vector<QString> names;
        for (const SurfaceOp& op : s.ops())
            if (op.kind == SurfaceOp::Kind::Text && op.color == kWhite)
                names.push_back(op.text);
        std::vector<QString> want;
        for (const char* n : c.states)
            want.push_back(QString::fromLatin1(n));
        EXPECT_EQ(names, want);
    }
}

TEST(LevelGraph, ShowsTheStoredValuesNotTheTypedOnes)
{
    // 12,34 is cut to 12,3, stored as byte 31 and read back as 12,2;
    // 150 is limited to the top of the range.
    const RecordingSurface s = draw("12,34", "0", "150", "0");
    EXPECT_TRUE(textOp(s, QStringLiteral("CL1 (12,2 ± 0)%")));
    EXPECT_TRUE(textOp(s, QStringLiteral("CL2 (100 ± 0)%")));
}

TEST(LevelGraph, NegationAddsTheRawInputValueToTheAxisLabelsOnly)
{
    const RecordingSurface plain = draw("20", "2", "80", "2", false);
    const RecordingSurface negated = draw("20", "2", "80", "2", true);
    EXPECT_TRUE(textOp(negated, QStringLiteral("0% (100% vstup)")));
    EXPECT_TRUE(textOp(negated, QStringLiteral("100% (0% vstup)")));
    EXPECT_FALSE(textOp(negated, QStringLiteral("0%")));
    EXPECT_EQ(bands(plain), bands(negated));
}

TEST(LevelGraph, BatteryScaleUsesItsOwnUnitAndMargin)
{
    RecordingSurface s(kGraphWidth, kGraphHeight);
    graphMake(s, AnalogScale{0.0, 27.0, 1, QStringLiteral("V")}, "10", "1", "20", "1", false);
    EXPECT_TRUE(textOp(s, QStringLiteral("27V")));
    EXPECT_TRUE(textOp(s, QStringLiteral("0V")));
    // 20 + 1 is less than 27 - 5 V: high is named; 9 V of low region too.
    EXPECT_TRUE(textOp(s, QStringLiteral("high")));
    EXPECT_TRUE(textOp(s, QStringLiteral("low")));
}

TEST(LevelGraph, ScaleWithoutSpanDrawsNothingButTheBackground)
{
    RecordingSurface s(kGraphWidth, kGraphHeight);
    graphMake(s, AnalogScale{5.0, 5.0, 1, QStringLiteral("%")}, "5", "0", "5", "0", false);
    int background = 0;
    for (const SurfaceOp& op : s.ops()) {
        EXPECT_TRUE(op.kind == SurfaceOp::Kind::Font || op.kind == SurfaceOp::Kind::Clear);
        background += op.kind == SurfaceOp::Kind::Clear;
    }
    EXPECT_GE(background, 1) << "the background is drawn";
}

TEST(LevelGraph, RecordedGraphReplaysShiftedOnAnotherSurface)
{
    const RecordingSurface graph = draw("20", "2", "80", "2");
    RecordingSurface page(11906, 16838);
    page.setColor(Rgb{1, 2, 3});
    replayPicture(page, 7500, 4000, graph.picture());
    const auto label = textOp(page, QStringLiteral("CL1 (20 ± 2)%"));
    const auto original = textOp(graph, QStringLiteral("CL1 (20 ± 2)%"));
    ASSERT_TRUE(label && original);
    EXPECT_EQ(label->x1, original->x1 + 7500);
    EXPECT_EQ(label->y1, original->y1 + 4000);
    // Clearing the picture fills only its own area, and the page's colour is back.
    const auto clear = std::find_if(page.ops().begin(), page.ops().end(),
                                    [](const SurfaceOp& op) { return op.kind == SurfaceOp::Kind::FillRect; });
    ASSERT_NE(clear, page.ops().end());
    EXPECT_EQ(std::tie(clear->x1, clear->y1, clear->x2, clear->y2), std::make_tuple(7500, 4000, 10995, 6535));
    EXPECT_EQ(page.color(), (Rgb{1, 2, 3}));
}

} // namespace
} // namespace torval
