// A station that answers late, twice or with a stale copy, paced like the
// 19,200-baud wire and answering one request after another: whatever the
// timing, a transfer reported as completed holds exactly the station's bytes,
// and a verified write puts exactly the image into the station. Replies carry
// no address, so a reply taken for the next request's answer would shift the
// data by a block.

#include "LinkFakes.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

using namespace torval;
using namespace torval::test;

namespace {

struct LateCase {
    const char* name;
    int onceAddress = -1; // -1: none
    int onceMs = 0;
    int everyReadMs = 0;
    bool write = false; // a verified write instead of a read
    bool quick = false; // the quick read (up to the settings' end marker)
    int twiceAt = -1;   // the first read of this block is answered twice
    int staleAt = -1;   // the previous reply comes again before this block's
    int replyMs = 4;    // a few milliseconds to fetch the bytes from its EEPROM ...
    int jitterMs = 0;   // ... and up to this much more, at random
};

class LateReplies : public ::testing::TestWithParam<LateCase> { };

// Whatever the timing, a read is exact or clearly failed (the image as it
// was), never a success over wrong data, and the link then leaves
// programming mode without a word.
TEST_P(LateReplies, CompletedTransferHoldsExactlyTheStationsBytes)
{
    const LateCase& c = GetParam();
    SimulatedEventPump pump;
    StationCore station;
    VirtualSerialLine line{station, pump};
    line.setBaud(19200);
    FakePrompts prompts;
    FakeBusy busy;
    StationLink link{line, pump, prompts, busy};
    ASSERT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
    prompts.shown.clear();
    constexpr int kMemory = 1984;

    // Every block different, so a block shifted by one cannot go unnoticed;
    // the quick read gets real settings, which end well inside the memory.
    std::mt19937 rng(7);
    for (int a = 0; a < kMemory; ++a)
        if (a < 64 || a >= 128)
            station.memory()[std::size_t(a)] = std::uint8_t(rng());
    int end = kMemory;
    if (c.quick) {
        DeviceConfig cfg;
        for (int i = 0; i < 8; ++i)
            cfg.tabINPNazev[std::size_t(i)] = QStringLiteral("VSTUP %1 U BRANY").arg(i + 1);
        auto settings = std::make_unique<EepromImage>();
        ASSERT_EQ(encodeImage(cfg, *settings), EncodeError::None);
        end = BlockTransfer::savedEnd(*settings);
        for (int a = 0; a < end; ++a)
            if (a < 64 || a >= 128)
                station.memory()[std::size_t(a)] = settings->at(a);
    }
    auto image = std::make_unique<EepromImage>();
    for (auto& b : image->bytes())
        b = std::uint8_t(rng());
    const std::vector<std::uint8_t> before(image->bytes().begin(), image->bytes().end());
    station.faults().replyDelayMs = c.replyMs;
    station.faults().replyJitterMs = c.jitterMs;
    station.faults().lateOnceAddress = c.onceAddress;
    station.faults().lateOnceMs = c.onceMs;
    station.faults().lateReadMs = c.everyReadMs;
    station.faults().twiceOnceAddress = c.twiceAt;
    station.faults().staleOnceAddress = c.staleAt;
    station.clearRequests();

    if (c.write) {
        ASSERT_EQ(link.writeEeprom(*image, kMemory, true), TransferOutcome::Completed);
        for (int a = 0; a < kMemory; ++a) {
            if (a < 64 || a >= 128) {
                ASSERT_EQ(station.memory()[std::size_t(a)], image->at(a)) << a;
            }
        }
    } else {
        link.setReadUsedOnly(c.quick);
        const TransferOutcome outcome = link.readEeprom(*image);
        ASSERT_NE(outcome, TransferOutcome::Cancelled);
        if (outcome == TransferOutcome::Failed) {
            ASSERT_TRUE(std::equal(before.begin(), before.end(), image->bytes().begin()))
                << "a failed read leaves the image alone";
        } else {
            for (int a = 0; a < end; ++a) {
                ASSERT_EQ(image->at(a), station.memory()[std::size_t(a)]) << a;
            }
        }
    }
    int reads = 0, probes = 0;
    for (const auto& r : station.requests()) {
        reads += r.command == 0x04;
        probes += r.command == 0x02;
    }
    if (c.onceAddress < 0 && c.everyReadMs == 0 && c.twiceAt < 0 && c.staleAt < 0 && !c.quick) {
        // A clean line: no retry, no second reading, one check that the
        // replies are in step per read (two for a verified write).
        EXPECT_EQ(reads, c.write ? 52 + 214 : 248);
        EXPECT_EQ(probes, c.write ? 2 : 1);
    }
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(link.deactivateLink(), LinkState::Inactive);
    EXPECT_TRUE(prompts.shown.empty()) << "a spare reply passed for the answer to Leave";
}

constexpr int kLast = 1984 - 8;
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Timings, LateReplies,
    ::testing::Values(
        LateCase{.name = "CleanRead"},
        LateCase{.name = "OnceJustAfterTheFirstWait", .onceAddress = 272, .onceMs = 120},
        LateCase{.name = "Once150", .onceAddress = 272, .onceMs = 150},
        LateCase{.name = "Once350", .onceAddress = 272, .onceMs = 350},
        LateCase{.name = "FirstBlockOnce1000", .onceAddress = 0, .onceMs = 1000},
        LateCase{.name = "Every150", .everyReadMs = 150},
        LateCase{.name = "Every600", .everyReadMs = 600},
        LateCase{.name = "Every1000", .everyReadMs = 1000},
        // A station that needs 25-40 ms a reply, one reply later than the longest
        // wait: the late reply passes for the retry's, the retry's for the next block's.
        LateCase{.name = "SlowStationOnce1190", .onceAddress = 272, .onceMs = 1190, .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "SlowStationOnce1250", .onceAddress = 800, .onceMs = 1250, .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "SlowStationOnce1500", .onceAddress = 8, .onceMs = 1500, .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "QuickSlowStationOnce1250", .onceAddress = 280, .onceMs = 1250, .quick = true,
                 .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "QuickSlowStationOnce1500", .onceAddress = 16, .onceMs = 1500, .quick = true,
                 .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "TwiceSecond", .twiceAt = 8, .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "TwiceMiddle", .twiceAt = 1000},
        LateCase{.name = "TwiceLast", .twiceAt = kLast, .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "QuickTwiceSecond", .quick = true, .twiceAt = 8},
        LateCase{.name = "StaleSecond", .staleAt = 8},
        LateCase{.name = "StaleMiddle", .staleAt = 1000, .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "StaleLast", .staleAt = kLast},
        LateCase{.name = "QuickStaleSecond", .quick = true, .staleAt = 8, .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "QuickStaleMiddle", .quick = true, .staleAt = 400},
        LateCase{.name = "CleanVerifiedWrite", .write = true},
        LateCase{.name = "VerifiedWriteOnce350", .onceAddress = 40, .onceMs = 350, .write = true},
        LateCase{.name = "VerifiedWriteEvery250", .everyReadMs = 250, .write = true},
        LateCase{.name = "VerifiedWriteSlowOnce1250", .onceAddress = 280, .onceMs = 1250, .write = true,
                 .replyMs = 25, .jitterMs = 15},
        LateCase{.name = "VerifiedWriteTwice", .write = true, .twiceAt = 400},
        LateCase{.name = "VerifiedWriteStale", .write = true, .staleAt = 400}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
