#include "report/PageLayout.h"
#include "report/RecordingSurface.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <vector>

namespace torval {
namespace {

// Fixed metrics of the recording surface: 8 pt is 80 twips a character and
// 200 twips a line; 14 pt is 140 and 350.
constexpr int kA4Width = 11906;
constexpr int kA4Height = 16838;

std::vector<SurfaceOp> texts(const RecordingSurface& s)
{
    std::vector<SurfaceOp> out;
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::Text)
            out.push_back(op);
    return out;
}

std::vector<SurfaceOp> lines(const RecordingSurface& s)
{
    std::vector<SurfaceOp> out;
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::Line)
            out.push_back(op);
    return out;
}

TEST(PageLayout, HeaderBoxHoldsStationCutTo20CharsAndPageNumber)
{
    RecordingSurface s(kA4Width, kA4Height);
    PageLayout page(s, QStringLiteral("Čerpací stanice Horní Lhota 12"));
    page.printPageHeader();

    const auto t = texts(s);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, QStringLiteral("TORVAL Init stanice: Čerpací stanice Horn"));
    EXPECT_EQ(t[0].font, (FontSpec{QStringLiteral("Arial CE"), 14.0}));
    EXPECT_EQ(t[0].x1, 1050);
    EXPECT_EQ(t[0].y1, 1900 - 350 - 50);
    EXPECT_EQ(t[1].text, QStringLiteral("1. stránka"));
    EXPECT_EQ(t[1].x1, 1000 + (kA4Width - 2000) - 10 * 140 - 50);

    // Two boxes over the same place, 1500..1900, across the page, heavy lines.
    for (const SurfaceOp& l : lines(s)) {
        EXPECT_EQ(l.lineWidth, 15);
        EXPECT_TRUE(l.y1 == 1500 || l.y1 == 1900);
        EXPECT_TRUE(l.x1 == 1000 || l.x1 == kA4Width - 1000);
    }
    EXPECT_EQ(page.currentY(), 2100);
    EXPECT_EQ(page.currentX(), 1000);
    // The body's font size and line width are back.
    EXPECT_EQ(s.font(), (FontSpec{QStringLiteral("Arial CE"), 8.0}));
    EXPECT_EQ(s.lineWidth(), 1);
}

TEST(PageLayout, CellTextIsCutToTheLongestBeginningThatEndsInsideTheCell)
{
    // 50 twips of padding on the left and on the right: the width less 100.
    const struct {
        const char* text;
        int width;
        const char* shown;
    } cases[] = {
        {"ABCDEFGHIJ", 500, "ABCD"}, // 320 < 400, 400 is not
        {"ABCDEF", 580, "ABCDE"},    // exactly as wide as the room is cut too
        {"ABCD", 450, "ABCD"},       // 320 fits in 350
        {"ABC", 170, ""},            // not even one character fits in 70
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        RecordingSurface s(kA4Width, kA4Height);
        PageLayout page(s, {});
        page.printCell(QString::fromLatin1(c.text), c.width, 300, Align::Left, false, false);
        const auto t = texts(s);
        if (*c.shown == 0) {
            EXPECT_TRUE(t.empty());
            continue;
        }
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].text, QString::fromLatin1(c.shown));
    }
}

TEST(PageLayout, CellPlacesTextOnItsBottomPaddingByAlignment)
{
    const struct {
        Align align;
        int x;
    } cases[] = {{Align::Left, 2050}, {Align::Right, 2000 + 1000 - 240 - 50}, {Align::Centre, 2000 + 500 - 120}};
    for (const auto& c : cases) {
        RecordingSurface s(kA4Width, kA4Height);
        PageLayout page(s, {});
        page.setCurrentX(2000);
        page.printCell(QStringLiteral("abc"), 1000, 300, c.align, true, false);
        const auto t = texts(s);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].x1, c.x);
        EXPECT_EQ(t[0].y1, 300 - 200 - 50);
        EXPECT_EQ(page.currentX(), 3000); // advanced
        EXPECT_EQ(page.currentY(), 0);
    }
}

TEST(PageLayout, TextAsTallAsItsCellIsLeftOutButTheBorderIsDrawn)
{
    RecordingSurface s(kA4Width, kA4Height);
    PageLayout page(s, {});
    page.setCurrentX(1000);
    page.printCell(QStringLiteral("vysoký"), 900, 200, Align::Left, false, false);
    EXPECT_TRUE(texts(s).empty());
    const auto l = lines(s);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(std::tie(l[0].x1, l[0].y1, l[0].x2, l[0].y2), std::make_tuple(1000, 0, 1900, 0));
    EXPECT_EQ(std::tie(l[1].x1, l[1].y1, l[1].x2, l[1].y2), std::make_tuple(1900, 0, 1900, 200));
    EXPECT_EQ(std::tie(l[2].x1, l[2].y1, l[2].x2, l[2].y2), std::make_tuple(1900, 200, 1000, 200));
    EXPECT_EQ(std::tie(l[3].x1, l[3].y1, l[3].x2, l[3].y2), std::make_tuple(1000, 200, 1000, 0));
    // Neither flag: the position stays for a second cell over the same box.
    EXPECT_EQ(page.currentX(), 1000);
}

TEST(PageLayout, RowLeavingLessThanTheBottomReserveBreaksThePage)
{
    // A short page: rows of 300 from 2100; 3000 + 300 + 1500 fits 5000,
    // 3300 + 300 + 1500 does not.
    RecordingSurface s(kA4Width, 5000);
    std::vector<int> started;
    PageLayout page(s, QStringLiteral("Vodárna"), [&](int p) { started.push_back(p); });
    page.printPageHeader();
    std::vector<int> rowTops;
    std::vector<int> rowPages;
    for (int row = 0; row < 7; ++row) {
        rowTops.push_back(page.currentY());
        rowPages.push_back(page.pageNumber());
        page.printCell(QStringLiteral("řádek"), page.fullWidth(), 300, Align::Left, false, true);
    }
    EXPECT_EQ(rowTops, (std::vector<int>{2100, 2400, 2700, 3000, 3300, 2100, 2400}));
    EXPECT_EQ(rowPages, (std::vector<int>{1, 1, 1, 1, 1, 2, 2}));
    EXPECT_EQ(started, (std::vector<int>{2}));

    // The new page begins with its header box at 1500..1900.
    const auto& ops = s.ops();
    const auto brk =
        std::find_if(ops.begin(), ops.end(), [](const SurfaceOp& op) { return op.kind == SurfaceOp::Kind::NewPage; });
    ASSERT_NE(brk, ops.end());
    const auto firstLine =
        std::find_if(brk, ops.end(), [](const SurfaceOp& op) { return op.kind == SurfaceOp::Kind::Line; });
    ASSERT_NE(firstLine, ops.end());
    EXPECT_EQ(firstLine->y1, 1500);
    const auto header = std::find_if(brk, ops.end(), [](const SurfaceOp& op) {
        return op.kind == SurfaceOp::Kind::Text && op.text == QStringLiteral("2. stránka");
    });
    EXPECT_NE(header, ops.end());
}

TEST(PageLayout, GapAtTheFootOfAPageStartsTheNextOnlyWhenSomethingFollows)
{
    // 3300 + 300 fits 5000 with the reserve; the gap after it does not.
    RecordingSurface s(kA4Width, 5000);
    PageLayout page(s, {});
    page.printPageHeader();
    while (page.currentY() < 3300)
        page.printCell(QStringLiteral("řádek"), 500, 300, Align::Left, false, true);
    page.printCell(QStringLiteral("poslední"), 500, 300, Align::Left, false, false);
    page.advanceGap(200);
    EXPECT_EQ(page.pageNumber(), 1); // a report ending here has no empty last page
    page.printSectionTitle(QStringLiteral("Další"));
    EXPECT_EQ(page.pageNumber(), 2);
    const auto t = texts(s);
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back().text, QStringLiteral("Další"));
    EXPECT_EQ(t.back().y1, 2100 + 400 - 300 - 50);
}

TEST(PageLayout, PageTooShortForItsHeaderDoesNotBreakForever)
{
    RecordingSurface s(kA4Width, 2000);
    PageLayout page(s, {});
    page.printPageHeader();
    page.printCell(QStringLiteral("x"), 500, 300, Align::Left, false, true);
    page.printCell(QStringLiteral("y"), 500, 300, Align::Left, false, true);
    EXPECT_EQ(page.pageNumber(), 3); // one break per row, none inside a header
}

TEST(PageLayout, SectionTitleIsATwelvePointBoxEndingTheLine)
{
    RecordingSurface s(kA4Width, kA4Height);
    PageLayout page(s, {});
    page.printPageHeader();
    page.printSectionTitle(QStringLiteral("Všeobecné"));
    const auto t = texts(s);
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back().text, QStringLiteral("Všeobecné"));
    EXPECT_EQ(t.back().font.points, 12.0);
    EXPECT_EQ(t.back().lineWidth, 10);
    EXPECT_EQ(page.currentY(), 2100 + 300 + 100);
}

} // namespace
} // namespace torval
