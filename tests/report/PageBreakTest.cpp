// Page breaks of the whole report on other paper than A4 portrait, on the
// recording surface with its fixed metrics: titles go with their rows,
// continued tables repeat their header row, analog blocks stay whole, and
// narrow paper gets the whole report scaled to its width.

#include "report/PageLayout.h"
#include "report/PageSelection.h"
#include "report/RecordingSurface.h"
#include "report/ReportSections.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace torval {
namespace {

struct Paper {
    const char* name;
    int width;
    int height;
};

constexpr Paper kPapers[] = {
    {"Letter", 12240, 15840},
    {"A4 landscape", 16838, 11906},
    {"Tabloid", 15840, 24480},
    {"A5", 8391, 11906},
};

const QString kTitles[] = {
    QStringLiteral("Všeobecné"),       QStringLiteral("SMS zprávy"),       QStringLiteral("Logické vstupy"),
    QStringLiteral("Logické výstupy"), QStringLiteral("Analogové vstupy"), QStringLiteral("Telefonní čísla"),
    QStringLiteral("Čítače")};

DeviceConfig filled()
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Čistírna odpadních vod Žďár");
    for (int i = 0; i < 8; ++i) {
        c.tabTC[i] = QStringLiteral("+42060000000%1").arg(i);
        c.tabINPNazev[i] = QStringLiteral("Dveře strojovny %1").arg(i + 1);
        c.tabINPLH[i] = QStringLiteral("Dveře %1 byly otevřeny během noční směny").arg(i + 1);
        c.tabAINNazev[i] = QStringLiteral("Hladina nádrže %1").arg(i + 1);
        c.tabAINCL1UpEvent[i] = true;
        c.tabAINCL1Up[i] = QStringLiteral("Hladina %1 stoupá nad horní mez nádrže, zkontrolujte přítok").arg(i + 1);
    }
    return c;
}

struct Placed {
    SurfaceOp op;
    int page;
};

struct Printed {
    std::vector<Placed> texts;
    std::vector<Placed> pictures;
    std::vector<SurfaceOp> lines;
    int pages = 1;
};

Printed print(const Paper& paper)
{
    RecordingSurface s(paper.width, paper.height);
    PageLayout page(s, QStringLiteral("Stanice"));
    printReport(page, filled());
    Printed p;
    for (const SurfaceOp& op : s.ops()) {
        if (op.kind == SurfaceOp::Kind::NewPage)
            ++p.pages;
        else if (op.kind == SurfaceOp::Kind::Text)
            p.texts.push_back({op, p.pages});
        else if (op.kind == SurfaceOp::Kind::Picture)
            p.pictures.push_back({op, p.pages});
        else if (op.kind == SurfaceOp::Kind::Line)
            p.lines.push_back(op);
    }
    return p;
}

bool isPageHeader(const SurfaceOp& t)
{
    return t.text.startsWith(QStringLiteral("TORVAL Init stanice:")) || t.text.endsWith(QStringLiteral(". stránka"));
}

std::vector<Placed> named(const Printed& p, const QString& text)
{
    std::vector<Placed> out;
    for (const Placed& t : p.texts)
        if (t.op.text == text)
            out.push_back(t);
    return out;
}

TEST(PageBreaks, TitleNeverEndsAPageAndContinuedTablesRepeatTheirHeaderRow)
{
    // Each table's data-row labels and a header text only that table has.
    const struct {
        const char* header;
        std::vector<QString> labels;
    } tables[] = {
        {"0->1", {"I1", "I2", "I3", "I4", "I5", "I6", "I7", "I8"}},
        {"Impuls", {"O1", "O2", "O3", "O4"}},
        {"Příjem příkazů", {"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8"}},
    };
    int continued = 0;
    for (const Paper& paper : kPapers) {
        SCOPED_TRACE(paper.name);
        const Printed p = print(paper);
        EXPECT_GE(p.pages, 2);
        std::set<int> withBody;
        for (const Placed& t : p.texts)
            if (!isPageHeader(t.op))
                withBody.insert(t.page);
        EXPECT_EQ(int(withBody.size()), p.pages) << "a page holds nothing but its header";

        // Below every title on its page: the header row and a data row (or
        // two rows of a section without a table) at least.
        for (const QString& title : kTitles) {
            const auto found = named(p, title);
            ASSERT_EQ(found.size(), 1u) << title.toStdString();
            std::set<int> rowsBelow;
            for (const Placed& t : p.texts)
                if (t.page == found[0].page && t.op.y1 > found[0].op.y1 && !isPageHeader(t.op))
                    rowsBelow.insert(t.op.y1);
            EXPECT_GE(rowsBelow.size(), 2u) << title.toStdString() << " ends page " << found[0].page;
        }

        for (const auto& table : tables) {
            const auto headers = named(p, QString::fromUtf8(table.header));
            const int titlePage = headers.empty() ? 0 : headers.front().page;
            for (const QString& label : table.labels) {
                const auto row = named(p, label);
                ASSERT_EQ(row.size(), 1u) << label.toStdString();
                const bool headed = std::any_of(headers.begin(), headers.end(), [&](const Placed& h) {
                    return h.page == row[0].page && h.op.y1 < row[0].op.y1;
                });
                EXPECT_TRUE(headed) << label.toStdString() << " on page " << row[0].page << " has no header row";
                if (row[0].page != titlePage)
                    ++continued;
            }
            // A header row is never printed without a row of its table under it.
            for (const Placed& h : headers)
                EXPECT_TRUE(std::any_of(table.labels.begin(), table.labels.end(),
                                        [&](const QString& l) {
                                            const auto row = named(p, l);
                                            return row[0].page == h.page && row[0].op.y1 > h.op.y1;
                                        }))
                    << table.header << " alone on page " << h.page;
        }
    }
    EXPECT_GT(continued, 0) << "no paper breaks a table: the rule above was not tried";
}

TEST(PageBreaks, AnalogBlockRowsAndGraphShareOnePage)
{
    // 8360: a height at which a block checked against a smaller reserve than
    // the line advance's once lost its last row to the next page.
    for (const Paper& paper : {kPapers[0], kPapers[1], Paper{"short", 11906, 8360}}) {
        SCOPED_TRACE(paper.name);
        const Printed p = print(paper);
        std::vector<int> first;
        std::vector<int> last;
        for (const Placed& t : p.texts) {
            if (t.op.text.startsWith(QStringLiteral("Název A")) || t.op.text.startsWith(QStringLiteral("Název BAT")))
                first.push_back(t.page);
            if (t.op.text.startsWith(QStringLiteral("Při přechodu dolu přes CL2")))
                last.push_back(t.page);
        }
        ASSERT_EQ(p.pictures.size(), 8u);
        ASSERT_EQ(first.size(), 8u);
        ASSERT_EQ(last.size(), 8u);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(first[i], p.pictures[i].page) << "A" << i + 1;
            EXPECT_EQ(last[i], p.pictures[i].page) << "A" << i + 1;
            EXPECT_LE(p.pictures[i].op.y2, paper.height - 1000) << "A" << i + 1;
        }
        EXPECT_NE(p.pictures.front().page, p.pictures.back().page);
    }
}

TEST(PageBreaks, NarrowPaperScalesTheWholeReportToItsWidth)
{
    const Paper a5 = kPapers[3];
    const double scale = double(a5.width) / PageLayout::kLayoutWidth;
    const Printed p = print(a5);
    int right = 0;
    for (const SurfaceOp& l : p.lines)
        right = std::max({right, l.x1, l.x2});
    // The boxes end at the scaled right margin, as on A4 at 1000 twips.
    EXPECT_NEAR(right, (PageLayout::kLayoutWidth - 1000) * scale, 2);
    for (const Placed& t : p.texts) {
        const int width = RecordingSurface::fixedMetrics(t.op.text, t.op.font).width;
        EXPECT_LE(t.op.x1 + width, right) << t.op.text.toStdString();
    }
    for (const Placed& g : p.pictures)
        EXPECT_LE(g.op.x2, a5.width);
    // Every text keeps its size relative to the page.
    EXPECT_DOUBLE_EQ(named(p, QStringLiteral("I1"))[0].op.font.points, 8.0 * scale);
    EXPECT_DOUBLE_EQ(named(p, QStringLiteral("Čítače"))[0].op.font.points, 12.0 * scale);

    // Paper as wide as A4 or wider is not scaled.
    const Printed letter = print(kPapers[0]);
    EXPECT_DOUBLE_EQ(named(letter, QStringLiteral("I1"))[0].op.font.points, 8.0);
}

TEST(PageBreaks, PageRangePrintsOnlyItsPagesAsTheWholeReportNumbersThem)
{
    const struct {
        std::set<int> wanted;
        std::vector<QString> headers;
    } cases[] = {
        {{2, 3}, {QStringLiteral("2. stránka"), QStringLiteral("3. stránka")}},
        {{1, 3}, {QStringLiteral("1. stránka"), QStringLiteral("3. stránka")}},
        {{3}, {QStringLiteral("3. stránka")}},
    };
    for (const auto& c : cases) {
        RecordingSurface device(11906, 16838);
        PageSelection selected(device, [&](int page) { return c.wanted.count(page) > 0; });
        PageLayout page(selected, QStringLiteral("Stanice"));
        printReport(page, filled());
        ASSERT_EQ(page.pageNumber(), 3);
        std::vector<QString> headers;
        long breaks = 0;
        for (const SurfaceOp& op : device.ops()) {
            breaks += op.kind == SurfaceOp::Kind::NewPage;
            if (op.kind == SurfaceOp::Kind::Text && op.text.endsWith(QStringLiteral(". stránka")))
                headers.push_back(op.text);
        }
        EXPECT_EQ(headers, c.headers);
        EXPECT_EQ(breaks, long(c.headers.size()) - 1);
    }
}

} // namespace
} // namespace torval
