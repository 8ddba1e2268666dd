// The link end to end through a real pseudo-terminal and QSerialPort, with
// the simulated station serving the other side in its own thread.

#include "link/LinkFakes.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "platform/QtEventPump.h"
#include "platform/QtSerialLine.h"
#include "station/PtyStation.h"
#include "station/StationCore.h"

#include <gtest/gtest.h>
#include <memory>
#include <thread>

using namespace torval;
using namespace torval::test;

namespace {

struct PtyFixture : ::testing::Test {
    StationCore core;
    PtyStation pty{core};
    std::thread server;
    QtEventPump pump;
    QtSerialLine line;
    FakePrompts prompts;
    FakeBusy busy;
    StationLink link{line, pump, prompts, busy};

    void SetUp() override
    {
        core.setIdentity({{130, 211, 25}, 1, 12, 2, 1}); // 448 bytes
        ASSERT_TRUE(pty.open()) << pty.errorText().toStdString();
        server = std::thread([this] { pty.serve(); });
    }
    void TearDown() override
    {
        pty.stop();
        if (server.joinable())
            server.join();
    }
};

TEST_F(PtyFixture, ActivatesReadsWritesWithVerificationAndLeaves)
{
    ASSERT_EQ(link.activateLink(pty.devicePath()), LinkState::Active) << prompts.texts().join('|').toStdString();
    EXPECT_EQ(link.deviceInfo().memorySize, QStringLiteral("   448 byte"));
    EXPECT_EQ(link.deviceInfo().modem, QStringLiteral("A1 Falcom"));
    EXPECT_EQ(link.deviceInfo().version, QStringLiteral("1.12"));

    EepromImage image;
    for (int a = 0; a < 448; ++a)
        image.bytes()[std::size_t(a)] = std::uint8_t(a * 13 + 1);
    ASSERT_TRUE(image.writeImageWord(9602, 46));
    image.bytes()[48] = headerChecksum(image);
    EXPECT_EQ(link.writeEeprom(image, 440, true), TransferOutcome::Completed);

    EepromImage back;
    EXPECT_EQ(link.readEeprom(back), TransferOutcome::Completed);
    for (int a = 0; a < 448; ++a) {
        if (a >= 64 && a < 128)
            continue; // the station's own
        ASSERT_EQ(back.at(a), image.at(a)) << a;
    }
    EXPECT_TRUE(imageHeaderValid(back));
    EXPECT_EQ(link.deactivateLink(), LinkState::Inactive);
    EXPECT_FALSE(line.isOpen());
    EXPECT_TRUE(prompts.asked.empty());

    // The station keeps serving after the PC closed the port.
    ASSERT_EQ(link.activateLink(pty.devicePath()), LinkState::Active);
    EXPECT_EQ(link.deactivateLink(), LinkState::Inactive);
}

TEST_F(PtyFixture, StationThatStopsAnsweringEndsInTimeouts)
{
    ASSERT_EQ(link.activateLink(pty.devicePath()), LinkState::Active);
    // The station stops serving: nothing answers any more, as on a pulled cable.
    pty.stop();
    server.join();
    EepromImage image;
    const qint64 t0 = pump.elapsedMs();
    EXPECT_EQ(link.transfer().readEeprom(image, 8), TransferOutcome::Failed);
    const qint64 elapsed = pump.elapsedMs() - t0;
    EXPECT_GE(elapsed, 7800); // twelve growing waits of 100 .. 1200 ms
    prompts.answers = {Answer::Yes};
    EXPECT_EQ(link.deactivateLink(), LinkState::Inactive);
}

// Counts how often the link woke up to look at the line.
class CountingPump final : public EventPump {
public:
    void processEvents() override { ++passes, m_pump.processEvents(); }
    void waitForEvents(int maxWaitMs) override { ++passes, m_pump.waitForEvents(maxWaitMs); }
    void armReplyTimer(int ms) override { m_pump.armReplyTimer(ms); }
    bool replyTimedOut() const override { return m_pump.replyTimedOut(); }
    void post(int delayMs, std::function<void()> fn) override { m_pump.post(delayMs, std::move(fn)); }
    qint64 elapsedMs() const override { return m_pump.elapsedMs(); }
    int passes = 0;

private:
    QtEventPump m_pump;
};

// The far end of the line vanishes (the pseudo-terminal's other side is
// closed, as when a USB adapter is pulled): the wait sleeps instead of waking
// for every hang-up notice, and the read ends as a failed block.
TEST(QtSerialLineVanished, WaitSleepsAndTheTransferFails)
{
    // The station process ends while a reply is awaited: its terminal side
    // and the master go, in that order.
    StationCore core;
    auto station = std::make_unique<PtyStation>(core);
    ASSERT_TRUE(station->open()) << station->errorText().toStdString();
    CountingPump pump;
    QtSerialLine line;
    FakePrompts prompts;
    FakeBusy busy;
    LineProtocol protocol{line, pump, prompts};
    BlockTransfer transfer{protocol, busy};
    ASSERT_TRUE(protocol.openPort(station->devicePath())) << line.errorText().toStdString();
    // Nobody serves the request; the station goes while the reply is awaited.
    pump.post(20, [&] { station.reset(); });
    EepromImage image;
    EXPECT_EQ(transfer.readEeprom(image, 64), TransferOutcome::Failed);
    EXPECT_TRUE(line.hasFailed());
    // Asleep between events: a handful of passes, not thousands.
    EXPECT_LT(pump.passes, 40) << pump.passes;
}

TEST(QtSerialLinePorts, ComNamesMapToTheMachinesSerialPorts)
{
#ifndef Q_OS_WIN
    EXPECT_EQ(QtSerialLine::resolvePortName(QStringLiteral("COM 1")), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(QtSerialLine::resolvePortName(QStringLiteral("COM 3")), QStringLiteral("/dev/ttyS2"));
    EXPECT_EQ(QtSerialLine::resolvePortName(QStringLiteral("com4")), QStringLiteral("/dev/ttyS3"));
#endif
    EXPECT_EQ(QtSerialLine::resolvePortName(QStringLiteral("/dev/pts/7")), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(QtSerialLine::resolvePortName(QStringLiteral("ttyUSB0")), QStringLiteral("ttyUSB0"));
}

TEST(QtSerialLinePorts, MissingPortGivesTheMessage)
{
    QtEventPump pump;
    QtSerialLine line;
    FakePrompts prompts;
    FakeBusy busy;
    StationLink link{line, pump, prompts, busy};
    EXPECT_EQ(link.activateLink(QStringLiteral("/dev/torval-no-such-port")), LinkState::Inactive);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Nelze otevřít port /dev/torval-no-such-port.")});
}

} // namespace
