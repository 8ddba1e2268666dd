#include "report/LevelGraph.h"

#include "model/Encodings.h"
#include "report/Surface.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace torval {

namespace {

// The label margin on the left (ticks reach 100 twips into it), the right
// margin and the top and bottom margins of the plot area.
constexpr int kPlotLeft = 1600;
constexpr int kTickLeft = 1500;
constexpr int kPlotTop = 200;
// States are named only when their region is wider than this many units of
// the input's own scale (%, °C or V), so the name fits between the bands.
constexpr double kStateMargin = 5.0;

const FontSpec kGraphFont{QStringLiteral("Arial"), 6.75};

// The value the station would store for a level text, read back.
std::optional<double> storedLevel(const AnalogScale& s, const QString& text)
{
    const auto b = levelToByte(s, text);
    return b ? byteToLevel(s, *b) : std::nullopt;
}

std::optional<double> storedHyst(const AnalogScale& s, const QString& text)
{
    const auto b = hystToByte(s, text);
    return b ? byteToHyst(s, *b) : std::nullopt;
}

} // namespace

void drawGraphLabel(Surface& surface, int x, int y, const QString& text, bool centred, bool covered)
{
    const TextSize size = surface.measureText(text, surface.font());
    const int halfUp = size.height / 2;
    if (!centred) {
        // Clear the margin behind the label so that a later label wins where
        // two of them collide.
        const Rgb keep = surface.color();
        surface.setColor(surface.background());
        surface.fillRect(0, y - halfUp, x, y + (size.height - halfUp));
        surface.setColor(keep);
    }
    if (covered)
        return;
    const int left = centred ? x - size.width / 2 : x - size.width - 50;
    surface.drawText(left, y - halfUp, text);
}

void graphMake(Surface& surface, const AnalogScale& scale, const QString& cl1Text, const QString& hcl1Text,
               const QString& cl2Text, const QString& hcl2Text, bool negated, int width, int height)
{
    const int W = std::int16_t(width - kPlotLeft - 100);
    const int H = std::int16_t(height - 2 * kPlotTop);

    surface.setFont(kGraphFont);
    surface.clear();

    const auto cl1v = storedLevel(scale, cl1Text);
    const auto cl2v = storedLevel(scale, cl2Text);
    const auto hcl1v = storedHyst(scale, hcl1Text);
    const auto hcl2v = storedHyst(scale, hcl2Text);
    // A scale without a span has no graph (and would divide by zero); a
    // surface too small for the margins has no room for one.
    if (!cl1v || !cl2v || !hcl1v || !hcl2v || W <= 0 || H <= 0)
        return;

    const double cl1 = *cl1v, cl2 = *cl2v, hcl1 = *hcl1v, hcl2 = *hcl2v;
    const double min = scale.min, max = scale.max;
    const QString& unit = scale.unit;
    const auto y = [&](double v) { return int(std::floor((H + kPlotTop) - (v - min) * H / (max - min))); };
    const int right = kPlotLeft + W;

    surface.setColor(kBlue);
    surface.fillRect(kPlotLeft, kPlotTop, right, kPlotTop + H);

    surface.setColor(cl1 - hcl1 >= min ? kGreen : kRed);
    surface.fillRect(kPlotLeft, y(cl1 - hcl1), right, y(cl1));
    surface.setColor(cl1 + hcl1 > max ? kRed : kGreen);
    surface.fillRect(kPlotLeft, y(cl1), right, y(cl1 + hcl1));
    surface.setColor(cl2 - hcl2 >= min ? kGreen : kRed);
    surface.fillRect(kPlotLeft, y(cl2 - hcl2), right, y(cl2));
    surface.setColor(cl2 + hcl2 > max ? kRed : kGreen);
    surface.fillRect(kPlotLeft, y(cl2), right, y(cl2 + hcl2));

    const bool overlap = cl2 - hcl2 < cl1 + hcl1;
    if (overlap) {
        surface.setColor(kRed);
        surface.fillRect(kPlotLeft, y(cl2 - hcl2), right, y(cl1 + hcl1));
    }

    surface.setColor(kBlack);
    for (int ly : {kPlotTop, kPlotTop + H, y(cl1), y(cl2)})
        surface.drawLine(kTickLeft, ly, right, ly);

    if (!overlap) {
        surface.setColor(kWhite);
        const int centre = W / 2 + kPlotLeft;
        if (cl1 - hcl1 > min + kStateMargin)
            drawGraphLabel(surface, centre,
                           int(std::floor((H + kPlotTop) - H / (max - min) * ((cl1 - hcl1 - min) / 2))),
                           QStringLiteral("low"), true);
        if (cl2 - hcl2 - kStateMargin > cl1 + hcl1)
            drawGraphLabel(surface, centre, y((cl1 + hcl1 + cl2 - hcl2) / 2), QStringLiteral("medium"), true);
        if (max - kStateMargin > cl2 + hcl2)
            drawGraphLabel(surface, centre, y((cl2 + hcl2 + max) / 2), QStringLiteral("high"), true);
    }

    surface.setColor(kBlack);
    const QString minText = numberText(min) + unit;
    const QString maxText = numberText(max) + unit;
    const auto rawEnd = [](const QString& end) { return QStringLiteral(" (") + end + QStringLiteral(" vstup)"); };
    const QString pm = QStringLiteral(" ± ");
    // In this order: where two collide, the later one's cleared band covers
    // the earlier one.
    const std::pair<int, QString> margin[] = {
        {kPlotTop + H, negated ? minText + rawEnd(maxText) : minText},
        {kPlotTop, negated ? maxText + rawEnd(minText) : maxText},
        {y(cl2), QStringLiteral("CL2 (") + numberText(cl2) + pm + numberText(hcl2) + QStringLiteral(")") + unit},
        {y(cl1), QStringLiteral("CL1 (") + numberText(cl1) + pm + numberText(hcl1) + QStringLiteral(")") + unit},
    };
    // A label that a later one covers even in part is left out rather than
    // drawn under the white band: the remains of it would be unreadable on
    // screen, and in a PDF its whole text would still be there to copy.
    const int lineHeight = surface.measureText(QStringLiteral("0"), surface.font()).height;
    const std::size_t count = std::size(margin);
    for (std::size_t i = 0; i < count; ++i) {
        bool covered = false;
        for (std::size_t later = i + 1; later < count; ++later)
            covered = covered || std::abs(margin[later].first - margin[i].first) < lineHeight;
        drawGraphLabel(surface, kTickLeft, margin[i].first, margin[i].second, false, covered);
    }
}

} // namespace torval
