#include "platform/PainterSurface.h"

#include "report/Picture.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace torval {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
// The report's line widths are printer dots of a 600-dpi printer.
constexpr double kTwipsPerDot = kTwipsPerInch / 600.0;

QColor qcolor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

void registerSubstitutes()
{
    static const bool done = [] {
        // Liberation Sans has Arial's metrics; the Central European variant
        // is the same font with the Czech characters, which it has as well.
        const QStringList families = QFontDatabase::families();
        const QString serving =
            families.contains(QStringLiteral("Arial")) ? QStringLiteral("Arial") : QStringLiteral("Liberation Sans");
        QFont::insertSubstitution(QStringLiteral("Arial CE"), serving);
        if (serving != QStringLiteral("Arial"))
            QFont::insertSubstitution(QStringLiteral("Arial"), serving);
        return true;
    }();
    (void)done;
}

} // namespace

QFont PainterSurface::qtFont(const FontSpec& font)
{
    registerSubstitutes();
    QFont f(font.name);
    // The size is set in twips (the painter draws in twips), so text is
    // measured identically on every device.
    f.setPixelSize(std::max(1, int(std::lround(font.points * kTwipsPerPoint))));
    f.setStyleHint(QFont::SansSerif);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

PainterSurface::PainterSurface(QPainter& painter, int widthTwips, int heightTwips, double dpiX, double dpiY,
                               Rgb background, QPagedPaintDevice* pages)
    : m_painter(painter), m_pages(pages), m_width(widthTwips), m_height(heightTwips), m_background(background)
{
    m_painter.save();
    m_painter.scale(dpiX / kTwipsPerInch, dpiY / kTwipsPerInch);
    m_qfont = qtFont(m_font);
}

PainterSurface::~PainterSurface()
{
    m_painter.restore();
}

void PainterSurface::clear()
{
    m_painter.fillRect(QRectF(0, 0, m_width, m_height), qcolor(m_background));
}

void PainterSurface::setFont(const FontSpec& font)
{
    m_font = font;
    m_qfont = qtFont(font);
}

void PainterSurface::fillRect(int x1, int y1, int x2, int y2)
{
    const QRectF r(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
    m_painter.fillRect(r, qcolor(m_color));
}

void PainterSurface::drawLine(int x1, int y1, int x2, int y2)
{
    QPen pen(qcolor(m_color));
    pen.setWidthF(std::max(1, m_lineWidth) * kTwipsPerDot);
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

TextSize PainterSurface::measureText(const QString& text, const FontSpec& font) const
{
    const QFontMetricsF fm(font == m_font ? m_qfont : qtFont(font));
    return {int(std::ceil(fm.horizontalAdvance(text))), int(std::ceil(fm.height()))};
}

void PainterSurface::drawText(int x, int y, const QString& text)
{
    m_painter.setFont(m_qfont);
    m_painter.setPen(qcolor(m_color));
    const QFontMetricsF fm(m_qfont);
    m_painter.drawText(QPointF(x, y + fm.ascent()), text);
}

void PainterSurface::drawPicture(int x, int y, const Picture& picture)
{
    m_painter.save();
    m_painter.setClipRect(QRectF(x, y, picture.width, picture.height), Qt::IntersectClip);
    replayPicture(*this, x, y, picture);
    m_painter.restore();
}

void PainterSurface::newPage()
{
    if (m_pages && !m_pages->newPage())
        m_ok = false;
}

} // namespace torval
