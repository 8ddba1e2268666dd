#include "ui/PhoneDialogLogic.h"

#include "interact/Prompts.h"
#include "model/SettingsDocument.h"
#include "rules/PhoneRules.h"
#include "ui/DialogFieldCheck.h"

#include <QCoreApplication>

namespace torval {

PhoneDialogLogic::PhoneDialogLogic(SettingsDocument& doc, Prompts& prompts) : m_doc(doc), m_prompts(prompts) { }

void PhoneDialogLogic::open(int row)
{
    m_row = row;
    const DeviceConfig& c = m_doc.config();
    m_number = c.tabTC[row];
    m_receive = c.tabTCPrijem[row];
    m_events = c.tabTCUdalost[row];
    m_cancelRequested = false;
}

QString PhoneDialogLogic::caption() const
{
    return QCoreApplication::translate("PhoneDialogLogic", "Telefonní číslo %1").arg(phoneLabel(m_row));
}

bool PhoneDialogLogic::leaveNumber()
{
    if (m_cancelRequested)
        return true;
    return leaveDialogField(m_doc, m_prompts, RuleId::Phone, m_number);
}

void PhoneDialogLogic::finish()
{
    if (!m_cancelRequested) {
        m_doc.setText(field(FieldId::tabTC), m_row, m_number);
        m_doc.setFlag(field(FieldId::tabTCPrijem), m_row, m_receive);
        m_doc.setFlag(field(FieldId::tabTCUdalost), m_row, m_events);
    }
    const DeviceConfig& c = m_doc.config();
    const PhoneRightsCheck rights = checkPhoneNumberRights(c.tabTC[m_row], c.tabTCPrijem[m_row], c.tabTCUdalost[m_row],
                                                           m_doc.suppressFieldChecks());
    // Each warning goes with the box it clears, in the order of the boxes.
    int w = 0;
    if (rights.clearPrijem) {
        if (w < rights.warnings.size())
            m_prompts.message(rights.warnings[w++], Icon::Warning);
        m_doc.setFlag(field(FieldId::tabTCPrijem), m_row, false);
    }
    if (rights.clearUdalost) {
        if (w < rights.warnings.size())
            m_prompts.message(rights.warnings[w++], Icon::Warning);
        m_doc.setFlag(field(FieldId::tabTCUdalost), m_row, false);
    }
}

} // namespace torval
