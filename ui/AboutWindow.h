#pragma once
// The about window "InfoProgram": program, processor and protocol versions,
// and the program's language (Czech, or English for technicians abroad),
// which the next start uses.

#include <QDialog>

class QComboBox;
class QLabel;

namespace torval {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* owner);

    // "cs" or "en": the language the choice shows.
    void showLanguage(const QString& code);

signals:
    // The technician picked a language; it applies from the next start.
    void languageChosen(const QString& code);

private:
    QComboBox* m_language = nullptr;
    QLabel* m_restart = nullptr;
};

} // namespace torval
