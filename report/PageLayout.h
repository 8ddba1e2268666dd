#pragma once
// The page primitives of the printed report: bordered text cells, the line
// advance with its page break, the page header box and the section titles.
// All sizes are twips on the page; the position is a cursor that the cells
// move, like a printer's current point.

#include "report/Surface.h"

#include <QString>
#include <functional>
#include <memory>

namespace torval {

enum class Align { Left = 0, Right = 1, Centre = 2 };

class PageLayout {
public:
    static constexpr int kLeftMargin = 1000;
    static constexpr int kHeaderTop = 1500;
    static constexpr int kHeaderHeight = 400;
    static constexpr int kHeaderGap = 200;
    static constexpr int kBottomReserve = 1500;
    static constexpr int kTextPadding = 50;
    static constexpr int kStationNameChars = 20;
    // The page the layout is made for: A4's width. Narrower paper gets the
    // whole report scaled down to its width; wider paper widens the boxes
    // that run across the page.
    static constexpr int kLayoutWidth = 11906;
    // Where the body of every page starts, below the header box.
    static constexpr int kBodyTop = kHeaderTop + kHeaderHeight + kHeaderGap;

    // Called with the number of each page that starts after the first (the
    // caller updates its progress text).
    using PageStarted = std::function<void(int page)>;

    // Starts on page 1 of the surface's document at the top left margin, in
    // the report's font; the header of page 1 is printed by the caller.
    // A surface narrower than kLayoutWidth is drawn on through a uniform
    // scale, and the page seen here is the scaled one.
    PageLayout(Surface& page, QString stationName, PageStarted pageStarted = {});
    ~PageLayout();
    PageLayout(const PageLayout&) = delete;
    PageLayout& operator=(const PageLayout&) = delete;

    [[nodiscard]] Surface& surface() { return *m_page; }
    // Device twips per layout twip: 1 unless the paper is narrower than the layout.
    [[nodiscard]] double scale() const;
    [[nodiscard]] int pageWidth() const { return m_page->width(); }
    [[nodiscard]] int pageHeight() const { return m_page->height(); }
    [[nodiscard]] int pageNumber() const { return m_pageNumber; }
    [[nodiscard]] int currentX() const { return m_x; }
    [[nodiscard]] int currentY() const { return m_y; }
    void setCurrentX(int x) { m_x = x; }
    // Width from the current position to the right margin.
    [[nodiscard]] int restOfLine() const { return pageWidth() - kLeftMargin - m_x; }
    // Width of a box across the page between the margins.
    [[nodiscard]] int fullWidth() const { return pageWidth() - 2 * kLeftMargin; }

    void setFontSize(double points);
    void setLineWidth(int dots) { m_page->setLineWidth(dots); }

    // A bordered cell with its top left corner at the current position. A
    // text as tall as the cell is left out (the border is drawn); a text as
    // wide as the cell is cut to the longest beginning narrower than it.
    void printCell(const QString& text, int width, int height, Align align, bool advance, bool endLine);
    // Down by h to the left margin; a new page with its header when less than
    // the bottom reserve would remain below.
    void advanceLine(int h);
    // The gap after a section: like advanceLine, but a page it fills is only
    // started when something is printed on it, so a report that ends at the
    // bottom of a page has no last page with nothing but its header.
    void advanceGap(int h);
    void printPageHeader();
    // The title box. `keepWith` is how far below the title's box the top of
    // the last row lies that must share the title's page (0: the first row
    // right under it); the title moves to a new page when that row would
    // have to break there.
    void printSectionTitle(const QString& text, int keepWith = 0);

    // Starts a new page now unless rows whose last top edge lies `span` below
    // the current position all fit on this one by the bottom reserve of the
    // line advance. A page that has only its header keeps the block.
    void keepTogether(int span);

    // Printed after the page header of every page the current table breaks
    // onto (its header row); empty when no table is running.
    void setContinuation(std::function<void()> printAgain) { m_continuation = std::move(printAgain); }

    // The text as printed in a cell of this width in the current font: cut
    // so that it keeps the padding from the left and the right border.
    [[nodiscard]] QString fitText(const QString& text, int width) const;

private:
    void startNewPage();

    std::unique_ptr<Surface> m_scaled;
    Surface* m_page;
    std::function<void()> m_continuation;
    QString m_stationName;
    PageStarted m_pageStarted;
    int m_x = kLeftMargin;
    int m_y = 0;
    int m_pageNumber = 1;
    bool m_inHeader = false;
    bool m_breakPending = false;
};

} // namespace torval
