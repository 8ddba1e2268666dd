// A station that answers late, paced like the 19,200-baud wire and answering
// one request after another: whatever the timing, a transfer reported as
// completed holds exactly the station's bytes, and a verified write puts
// exactly the image into the station. Replies carry no address, so a late
// reply taken for the next request's answer would shift the data by a block.

#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "LinkFakes.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace torval;
using namespace torval::test;

namespace {

struct LateCase {
    const char* name;
    int onceAddress; // -1: none
    int onceMs;
    int everyReadMs;
    bool write; // a verified write instead of a read
};

class LateReplies : public ::testing::TestWithParam<LateCase> {};

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

    // Every block different, so a block shifted by one cannot go unnoticed.
    std::mt19937 rng(7);
    for (int a = 0; a < kMemory; ++a)
        if (a < 64 || a >= 128)
            station.memory()[std::size_t(a)] = std::uint8_t(rng());
    auto image = std::make_unique<EepromImage>();
    for (auto& b : image->bytes())
        b = std::uint8_t(rng());
    // A few milliseconds to fetch the bytes from its EEPROM, late or not.
    station.faults().replyDelayMs = 4;
    station.faults().lateOnceAddress = c.onceAddress;
    station.faults().lateOnceMs = c.onceMs;
    station.faults().lateReadMs = c.everyReadMs;
    station.clearRequests();

    if (c.write) {
        ASSERT_EQ(link.writeEeprom(*image, kMemory, true), TransferOutcome::Completed);
        for (int a = 0; a < kMemory; ++a) {
            if (a < 64 || a >= 128) {
                ASSERT_EQ(station.memory()[std::size_t(a)], image->at(a)) << a;
            }
        }
    } else {
        ASSERT_EQ(link.readEeprom(*image), TransferOutcome::Completed);
        for (int a = 0; a < kMemory; ++a) {
            ASSERT_EQ(image->at(a), station.memory()[std::size_t(a)]) << a;
        }
    }
    if (c.onceAddress < 0 && c.everyReadMs == 0) {
        EXPECT_EQ(int(station.requests().size()), c.write ? 2 * (52 + 214) : 248); // a clean line: no retry
    }
    EXPECT_TRUE(prompts.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Timings, LateReplies,
    ::testing::Values(LateCase{"CleanRead", -1, 0, 0, false},
                      LateCase{"OnceJustAfterTheFirstWait", 272, 120, 0, false},
                      LateCase{"Once150", 272, 150, 0, false},
                      LateCase{"Once350", 272, 350, 0, false},
                      LateCase{"FirstBlockOnce1000", 0, 1000, 0, false},
                      LateCase{"Every150", -1, 0, 150, false},
                      LateCase{"Every600", -1, 0, 600, false},
                      LateCase{"Every1000", -1, 0, 1000, false},
                      LateCase{"CleanVerifiedWrite", -1, 0, 0, true},
                      LateCase{"VerifiedWriteOnce350", 40, 350, 0, true},
                      LateCase{"VerifiedWriteEvery250", -1, 0, 250, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
