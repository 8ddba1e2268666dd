// torval-cli check and import store what the editor would store: the values
// it rewrites on leaving a field are rewritten and listed, refused ones fail.

#include "ProgramRunner.h"

#include <QFile>
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
    const QString rewrites =
        QStringLiteral("eePSOnM: '0' → '5'\neePSOffM: '75' → '15'\neePSOffH: '1' → '2'\n"
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

// Eight texts with `value` at `index`, the rest empty: a row field in JSON.
QByteArray row(int index, const char* value, const char* rest = "")
{
    QByteArray a = "[";
    for (int i = 0; i < 8; ++i)
        a += QByteArray(i ? ", \"" : "\"") + (i == index ? value : rest) + "\"";
    return a + "]";
}

// One set of rules: what check refuses, import refuses with the same
// message and writes nothing, and provisioning with it as the template marks
// its row invalid; what they accept, import stores as the window would,
// provisioning lists the same rewrites, and diff and print of the JSON see
// exactly that stored image.
TEST(CheckImportCli, CheckImportDiffAndPrintShareTheWindowsRules)
{
    QTemporaryDir dir;
    const QString json = dir.filePath(QStringLiteral("sablona.json"));
    const QString eep = dir.filePath(QStringLiteral("sablona.eep"));
    const QString csv = dir.filePath(QStringLiteral("stanice.csv"));
    ASSERT_TRUE(writeFile(csv, "tabCITZpr[1]\nne\n")); // one row: the template as it is
    const struct {
        QByteArray settings;
        const char* refusal; // nullptr: accepted
        const char* stored;  // accepted: a line of `show`
    } cases[] = {
        {R"("tabPIN": "12a4")", "tabPIN: PIN je špatně zadán.", nullptr},
        {"\"tabINPNazev\": " + row(1, "st"), "I2 tabINPNazev: Název vstupu nesmí být žádné z těchto klíčových slov",
         nullptr},
        {R"("tabOUTNazev": ["", "", "SVET", "", "", "SVETLO", "", ""])",
         "O3 tabOUTNazev: Název výstupu 'O3' není správně zadán.", nullptr},
        {"\"tabOUTZap\": " + row(0, "ZAP") + ", \"tabOUTimpuls\": " + row(0, "zapni"),
         "O1 tabOUTZap: Název 'Zapnuto' nesmí být prefixem názvu 'Impuls' ani naopak.", nullptr},
        {"\"tabINPVyp\": " + row(4, "a\\\"b"),
         "I5 tabINPVyp: Název 'Vypnuto' může obsahovat pouze tyto znaky: ", nullptr},
        {"\"tabAINCL1Level\": " + row(0, "1-2", "0"), "A1 tabAINCL1Level: Číslo je chybně zadáno.", nullptr},
        {R"("tabDobaPlatnostiSMS": "-1")", "tabDobaPlatnostiSMS: Doba platnosti SMS zprávy je špatně zadána.", nullptr},
        {R"("tabJmenoStanice": "Vrt → 7")", "tabJmenoStanice: Pole 'Název stanice' nesmí obsahovat znak '→'", nullptr},
        {"\"tabCITNazev\": [\"Průtok 🙂\", \"\"]",
         "C1 tabCITNazev: Pole 'C1 Název čítače' nesmí obsahovat znak '🙂'", nullptr},
        {R"("tabUTO": "+42x")", "tabUTO: UTO je špatně zadáno.", nullptr},
        {R"("eePSOnH": "0", "eePSOnM": "75")", nullptr, "eePSOnH = \"1\""},
        {R"("eePSOffH": "0", "eePSOffM": "75")", nullptr, "eePSOffM = \"15\""},
        {"\"tabTCUdalost\": [false, false, true, false, false, false, false, false]", nullptr, "tabTCUdalost T3 = ne"},
        {"\"tabTC\": " + row(0, "0602909909") + R"(, "tabUTOEnable": false)", nullptr, "tabTC T1 = \"0602909909\""},
        {"\"tabTC\": " + row(0, "0602909909") + R"(, "tabUTO": "+421")", nullptr, "tabTC T1 = \"+421602909909\""},
        // Bands the grid stores without objection: a warning, never a refusal.
        {"\"tabAINCL1Level\": " + row(0, "60", "0") + ", \"tabAINCL2Level\": " + row(0, "40", "100"), nullptr,
         "tabAINCL1Level A1 = \"60\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings.toStdString());
        ASSERT_TRUE(writeFile(json, "{" + c.settings + "}"));
        QFile::remove(eep);
        const CliResult check = runCli({QStringLiteral("check"), json});
        const CliResult import = runCli({QStringLiteral("import"), json, QStringLiteral("-o"), eep});
        const CliResult diff = runCli({QStringLiteral("diff"), json, eep});
        QFile::remove(dir.filePath(QStringLiteral("log.csv")));
        const CliResult provision =
            runCli({QStringLiteral("provision"), QStringLiteral("--port"), QStringLiteral("simulator"),
                    QStringLiteral("--template"), json, QStringLiteral("--stations"), csv, QStringLiteral("--log"),
                    dir.filePath(QStringLiteral("log.csv")), QStringLiteral("--backups"),
                    dir.filePath(QStringLiteral("zalohy"))});
        if (c.refusal) {
            const QString refusal = QString::fromUtf8(c.refusal);
            EXPECT_EQ(check.exitCode, 1);
            EXPECT_TRUE(check.out.contains(refusal)) << check.out.toStdString();
            EXPECT_EQ(import.exitCode, 1);
            EXPECT_TRUE(import.err.contains(refusal)) << import.err.toStdString();
            EXPECT_FALSE(QFile::exists(eep));
            EXPECT_TRUE(diff.err.contains(refusal)) << diff.err.toStdString();
            EXPECT_EQ(provision.exitCode, 1);
            EXPECT_TRUE(provision.out.contains(QStringLiteral("Řádek 2: ") + refusal)) << provision.out.toStdString();
            continue;
        }
        EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
        EXPECT_EQ(import.exitCode, 0) << import.err.toStdString();
        EXPECT_TRUE(import.err.startsWith(check.err)) << "the same rewrites listed\n" << import.err.toStdString();
        const CliResult show = runCli({QStringLiteral("show"), eep});
        EXPECT_TRUE(show.out.contains(QString::fromUtf8(c.stored))) << show.out.toStdString();
        EXPECT_EQ(diff.exitCode, 0) << "the JSON as stored is the imported image\n" << diff.out.toStdString();
        EXPECT_EQ(provision.exitCode, 0) << provision.err.toStdString();
        for (const QString& rewrite : check.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            EXPECT_TRUE(provision.err.contains(QStringLiteral("Řádek 2: ") + rewrite)) << provision.err.toStdString();
    }
    // The warning is the window's analog message, listed by check, import and provision alike.
    const QString warning = QStringLiteral("Upozornění: A1: Hodnoty CL1, HCL1, CL2, HCL2 jsou chybně zadány.");
    const CliResult warned = runCli({QStringLiteral("check"), json});
    EXPECT_TRUE(warned.out.contains(warning)) << warned.out.toStdString();
    const CliResult warnedImport =
        runCli({QStringLiteral("import"), json, QStringLiteral("-o"), eep, QStringLiteral("--force")});
    EXPECT_TRUE(warnedImport.err.contains(warning)) << warnedImport.err.toStdString();

    // A refused JSON makes no report either; the settings file is never the output.
    ASSERT_TRUE(writeFile(json, R"({"tabPIN": "12a4"})"));
    const CliResult print =
        runCli({QStringLiteral("print"), json, QStringLiteral("-o"), dir.filePath(QStringLiteral("z.pdf"))});
    EXPECT_EQ(print.exitCode, 1);
    EXPECT_TRUE(print.err.contains(QStringLiteral("PIN je špatně zadán."))) << print.err.toStdString();
    const CliResult self =
        runCli({QStringLiteral("import"), json, QStringLiteral("-o"), json, QStringLiteral("--force")});
    EXPECT_EQ(self.exitCode, 1);
    QFile kept(json);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(R"({"tabPIN": "12a4"})"));
}

} // namespace
