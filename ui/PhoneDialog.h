#pragma once
// The telephone number dialog's widgets; everything it decides is in
// PhoneDialogLogic.

#include "ui/EditDialogFrame.h"

class QCheckBox;
class QLineEdit;

namespace torval {

class PhoneDialogLogic;

class PhoneDialog : public EditDialogFrame {
    Q_OBJECT
public:
    // `logic` has been opened for its row and outlives the dialog.
    PhoneDialog(PhoneDialogLogic& logic, QWidget* parent);

    QLineEdit* numberEdit() const { return m_number; }
    QCheckBox* receiveBox() const { return m_receive; }

private:
    PhoneDialogLogic& m_logic;
    QLineEdit* m_number = nullptr;
    QCheckBox* m_receive = nullptr;
    QCheckBox* m_events = nullptr;
};

} // namespace torval
