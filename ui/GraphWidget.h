#pragma once
// The analog dialog's level graph on screen: the report's graph routine drawn
// through a painter surface at the dialog's twips scale, redrawn whenever the
// dialog hands it new texts.

#include "model/DeviceConfig.h"

#include <QWidget>

namespace torval {

// The analog dialog and its graph are laid out on the original twips grid.
// At 15 twips per pixel (96 dpi) today's desktop fonts, wider than the ones
// it was drawn for, clip its captions; 12 gives them a quarter more room.
inline constexpr int kDialogTwipsPerPixel = 12;

class GraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphWidget(QWidget* parent = nullptr);

    // The texts as typed (they need not be valid); the graph shows the values
    // the station would store.
    void setGraph(const AnalogScale& scale, const QString& cl1, const QString& hcl1, const QString& cl2,
                  const QString& hcl2, bool negated);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AnalogScale m_scale;
    QString m_cl1 = QStringLiteral("0");
    QString m_hcl1 = QStringLiteral("0");
    QString m_cl2 = QStringLiteral("100");
    QString m_hcl2 = QStringLiteral("0");
    bool m_negated = false;
};

} // namespace torval
