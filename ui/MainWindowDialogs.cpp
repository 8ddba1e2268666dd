#include "ui/MainWindow.h"

#include "model/SettingsDocument.h"
#include "ui/AnalogDialog.h"
#include "ui/InputDialog.h"
#include "ui/OutputDialog.h"
#include "ui/PhoneDialog.h"
#include "ui/PhoneDialogLogic.h"

// The item dialogs of one grid row. Each works on copies of the row and
// writes them back through the settings document only on OK, so the grid's
// change reactions (settings size, battery text) run as for any edit. A
// dialog is made for each use: every opening starts from the row's values.

namespace torval {

void MainWindow::EditPhoneNumber(int row)
{
    PhoneDialogLogic logic(m_doc, prompts());
    logic.open(row);
    {
        PhoneDialog dialog(logic, this);
        dialog.exec();
    }
    // Also after Storno: a row without a number keeps no rights.
    logic.finish();
}

void MainWindow::EditDigitalInput(int row)
{
    InputDialogLogic logic(m_doc, prompts());
    logic.open(row);
    {
        InputDialog dialog(logic, this);
        dialog.exec();
    }
    logic.finish();
}

void MainWindow::EditDigitalOutput(int row)
{
    OutputDialogLogic logic(m_doc, prompts());
    logic.open(row);
    {
        OutputDialog dialog(logic, this);
        dialog.exec();
    }
    logic.finish();
}

void MainWindow::EditAnalogInput(int row)
{
    AnalogDialogLogic logic(m_doc, prompts());
    logic.open(row);
    {
        AnalogDialog dialog(logic, this);
        dialog.exec();
    }
    logic.finish();
}

} // namespace torval
