// The window keeps a technician's work: quick loads from a large station, the
// changed-settings state and its questions, files opened by name or by drop,
// and the comparison with the station before a write.

#include "ui/CompareView.h"
#include "ui/HistoryWindow.h"
#include "ui/MainWindowTestSupport.h"

#include "commands/CommandMessages.h"
#include "link/LinkMessages.h"
#include "link/StationLink.h"
#include "model/ConfigFields.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/SettingsDiff.h"
#include "model/SettingsDocument.h"
#include "platform/PortRouterLine.h"
#include "station/DemoStation.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "ui/MainWindow.h"

#include "rules/NumberRules.h"
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using namespace torval;
using torval::test::FakePrompts;
using torval::test::settle;

namespace {

const QString kUnsaved = QStringLiteral("Nastavení bylo změněno a není uloženo. Uložit je do souboru?");
const QString kTitle = QStringLiteral("Inicializační program pro zařízení TORVAL");

// The window on a 65,472-byte virtual station (memory code 9) programmed as
// the program's demo waterworks: 2 KiB of settings at the start of its memory.
class MainWindowSessionTest : public ::testing::Test {
protected:
    MainWindowSessionTest()
    {
        station.setIdentity({{130, 211, 25}, 1, 0, 9, 4});
        EXPECT_TRUE(programDemoStation(station));
        window.setPrompts(prompts);
        window.setLink(&link);
        window.selectPort(MainWindow::virtualStationPort());
        window.show();
        settle();
    }
    ~MainWindowSessionTest() override { window.setLink(nullptr); }

    void click(const char* name) { window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    int blockReads() const
    {
        int n = 0;
        for (const auto& r : station.requests())
            n += r.command == 0x04;
        return n;
    }
    std::unique_ptr<EepromImage> stationImage() const
    {
        auto full = std::make_unique<EepromImage>();
        std::copy(station.memory().begin(), station.memory().end(), full->bytes().begin());
        return full;
    }
    // Types into the station name as a technician does.
    void typeName(const QString& text)
    {
        auto* e = static_cast<QLineEdit*>(window.fieldWidget(*findField("tabJmenoStanice"), 0));
        e->selectAll();
        QTest::keyClicks(e, text);
        settle();
    }

    QTemporaryDir dir;
    SettingsDocument doc;
    EepromImage image;
    FakePrompts prompts;
    MainWindow window{doc, image};
    SimulatedEventPump pump;
    StationCore station;
    StationCore unused;
    VirtualSerialLine hardware{unused, pump};
    VirtualSerialLine virtualLine{station, pump};
    PortRouterLine line{hardware, virtualLine, MainWindow::virtualStationPort()};
    StationLink link{line, pump, prompts, window.busy()};
};

TEST_F(MainWindowSessionTest, LoadingALargeStationReadsItsSettingsOnlyAndSavesWhatAFullReadWould)
{
    // Old settings behind the end marker, as a station reprogrammed shorter keeps them.
    const std::optional<int> used = usedImageEnd(*stationImage());
    ASSERT_TRUE(used);
    std::fill(station.memory().begin() + *used, station.memory().end(), std::uint8_t(0xA5));
    click("btDEA");
    ASSERT_TRUE(link.isUp());
    station.clearRequests();
    click("btEEPROMLoad");
    EXPECT_EQ(prompts.all.back().text, QString::fromUtf8(cmdmsg::kDeviceLoaded));

    const int reads = blockReads();
    EXPECT_LT(reads, 65472 / 8 / 20) << "a 2 KiB configuration, not the whole memory";
    auto* progress = window.findChild<QProgressBar*>();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->maximum(), reads);
    EXPECT_EQ(progress->value(), reads);

    const auto full = stationImage();
    EXPECT_EQ(doc.config(), decodeImage(*full, DeviceConfig{}).config);
    // The file holds the station's own bytes, past the end marker too.
    prompts.savePaths = {path("stanice.eep")};
    click("btFileSave");
    QFile f(path("stanice.eep"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), doc.settingsSize() - 1);
    for (int a = 0; a < bytes.size(); ++a)
        ASSERT_EQ(std::uint8_t(bytes[a]), full->at(a)) << a;
}

TEST_F(MainWindowSessionTest, TheChangedStateFollowsLoadEditSaveAndLoad)
{
    EXPECT_FALSE(window.settingsModified());
    EXPECT_EQ(window.windowTitle(), kTitle);

    typeName(QStringLiteral("CERPADLO"));
    EXPECT_TRUE(window.settingsModified());
    EXPECT_EQ(window.windowTitle(), QLatin1Char('*') + kTitle);

    prompts.savePaths = {path("a.eep")};
    click("btFileSave");
    EXPECT_FALSE(window.settingsModified());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("a.eep – ") + kTitle);

    typeName(QStringLiteral("VODOJEM"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("*a.eep – ") + kTitle);
    typeName(QStringLiteral("CERPADLO")); // back as saved: nothing to lose
    EXPECT_FALSE(window.settingsModified());

    // A load from the station takes the file name away; its settings are stored.
    click("btDEA");
    click("btEEPROMLoad");
    EXPECT_FALSE(window.settingsModified());
    EXPECT_EQ(window.windowTitle(), kTitle);
    EXPECT_NE(doc.config().tabJmenoStanice, QStringLiteral("CERPADLO"));

    prompts.openPaths = {path("a.eep")};
    click("btFileLoad"); // nothing changed since the station load: no question
    EXPECT_EQ(prompts.all.back().text, QString::fromUtf8(cmdmsg::kFileLoaded).arg(path("a.eep")));
    EXPECT_EQ(doc.config().tabJmenoStanice, QStringLiteral("CERPADLO"));
    EXPECT_FALSE(window.settingsModified());
}

TEST_F(MainWindowSessionTest, LoadingOverUnsavedEditsAsksFirst)
{
    prompts.savePaths = {path("a.eep")};
    click("btFileSave");
    click("btDEA");

    struct Case {
        const char* what;
        std::deque<Answer> answers;
        std::deque<QString> savePaths;
        bool loads;
    };
    const Case cases[] = {
        {"Storno goes back", {Answer::Cancel}, {}, false},
        {"Ano and a cancelled save dialog keep the edits", {Answer::Yes}, {}, false},
        {"Ano saves, then loads", {Answer::Yes}, {path("b.eep")}, true},
        {"Ne loads without saving", {Answer::No}, {}, true},
    };
    for (const char* button : {"btFileLoad", "btEEPROMLoad"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(button) + ": " + c.what);
            QFile::remove(path("b.eep"));
            typeName(QStringLiteral("UPRAVENO"));
            ASSERT_TRUE(window.settingsModified());
            prompts.all.clear();
            prompts.answers = c.answers;
            prompts.savePaths = c.savePaths;
            prompts.openPaths = {path("a.eep")};
            click(button);
            ASSERT_FALSE(prompts.all.empty());
            EXPECT_EQ(prompts.all.front().text, kUnsaved);
            EXPECT_EQ(prompts.all.front().buttons, Buttons::YesNoCancel);
            EXPECT_EQ(window.settingsModified(), !c.loads);
            EXPECT_EQ(doc.config().tabJmenoStanice == QStringLiteral("UPRAVENO"), !c.loads);
            EXPECT_EQ(QFile::exists(path("b.eep")), !c.savePaths.empty());
        }
    }
}

TEST_F(MainWindowSessionTest, ExitAndCloseAskAboutUnsavedEditsBeforeTheLinkQuestion)
{
    click("btDEA");
    ASSERT_TRUE(link.isUp());
    typeName(QStringLiteral("UPRAVENO"));
    QSignalSpy exit(&window, &MainWindow::exitRequested);
    // Without edits the link question alone is asked: MainWindowLinkTest.

    prompts.all.clear();
    prompts.answers = {Answer::Cancel};
    click("btKonec");
    EXPECT_EQ(prompts.allTexts(), QStringList{kUnsaved});
    EXPECT_EQ(exit.count(), 0);

    prompts.all.clear();
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(window.close()) << "Storno on the close box keeps the window";
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(link.isUp());

    prompts.all.clear();
    prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(prompts.allTexts(), (QStringList{kUnsaved, QString::fromUtf8(linkmsg::kExitQuestion)}));
    EXPECT_EQ(link.state(), LinkState::Inactive);

    prompts.answers = {Answer::No};
    click("btKonec");
    EXPECT_EQ(exit.count(), 1) << "Ne leaves without saving";
}

TEST_F(MainWindowSessionTest, TheCloseBoxJudgesTheFieldStillHoldingTheFocus)
{
    // The close box leaves the focus where it was: the PIN typed last is
    // judged first, and its rejection keeps the window without a question.
    QApplication::setActiveWindow(&window);
    auto* pin = static_cast<QLineEdit*>(window.fieldWidget(field(FieldId::tabPIN), 0));
    window.focusField(field(FieldId::tabPIN), 0);
    QTest::keyClicks(pin, QStringLiteral("9z"));
    ASSERT_EQ(QApplication::focusWidget(), pin);
    prompts.all.clear();
    prompts.answers = {Answer::Yes};
    EXPECT_FALSE(window.close());
    ASSERT_EQ(prompts.all.size(), 1u) << "no unsaved question after the rejection";
    EXPECT_EQ(prompts.all[0].icon, Icon::Error);
}

TEST_F(MainWindowSessionTest, AFileGivenAtStartOrDroppedGoesThroughTheLoadCommand)
{
    typeName(QStringLiteral("Z PRIKAZOVE RADKY"));
    prompts.savePaths = {path("start.eep")};
    click("btFileSave");
    typeName(QStringLiteral("Z RUKY"));
    prompts.savePaths = {path("hozeny.EEP")};
    click("btFileSave");

    prompts.all.clear();
    EXPECT_EQ(window.openFile(path("start.eep")), CommandOutcome::Done);
    EXPECT_EQ(prompts.allTexts(), QStringList{QString::fromUtf8(cmdmsg::kFileLoaded).arg(path("start.eep"))});
    EXPECT_EQ(doc.config().tabJmenoStanice, QStringLiteral("Z PRIKAZOVE RADKY"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("start.eep – ") + kTitle);

    const auto drop = [this](const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        settle();
        return true;
    };
    EXPECT_FALSE(drop(path("poznamky.txt"))) << "only settings files are taken";
    EXPECT_TRUE(drop(path("hozeny.EEP")));
    EXPECT_EQ(doc.config().tabJmenoStanice, QStringLiteral("Z RUKY"));
    EXPECT_EQ(window.currentFile(), path("hozeny.EEP"));
}

TEST_F(MainWindowSessionTest, ThePortChosenLastIsSelectedAtTheNextStart)
{
    const QString ini = path("torval-init.conf");
    {
        QSettings kept(ini, QSettings::IniFormat);
        kept.setValue(QStringLiteral("port"), QStringLiteral("/dev/ttyUSB7"));
        window.rememberIn(&kept);
        EXPECT_EQ(window.selectedPort(), QStringLiteral("/dev/ttyUSB7"));
        auto* port = window.findChild<QComboBox*>(QStringLiteral("tabPort"));
        window.addPort(QStringLiteral("COM 3"), false);
        port->setCurrentIndex(port->findData(QStringLiteral("COM 3")));
        emit port->activated(port->currentIndex()); // as a click on the item
        // The simulator is chosen for this session only.
        port->setCurrentIndex(port->findData(MainWindow::virtualStationPort()));
        emit port->activated(port->currentIndex());
        // English picked in the about window: for the next start.
        auto* language = window.findChild<QComboBox*>(QStringLiteral("Jazyk"));
        language->setCurrentIndex(language->findData(QStringLiteral("en")));
        emit language->activated(language->currentIndex());
        window.rememberIn(nullptr);
    }
    SettingsDocument otherDoc;
    EepromImage otherImage;
    MainWindow next(otherDoc, otherImage);
    QSettings kept(ini, QSettings::IniFormat);
    next.rememberIn(&kept);
    EXPECT_EQ(next.selectedPort(), QStringLiteral("COM 3"));
    EXPECT_EQ(next.findChild<QComboBox*>(QStringLiteral("Jazyk"))->currentData().toString(), QStringLiteral("en"));
    EXPECT_EQ(kept.allKeys(), (QStringList{QStringLiteral("language"), QStringLiteral("port")}))
        << "nothing else is remembered yet";
    next.rememberIn(nullptr);
}

TEST_F(MainWindowSessionTest, CompareListsWhatAWriteWouldChangeAndLeavesTheEditorAlone)
{
    auto* compare = window.findChild<QPushButton*>(QStringLiteral("btPorovnat"));
    EXPECT_FALSE(compare->isEnabled());
    click("btDEA");
    EXPECT_TRUE(compare->isEnabled());
    click("btEEPROMLoad");
    const QString stationName = doc.config().tabJmenoStanice;
    const QString input3 = doc.config().tabINPNazev[2];
    typeName(QStringLiteral("VODOJEM"));
    doc.setText(field(FieldId::tabINPNazev), 2, QStringLiteral("VRATA"));
    const DeviceConfig edited = doc.config();
    const auto imageBefore = std::make_unique<EepromImage>(image);

    prompts.all.clear();
    compare->click();
    EXPECT_TRUE(prompts.all.empty());
    auto* view = window.findChild<CompareView*>(QStringLiteral("Porovnani"));
    ASSERT_NE(view, nullptr);
    auto* table = view->findChild<QTableWidget*>(QStringLiteral("tblRozdily"));
    table->selectAll();
    EXPECT_EQ(view->selectedText(),
              QStringLiteral("Všeobecné\t\tNázev stanice\t\"%1\"\t\"VODOJEM\"\n"
                             "Dig. vstupy\tI3\tNázev\t\"%2\"\t\"VRATA\"\n")
                  .arg(stationName, input3));
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), view->selectedText()) << "Ctrl+C copies the selected lines";
    EXPECT_EQ(doc.config(), edited);
    EXPECT_TRUE(image == *imageBefore) << "the station is read into an image of its own";
    EXPECT_TRUE(window.settingsModified());

    doc.setText(field(FieldId::tabJmenoStanice), 0, stationName);
    doc.setText(field(FieldId::tabINPNazev), 2, input3);
    compare->click();
    EXPECT_FALSE(table->isVisibleTo(view));
    EXPECT_TRUE(view->findChild<QLabel*>(QStringLiteral("lblShodne"))->isVisibleTo(view));
}

} // namespace

TEST_F(MainWindowSessionTest, EachKindOfChangeIsOneStepToUndoAndRedo)
{
    auto* undo = window.findChild<QToolButton*>(QStringLiteral("btZpet"));
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    prompts.savePaths = {path("vychozi.eep")};
    click("btFileSave");
    click("btDEA");
    const auto key = [this](int k, Qt::KeyboardModifiers m) {
        window.activateWindow(); // a closed dialog hands the activation back
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key(k), m);
        settle();
    };
    auto* days = static_cast<QLineEdit*>(window.fieldWidget(field(FieldId::tabDobaPlatnostiSMS), 0));
    const struct {
        const char* what;
        std::function<void()> act;
        bool storedAfter; // the step's result is what was last loaded
    } steps[] = {
        {"station load", [this] { click("btEEPROMLoad"); }, true},
        {"file load",
         [this] {
             prompts.openPaths = {path("vychozi.eep")};
             click("btFileLoad");
         },
         true},
        {"field left with its rewrite",
         [&] {
             days->setFocus();
             days->selectAll();
             QTest::keyClicks(days, QStringLiteral("99"));
             settle();
             window.fieldWidget(field(FieldId::tabPIN), 0)->setFocus();
             settle();
             EXPECT_EQ(doc.config().tabDobaPlatnostiSMS, normalizeSmsValidity(QStringLiteral("99")));
         },
         false},
        {"check box", [this] { static_cast<QCheckBox*>(window.fieldWidget(field(FieldId::tabINPZpr), 2))->click(); },
         false},
        {"dialog OK",
         [this] {
             QTimer::singleShot(0, [] {
                 auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                 ASSERT_NE(dialog, nullptr);
                 dialog->findChild<QLineEdit*>()->setText(QStringLiteral("DVERE"));
                 for (auto* b : dialog->findChildren<QPushButton*>())
                     if (b->text() == QStringLiteral("&Ok"))
                         b->click();
             });
             window.EditDigitalInput(3);
         },
         false},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        const DeviceConfig before = doc.config();
        const bool modifiedBefore = window.settingsModified();
        s.act();
        settle();
        const DeviceConfig after = doc.config();
        ASSERT_NE(before, after);
        EXPECT_TRUE(undo->isEnabled());
        key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(doc.config(), before);
        EXPECT_EQ(window.settingsModified(), s.storedAfter || modifiedBefore);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(doc.config(), after);
        EXPECT_EQ(window.settingsModified(), !s.storedAfter);
        key(Qt::Key_Z, Qt::ControlModifier);
        key(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(doc.config(), after);
    }
    for (int i = 0; i < 5; ++i)
        click("btZpet");
    EXPECT_EQ(doc.config(), DeviceConfig{});
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(MainWindowSessionTest, AWriteAfterALoadKeepsTheLoadedBytesAndTheHistoryGivesThemBack)
{
    click("btDEA");
    click("btEEPROMLoad");
    const DeviceConfig loaded = doc.config();
    station.clearRequests();
    typeName(QStringLiteral("NOVA"));
    click("btEEPROMSave");
    EXPECT_EQ(prompts.all.back().text, QString::fromUtf8(cmdmsg::kDeviceSaved));
    ASSERT_FALSE(station.requests().empty());
    EXPECT_EQ(station.requests().front().command, 0x05) << "the loaded settings are the backup: nothing read first";

    window.showHistory();
    auto* history = window.findChild<HistoryWindow*>();
    ASSERT_NE(history, nullptr);
    EXPECT_GE(history->rowCount(), 1); // newest first: this write is shown
    const QString changes = history->findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_TRUE(changes.contains(QStringLiteral("→ \"NOVA\""))) << changes.toStdString();
    history->findChild<QPushButton*>(QStringLiteral("btHistoriePred"))->click();
    EXPECT_EQ(doc.config(), loaded);
    EXPECT_TRUE(window.settingsModified()) << "the station holds NOVA now";
}
