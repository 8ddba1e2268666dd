// A settings file that ends inside its own settings is refused by every
// command that loads one, with the window's message, before anything is
// printed, compared or written.

#include "ProgramRunner.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;
using namespace torval::test;

namespace {

TEST(DamagedFileCli, EveryLoadRefusesAFileCutInsideItsTexts)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("dobry.eep"));
    const QString cut = dir.filePath(QStringLiteral("useknuty.eep"));
    const QString pdf = dir.filePath(QStringLiteral("zprava.pdf"));
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Vrt 7");
    const QByteArray whole = settingsFileBytes(c);
    ASSERT_TRUE(writeFile(good, whole));
    ASSERT_TRUE(writeFile(cut, whole.left(300))); // the header is whole, the texts are not
    const QString damaged = QStringLiteral("Data v souboru '") + cut
        + QStringLiteral("' jsou poškozena - texty nastavení přesahují konec paměti EEPROM.");

    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{QStringLiteral("show"), cut}, 1},
        {{QStringLiteral("check"), cut}, 1},
        {{QStringLiteral("print"), cut, QStringLiteral("-o"), pdf}, 1},
        {{QStringLiteral("diff"), good, cut}, 2},
        {{QStringLiteral("write"), QStringLiteral("--port"), QStringLiteral("simulator"), cut}, 1},
    };
    for (const auto& k : cases) {
        const CliResult r = runCli(k.args);
        EXPECT_EQ(r.exitCode, k.exitCode) << k.args.join(' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(damaged)) << k.args.join(' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));
    // The whole file still loads everywhere.
    EXPECT_EQ(runCli({QStringLiteral("show"), good}).exitCode, 0);
}

} // namespace
