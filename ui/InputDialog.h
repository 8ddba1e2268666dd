#pragma once
// The digital input dialog's widgets; everything it decides is in
// InputDialogLogic.

#include "ui/EditDialogFrame.h"
#include "ui/InputDialogLogic.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace torval {

class InputDialog : public EditDialogFrame {
    Q_OBJECT
public:
    // `logic` has been opened for its row and outlives the dialog.
    InputDialog(InputDialogLogic& logic, QWidget* parent);

    QLineEdit* edit(InputDialogLogic::Text t) const { return m_edits[static_cast<int>(t)]; }
    QCheckBox* box(InputDialogLogic::Flag f) const { return m_boxes[static_cast<int>(f)]; }

private:
    void syncEnabled();

    InputDialogLogic& m_logic;
    std::array<QLineEdit*, 5> m_edits{};
    std::array<QCheckBox*, 6> m_boxes{};
};

} // namespace torval
