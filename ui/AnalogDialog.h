#pragma once
// The analog input dialog's widgets, laid out on the station's original
// twips grid (scaled so today's fonts fit), with the level graph redrawn on every
// change of a level or hysteresis and every click of the negation box.

#include "ui/AnalogDialogLogic.h"
#include "ui/EditDialogFrame.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace torval {

class GraphWidget;

class AnalogDialog : public EditDialogFrame {
    Q_OBJECT
public:
    // `logic` has been opened for its input and outlives the dialog.
    AnalogDialog(AnalogDialogLogic& logic, QWidget* parent);

    QLineEdit* edit(AnalogDialogLogic::Text t) const { return m_edits[static_cast<int>(t)]; }
    QCheckBox* box(AnalogDialogLogic::Flag f) const { return m_boxes[static_cast<int>(f)]; }
    GraphWidget* graph() const { return m_graph; }

private:
    void refreshGraph();
    void syncEnabled();

    AnalogDialogLogic& m_logic;
    std::array<QLineEdit*, AnalogDialogLogic::kTextCount> m_edits{};
    std::array<QCheckBox*, AnalogDialogLogic::kFlagCount> m_boxes{};
    GraphWidget* m_graph = nullptr;
};

} // namespace torval
