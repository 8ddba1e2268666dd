#include "ui/OutputDialogLogic.h"

#include "model/SettingsDocument.h"
#include "rules/NumberRules.h"
#include "ui/DialogFieldCheck.h"

#include <QCoreApplication>

namespace torval {

namespace {
constexpr std::array<FieldId, 5> kTextFields{FieldId::tabOUTNazev, FieldId::tabOUTZap, FieldId::tabOUTVyp,
                                             FieldId::tabOUTimpuls, FieldId::tabOUTimpulsLEN};
constexpr std::array<FieldId, 2> kFlagFields{FieldId::tabOUTZpr, FieldId::tabOUTNeg};
constexpr std::uint8_t kModemStateBit = 0x01;     // O1 shows the modem state
constexpr std::uint8_t kPowerSaveStateBit = 0x02; // O2 shows the power-saving state
} // namespace

OutputDialogLogic::OutputDialogLogic(SettingsDocument& doc, Prompts& prompts) : m_doc(doc), m_prompts(prompts) { }

void OutputDialogLogic::open(int row)
{
    m_row = row;
    const DeviceConfig& c = m_doc.config();
    copyRowIn(c, kTextFields, row, m_texts);
    copyRowIn(c, kFlagFields, row, m_flags);
    m_function = OutputFunction::Standard;
    if (row == 0 && (c.eeMaskDOutFnc & kModemStateBit))
        m_function = OutputFunction::ModemState;
    else if (row == 1 && (c.eeMaskDOutFnc & kPowerSaveStateBit))
        m_function = OutputFunction::PowerSaveState;
    m_functionChosen = false;
    m_cancelRequested = false;
}

QString OutputDialogLogic::caption() const
{
    return QCoreApplication::translate("OutputDialogLogic", "Výstup %1").arg(outputLabel(m_row));
}

bool OutputDialogLogic::functionAvailable(OutputFunction f) const
{
    switch (f) {
    case OutputFunction::Standard: return functionShown();
    case OutputFunction::ModemState: return m_row == 0;
    case OutputFunction::PowerSaveState: return m_row == 1;
    }
    return false;
}

void OutputDialogLogic::chooseFunction(OutputFunction f)
{
    if (!functionAvailable(f))
        return;
    m_function = f;
    m_functionChosen = true;
}

bool OutputDialogLogic::leave(Text t)
{
    if (t == Text::ImpulsLen) {
        // Rewritten even after a cancel: it never shows a message.
        at(t) = normalizeImpulseLength(at(t));
        return true;
    }
    if (m_cancelRequested)
        return true;
    switch (t) {
    case Text::Nazev: return leaveDialogField(m_doc, m_prompts, RuleId::OutputName, at(t));
    case Text::Zap: return leaveDialogField(m_doc, m_prompts, RuleId::DialogOutputOn, at(t), text(Text::Vyp));
    case Text::Vyp: return leaveDialogField(m_doc, m_prompts, RuleId::DialogOutputOff, at(t), text(Text::Zap));
    case Text::Impuls: return leaveDialogField(m_doc, m_prompts, RuleId::DialogOutputImpulse, at(t));
    case Text::ImpulsLen: break;
    }
    return true;
}

void OutputDialogLogic::finish()
{
    if (m_cancelRequested)
        return;
    // A hidden impulse length goes back exactly as it came in.
    const auto impulse = static_cast<std::size_t>(Text::ImpulsLen);
    copyRowBack(m_doc, kTextFields, m_row, m_texts, impulseLengthShown() ? kTextFields.size() : impulse);
    copyRowBack(m_doc, kFlagFields, m_row, m_flags);

    if (m_functionChosen) {
        std::uint8_t mask = m_doc.config().eeMaskDOutFnc;
        if (m_row == 0)
            mask = m_function == OutputFunction::ModemState ? (mask | kModemStateBit)
                                                            : static_cast<std::uint8_t>(mask & ~kModemStateBit);
        else if (m_row == 1)
            mask = m_function == OutputFunction::PowerSaveState ? (mask | kPowerSaveStateBit)
                                                                : static_cast<std::uint8_t>(mask & ~kPowerSaveStateBit);
        m_doc.setByte(field(FieldId::eeMaskDOutFnc), 0, mask);
    }
}

} // namespace torval
