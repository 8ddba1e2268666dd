#include "ui/InputDialogLogic.h"

#include "model/SettingsDocument.h"
#include "ui/DialogFieldCheck.h"

#include <QCoreApplication>

namespace torval {

namespace {
constexpr std::array<FieldId, 5> kTextFields{FieldId::tabINPNazev, FieldId::tabINPZap, FieldId::tabINPVyp,
                                             FieldId::tabINPLH, FieldId::tabINPHL};
constexpr std::array<FieldId, 6> kFlagFields{FieldId::tabINPZpr, FieldId::tabINPLHEvent,    FieldId::tabINPHLEvent,
                                             FieldId::tabINPNeg, FieldId::eeMaskDInLHAlarm, FieldId::eeMaskDInHLAlarm};
} // namespace

InputDialogLogic::InputDialogLogic(SettingsDocument& doc, Prompts& prompts) : m_doc(doc), m_prompts(prompts) { }

void InputDialogLogic::open(int row)
{
    m_row = row;
    const DeviceConfig& c = m_doc.config();
    copyRowIn(c, kTextFields, row, m_texts);
    copyRowIn(c, kFlagFields, row, m_flags);
    checkEnabled();
    m_cancelRequested = false;
}

QString InputDialogLogic::caption() const
{
    return QCoreApplication::translate("InputDialogLogic", "Vstup %1").arg(inputLabel(m_row));
}

void InputDialogLogic::setFlag(Flag f, bool on)
{
    m_flags[static_cast<int>(f)] = on;
    if (f == Flag::LHEvent || f == Flag::HLEvent)
        checkEnabled();
}

void InputDialogLogic::checkEnabled()
{
    const bool powerSaving = m_doc.config().opEnablePS1;
    m_lhAlarmEnabled = flag(Flag::LHEvent) && powerSaving;
    m_hlAlarmEnabled = flag(Flag::HLEvent) && powerSaving;
}

bool InputDialogLogic::leave(Text t)
{
    if (m_cancelRequested)
        return true;
    switch (t) {
    case Text::Nazev: return leaveDialogField(m_doc, m_prompts, RuleId::InputName, at(t));
    case Text::Zap: return leaveDialogField(m_doc, m_prompts, RuleId::InputStateOn, at(t), text(Text::Vyp));
    case Text::Vyp: return leaveDialogField(m_doc, m_prompts, RuleId::InputStateOff, at(t), text(Text::Zap));
    case Text::LH: return leaveDialogField(m_doc, m_prompts, RuleId::DialogInputTransitionLH, at(t));
    case Text::HL: return leaveDialogField(m_doc, m_prompts, RuleId::DialogInputTransitionHL, at(t));
    }
    return true;
}

void InputDialogLogic::finish()
{
    if (m_cancelRequested)
        return;
    copyRowBack(m_doc, kTextFields, m_row, m_texts);
    copyRowBack(m_doc, kFlagFields, m_row, m_flags);
}

} // namespace torval
