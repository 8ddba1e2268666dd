#include "ui/MainWindow.h"

#include "commands/SettingsCommands.h"
#include "model/SettingsDocument.h"
#include "ui/BusyWindow.h"
#include "ui/MainFrame.h"
#include "ui/PrintDialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

namespace torval {

CommandContext MainWindow::commandContext()
{
    // Every command gets the write verification as the box shows it at the moment of the click.
    return CommandContext{m_doc,
                          m_image,
                          *m_prompts,
                          *m_busy,
                          this,
                          m_link,
                          m_frame->controls().checkWrite->isChecked(),
                          &history(),
                          WriteProgram::Window};
}

void MainWindow::wireCommands()
{
    // Each button's command runs holding the operation guard (runOperation).
    const auto guarded = [this](QAbstractButton* button, std::function<void()> command) {
        connect(button, &QAbstractButton::clicked, this,
                [this, command = std::move(command)] { runOperation(command); });
    };
    const MainFrame::Controls& c = m_frame->controls();
    guarded(c.fileLoad, [this] { (void)loadFile(std::nullopt); });
    guarded(c.fileSave, [this] { (void)saveFile(); });
    guarded(c.eepromLoad, [this] {
        if (m_link)
            (void)loadFromStation();
    });
    guarded(c.eepromSave, [this] {
        if (m_link)
            (void)saveToStation();
    });
    guarded(c.compare, [this] {
        if (m_link)
            compareWithStation();
    });
    // Cancel ends the print without a message; a printer or a file that
    // failed says so. Print and preview share the window's printer and paper.
    // The report is made from the settings as they were at the click: the
    // fields stay editable while the pages go out.
    const auto printed = [this](const PrintResult& r) {
        if (r.outcome == PrintOutcome::Failed && !r.error.isEmpty())
            m_prompts->message(r.error, Icon::Error);
    };
    guarded(c.print, [this, printed] {
        const DeviceConfig config = m_doc.config();
        printed(printSettings(config, *m_busy, this));
    });
    guarded(c.preview, [this, printed] {
        const DeviceConfig config = m_doc.config();
        printed(previewSettings(config, *m_busy, this));
    });
}

} // namespace torval
