// torval-cli provision end to end: the in-process virtual station for the
// whole flow with its files, and one run against torval-station on a real
// pseudo-terminal.

#include "ProgramRunner.h"

#include "model/ConfigJson.h"
#include "model/ImageDecoder.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;
using namespace torval::test;

namespace {

DeviceConfig templ()
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Šablona");
    c.tabPIN = QStringLiteral("1234");
    c.tabOUTNazev[0] = QStringLiteral("MOTOR");
    c.tabOUTZap[0] = QStringLiteral("ZAP");
    c.tabOUTVyp[0] = QStringLiteral("VYP");
    c.tabAINNazev[1] = QStringLiteral("TLAK");
    return c;
}

const QByteArray kStations = "tabJmenoStanice,tabPIN,tabTC[0],tabTCPrijem[0]\n"
                             "Čerpadlo 1,1111,+420601000001,ano\n"
                             "Čerpadlo 2,12a4,+420601000002,ano\n" // a PIN of digits only
                             "\"Vodojem, horní\",3333,,ne\n";

struct ProvisionCli : ::testing::Test {
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void SetUp() override
    {
        ASSERT_TRUE(writeFile(file("sablona.json"), QJsonDocument(configToJson(templ())).toJson()));
        ASSERT_TRUE(writeFile(file("stanice.csv"), kStations));
    }
    QStringList args(const QString& port) const
    {
        return {QStringLiteral("provision"),
                QStringLiteral("--port"),
                port,
                QStringLiteral("--template"),
                file("sablona.json"),
                QStringLiteral("--stations"),
                file("stanice.csv"),
                QStringLiteral("--log"),
                file("protokol.csv"),
                QStringLiteral("--backups"),
                file("zalohy")};
    }
    QStringList backups() const
    {
        return QDir(file("zalohy")).entryList({QStringLiteral("*.eep")}, QDir::Files, QDir::Name);
    }
};

TEST_F(ProvisionCli, VirtualStationThreeRowsOneInvalidWithReportsAndLog)
{
    const CliResult r = runCli(args(QStringLiteral("simulator")) << QStringLiteral("--pdf") << file("pdf"));
    EXPECT_EQ(r.exitCode, 1) << "an invalid row is not a clean run\n" << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Řádek 3: tabPIN: PIN je špatně zadán."))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Připojte další stanici (řádek 2, 'Čerpadlo 1')")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("Řádek 4 ('Vodojem, horní'): naprogramováno")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("  T1 Telefonní číslo: \"+420601000001\" → \"\"")));
    EXPECT_TRUE(r.out.endsWith(
        QStringLiteral("Naprogramováno: 2, chybných stanic: 0, neplatných řádků: 1, přeskočených řádků: 0.\n")));
    EXPECT_FALSE(r.out.contains(QStringLiteral("[simulator]"))) << "one port, no prefixes";
    EXPECT_EQ(r.err.count(QStringLiteral("Data byla úspěšně uložena do EEPROM.")), 2);

    // Backups in the order the stations came, as the log names them.
    const QStringList log = QString::fromUtf8(readAll(file("protokol.csv"))).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[0], QStringLiteral("řádek,stanice,produkt,paměť,výsledek,trvání [s],záloha,port"));
    EXPECT_TRUE(log[1].startsWith(QStringLiteral("3,Čerpadlo 2,,,neplatný řádek,")));
    EXPECT_TRUE(log[2].startsWith(QStringLiteral("2,Čerpadlo 1,TORVAL,65472 byte,naprogramováno,")));
    EXPECT_TRUE(log[3].startsWith(QStringLiteral("4,\"Vodojem, horní\",TORVAL,65472 byte,naprogramováno,")));
    EXPECT_EQ(backups().size(), 2);
    EXPECT_TRUE(log[3].endsWith(QStringLiteral(",simulator")));
    const QString first = log[2].section(QLatin1Char(','), -2, -2);
    const QString second = log[3].section(QLatin1Char(','), -2, -2);
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith(QStringLiteral("Čerpadlo_1-"))) << first.toStdString();
    // The first station was new: its backup is what the write replaced, not
    // its whole 64 KiB memory.
    const QByteArray blank = readAll(first);
    EXPECT_GE(blank.size(), 272);
    EXPECT_LT(blank.size(), 4096);
    EXPECT_FALSE(imageHeaderValid(*imageOf(blank)));
    // The second backup holds what the first row wrote.
    const auto image = imageOf(readAll(second));
    ASSERT_TRUE(imageHeaderValid(*image));
    EXPECT_EQ(decodeImage(*image, DeviceConfig{}).config.tabJmenoStanice, QStringLiteral("Čerpadlo 1"));

    const QStringList pdfs = QDir(file("pdf")).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 2);
    for (const QString& p : pdfs)
        EXPECT_TRUE(readAll(QDir(file("pdf")).filePath(p)).startsWith("%PDF")) << p.toStdString();
}

TEST_F(ProvisionCli, RealPseudoTerminalStationEndsWithTheLastRowAndMatchesItsDiff)
{
    StationProcess station({QStringLiteral("--save"), file("stanice.eep")});
    ASSERT_FALSE(station.port().isEmpty());
    const CliResult r = runCli(args(station.port()));
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Naprogramováno: 2, chybných stanic: 0, neplatných řádků: 1,")))
        << r.out.toStdString() << r.err.toStdString();
    EXPECT_EQ(backups().size(), 2);

    // What the station holds now is the template with the last row, which
    // diff confirms through the same port.
    DeviceConfig last = templ();
    last.tabJmenoStanice = QStringLiteral("Vodojem, horní");
    last.tabPIN = QStringLiteral("3333");
    ASSERT_TRUE(writeFile(file("posledni.json"), QJsonDocument(configToJson(last)).toJson()));
    const CliResult d =
        runCli({QStringLiteral("diff"), QStringLiteral("--port"), station.port(), file("posledni.json")});
    EXPECT_EQ(d.exitCode, 0) << d.out.toStdString() << d.err.toStdString();
    EXPECT_EQ(d.out, QStringLiteral("Nastavení se shodují.\n"));
}

TEST_F(ProvisionCli, TwoPseudoTerminalsShareTheRowsAndEachStationEndsWithItsLastRow)
{
    StationProcess a({QStringLiteral("--save"), file("a.eep")});
    StationProcess b({QStringLiteral("--save"), file("b.eep")});
    ASSERT_FALSE(a.port().isEmpty());
    ASSERT_FALSE(b.port().isEmpty());
    ASSERT_TRUE(
        writeFile(file("stanice.csv"), "tabJmenoStanice,tabPIN\nS1,1001\nS2,1002\nS3,1003\nS4,1004\nS5,1005\n"));
    QStringList arguments = args(a.port());
    arguments << QStringLiteral("--port") << b.port() << QStringLiteral("--port") << file("nic");
    const CliResult r = runCli(arguments);
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith(
        QStringLiteral("Naprogramováno: 5, chybných stanic: 0, neplatných řádků: 0, přeskočených řádků: 0.\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("[%1] Port '%1' nelze otevřít (").arg(file("nic"))));
    // Every line a port wrote names it, on both streams.
    for (const QString& stream : {r.out, r.err}) {
        for (const QString& line : stream.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (!line.startsWith(QStringLiteral("Naprogramováno:"))
                && !line.startsWith(QStringLiteral("QStandardPaths"))) {
                EXPECT_TRUE(line.startsWith(QLatin1Char('['))) << line.toStdString();
            }
        }
    }

    // One whole log line per row; the last row each station got is what it holds.
    const QStringList log = QString::fromUtf8(readAll(file("protokol.csv"))).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(log.size(), 6);
    QStringList names;
    QMap<QString, QString> lastOnPort;
    for (const QString& line : log.mid(1)) {
        const QStringList cells = line.split(QLatin1Char(','));
        ASSERT_EQ(cells.size(), 8) << line.toStdString();
        EXPECT_EQ(cells[4], QStringLiteral("naprogramováno"));
        names << cells[1];
        lastOnPort[cells[7]] = cells[1];
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{"S1", "S2", "S3", "S4", "S5"}));
    ASSERT_EQ(lastOnPort.size(), 2) << "both cables were busy";
    for (const StationProcess* station : {&a, &b}) {
        DeviceConfig expected = templ();
        expected.tabJmenoStanice = lastOnPort.value(station->port());
        expected.tabPIN = QStringLiteral("100") + expected.tabJmenoStanice.right(1);
        ASSERT_TRUE(writeFile(file("posledni.json"), QJsonDocument(configToJson(expected)).toJson()));
        const CliResult d =
            runCli({QStringLiteral("diff"), QStringLiteral("--port"), station->port(), file("posledni.json")});
        EXPECT_EQ(d.out, QStringLiteral("Nastavení se shodují.\n"))
            << station->port().toStdString() << d.err.toStdString();
    }
    EXPECT_EQ(backups().size(), 5);
}

// The README's examples of series programming, run as printed: each "$ cat"
// of a file not yet there makes it, any other "$ cat" and every torval-cli
// line must print what the README shows (up to the time in names and
// durations). The port the README names is the station's own.
TEST_F(ProvisionCli, TheReadmeExamplesRunAsPrinted)
{
    QFile readme(QStringLiteral(TORVAL_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const QString section =
        text.section(QStringLiteral("### Programming a batch of stations"), 1).section(QStringLiteral("\n## "), 0, 0);
    StationProcess station({});
    ASSERT_FALSE(station.port().isEmpty());
    const QTemporaryDir dir; // the fixture's files are not the README's
    static const QRegularExpression when(QStringLiteral("\\d{8}-\\d{6}|,\\d+\\.\\d,"));
    const auto normal = [](QString s) { return s.replace(when, QStringLiteral("#")); };
    int commands = 0;
    for (const QString& block : section.split(QStringLiteral("```text\n")).mid(1)) {
        const QString body = block.section(QStringLiteral("```"), 0, 0);
        if (body.contains(QStringLiteral("/dev/ttyUSB")))
            continue; // cables this machine does not have
        for (const QString& step : body.split(QStringLiteral("$ "), Qt::SkipEmptyParts)) {
            const QString command = step.section(QLatin1Char('\n'), 0, 0);
            const QString shown = step.section(QLatin1Char('\n'), 1);
            if (command.startsWith(QStringLiteral("cat ")) && !QFile::exists(dir.filePath(command.mid(4)))) {
                ASSERT_TRUE(writeFile(dir.filePath(command.mid(4)), shown.toUtf8()));
                continue;
            }
            QProcess shell;
            shell.setWorkingDirectory(dir.path());
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("PATH"), programPath("") + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
            shell.setProcessEnvironment(env);
            shell.start(QStringLiteral("sh"),
                        {QStringLiteral("-c"), QString(command).replace(QStringLiteral("/dev/pts/3"), station.port())});
            ASSERT_TRUE(shell.waitForFinished(60000)) << command.toStdString();
            QString printed = QString::fromUtf8(shell.readAllStandardOutput());
            EXPECT_EQ(normal(printed.replace(station.port(), QStringLiteral("/dev/pts/3"))).toStdString(),
                      normal(shown).toStdString())
                << command.toStdString();
            ++commands;
        }
    }
    EXPECT_EQ(commands, 3) << "provision, the log, the dry run";
}

TEST_F(ProvisionCli, StopOnErrorAndBrokenTablesTouchNoStation)
{
    const CliResult stop = runCli(args(QStringLiteral("simulator")) << QStringLiteral("--stop-on-error"));
    EXPECT_EQ(stop.exitCode, 1);
    EXPECT_TRUE(stop.out.contains(QStringLiteral("Řádek 3: tabPIN: PIN je špatně zadán.")));
    EXPECT_TRUE(stop.out.contains(QStringLiteral("Tabulka obsahuje chybné řádky; žádná stanice nebyla programována.")));
    EXPECT_FALSE(stop.out.contains(QStringLiteral("Připojte další stanici")));
    EXPECT_FALSE(QDir(file("zalohy")).exists());

    ASSERT_TRUE(writeFile(file("stanice.csv"), "tabJmenoStanice,tabPINN\nA,1\n"));
    const CliResult broken = runCli(args(QStringLiteral("simulator")));
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("Neznámý sloupec 'tabPINN' (sloupec 2 záhlaví).")));
    EXPECT_TRUE(broken.err.contains(QStringLiteral("Žádná stanice nebyla programována.")));
    EXPECT_FALSE(QFile::exists(file("protokol.csv")));

    ASSERT_TRUE(writeFile(file("sablona.json"), "{\"tabPIN\": 12}"));
    const CliResult badTemplate = runCli(args(QStringLiteral("simulator")));
    EXPECT_EQ(badTemplate.exitCode, 1);
    EXPECT_TRUE(badTemplate.err.contains(QStringLiteral("Soubor '") + file("sablona.json") + QStringLiteral("': ")));

    // A log that is one of the run's own inputs, however it is spelled.
    ASSERT_TRUE(writeFile(file("sablona.json"), QJsonDocument(configToJson(templ())).toJson()));
    ASSERT_TRUE(writeFile(file("stanice.csv"), kStations));
    for (const QString& log : {file("stanice.csv"), dir.path() + QStringLiteral("/./sablona.json")}) {
        QStringList a = args(QStringLiteral("simulator"));
        a[a.indexOf(QStringLiteral("--log")) + 1] = log;
        const CliResult own = runCli(a);
        EXPECT_EQ(own.exitCode, 1) << log.toStdString();
        EXPECT_TRUE(own.err.contains(QStringLiteral("Žádná stanice nebyla programována."))) << own.err.toStdString();
        EXPECT_FALSE(QDir(file("zalohy")).exists());
    }
    EXPECT_EQ(readAll(file("stanice.csv")), kStations);

    // A log that cannot be created is found before the first station.
    QStringList a = args(QStringLiteral("simulator"));
    a[a.indexOf(QStringLiteral("--log")) + 1] = file("chybi/protokol.csv");
    ASSERT_TRUE(writeFile(file("stanice.csv"), "tabJmenoStanice\nPrvni\nDruha\n"));
    const CliResult noLog = runCli(a);
    EXPECT_EQ(noLog.exitCode, 1) << noLog.err.toStdString();
    EXPECT_TRUE(noLog.out.contains(QStringLiteral("Naprogramováno: 0,"))) << noLog.out.toStdString();
    EXPECT_FALSE(QDir(file("zalohy")).exists());

    const CliResult usage =
        runCli({QStringLiteral("provision"), QStringLiteral("--port"), QStringLiteral("simulator")});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.err.contains(QStringLiteral("Použití: torval-cli provision")));
}

} // namespace
