#pragma once
// The about window "InfoProgram": program, processor and protocol versions.

#include <QDialog>

namespace torval {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner);
};

} // namespace torval
