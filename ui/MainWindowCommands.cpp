#include "ui/MainWindow.h"

#include "model/SettingsDocument.h"
#include "platform/QtPrint.h"
#include "storage/SettingsCommands.h"
#include "ui/BusyWindow.h"

#include <QCheckBox>
#include <QToolButton>

namespace torval {

void MainWindow::wireCommands(QToolButton* fileLoad, QToolButton* fileSave, QToolButton* print)
{
    // Every command gets the write verification as the box shows it at the moment of the click.
    auto context = [this] {
        return CommandContext{m_doc, m_image, *m_prompts, *m_busy, this, m_link, m_checkWrite->isChecked()};
    };
    connect(fileLoad, &QToolButton::clicked, this, [context] {
        CommandContext ctx = context();
        (void)loadSettingsFromFile(ctx);
    });
    connect(fileSave, &QToolButton::clicked, this, [context] {
        CommandContext ctx = context();
        (void)saveSettingsToFile(ctx);
    });
    connect(m_btEEPROMLoad, &QToolButton::clicked, this, [this, context] {
        if (!m_link)
            return;
        CommandContext ctx = context();
        (void)loadSettingsFromDevice(ctx);
    });
    connect(m_btEEPROMSave, &QToolButton::clicked, this, [this, context] {
        if (!m_link)
            return;
        CommandContext ctx = context();
        (void)saveSettingsToDevice(ctx);
    });
    // Cancel and printer failures end the print without a message.
    connect(print, &QToolButton::clicked, this, [this] { (void)printSettings(m_doc.config(), *m_busy, this); });
}

} // namespace torval
