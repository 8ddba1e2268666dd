#include "ui/MainWindow.h"

#include "model/SettingsDocument.h"
#include "platform/QtPrint.h"
#include "storage/SettingsCommands.h"
#include "ui/BusyWindow.h"

#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

namespace torval {

CommandContext MainWindow::commandContext()
{
    // Every command gets the write verification as the box shows it at the moment of the click.
    return CommandContext{m_doc, m_image, *m_prompts, *m_busy, this, m_link, m_checkWrite->isChecked()};
}

void MainWindow::wireCommands(QToolButton* fileLoad, QToolButton* fileSave, QToolButton* print)
{
    connect(fileLoad, &QToolButton::clicked, this, [this] { (void)loadFile(std::nullopt); });
    connect(fileSave, &QToolButton::clicked, this, [this] { (void)saveFile(); });
    connect(m_btEEPROMLoad, &QToolButton::clicked, this, [this] {
        if (m_link)
            (void)loadFromStation();
    });
    connect(m_btEEPROMSave, &QToolButton::clicked, this, [this] {
        if (m_link)
            (void)saveToStation();
    });
    connect(m_btCompare, &QPushButton::clicked, this, [this] {
        if (m_link)
            compareWithStation();
    });
    // Cancel and printer failures end the print without a message.
    connect(print, &QToolButton::clicked, this, [this] { (void)printSettings(m_doc.config(), *m_busy, this); });
}

} // namespace torval
