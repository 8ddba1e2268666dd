#pragma once
// The report's drawing surface on a QPainter: a printer page, a PDF page, an
// image or a widget. Twips are mapped to device units through the device's
// resolution, and texts are measured in twips independent of the device, so
// the report cuts its cells the same way on paper, in PDF and on screen.

#include "report/Surface.h"

#include <QFont>

class QPainter;
class QPagedPaintDevice;

namespace torval {

class PainterSurface final : public Surface {
public:
    // `painter` is active on a device of `dpiX` x `dpiY` whose origin is the
    // surface's top left; `pages` (may be null) is asked for new pages.
    PainterSurface(QPainter& painter, int widthTwips, int heightTwips, double dpiX, double dpiY,
                   Rgb background = kWhite, QPagedPaintDevice* pages = nullptr);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    // The font that serves a requested family: the report asks for "Arial CE"
    // and the graph for "Arial"; a metric-compatible font is used when the
    // original is not installed.
    [[nodiscard]] static QFont qtFont(const FontSpec& font);

    [[nodiscard]] int width() const override { return m_width; }
    [[nodiscard]] int height() const override { return m_height; }
    [[nodiscard]] Rgb background() const override { return m_background; }
    void clear() override;
    void setColor(Rgb color) override { m_color = color; }
    [[nodiscard]] Rgb color() const override { return m_color; }
    void setLineWidth(int dots) override { m_lineWidth = dots; }
    [[nodiscard]] int lineWidth() const override { return m_lineWidth; }
    void setFont(const FontSpec& font) override;
    [[nodiscard]] FontSpec font() const override { return m_font; }
    void fillRect(int x1, int y1, int x2, int y2) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    [[nodiscard]] TextSize measureText(const QString& text, const FontSpec& font) const override;
    void drawText(int x, int y, const QString& text) override;
    void drawPicture(int x, int y, const Picture& picture) override;
    void newPage() override;

    // False once the device refused a new page.
    [[nodiscard]] bool ok() const { return m_ok; }

private:
    QPainter& m_painter;
    QPagedPaintDevice* m_pages;
    int m_width;
    int m_height;
    Rgb m_background;
    Rgb m_color = kBlack;
    int m_lineWidth = 1;
    FontSpec m_font{QStringLiteral("Arial CE"), 8.0};
    QFont m_qfont;
    bool m_ok = true;
};

} // namespace torval
