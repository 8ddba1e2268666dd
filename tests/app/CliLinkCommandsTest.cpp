// torval-cli read and write against torval-station on a real pseudo-terminal.

#include "ProgramRunner.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace torval;
using namespace torval::test;

namespace {

const QString kNotProgrammed =
    QStringLiteral("Data nebyla úspěšně načtena z EEPROM. EEPROM zřejmě není naprogramována.");
const QString kSaved = QStringLiteral("Data byla úspěšně uložena do EEPROM.");

DeviceConfig sample()
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("ČERPADLO 3");
    c.tabINPNazev[0] = QStringLiteral("HLADINA");
    c.tabOUTNazev[0] = QStringLiteral("MOTOR");
    c.tabOUTZap[0] = QStringLiteral("ZAP");
    c.tabOUTVyp[0] = QStringLiteral("VYP");
    c.tabAINNazev[1] = QStringLiteral("TLAK");
    return c;
}

struct CliFixture : ::testing::Test {
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(CliFixture, WriteThenReadGivesTheSameSettingsFileFullOrQuick)
{
    const QByteArray settings = settingsFileBytes(sample());
    ASSERT_TRUE(writeFile(file("in.eep"), settings));
    StationProcess station(
        {QStringLiteral("--memory-code"), QStringLiteral("9"), QStringLiteral("--save"), file("station.eep")});
    ASSERT_FALSE(station.port().isEmpty());

    const CliResult w = runCli({QStringLiteral("write"), QStringLiteral("--port"), station.port(), file("in.eep")});
    ASSERT_EQ(w.exitCode, 0) << w.err.toStdString();
    EXPECT_TRUE(w.err.contains(kSaved));
    EXPECT_EQ(firstDifference(settings, readAll(file("station.eep"))), -1);

    for (const char* out : {"full.eep", "quick.eep"}) {
        QStringList args{QStringLiteral("read"), QStringLiteral("--port"), station.port(), QStringLiteral("-o"),
                         file(out)};
        if (QByteArray(out) == "quick.eep")
            args << QStringLiteral("--used-only");
        const CliResult r = runCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Data byla úspěšně načtena z EEPROM.")));
        const QByteArray back = readAll(file(out));
        EXPECT_EQ(back.size(), settings.size()) << out;
        EXPECT_EQ(firstDifference(settings, back), -1) << out;
    }
}

// A station on a 19,200-baud line that answers one block read late: the
// read still gives exactly the station's settings, never a block shifted.
TEST_F(CliFixture, ReadThroughALateReplyGivesTheStationsBytes)
{
    const QByteArray settings = settingsFileBytes(sample());
    ASSERT_TRUE(writeFile(file("st.eep"), settings));
    for (const char* late : {"272:150", "280:350"}) {
        StationProcess station({QStringLiteral("--memory-code"), QStringLiteral("3"), QStringLiteral("--image"),
                                file("st.eep"), QStringLiteral("--baud"), QStringLiteral("19200"),
                                QStringLiteral("--late-once"), QString::fromLatin1(late)});
        ASSERT_FALSE(station.port().isEmpty());
        QFile::remove(file("back.eep"));
        const CliResult r = runCli(
            {QStringLiteral("read"), QStringLiteral("--port"), station.port(), QStringLiteral("-o"), file("back.eep")});
        EXPECT_EQ(r.exitCode, 0) << late << "\n" << r.err.toStdString();
        const QByteArray back = readAll(file("back.eep"));
        EXPECT_EQ(back.size(), settings.size()) << late;
        EXPECT_EQ(firstDifference(settings, back), -1) << late;
    }
}

TEST_F(CliFixture, ReadOfAnUnprogrammedStationWritesNoFile)
{
    StationProcess station({QStringLiteral("--memory-code"), QStringLiteral("4")});
    for (const char* quick : {"", "--used-only"}) {
        QStringList args{QStringLiteral("read"), QStringLiteral("--port"), station.port(), QStringLiteral("-o"),
                         file("x.eep")};
        if (*quick)
            args << QString::fromLatin1(quick);
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(kNotProgrammed)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(file("x.eep")));
    }
}

TEST_F(CliFixture, ReadKeepsAnExistingFileUnlessForced)
{
    const QByteArray settings = settingsFileBytes(sample());
    ASSERT_TRUE(writeFile(file("st.eep"), settings));
    ASSERT_TRUE(writeFile(file("old.eep"), QByteArray("keep me")));
    StationProcess station({QStringLiteral("--image"), file("st.eep")});
    const QStringList args{QStringLiteral("read"), QStringLiteral("--port"), station.port(), QStringLiteral("-o"),
                           file("old.eep")};
    const CliResult refused = runCli(args);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--force"))) << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains(QStringLiteral("CPU LED"))) << "refused only after the station was read";
    EXPECT_EQ(readAll(file("old.eep")), QByteArray("keep me"));

    const CliResult forced = runCli(QStringList(args) << QStringLiteral("--force"));
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_EQ(readAll(file("old.eep")), settings);
}

TEST_F(CliFixture, BadFilesAndPortsFailWithTheirMessagesAndTouchNoStation)
{
    ASSERT_TRUE(writeFile(file("junk.eep"), QByteArray(300, 'x')));
    ASSERT_TRUE(writeFile(file("good.eep"), settingsFileBytes(sample())));
    StationProcess station({QStringLiteral("--save"), file("station.eep")});
    struct Case {
        QStringList args;
        int exitCode;
        QString message;
    } cases[] = {
        {{QStringLiteral("write"), QStringLiteral("--port"), station.port(), file("junk.eep")},
         1,
         QStringLiteral("Data v souboru '") + file("junk.eep")
             + QStringLiteral("' nejsou v pořádku - neodpovídají formátu EEPROM.")},
        {{QStringLiteral("write"), QStringLiteral("--port"), station.port(), file("missing.eep")},
         1,
         QStringLiteral("Při načítání nastavení programu ze souboru '") + file("missing.eep")
             + QStringLiteral("' nastala chyba.")},
        {{QStringLiteral("write"), QStringLiteral("--port"), file("no-such-port"), file("good.eep")},
         1,
         QStringLiteral("Nelze otevřít port ") + file("no-such-port") + QStringLiteral(".")},
        {{QStringLiteral("read"), QStringLiteral("--port"), file("no-such-port"), QStringLiteral("-o"), file("r.eep")},
         1,
         QStringLiteral("Nelze otevřít port ") + file("no-such-port") + QStringLiteral(".")},
        {{QStringLiteral("write"), QStringLiteral("--port")}, 2, QStringLiteral("Použití")},
        {{QStringLiteral("read"), QStringLiteral("--port"), station.port()}, 2, QStringLiteral("Použití")},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file("station.eep"))) << "a bad file reached the station";
    EXPECT_FALSE(QFile::exists(file("r.eep")));
}

TEST_F(CliFixture, TooLargeSettingsAreRefusedBeforeAnythingIsSent)
{
    DeviceConfig c = sample();
    for (auto& t : c.tabINPNazev)
        t = QStringLiteral("VELMI DLOUHY NAZEV VSTUPU");
    const QByteArray settings = settingsFileBytes(c);
    ASSERT_GT(settings.size(), 192);
    ASSERT_TRUE(writeFile(file("big.eep"), settings));
    StationProcess station(
        {QStringLiteral("--memory-code"), QStringLiteral("1"), QStringLiteral("--save"), file("station.eep")});
    const CliResult r = runCli({QStringLiteral("write"), QStringLiteral("--port"), station.port(), file("big.eep")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral(") je větší než je možno vložit do EEPROM (   192 byte).")))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(file("station.eep")));
}

TEST_F(CliFixture, SimulatorPortNeedsNoStationProcess)
{
    const QByteArray settings = settingsFileBytes(sample());
    ASSERT_TRUE(writeFile(file("in.eep"), settings));
    const CliResult w =
        runCli({QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("simulator"), file("in.eep")});
    EXPECT_EQ(w.exitCode, 0) << w.err.toStdString();
    EXPECT_TRUE(w.err.contains(kSaved));
    // Each run meets a new, empty simulated station.
    const CliResult r = runCli({QStringLiteral("read"), QStringLiteral("--port"), QStringLiteral("simulator"),
                                QStringLiteral("-o"), file("out.eep")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(kNotProgrammed));
}

// Whatever the station does wrong ends with status 1 and its one message,
// without a terminal and with --force too; info works on the simulator.
TEST_F(CliFixture, StationTroublesEndWithStatusOneAndTheirMessage)
{
    ASSERT_TRUE(writeFile(file("st.eep"), settingsFileBytes(sample())));
    const QString stillOn = QStringLiteral("Zařízení je zřejmě stále v programovacím módu.");
    const QString blockFailed = QStringLiteral("Došlo k chybě při načítání bloku dat.");
    struct Case {
        QStringList station; // empty: the in-process simulator
        QStringList args;    // after --port
        int exitCode;
        QString message;
        QString absent;
    } cases[] = {
        // Hello, identification and memory answered; the leave is not.
        {{QStringLiteral("--ignore-leave")}, {QStringLiteral("info")}, 1, stillOn, {}},
        // The read and its file succeed, the leave is not answered.
        {{QStringLiteral("--memory-code"), QStringLiteral("3"), QStringLiteral("--image"), file("st.eep"),
          QStringLiteral("--ignore-leave")},
         {QStringLiteral("read"), QStringLiteral("-o"), file("r.eep"), QStringLiteral("--force")},
         1,
         stillOn,
         blockFailed},
        {{QStringLiteral("--product"), QStringLiteral("32,211,130")},
         {QStringLiteral("info")},
         1,
         QStringLiteral("Touto verzí programu lze naprogramovat pouze zařízení TORVAL."),
         stillOn},
        {{QStringLiteral("--version"), QStringLiteral("0.9")},
         {QStringLiteral("info")},
         1,
         QStringLiteral("pouze zařízení s procesorem verze 1.0 a vyšší."),
         stillOn},
        {{QStringLiteral("--memory-code"), QStringLiteral("10")},
         {QStringLiteral("read"), QStringLiteral("-o"), file("u.eep")},
         1,
         QStringLiteral("Velikost paměti připojeného zařízení není známa, data z EEPROM proto nelze načíst."),
         blockFailed},
        {{}, {QStringLiteral("info")}, 0, {}, stillOn},
    };
    for (const auto& c : cases) {
        std::unique_ptr<StationProcess> station;
        QString port = QStringLiteral("simulator");
        if (!c.station.isEmpty()) {
            station = std::make_unique<StationProcess>(c.station);
            port = station->port();
            ASSERT_FALSE(port.isEmpty());
        }
        QStringList args{c.args.first(), QStringLiteral("--port"), port};
        args << c.args.mid(1);
        const CliResult r = runCli(args);
        const std::string trace =
            c.station.join(' ').toStdString() + " / " + args.join(' ').toStdString() + "\n" + r.err.toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << trace;
        EXPECT_TRUE(r.err.contains(c.message)) << trace;
        if (!c.absent.isEmpty()) {
            EXPECT_FALSE(r.err.contains(c.absent)) << trace;
        }
        if (c.args.first() == QLatin1String("info")) {
            EXPECT_TRUE(r.out.contains(QStringLiteral("Verze: "))) << trace;
        }
    }
    EXPECT_EQ(readAll(file("r.eep")), readAll(file("st.eep"))); // the read itself was done
    EXPECT_FALSE(QFile::exists(file("u.eep")));
}

// --link replaces only a link an earlier station left (one to a
// pseudo-terminal); somebody's file or link stays as it was.
TEST_F(CliFixture, StationLinkReplacesOnlyItsOwnLink)
{
    ASSERT_TRUE(writeFile(file("regular"), QByteArray("keep me")));
    ASSERT_TRUE(writeFile(file("target"), QByteArray("target")));
    ASSERT_TRUE(QFile::link(file("target"), file("foreign")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/9999"), file("stale")));
    struct Case {
        const char* name;
        bool replaced;
    } cases[] = {{"regular", false}, {"foreign", false}, {"stale", true}};
    for (const auto& c : cases) {
        const QString path = file(c.name);
        const QString before = QFileInfo(path).symLinkTarget();
        StationProcess station({QStringLiteral("--link"), path});
        EXPECT_EQ(!station.port().isEmpty(), c.replaced) << c.name;
        if (c.replaced) {
            EXPECT_EQ(QFileInfo(path).symLinkTarget(), station.port()) << c.name;
        } else {
            EXPECT_EQ(QFileInfo(path).symLinkTarget(), before) << c.name;
            EXPECT_EQ(readAll(path), QByteArray(c.name[0] == 'r' ? "keep me" : "target")) << c.name;
        }
    }
}

} // namespace

// Every write first keeps what the station held; the history gives back both
// sides, and a write whose backup cannot be kept leaves the station alone.
TEST_F(CliFixture, AWriteIsRecordedWithTheStationsBytesBeforeAndAfter)
{
    const QByteArray previous = settingsFileBytes(DeviceConfig{});
    const QByteArray settings = settingsFileBytes(sample());
    ASSERT_TRUE(writeFile(file("old.eep"), previous));
    ASSERT_TRUE(writeFile(file("in.eep"), settings));
    StationProcess station({QStringLiteral("--memory-code"), QStringLiteral("9"), QStringLiteral("--image"),
                            file("old.eep"), QStringLiteral("--save"), file("station.eep")});
    ASSERT_FALSE(station.port().isEmpty());
    const QByteArray keptDb = qgetenv("TORVAL_HISTORY_DB");
    const auto write = [&](const QString& db) {
        qputenv("TORVAL_HISTORY_DB", db.toUtf8());
        return runCli({QStringLiteral("write"), QStringLiteral("--port"), station.port(), file("in.eep")});
    };

    ASSERT_TRUE(writeFile(file("soubor"), QByteArray("not a folder")));
    const CliResult refused = write(file("soubor/history.sqlite"));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("stanice je beze změny"))) << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file("station.eep"))) << "nothing was written";

    const CliResult w = write(file("history.sqlite"));
    ASSERT_EQ(w.exitCode, 0) << w.err.toStdString();
    const CliResult list = runCli({QStringLiteral("history"), QStringLiteral("--json")});
    EXPECT_TRUE(list.out.contains(QStringLiteral("\"station\": \"ČERPADLO 3\""))) << list.out.toStdString();
    EXPECT_TRUE(list.out.contains(QStringLiteral("\"result\": \"written\"")));
    for (const char* side : {"--before", "--after"}) {
        const CliResult e =
            runCli({QStringLiteral("history"), QStringLiteral("--export"), QStringLiteral("1"),
                    QString::fromLatin1(side), QStringLiteral("-o"), file("side.eep"), QStringLiteral("--force")});
        ASSERT_EQ(e.exitCode, 0) << e.err.toStdString();
        const QByteArray expected = QByteArray(side) == "--before" ? previous : settings;
        const QByteArray got = readAll(file("side.eep"));
        EXPECT_GT(got.size(), 272) << side;
        EXPECT_EQ(firstDifference(got.left(expected.size()), expected.left(got.size())), -1) << side;
    }
    qputenv("TORVAL_HISTORY_DB", keptDb);
}
