#include "link/StationLink.h"
#include "LinkFakes.h"
#include "link/LineProtocol.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "support/SimulatedStation.h"

#include <gtest/gtest.h>

using namespace torval;
using namespace torval::test;

namespace {

const QString kActivationFailed = QStringLiteral("Při pokusu aktivovat spojení nastala chyba.");

struct LinkFixture : ::testing::Test, test::SimulatedStation {
    std::vector<LinkState> states;
    DeviceInfo shownInfo; // what the window's information panel shows
    void SetUp() override
    {
        link.setStateListener([this](LinkState s, const DeviceInfo& i) {
            states.push_back(s);
            shownInfo = i;
        });
    }
    void identity(std::array<std::uint8_t, 3> product, int major, int minor, int memory = 4, int modem = 4)
    {
        station.setIdentity({product, major, minor, memory, modem});
    }
};

TEST_F(LinkFixture, ActivationShowsInstructionAndIdentifies)
{
    EXPECT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
    ASSERT_GE(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              QStringLiteral("Uveďte zařízení do vypnutého stavu (CPU LED svítí trvale).\r\n"
                             "Pokud zařízení není vypnuto, vypnete jej stiskem tlačítka 'GSM OFF'.\r\n"
                             "Poté připojte konfigurační kabel a potvrďte 'OK'."));
    EXPECT_EQ(prompts.shown[0].icon, Icon::Information);
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(busy.texts.value(0), QStringLiteral("Program se pokouší navázat komunikaci ..."));
    EXPECT_FALSE(busy.visible);
    const DeviceInfo& i = link.deviceInfo();
    EXPECT_EQ(i.product, QStringLiteral("TORVAL"));
    EXPECT_EQ(i.version, QStringLiteral("1.0"));
    EXPECT_EQ(i.memorySize, QStringLiteral("  1984 byte"));
    EXPECT_EQ(i.memorySizeBytes(), 1984);
    EXPECT_EQ(i.modem, QStringLiteral("TC35 Siemens"));
    EXPECT_TRUE(line.isOpen());
}

TEST_F(LinkFixture, ProductsAndVersionsDecideTheState)
{
    struct Case {
        std::array<std::uint8_t, 3> product;
        int major, minor;
        LinkState state;
        const char* label;
        const char* message; // nullptr: none besides the instruction
        Icon icon;
    } cases[] = {
        {{130, 211, 25}, 1, 0, LinkState::Active, "TORVAL", nullptr, Icon::Information},
        {{130, 211, 25}, 1, 12, LinkState::Active, "TORVAL", nullptr, Icon::Information},
        {{130, 211, 25},
         0,
         9,
         LinkState::ActiveWrongDevice,
         "TORVAL",
         "Touto verzí programu lze naprogramovat pouze zařízení s procesorem verze 1.0 a vyšší.",
         Icon::Error},
        {{130, 211, 32},
         1,
         0,
         LinkState::ActiveWrongDevice,
         "MIK",
         "Touto verzí programu lze naprogramovat pouze zařízení TORVAL.",
         Icon::Error},
        {{130, 211, 33},
         2,
         0,
         LinkState::ActiveWrongDevice,
         "MIKA",
         "Touto verzí programu lze naprogramovat pouze zařízení TORVAL.",
         Icon::Error},
        {{131, 211, 25},
         1,
         0,
         LinkState::Active,
         "?",
         "Připojené zařízení není známo. Je sice povoleno ho naprogramovat, ale za způsobené chyby není ručeno.",
         Icon::Information},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        identity(c.product, c.major, c.minor);
        prompts.shown.clear();
        // The panel names the device and version that answered while the message about them is open.
        QStringList panelAtMessage;
        prompts.onMessage = [&] { panelAtMessage = {shownInfo.product, shownInfo.version}; };
        EXPECT_EQ(link.activateLink(QStringLiteral("COM 2")), c.state);
        EXPECT_EQ(link.deviceInfo().product, QString::fromUtf8(c.label));
        EXPECT_EQ(link.deviceInfo().version, QStringLiteral("%1.%2").arg(c.major).arg(c.minor));
        ASSERT_EQ(prompts.shown.size(), c.message ? 2u : 1u);
        if (c.message) {
            EXPECT_EQ(prompts.shown[1].text, QString::fromUtf8(c.message));
            EXPECT_EQ(prompts.shown[1].icon, c.icon);
            EXPECT_EQ(panelAtMessage,
                      QStringList({QString::fromUtf8(c.label), QStringLiteral("%1.%2").arg(c.major).arg(c.minor)}));
        }
        prompts.onMessage = nullptr;
        EXPECT_EQ(link.deactivateLink(), LinkState::Inactive);
        EXPECT_EQ(link.deviceInfo(), DeviceInfo{});
        EXPECT_FALSE(line.isOpen());
    }
}

TEST_F(LinkFixture, UnknownMemoryAndModemCodesLeaveQuestionMarks)
{
    identity({130, 211, 25}, 1, 0, 10, 99);
    EXPECT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
    EXPECT_EQ(link.deviceInfo().memorySize, QStringLiteral("?"));
    EXPECT_EQ(link.deviceInfo().modem, QStringLiteral("?"));
    EXPECT_FALSE(link.deviceInfo().memorySizeBytes());
}

TEST_F(LinkFixture, MemorySizeTable)
{
    const char* texts[] = {"    64 byte", "   192 byte", "   448 byte", "   960 byte", "  1984 byte",
                           "  4032 byte", "  8128 byte", " 16320 byte", " 32704 byte", " 65472 byte"};
    for (int code = 0; code < 10; ++code) {
        identity({130, 211, 25}, 1, 0, code, 32);
        ASSERT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
        EXPECT_EQ(link.deviceInfo().memorySize, QString::fromLatin1(texts[code]));
        EXPECT_EQ(link.deviceInfo().modem, QStringLiteral("GM12 Ericsson"));
        (void)link.deactivateLink();
    }
}

TEST_F(LinkFixture, StornoDuringHelloEndsInactiveWithPortClosed)
{
    station.faults().helloAfter = 0; // never in programming mode
    station.onRequest = [this](const StationCore::Request&) {
        if (station.framesReceived() == 5)
            busy.cancel = true;
    };
    EXPECT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Inactive);
    EXPECT_EQ(station.framesReceived(), 5);
    EXPECT_EQ(pump.elapsedMs(), 5 * 500);
    EXPECT_EQ(prompts.texts().last(), kActivationFailed);
    EXPECT_EQ(prompts.shown.back().icon, Icon::Error);
    EXPECT_FALSE(line.isOpen());
    EXPECT_FALSE(busy.visible);
}

TEST_F(LinkFixture, HelloRepeatsUntilTheStationAnswers)
{
    station.faults().helloAfter = 7;
    EXPECT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
    EXPECT_EQ(station.requests().size(), 7u + 2u);
}

TEST_F(LinkFixture, StornoAfterHelloOnlyHidesTheBusyWindow)
{
    station.onRequest = [this](const StationCore::Request& r) {
        if (r.command == 0x02)
            busy.cancel = true;
    };
    // Storno once the station answered: the link is made all the same, the
    // busy window goes away and nothing else is said or sent.
    EXPECT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
    EXPECT_FALSE(busy.visible);
    EXPECT_EQ(busy.log.last(), QStringLiteral("hide"));
    EXPECT_EQ(prompts.texts().size(), 1) << "the instruction only, no failure";
    EXPECT_TRUE(line.isOpen());
    EXPECT_EQ(sent(cmd::Leave), 0) << "no Leave";
}

TEST_F(LinkFixture, MissingIdentificationFails)
{
    station.faults().hangAfter = 1; // answers Hello, then nothing
    EXPECT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Inactive);
    EXPECT_EQ(prompts.texts().last(), kActivationFailed);
    EXPECT_FALSE(line.isOpen());
}

TEST_F(LinkFixture, OpenFailureStopsBeforeAnyOtherMessage)
{
    line.setOpenFails(true);
    EXPECT_EQ(link.activateLink(QStringLiteral("COM 4")), LinkState::Inactive);
    EXPECT_EQ(prompts.texts(), QStringList{QStringLiteral("Nelze otevřít port COM 4.")});
    EXPECT_TRUE(station.requests().empty());
}

TEST_F(LinkFixture, NoReplyToLeaveAsksAndKeepsOrDrops)
{
    ASSERT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
    line.setUnplugged(true);
    prompts.answers = {Answer::No};
    EXPECT_EQ(link.deactivateLink(), LinkState::Active);
    EXPECT_TRUE(line.isOpen());
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text,
              QStringLiteral("Při deaktivaci spojení došlo k chybě. Zařízení je zřejmě stále v programovacím módu. "
                             "Mám přesto přejít do 'Neaktivního stavu'?"));
    EXPECT_EQ(prompts.asked[0].icon, Icon::Error);
    prompts.answers = {Answer::Yes};
    EXPECT_EQ(link.deactivateLink(), LinkState::Inactive);
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(states.back(), LinkState::Inactive);
}

TEST_F(LinkFixture, ExitRuleAsksOnlyWithTheLinkUp)
{
    EXPECT_TRUE(link.confirmExit(ExitKind::ExitButton));
    EXPECT_TRUE(prompts.asked.empty());
    ASSERT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Active);
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(link.confirmExit(ExitKind::ExitButton));
    EXPECT_EQ(link.state(), LinkState::Active);
    prompts.answers = {Answer::No};
    EXPECT_TRUE(link.confirmExit(ExitKind::CloseWindow));
    EXPECT_EQ(link.state(), LinkState::Active);
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(link.confirmExit(ExitKind::ExitButton));
    EXPECT_EQ(link.state(), LinkState::Inactive);
    EXPECT_EQ(station.requests().back().command, 0x06);
    EXPECT_EQ(prompts.asked[0].icon, Icon::Question);
}

TEST(StationLinkScripted, ShortOrGarbledIdentificationIsNoIdentification)
{
    for (const QByteArray& reply : {QByteArray("\x82"
                                               "2839",
                                               5),
                                    QByteArray("\x82"
                                               "28XD910010",
                                               11)}) {
        SimulatedEventPump pump;
        ScriptedLine line(pump);
        line.answer = [&](const QByteArray& p) {
            if (p[0] == 0x01)
                return wire(QByteArray(1, char(0x81)));
            if (p[0] == 0x02)
                return wire(reply);
            return wire(QByteArray("\x83"
                                   "4040",
                                   5));
        };
        FakePrompts prompts;
        FakeBusy busy;
        StationLink link{line, pump, prompts, busy};
        EXPECT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Inactive);
        EXPECT_EQ(prompts.texts().last(), kActivationFailed);
    }
}

// An echoing cable returns every Hello at once as a frame with the wrong
// reply code; each Hello must still get its 500 ms, not be resent at once.
TEST(StationLinkScripted, WrongHelloRepliesDoNotHurryTheNextHello)
{
    SimulatedEventPump pump;
    ScriptedLine line(pump);
    line.answer = [](const QByteArray& p) { return wire(p); };
    FakePrompts prompts;
    FakeBusy busy;
    pump.post(2000, [&] { busy.cancel = true; });
    StationLink link{line, pump, prompts, busy};
    EXPECT_EQ(link.activateLink(QStringLiteral("COM 1")), LinkState::Inactive);
    EXPECT_EQ(prompts.texts().last(), kActivationFailed);
    EXPECT_GE(pump.elapsedMs(), 2000);
    EXPECT_LE(line.requests.size(), 2000u / 500u + 1u);
}

} // namespace
