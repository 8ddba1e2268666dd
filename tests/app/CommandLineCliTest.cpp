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
        {"import", {"-o SOUBOR.eep", "--force"}, {{"a.json"}, {"a.json", "-o", "x.eep", "-o", "y.eep"}, {"-o", "x.eep"}}},
        {"info", {"--port PORT"}, {{}, {"a.eep", "--port", "simulator"}, {"--port"}}},
        {"read", {"--port PORT", "-o SOUBOR.eep", "--force", "--used-only"},
         {{"--port", "simulator"}, {"--port", "a", "--port", "b", "-o", "x.eep"}, {"--port", "a", "-o", "x", "y"}}},
        {"write", {"--port PORT", "--no-verify"},
         {{"a.eep"}, {"--port", "simulator", "a.eep", "b.eep"}, {"--port", "a", "--port", "b", "a.eep"}}},
        {"print", {"-o ZPRAVA.pdf", "--paper PAPIR", "--landscape", "--force"},
         {{"a.eep"}, {"a.eep", "-o", "x.pdf", "--paper", "B9"}, {"a.eep", "-o", "x.pdf", "--force=1"}}},
        {"provision", {"--port PORT", "--template SABLONA.json", "--stations STANICE.csv", "--stop-on-error", "--pdf ADRESAR", "--log PROTOKOL.csv", "--backups ADRESAR"},
         {{"--port", "simulator"}, {"--template"}, {"--port", "a", "--template", "t.json", "--stations", "s.csv", "extra"}}},
        {"diff", {"--port PORT", "--json"}, {{"a.eep", "--port"}, {"a.eep", "b.eep", "--port", "simulator"}}},
    };
    for (const auto& c : cases) {
        const QString usage = QStringLiteral("Použití: torval-cli ") + c.command;
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
