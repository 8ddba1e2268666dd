#include "report/PageLayout.h"

#include <utility>

namespace torval {

namespace {
const QString kReportFont = QStringLiteral("Arial CE");
}

PageLayout::PageLayout(Surface& page, QString stationName, PageStarted pageStarted)
    : m_page(page), m_stationName(std::move(stationName)), m_pageStarted(std::move(pageStarted))
{
    m_page.setColor(kBlack);
    m_page.setFont(FontSpec{kReportFont, 8.0});
}

void PageLayout::setFontSize(double points)
{
    m_page.setFont(FontSpec{kReportFont, points});
}

QString PageLayout::fitText(const QString& text, int width) const
{
    if (m_page.textWidth(text) < width)
        return text;
    // Characters are added while the beginning stays narrower than the cell.
    qsizetype n = 0;
    while (n < text.size() && m_page.textWidth(text.left(n + 1)) < width)
        ++n;
    return text.left(n);
}

void PageLayout::printCell(const QString& text, int width, int height, Align align, bool advance, bool endLine)
{
    const int x = m_x;
    const int y = m_y;
    m_page.drawLine(x, y, x + width, y);
    m_page.drawLine(x + width, y, x + width, y + height);
    m_page.drawLine(x + width, y + height, x, y + height);
    m_page.drawLine(x, y + height, x, y);

    const TextSize size = m_page.measureText(text, m_page.font());
    if (size.height < height) {
        const QString shown = fitText(text, width);
        const int shownWidth = shown.size() == text.size() ? size.width : m_page.textWidth(shown);
        int left = x + kTextPadding;
        if (align == Align::Right)
            left = x + width - shownWidth - kTextPadding;
        else if (align == Align::Centre)
            left = x + width / 2 - shownWidth / 2;
        if (!shown.isEmpty())
            m_page.drawText(left, y + height - size.height - kTextPadding, shown);
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
    if (!m_inHeader && m_y + h + kBottomReserve > pageHeight()) {
        m_page.newPage();
        ++m_pageNumber;
        if (m_pageStarted)
            m_pageStarted(m_pageNumber);
        printPageHeader();
    } else {
        m_y += h;
    }
    m_x = kLeftMargin;
}

void PageLayout::printPageHeader()
{
    const FontSpec font = m_page.font();
    const int lineWidth = m_page.lineWidth();
    m_inHeader = true;

    setFontSize(14.0);
    m_x = kLeftMargin;
    m_y = kHeaderTop;
    m_page.setLineWidth(15);
    printCell(QStringLiteral("TORVAL Init") + QStringLiteral(" stanice: ") + m_stationName.left(kStationNameChars),
              fullWidth(), kHeaderHeight, Align::Left, false, false);
    printCell(QString::number(m_pageNumber) + QStringLiteral(". stránka"), fullWidth(), kHeaderHeight, Align::Right,
              false, true);

    m_page.setFont(FontSpec{kReportFont, font.points});
    m_page.setLineWidth(lineWidth);
    advanceLine(kHeaderGap);
    m_inHeader = false;
}

void PageLayout::printSectionTitle(const QString& text)
{
    m_x = kLeftMargin;
    setFontSize(12.0);
    m_page.setLineWidth(10);
    printCell(text, fullWidth(), m_page.textHeight(text) + 100, Align::Left, false, true);
}

} // namespace torval
