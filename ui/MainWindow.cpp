#include "ui/MainWindow.h"

#include "history/HistoryStore.h"
#include "link/StationLink.h"
#include "model/ConfigFields.h"
#include "model/SettingsDocument.h"
#include "ui/AboutWindow.h"
#include "ui/BusyWindow.h"
#include "ui/FieldBinder.h"
#include "ui/MainFrame.h"
#include "ui/QtPrompts.h"
#include "ui/SettingsTabs.h"
#include "ui/SettingsUndo.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace torval {

QString MainWindow::virtualStationPort()
{
    return MainFrame::virtualStationPort();
}

MainWindow::MainWindow(SettingsDocument& document, EepromImage& image, QWidget* parent)
    : QWidget(parent), m_doc(document), m_image(image), m_ownPrompts(std::make_unique<QtPrompts>(this)),
      m_prompts(m_ownPrompts.get())
{
    setObjectName(QStringLiteral("Hlavni"));
    setWindowTitle(QCoreApplication::translate("MainWindow", "Inicializační program pro zařízení TORVAL"));
    m_busy = new BusyWindow(this);
    m_about = new AboutWindow(this);

    // The binder hears of every change first, so the widgets show a value
    // before anything reacts to it (enabling, the title's "*").
    m_binder = new FieldBinder(m_doc,
                               FieldBinder::Hooks{[this]() -> Prompts& { return *m_prompts; },
                                                  [this](int tab) { showTab(tab); },
                                                  [this](RowDialog d, int row) { openRowDialog(d, row); }},
                               this);
    m_frame = new MainFrame;
    m_tabs = new SettingsTabs(m_doc, *m_binder);
    wireUndo();

    auto* box = new QVBoxLayout(this);
    box->addWidget(m_frame);
    box->addWidget(m_tabs, 1);

    const MainFrame::Controls& c = m_frame->controls();
    connect(c.link, &QPushButton::clicked, this, &MainWindow::onActivateClicked);
    connect(c.about, &QPushButton::clicked, m_about, &QDialog::exec);
    connect(c.history, &QPushButton::clicked, this, &MainWindow::showHistory);
    connect(c.exit, &QPushButton::clicked, this, &MainWindow::onExitClicked);
    wireCommands();

    connect(&m_doc, &SettingsDocument::fieldChanged, this, &MainWindow::updateModified);
    connect(&m_doc, &SettingsDocument::analogScaleChanged, this, &MainWindow::updateModified);
    connect(&m_doc, &SettingsDocument::settingsSizeChanged, this, [this](int) { updateMemoryUsage(); });

    // Start-up: the first port, the link inactive, the size of the default settings.
    showLinkState(LinkState::Inactive, DeviceInfo{});
    // The defaults count as stored: there is nothing to lose yet.
    settingsStored(QString());
    setAcceptDrops(true);
    resize(1240, 760);
}

MainWindow::~MainWindow()
{
    // The document outlives the window: nothing may reach the window's
    // slots through it while the widgets are taken down.
    delete m_undo;
    m_undo = nullptr;
    if (m_link)
        m_link->setStateListener({});
}

BusyIndicator& MainWindow::busy()
{
    return *m_busy;
}

void MainWindow::setLink(StationLink* link)
{
    if (m_link)
        m_link->setStateListener({});
    m_link = link;
    if (!m_link)
        return;
    // The window's loads (and its compare) read only the part of the memory
    // the settings use: a 64 KiB station holds 1-2 KiB of them, and reading it
    // all takes two minutes at 19,200 baud. Full copies are torval-cli's.
    m_link->setReadUsedOnly(true);
    m_link->setStateListener([this](LinkState s, const DeviceInfo& info) { showLinkState(s, info); });
}

void MainWindow::addPort(const QString& portName, bool select)
{
    m_frame->addPort(portName, select);
}

void MainWindow::selectPort(const QString& portName)
{
    addPort(portName, true);
}

QString MainWindow::selectedPort() const
{
    return m_frame->selectedPort();
}

void MainWindow::showLinkState(LinkState state, const DeviceInfo& info)
{
    m_linkState = state;
    m_frame->showLinkState(state, info);
    applyFrameEnabling();
    updateMemoryUsage();
}

void MainWindow::updateMemoryUsage()
{
    m_frame->showMemoryUsage(m_doc.settingsSize());
}

void MainWindow::checkEnabled()
{
    m_tabs->checkEnabled();
}

// ---------------------------------------------------------------- the guard

void MainWindow::applyFrameEnabling()
{
    if (!m_frame)
        return; // the guard's first notice comes before the frame is made
    const bool idle = !m_operation.running();
    const bool up = linkIsUp(m_linkState);
    // The transfer buttons only for a station that may be programmed; a wrong
    // device keeps them disabled, as activation starts from Inactive.
    const bool transfers = m_linkState == LinkState::Active;
    // Every control that starts a command or ends the program, with the rule
    // it follows when no command runs. While one runs, none of them can be
    // used; the busy window's Storno and the settings fields stay live.
    const MainFrame::Controls& c = m_frame->controls();
    const std::pair<QWidget*, bool> controls[] = {
        {c.port, !up},
        {c.link, true},
        {c.fileLoad, true},
        {c.fileSave, true},
        {c.eepromLoad, transfers},
        {c.eepromSave, transfers},
        {c.compare, transfers},
        {c.print, true},
        {c.preview, true},
        {c.exit, true},
        {c.about, true}, // modal too: it would stop a transfer until closed
        {c.history, true},
    };
    for (const auto& [widget, allowed] : controls)
        if (widget)
            widget->setEnabled(idle && allowed);
    if (m_tabs)
        m_tabs->setRowButtonsEnabled(idle);
    if (m_undo) {
        c.undo->setEnabled(idle && m_undo->canUndo());
        c.redo->setEnabled(idle && m_undo->canRedo());
    }
}

void MainWindow::runOperation(const std::function<void()>& command)
{
    const auto guard = m_operation.tryBegin();
    if (!guard)
        return; // a click that slipped in while another command runs
    command();
}

void MainWindow::onActivateClicked()
{
    if (!m_link)
        return;
    runOperation([this] {
        if (m_link->isUp())
            (void)m_link->deactivateLink();
        else
            (void)m_link->activateLink(selectedPort());
    });
}

void MainWindow::onExitClicked()
{
    // One box at a time: the field the click left is judged first, and while
    // it is rejected (or its message is still open) there is no exit question.
    if (!m_binder->leaveFieldsBeforeExit())
        return;
    bool leave = false;
    // The questions may save the settings or deactivate the station, which
    // are commands too: unsaved edits first, then the link.
    runOperation([this, &leave] {
        leave = confirmUnsavedEdits() && (!(m_link && m_link->isUp()) || m_link->confirmExit(ExitKind::ExitButton));
    });
    if (!leave)
        return; // Storno: keep running (or a command runs)
    m_exiting = true;
    emit exitRequested();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box cannot end the program in the middle of a command: the
    // station would be left half written. Storno is the way out.
    bool keep = m_operation.running();
    // The close box ends the program as "Ukončit" does: a field that would be
    // rejected on leaving is never saved unjudged by the unsaved question.
    if (!keep && !m_exiting)
        keep = !m_binder->leaveFieldsBeforeExit();
    if (!keep && !m_exiting)
        runOperation([this, &keep] { keep = !confirmUnsavedEdits(); });
    if (keep) {
        event->ignore();
        return;
    }
    if (!m_exiting && m_link && m_link->isUp())
        runOperation([this] { (void)m_link->confirmExit(ExitKind::CloseWindow); });
    m_busy->hide();
    m_about->hide();
    for (QDialog* d : findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly))
        d->hide();
    event->accept();
}

void MainWindow::showTab(int tab)
{
    if (tab >= 0 && tab < m_tabs->count())
        m_tabs->setCurrentIndex(tab);
}

void MainWindow::focusField(const FieldDef& f, int index)
{
    m_binder->focusField(f, index);
}

QWidget* MainWindow::fieldWidget(const FieldDef& f, int index) const
{
    return m_binder->fieldWidget(f, index);
}

void MainWindow::openRowDialog(RowDialog dialog, int row)
{
    // A modal dialog would hold the transfer's wait inside its own loop, and
    // a load ending meanwhile would overwrite the row it edits: the row
    // dialogs open only when no command runs (the busy window says so).
    if (m_operation.running())
        return;
    switch (dialog) {
    case RowDialog::Phone: EditPhoneNumber(row); break;
    case RowDialog::Input: EditDigitalInput(row); break;
    case RowDialog::Output: EditDigitalOutput(row); break;
    case RowDialog::Analog: EditAnalogInput(row); break;
    case RowDialog::None: break;
    }
    m_undo->checkpoint(); // the dialog's OK is one step, whatever holds the focus after it
}

void MainWindow::wireUndo()
{
    m_undo = new SettingsUndo(
        m_doc, [this] { return m_binder->typing(); }, this);
    connect(m_binder, &FieldBinder::fieldSettled, m_undo, &SettingsUndo::checkpoint);
    connect(m_undo, &SettingsUndo::availabilityChanged, this, &MainWindow::applyFrameEnabling);
    const auto guarded = [this](void (SettingsUndo::*step)()) {
        return [this, step] {
            // Never under a transfer: a load ending afterwards would land on settings it did not start from.
            if (!m_operation.running() && !m_binder->checkingField())
                (m_undo->*step)();
        };
    };
    const MainFrame::Controls& c = m_frame->controls();
    connect(c.undo, &QToolButton::clicked, this, guarded(&SettingsUndo::undo));
    connect(c.redo, &QToolButton::clicked, this, guarded(&SettingsUndo::redo));
    const QKeySequence undoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Z)};
    const QKeySequence redoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                     QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence& k : undoKeys)
        connect(new QShortcut(k, this), &QShortcut::activated, this, guarded(&SettingsUndo::undo));
    for (const QKeySequence& k : redoKeys)
        connect(new QShortcut(k, this), &QShortcut::activated, this, guarded(&SettingsUndo::redo));
}

} // namespace torval
