#include "ui/MainWindow.h"

#include "model/SettingsDocument.h"
#include "platform/QtPrint.h"
#include "storage/SettingsCommands.h"
#include "ui/BusyWindow.h"

#include <QCheckBox>
#include <QToolButton>

namespace torval {

void MainWindow::wireCommands()
{
    // Every command gets the write verification as the box shows it at the moment of the click.
    auto context = [this] {
        return CommandContext{m_doc, m_image, *m_prompts, *m_busy, this, m_link, m_checkWrite->isChecked()};
    };
    connect(m_btFileLoad, &QToolButton::clicked, this, [this, context] {
        runOperation([context] {
            CommandContext ctx = context();
            (void)loadSettingsFromFile(ctx);
        });
    });
    connect(m_btFileSave, &QToolButton::clicked, this, [this, context] {
        runOperation([context] {
            CommandContext ctx = context();
            (void)saveSettingsToFile(ctx);
        });
    });
    connect(m_btEEPROMLoad, &QToolButton::clicked, this, [this, context] {
        if (!m_link)
            return;
        runOperation([context] {
            CommandContext ctx = context();
            (void)loadSettingsFromDevice(ctx);
        });
    });
    connect(m_btEEPROMSave, &QToolButton::clicked, this, [this, context] {
        if (!m_link)
            return;
        runOperation([context] {
            CommandContext ctx = context();
            (void)saveSettingsToDevice(ctx);
        });
    });
    // Cancel and printer failures end the print without a message. The report
    // is made from the settings as they were at the click: the fields stay
    // editable while the pages go out.
    connect(m_btTisk, &QToolButton::clicked, this, [this] {
        runOperation([this] {
            const DeviceConfig config = m_doc.config();
            (void)printSettings(config, *m_busy, this);
        });
    });
}

} // namespace torval
