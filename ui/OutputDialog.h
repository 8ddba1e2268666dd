#pragma once
// The digital output dialog's widgets; everything it decides is in
// OutputDialogLogic.

#include "ui/EditDialogFrame.h"
#include "ui/OutputDialogLogic.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace torval {

class OutputDialog : public EditDialogFrame {
    Q_OBJECT
public:
    // `logic` has been opened for its row and outlives the dialog.
    OutputDialog(OutputDialogLogic& logic, QWidget* parent);

    QLineEdit* edit(OutputDialogLogic::Text t) const { return m_edits[static_cast<int>(t)]; }
    QCheckBox* box(OutputDialogLogic::Flag f) const { return m_boxes[static_cast<int>(f)]; }
    QRadioButton* functionButton(OutputFunction f) const { return m_functions[static_cast<int>(f)]; }

private:
    OutputDialogLogic& m_logic;
    std::array<QLineEdit*, 5> m_edits{};
    std::array<QCheckBox*, 2> m_boxes{};
    std::array<QRadioButton*, 3> m_functions{};
    QGroupBox* m_functionGroup = nullptr;
};

} // namespace torval
