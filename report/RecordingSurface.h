#pragma once
// A surface that draws nothing and records every operation with its
// coordinates and texts. Tests use it with fixed, deterministic text metrics;
// the report uses it to record the level graph as a picture, measuring texts
// with the surface the picture will be placed on.

#include "report/Picture.h"

#include <functional>
#include <vector>

namespace torval {

class RecordingSurface final : public Surface {
public:
    using Metrics = std::function<TextSize(const QString& text, const FontSpec& font)>;

    // Fixed metrics: every character is round(points * 10) twips wide and a
    // line is round(points * 25) twips high (8 pt: 80 x 200).
    static TextSize fixedMetrics(const QString& text, const FontSpec& font);

    RecordingSurface(int width, int height, Rgb background = kWhite, Metrics metrics = fixedMetrics);
    // Measures with another surface (which must outlive this one).
    RecordingSurface(int width, int height, Rgb background, const Surface& measureWith);

    [[nodiscard]] int width() const override { return m_width; }
    [[nodiscard]] int height() const override { return m_height; }
    [[nodiscard]] Rgb background() const override { return m_background; }
    void clear() override;
    void setColor(Rgb color) override;
    [[nodiscard]] Rgb color() const override { return m_color; }
    void setLineWidth(int dots) override;
    [[nodiscard]] int lineWidth() const override { return m_lineWidth; }
    void setFont(const FontSpec& font) override;
    [[nodiscard]] FontSpec font() const override { return m_font; }
    void fillRect(int x1, int y1, int x2, int y2) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    [[nodiscard]] TextSize measureText(const QString& text, const FontSpec& font) const override;
    void drawText(int x, int y, const QString& text) override;
    void drawPicture(int x, int y, const Picture& picture) override;
    void newPage() override;

    [[nodiscard]] const std::vector<SurfaceOp>& ops() const { return m_ops; }
    // The recording as a picture of this surface's size and background.
    [[nodiscard]] Picture picture() const;

private:
    SurfaceOp op(SurfaceOp::Kind kind) const;

    int m_width;
    int m_height;
    Rgb m_background;
    Metrics m_metrics;
    Rgb m_color = kBlack;
    int m_lineWidth = 1;
    FontSpec m_font{QStringLiteral("Arial CE"), 8.0};
    std::vector<SurfaceOp> m_ops;
};

} // namespace torval
