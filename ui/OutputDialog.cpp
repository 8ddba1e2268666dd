#include "ui/OutputDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace torval {

using T = OutputDialogLogic::Text;
using F = OutputDialogLogic::Flag;

OutputDialog::OutputDialog(OutputDialogLogic& logic, QWidget* parent) : EditDialogFrame(parent), m_logic(logic)
{
    setWindowTitle(logic.caption());

    for (int i = 0; i < 5; ++i) {
        m_edits[i] = boundEdit(m_logic, static_cast<T>(i), static_cast<T>(i) == T::ImpulsLen ? 5 : 100, this);
    }
    edit(T::ImpulsLen)->setAlignment(Qt::AlignRight);
    edit(T::ImpulsLen)->setFixedWidth(50);

    const QString captions[2] = {tr("Uvádět tento vstup ve zprávě o stavu"), tr("Negace výstupu")};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QCheckBox(captions[i], this);
        b->setChecked(logic.flag(static_cast<F>(i)));
        m_boxes[i] = b;
        connect(b, &QCheckBox::toggled, this, [this, i](bool on) { m_logic.setFlag(static_cast<F>(i), on); });
    }

    // What the output shows besides its commands: O1 the modem state, O2 the
    // power-saving state. The current setting is selected; only a click changes it.
    m_functionGroup = new QGroupBox(this);
    auto* fl = new QVBoxLayout(m_functionGroup);
    const QString functionCaptions[3] = {tr("Standartní výstup"), tr("Indikace stavu modemu"),
                                         tr("Indikace stavu šetřícího režimu")};
    for (int i = 0; i < 3; ++i) {
        const auto fn = static_cast<OutputFunction>(i);
        auto* r = new QRadioButton(functionCaptions[i], m_functionGroup);
        r->setEnabled(logic.functionAvailable(fn));
        r->setChecked(logic.function() == fn);
        m_functions[i] = r;
        fl->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this, fn] { m_logic.chooseFunction(fn); });
    }
    m_functionGroup->setVisible(logic.functionShown());

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(tr("Název:"), this), 0, 0);
    top->addWidget(edit(T::Nazev), 0, 1);
    top->addWidget(box(F::Zpr), 1, 1);

    auto* states = new QGroupBox(tr("Stavy"), this);
    auto* sg = new QGridLayout(states);
    sg->addWidget(new QLabel(tr("Název stavu zapnuto (1):"), states), 0, 0);
    sg->addWidget(edit(T::Zap), 0, 1);
    sg->addWidget(new QLabel(tr("Název stavu vypnuto (0):"), states), 1, 0);
    sg->addWidget(edit(T::Vyp), 1, 1);
    sg->addWidget(box(F::Neg), 2, 0, 1, 2);
    sg->setColumnMinimumWidth(1, 200);

    auto* impulse = new QGroupBox(tr("Impuls"), this);
    auto* ig = new QGridLayout(impulse);
    ig->addWidget(new QLabel(tr("Příkaz pro vyslání impulsu:"), impulse), 0, 0);
    ig->addWidget(edit(T::Impuls), 0, 1, 1, 2);
    auto* label4 = new QLabel(tr("Délka jednoho impulsu ...................."), impulse);
    auto* label6 = new QLabel(tr("sekund"), impulse);
    ig->addWidget(label4, 1, 0);
    ig->addWidget(edit(T::ImpulsLen), 1, 1);
    ig->addWidget(label6, 1, 2);
    ig->setColumnMinimumWidth(1, 50);
    // Only O1's impulse length can be set; the others keep what they hold.
    for (QWidget* w :
         {static_cast<QWidget*>(label4), static_cast<QWidget*>(edit(T::ImpulsLen)), static_cast<QWidget*>(label6)})
        w->setVisible(logic.impulseLengthShown());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton());
    buttons->addWidget(stornoButton());

    auto* v = new QVBoxLayout(this);
    v->addLayout(top);
    v->addWidget(m_functionGroup);
    v->addWidget(states);
    v->addWidget(impulse);
    v->addLayout(buttons);

    setKeyboardOrder({edit(T::Nazev), box(F::Zpr), m_functions[0], m_functions[1], m_functions[2], edit(T::Zap),
                      edit(T::Vyp), box(F::Neg), edit(T::Impuls), edit(T::ImpulsLen)});
    setOkHandler([this] {
        m_logic.ok();
        return true;
    });
    setCancelHandler([this] { m_logic.cancel(); });
}

} // namespace torval
