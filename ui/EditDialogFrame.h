#pragma once
// What the four edit dialogs share: the "&Ok" and "&Storno" buttons, leaving
// without OK (Storno, Esc, close box) that never checks the field being left,
// and the check that runs when a text field loses the focus to another
// control of the dialog, with the focus put back when the check rejects it.

#include <QDialog>
#include <QLineEdit>
#include <functional>
#include <initializer_list>
#include <vector>

class QPushButton;

namespace torval {

class EditDialogFrame : public QDialog {
    Q_OBJECT
public:
    explicit EditDialogFrame(QWidget* parent);

    QPushButton* okButton() const { return m_ok; }
    QPushButton* stornoButton() const { return m_storno; }

    // OK closes the dialog only when `handler` agrees (the analog dialog
    // refuses inconsistent levels). Cancelling runs `onCancel` before the
    // dialog hides, so that no field check runs afterwards.
    void setOkHandler(std::function<bool()> handler) { m_onOk = std::move(handler); }
    void setCancelHandler(std::function<void()> handler) { m_onCancel = std::move(handler); }

    // `onLeave` runs when `edit` has lost the focus to another control of this
    // dialog; when it returns false the focus goes back into `edit`. The
    // field selects its whole text whenever it gets the focus.
    void watchField(QLineEdit* edit, std::function<bool()> onLeave);
    // Selects the whole text on focus only (fields without a check).
    void selectAllOnFocus(QLineEdit* edit);

    // A text field bound to the dialog's logic: typing goes to the logic's
    // copy, leaving runs the logic's check and shows its rewrite. `changed`
    // runs after every keystroke (the analog dialog redraws its graph).
    template <typename Logic, typename Key>
    QLineEdit* boundEdit(Logic& logic, Key key, int maxLength, QWidget* parent, std::function<void()> changed = {})
    {
        auto* e = new QLineEdit(logic.text(key), parent);
        e->setMaxLength(maxLength);
        // A text longer than the field shows its beginning, not its end.
        e->setCursorPosition(0);
        connect(e, &QLineEdit::textChanged, this, [&logic, key, changed](const QString& t) {
            logic.setText(key, t);
            if (changed)
                changed();
        });
        watchField(e, [&logic, key, e] {
            const bool passed = logic.leave(key);
            if (e->text() != logic.text(key)) {
                e->setText(logic.text(key));
                e->setCursorPosition(0);
            }
            return passed;
        });
        return e;
    }

    // The Tab order of the dialog's own controls as they are laid out (top
    // to bottom, left to right), followed by Ok and Storno. The dialog opens
    // with the focus in the first of them, so typing goes straight into it.
    void setKeyboardOrder(std::initializer_list<QWidget*> controls);

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the check of the field that lost the focus last, if it has not run
    // yet; false when the field was rejected.
    bool flushPendingLeave();
    bool runLeave(QLineEdit* edit);

    QPushButton* m_ok = nullptr;
    QPushButton* m_storno = nullptr;
    std::function<bool()> m_onOk;
    std::function<void()> m_onCancel;
    std::vector<std::pair<QLineEdit*, std::function<bool()>>> m_fields;
    QLineEdit* m_pendingLeave = nullptr;
    bool m_cancelling = false;
};

} // namespace torval
