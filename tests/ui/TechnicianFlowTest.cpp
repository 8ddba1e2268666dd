// A technician's whole session in the window, through its real buttons,
// against the virtual station as the program starts it: activate, load the
// programmed settings, edit under the station's rules, keep a file, write
// back with verification, deactivate and leave.

#include "ui/MainWindowTestSupport.h"

#include "link/LineProtocol.h"
#include "link/StationLink.h"
#include "model/ConfigFields.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/SettingsDocument.h"
#include "platform/PortRouterLine.h"
#include "platform/QtEventPump.h"
#include "report/PrintJob.h"
#include "rules/FieldRules.h"
#include "rules/OutputCommands.h"
#include "station/DemoStation.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "ui/BusyWindow.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace torval;
using torval::test::FakePrompts;

namespace {

const FieldDef& field(const char* name)
{
    return *findField(name);
}

// With TORVAL_SCREENSHOT_DIR set, keeps a picture of every tab as the
// technician sees it with the station's settings loaded.
void screenshotTabs(MainWindow& window)
{
    const QByteArray dir = qgetenv("TORVAL_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("TabList"));
    const int current = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        test::settle();
        const QString file = QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("tab-%1.png").arg(i));
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
    }
    tabs->setCurrentIndex(current);
    test::settle();
}

// Runs on simulated time, and on the Qt event loop as the program does.
class TechnicianFlowTest : public ::testing::TestWithParam<bool> {
protected:
    TechnicianFlowTest()
    {
        window.setPrompts(prompts);
        window.setLink(&link);
        window.selectPort(MainWindow::virtualStationPort());
        window.show();
        test::settle();
    }
    ~TechnicianFlowTest() override { window.setLink(nullptr); }

    template <typename W = QWidget>
    W* named(const char* name)
    {
        return window.findChild<W*>(QString::fromLatin1(name));
    }
    QLineEdit* edit(const char* name, int index = 0)
    {
        return qobject_cast<QLineEdit*>(window.fieldWidget(field(name), index));
    }
    // Types into a field the way the keyboard does, then leaves it for `next`.
    void type(QLineEdit* e, const QString& text, QWidget* next)
    {
        e->setFocus(Qt::OtherFocusReason);
        test::settle();
        e->selectAll();
        // Key events carry ASCII only; Czech letters arrive as composed text.
        bool ascii = true;
        for (QChar ch : text)
            ascii = ascii && ch.unicode() < 0x80;
        if (ascii)
            QTest::keyClicks(e, text);
        else
            e->insert(text);
        test::settle();
        next->setFocus(Qt::OtherFocusReason);
        test::settle();
    }
    int currentTab() { return named<QTabWidget>("TabList")->currentIndex(); }
    QString lastText() const { return prompts.all.empty() ? QString() : prompts.all.back().text; }
    int requestsOf(std::uint8_t command) const
    {
        int n = 0;
        for (const auto& r : station.requests())
            n += r.command == command;
        return n;
    }

    SettingsDocument doc;
    EepromImage image;
    FakePrompts prompts;
    MainWindow window{doc, image};
    std::unique_ptr<EventPump> pumpOwner = GetParam() ? std::unique_ptr<EventPump>(std::make_unique<QtEventPump>())
                                                      : std::make_unique<SimulatedEventPump>();
    EventPump& pump = *pumpOwner;
    StationCore station;
    StationCore otherStation;
    VirtualSerialLine hardware{otherStation, pump};
    VirtualSerialLine virtualLine{station, pump};
    PortRouterLine line{hardware, virtualLine, MainWindow::virtualStationPort()};
    StationLink link{line, pump, prompts, window.busy()};
};

TEST_P(TechnicianFlowTest, ActivateLoadEditSaveWriteBackDeactivateExit)
{
    ASSERT_TRUE(programDemoStation(station));
    const DeviceConfig demo = demoStationConfig();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // Activate: the instruction comes first, then the link is up on the virtual station only.
    named<QPushButton>("btDEA")->click();
    ASSERT_FALSE(prompts.all.empty());
    EXPECT_TRUE(prompts.all.front().text.startsWith(
        QStringLiteral("Uveďte zařízení do vypnutého stavu (CPU LED svítí trvale).\r\n")));
    EXPECT_EQ(prompts.all.front().icon, Icon::Information);
    ASSERT_EQ(link.state(), LinkState::Active);
    EXPECT_EQ(named<QLabel>("tabDeAktivNapis")->text(), QStringLiteral("Aktivní"));
    EXPECT_FALSE(hardware.isOpen());
    EXPECT_FALSE(named<QWidget>("Info")->isVisible());

    // Load from the station: the programmed settings fill the tabs, the first tab in front.
    named<QTabWidget>("TabList")->setCurrentIndex(5);
    ASSERT_TRUE(named<QToolButton>("btEEPROMLoad")->isEnabled());
    named<QToolButton>("btEEPROMLoad")->click();
    EXPECT_EQ(lastText(), QStringLiteral("Data byla úspěšně načtena z EEPROM."));
    EXPECT_EQ(prompts.all.back().icon, Icon::Information);
    EXPECT_EQ(currentTab(), 0);
    EXPECT_EQ(edit("tabJmenoStanice")->text(), demo.tabJmenoStanice);
    EXPECT_EQ(edit("tabTC", 0)->text(), QStringLiteral("+420602123456"));
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(window.fieldWidget(field("tabTCPrijem"), 0))->isChecked());
    EXPECT_EQ(edit("tabINPNazev", 1)->text(), QStringLiteral("Cerpadlo 1"));
    EXPECT_EQ(edit("tabOUTimpuls", 0)->text(), QStringLiteral("PROPLACH"));
    EXPECT_EQ(edit("tabAINNazev", 0)->text(), QStringLiteral("Hladina vodojemu"));
    EXPECT_EQ(edit("tabAINCL1Level", 0)->text(), QStringLiteral("20"));
    EXPECT_EQ(edit("rtBattLow")->text(), QStringLiteral("Baterie slaba"));
    EXPECT_EQ(edit("tabAINCL1Dn", kBatteryInput)->text(), QStringLiteral("Baterie slaba"));
    EXPECT_EQ(edit("tabCITNazev")->text(), QStringLiteral("Prutok m3"));
    EXPECT_TRUE(named<QWidget>("rtPowerUp")->isEnabled()); // the loaded option enabled its texts
    EXPECT_EQ(named<QLabel>("lblInfoPamUsage")->text(), QStringLiteral("%1 byte").arg(doc.settingsSize()));
    screenshotTabs(window);

    // Edit under the station's rules. A switch-on word that begins the
    // switch-off word is refused on its tab, keeps the text and takes the focus back.
    const auto before = prompts.all.size();
    type(edit("tabOUTZap", 0), QStringLiteral("VYPNI"), edit("tabOUTNazev", 1));
    ASSERT_EQ(prompts.all.size(), before + 1);
    EXPECT_EQ(lastText(), QStringLiteral("Název 'Zapnuto' nesmí být prefixem názvu 'Vypnuto' ani naopak."));
    EXPECT_EQ(prompts.all.back().icon, Icon::Error);
    EXPECT_EQ(currentTab(), 3);
    EXPECT_EQ(edit("tabOUTZap", 0)->text(), QStringLiteral("VYPNI"));
    EXPECT_TRUE(edit("tabOUTZap", 0)->hasFocus());
    type(edit("tabOUTZap", 0), QStringLiteral("START"), edit("tabOUTNazev", 1));
    EXPECT_EQ(prompts.all.size(), before + 1);
    // A new number gets the country prefix; the station name takes Czech letters.
    type(edit("tabTC", 2), QStringLiteral("604111222"), edit("tabTC", 3));
    EXPECT_EQ(edit("tabTC", 2)->text(), QStringLiteral("+420604111222"));
    type(edit("tabJmenoStanice"), QStringLiteral("Vodárna Kyjov - úpravna"), edit("tabPIN"));
    type(edit("tabAINCL2Level", 0), QStringLiteral("95"), edit("tabAINNazev", 0));
    EXPECT_EQ(prompts.all.size(), before + 1);
    EXPECT_EQ(doc.config().tabOUTZap[0], QStringLiteral("START"));

    // Keep a file: no message on success; it holds one byte less than the settings size.
    const QString path = dir.filePath(QStringLiteral("kyjov.eep"));
    prompts.saveName = path;
    named<QToolButton>("btFileSave")->click();
    EXPECT_EQ(prompts.all.size(), before + 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_EQ(saved.size(), doc.settingsSize() - 1);

    // Write back with verification: every block written is read back.
    ASSERT_TRUE(named<QAbstractButton>("CheckWrite")->isChecked());
    station.clearRequests();
    named<QToolButton>("btEEPROMSave")->click();
    EXPECT_EQ(lastText(), QStringLiteral("Data byla úspěšně uložena do EEPROM."));
    EXPECT_EQ(prompts.all.back().icon, Icon::Information);
    EXPECT_GT(requestsOf(cmd::WriteBlock), 0);
    EXPECT_GE(requestsOf(cmd::ReadBlock), requestsOf(cmd::WriteBlock));

    // The station now holds exactly what the window shows, encoded.
    EepromImage expected;
    ASSERT_EQ(encodeImage(doc.config(), expected), EncodeError::None);
    const int size = doc.settingsSize();
    const std::vector<std::uint8_t> written(station.memory().begin(), station.memory().begin() + size);
    const std::vector<std::uint8_t> encoded(expected.bytes().begin(), expected.bytes().begin() + size);
    EXPECT_EQ(written, encoded);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(encoded.data()), size - 1), saved);
    EepromImage readBack;
    std::copy(station.memory().begin(), station.memory().end(), readBack.bytes().begin());
    const DecodeResult decoded = decodeImage(readBack, DeviceConfig{});
    ASSERT_TRUE(decoded.complete);
    EXPECT_EQ(decoded.config.tabJmenoStanice, QStringLiteral("Vodárna Kyjov - úpravna"));
    EXPECT_EQ(decoded.config.tabTC[2], QStringLiteral("+420604111222"));
    EXPECT_EQ(decoded.config.tabOUTZap[0], QStringLiteral("START"));

    // Deactivate and leave: no question without a link.
    named<QPushButton>("btDEA")->click();
    EXPECT_EQ(link.state(), LinkState::Inactive);
    EXPECT_EQ(named<QLabel>("tabDeAktivNapis")->text(), QStringLiteral("Neaktivní"));
    EXPECT_FALSE(virtualLine.isOpen());
    EXPECT_EQ(requestsOf(cmd::Leave), 1);
    QSignalSpy exit(&window, &MainWindow::exitRequested);
    const auto beforeExit = prompts.all.size();
    named<QPushButton>("btKonec")->click();
    EXPECT_EQ(exit.count(), 1);
    EXPECT_EQ(prompts.all.size(), beforeExit);
}

TEST_P(TechnicianFlowTest, UnprogrammedStationLeavesTheEditorAlone)
{
    // A station straight from the factory: nothing to load, the defaults stay.
    named<QPushButton>("btDEA")->click();
    ASSERT_EQ(link.state(), LinkState::Active);
    const DeviceConfig before = doc.config();
    named<QToolButton>("btEEPROMLoad")->click();
    EXPECT_EQ(lastText(), QStringLiteral("Data nebyla úspěšně načtena z EEPROM. EEPROM zřejmě není naprogramována."));
    EXPECT_EQ(prompts.all.back().icon, Icon::Warning);
    EXPECT_EQ(doc.config(), before);
}

INSTANTIATE_TEST_SUITE_P(Pumps, TechnicianFlowTest, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& p) {
    return p.param ? "QtEventLoop" : "SimulatedTime";
});

// The demo must be a configuration the window itself would accept: every
// field passes its rules unchanged and the outputs may be written.
TEST(DemoStation, PassesEveryFieldRuleAndFitsTheStation)
{
    const DeviceConfig demo = demoStationConfig();
    for (const FieldDef& f : configFields()) {
        if (f.kind != FieldKind::Text)
            continue;
        for (int i = 0; i < f.count; ++i) {
            bool latch = false;
            const FieldCheck check = checkFieldLeave(f, i, demo, EditorSettings{}, latch);
            EXPECT_TRUE(check.passed) << f.name << "[" << i << "]: " << check.message.toStdString();
            EXPECT_TRUE(check.rewrites.empty()) << f.name << "[" << i << "] would be rewritten";
        }
    }
    EXPECT_FALSE(checkOutputCommands(demo).has_value());

    StationCore station;
    ASSERT_TRUE(programDemoStation(station));
    EepromImage image;
    std::copy(station.memory().begin(), station.memory().end(), image.bytes().begin());
    ASSERT_TRUE(imageHeaderValid(image));
    const DecodeResult decoded = decodeImage(image, DeviceConfig{});
    ASSERT_TRUE(decoded.complete);
    // Everything reads back as programmed, levels included.
    EXPECT_EQ(decoded.config, demo);
    for (const FieldDef& f : configFields())
        for (int i = 0; i < f.count; ++i)
            EXPECT_EQ(valueText(decoded.config, f, i), valueText(demo, f, i)) << f.name << "[" << i << "]";

    // A station too small for it stays unprogrammed rather than holding half a configuration.
    StationIdentity tiny;
    tiny.memoryCode = 0;
    StationCore small(tiny);
    const std::vector<std::uint8_t> blank = small.memory();
    EXPECT_FALSE(programDemoStation(small));
    EXPECT_EQ(small.memory(), blank);
}

TEST(BusyWindowText, CrLfLinesShowAsTwoLines)
{
    QWidget owner;
    BusyWindow busy(&owner);
    const QString progress = printProgressText(2, 1, 3);
    busy.showBusy(progress, true);
    EXPECT_EQ(busy.text(), progress);
    EXPECT_EQ(busy.shownText(), QStringLiteral("Tisk 2. stránky\n1. kopie z 3"));
    busy.setBusyText(QStringLiteral("a\r\nb\rc"));
    EXPECT_EQ(busy.shownText(), QStringLiteral("a\nb\nc"));
    busy.hideBusy();
}

} // namespace
