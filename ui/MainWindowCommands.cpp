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
    // Cancel ends the print without a message; a printer or a file that
    // failed says so. Print and preview share the window's printer and paper.
    // The report is made from the settings as they were at the click: the
    // fields stay editable while the pages go out.
    auto printed = [this](const PrintResult& r) {
        if (r.outcome == PrintOutcome::Failed && !r.error.isEmpty())
            m_prompts->message(r.error, Icon::Error);
    };
    connect(m_btTisk, &QToolButton::clicked, this, [this, printed] {
        runOperation([this, printed] {
            const DeviceConfig config = m_doc.config();
            printed(printSettings(config, *m_busy, this));
        });
    });
    connect(m_btNahled, &QToolButton::clicked, this, [this, printed] {
        runOperation([this, printed] {
            const DeviceConfig config = m_doc.config();
            printed(previewSettings(config, *m_busy, this));
        });
    });
}

} // namespace torval
