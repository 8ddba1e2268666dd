// torval-cli diff end to end: files, JSON files and a station, readable and
// as JSON, with the exit codes scripts rely on.

#include "ProgramRunner.h"

#include "model/ConfigJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;
using namespace torval::test;

namespace {

DeviceConfig base()
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Vrt 7");
    c.tabINPNazev[2] = QStringLiteral("DVERE");
    c.tabAINCL1Level[0] = QStringLiteral("50");
    c.tabTC[0] = QStringLiteral("+420601000001");
    return c;
}

struct DiffCli : ::testing::Test {
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void json(const char* name, const DeviceConfig& c) const
    {
        ASSERT_TRUE(writeFile(file(name), QJsonDocument(configToJson(c)).toJson()));
    }
    CliResult diff(QStringList args) const { return runCli(QStringList{QStringLiteral("diff")} + args); }
};

TEST_F(DiffCli, NumbersCompareAsStoredAndChangesAreListedByTab)
{
    DeviceConfig same = base();
    same.tabAINCL1Level[0] = QStringLiteral("50,0");
    same.tabTC[0] = QStringLiteral("0601000001"); // the window adds the prefix
    same.eePSOnH = QStringLiteral("0");
    same.eePSOnM = QStringLiteral("60"); // carried: 1 h 0 min, as in base()
    json("a.json", base());
    json("b.json", same);
    const CliResult eq = diff({file("a.json"), file("b.json")});
    EXPECT_EQ(eq.exitCode, 0) << eq.out.toStdString();
    EXPECT_EQ(eq.out, QStringLiteral("Nastavení se shodují.\n"));

    DeviceConfig other = base();
    other.tabINPNazev[2] = QStringLiteral("VRATA");
    other.tabTCUdalost[1] = true;
    other.tabTC[1] = QStringLiteral("+420777000111");
    ASSERT_TRUE(writeFile(file("a.eep"), settingsFileBytes(base())));
    json("c.json", other);
    const CliResult ne = diff({file("a.eep"), file("c.json")});
    EXPECT_EQ(ne.exitCode, 1);
    EXPECT_EQ(ne.out,
              QStringLiteral("[Dig. vstupy]\n"
                             "  I3 Název: \"DVERE\" → \"VRATA\"\n"
                             "[Tel. čísla]\n"
                             "  T2 Telefonní číslo: \"\" → \"+420777000111\"\n"
                             "  T2 Odesílání zpráv o událostech: ne → ano\n"));

    const CliResult js = diff({file("a.eep"), file("c.json"), QStringLiteral("--json")});
    EXPECT_EQ(js.exitCode, 1);
    const QJsonObject o = QJsonDocument::fromJson(js.out.toUtf8()).object();
    EXPECT_FALSE(o[QStringLiteral("equal")].toBool());
    const QJsonArray fields = o[QStringLiteral("fields")].toArray();
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0].toObject()[QStringLiteral("label")].toString(), QStringLiteral("I3"));
    EXPECT_EQ(fields[2].toObject()[QStringLiteral("new")], QJsonValue(true));
    EXPECT_TRUE(o[QStringLiteral("otherBytes")].toArray().isEmpty()) << "only two images have other bytes";
}

TEST_F(DiffCli, BytesOutsideTheSettingsAreListedSeparately)
{
    QByteArray a = settingsFileBytes(base());
    QByteArray b = a;
    b[50] = 7;
    b[51] = 8;
    b[200] = 1;
    ASSERT_TRUE(writeFile(file("a.eep"), a));
    ASSERT_TRUE(writeFile(file("b.eep"), b));
    const CliResult r = diff({file("a.eep"), file("b.eep")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("Liší se ostatní bajty (mimo nastavení): 50..51, 200\n"));
}

TEST_F(DiffCli, StationThroughItsPortAndBadCommandLines)
{
    // A station that already holds the base settings.
    ASSERT_TRUE(writeFile(file("base.eep"), settingsFileBytes(base())));
    StationProcess station({QStringLiteral("--image"), file("base.eep")});
    ASSERT_FALSE(station.port().isEmpty());
    json("base.json", base());
    const CliResult r = diff({QStringLiteral("--port"), station.port(), file("base.json")});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Data byla úspěšně načtena z EEPROM.")));

    // A new station has nothing to compare: that is trouble, not a difference.
    const CliResult blank = diff({QStringLiteral("--port"), QStringLiteral("simulator"), file("base.json")});
    EXPECT_EQ(blank.exitCode, 2);
    EXPECT_TRUE(
        blank.err.contains(QStringLiteral("Data nebyla úspěšně načtena z EEPROM. EEPROM zřejmě není naprogramována.")));

    const CliResult missing = diff({file("base.json"), file("nic.eep")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Při načítání nastavení programu ze souboru '") + file("nic.eep")));
    for (const QStringList& bad : {QStringList{file("base.json")}, QStringList{file("a"), file("b"), file("c")},
                                   QStringList{file("base.json"), QStringLiteral("--port")}}) {
        const CliResult u = diff(bad);
        EXPECT_EQ(u.exitCode, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(u.err.contains(QStringLiteral("Použití: torval-cli diff")));
    }
}

} // namespace
