// Series programming on several ports at once, with in-process stations: each
// port's session is made on its own thread, as the command line does.

#include "provisioning/ProvisionPorts.h"
#include "link/LineProtocol.h"
#include "link/LinkFakes.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <thread>

using namespace torval;
using namespace torval::test;

namespace {

class StopBusy final : public FakeBusy {
public:
    StopBusy(const std::atomic<bool>& stop, const VirtualSerialLine& line) : m_stop(stop), m_line(line) { }
    bool cancelRequested() const override { return m_stop.load() || m_line.hasFailed(); }

private:
    const std::atomic<bool>& m_stop;
    const VirtualSerialLine& m_line;
};

// Lost: opens when first tried, then the adapter is pulled. Pulled: its
// adapter is pulled while the second station is waited for.
enum class Port { Opens, Missing, Lost, Pulled };

struct Session final : PortSession {
    Session(StationCore& station, const std::atomic<bool>& stop, Port kind)
        : line(station, pump), stopBusy(stop, line), kind(kind)
    {
        line.setOpenFails(kind == Port::Missing || kind == Port::Lost);
    }
    bool lineLost() const override { return line.hasFailed(); }
    StationLink& link() override { return stationLink; }
    Prompts& prompts() override { return fakePrompts; }
    BusyIndicator& busy() override { return stopBusy; }
    bool portOpens(QString& error) override
    {
        if (kind == Port::Opens || (kind == Port::Lost && probes++ == 0) || (kind == Port::Pulled && !line.hasFailed()))
            return true;
        error = QStringLiteral("port neexistuje");
        return false;
    }
    SimulatedEventPump pump;
    FakePrompts fakePrompts;
    VirtualSerialLine line;
    StopBusy stopBusy;
    StationLink stationLink{line, pump, fakePrompts, stopBusy};
    Port kind;
    int probes = 0;
};

struct ProvisionPorts : ::testing::Test {
    QTemporaryDir dir;
    std::map<QString, std::unique_ptr<StationCore>> stations;
    std::mutex saidMutex;
    QStringList said;
    ProvisionSettings settings;
    std::atomic<const std::atomic<bool>*> runStop{nullptr}; // the run's stop flag, once a port has started

    void SetUp() override
    {
        for (const char* p : {"dobry", "vadny", "chybi", "ztraceny", "vytazeny"})
            stations[QString::fromLatin1(p)] = std::make_unique<StationCore>();
        // Reads back a wrong byte now and then: the read-back compare fails.
        stations[QStringLiteral("vadny")]->faults().badReadback = 1.0;
        settings.backupDir = dir.filePath(QStringLiteral("zalohy"));
        settings.logPath = dir.filePath(QStringLiteral("protokol.csv"));
        settings.say = [this](const QString& l) {
            const std::lock_guard lock(saidMutex);
            said << l;
        };
        // Every port starts its stations in the same second.
        settings.now = [] { return QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)); };
    }
    PortSessionFactory factory()
    {
        return [this](const QString& port, const std::atomic<bool>& stop) {
            runStop = &stop;
            const Port kind = port == QLatin1String("chybi") ? Port::Missing
                : port == QLatin1String("ztraceny")          ? Port::Lost
                : port == QLatin1String("vytazeny")          ? Port::Pulled
                                                             : Port::Opens;
            auto session = std::make_unique<Session>(*stations.at(port), stop, kind);
            if (kind == Port::Pulled) {
                // The second station's first hello never arrives: the adapter is gone.
                stations.at(port)->onRequest = [line = &session->line,
                                                leaves = 0](const StationCore::Request& r) mutable {
                    leaves += r.command == cmd::Leave;
                    if (leaves == 1 && r.command == cmd::Hello) {
                        line->setUnplugged(true);
                        line->setOpenFails(true);
                    }
                };
            }
            return session;
        };
    }
    // Rows k and k + 4 name the same station (a site with two pumps called
    // alike), so backups started in the same second must still differ.
    static QByteArray rows(int n)
    {
        QByteArray csv = "tabJmenoStanice,tabPIN\n";
        for (int k = 1; k <= n; ++k)
            csv += "Stanice " + QByteArray::number((k - 1) % 4 + 1) + "," + QByteArray::number(1000 + k) + "\n";
        csv += "Spatna,12x\n";
        return csv;
    }
};

TEST_F(ProvisionPorts, EveryRowOnceAFailingAndAMissingPortLeaveTheRotationTheLogStaysWhole)
{
    // The good port's first station waits until the bad port has failed
    // three times, so the bad one surely gets rows to fail.
    std::atomic<int> badLeaves{0};
    stations["vadny"]->onRequest = [&](const StationCore::Request& r) {
        if (r.command == cmd::Leave)
            ++badLeaves;
    };
    bool held = false;
    stations["dobry"]->onRequest = [&](const StationCore::Request&) {
        for (int k = 0; !held && badLeaves < 3 && k < 1000; ++k)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        held = true;
    };
    const StationTable table = readStationTable(rows(8), DeviceConfig{});
    ASSERT_EQ(table.rows.size(), 8u);
    const ProvisionSummary s = provisionOnPorts(table, {"dobry", "vadny", "chybi", "ztraceny", "vytazeny"}, settings,
                                                factory(), [] { return false; });

    // Each row finished exactly once; the good port did all the bad one did not.
    std::multiset<int> lines;
    for (const StationResult& r : s.results)
        lines.insert(r.line);
    for (int line = 2; line <= 10; ++line)
        EXPECT_EQ(lines.count(line), 1u) << "row on line " << line;
    EXPECT_EQ(s.invalid, 1);
    EXPECT_EQ(s.failed, 3);
    EXPECT_EQ(s.programmed, 5);
    EXPECT_EQ(s.skipped, 0);
    ASSERT_EQ(s.ports.size(), 5u);
    EXPECT_EQ(s.ports[0].programmed + s.ports[4].programmed, 5);
    EXPECT_EQ(s.ports[4].programmed, 1) << "pulled out while its second station was waited for";
    EXPECT_TRUE(s.ports[4].retired.startsWith(QStringLiteral("Zařízení portu 'vytazeny' zmizelo; port je vyřazen")))
        << s.ports[4].retired.toStdString();
    EXPECT_TRUE(s.ports[0].retired.isEmpty());
    EXPECT_EQ(s.ports[1].failed, 3);
    EXPECT_FALSE(s.ports[1].retired.isEmpty());
    EXPECT_EQ(s.ports[2].programmed + s.ports[2].failed, 0);
    EXPECT_EQ(s.ports[2].retired,
              QStringLiteral("Port 'chybi' nelze otevřít (port neexistuje); je vyřazen z programování."));
    EXPECT_EQ(s.ports[3].programmed + s.ports[3].failed, 0) << "its row went to another port";
    EXPECT_TRUE(s.ports[3].retired.contains(QStringLiteral("převezme jiný port")));
    for (const StationResult& r : s.results) {
        const char* port = r.outcome == StationOutcome::Programmed ? (r.port == "vytazeny" ? "vytazeny" : "dobry")
            : r.outcome == StationOutcome::Failed                  ? "vadny"
                                                                   : "";
        EXPECT_EQ(r.port, QLatin1String(port)) << "row on line " << r.line;
    }

    // The good station holds the last row it was given, and every backup has a name of its own.
    const StationResult& last = [&]() -> const StationResult& {
        for (auto it = s.results.rbegin(); it != s.results.rend(); ++it)
            if (it->port == QLatin1String("dobry"))
                return *it;
        return s.results.front();
    }();
    EepromImage now;
    std::copy(stations["dobry"]->memory().begin(), stations["dobry"]->memory().end(), now.bytes().begin());
    const DeviceConfig holds = decodeImage(now, DeviceConfig{}).config;
    EXPECT_EQ(holds.tabJmenoStanice, last.name);
    EXPECT_EQ(holds.tabPIN, QString::number(1000 + last.line - 1));
    std::set<QString> backups;
    for (const StationResult& r : s.results)
        if (!r.backupFile.isEmpty()) {
            EXPECT_TRUE(backups.insert(r.backupFile).second) << r.backupFile.toStdString();
        }
    EXPECT_EQ(backups.size(), 8u);

    // One whole log line per row, in the order the stations finished.
    QFile f(settings.logPath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList log = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(log.size(), 10);
    EXPECT_EQ(log[0], logHeader());
    for (std::size_t k = 0; k < s.results.size(); ++k)
        EXPECT_EQ(log[qsizetype(k) + 1], logLine(s.results[k]));
    EXPECT_TRUE(said.contains(
        QStringLiteral("[vadny] Stanice na portu 'vadny' selhaly 3krát za sebou; port je vyřazen z programování.")))
        << said.join('\n').toStdString();
}

TEST_F(ProvisionPorts, CtrlCEndsEveryPortAfterItsCurrentBlockAndCountsWhatWasLeft)
{
    // Ctrl+C comes while the second port writes its first station; the
    // first port's station is still being waited for. Both stations then
    // answer only once the run has seen it (it looks every 50 ms).
    std::atomic<bool> interrupt{false};
    const auto dawdle = [this] {
        for (int k = 0; !(runStop && runStop.load()->load()) && k < 1000; ++k)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    };
    stations["vadny"]->faults().badReadback = 0;
    stations["vadny"]->onRequest = [&](const StationCore::Request& r) {
        if (r.command == 0x05 && !interrupt) {
            interrupt = true;
            dawdle();
        }
    };
    bool held = false;
    stations["dobry"]->onRequest = [&](const StationCore::Request&) {
        for (int k = 0; !held && !interrupt && k < 1000; ++k)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!held)
            dawdle();
        held = true;
    };
    const StationTable table = readStationTable(rows(6), DeviceConfig{});
    const ProvisionSummary s =
        provisionOnPorts(table, {"dobry", "vadny"}, settings, factory(), [&] { return interrupt.load(); });
    EXPECT_TRUE(s.cancelled);
    EXPECT_EQ(s.programmed, 0);
    EXPECT_EQ(s.skipped, 6) << "no new station after Ctrl+C";
    EXPECT_EQ(s.ports[0].skipped, 1);
    EXPECT_EQ(s.ports[1].skipped, 1);
    ASSERT_EQ(s.results.size(), 3u); // the invalid row and the station in hand on each port
    EXPECT_EQ(s.results[2].outcome, StationOutcome::Cancelled);
}

} // namespace
