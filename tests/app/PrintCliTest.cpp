// torval-cli print end to end: a report file is written whole or not at
// all, and never over the settings it is made of or over a file nobody
// allowed it to replace.

#include "ProgramRunner.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;
using namespace torval::test;

namespace {

struct PrintCli : ::testing::Test {
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QByteArray settings;
    void SetUp() override
    {
        DeviceConfig c;
        c.tabJmenoStanice = QStringLiteral("Vodojem Horní Lhota");
        settings = settingsFileBytes(c);
        ASSERT_FALSE(settings.isEmpty());
        ASSERT_TRUE(writeFile(file("stanice.eep"), settings));
    }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::System, QDir::Name); }
};

TEST_F(PrintCli, FailedWriteLeavesNoFileAndFails)
{
    // A 10-block file-size limit cuts the write of the report in the middle.
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("ulimit -f 10; exec \"$0\" \"$@\""), programPath("torval-cli"),
             QStringLiteral("print"), file("stanice.eep"), QStringLiteral("-o"), file("zprava.pdf")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("Zprávu o nastavení se nepodařilo zapsat do souboru '") + file("zprava.pdf")
                             + QStringLiteral("': soubor by byl větší, než systém dovoluje.")))
        << err.toStdString();
    EXPECT_EQ(entries(), QStringList{QStringLiteral("stanice.eep")}); // no report, no temporary file
}

TEST_F(PrintCli, InputFileIsNeverTheReport)
{
    ASSERT_TRUE(QFile::link(file("stanice.eep"), file("odkaz.eep")));
    for (const char* target : {"stanice.eep", "odkaz.eep"}) {
        SCOPED_TRACE(target);
        const CliResult r = runCli({QStringLiteral("print"), file("stanice.eep"), QStringLiteral("-o"), file(target),
                                    QStringLiteral("--force")});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("ze kterého se čte nastavení"))) << r.err.toStdString();
        EXPECT_EQ(readAll(file("stanice.eep")), settings);
    }
}

TEST_F(PrintCli, ExistingFileIsReplacedOnlyWithForce)
{
    const QStringList print = {QStringLiteral("print"),      file("stanice.eep"),       QStringLiteral("-o"),
                               file("zprava.pdf"),           QStringLiteral("--paper"), QStringLiteral("A5"),
                               QStringLiteral("--landscape")};
    ASSERT_EQ(runCli(print).exitCode, 0);
    const QByteArray first = readAll(file("zprava.pdf"));
    EXPECT_TRUE(first.startsWith("%PDF-"));
    EXPECT_TRUE(first.endsWith("%%EOF\n"));
    EXPECT_TRUE(first.contains("/MediaBox [0 0 595")) << "A5 landscape is 595 x 420 points";

    ASSERT_TRUE(writeFile(file("zprava.pdf"), "%PDF-1.4 stará zpráva"));
    const CliResult refused = runCli(print);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Soubor '") + file("zprava.pdf")
                                     + QStringLiteral("' již existuje a bez terminálu se nelze zeptat, zda ho "
                                                      "přepsat. Přepsání povolí volba --force.\n")))
        << refused.err.toStdString();
    EXPECT_EQ(readAll(file("zprava.pdf")), QByteArray("%PDF-1.4 stará zpráva"));

    EXPECT_EQ(runCli(print + QStringList{QStringLiteral("--force")}).exitCode, 0);
    const QByteArray again = readAll(file("zprava.pdf")); // the same report, but for its creation time
    EXPECT_EQ(again.size(), first.size());
    EXPECT_TRUE(again.startsWith("%PDF-") && again.endsWith("%%EOF\n"));

    // A file that is not a report is not replaced, not even with --force.
    ASSERT_TRUE(writeFile(file("jina.eep"), settings));
    EXPECT_EQ(runCli({QStringLiteral("print"), file("stanice.eep"), QStringLiteral("-o"), file("jina.eep"),
                      QStringLiteral("--force")})
                  .exitCode,
              1);
    EXPECT_EQ(readAll(file("jina.eep")), settings);
    EXPECT_EQ(runCli({QStringLiteral("print"), file("stanice.eep"), QStringLiteral("-o"), file("x.pdf"),
                      QStringLiteral("--paper"), QStringLiteral("B5")})
                  .exitCode,
              2);
}

} // namespace
