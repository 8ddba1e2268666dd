#pragma once
// The eight settings tabs of the main window ("TabList"): the general and SMS
// pages laid out by hand, the grids of inputs, outputs, analog inputs,
// telephone numbers and counters made by GridBuilder from their column tables.
// Every field is bound through the FieldBinder; this class keeps only what the
// pages themselves decide: which controls the station's hardware offers, and
// the controls that follow an option (power saving, the report texts).

#include "model/ConfigFields.h"
#include "ui/GridBuilder.h"

#include <QTabWidget>
#include <map>
#include <utility>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace torval {

class FieldBinder;
class SettingsDocument;

class SettingsTabs : public QTabWidget {
    Q_OBJECT
public:
    SettingsTabs(SettingsDocument& document, FieldBinder& binder, QWidget* parent = nullptr);

    // The power-save times and options follow "Povolit šetřící režim".
    void checkEnabled();
    // The rows' "Možnosti" buttons; off while a command runs, when their
    // dialogs do not open.
    void setRowButtonsEnabled(bool enabled);

private:
    QWidget* buildGeneralTab();
    QWidget* buildSmsTab();
    QWidget* buildGridTab(const GridTable& table, RowDialog dialog, QWidget* below = nullptr);
    QWidget* buildPhoneTab();
    QWidget* buildCounterTab();
    void applyInitialAvailability();

    QLineEdit* textField(FieldId id);
    QCheckBox* checkField(FieldId id, const QString& caption);
    void onFieldChanged(const FieldDef* f, int index);
    // A report option enables its texts and their captions.
    void setReportTextsEnabled(FieldId option);

    SettingsDocument& m_doc;
    FieldBinder& m_binder;
    std::vector<QWidget*> m_rowButtons;
    // Every widget of a grid row (its label, fields and button), and the row
    // labels alone, by the grid's dialog and the row.
    std::map<std::pair<RowDialog, int>, std::vector<QWidget*>> m_rowWidgets;
    std::map<std::pair<RowDialog, int>, QWidget*> m_rowLabels;
    // The caption beside a report text, by the text's field.
    std::map<FieldId, QWidget*> m_textCaptions;
};

} // namespace torval
