#include "ui/MainWindow.h"

#include "model/SettingsDocument.h"
#include "platform/QtPrint.h"
#include "storage/SettingsCommands.h"
#include "ui/BusyWindow.h"

#include <QCheckBox>
#include <QToolButton>

namespace torval {

void MainWindow::wireCommands(QToolButton* fileLoad, QToolButton* fileSave, QToolButton* print, QToolButton* preview)
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
    // Cancel ends the print without a message; a printer or a file that
    // failed says so. Print and preview share the window's printer and paper.
    auto printed = [this](const PrintResult& r) {
        if (r.outcome == PrintOutcome::Failed && !r.error.isEmpty())
            m_prompts->message(r.error, Icon::Error);
    };
    connect(print, &QToolButton::clicked, this,
            [this, printed] { printed(printSettings(m_doc.config(), *m_busy, this)); });
    connect(preview, &QToolButton::clicked, this,
            [this, printed] { printed(previewSettings(m_doc.config(), *m_busy, this)); });
}

} // namespace torval
