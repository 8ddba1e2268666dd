#include "station/StationCore.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

// Frames written out by hand: payload, sum + 1 (13 -> 12), CR.
QByteArray frame(QByteArray payload)
{
    unsigned sum = 1;
    for (char c : payload)
        sum += std::uint8_t(c);
    std::uint8_t k = std::uint8_t(sum & 0xFF);
    payload.append(char(k == 13 ? 12 : k));
    payload.append('\r');
    return payload;
}

QByteArray writeRequest(int address, char fill)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray p(1, char(0x05));
    for (int b : {address & 0xFF, address >> 8}) {
        p.append(hex[b & 15]);
        p.append(hex[b >> 4]);
    }
    p.append(QByteArray(16, fill));
    return frame(p);
}

TEST(StationCore, RefusesWritesIntoItsOwnAreaAndBeyondItsMemory)
{
    StationCore station({{130, 211, 25}, 1, 0, 2, 4}); // 512 bytes
    const auto before = station.memory();
    struct Case {
        int address;
        bool accepted;
    } cases[] = {{0, true},   {56, true},  {60, false},  {64, false},  {120, false},
                 {128, true}, {504, true}, {505, false}, {512, false}, {65528, false}};
    for (const auto& c : cases) {
        const QByteArray reply = station.receive(writeRequest(c.address, '7'));
        EXPECT_EQ(reply == frame(QByteArray(1, char(0x85))), c.accepted) << c.address;
    }
    for (int a = 64; a < 128; ++a)
        EXPECT_EQ(station.memory()[std::size_t(a)], before[std::size_t(a)]);
    EXPECT_EQ(station.memory()[0], 0x77);
    EXPECT_EQ(station.memory()[511], 0x77);
}

TEST(StationCore, AnswersIdentificationAndIgnoresDamagedFrames)
{
    StationCore station({{130, 211, 25}, 1, 12, 4, 32});
    EXPECT_EQ(station.receive(frame(QByteArray(1, 0x02))),
              frame(QByteArray("\x82"
                               "28"
                               "3D"
                               "91"
                               "C0"
                               "10",
                               11)));
    EXPECT_EQ(station.receive(frame(QByteArray(1, 0x03))),
              frame(QByteArray("\x83"
                               "40"
                               "02",
                               5)));
    QByteArray bad = frame(QByteArray(1, 0x01));
    bad[1] = 0x05;
    EXPECT_TRUE(station.receive(bad).isEmpty());
    // Two requests in one chunk get two replies.
    EXPECT_EQ(station.receive(frame(QByteArray(1, 0x01)) + frame(QByteArray("\x06\xAA\x55", 3))),
              frame(QByteArray(1, char(0x81))) + frame(QByteArray(1, char(0x86))));
}

TEST(StationCore, HangAfterStopsStoringAndAnswering)
{
    StationCore station;
    station.faults().hangAfter = 1;
    EXPECT_FALSE(station.receive(writeRequest(0, '1')).isEmpty());
    EXPECT_TRUE(station.receive(writeRequest(8, '2')).isEmpty());
    EXPECT_EQ(station.memory()[8], 0xFF);
}

} // namespace
