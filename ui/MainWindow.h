#pragma once
// The main window "Hlavni" of three parts: the frame (MainFrame: port and
// link controls, the load/save and print buttons, the device information
// panel, exit and about) above the eight settings tabs (SettingsTabs), whose
// fields the FieldBinder ties to the SettingsDocument. The window itself runs
// the commands: one at a time under the operation guard, with the session's
// memory of unsaved edits, the comparison and dropped files.

#include "commands/SettingsCommands.h"
#include "interact/Prompts.h"
#include "link/LinkTypes.h"
#include "ui/GridBuilder.h"
#include "ui/OperationGuard.h"

#include <QWidget>
#include <functional>
#include <memory>

class QDragEnterEvent;
class QDropEvent;
class QPlainTextEdit;
class QSettings;

namespace torval {

class SettingsDocument;
class EepromImage;
class StationLink;
class BusyWindow;
class CompareView;
class AboutWindow;
class QtPrompts;
class FieldBinder;
class MainFrame;
class SettingsTabs;
class SettingsUndo;
class HistoryStore;
class HistoryWindow;
struct FieldDef;
struct DeviceConfig;

class MainWindow : public QWidget, public CommandView {
    Q_OBJECT
public:
    // The port item that serves the built-in simulated station.
    static QString virtualStationPort();

    MainWindow(SettingsDocument& document, EepromImage& image, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Message boxes and the file dialog; the window's own Qt dialogs unless replaced (tests).
    Prompts& prompts() { return *m_prompts; }
    void setPrompts(Prompts& prompts) { m_prompts = &prompts; }
    BusyIndicator& busy();
    // The link is made after the window because it asks through the window's prompts.
    void setLink(StationLink* link);

    // The port list: the system's serial ports, each once, then the virtual station.
    void addPort(const QString& portName, bool select);
    void selectPort(const QString& portName);
    [[nodiscard]] QString selectedPort() const;

    void showLinkState(LinkState state, const DeviceInfo& info);
    void updateMemoryUsage();
    void checkEnabled();

    // CommandView
    void showTab(int tab) override;
    void focusField(const FieldDef& field, int index) override;

    // The item dialogs of one grid row.
    void EditPhoneNumber(int row);
    void EditDigitalInput(int row);
    void EditDigitalOutput(int row);
    void EditAnalogInput(int row);

    // The widget bound to field(index); nullptr for fields the window does not show.
    [[nodiscard]] QWidget* fieldWidget(const FieldDef& field, int index) const;

    // Unsaved edits and files (MainWindowSession.cpp).
    // Loads a settings file through the load command, after the unsaved-edits
    // question: a file named on the command line or dropped on the window.
    CommandOutcome openFile(const QString& path);
    // True while the settings differ from those last loaded or saved.
    [[nodiscard]] bool settingsModified() const { return m_modified; }
    // The settings file the editor's settings came from or went to last; empty
    // after a load from the station.
    [[nodiscard]] QString currentFile() const { return m_file; }
    // Keeps the chosen port and the file dialog's folder for the next start and
    // restores them now; nothing else is remembered. Null: nothing is kept.
    void rememberIn(QSettings* settings);
    // "Porovnat se stanicí": what a write would change, in a window of its own.
    void compareWithStation();
    // The record of every station write (the window's writes go into it too).
    HistoryStore& history();
    // "Historie", not modal; its "Načíst do editoru" loads as a file load does.
    void showHistory();
    CommandOutcome loadFromHistory(const QByteArray& image);

signals:
    // btKonec decided to end the program; main ends the event loop.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void openRowDialog(RowDialog dialog, int row);
    void onActivateClicked();
    void onExitClicked();
    // The load/save, print, preview and compare buttons (MainWindowCommands.cpp).
    void wireCommands();
    // Runs one command while holding the operation guard; does nothing while
    // another command runs.
    void runOperation(const std::function<void()>& command);
    // The one place that decides which frame controls may be used: the link
    // state's rules, and nothing that starts a command while one runs.
    void applyFrameEnabling();
    // Undo and redo: the buttons beside load/save, Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y.
    void wireUndo();
    CommandContext commandContext();
    // The four commands as the buttons run them (MainWindowSession.cpp): the
    // loads ask about unsaved edits first, and every success is remembered as
    // the settings last loaded or saved.
    CommandOutcome loadFile(std::optional<QString> path);
    CommandOutcome saveFile();
    CommandOutcome loadFromStation();
    CommandOutcome saveToStation();
    // Asks whether to save unsaved edits; false: the user chose Storno, or the
    // save did not happen.
    [[nodiscard]] bool confirmUnsavedEdits();
    // The editor's settings are now those last loaded or saved; `file` names
    // their file (empty: the station's), nullopt keeps the name shown.
    void settingsStored(std::optional<QString> file);
    // The same with the settings a command stored when it began.
    void settingsStored(std::optional<QString> file, const DeviceConfig& stored);
    void usedFolder(const QString& path);
    void updateModified();
    void updateTitle();
    CommandOutcome whileLoading(const std::function<CommandOutcome()>& load);

    SettingsDocument& m_doc;
    EepromImage& m_image;
    std::unique_ptr<QtPrompts> m_ownPrompts;
    Prompts* m_prompts = nullptr;
    BusyWindow* m_busy = nullptr;
    AboutWindow* m_about = nullptr;
    StationLink* m_link = nullptr;
    LinkState m_linkState = LinkState::Inactive;
    bool m_exiting = false;
    OperationGate m_operation{[this](bool) { applyFrameEnabling(); }};
    std::unique_ptr<DeviceConfig> m_stored; // the settings last loaded or saved
    bool m_modified = false;
    bool m_loading = false;
    QString m_file;
    QSettings* m_remembered = nullptr;
    CompareView* m_compareView = nullptr;

    // The three parts; the binder first, the tabs bind through it.
    FieldBinder* m_binder = nullptr;
    MainFrame* m_frame = nullptr;
    SettingsTabs* m_tabs = nullptr;
    SettingsUndo* m_undo = nullptr;
    std::unique_ptr<HistoryStore> m_history;
    HistoryWindow* m_historyWindow = nullptr;
};

} // namespace torval
