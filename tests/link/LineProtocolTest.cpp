#include "link/LineProtocol.h"
#include "LinkFakes.h"
#include "link/FrameCodec.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"

#include <gtest/gtest.h>

using namespace torval;
using namespace torval::test;

namespace {

QByteArray bytes(std::initializer_list<int> l)
{
    QByteArray b;
    for (int v : l)
        b.append(char(v));
    return b;
}

TEST(FrameCodec, ChecksumIsSumPlusOneAndNeverThirteen)
{
    struct Case {
        QByteArray payload;
        int checksum;
    } cases[] = {
        {bytes({0x01}), 0x02},       {bytes({0x81}), 0x82}, {bytes({0x04, 0x30, 0x31, 0x31, 0x30}), 0xC7},
        {bytes({0x05, 0x06}), 0x0C}, // 11 + 1 = 12
        {bytes({0x06, 0x06}), 0x0C}, // 12 + 1 = 13 -> 12
        {bytes({0xFF, 0x0D}), 0x0C}, // 0x10D wraps to 13 -> 12
        {bytes({0xFF, 0x0E}), 0x0E},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frameChecksum(c.payload), c.checksum) << c.payload.toHex().constData();
}

TEST(FrameCodec, HexByteSendsLowNibbleFirstInCapitals)
{
    struct Case {
        int value;
        const char* text;
    } cases[] = {{0x3A, "A3"}, {0x05, "50"}, {0x10, "01"}, {0xFF, "FF"}, {0x00, "00"}, {0xC4, "4C"}};
    for (const auto& c : cases) {
        const auto h = hexByte(std::uint8_t(c.value));
        EXPECT_EQ(QByteArray(h.data(), 2), QByteArray(c.text));
        EXPECT_EQ(decodeHexByte(c.text[0], c.text[1]), c.value);
    }
    EXPECT_EQ(decodeHexByte('a', 'f'), 0xFA);
    EXPECT_FALSE(decodeHexByte('G', '0'));
    EXPECT_FALSE(decodeHexByte('0', ' '));
    EXPECT_FALSE(hexByteAt(QByteArray("\x84"
                                      "1",
                                      2),
                           1)); // half a pair
}

struct ProtocolFixture : ::testing::Test {
    SimulatedEventPump pump;
    StationCore station;
    VirtualSerialLine line{station, pump};
    FakePrompts prompts;
    LineProtocol protocol{line, pump, prompts};
    void SetUp() override { ASSERT_TRUE(protocol.openPort(QStringLiteral("COM 1"))); }
};

TEST_F(ProtocolFixture, SendsTheDocumentedReadFrame)
{
    protocol.sendFrame(bytes({0x04, 0x30, 0x31, 0x31, 0x30}));
    EXPECT_EQ(line.sent(), bytes({0x04, 0x30, 0x31, 0x31, 0x30, 0xC7, 0x0D}));
}

TEST_F(ProtocolFixture, BurstWithoutTerminatorIsDrainedAndTimesOut)
{
    QByteArray burst(150, 'A');
    burst[120] = '\r'; // a CR beyond the stored 101 bytes cannot complete the frame
    line.inject(burst);
    const LineFrame f = protocol.receiveFrame(100);
    EXPECT_FALSE(f.valid());
    EXPECT_TRUE(pump.replyTimedOut());
    EXPECT_EQ(line.bytesAvailable(), 0);
}

TEST_F(ProtocolFixture, TwoRepliesWaitingTogetherAreOneFrame)
{
    // Two hello replies: the checksum test runs over 81 82 0D 81 against 82.
    line.inject(wire(bytes({0x81})) + wire(bytes({0x81})));
    EXPECT_FALSE(protocol.receiveFrame(100).valid());

    // A pair whose combined checksum happens to hold is taken as one payload.
    const QByteArray first = bytes({0x81, 0x50, 0x0D});
    const QByteArray second = wire(bytes({0x40}));
    QByteArray combinedPayload = first + second.left(1);
    QByteArray both = combinedPayload;
    both.append(char(frameChecksum(combinedPayload)));
    both.append('\r');
    line.inject(both);
    const LineFrame f = protocol.receiveFrame(100);
    ASSERT_TRUE(f.valid());
    EXPECT_EQ(f.data, combinedPayload);
}

TEST_F(ProtocolFixture, LoneCarriageReturnAndBadChecksumGiveNothing)
{
    line.inject(QByteArray("\r"));
    EXPECT_FALSE(protocol.receiveFrame(100).valid());
    QByteArray bad = wire(bytes({0x81}));
    bad[1] = char(0x83);
    line.inject(bad);
    EXPECT_FALSE(protocol.receiveFrame(100).valid());
    line.inject(wire(bytes({0x81})));
    EXPECT_EQ(protocol.receiveFrame(100).data, bytes({0x81}));
}

TEST_F(ProtocolFixture, FrameCompletingAsTheTimerFiresIsRejected)
{
    line.inject(wire(bytes({0x81})), 100);
    EXPECT_FALSE(protocol.receiveFrame(100).valid());
}

TEST_F(ProtocolFixture, BytesAfterTheFrameStayForTheNextReceive)
{
    line.inject(wire(bytes({0x81})));
    line.inject(wire(bytes({0x86})), 10);
    EXPECT_EQ(protocol.receiveFrame(100).data, bytes({0x81}));
    EXPECT_EQ(protocol.receiveFrame(100).data, bytes({0x86}));
}

TEST_F(ProtocolFixture, ExchangeWantsTheMatchingReplyCode)
{
    EXPECT_TRUE(protocol.exchange(bytes({0x01}), 500).valid());
    line.inject(wire(bytes({0x83})));
    protocol.sendFrame(bytes({0x02}));
    (void)protocol.receiveFrame(100);                                        // the station's real reply
    EXPECT_FALSE(protocol.exchange(bytes({0x06, 0x00, 0x00}), 100).valid()); // refused Leave
}

TEST(LineProtocolPort, MissingPortShowsItsName)
{
    SimulatedEventPump pump;
    StationCore station;
    VirtualSerialLine line{station, pump};
    line.setOpenFails(true);
    FakePrompts prompts;
    LineProtocol protocol{line, pump, prompts};
    EXPECT_FALSE(protocol.openPort(QStringLiteral("COM 3")));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, QStringLiteral("Nelze otevřít port COM 3."));
    EXPECT_EQ(prompts.shown[0].icon, Icon::Error);
}

TEST(LineProtocolPort, PulledCableWaitsOutTheTimerWithoutSpinning)
{
    SimulatedEventPump pump;
    StationCore station;
    VirtualSerialLine line{station, pump};
    FakePrompts prompts;
    LineProtocol protocol{line, pump, prompts};
    ASSERT_TRUE(protocol.openPort(QStringLiteral("COM 1")));
    line.setUnplugged(true);
    const qint64 t0 = pump.elapsedMs();
    EXPECT_FALSE(protocol.exchange(bytes({0x01}), 500).valid());
    EXPECT_EQ(pump.elapsedMs() - t0, 500);
    EXPECT_LE(pump.waits(), 2);
}

} // namespace
