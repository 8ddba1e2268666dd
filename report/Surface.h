#pragma once
// The device-independent drawing surface of the printed report and of the
// level graph. Coordinates are twips (1/1440 inch), origin at the top left,
// y growing downwards; colours are RGB triples and fonts are asked for by
// name and point size. The printer, a PDF file, an image or the dialog's
// graph widget implement it (platform/PainterSurface); tests record it.

#include <QString>
#include <cstdint>

namespace torval {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kRed{255, 0, 0};

struct FontSpec {
    QString name;
    double points = 8.0;
    bool operator==(const FontSpec&) const = default;
};

struct TextSize {
    int width = 0;  // twips
    int height = 0; // twips, the line height of the font
    bool operator==(const TextSize&) const = default;
};

struct Picture;

class Surface {
public:
    virtual ~Surface() = default;

    // Size of the page (or of the picture being drawn) in twips.
    [[nodiscard]] virtual int width() const = 0;
    [[nodiscard]] virtual int height() const = 0;
    [[nodiscard]] virtual Rgb background() const = 0;

    // Fills the whole surface with its background colour.
    virtual void clear() = 0;

    virtual void setColor(Rgb color) = 0;
    [[nodiscard]] virtual Rgb color() const = 0;

    // Line width in printer dots (1/600 inch), as the report's boxes are
    // specified; 0 and 1 both give the thinnest line the device can draw.
    virtual void setLineWidth(int dots) = 0;
    [[nodiscard]] virtual int lineWidth() const = 0;

    virtual void setFont(const FontSpec& font) = 0;
    [[nodiscard]] virtual FontSpec font() const = 0;

    // Filled axis-parallel rectangle between two corners given in any order,
    // in the drawing colour, without outline.
    virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
    // Straight line in the drawing colour and the line width.
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;

    // Metrics of a text in a given font; the font need not be the current one
    // (a picture recorded for this surface measures with it).
    [[nodiscard]] virtual TextSize measureText(const QString& text, const FontSpec& font) const = 0;
    [[nodiscard]] int textWidth(const QString& text) const { return measureText(text, font()).width; }
    [[nodiscard]] int textHeight(const QString& text) const { return measureText(text, font()).height; }

    // Text in the drawing colour with its top left corner at (x, y).
    virtual void drawText(int x, int y, const QString& text) = 0;

    // A recorded sub-drawing in its own size with its top left corner at
    // (x, y). The default replays its operations shifted by (x, y).
    virtual void drawPicture(int x, int y, const Picture& picture);

    // Ends the current page and starts the next one (printing devices only).
    virtual void newPage() = 0;
};

} // namespace torval
