#include "ui/MainWindow.h"

#include "model/SettingsDocument.h"
#include "platform/QtPrint.h"
#include "ui/BusyWindow.h"

#include <QCheckBox>
#include <QToolButton>

namespace torval {

void MainWindow::wireCommands(QToolButton* fileLoad, QToolButton* fileSave, QToolButton* print)
{
    (void)fileLoad;
    (void)fileSave;
    // Cancel and printer failures end the print without a message.
    connect(print, &QToolButton::clicked, this, [this] { (void)printSettings(m_doc.config(), *m_busy, this); });
}

} // namespace torval
