// torval-cli check and import store what the editor would store: the values
// it rewrites on leaving a field are rewritten and listed, refused ones fail.

#include "ProgramRunner.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval::test;

namespace {

TEST(CheckImportCli, EditorRewritesAreListedAndStoredRefusalsFail)
{
    QTemporaryDir dir;
    const QString json = dir.filePath(QStringLiteral("stanice.json"));
    const QString eep = dir.filePath(QStringLiteral("stanice.eep"));
    const QByteArray settings = R"({"tabDobaPlatnostiSMS": "45", "eePSOnH": "0", "eePSOnM": "0",
        "eePSOffH": "1", "eePSOffM": "75",
        "tabTC": ["0602909909", "", "", "", "", "", "", ""],
        "tabAINCL1Level": ["20", "20", "0", "0", "0", "0", "0", "0"],
        "tabAINHCL1Level": ["0", "1,2", "0", "0", "0", "0", "0", "0"],
        "tabAINCL2Level": ["34,1", "22,4", "100", "100", "100", "100", "100", "27"],
        "tabAINHCL2Level": ["14,1", "1,2", "0", "0", "0", "0", "0", "0"]})";
    ASSERT_TRUE(writeFile(json, settings));
    const QString rewrites = QStringLiteral("eePSOnM: '0' → '5'\neePSOffM: '75' → '15'\neePSOffH: '1' → '2'\n"
                                            "tabDobaPlatnostiSMS: '45' → '30'\nT1 tabTC: '0602909909' → '+420602909909'\n");

    // Touching bands and rewrites are no objection.
    const CliResult check = runCli({QStringLiteral("check"), json});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    EXPECT_EQ(check.err, rewrites);
    EXPECT_EQ(check.out, QStringLiteral("Nastavení je v pořádku.\n"));

    const CliResult import = runCli({QStringLiteral("import"), json, QStringLiteral("-o"), eep});
    EXPECT_EQ(import.exitCode, 0);
    EXPECT_EQ(import.err, rewrites);
    const CliResult show = runCli({QStringLiteral("show"), eep});
    for (const char* stored : {"eePSOnH = \"0\"", "eePSOnM = \"5\"", "eePSOffH = \"2\"", "eePSOffM = \"15\"",
                               "tabDobaPlatnostiSMS = \"30\"", "tabTC T1 = \"+420602909909\""})
        EXPECT_TRUE(show.out.contains(QString::fromUtf8(stored))) << stored << "\n" << show.out.toStdString();

    // "00" becomes "+", a number without a digit: refused as the window refuses it.
    ASSERT_TRUE(writeFile(json, R"({"tabTC": ["", "00", "", "", "", "", "", ""]})"));
    const CliResult refused = runCli({QStringLiteral("check"), json});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, QStringLiteral("T2 tabTC: Telefonní číslo je špatně zadáno.\n"));
}

} // namespace
