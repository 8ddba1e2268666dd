// What the link relies on from a serial line and an event pump, checked
// against each implementation: QSerialPort with the Qt event loop on a
// pseudo-terminal served by the simulated station (on Windows: the Win32
// line on a COM port that leads to a station), and the in-process virtual
// station with the simulated clock.

#include "link/FrameCodec.h"
#include "link/LineProtocol.h"
#include "platform/PortLine.h"
#include "platform/QtEventPump.h"
#ifndef _WIN32
#include "station/PtyStation.h"
#endif
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"

#include <gtest/gtest.h>
#include <thread>

using namespace torval;

namespace {

#ifdef _WIN32
// TORVAL_TEST_COM_PORT names the port; scripts/windows links Wine's COM7 to
// the terminal of a Linux torval-station for this.
struct WinOnCom {
    QtEventPump pump;
    WinSerialLine line;

    QString port() { return qEnvironmentVariable("TORVAL_TEST_COM_PORT"); }
    QString missingPort() { return QStringLiteral("COM 250"); }
};
using HardwareLine = WinOnCom;
#else
struct QtOnPty {
    StationCore core;
    PtyStation pty{core};
    std::thread server;
    QtEventPump pump;
    QtSerialLine line;

    QString port()
    {
        if (server.joinable())
            return pty.devicePath();
        if (!pty.open())
            return {};
        server = std::thread([this] { pty.serve(); });
        return pty.devicePath();
    }
    QString missingPort() { return QStringLiteral("/nonexistent/ttyTORVAL"); }
    ~QtOnPty()
    {
        line.close();
        pty.stop();
        if (server.joinable())
            server.join();
    }
};

using HardwareLine = QtOnPty;
#endif

struct Virtual {
    StationCore core;
    SimulatedEventPump pump;
    VirtualSerialLine line{core, pump};

    QString port()
    {
        line.setOpenFails(false);
        return QString::fromUtf8(VirtualSerialLine::kPortName);
    }
    // The virtual line opens under any name; its missing port is a switch.
    QString missingPort()
    {
        line.setOpenFails(true);
        return QStringLiteral("COM 99");
    }
};

template <class Env>
struct LineConformance : ::testing::Test {
    Env env;
};

using Implementations = ::testing::Types<HardwareLine, Virtual>;
TYPED_TEST_SUITE(LineConformance, Implementations);

TYPED_TEST(LineConformance, OpensClosesAndRefusesAClosedOrMissingPort)
{
    auto& line = this->env.line;
    const std::uint8_t byte = 0x01;
    EXPECT_FALSE(line.isOpen());
    EXPECT_FALSE(line.write({&byte, 1})) << "a closed line takes no bytes";

    EXPECT_FALSE(line.open(this->env.missingPort()));
    EXPECT_FALSE(line.isOpen());
    EXPECT_FALSE(line.errorText().isEmpty()) << "a refused opening says why";

    const QString port = this->env.port();
    ASSERT_FALSE(port.isEmpty());
    ASSERT_TRUE(line.open(port)) << line.errorText().toStdString();
    EXPECT_TRUE(line.isOpen());
    EXPECT_FALSE(line.hasFailed());
    EXPECT_TRUE(line.read(10).isEmpty()) << "nothing was asked, nothing arrives";
    line.close();
    EXPECT_FALSE(line.isOpen());
    line.close(); // closing a closed line does nothing
    EXPECT_FALSE(line.isOpen());
    ASSERT_TRUE(line.open(port)) << "a line opens again after closing";
    EXPECT_TRUE(line.isOpen());
}

// A request's reply arrives only while the pump processes events, and is
// read in pieces of at most the size asked for.
TYPED_TEST(LineConformance, RepliesArriveThroughThePumpInPiecesAsAsked)
{
    auto& line = this->env.line;
    ASSERT_TRUE(line.open(this->env.port())) << line.errorText().toStdString();
    const QByteArray hello = buildFrame(QByteArray(1, char(cmd::Hello)));
    ASSERT_TRUE(line.write({reinterpret_cast<const std::uint8_t*>(hello.constData()), std::size_t(hello.size())}));
    EXPECT_EQ(line.bytesAvailable(), 0) << "bytes arrive only while events are processed";

    QByteArray got;
    const qint64 t0 = this->env.pump.elapsedMs();
    while (!got.endsWith(char(kFrameEnd)) && this->env.pump.elapsedMs() - t0 < 3000) {
        this->env.pump.waitForEvents(50);
        while (line.bytesAvailable() > 0) {
            const QByteArray piece = line.read(3);
            ASSERT_FALSE(piece.isEmpty());
            ASSERT_LE(piece.size(), 3);
            got += piece;
        }
    }
    ASSERT_TRUE(got.endsWith(char(kFrameEnd))) << got.toHex().toStdString();
    const QByteArray payload = got.left(got.size() - 2);
    EXPECT_EQ(std::uint8_t(got[got.size() - 2]), frameChecksum(payload)) << "one whole, intact frame";
    EXPECT_TRUE(line.read(10).isEmpty());
    EXPECT_EQ(line.bytesAvailable(), 0);
}

// The one-shot reply timer and posted work run from the event processing.
TYPED_TEST(LineConformance, PumpTimerAndPostedWorkRunInTime)
{
    auto& pump = this->env.pump;
    const qint64 t0 = pump.elapsedMs();
    pump.armReplyTimer(120);
    EXPECT_FALSE(pump.replyTimedOut());
    bool soon = false;
    qint64 lateAt = -1;
    pump.post(0, [&] { soon = true; });
    pump.post(60, [&] { lateAt = pump.elapsedMs(); });
    EXPECT_FALSE(soon) << "posted work waits for the event processing";
    pump.processEvents();
    EXPECT_TRUE(soon);
    int waits = 0;
    while (!pump.replyTimedOut() && pump.elapsedMs() - t0 < 3000) {
        pump.waitForEvents(1000);
        ++waits;
    }
    ASSERT_TRUE(pump.replyTimedOut());
    EXPECT_GE(pump.elapsedMs() - t0, 120);
    ASSERT_NE(lateAt, -1) << "posted work runs once its delay has passed";
    EXPECT_GE(lateAt - t0, 60);
    EXPECT_LE(waits, 10) << "a wait sleeps until the next event instead of spinning";

    // Arming again clears the flag and starts the interval anew.
    pump.armReplyTimer(40);
    EXPECT_FALSE(pump.replyTimedOut());
    const qint64 t1 = pump.elapsedMs();
    while (!pump.replyTimedOut() && pump.elapsedMs() - t1 < 3000)
        pump.waitForEvents(1000);
    EXPECT_GE(pump.elapsedMs() - t1, 40);
}

} // namespace
