#include "ProgramRunner.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace torval::test;

namespace {

// The manual pages are written by hand; what the programs print for --help
// and write as JSON is the truth they are held to, both ways, so an option
// added or dropped in the code fails here until its page says so.

QString manPage(const QString& program)
{
    return QString::fromUtf8(readAll(QStringLiteral(TORVAL_SOURCE_DIR "/dist/man/") + program + QStringLiteral(".1")));
}

QString helpOf(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(programPath(program.toLatin1().constData()), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The options a --help lists, one or two at the start of each line: "  -o X",
// "  --port PORT", "  -h, --help".
QStringList optionsIn(const QString& help)
{
    static const QRegularExpression line(QStringLiteral("^\\s+(--?[\\w-]+)(?:, (--[\\w-]+))?"),
                                         QRegularExpression::MultilineOption);
    QStringList found;
    for (auto it = line.globalMatch(help); it.hasNext();) {
        const auto m = it.next();
        found << m.captured(1);
        if (m.hasCaptured(2))
            found << m.captured(2);
    }
    return found;
}

// The long options a piece of the page describes: each item ".TP" whose
// tag starts with one (troff writes "-" as "\-").
QStringList longOptionsIn(const QString& page)
{
    static const QRegularExpression item(QStringLiteral("^\\.TP\n\\.B[IR]? (\\\\-\\\\-[\\w\\\\-]+)"),
                                         QRegularExpression::MultilineOption);
    QStringList found;
    for (auto it = item.globalMatch(page); it.hasNext();)
        found << it.next().captured(1).remove(QLatin1Char('\\'));
    return found;
}

QString troff(QString option)
{
    return option.replace(QLatin1Char('-'), QStringLiteral("\\-"));
}

// From the heading ".SS name" or ".SH name" up to the next heading.
QString section(const QString& page, const QString& heading)
{
    const qsizetype start = page.indexOf(QLatin1Char('\n') + heading + QLatin1Char('\n'));
    if (start < 0)
        return {};
    const qsizetype end = page.indexOf(QStringLiteral("\n.S"), start + heading.size() + 2);
    return page.mid(start, end < 0 ? -1 : end - start);
}

void expectSameOptions(const QString& what, const QStringList& help, const QString& page)
{
    for (const QString& o : help)
        EXPECT_TRUE(page.contains(troff(o))) << what.toStdString() << ": the page lacks " << o.toStdString();
    for (const QString& o : longOptionsIn(page))
        EXPECT_TRUE(help.contains(o)) << what.toStdString() << ": the page names " << o.toStdString()
                                      << ", which --help does not list";
}

TEST(ManPageCli, EveryCommandAndOptionOfHelpIsInItsPage)
{
    const QString page = manPage(QStringLiteral("torval-cli"));
    ASSERT_FALSE(page.isEmpty());
    const QString top = helpOf(QStringLiteral("torval-cli"), {QStringLiteral("--help")});
    static const QRegularExpression commandLine(QStringLiteral("^  ([a-z]+) "), QRegularExpression::MultilineOption);
    QStringList commands;
    for (auto it = commandLine.globalMatch(top.section(QStringLiteral("Příkazy:"), 1)); it.hasNext();)
        commands << it.next().captured(1);
    ASSERT_GE(commands.size(), 9) << top.toStdString();

    const QString commandPart = page.section(QStringLiteral(".SH PŘÍKAZY"), 1).section(QStringLiteral("\n.SH "), 0, 0);
    static const QRegularExpression subHeading(QStringLiteral("^\\.SS (\\S+)$"), QRegularExpression::MultilineOption);
    QStringList documented;
    for (auto it = subHeading.globalMatch(commandPart); it.hasNext();)
        documented << it.next().captured(1);
    documented.sort();
    EXPECT_EQ(documented, commands) << "one section per command of --help";

    for (const QString& c : commands) {
        QStringList options = optionsIn(helpOf(QStringLiteral("torval-cli"), {c, QStringLiteral("--help")}));
        options.removeAll(QStringLiteral("-h"));
        options.removeAll(QStringLiteral("--help"));
        EXPECT_FALSE(options.isEmpty() && c != QLatin1String("check")) << c.toStdString();
        expectSameOptions(c, options, section(page, QStringLiteral(".SS ") + c));
    }
    // Options of the program itself (the usage of every command included).
    static const QRegularExpression anyOption(QStringLiteral("(?<![\\w-])--?[a-z][\\w-]*"));
    for (auto it = anyOption.globalMatch(top); it.hasNext();) {
        const QString o = it.next().captured();
        EXPECT_TRUE(page.contains(troff(o))) << "the page lacks " << o.toStdString();
    }

    // Every key the JSON of a default file has is described.
    QTemporaryDir dir;
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("empty.json")), "{}"));
    ASSERT_EQ(runCli({QStringLiteral("import"), dir.filePath(QStringLiteral("empty.json")), QStringLiteral("-o"),
                      dir.filePath(QStringLiteral("default.eep"))})
                  .exitCode,
              0);
    const CliResult json = runCli({QStringLiteral("show"), dir.filePath(QStringLiteral("default.eep")), QStringLiteral("--json")});
    const QStringList keys = QJsonDocument::fromJson(json.out.toUtf8()).object().keys();
    ASSERT_GT(keys.size(), 50);
    const QString keyPart = page.section(QStringLiteral(".SH KLÍČE JSON"), 1).section(QStringLiteral("\n.SH "), 0, 0);
    for (const QString& k : keys)
        EXPECT_TRUE(keyPart.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(k)))) << "JSON key " << k.toStdString();
}

TEST(ManPageCli, TheWindowAndTheStationPagesListTheirOptions)
{
    for (const QString& program : {QStringLiteral("torval-init"), QStringLiteral("torval-station")}) {
        const QStringList options = optionsIn(helpOf(program, {QStringLiteral("--help")}));
        EXPECT_TRUE(options.contains(QStringLiteral("--help"))) << program.toStdString();
        expectSameOptions(program, options, manPage(program));
    }
}

} // namespace
