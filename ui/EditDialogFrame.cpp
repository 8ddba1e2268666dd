#include "ui/EditDialogFrame.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace torval {

EditDialogFrame::EditDialogFrame(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setDefault(true);
    m_storno = new QPushButton(tr("&Storno"), this);
    // A click on Storno must not take the focus: taking it would leave the
    // field being edited and check it, and cancelling never shows a character
    // message. Tab still reaches it, as it reaches every other control.
    m_storno->setFocusPolicy(Qt::TabFocus);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        // Clicking OK takes the focus from the field being edited; its check
        // comes first, and a rejected field keeps the dialog open.
        if (!flushPendingLeave())
            return;
        if (!m_onOk || m_onOk())
            accept();
    });
    connect(m_storno, &QPushButton::clicked, this, &EditDialogFrame::reject);
}

void EditDialogFrame::setKeyboardOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* w : controls) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    if (previous)
        setTabOrder(previous, m_ok);
    setTabOrder(m_ok, m_storno);
    if (controls.size() > 0)
        (*controls.begin())->setFocus(Qt::OtherFocusReason);
}

void EditDialogFrame::reject()
{
    // Esc, Storno and the close box all end here.
    m_cancelling = true;
    if (m_onCancel)
        m_onCancel();
    QDialog::reject();
}

void EditDialogFrame::watchField(QLineEdit* edit, std::function<bool()> onLeave)
{
    m_fields.emplace_back(edit, std::move(onLeave));
    edit->installEventFilter(this);
}

void EditDialogFrame::selectAllOnFocus(QLineEdit* edit)
{
    m_fields.emplace_back(edit, nullptr);
    edit->installEventFilter(this);
}

bool EditDialogFrame::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusIn) {
        // Selecting in the focus event itself is undone by the mouse press
        // that gave the focus; select once the press has been handled.
        QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    } else if (edit && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or another window taking the focus does not leave the
        // field; only a move to another control of this dialog does.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // Checked once the focus move is complete: the check may show a
            // modal message and move the focus back.
            m_pendingLeave = edit;
            QTimer::singleShot(0, this, [this] { flushPendingLeave(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool EditDialogFrame::flushPendingLeave()
{
    QLineEdit* edit = std::exchange(m_pendingLeave, nullptr);
    return edit ? runLeave(edit) : true;
}

bool EditDialogFrame::runLeave(QLineEdit* edit)
{
    if (m_cancelling || !isVisible())
        return true;
    for (auto& [field, onLeave] : m_fields) {
        if (field == edit && onLeave) {
            if (onLeave())
                return true;
            edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

} // namespace torval
