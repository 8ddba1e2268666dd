#include "ui/PhoneDialog.h"

#include "ui/PhoneDialogLogic.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace torval {

PhoneDialog::PhoneDialog(PhoneDialogLogic& logic, QWidget* parent) : EditDialogFrame(parent), m_logic(logic)
{
    setWindowTitle(logic.caption());

    m_number = new QLineEdit(logic.number(), this);
    m_number->setMaxLength(50);
    m_number->setToolTip(tr("Telefonní číslo"));
    m_receive = new QCheckBox(tr("Přijímat příkazy"), this);
    m_receive->setToolTip(tr("Přijímat příkazy z tohoto tel. čísla"));
    m_receive->setChecked(logic.receive());
    m_events = new QCheckBox(tr("Odesílat zprávy o událostech"), this);
    m_events->setToolTip(tr("Odesílat zprávy o událostech na toto tel. číslo"));
    m_events->setChecked(logic.events());

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Telefonní číslo:"), this), 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(m_receive, 1, 1);
    grid->addWidget(m_events, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton());
    buttons->addWidget(stornoButton());
    grid->addLayout(buttons, 3, 0, 1, 2);
    m_number->setMinimumWidth(220);

    connect(m_number, &QLineEdit::textChanged, this, [this](const QString& t) { m_logic.setNumber(t); });
    connect(m_receive, &QCheckBox::toggled, this, [this](bool on) { m_logic.setReceive(on); });
    connect(m_events, &QCheckBox::toggled, this, [this](bool on) { m_logic.setEvents(on); });
    watchField(m_number, [this] {
        const bool passed = m_logic.leaveNumber();
        if (m_number->text() != m_logic.number())
            m_number->setText(m_logic.number());
        return passed;
    });
    setKeyboardOrder({m_number, m_receive, m_events});
    setOkHandler([this] {
        m_logic.ok();
        return true;
    });
    setCancelHandler([this] { m_logic.cancel(); });
}

} // namespace torval
