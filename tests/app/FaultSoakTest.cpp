// The fault soak: random configurations written with verification and read
// back through a real pseudo-terminal against a station that damages and
// drops replies, and writes cut short by a station that stops answering.
// Whatever the line does, a write reported as done must have put exactly the
// settings into the station, and a station cut off mid-write must not look
// programmed.

#include "ProgramRunner.h"

#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>

using namespace torval;
using namespace torval::test;

namespace {

QString randomText(std::mt19937& rng, int maxLen)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPRSTUVZ0123456789 ČŘŽÁÉ");
    const int n = std::uniform_int_distribution<int>(0, maxLen)(rng);
    QString s;
    for (int i = 0; i < n; ++i)
        s += letters[std::uniform_int_distribution<int>(0, int(letters.size()) - 1)(rng)];
    return s;
}

// Random names and reports; outputs and numbers stay at their defaults so the
// output cross-check lets every configuration through.
DeviceConfig randomSettings(std::mt19937& rng)
{
    DeviceConfig c;
    c.tabJmenoStanice = randomText(rng, 16);
    c.rtSwitchOn = randomText(rng, 20);
    c.rtPowerDown = randomText(rng, 20);
    for (int i = 0; i < 8; ++i) {
        c.tabINPNazev[std::size_t(i)] = randomText(rng, 10);
        c.tabINPZap[std::size_t(i)] = randomText(rng, 6);
        c.tabAINStateH[std::size_t(i)] = randomText(rng, 6);
    }
    for (int i = 0; i < 7; ++i)
        c.tabAINNazev[std::size_t(i)] = randomText(rng, 10);
    c.tabCITNazev[1] = randomText(rng, 8);
    return c;
}

TEST(FaultSoak, NoSilentCorruptionThroughADamagingLine)
{
    QTemporaryDir dir;
    const auto file = [&](const QString& n) { return dir.filePath(n); };
    std::mt19937 rng(20240611);
    constexpr int kCycles = 14;
    constexpr int kCutCycles = 2;
    int cycles = 0, successes = 0, failures = 0, silent = 0, readsBack = 0, readMismatches = 0, cutsInvalid = 0;

    // The station starts programmed with the first settings and carries its
    // memory from one cycle to the next, so stale data is always there to be
    // mistaken for new.
    QString memory = file(QStringLiteral("mem0.eep"));
    ASSERT_TRUE(writeFile(memory, settingsFileBytes(randomSettings(rng))));

    for (int i = 0; i < kCycles + kCutCycles; ++i) {
        SCOPED_TRACE(i);
        const bool cut = i >= kCycles;
        const DeviceConfig c = randomSettings(rng);
        const QByteArray settings = settingsFileBytes(c);
        const QString in = file(QStringLiteral("in%1.eep").arg(i));
        ASSERT_TRUE(writeFile(in, settings));
        const QString saved = file(QStringLiteral("mem%1.eep").arg(i + 1));
        QStringList args{QStringLiteral("--memory-code"), QStringLiteral("5"),
                         QStringLiteral("--image"),       memory,
                         QStringLiteral("--save"),        saved,
                         QStringLiteral("--seed"),        QString::number(1000 + i)};
        if (cut)
            // Well into the write, after the magic's block has been zeroed.
            args << QStringLiteral("--hang-after") << QString::number(std::uniform_int_distribution<int>(20, 150)(rng));
        else
            args << QStringLiteral("--corrupt") << QStringLiteral("0.02") << QStringLiteral("--drop")
                 << QStringLiteral("0.02");
        StationProcess station(args);
        ASSERT_FALSE(station.port().isEmpty());
        ++cycles;

        const CliResult w = runCli({QStringLiteral("write"), QStringLiteral("--port"), station.port(), in});
        const QByteArray after = readAll(saved);
        if (w.exitCode == 0) {
            ++successes;
            EXPECT_FALSE(cut) << "a write to a station that stopped answering reported success";
            const int diff = firstDifference(settings, after);
            if (diff >= 0) {
                ++silent;
                ADD_FAILURE() << "write reported done, station differs at " << diff;
            }
        } else {
            ++failures;
            EXPECT_EQ(w.exitCode, 1);
            EXPECT_TRUE(w.err.contains(QStringLiteral("nebyla úspěšně uložena"))
                        || w.err.contains(QStringLiteral("aktivovat spojení")))
                << w.err.toStdString();
        }
        if (cut) {
            const bool invalid = !imageHeaderValid(*imageOf(after));
            cutsInvalid += invalid;
            EXPECT_TRUE(invalid) << "valid header left by a cut write";
        } else if (w.exitCode == 0) {
            const QString back = file(QStringLiteral("back%1.eep").arg(i));
            const CliResult r = runCli({QStringLiteral("read"), QStringLiteral("--port"), station.port(),
                                        QStringLiteral("--used-only"), QStringLiteral("-o"), back});
            if (r.exitCode == 0) {
                ++readsBack;
                if (firstDifference(settings, readAll(back)) >= 0 || readAll(back).size() != settings.size()) {
                    ++readMismatches;
                    ADD_FAILURE() << "read back differs";
                }
            }
        }
        if (!after.isEmpty())
            memory = saved;
    }
    std::printf("fault soak: cycles %d, successes %d, reported failures %d, silent corruptions %d, "
                "reads back %d (mismatches %d), cut writes leaving an invalid header %d of %d\n",
                cycles, successes, failures, silent, readsBack, readMismatches, cutsInvalid, kCutCycles);
    EXPECT_EQ(silent, 0);
    EXPECT_GT(successes, kCycles / 2);
}

} // namespace
