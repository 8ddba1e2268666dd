#include "report/PageLayout.h"

#include "report/ScaledSurface.h"

#include <QCoreApplication>
#include <utility>

namespace torval {

namespace {
const QString kReportFont = QStringLiteral("Arial CE");
}

PageLayout::PageLayout(Surface& page, QString stationName, PageStarted pageStarted)
    : m_page(&page), m_stationName(std::move(stationName)), m_pageStarted(std::move(pageStarted))
{
    if (page.width() > 0 && page.width() < kLayoutWidth) {
        m_scaled = std::make_unique<ScaledSurface>(page, double(page.width()) / kLayoutWidth);
        m_page = m_scaled.get();
    }
    m_page->setColor(kBlack);
    m_page->setFont(FontSpec{kReportFont, 8.0});
}

PageLayout::~PageLayout() = default;

double PageLayout::scale() const
{
    return m_scaled ? static_cast<const ScaledSurface&>(*m_scaled).scale() : 1.0;
}

void PageLayout::setFontSize(double points)
{
    m_page->setFont(FontSpec{kReportFont, points});
}

QString PageLayout::fitText(const QString& text, int width) const
{
    // The padding stays clear on both sides: a cut text ends as far from
    // the right border as it starts from the left one.
    const int room = width - 2 * kTextPadding;
    if (m_page->textWidth(text) < room)
        return text;
    // Characters are added while the beginning stays narrower than the room.
    qsizetype n = 0;
    while (n < text.size() && m_page->textWidth(text.left(n + 1)) < room)
        ++n;
    return text.left(n);
}

void PageLayout::printCell(const QString& text, int width, int height, Align align, bool advance, bool endLine)
{
    if (m_breakPending)
        startNewPage();
    const int x = m_x;
    const int y = m_y;
    m_page->drawLine(x, y, x + width, y);
    m_page->drawLine(x + width, y, x + width, y + height);
    m_page->drawLine(x + width, y + height, x, y + height);
    m_page->drawLine(x, y + height, x, y);

    const TextSize size = m_page->measureText(text, m_page->font());
    if (size.height < height) {
        const QString shown = fitText(text, width);
        const int shownWidth = shown.size() == text.size() ? size.width : m_page->textWidth(shown);
        int left = x + kTextPadding;
        if (align == Align::Right)
            left = x + width - shownWidth - kTextPadding;
        else if (align == Align::Centre)
            left = x + width / 2 - shownWidth / 2;
        if (!shown.isEmpty())
            m_page->drawText(left, y + height - size.height - kTextPadding, shown);
    }

    m_x = advance ? x + width : x;
    m_y = y;
    if (endLine) {
        advanceLine(height);
        m_x = kLeftMargin;
    }
}

void PageLayout::advanceLine(int h)
{
    // While the header itself is printed the page is fresh: breaking again
    // would only repeat the header on a page too short for it, forever.
    if (!m_inHeader && m_y + h + kBottomReserve > pageHeight())
        startNewPage();
    else
        m_y += h;
    m_x = kLeftMargin;
}

void PageLayout::advanceGap(int h)
{
    if (m_y + h + kBottomReserve > pageHeight())
        m_breakPending = true;
    else
        m_y += h;
    m_x = kLeftMargin;
}

void PageLayout::keepTogether(int span)
{
    if (m_breakPending || (m_y > kBodyTop && m_y + span + kBottomReserve > pageHeight()))
        startNewPage();
}

void PageLayout::startNewPage()
{
    m_breakPending = false;
    m_page->newPage();
    ++m_pageNumber;
    if (m_pageStarted)
        m_pageStarted(m_pageNumber);
    printPageHeader();
    if (m_continuation) {
        // The table's header row again, in the table's own font and lines.
        const FontSpec font = m_page->font();
        const int lineWidth = m_page->lineWidth();
        // On a page too short for even that row, breaking again would repeat
        // it forever; the header's own guard holds the page.
        m_inHeader = true;
        m_continuation();
        m_inHeader = false;
        m_page->setFont(font);
        m_page->setLineWidth(lineWidth);
    }
    m_x = kLeftMargin;
}

void PageLayout::printPageHeader()
{
    const FontSpec font = m_page->font();
    const int lineWidth = m_page->lineWidth();
    m_inHeader = true;

    setFontSize(14.0);
    m_x = kLeftMargin;
    m_y = kHeaderTop;
    m_page->setLineWidth(15);
    printCell(
        QCoreApplication::translate("PageLayout", "TORVAL Init stanice: %1").arg(m_stationName.left(kStationNameChars)),
        fullWidth(), kHeaderHeight, Align::Left, false, false);
    printCell(QCoreApplication::translate("PageLayout", "%1. stránka").arg(m_pageNumber), fullWidth(), kHeaderHeight,
              Align::Right, false, true);

    m_page->setFont(FontSpec{kReportFont, font.points});
    m_page->setLineWidth(lineWidth);
    advanceLine(kHeaderGap);
    m_inHeader = false;
}

void PageLayout::printSectionTitle(const QString& text, int keepWith)
{
    m_x = kLeftMargin;
    setFontSize(12.0);
    m_page->setLineWidth(10);
    const int height = m_page->textHeight(text) + 100;
    // A title never ends a page: it goes over with the rows it names.
    keepTogether(height + keepWith);
    printCell(text, fullWidth(), height, Align::Left, false, true);
}

} // namespace torval
