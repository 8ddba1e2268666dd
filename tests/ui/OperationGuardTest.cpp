// One operation at a time: while a station transfer runs (its waits process
// every event), each of the window's other commands is tried the way a
// technician tries it. None may start; the transfer ends with the station
// holding what it should and exactly one message.

#include "ui/MainWindowTestSupport.h"

#include "commands/CommandMessages.h"
#include "files/SettingsFile.h"
#include "link/StationLink.h"
#include "model/ConfigFields.h"
#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "model/SettingsDocument.h"
#include "platform/PortRouterLine.h"
#include "station/DemoStation.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "ui/BusyWindow.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace torval;

namespace {

// The frame controls that must wait while a command runs.
const char* const kGuarded[] = {"tabPort", "btDEA",    "btFileLoad", "btFileSave", "btEEPROMLoad", "btEEPROMSave",
                                "btTisk",  "btNahled", "btPorovnat", "btKonec",    "btInformace",  "tabINPbt_0"};

enum class Transfer { Write, Read };

// What the technician tries in the middle of the transfer.
enum class Intruder {
    FileLoad,
    FileSave,
    StationLoad,
    StationSave,
    LinkButton,
    Print,
    ExitButton,
    CloseBox,
    PortList,
    About,
    RowDialog,
    TypeField
};

struct Case {
    Transfer transfer;
    Intruder intruder;
};

class OperationGuardTest : public ::testing::TestWithParam<Case> {
protected:
    OperationGuardTest()
    {
        EXPECT_TRUE(programDemoStation(station));
        window.setPrompts(prompts);
        window.setLink(&link);
        window.selectPort(MainWindow::virtualStationPort());
        window.show();
        test::settle();

        // A valid file with other settings, for the load button.
        DeviceConfig other;
        other.tabJmenoStanice = QStringLiteral("Jiná stanice");
        EepromImage img;
        EXPECT_EQ(encodeImage(other, img), EncodeError::None);
        test::FakePrompts yes;
        prompts.openName = dir.filePath(QStringLiteral("jina.eep"));
        prompts.saveName = dir.filePath(QStringLiteral("nova.eep"));
        EXPECT_TRUE(writeSettingsFile(*prompts.openName, img, 400, yes));
    }
    ~OperationGuardTest() override { window.setLink(nullptr); }

    template <typename W = QWidget>
    W* named(const char* name)
    {
        return window.findChild<W*>(QString::fromLatin1(name));
    }

    void intrude(Intruder who)
    {
        // Should a print dialog open after all, it must not hang the test.
        QTimer::singleShot(0, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalOpened = true;
                modal->close();
            }
        });
        auto click = [this](const char* name) { QTest::mouseClick(named(name), Qt::LeftButton); };
        switch (who) {
        case Intruder::FileLoad: click("btFileLoad"); break;
        case Intruder::FileSave: click("btFileSave"); break;
        case Intruder::StationLoad: click("btEEPROMLoad"); break;
        case Intruder::StationSave: click("btEEPROMSave"); break;
        case Intruder::LinkButton: click("btDEA"); break;
        case Intruder::Print: click("btTisk"); break;
        case Intruder::ExitButton: click("btKonec"); break;
        case Intruder::CloseBox: closed = window.close(); break;
        case Intruder::PortList: QTest::keyClick(named("tabPort"), Qt::Key_Up); break;
        case Intruder::About: click("btInformace"); break;
        case Intruder::RowDialog:
            QTest::mouseDClick(window.fieldWidget(*findField("tabINPNazev"), 0), Qt::LeftButton);
            break;
        case Intruder::TypeField: {
            auto* name = qobject_cast<QLineEdit*>(window.fieldWidget(*findField("tabJmenoStanice"), 0));
            fieldEditable = name->isEnabled();
            QTest::keyClicks(name, QStringLiteral(" a mnohem delsi nazev"));
            break;
        }
        }
    }

    SettingsDocument doc;
    EepromImage image;
    test::FakePrompts prompts;
    MainWindow window{doc, image};
    SimulatedEventPump pump;
    StationCore station;
    StationCore otherStation;
    VirtualSerialLine hardware{otherStation, pump};
    VirtualSerialLine virtualLine{station, pump};
    PortRouterLine line{hardware, virtualLine, MainWindow::virtualStationPort()};
    StationLink link{line, pump, prompts, window.busy()};
    QTemporaryDir dir;

    bool closed = false;
    bool modalOpened = false;
    bool fieldEditable = false;
};

TEST_P(OperationGuardTest, NoOtherCommandStartsDuringATransfer)
{
    const Case c = GetParam();
    named<QPushButton>("btDEA")->click();
    ASSERT_EQ(link.state(), LinkState::Active);
    const std::vector<std::uint8_t> before = station.memory();

    // The write sends settings the station does not hold, without verification
    // (the case where a mixed image would go unnoticed). Over these edits a
    // read first asks about saving them (answered Ne).
    doc.setText(*findField("tabJmenoStanice"), 0, QStringLiteral("Vrt 7"));
    doc.setText(*findField("tabOUTNazev"), 2, QStringLiteral("CERPADLO"));
    named<QCheckBox>("CheckWrite")->setChecked(false);
    EepromImage expected;
    ASSERT_EQ(encodeImage(doc.config(), expected), EncodeError::None);
    const int size = doc.settingsSize();

    // The intrusion arrives as an event during the wait for the 20th block.
    const std::uint8_t blockCommand = c.transfer == Transfer::Write ? 0x05 : 0x04;
    int blocks = 0;
    bool duringTransfer = false;
    bool stornoLive = false;
    QStringList enabledDuring;
    station.onRequest = [&](const StationCore::Request& r) {
        if (r.command != blockCommand || ++blocks != 20)
            return;
        pump.post(0, [&] {
            auto* busy = named("Info");
            duringTransfer = busy->isVisible();
            stornoLive = busy->findChild<QPushButton*>(QStringLiteral("Storno"))->isEnabled();
            for (const char* n : kGuarded)
                if (named(n)->isEnabled())
                    enabledDuring << QString::fromLatin1(n);
            intrude(c.intruder);
        });
    };
    QSignalSpy exit(&window, &MainWindow::exitRequested);
    const auto shownBefore = prompts.all.size();
    const QString port = window.selectedPort();

    named<QToolButton>(c.transfer == Transfer::Write ? "btEEPROMSave" : "btEEPROMLoad")->click();

    ASSERT_TRUE(duringTransfer) << "the intrusion came after the transfer";
    EXPECT_TRUE(stornoLive);
    EXPECT_TRUE(enabledDuring.isEmpty()) << enabledDuring.join(QLatin1Char(' ')).toStdString();
    const auto question = c.transfer == Transfer::Read ? 1u : 0u;
    ASSERT_EQ(prompts.all.size(), shownBefore + question + 1);
    EXPECT_EQ(prompts.all.back().text,
              QString::fromUtf8(c.transfer == Transfer::Write ? cmdmsg::kDeviceSaved : cmdmsg::kDeviceLoaded));

    const std::vector<std::uint8_t>& now = station.memory();
    if (c.transfer == Transfer::Write) {
        // The header below the station's own bytes and everything from 128 up
        // to the settings size hold the image of the click.
        for (int a = 0; a < size; ++a) {
            if (a < 64 || a >= 128) {
                ASSERT_EQ(now[std::size_t(a)], expected.at(a)) << "address " << a;
            }
        }
    } else {
        EXPECT_EQ(now, before);
        EXPECT_EQ(doc.config(), demoStationConfig());
    }

    // Nothing of the intruding command happened.
    EXPECT_EQ(link.state(), LinkState::Active);
    EXPECT_FALSE(QFile::exists(*prompts.saveName));
    EXPECT_EQ(exit.count(), 0);
    EXPECT_FALSE(closed);
    EXPECT_EQ(window.selectedPort(), port);
    EXPECT_FALSE(modalOpened) << "a modal window would hold the transfer";
    if (c.intruder == Intruder::TypeField) {
        EXPECT_TRUE(fieldEditable);
        EXPECT_EQ(window.settingsModified(), c.transfer == Transfer::Write)
            << "typed during a write: not in the station";
    }

    // Once the transfer is over the frame works again.
    for (const char* n : {"btDEA", "btFileLoad", "btFileSave", "btEEPROMLoad", "btEEPROMSave", "btTisk", "btNahled",
                          "btPorovnat", "btKonec", "btInformace", "tabINPbt_0"})
        EXPECT_TRUE(named(n)->isEnabled()) << n;
    EXPECT_FALSE(named("tabPort")->isEnabled()) << "the link is still up";
}

std::vector<Case> allCases()
{
    std::vector<Case> out;
    for (Transfer t : {Transfer::Write, Transfer::Read})
        for (int i = 0; i <= int(Intruder::TypeField); ++i)
            out.push_back({t, Intruder(i)});
    return out;
}

const char* const kIntruderNames[] = {"FileLoad",   "FileSave", "StationLoad", "StationSave",
                                      "LinkButton", "Print",    "ExitButton",  "CloseBox",
                                      "PortList",   "About",    "RowDialog",   "TypeField"};

INSTANTIATE_TEST_SUITE_P(Clicks, OperationGuardTest, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<Case>& p) {
                             return std::string(p.param.transfer == Transfer::Write ? "Write_" : "Read_")
                                 + kIntruderNames[int(p.param.intruder)];
                         });

// The close box of the busy window: Storno where offered, ignored otherwise,
// so the technician keeps the way out of a running command.
TEST(BusyWindowCloseBox, IsStornoWhereOfferedAndIgnoredOtherwise)
{
    for (const bool withStorno : {true, false}) {
        QWidget owner;
        BusyWindow busy(&owner);
        busy.showBusy(QStringLiteral("Načítám data z EEPROM do PC."), withStorno);
        busy.close();
        EXPECT_EQ(busy.cancelRequested(), withStorno);
        EXPECT_EQ(busy.isVisible(), !withStorno);
        busy.hideBusy();
    }
}

} // namespace
