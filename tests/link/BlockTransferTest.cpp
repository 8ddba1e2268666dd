#include "LinkFakes.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "support/SimulatedStation.h"

#include <gtest/gtest.h>
#include <random>

using namespace torval;
using namespace torval::test;

namespace {

struct TransferFixture : ::testing::Test, test::SimulatedStation {
    EepromImage image;

    void up(int memoryCode = 4)
    {
        station.setIdentity({{130, 211, 25}, 1, 0, memoryCode, 4});
        ASSERT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
        station.clearRequests();
    }
    std::vector<int> addresses(std::uint8_t command) const
    {
        std::vector<int> a;
        for (const auto& r : station.requests())
            if (r.command == command)
                a.push_back(r.address);
        return a;
    }
    // An image with a valid header and recognisable bytes everywhere.
    void fillImage(std::uint32_t seed)
    {
        std::mt19937 rng(seed);
        for (auto& b : image.bytes())
            b = std::uint8_t(rng() % 250);
        ASSERT_TRUE(image.writeImageWord(9602, 46));
        image.bytes()[48] = headerChecksum(image);
        ASSERT_TRUE(imageHeaderValid(image));
    }
};

TEST_F(TransferFixture, ReadCopiesTheWholeMemoryInOrder)
{
    up(4);
    EXPECT_EQ(link.readEeprom(image), TransferOutcome::Completed);
    const auto reads = addresses(0x04);
    ASSERT_EQ(reads.size(), 248u);
    for (std::size_t i = 0; i < reads.size(); ++i)
        ASSERT_EQ(reads[i], int(i) * 8);
    for (int a = 0; a < 1984; ++a)
        ASSERT_EQ(image.at(a), station.memory()[std::size_t(a)]) << a;
    EXPECT_EQ(image.at(1984), 0);
    EXPECT_EQ(busy.texts.last(), QStringLiteral("Načítám data z EEPROM do PC."));
    EXPECT_EQ(busy.progress.back(), std::make_pair(248, 248));
    EXPECT_FALSE(busy.visible);
}

TEST_F(TransferFixture, ReadOfTheLargestStationGoesAbove32767)
{
    up(9);
    for (std::size_t a = 0; a < station.memory().size(); ++a)
        station.memory()[a] = std::uint8_t(a * 31 + (a >> 8));
    EXPECT_EQ(link.readEeprom(image), TransferOutcome::Completed);
    const auto reads = addresses(0x04);
    ASSERT_EQ(reads.size(), 8184u);
    EXPECT_EQ(reads.back(), 65464);
    for (int a = 32760; a < 65472; ++a)
        ASSERT_EQ(image.at(a), station.memory()[std::size_t(a)]) << a;
}

TEST_F(TransferFixture, StornoAtBlock72EndsAfterThatBlockAndLeavesTheImage)
{
    up(4);
    station.onRequest = [this](const StationCore::Request& r) {
        if (r.command == 0x04 && r.address == 72)
            busy.cancel = true;
    };
    fillImage(3);
    const EepromImage before = image;
    EXPECT_EQ(link.readEeprom(image), TransferOutcome::Cancelled);
    EXPECT_EQ(addresses(0x04).back(), 72);
    // A cancelled read takes nothing over: the next save must not carry half a station.
    EXPECT_EQ(image, before);
}

TEST_F(TransferFixture, UnknownMemorySizeRefusesTheRead)
{
    up(10);
    EXPECT_EQ(link.readEeprom(image), TransferOutcome::Failed);
    EXPECT_TRUE(station.requests().empty());
    EXPECT_EQ(prompts.shown.back().text,
              QStringLiteral("Velikost paměti připojeného zařízení není známa, data z EEPROM proto nelze načíst."));
    EXPECT_EQ(prompts.shown.back().icon, Icon::Error);
}

TEST_F(TransferFixture, ReadRetriesTwelveTimesThenFails)
{
    up(4);
    station.faults().hangAfter = station.framesReceived() + 3;
    const qint64 t0 = pump.elapsedMs();
    EXPECT_EQ(link.readEeprom(image), TransferOutcome::Failed);
    const auto reads = addresses(0x04);
    ASSERT_EQ(reads.size(), 3u + 12u);
    // Waits of 100, 200, ... 1200 ms for the block that gets no answer; the
    // last request is then 1.2 s old, so the settling after it costs nothing.
    EXPECT_GE(pump.elapsedMs() - t0, 7800);
    EXPECT_LE(pump.elapsedMs() - t0, 7800 + 50);
}

TEST_F(TransferFixture, WriteOrderAndDataAreaBound)
{
    up(4);
    fillImage(1);
    const EepromImage before = image;
    EXPECT_EQ(link.writeEeprom(image, 276, false), TransferOutcome::Completed);
    // The magic's block is zeroed first and committed last.
    std::vector<int> expected{40, 0, 8, 16, 24, 32, 48, 56};
    for (int a = 128; a <= 264; a += 8)
        expected.push_back(a);
    expected.push_back(272);
    expected.push_back(280);
    for (int a = 128; a <= 264; a += 8)
        expected.push_back(a);
    for (int a : {0, 8, 16, 24, 32, 48, 56, 40}) // the magic's block last
        expected.push_back(a);
    EXPECT_EQ(addresses(0x05), expected);
    EXPECT_TRUE(addresses(0x04).empty()); // no verification asked
    EXPECT_EQ(image, before);
    for (int a = 0; a < 288; ++a) {
        if (a >= 64 && a < 128)
            continue;
        ASSERT_EQ(station.memory()[std::size_t(a)], before.at(a)) << a;
    }
    for (int a = 64; a < 128; ++a)
        ASSERT_EQ(station.memory()[std::size_t(a)], std::uint8_t(a * 7 + 3)); // the station's own bytes
    EXPECT_EQ(busy.texts.last(), QStringLiteral("Ukládám data z PC do EEPROM."));
    EXPECT_EQ(busy.progress.back(), std::make_pair(54, 54));
}

TEST_F(TransferFixture, DataAreaEndsAtTheFirstBlockNotBelowTheSizeAndInsideTheMemory)
{
    up(4); // 1,984 usable bytes; the station's own 64 bytes lie above them
    fillImage(2);
    for (std::size_t a = 1984; a < station.memory().size(); ++a)
        station.memory()[a] = std::uint8_t(a);
    struct Case {
        int size;
        int last;
    } cases[] = {{272, 272},   {273, 280},   {280, 280},   {300, 304},  {1975, 1976},
                 {1976, 1976}, {1977, 1976}, {1983, 1976}, {1984, 1976}};
    for (const auto& c : cases) {
        station.clearRequests();
        EXPECT_EQ(link.writeEeprom(image, c.size, true), TransferOutcome::Completed) << c.size;
        auto w = addresses(0x05);
        std::vector<int> data;
        for (int a : w)
            if (a >= 272)
                data.push_back(a);
        ASSERT_FALSE(data.empty());
        EXPECT_EQ(data.front(), 272);
        EXPECT_EQ(data.back(), c.last) << c.size;
        EXPECT_EQ(int(data.size()), (c.last - 272) / 8 + 1);
        for (int a = 272; a < std::min(c.size, 1984); ++a)
            ASSERT_EQ(station.memory()[std::size_t(a)], image.at(a)) << c.size << " at " << a;
        for (std::size_t a = 1984; a < station.memory().size(); ++a)
            ASSERT_EQ(station.memory()[a], std::uint8_t(a)) << c.size;
    }
}

TEST_F(TransferFixture, ReadBackMismatchWritesOnceReadsNineTimesThenFails)
{
    up(4);
    fillImage(3);
    const EepromImage before = image;
    station.faults().badReadback = 1;
    EXPECT_EQ(link.writeEeprom(image, 300, true), TransferOutcome::Failed);
    EXPECT_EQ(addresses(0x05), std::vector<int>{40});
    EXPECT_EQ(addresses(0x04), std::vector<int>(9, 40));
    // Waits 200 .. 1000 ms do not matter here (the station answers at once),
    // but nothing it returned reaches the image: the header comes back whole.
    EXPECT_EQ(image, before);
}

TEST_F(TransferFixture, CancelledWriteRestoresTheHeaderIntoTheImage)
{
    up(4);
    fillImage(4);
    const EepromImage before = image;
    station.onRequest = [this](const StationCore::Request& r) {
        if (r.command == 0x05 && r.address == 280)
            busy.cancel = true;
    };
    EXPECT_EQ(link.writeEeprom(image, 400, true), TransferOutcome::Cancelled);
    EXPECT_EQ(addresses(0x05).back(), 280);
    EXPECT_EQ(addresses(0x04).back(), 272); // the cancelled block is not verified
    EXPECT_EQ(image, before);
    EXPECT_FALSE(busy.visible);
}

// Storno during a block: the write stops after it; only the committing
// block, once written and verified, means the station holds everything.
TEST_F(TransferFixture, StornoDuringTheCommittingBlockIsTooLateToCancel)
{
    struct Case {
        int writeOfBlock40; // 1: zeroing it, 2: committing it
        bool verify;
        TransferOutcome outcome;
        bool stationValid;
        std::size_t reads; // the committing block is verified despite Storno
    } cases[] = {{1, true, TransferOutcome::Cancelled, false, 0},
                 {2, true, TransferOutcome::Completed, true, 2 * 26 + 5},
                 {2, false, TransferOutcome::Completed, true, 0}};
    up(4);
    for (const auto& c : cases) {
        fillImage(6);
        int seen = 0;
        station.onRequest = [&](const StationCore::Request& r) {
            if (r.command == 0x05 && r.address == 40 && ++seen == c.writeOfBlock40)
                busy.cancel = true;
        };
        station.clearRequests();
        EXPECT_EQ(link.writeEeprom(image, 300, c.verify), c.outcome) << c.writeOfBlock40;
        EXPECT_EQ(addresses(0x04).size(), c.reads) << c.writeOfBlock40;
        EepromImage held;
        std::copy(station.memory().begin(), station.memory().begin() + 1984, held.bytes().begin());
        EXPECT_EQ(imageHeaderValid(held), c.stationValid) << c.writeOfBlock40;
    }
}

TEST_F(TransferFixture, WriteRetriesTenTimesWithGrowingWaits)
{
    up(4);
    fillImage(5);
    const EepromImage before = image;
    station.faults().hangAfter = station.framesReceived() + 2;
    const qint64 t0 = pump.elapsedMs();
    EXPECT_EQ(link.writeEeprom(image, 300, false), TransferOutcome::Failed);
    EXPECT_EQ(addresses(0x05).size(), 2u + 10u);
    // Waits of 200 .. 1100 ms, then the last request is given its 1.2 s.
    EXPECT_GE(pump.elapsedMs() - t0, 6500 + 100);
    EXPECT_LE(pump.elapsedMs() - t0, 6500 + 100 + 50);
    EXPECT_EQ(image, before);
}

TEST(BlockTransferScripted, ShortOrGarbledReadRepliesAreRetriedNeverStored)
{
    SimulatedEventPump pump;
    ScriptedLine line(pump);
    int reads = 0;
    line.answer = [&](const QByteArray& p) {
        if (p[0] == 0x02)
            return wire(QByteArray("\x82"
                                   "82D3190001",
                                   11));
        if (p[0] != 0x04)
            return QByteArray();
        ++reads;
        if (reads == 1)
            return wire(QByteArray("\x84"
                                   "1122",
                                   5)); // short
        if (reads == 2)
            return wire(QByteArray("\x84"
                                   "11223344556677Z8",
                                   17)); // not hex
        return wire(QByteArray("\x84"
                               "1020304050607080",
                               17));
    };
    FakePrompts prompts;
    FakeBusy busy;
    LineProtocol protocol{line, pump, prompts};
    BlockTransfer transfer{protocol, busy};
    EepromImage image;
    ASSERT_TRUE(protocol.openPort(QStringLiteral("COM 1")));
    EXPECT_EQ(transfer.readEeprom(image, 8), TransferOutcome::Completed);
    EXPECT_EQ(reads, 4) << "a block taken after irregular replies is read again to confirm it";
    const std::uint8_t expected[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(image.at(k), expected[k]);
}

} // namespace
