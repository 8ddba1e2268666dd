#include "ui/FieldBinder.h"

#include "interact/Prompts.h"
#include "model/ConfigFields.h"
#include "model/SettingsDocument.h"
#include "rules/FieldRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>

namespace torval {

namespace {

void selectAllCaretAtStart(QLineEdit* e)
{
    // After the mouse press that gave the focus has placed its caret.
    QTimer::singleShot(0, e, [e] { e->setSelection(int(e->text().size()), -int(e->text().size())); });
}

} // namespace

FieldBinder::FieldBinder(SettingsDocument& document, Hooks hooks, QObject* parent)
    : QObject(parent), m_doc(document), m_hooks(std::move(hooks))
{
    connect(&m_doc, &SettingsDocument::fieldChanged, this, &FieldBinder::onFieldChanged);
    connect(&m_doc, &SettingsDocument::editorSettingsChanged, this, &FieldBinder::onEditorSettingsChanged);
}

void FieldBinder::registerBinding(QWidget* w, const Binding& b)
{
    m_bindings.insert(w, b);
    w->installEventFilter(this);
}

void FieldBinder::bindText(const FieldDef& f, int index, QLineEdit* edit, RowDialog dialog)
{
    edit->setText(textOf(m_doc.config(), f, index));
    m_widgets[{&f, index}] = edit;
    registerBinding(edit, Binding{&f, index, dialog});
    connect(edit, &QLineEdit::textChanged, this, [this, &f, index, edit](const QString& t) {
        noteTyping(edit, t != textOf(m_doc.config(), f, index));
        m_doc.setText(f, index, t);
    });
}

void FieldBinder::bindCheck(const FieldDef& f, int index, QCheckBox* box)
{
    box->setChecked(flagOf(m_doc.config(), f, index));
    m_widgets[{&f, index}] = box;
    connect(box, &QCheckBox::toggled, this, [this, &f, index](bool on) { m_doc.setFlag(f, index, on); });
}

void FieldBinder::bindChoice(const FieldDef& f, QRadioButton* off, QRadioButton* on)
{
    const bool value = flagOf(m_doc.config(), f, 0);
    off->setChecked(!value);
    on->setChecked(value);
    m_widgets[{&f, 0}] = on;
    m_choiceOff.insert(on, off);
    connect(on, &QRadioButton::toggled, this, [this, &f](bool v) { m_doc.setFlag(f, 0, v); });
}

void FieldBinder::bindCombo(const FieldDef& f, QComboBox* combo)
{
    combo->setEditText(textOf(m_doc.config(), f, 0));
    m_widgets[{&f, 0}] = combo;
    registerBinding(combo, Binding{&f, 0, RowDialog::None});
    connect(combo, &QComboBox::currentTextChanged, this, [this, &f, combo](const QString& t) {
        noteTyping(combo, t != textOf(m_doc.config(), f, 0));
        m_doc.setText(f, 0, t);
    });
}

void FieldBinder::bindUtoPrefix(QCheckBox* enable, QLineEdit* prefix)
{
    m_utoEnable = enable;
    m_uto = prefix;
    enable->setChecked(m_doc.editor().tabUTOEnable);
    prefix->setText(m_doc.editor().tabUTO);
    prefix->installEventFilter(this);
    connect(enable, &QCheckBox::toggled, this, [this](bool on) {
        EditorSettings e = m_doc.editor();
        e.tabUTOEnable = on;
        m_doc.setEditorSettings(e);
    });
    connect(prefix, &QLineEdit::textChanged, this, [this, prefix](const QString& t) {
        EditorSettings e = m_doc.editor();
        noteTyping(prefix, t != e.tabUTO);
        e.tabUTO = t;
        m_doc.setEditorSettings(e);
    });
}

void FieldBinder::noteTyping(const QWidget* w, bool differs)
{
    // Only the user types into the field holding the focus; the values the
    // program sets there (a load, an undo) come from the document and equal it.
    if (differs && w->hasFocus())
        m_typed = true;
}

bool FieldBinder::typing() const
{
    return m_typed || m_checkingField || !m_pendingLeaves.empty();
}

QWidget* FieldBinder::fieldWidget(const FieldDef& f, int index) const
{
    const auto it = m_widgets.find({&f, index});
    return it == m_widgets.end() ? nullptr : it->second;
}

void FieldBinder::focusField(const FieldDef& f, int index)
{
    if (QWidget* w = fieldWidget(f, index)) {
        m_hooks.showTab(f.tabFor(index));
        w->setFocus(Qt::OtherFocusReason);
    }
}

void FieldBinder::openRowDialog(RowDialog dialog, int row)
{
    if (dialog != RowDialog::None)
        m_hooks.openRowDialog(dialog, row);
}

void FieldBinder::syncWidget(const FieldDef& f, int index)
{
    QWidget* w = fieldWidget(f, index);
    if (!w)
        return;
    if (f.kind == FieldKind::Text) {
        const QString& t = textOf(m_doc.config(), f, index);
        // A text set by the program (a load, a dialog, a rewrite) shows its
        // beginning: the cell is narrower than most names and report texts.
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text() != t) {
                e->setText(t);
                e->setCursorPosition(0);
            }
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            if (c->currentText() != t) {
                c->setEditText(t);
                if (c->lineEdit())
                    c->lineEdit()->setCursorPosition(0);
            }
        }
    } else if (f.kind == FieldKind::Flag) {
        const bool on = flagOf(m_doc.config(), f, index);
        if (auto* b = qobject_cast<QCheckBox*>(w)) {
            if (b->isChecked() != on)
                b->setChecked(on);
        } else if (QRadioButton* off = m_choiceOff.value(w)) {
            (on ? static_cast<QRadioButton*>(w) : off)->setChecked(true);
        }
    }
}

void FieldBinder::onFieldChanged(const FieldDef* f, int index)
{
    syncWidget(*f, index);
    // Whoever changed the rights (the user, a load, a dialog), a row whose
    // number cannot have them loses them.
    if (f->id == FieldId::tabTCPrijem || f->id == FieldId::tabTCUdalost)
        checkPhoneNumberRights(index);
}

void FieldBinder::onEditorSettingsChanged()
{
    if (!m_utoEnable)
        return;
    const EditorSettings& e = m_doc.editor();
    if (m_utoEnable->isChecked() != e.tabUTOEnable)
        m_utoEnable->setChecked(e.tabUTOEnable);
    if (m_uto->text() != e.tabUTO)
        m_uto->setText(e.tabUTO);
}

bool FieldBinder::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        // The whole text selected, the caret at its start.
        if (auto* e = qobject_cast<QLineEdit*>(watched))
            selectAllCaretAtStart(e);
        else if (auto* c = qobject_cast<QComboBox*>(watched); c && c->lineEdit())
            selectAllCaretAtStart(c->lineEdit());
        break;
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another window or opening a menu does not leave the field.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        // The rules run after the focus has moved, as the station's technicians
        // know it: the field they went to then loses the focus to a rejected one.
        m_pendingLeaves.emplace_back(watched);
        QTimer::singleShot(0, this, [this] { (void)runPendingLeaves(); });
        break;
    }
    case QEvent::ShortcutOverride: {
        // A line edit keeps Ctrl+Z and Ctrl+Y for its own typing; here they
        // undo the settings (edits not yet judged first), the window's shortcuts.
        const QKeyCombination k = static_cast<QKeyEvent*>(event)->keyCombination();
        const Qt::KeyboardModifiers m = k.keyboardModifiers() & ~Qt::KeypadModifier;
        if ((k.key() == Qt::Key_Z && (m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier)))
            || (k.key() == Qt::Key_Y && m == Qt::ControlModifier)) {
            event->ignore();
            return true;
        }
        break;
    }
    case QEvent::MouseButtonDblClick: {
        const auto it = m_bindings.constFind(watched);
        if (it != m_bindings.constEnd() && it->dialog != RowDialog::None) {
            openRowDialog(it->dialog, it->index);
            return true;
        }
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

bool FieldBinder::runPendingLeaves()
{
    bool passed = true;
    while (!m_pendingLeaves.empty()) {
        const QPointer<QObject> w = m_pendingLeaves.front();
        m_pendingLeaves.erase(m_pendingLeaves.begin());
        if (w)
            passed = fieldLeft(w) && passed;
    }
    return passed;
}

bool FieldBinder::leaveFieldsBeforeExit()
{
    if (m_checkingField || !runPendingLeaves())
        return false;
    QWidget* focused = QApplication::focusWidget();
    if (!focused || (!m_bindings.contains(focused) && focused != m_uto))
        return true;
    return fieldLeft(focused);
}

bool FieldBinder::fieldLeft(QObject* widget)
{
    // The check may show a message box; what the user clicks meanwhile (the
    // exit button) must know that a field is still being judged.
    const QScopedValueRollback<bool> checking(m_checkingField, true);
    FieldCheck check;
    const Binding* b = nullptr;
    if (widget == m_uto) {
        check = checkUtoLeave(m_uto->text());
    } else {
        const auto it = m_bindings.constFind(widget);
        if (it == m_bindings.constEnd())
            return true;
        b = &*it;
        bool latch = m_doc.suppressFieldChecks();
        check = checkFieldLeave(*b->field, b->index, m_doc.config(), m_doc.editor(), latch);
        m_doc.setSuppressFieldChecks(latch);
    }
    if (!check.passed) {
        rejectField(check.message, check.tab, qobject_cast<QWidget*>(widget));
    } else {
        for (const FieldEdit& e : check.rewrites)
            m_doc.setText(*e.field, e.index, e.text);
        if (!check.warning.isEmpty())
            m_hooks.prompts().message(check.warning, Icon::Warning); // stored all the same
        if (check.phoneRights && b) {
            const PhoneRightsCheck& r = *check.phoneRights;
            const FieldDef& prijem = field(FieldId::tabTCPrijem);
            const FieldDef& udalost = field(FieldId::tabTCUdalost);
            if (r.clearPrijem && flagOf(m_doc.config(), prijem, b->index)) {
                m_hooks.prompts().message(kPhoneRightsPrijemWarning, Icon::Warning);
                m_doc.setFlag(prijem, b->index, false);
            }
            if (r.clearUdalost && flagOf(m_doc.config(), udalost, b->index)) {
                m_hooks.prompts().message(kPhoneRightsUdalostWarning, Icon::Warning);
                m_doc.setFlag(udalost, b->index, false);
            }
        }
    }
    // The battery-low text, even a rejected one, makes BAT report its fall below CL1.
    if (check.tickBatteryCl1Down)
        m_doc.setFlag(field(FieldId::tabAINCL1DnEvent), kBatteryInput, true);
    // A rejected field keeps the focus and its edits stay unjudged.
    m_typed = !check.passed;
    if (check.passed)
        emit fieldSettled();
    return check.passed;
}

void FieldBinder::rejectField(const QString& message, int tab, QWidget* widget)
{
    m_hooks.prompts().message(message, Icon::Error);
    m_hooks.showTab(tab);
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
}

void FieldBinder::checkPhoneNumberRights(int row)
{
    const FieldDef& prijem = field(FieldId::tabTCPrijem);
    const FieldDef& udalost = field(FieldId::tabTCUdalost);
    const DeviceConfig& c = m_doc.config();
    const PhoneRightsCheck r =
        torval::checkPhoneNumberRights(c.tabTC[std::size_t(row)], c.tabTCPrijem[std::size_t(row)],
                                       c.tabTCUdalost[std::size_t(row)], m_doc.suppressFieldChecks());
    // Unticking a box runs this check again for the other box, so each box is
    // looked at afresh and no warning comes twice.
    if (r.clearPrijem && flagOf(m_doc.config(), prijem, row)) {
        m_hooks.prompts().message(kPhoneRightsPrijemWarning, Icon::Warning);
        m_doc.setFlag(prijem, row, false);
    }
    if (r.clearUdalost && flagOf(m_doc.config(), udalost, row)) {
        m_hooks.prompts().message(kPhoneRightsUdalostWarning, Icon::Warning);
        m_doc.setFlag(udalost, row, false);
    }
}

} // namespace torval
