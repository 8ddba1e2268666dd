#pragma once
// The one link between the settings widgets and the SettingsDocument. Edits go
// into the document; its change signals come back into the widgets, so values
// set by the program (loading, dialogs, rule rewrites) behave like typed ones.
// Leaving a field runs its rules: a rewrite goes back through the document, a
// rejection shows its message, then its tab and the field get the focus again.

#include "ui/GridBuilder.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace torval {

class Prompts;
class SettingsDocument;
struct FieldDef;

class FieldBinder : public QObject {
    Q_OBJECT
public:
    // What the binder asks of the window around it. The prompts are looked up
    // on every use: tests replace them after the window is made.
    struct Hooks {
        std::function<Prompts&()> prompts;
        std::function<void(int tab)> showTab;
        std::function<void(RowDialog dialog, int row)> openRowDialog;
    };

    FieldBinder(SettingsDocument& document, Hooks hooks, QObject* parent = nullptr);

    // A text field; double clicks on it open `dialog` for its row.
    void bindText(const FieldDef& f, int index, QLineEdit* edit, RowDialog dialog = RowDialog::None);
    void bindCheck(const FieldDef& f, int index, QCheckBox* box);
    // A flag shown as two radio buttons; `on` is the widget the field names.
    void bindChoice(const FieldDef& f, QRadioButton* off, QRadioButton* on);
    // An editable combo box. It has the focus, not its inner line edit (which
    // only hears of it through the combo box), so the leave check is bound to it.
    void bindCombo(const FieldDef& f, QComboBox* combo);
    // The UTO prefix and its box: editor settings, not the image's, with the
    // UTO rule when the prefix is left.
    void bindUtoPrefix(QCheckBox* enable, QLineEdit* prefix);

    // The widget bound to field(index); nullptr for fields the window does not show.
    [[nodiscard]] QWidget* fieldWidget(const FieldDef& f, int index) const;
    // Shows the field's tab and gives it the focus.
    void focusField(const FieldDef& f, int index);
    void openRowDialog(RowDialog dialog, int row);

    // True while a field's check runs (its message may be open).
    [[nodiscard]] bool checkingField() const { return m_checkingField; }
    // The checks of fields left since the last turn of the event loop; false
    // when one of them was rejected.
    bool runPendingLeaves();
    // Before the program ends, by any way out: the fields just left and the
    // one still holding the focus (the close box does not take it away) are
    // judged as if left. False while a check runs or one of them is rejected.
    bool leaveFieldsBeforeExit();
    // True while a text field holds typed edits its leave check has not yet
    // accepted (or a check is pending or running).
    [[nodiscard]] bool typing() const;

signals:
    // A field was left and accepted, its rewrites done: one finished edit.
    void fieldSettled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        const FieldDef* field = nullptr;
        int index = 0;
        RowDialog dialog = RowDialog::None;
    };

    void registerBinding(QWidget* w, const Binding& b);
    void syncWidget(const FieldDef& f, int index);
    void onFieldChanged(const FieldDef* f, int index);
    void onEditorSettingsChanged();
    // Leaving a field: its rules, the message, tab and focus of a rejection.
    // False when the field was rejected.
    bool fieldLeft(QObject* widget);
    void rejectField(const QString& message, int tab, QWidget* widget);
    void checkPhoneNumberRights(int row);
    void noteTyping(const QWidget* w, bool differs);

    SettingsDocument& m_doc;
    Hooks m_hooks;
    std::map<std::pair<const FieldDef*, int>, QWidget*> m_widgets;
    QHash<QObject*, Binding> m_bindings;
    QHash<QWidget*, QRadioButton*> m_choiceOff; // the "off" button of each radio pair
    std::vector<QPointer<QObject>> m_pendingLeaves;
    bool m_checkingField = false;
    bool m_typed = false;
    QCheckBox* m_utoEnable = nullptr;
    QLineEdit* m_uto = nullptr;
};

} // namespace torval
