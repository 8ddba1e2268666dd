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

// Every group `pattern` (multi-line) captures in `text`, troff's "\-" read as "-".
QStringList captures(const QString& text, const QString& pattern)
{
    QStringList found;
    for (auto it = QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        for (int g = 1; g <= m.lastCapturedIndex(); ++g)
            if (m.hasCaptured(g))
                found << m.captured(g).remove(QLatin1Char('\\'));
    }
    return found;
}

// The options a --help lists at the start of its lines: "  -o X", "  -h, --help".
const QString kHelpOption = QStringLiteral("^\\s+(--?[\\w-]+)(?:, (--[\\w-]+))?");
// The long options a page describes as items: ".TP" then ".BI \-\-port ...".
const QString kPageItem = QStringLiteral("^\\.TP\n\\.B[IR]? (\\\\-\\\\-[\\w\\\\-]+)");

QString troff(QString option)
{
    return option.replace(QLatin1Char('-'), QStringLiteral("\\-"));
}

// From the heading (".SS show", ".SH PŘÍKAZY") up to the next heading of its level or above.
QString section(const QString& page, const QString& heading)
{
    const QString rest = page.section(QLatin1Char('\n') + heading + QLatin1Char('\n'), 1, 1);
    return QLatin1Char('\n')
        + rest.section(heading.startsWith(QLatin1String(".SS")) ? QStringLiteral("\n.S") : QStringLiteral("\n.SH"), 0,
                       0);
}

void expectSameOptions(const QString& what, const QStringList& help, const QString& page)
{
    for (const QString& o : help)
        EXPECT_TRUE(page.contains(troff(o))) << what.toStdString() << ": the page lacks " << o.toStdString();
    for (const QString& o : captures(page, kPageItem))
        EXPECT_TRUE(help.contains(o)) << what.toStdString() << ": the page names " << o.toStdString()
                                      << ", which --help does not list";
}

TEST(ManPageCli, EveryCommandOptionAndJsonKeyIsInThePage)
{
    const QString page = manPage(QStringLiteral("torval-cli"));
    const QString top = helpOf(QStringLiteral("torval-cli"), {QStringLiteral("--help")});
    const QStringList commands = captures(top.section(QStringLiteral("Příkazy:"), 1), QStringLiteral("^  ([a-z]+) "));
    ASSERT_GE(commands.size(), 9) << top.toStdString();
    QStringList documented = captures(section(page, QStringLiteral(".SH PŘÍKAZY")), QStringLiteral("^\\.SS (\\S+)$"));
    documented.sort();
    EXPECT_EQ(documented.join(QLatin1Char(' ')).toStdString(), commands.join(QLatin1Char(' ')).toStdString())
        << "one section per command of --help";

    for (const QString& c : commands) {
        QStringList options =
            captures(helpOf(QStringLiteral("torval-cli"), {c, QStringLiteral("--help")}), kHelpOption);
        options.removeAll(QStringLiteral("-h"));
        options.removeAll(QStringLiteral("--help"));
        expectSameOptions(c, options, section(page, QStringLiteral(".SS ") + c));
    }
    // Options of the program itself (and those in the commands' usage lines).
    for (const QString& o : captures(top, QStringLiteral("(?<![\\w-])(--?[a-z][\\w-]*)")))
        EXPECT_TRUE(page.contains(troff(o))) << "the page lacks " << o.toStdString();

    // Every key of a default file's JSON is described.
    QTemporaryDir dir;
    const QString json = dir.filePath(QStringLiteral("empty.json"));
    const QString eep = dir.filePath(QStringLiteral("default.eep"));
    ASSERT_TRUE(writeFile(json, "{}"));
    ASSERT_EQ(runCli({QStringLiteral("import"), json, QStringLiteral("-o"), eep}).exitCode, 0);
    const QStringList keys =
        QJsonDocument::fromJson(runCli({QStringLiteral("show"), eep, QStringLiteral("--json")}).out.toUtf8())
            .object()
            .keys();
    ASSERT_GT(keys.size(), 50);
    const QString keyPart = section(page, QStringLiteral(".SH KLÍČE JSON"));
    for (const QString& k : keys)
        EXPECT_TRUE(keyPart.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(k))))
            << "JSON key " << k.toStdString();
}

TEST(ManPageCli, TheWindowAndTheStationPagesListTheirOptions)
{
    for (const QString& program : {QStringLiteral("torval-init"), QStringLiteral("torval-station")}) {
        const QStringList options = captures(helpOf(program, {QStringLiteral("--help")}), kHelpOption);
        EXPECT_TRUE(options.contains(QStringLiteral("--help"))) << program.toStdString();
        expectSameOptions(program, options, manPage(program));
    }
}

} // namespace
