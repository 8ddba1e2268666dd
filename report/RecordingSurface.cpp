#include "report/RecordingSurface.h"

#include <cmath>
#include <utility>

namespace torval {

TextSize RecordingSurface::fixedMetrics(const QString& text, const FontSpec& font)
{
    const int perChar = int(std::lround(font.points * 10.0));
    return {int(text.size()) * perChar, int(std::lround(font.points * 25.0))};
}

RecordingSurface::RecordingSurface(int width, int height, Rgb background, Metrics metrics)
    : m_width(width), m_height(height), m_background(background), m_metrics(std::move(metrics))
{
    if (!m_metrics)
        m_metrics = fixedMetrics;
}

RecordingSurface::RecordingSurface(int width, int height, Rgb background, const Surface& measureWith)
    : RecordingSurface(width, height, background, [&measureWith](const QString& text, const FontSpec& font) {
          return measureWith.measureText(text, font);
      })
{ }

SurfaceOp RecordingSurface::op(SurfaceOp::Kind kind) const
{
    SurfaceOp o;
    o.kind = kind;
    o.color = m_color;
    o.lineWidth = m_lineWidth;
    o.font = m_font;
    return o;
}

void RecordingSurface::clear()
{
    m_ops.push_back(op(SurfaceOp::Kind::Clear));
}

void RecordingSurface::setColor(Rgb color)
{
    m_color = color;
    m_ops.push_back(op(SurfaceOp::Kind::Color));
}

void RecordingSurface::setLineWidth(int dots)
{
    m_lineWidth = dots;
    m_ops.push_back(op(SurfaceOp::Kind::LineWidth));
}

void RecordingSurface::setFont(const FontSpec& font)
{
    m_font = font;
    m_ops.push_back(op(SurfaceOp::Kind::Font));
}

void RecordingSurface::fillRect(int x1, int y1, int x2, int y2)
{
    SurfaceOp o = op(SurfaceOp::Kind::FillRect);
    o.x1 = x1;
    o.y1 = y1;
    o.x2 = x2;
    o.y2 = y2;
    m_ops.push_back(std::move(o));
}

void RecordingSurface::drawLine(int x1, int y1, int x2, int y2)
{
    SurfaceOp o = op(SurfaceOp::Kind::Line);
    o.x1 = x1;
    o.y1 = y1;
    o.x2 = x2;
    o.y2 = y2;
    m_ops.push_back(std::move(o));
}

TextSize RecordingSurface::measureText(const QString& text, const FontSpec& font) const
{
    return m_metrics(text, font);
}

void RecordingSurface::drawText(int x, int y, const QString& text)
{
    SurfaceOp o = op(SurfaceOp::Kind::Text);
    o.x1 = x;
    o.y1 = y;
    o.text = text;
    m_ops.push_back(std::move(o));
}

void RecordingSurface::drawPicture(int x, int y, const Picture& picture)
{
    SurfaceOp o = op(SurfaceOp::Kind::Picture);
    o.x1 = x;
    o.y1 = y;
    o.x2 = x + picture.width;
    o.y2 = y + picture.height;
    o.picture = std::make_shared<const Picture>(picture);
    m_ops.push_back(std::move(o));
}

void RecordingSurface::newPage()
{
    m_ops.push_back(op(SurfaceOp::Kind::NewPage));
}

Picture RecordingSurface::picture() const
{
    return Picture{m_width, m_height, m_background, m_ops};
}

} // namespace torval
