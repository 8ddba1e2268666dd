#include "ui/InputDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval {

using T = InputDialogLogic::Text;
using F = InputDialogLogic::Flag;

InputDialog::InputDialog(InputDialogLogic& logic, QWidget* parent) : EditDialogFrame(parent), m_logic(logic)
{
    setWindowTitle(logic.caption());

    for (int i = 0; i < 5; ++i) {
        m_edits[i] = boundEdit(m_logic, static_cast<T>(i), 100, this);
    }
    const QString captions[6] = {
        tr("Uvádět tento vstup ve zprávě o stavu"),
        tr("Poslat zprávu při změně stavu 0->1"),
        tr("Poslat zprávu při změně stavu 1->0"),
        tr("Negace vstupu (neguje se ihned po vzorkování - teprve poté se analyzuje)"),
        tr("odeslat ihned"),
        tr("odeslat ihned"),
    };
    for (int i = 0; i < 6; ++i) {
        auto* b = new QCheckBox(captions[i], this);
        b->setChecked(logic.flag(static_cast<F>(i)));
        m_boxes[i] = b;
        connect(b, &QCheckBox::toggled, this, [this, i](bool on) {
            m_logic.setFlag(static_cast<F>(i), on);
            syncEnabled();
        });
    }

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(tr("Název:"), this), 0, 0);
    top->addWidget(edit(T::Nazev), 0, 1);
    top->addWidget(box(F::Zpr), 1, 1);

    auto* states = new QGroupBox(tr("Stavy"), this);
    auto* g = new QGridLayout(states);
    g->addWidget(new QLabel(tr("Název stavu zapnuto (1):"), states), 0, 0);
    g->addWidget(edit(T::Zap), 0, 1, 1, 2);
    g->addWidget(new QLabel(tr("Název stavu vypnuto (0):"), states), 1, 0);
    g->addWidget(edit(T::Vyp), 1, 1, 1, 2);
    g->addWidget(box(F::LHEvent), 2, 0, 1, 3);
    g->addWidget(edit(T::LH), 3, 1);
    g->addWidget(box(F::LHAlarm), 3, 2);
    g->addWidget(box(F::HLEvent), 4, 0, 1, 3);
    g->addWidget(edit(T::HL), 5, 1);
    g->addWidget(box(F::HLAlarm), 5, 2);
    g->addWidget(box(F::Neg), 6, 0, 1, 3);
    g->setColumnMinimumWidth(1, 220);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton());
    buttons->addWidget(stornoButton());

    auto* v = new QVBoxLayout(this);
    v->addLayout(top);
    v->addWidget(states);
    v->addLayout(buttons);

    syncEnabled();
    setKeyboardOrder({edit(T::Nazev), box(F::Zpr), edit(T::Zap), edit(T::Vyp), box(F::LHEvent), edit(T::LH),
                      box(F::LHAlarm), box(F::HLEvent), edit(T::HL), box(F::HLAlarm), box(F::Neg)});
    setOkHandler([this] {
        m_logic.ok();
        return true;
    });
    setCancelHandler([this] { m_logic.cancel(); });
}

void InputDialog::syncEnabled()
{
    box(F::LHAlarm)->setEnabled(m_logic.lhAlarmEnabled());
    box(F::HLAlarm)->setEnabled(m_logic.hlAlarmEnabled());
}

} // namespace torval
