#include "ui/MainWindowTestSupport.h"

#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/SettingsDocument.h"
#include "platform/PortRouterLine.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace torval;
using torval::test::FakePrompts;

namespace {

// The window on the virtual station, through the same router as the program.
class MainWindowLinkTest : public ::testing::Test {
protected:
    MainWindowLinkTest()
    {
        window.setPrompts(prompts);
        window.setLink(&link);
        window.selectPort(MainWindow::virtualStationPort());
    }
    ~MainWindowLinkTest() override { window.setLink(nullptr); }

    QString text(const char* name) { return window.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QString colour(const char* name) { return window.findChild<QLabel*>(QString::fromLatin1(name))->styleSheet(); }
    QPushButton* dea() { return window.findChild<QPushButton*>(QStringLiteral("btDEA")); }
    bool enabled(const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name))->isEnabled(); }
    bool leaveSent() const
    {
        for (const auto& r : station.requests())
            if (r.command == 0x06)
                return true;
        return false;
    }

    SettingsDocument doc;
    EepromImage image;
    FakePrompts prompts;
    MainWindow window{doc, image};
    SimulatedEventPump pump;
    StationCore station;
    StationCore otherStation;
    VirtualSerialLine hardware{otherStation, pump}; // stands in for a real port
    VirtualSerialLine virtualLine{station, pump};
    PortRouterLine line{hardware, virtualLine, MainWindow::virtualStationPort()};
    StationLink link{line, pump, prompts, window.busy()};
};

TEST_F(MainWindowLinkTest, ActivateAndDeactivateShowTheLinkState)
{
    dea()->click();
    ASSERT_EQ(link.state(), LinkState::Active);
    EXPECT_TRUE(virtualLine.isOpen());
    EXPECT_FALSE(hardware.isOpen());
    EXPECT_EQ(text("tabDeAktivNapis"), QStringLiteral("Aktivní"));
    EXPECT_TRUE(colour("tabDeAktivNapis").contains(QStringLiteral("0, 0, 255")));
    EXPECT_EQ(dea()->text(), QStringLiteral("Deaktivovat"));
    EXPECT_FALSE(enabled("tabPort"));
    EXPECT_TRUE(enabled("btEEPROMLoad"));
    EXPECT_TRUE(enabled("btEEPROMSave"));
    EXPECT_EQ(text("lblInfoProdukt"), QStringLiteral("TORVAL"));
    EXPECT_EQ(text("lblInfoVerze"), QStringLiteral("1.0"));
    EXPECT_EQ(text("lblInfoPamSize"), QStringLiteral("  1984 byte"));
    EXPECT_EQ(text("lblInfoPamFree"), QStringLiteral("%1 byte").arg(1984 - doc.settingsSize()));
    EXPECT_FALSE(window.busy().cancelRequested());

    dea()->click();
    EXPECT_EQ(link.state(), LinkState::Inactive);
    EXPECT_TRUE(leaveSent());
    EXPECT_FALSE(virtualLine.isOpen());
    EXPECT_EQ(text("tabDeAktivNapis"), QStringLiteral("Neaktivní"));
    EXPECT_TRUE(colour("tabDeAktivNapis").contains(QStringLiteral("255, 0, 0")));
    EXPECT_EQ(dea()->text(), QStringLiteral("Aktivovat"));
    EXPECT_TRUE(enabled("tabPort"));
    EXPECT_FALSE(enabled("btEEPROMLoad"));
    for (const char* n : {"lblInfoModem", "lblInfoPamSize", "lblInfoProdukt", "lblInfoVerze", "lblInfoPamFree"})
        EXPECT_EQ(text(n), QStringLiteral("?")) << n;
}

TEST_F(MainWindowLinkTest, AnotherProductComesUpAsWrongDeviceWithoutTransfers)
{
    StationIdentity mik;
    mik.product = {130, 211, 32};
    station.setIdentity(mik);
    dea()->click();
    ASSERT_EQ(link.state(), LinkState::ActiveWrongDevice);
    EXPECT_EQ(text("tabDeAktivNapis"), QStringLiteral("Chybné zařízení"));
    EXPECT_TRUE(colour("tabDeAktivNapis").contains(QStringLiteral("0, 0, 255")));
    EXPECT_EQ(text("lblInfoProdukt"), QStringLiteral("MIK"));
    EXPECT_EQ(dea()->text(), QStringLiteral("Deaktivovat"));
    EXPECT_FALSE(enabled("btEEPROMLoad"));
    EXPECT_FALSE(enabled("btEEPROMSave"));
}

TEST_F(MainWindowLinkTest, ARealPortGoesToTheHardwareLine)
{
    window.selectPort(QStringLiteral("COM 2"));
    dea()->click();
    EXPECT_EQ(link.state(), LinkState::Active);
    EXPECT_TRUE(hardware.isOpen());
    EXPECT_FALSE(virtualLine.isOpen());
    EXPECT_GT(otherStation.framesReceived(), 0);
    EXPECT_EQ(station.framesReceived(), 0);
}

TEST_F(MainWindowLinkTest, ExitButtonWithLinkUpAsksWithCancel)
{
    dea()->click();
    ASSERT_TRUE(link.isUp());
    QSignalSpy exit(&window, &MainWindow::exitRequested);
    const auto before = prompts.all.size();

    prompts.answers = {Answer::Cancel};
    window.findChild<QPushButton*>(QStringLiteral("btKonec"))->click();
    ASSERT_EQ(prompts.all.size(), before + 1);
    EXPECT_EQ(prompts.all.back().icon, Icon::Question);
    EXPECT_EQ(prompts.all.back().buttons, Buttons::YesNoCancel);
    EXPECT_EQ(exit.count(), 0);
    EXPECT_TRUE(link.isUp());

    prompts.answers = {Answer::No};
    window.findChild<QPushButton*>(QStringLiteral("btKonec"))->click();
    EXPECT_EQ(exit.count(), 1);
    EXPECT_FALSE(leaveSent()); // No: end at once, without talking to the station
}

TEST_F(MainWindowLinkTest, ClosingWithLinkUpAsksYesNoAndDeactivatesOnYes)
{
    dea()->click();
    ASSERT_TRUE(link.isUp());
    window.show();
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(prompts.all.back().buttons, Buttons::YesNo);
    EXPECT_TRUE(leaveSent());
    EXPECT_EQ(link.state(), LinkState::Inactive);
}

TEST_F(MainWindowLinkTest, ClosingWithLinkUpAndNoLeavesTheStationAlone)
{
    dea()->click();
    ASSERT_TRUE(link.isUp());
    window.show();
    prompts.answers = {Answer::No};
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(leaveSent());
}

} // namespace
