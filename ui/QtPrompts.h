#pragma once
// Message boxes, questions and the one shared file dialog of the window.

#include "interact/Prompts.h"

#include <QPointer>

class QWidget;
class QFileDialog;

namespace torval {

class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* owner);
    ~QtPrompts() override;

    void message(const QString& text, Icon icon) override;
    Answer question(const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> openFileName() override;
    std::optional<QString> saveFileName() override;

    // The folder the file dialog opens in: the one used last, also by a file
    // opened from the command line or dropped on the window.
    void setStartFolder(const QString& folder) { m_folder = folder; }

private:
    std::optional<QString> runFileDialog(bool save);

    QPointer<QWidget> m_owner;
    QPointer<QFileDialog> m_dialog; // shared by opening and saving, like one common dialog
    QString m_last;                 // the file chosen last; offered the next time
    QString m_folder;
};

} // namespace torval
