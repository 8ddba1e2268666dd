#pragma once
// The analog dialog's level graph on screen: the report's graph routine drawn
// through a painter surface at 15 twips per pixel, redrawn whenever the
// dialog hands it new texts.

#include "model/DeviceConfig.h"

#include <QWidget>

namespace torval {

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
