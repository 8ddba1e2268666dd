#include "report/ScaledSurface.h"

#include "report/Picture.h"

#include <algorithm>
#include <cmath>

namespace torval {

namespace {

int scaled(int value, double scale)
{
    return int(std::lround(value * scale));
}

// Lines keep their weight relative to the page; the thinnest line stays the
// thinnest the device draws.
int scaledLineWidth(int dots, double scale)
{
    return dots <= 1 ? dots : std::max(1, scaled(dots, scale));
}

Picture scaledPicture(const Picture& picture, double scale)
{
    Picture out;
    out.width = scaled(picture.width, scale);
    out.height = scaled(picture.height, scale);
    out.background = picture.background;
    out.ops.reserve(picture.ops.size());
    for (SurfaceOp op : picture.ops) {
        op.x1 = scaled(op.x1, scale);
        op.y1 = scaled(op.y1, scale);
        op.x2 = scaled(op.x2, scale);
        op.y2 = scaled(op.y2, scale);
        op.lineWidth = scaledLineWidth(op.lineWidth, scale);
        op.font.points *= scale;
        if (op.picture)
            op.picture = std::make_shared<const Picture>(scaledPicture(*op.picture, scale));
        out.ops.push_back(std::move(op));
    }
    return out;
}

} // namespace

ScaledSurface::ScaledSurface(Surface& device, double scale)
    : m_device(device), m_scale(scale), m_lineWidth(device.lineWidth()), m_font(device.font())
{
    // The device holds the scaled counterparts of what the layout sets.
    m_font.points /= scale;
}

int ScaledSurface::width() const
{
    return int(m_device.width() / m_scale);
}

int ScaledSurface::height() const
{
    return int(m_device.height() / m_scale);
}

int ScaledSurface::toDevice(int twips) const
{
    return scaled(twips, m_scale);
}

FontSpec ScaledSurface::deviceFont(const FontSpec& font) const
{
    return FontSpec{font.name, font.points * m_scale};
}

void ScaledSurface::setLineWidth(int dots)
{
    m_lineWidth = dots;
    m_device.setLineWidth(scaledLineWidth(dots, m_scale));
}

void ScaledSurface::setFont(const FontSpec& font)
{
    m_font = font;
    m_device.setFont(deviceFont(font));
}

void ScaledSurface::fillRect(int x1, int y1, int x2, int y2)
{
    m_device.fillRect(toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2));
}

void ScaledSurface::drawLine(int x1, int y1, int x2, int y2)
{
    m_device.drawLine(toDevice(x1), toDevice(y1), toDevice(x2), toDevice(y2));
}

TextSize ScaledSurface::measureText(const QString& text, const FontSpec& font) const
{
    // Rounded up: a text measured a hair too narrow could be let into a cell
    // it then overflows on the device.
    const TextSize d = m_device.measureText(text, deviceFont(font));
    return {int(std::ceil(d.width / m_scale)), int(std::ceil(d.height / m_scale))};
}

void ScaledSurface::drawText(int x, int y, const QString& text)
{
    m_device.drawText(toDevice(x), toDevice(y), text);
}

void ScaledSurface::drawPicture(int x, int y, const Picture& picture)
{
    m_device.drawPicture(toDevice(x), toDevice(y), scaledPicture(picture, m_scale));
}

} // namespace torval
