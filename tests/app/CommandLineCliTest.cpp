#include "ProgramRunner.h"

#include <gtest/gtest.h>

using namespace torval::test;

namespace {

// A wrong command line ends before any file or port is touched: the
// command's usage on stderr and exit 2. Each command answers --help with the
// same usage and its options on stdout, exit 0.
TEST(CommandLineCli, WrongLinesGiveTheUsageAndHelpListsTheOptions)
{
    const struct {
        QString command;
        QStringList options; // each one is listed by --help
        std::vector<QStringList> wrong;
    } cases[] = {
        {"show", {"--json"}, {{}, {"a.eep", "--bogus"}, {"a.eep", "b.eep"}}},
        {"check", {}, {{}, {"a.eep", "b.eep"}, {"--json", "a.eep"}}},
        {"import",
         {"-o SOUBOR.eep", "--force"},
         {{"a.json"}, {"a.json", "-o", "x.eep", "-o", "y.eep"}, {"-o", "x.eep"}}},
        {"info",
         {"--port PORT", "--timeout SEKUNDY"},
         {{}, {"a.eep", "--port", "simulator"}, {"--port"}, {"--port", "simulator", "--timeout", "0"}}},
        {"ports", {}, {{"x"}}},
        {"read",
         {"--port PORT", "-o SOUBOR.eep", "--force", "--used-only"},
         {{"--port", "simulator"}, {"--port", "a", "--port", "b", "-o", "x.eep"}, {"--port", "a", "-o", "x", "y"}}},
        {"write",
         {"--port PORT", "--no-verify"},
         {{"a.eep"}, {"--port", "simulator", "a.eep", "b.eep"}, {"--port", "a", "--port", "b", "a.eep"}}},
        {"print",
         {"-o ZPRAVA.pdf", "--paper PAPIR", "--landscape", "--force"},
         {{"a.eep"}, {"a.eep", "-o", "x.pdf", "--paper", "B9"}, {"a.eep", "-o", "x.pdf", "--force=1"}}},
        {"provision",
         {"--port PORT", "--template SABLONA.json", "--stations STANICE.csv", "--stop-on-error", "--pdf ADRESAR",
          "--log PROTOKOL.csv", "--backups ADRESAR", "--dry-run"},
         {{"--port", "simulator"},
          {"--template"},
          {"--port", "a", "--template", "t.json", "--stations", "s.csv", "extra"}}},
        {"diff", {"--port PORT", "--json"}, {{"a.eep", "--port"}, {"a.eep", "b.eep", "--port", "simulator"}}},
    };
    for (const auto& c : cases) {
        const QString usage = QStringLiteral("Použití: torval-cli ") + c.command;
        // The option that is wrong is named first, as typed.
        const CliResult bogus = runCli({c.command, QStringLiteral("-x"), QStringLiteral("--bogus=1")});
        EXPECT_EQ(bogus.exitCode, 2);
        EXPECT_TRUE(bogus.err.contains(QStringLiteral("Neznámá volba '-x'.\n") + usage)) << bogus.err.toStdString();
        for (const QStringList& line : c.wrong) {
            const CliResult r = runCli(QStringList{c.command} + line);
            EXPECT_EQ(r.exitCode, 2) << (c.command + ' ' + line.join(' ')).toStdString();
            EXPECT_TRUE(r.err.contains(usage)) << r.err.toStdString();
            EXPECT_TRUE(r.out.isEmpty());
        }
        const CliResult help = runCli({c.command, QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0) << c.command.toStdString();
        EXPECT_TRUE(help.out.startsWith(usage)) << help.out.toStdString();
        EXPECT_FALSE(help.err.contains(usage)) << "the usage goes to stdout only";
        for (const QString& option : c.options)
            EXPECT_TRUE(help.out.contains(option)) << c.command.toStdString() << ": " << option.toStdString();
    }
}

} // namespace

namespace {

// torval-cli itself and torval-station keep the same conventions.
TEST(CommandLineCli, ProgramsNameAWrongLineInCzechAndExitTwo)
{
    const CliResult version = runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("torval-cli ") + QStringLiteral(TORVAL_VERSION_TEXT)));
    const CliResult bogus = runCli({QStringLiteral("--bogus")});
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.startsWith(QStringLiteral("Neznámá volba '--bogus'.\nPoužití: torval-cli")))
        << bogus.err.toStdString();

    for (const QStringList& line : {QStringList{"--bogus"}, QStringList{"--baud", "rychle"}, QStringList{"--baud"}}) {
        QProcess station;
        station.start(programPath("torval-station"), line);
        ASSERT_TRUE(station.waitForFinished(10000));
        EXPECT_EQ(station.exitCode(), 2) << line.join(' ').toStdString();
        const QString err = QString::fromUtf8(station.readAllStandardError());
        EXPECT_TRUE(err.startsWith(QStringLiteral("torval-station: ")) && err.contains(line.first().section('=', 0, 0)))
            << err.toStdString();
    }
}

// Czech whatever the system speaks; English only when asked for, anywhere on
// the line, from the first word of the usage to the command's own messages.
TEST(CommandLineCli, EnglishOnlyWithLanguageEn)
{
    qputenv("LC_ALL", "en_GB.UTF-8");
    const QString example = QStringLiteral(TORVAL_SOURCE_DIR "/dist/examples/sablona.json");
    EXPECT_EQ(runCli({"check", example}).out, QStringLiteral("Nastavení je v pořádku.\n"));
    EXPECT_EQ(runCli({"check", example, "--language", "en"}).out, QStringLiteral("The settings are in order.\n"));
    EXPECT_TRUE(runCli({"--language=en", "--help"}).out.startsWith(QStringLiteral("Usage: torval-cli COMMAND")));
    const CliResult wrong = runCli({"--language", "de", "check", example});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("Neznámý jazyk 'de'"))) << wrong.err.toStdString();
    QProcess station;
    station.start(programPath("torval-station"), {"--language", "en", "--bogus"});
    ASSERT_TRUE(station.waitForFinished(10000));
    EXPECT_EQ(QString::fromUtf8(station.readAllStandardError()),
              QStringLiteral("torval-station: Unknown option '--bogus'.\nHelp: torval-station --help\n"));
    qunsetenv("LC_ALL");
}

// A station that never answers the hello: the window waits, --timeout does not.
TEST(CommandLineCli, TimeoutGivesUpOnAStationThatNeverAnswers)
{
    StationProcess silent({QStringLiteral("--hello-after"), QStringLiteral("0")});
    ASSERT_FALSE(silent.port().isEmpty());
    const CliResult r = runCli({QStringLiteral("info"), QStringLiteral("--port"), silent.port(),
                                QStringLiteral("--timeout"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Stanice na portu %1 neodpověděla do 1 s.").arg(silent.port())))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());

    // A port that does not open says why.
    const CliResult missing =
        runCli({QStringLiteral("info"), QStringLiteral("--port"), QStringLiteral("/dev/nic-takoveho")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Nelze otevřít port /dev/nic-takoveho. (")))
        << missing.err.toStdString();
}

} // namespace
