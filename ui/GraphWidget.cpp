#include "ui/GraphWidget.h"

#include "platform/PainterSurface.h"
#include "report/LevelGraph.h"

#include <QPainter>

namespace torval {

namespace {
constexpr double kTwipsDpi = 1440.0 / kDialogTwipsPerPixel;
} // namespace

GraphWidget::GraphWidget(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kGraphWidth / kDialogTwipsPerPixel, kGraphHeight / kDialogTwipsPerPixel);
}

void GraphWidget::setGraph(const AnalogScale& scale, const QString& cl1, const QString& hcl1, const QString& cl2,
                           const QString& hcl2, bool negated)
{
    m_scale = scale;
    m_cl1 = cl1;
    m_hcl1 = hcl1;
    m_cl2 = cl2;
    m_hcl2 = hcl2;
    m_negated = negated;
    update();
}

void GraphWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor window = palette().color(QPalette::Window);
    const Rgb background{static_cast<std::uint8_t>(window.red()), static_cast<std::uint8_t>(window.green()),
                         static_cast<std::uint8_t>(window.blue())};
    PainterSurface surface(painter, kGraphWidth, kGraphHeight, kTwipsDpi, kTwipsDpi, background);
    graphMake(surface, m_scale, m_cl1, m_hcl1, m_cl2, m_hcl2, m_negated);
}

} // namespace torval
