#include "ui/AnalogDialogLogic.h"

#include "interact/Prompts.h"
#include "model/Encodings.h"
#include "model/SettingsDocument.h"
#include "rules/NumberRules.h"
#include "ui/DialogFieldCheck.h"

#include <QCoreApplication>

namespace torval {

namespace {
constexpr std::array<FieldId, AnalogDialogLogic::kTextCount> kTextFields{
    FieldId::tabAINNazev,    FieldId::tabAINStateL,    FieldId::tabAINStateM,   FieldId::tabAINStateH,
    FieldId::tabAINCL1Level, FieldId::tabAINHCL1Level, FieldId::tabAINCL2Level, FieldId::tabAINHCL2Level,
    FieldId::tabAINCL1Up,    FieldId::tabAINCL1Dn,     FieldId::tabAINCL2Up,    FieldId::tabAINCL2Dn};
constexpr int kGridFlagCount = 7;
constexpr std::array<FieldId, kGridFlagCount> kFlagFields{
    FieldId::tabAINCL1UpEvent, FieldId::tabAINCL1DnEvent, FieldId::tabAINCL2UpEvent, FieldId::tabAINCL2DnEvent,
    FieldId::tabAINNeg,        FieldId::tabAINZpr,        FieldId::tabAINPrc};
constexpr int kFirstAlarm = static_cast<int>(AnalogDialogLogic::Flag::AlarmCL1Up);
constexpr std::uint8_t kAlarmBits = 0x0F; // the dialog's four bits; 4..7 belong to the firmware
} // namespace

AnalogDialogLogic::AnalogDialogLogic(SettingsDocument& doc, Prompts& prompts) : m_doc(doc), m_prompts(prompts) { }

void AnalogDialogLogic::open(int index)
{
    m_index = index;
    const DeviceConfig& c = m_doc.config();
    for (int i = 0; i < kTextCount; ++i)
        m_texts[i] = textOf(c, field(kTextFields[i]), index);
    for (int i = 0; i < kGridFlagCount; ++i)
        m_flags[i] = flagOf(c, field(kFlagFields[i]), index);
    for (int bit = 0; bit < 4; ++bit)
        m_flags[kFirstAlarm + bit] = (c.eeMaskAInAlarm[index] >> bit) & 1u;
    checkEnabled();
    m_cancelRequested = false;
}

QString AnalogDialogLogic::caption() const
{
    return QCoreApplication::translate("AnalogDialogLogic", "Analogový vstup %1").arg(analogLabel(m_index));
}

const AnalogScale& AnalogDialogLogic::scale() const
{
    return m_doc.config().analogScale[m_index];
}

void AnalogDialogLogic::setFlag(Flag f, bool on)
{
    m_flags[static_cast<int>(f)] = on;
    if (static_cast<int>(f) <= static_cast<int>(Flag::CL2DnEvent))
        checkEnabled();
}

bool AnalogDialogLogic::alarmEnabled(Flag alarm) const
{
    const int i = static_cast<int>(alarm) - kFirstAlarm;
    return i >= 0 && i < 4 && m_alarmEnabled[i];
}

void AnalogDialogLogic::checkEnabled()
{
    // The report boxes come in the same order as the alarm bits.
    const bool powerSaving = m_doc.config().opEnablePS1;
    for (int i = 0; i < 4; ++i)
        m_alarmEnabled[i] = m_flags[i] && powerSaving;
}

bool AnalogDialogLogic::leave(Text t)
{
    const AnalogScale& s = scale();
    switch (t) {
    case Text::CL1Level:
    case Text::CL2Level:
        // Show exactly the level the station will store: on the 255-step
        // grid of the range, within min..max.
        if (const auto b = levelToByte(s, text(t)))
            if (const auto v = byteToLevel(s, *b))
                at(t) = numberText(*v);
        return true;
    case Text::HCL1Level:
    case Text::HCL2Level: {
        const QString limited = normalizeNumber(text(t), 0.0, s.max - s.min, s.decimals);
        if (const auto b = hystToByte(s, limited))
            if (const auto v = byteToHyst(s, *b)) {
                at(t) = numberText(*v);
                return true;
            }
        at(t) = limited;
        return true;
    }
    default: break;
    }
    if (m_cancelRequested)
        return true;
    return leaveDialogField(m_doc, m_prompts, RuleId::Text, at(t));
}

bool AnalogDialogLogic::ok()
{
    if (!analogLevelsValid(text(Text::CL1Level), text(Text::HCL1Level), text(Text::CL2Level), text(Text::HCL2Level),
                           scale())) {
        m_prompts.message(kAnalogLevelsMessage, Icon::Error);
        return false;
    }
    m_cancelRequested = false;
    return true;
}

void AnalogDialogLogic::finish()
{
    if (m_cancelRequested)
        return;
    for (int i = 0; i < kTextCount; ++i)
        m_doc.setText(field(kTextFields[i]), m_index, m_texts[i]);
    for (int i = 0; i < kGridFlagCount; ++i)
        m_doc.setFlag(field(kFlagFields[i]), m_index, m_flags[i]);
    auto mask = static_cast<std::uint8_t>(m_doc.config().eeMaskAInAlarm[m_index] & ~kAlarmBits);
    for (int bit = 0; bit < 4; ++bit)
        if (m_flags[kFirstAlarm + bit])
            mask |= std::uint8_t(1u << bit);
    m_doc.setByte(field(FieldId::eeMaskAInAlarm), m_index, mask);
}

} // namespace torval
