// The quick read: the header, then the text area up to its end marker; the
// header alone when it is not valid (an empty station is known at once), and
// the whole memory when a valid header's lists do not end in the marker.

#include "LinkFakes.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "model/SettingsSize.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "support/SimulatedStation.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace torval;
using namespace torval::test;

namespace {

constexpr int kMemory = 8128; // memory code 6

// Where the encoder put the marker, found by scanning from the general texts.
int markerEnd(const EepromImage& image)
{
    const int p = image.at(38) | (image.at(39) << 8);
    int pos = p;
    for (int zeros = 0; zeros < 8; ++pos)
        zeros += image.at(pos) == 0;
    return pos + 2;
}

struct QuickReadFixture : ::testing::Test, test::SimulatedStation {
    std::unique_ptr<EepromImage> settings = std::make_unique<EepromImage>();
    int used = 0;
    int saved = 0; // one past the last block a station write of the settings sends

    void SetUp() override
    {
        station.setIdentity({{130, 211, 25}, 1, 0, 6, 4});
        ASSERT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
        DeviceConfig c;
        c.tabJmenoStanice = QStringLiteral("STANICE 7");
        c.rtBattLow = c.tabAINCL1Dn[7] = QStringLiteral("BATERIE SLABA");
        for (int i = 0; i < 8; ++i)
            c.tabINPNazev[std::size_t(i)] = QStringLiteral("VSTUP %1").arg(i + 1);
        ASSERT_EQ(encodeImage(c, *settings), EncodeError::None);
        used = markerEnd(*settings);
        saved = (settingsSize(c) + 7) / 8 * 8 + 8;
        ASSERT_GT(saved, used + 7) << "the battery text reaches past the marker's block";
        // Whatever lies after the marker is old stuff the quick read skips.
        for (int a = 0; a < kMemory; ++a)
            station.memory()[std::size_t(a)] = a < used ? settings->at(a) : std::uint8_t(0xA5);
        station.clearRequests();
    }
    int reads() const
    {
        int n = 0;
        for (const auto& r : station.requests())
            n += r.command == 0x04;
        return n;
    }
};

enum class Reach { Used, Header, Whole };
struct Case {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&, int used)> damage;
    Reach reach;
};

class QuickReadCases : public QuickReadFixture, public ::testing::WithParamInterface<Case> { };

TEST_P(QuickReadCases, ReadsUpToTheMarkerOrFallsBackToTheWholeMemory)
{
    GetParam().damage(station.memory(), used);
    auto image = std::make_unique<EepromImage>();
    ASSERT_EQ(link.transfer().readUsedEeprom(*image, kMemory), TransferOutcome::Completed);
    // The quick read also covers the blocks a save of these settings sends
    // (the size estimate reaches past the marker), not just the marker's block.
    const Reach r = GetParam().reach;
    const int expectedBlocks = r == Reach::Used ? std::max(used + 7, saved) / 8 : r == Reach::Header ? 34 : kMemory / 8;
    EXPECT_EQ(reads(), expectedBlocks);
    for (int a = 0; a < expectedBlocks * 8; ++a)
        ASSERT_EQ(image->at(a), station.memory()[std::size_t(a)]) << a;
    EXPECT_EQ(image->at(expectedBlocks * 8), 0) << "bytes after the read keep what the image held";
    EXPECT_EQ(busy.progress.back(), std::make_pair(expectedBlocks, expectedBlocks));
    EXPECT_FALSE(busy.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Images, QuickReadCases,
    ::testing::Values(Case{"Programmed", [](auto&, int) {}, Reach::Used},
                      // 0xFF 0xFF inside a text is no marker: the terminators are counted.
                      Case{"MarkerBytesInsideAText",
                           [](auto& m, int) {
                               const int p = m[0] | (m[1] << 8); // first input name
                               m[std::size_t(p)] = 0xFF;
                               m[std::size_t(p + 1)] = 0xFF;
                           },
                           Reach::Used},
                      Case{"Unprogrammed", [](auto& m, int) { std::fill(m.begin(), m.end(), std::uint8_t(0)); },
                           Reach::Header},
                      Case{"HeaderZeroedByACutWrite",
                           [](auto& m, int) { std::fill(m.begin() + 40, m.begin() + 48, 0); }, Reach::Header},
                      Case{"MarkerMissing", [](auto& m, int used) { m[std::size_t(used - 1)] = 0x20; }, Reach::Whole},
                      Case{"MarkerBeyondTheMemory",
                           [](auto& m, int) {
                               // A valid header whose last list starts past the memory's end.
                               m[38] = 0x00;
                               m[39] = 0xF0;
                               unsigned sum = 1;
                               for (int a = 0; a < 48; ++a)
                                   sum += m[std::size_t(a)];
                               m[48] = std::uint8_t((sum & 0xFF) == 13 ? 12 : sum & 0xFF);
                           },
                           Reach::Whole}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuickReadFixture, TheLinkReadsTheUsedPartOnlyWhenAsked)
{
    auto image = std::make_unique<EepromImage>();
    ASSERT_EQ(link.readEeprom(*image), TransferOutcome::Completed);
    EXPECT_EQ(reads(), kMemory / 8);
    station.clearRequests();
    link.setReadUsedOnly(true);
    ASSERT_EQ(link.readEeprom(*image), TransferOutcome::Completed);
    EXPECT_EQ(reads(), saved / 8);
    EXPECT_TRUE(imageHeaderValid(*image));
}

TEST_F(QuickReadFixture, StornoAndFailureEndTheQuickReadLikeTheFullOne)
{
    station.onRequest = [&](const StationCore::Request& r) {
        if (r.command == 0x04 && r.address == 72)
            busy.cancel = true;
    };
    auto image = std::make_unique<EepromImage>();
    EXPECT_EQ(link.transfer().readUsedEeprom(*image, kMemory), TransferOutcome::Cancelled);
    EXPECT_EQ(reads(), 10);
    station.onRequest = nullptr;

    station.clearRequests();
    station.faults().hangAfter = station.framesReceived() + 50;
    EXPECT_EQ(link.transfer().readUsedEeprom(*image, kMemory), TransferOutcome::Failed);
    EXPECT_FALSE(busy.visible);
}

} // namespace
