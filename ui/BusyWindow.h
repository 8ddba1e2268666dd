#pragma once
// The busy window "Info": what the program is doing, a Storno button for the
// operations that can be cancelled and, during EEPROM transfers, how many
// blocks are done. It never blocks the main window and stays above it.

#include "interact/Prompts.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace torval {

class BusyWindow : public QWidget, public BusyIndicator {
    Q_OBJECT
public:
    explicit BusyWindow(QWidget* owner);

    void showBusy(const QString& text, bool withStorno) override;
    void setBusyText(const QString& text) override;
    void setProgress(int done, int total) override;
    void hideBusy() override;
    bool cancelRequested() const override { return m_cancel; }

    // The text as the operation gave it, and as the label shows it.
    QString text() const;
    QString shownText() const;

protected:
    // The window manager's close box is Storno where Storno is offered, and
    // nothing otherwise: a hidden busy window would leave the technician
    // without the one way out of a running transfer.
    void closeEvent(QCloseEvent* event) override;

private:
    void storno();
    void centreOnOwner();
    void waitUntilExposed();

    QString m_text;
    QLabel* m_napis;
    QProgressBar* m_progress;
    QPushButton* m_storno;
    bool m_cancel = false;
};

} // namespace torval
