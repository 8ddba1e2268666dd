#pragma once
// A surface drawn at a uniform scale on another one. The report is laid out
// for a page as wide as A4; on narrower paper (A5, or a printer whose paper
// is cut short) the whole layout is shrunk onto the page this way, so every
// column stays on the sheet instead of running off its right edge.

#include "report/Surface.h"

namespace torval {

class ScaledSurface final : public Surface {
public:
    // `scale` device twips per layout twip (0 < scale); the layout sees the
    // device's page divided by it.
    ScaledSurface(Surface& device, double scale);

    [[nodiscard]] double scale() const { return m_scale; }

    [[nodiscard]] int width() const override;
    [[nodiscard]] int height() const override;
    [[nodiscard]] Rgb background() const override { return m_device.background(); }
    void clear() override { m_device.clear(); }
    void setColor(Rgb color) override { m_device.setColor(color); }
    [[nodiscard]] Rgb color() const override { return m_device.color(); }
    void setLineWidth(int dots) override;
    [[nodiscard]] int lineWidth() const override { return m_lineWidth; }
    void setFont(const FontSpec& font) override;
    [[nodiscard]] FontSpec font() const override { return m_font; }
    void fillRect(int x1, int y1, int x2, int y2) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    [[nodiscard]] TextSize measureText(const QString& text, const FontSpec& font) const override;
    void drawText(int x, int y, const QString& text) override;
    void drawPicture(int x, int y, const Picture& picture) override;
    void newPage() override { m_device.newPage(); }

private:
    [[nodiscard]] int toDevice(int twips) const;
    [[nodiscard]] FontSpec deviceFont(const FontSpec& font) const;

    Surface& m_device;
    double m_scale;
    int m_lineWidth;
    FontSpec m_font;
};

} // namespace torval
