// What keeps a technician's work: the settings last loaded or saved, the
// question before unsaved edits are given up, files opened from the command
// line or dropped on the window, the remembered port and folder, and the
// comparison with the station before a write.

#include "ui/AboutWindow.h"
#include "ui/CompareView.h"
#include "ui/MainWindow.h"

#include "history/HistoryStore.h"
#include "link/StationLink.h"
#include "model/DeviceConfig.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/SettingsDiff.h"
#include "model/SettingsDocument.h"
#include "ui/HistoryWindow.h"
#include "ui/MainFrame.h"
#include "ui/QtPrompts.h"
#include "ui/SettingsUndo.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QUrl>
#include <QVBoxLayout>

namespace torval {

namespace {

const char* const kUnsavedQuestion =
    QT_TRANSLATE_NOOP("MainWindow", "Nastavení bylo změněno a není uloženo. Uložit je do souboru?");
const char* const kTitle = QT_TRANSLATE_NOOP("MainWindow", "Inicializační program pro zařízení TORVAL");
const char* const kPortKey = "port";
const char* const kFolderKey = "folder";
// "cs" or "en", read by the program at its start (--language overrides it).
const char* const kLanguageKey = "language";

// The settings file among dropped URLs: one local *.eep.
QString droppedSettingsFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".eep"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

CommandOutcome MainWindow::whileLoading(const std::function<CommandOutcome()>& load)
{
    m_loading = true;
    const CommandOutcome outcome = load();
    m_loading = false;
    // A load is one step, even one cut short that left part of a file in the editor.
    if (m_undo)
        m_undo->checkpoint();
    return outcome;
}

void MainWindow::settingsStored(std::optional<QString> file)
{
    settingsStored(std::move(file), m_doc.config());
}

void MainWindow::settingsStored(std::optional<QString> file, const DeviceConfig& stored)
{
    m_stored = std::make_unique<DeviceConfig>(stored);
    if (m_undo)
        m_undo->markStored();
    if (file)
        m_file = *file;
    updateModified();
    updateTitle();
}

void MainWindow::updateModified()
{
    // Compared with the stored copy rather than flagged on every change, so
    // typing a value back as it was clears the mark again.
    if (m_loading)
        return; // judged once the load has ended: its message shows over a settled title
    const bool modified = m_stored && m_doc.config() != *m_stored;
    if (modified == m_modified)
        return;
    m_modified = modified;
    updateTitle();
}

void MainWindow::updateTitle()
{
    // "*" in front while the settings differ from those stored: "*stanice.eep – …".
    QString title = QCoreApplication::translate("MainWindow", kTitle);
    if (!m_file.isEmpty())
        title = QFileInfo(m_file).fileName() + QStringLiteral(" – ") + title;
    setWindowTitle(m_modified ? QLatin1Char('*') + title : title);
}

bool MainWindow::confirmUnsavedEdits()
{
    if (!m_modified)
        return true;
    switch (m_prompts->question(QCoreApplication::translate("MainWindow", kUnsavedQuestion), Icon::Question,
                                Buttons::YesNoCancel)) {
    case Answer::Yes:
        // A cancelled dialog, a declined overwrite or a failed save keep the edits and stop.
        return saveFile() == CommandOutcome::Done;
    case Answer::No: return true;
    default: return false;
    }
}

void MainWindow::usedFolder(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (m_ownPrompts)
        m_ownPrompts->setStartFolder(folder);
    if (m_remembered)
        m_remembered->setValue(QLatin1String(kFolderKey), folder);
}

CommandOutcome MainWindow::loadFile(std::optional<QString> path)
{
    if (!confirmUnsavedEdits())
        return CommandOutcome::Declined;
    if (!path)
        path = m_prompts->openFileName();
    if (!path)
        return CommandOutcome::Declined;
    usedFolder(*path);
    CommandContext ctx = commandContext();
    const CommandOutcome outcome = whileLoading([&] { return loadSettingsFromFile(ctx, path); });
    if (outcome == CommandOutcome::Done)
        settingsStored(QFileInfo(*path).absoluteFilePath());
    else
        updateModified(); // a decoding cut short leaves part of the file in the editor
    return outcome;
}

CommandOutcome MainWindow::openFile(const QString& path)
{
    // A file given at start or dropped is a load like the button's, and waits
    // its turn the same way: dropped during a transfer, it is not loaded.
    CommandOutcome outcome = CommandOutcome::Declined;
    runOperation([&] { outcome = loadFile(path); });
    return outcome;
}

CommandOutcome MainWindow::saveFile()
{
    const std::optional<QString> path = m_prompts->saveFileName();
    if (!path)
        return CommandOutcome::Declined;
    usedFolder(*path);
    CommandContext ctx = commandContext();
    const CommandOutcome outcome = saveSettingsToFile(ctx, path);
    if (outcome == CommandOutcome::Done)
        settingsStored(QFileInfo(*path).absoluteFilePath());
    return outcome;
}

CommandOutcome MainWindow::loadFromStation()
{
    if (!confirmUnsavedEdits())
        return CommandOutcome::Declined;
    CommandContext ctx = commandContext();
    const CommandOutcome outcome = whileLoading([&] { return loadSettingsFromDevice(ctx); });
    if (outcome == CommandOutcome::Done) {
        // The settings are the station's now, no longer those of a file.
        settingsStored(QString());
    } else {
        updateModified();
    }
    return outcome;
}

CommandOutcome MainWindow::saveToStation()
{
    // The station gets the settings of the click; what is typed while the
    // blocks go out is not in it and must still count as unsaved.
    const DeviceConfig written = m_doc.config();
    CommandContext ctx = commandContext();
    const CommandOutcome outcome = saveSettingsToDevice(ctx);
    if (outcome == CommandOutcome::Done)
        settingsStored(std::nullopt, written);
    return outcome;
}

void MainWindow::compareWithStation()
{
    CommandContext ctx = commandContext();
    std::vector<FieldDifference> differences;
    if (compareWithDevice(ctx, differences) != CommandOutcome::Done)
        return; // the read's own message has been shown
    if (!m_compareView)
        m_compareView = new CompareView(this); // not modal: kept open beside the tabs while mending
    m_compareView->showDifferences(differences);
    m_compareView->show();
    m_compareView->raise();
}

HistoryStore& MainWindow::history()
{
    if (!m_history)
        m_history = std::make_unique<HistoryStore>();
    return *m_history;
}

void MainWindow::showHistory()
{
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow(history(), this);
        connect(m_historyWindow, &HistoryWindow::loadRequested, this,
                [this](const QByteArray& image) { runOperation([&] { (void)loadFromHistory(image); }); });
    }
    m_historyWindow->reload();
    m_historyWindow->show();
    m_historyWindow->raise();
}

CommandOutcome MainWindow::loadFromHistory(const QByteArray& bytes)
{
    // Settings from the history are an edit like any other: not stored
    // anywhere yet, and written into a station by the usual, recorded write.
    if (!confirmUnsavedEdits())
        return CommandOutcome::Declined;
    std::fill(m_image.bytes().begin(), m_image.bytes().end(), std::uint8_t(0));
    std::copy(bytes.begin(), bytes.begin() + std::min<qsizetype>(bytes.size(), m_image.bytes().size()),
              m_image.bytes().begin());
    const CommandOutcome outcome =
        whileLoading([&] { return decodeImageInto(m_doc, m_image) ? CommandOutcome::Done : CommandOutcome::Failed; });
    m_file.clear();
    updateModified();
    updateTitle();
    return outcome;
}

void MainWindow::rememberIn(QSettings* settings)
{
    m_remembered = settings;
    if (!settings)
        return;
    // Only a real port is kept: a start on the simulator is asked for each
    // time (--port simulator), never inherited from an earlier session.
    const QString port = settings->value(QLatin1String(kPortKey)).toString();
    if (!port.isEmpty() && port != virtualStationPort())
        selectPort(port);
    const QString folder = settings->value(QLatin1String(kFolderKey)).toString();
    if (!folder.isEmpty() && m_ownPrompts)
        m_ownPrompts->setStartFolder(folder);
    const auto keepPort = [this] {
        if (m_remembered && selectedPort() != virtualStationPort())
            m_remembered->setValue(QLatin1String(kPortKey), selectedPort());
    };
    connect(m_frame->controls().port, &QComboBox::activated, this, keepPort);
    connect(m_frame->controls().link, &QPushButton::clicked, this, keepPort);
    m_about->showLanguage(settings->value(QLatin1String(kLanguageKey), QStringLiteral("cs")).toString());
    connect(m_about, &AboutWindow::languageChosen, this, [this](const QString& code) {
        if (m_remembered)
            m_remembered->setValue(QLatin1String(kLanguageKey), code);
    });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedSettingsFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedSettingsFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The drag source waits for the drop to end; the load with its questions
    // and messages runs after it.
    QMetaObject::invokeMethod(
        this, [this, path] { (void)openFile(path); }, Qt::QueuedConnection);
}

} // namespace torval
