#include "files/SettingsFile.h"
#include "link/LinkFakes.h"
#include "link/StationLink.h"
#include "model/Cp1250.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/ImageLayout.h"
#include "model/SettingsSize.h"
#include "provisioning/ProvisionPorts.h"
#include "station/SimulatedEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"
#include "support/QStringPrinter.h"
#include "support/SimulatedStation.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <ostream>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace torval;
using namespace torval::test;

namespace {

DeviceConfig templateConfig()
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Šablona");
    c.tabPIN = QStringLiteral("1234");
    c.tabOUTNazev[0] = QStringLiteral("SVETLO");
    c.tabOUTZap[0] = QStringLiteral("ZAP");
    c.opBatt = true;
    return c;
}

QStringList problemTexts(const StationTable& t)
{
    QStringList l;
    for (const auto& p : t.problems)
        l << p.message;
    return l;
}

// ---- the table -------------------------------------------------------------

TEST(StationTable, RowsOverrideTheTemplateCellByCell)
{
    const QByteArray csv = "tabJmenoStanice,tabPIN,tabTC[0],tabTCPrijem[0],opBatt,eeMaskAInAlarm[7]\r\n"
                           "Čerpadlo 1,1111,+420601000001,ano,,3\r\n"
                           "\r\n"
                           "Čerpadlo 2,,,,0,\r\n";
    const StationTable t = readStationTable(csv, templateConfig());
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    EXPECT_TRUE(t.problems.empty()) << problemTexts(t).join('\n').toStdString();
    ASSERT_EQ(t.rows.size(), 2u);

    const DeviceConfig& a = t.rows[0].config;
    EXPECT_EQ(t.rows[0].line, 2);
    EXPECT_EQ(a.tabJmenoStanice, QStringLiteral("Čerpadlo 1"));
    EXPECT_EQ(a.tabPIN, QStringLiteral("1111"));
    EXPECT_EQ(a.tabTC[0], QStringLiteral("+420601000001"));
    EXPECT_TRUE(a.tabTCPrijem[0]);
    EXPECT_TRUE(a.opBatt) << "an empty check box cell keeps the template's value";
    EXPECT_EQ(a.eeMaskAInAlarm[7], 3);
    EXPECT_EQ(a.tabOUTNazev[0], QStringLiteral("SVETLO")) << "columns not in the table come from the template";

    const DeviceConfig& b = t.rows[1].config;
    EXPECT_EQ(t.rows[1].line, 4) << "blank lines still count";
    EXPECT_EQ(b.tabPIN, QString()) << "an empty text cell is an empty text (a SIM without PIN)";
    EXPECT_FALSE(b.opBatt);
    EXPECT_EQ(b.eeMaskAInAlarm[7], 0);
}

TEST(StationTable, SemicolonsQuotesAndCellsOverSeveralLines)
{
    const QByteArray csv = "\xEF\xBB\xBFtabJmenoStanice;rtSwitchOn\n"
                           "\"Vodojem; \"\"horní\"\"\n druhý řádek\";\"Zapnuto, A\"\n"
                           "Vrt 3;Start\n";
    const StationTable t = readStationTable(csv, DeviceConfig{});
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0].config.tabJmenoStanice, QStringLiteral("Vodojem; \"horní\"\n druhý řádek"));
    EXPECT_EQ(t.rows[0].config.rtSwitchOn, QStringLiteral("Zapnuto, A"));
    EXPECT_EQ(t.rows[1].line, 4) << "the quoted line break moves the next row down";

    // The same from a file with CRLF line ends: the break inside the cell is one line feed.
    const StationTable crlf = readStationTable("tabJmenoStanice\r\n\"Vodojem\r\nhorní\"\r\nVrt 3\r\n", DeviceConfig{});
    ASSERT_EQ(crlf.rows.size(), 2u) << crlf.error.toStdString();
    EXPECT_EQ(crlf.rows[0].config.tabJmenoStanice, QStringLiteral("Vodojem\nhorní"));
    EXPECT_EQ(crlf.rows[1].line, 4);
}

// What spreadsheets save: Czech Excel in Windows-1250 with the columns it
// once had left empty, other programs in UTF-8, old ones with CR line ends.
TEST(StationTable, SpreadsheetExportsInEitherEncodingGiveTheSameRows)
{
    const QString text = QStringLiteral("tabJmenoStanice;tabPIN;;\n"
                                        "Čerpadlo Žďár;1111;;\n"
                                        ";;;\n"
                                        "\"Vodojem\nhorní\";2222\n"
                                        ";;\n");
    QByteArray cr = text.toUtf8();
    cr.replace('\n', '\r');
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"UTF-8", text.toUtf8()},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + text.toUtf8()},
        {"Windows-1250", toCp1250(text)},
        {"CR line ends", cr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const StationTable t = readStationTable(c.bytes, templateConfig());
        ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
        EXPECT_TRUE(t.problems.empty()) << problemTexts(t).join('\n').toStdString();
        ASSERT_EQ(t.rows.size(), 2u) << "rows of empty cells are no stations";
        EXPECT_EQ(t.rows[0].config.tabJmenoStanice, QStringLiteral("Čerpadlo Žďár"));
        EXPECT_EQ(t.rows[1].config.tabJmenoStanice, QStringLiteral("Vodojem\nhorní"));
        EXPECT_EQ(t.rows[1].config.tabPIN, QStringLiteral("2222"));
        EXPECT_EQ(t.rows[1].line, 4);
    }
}

TEST(StationTable, BatteryTextSetInOneColumnIsTheOtherFieldToo)
{
    const StationTable t = readStationTable("rtBattLow\nBaterie slaba\n", DeviceConfig{});
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0].config.tabAINCL1Dn[kBatteryInput], QStringLiteral("Baterie slaba"));

    const StationTable both = readStationTable("rtBattLow,tabAINCL1Dn[7]\nA,B\n", DeviceConfig{});
    EXPECT_TRUE(both.rows.empty());
    ASSERT_EQ(both.problems.size(), 1u);
    EXPECT_TRUE(both.problems[0].message.startsWith(QStringLiteral("Řádek 2: rtBattLow")));
}

TEST(StationTable, RowsStoreTheEditorsRewritesAndListThem)
{
    const StationTable t =
        readStationTable("tabJmenoStanice,tabTC[0],tabDobaPlatnostiSMS\nVrt,0602909909,45\n", DeviceConfig{});
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0].config.tabTC[0], QStringLiteral("+420602909909"));
    EXPECT_EQ(t.rows[0].config.tabDobaPlatnostiSMS, QStringLiteral("30"));
    ASSERT_EQ(t.rewrites.size(), 2u);
    EXPECT_EQ(t.rewrites[0].message, QStringLiteral("Řádek 2: tabDobaPlatnostiSMS: '45' → '30'"));
    EXPECT_EQ(t.rewrites[1].message, QStringLiteral("Řádek 2: T1 tabTC: '0602909909' → '+420602909909'"));
}

TEST(StationTable, UnusableHeadersRefuseTheWholeTable)
{
    const struct {
        QByteArray csv;
        const char* error;
    } cases[] = {
        {"tabJmenoStanice,tabNic\nA,B\n", "Neznámý sloupec 'tabNic' (sloupec 2 záhlaví)."},
        // A header cell that looks like a placeholder is shown as written.
        {"ab%1c\nA\n", "Neznámý sloupec 'ab%1c' (sloupec 1 záhlaví)."},
        {"tabTC\n+420\n", "Sloupec 'tabTC' potřebuje index 0 až 7, například 'tabTC[0]'."},
        {"tabCITNazev[2]\nX\n", "Sloupec 'tabCITNazev[2]' potřebuje index 0 až 1, například 'tabCITNazev[0]'."},
        // Too large for a number: refused like any index out of range, not read as 0.
        {"tabTC[4294967296]\n+420\n", "Sloupec 'tabTC[4294967296]' potřebuje index 0 až 7, například 'tabTC[0]'."},
        {"tabJmenoStanice\nA\n\"B\nC\n", "Řádek 3: uvozovky buňky nejsou nikde uzavřeny."},
        {"tabPIN[0]\n1\n", "Sloupec 'tabPIN[0]' nemá index."},
        {"tabTC[1],tabTC[1]\n1,2\n", "Sloupec 'tabTC[1]' je v záhlaví dvakrát."},
        {"", "Soubor se stanicemi je prázdný."},
    };
    for (const auto& c : cases) {
        const StationTable t = readStationTable(c.csv, DeviceConfig{});
        EXPECT_EQ(t.error, QString::fromUtf8(c.error)) << c.csv.toStdString();
        EXPECT_TRUE(t.rows.empty());
    }
}

TEST(StationTable, EveryBadRowIsNamedByItsLineAndOnlyGoodRowsRemain)
{
    const QByteArray csv = "tabJmenoStanice,tabPIN,tabOUTNazev[1],tabTCUdalost[3],tabDobaPlatnostiSMS\n"
                           "Dobra,1111,,0,3\n"      // line 2
                           "Spatny PIN,12a4,,0,3\n" // line 3: field rule
                           "Kolize,1111,SVET,0,3\n" // line 4: SVET is the beginning of SVETLO
                           "Prava,1111,,1,3\n"      // line 5: rights without a number: unticked, as the window does
                           "Ano?,1111,,snad,3\n"    // line 6: not a check box value
                           "Kratky,1111\n"          // line 7: too few cells
                           "Platnost,1111,,0,\n";   // line 8: validity may not be empty
    const StationTable t = readStationTable(csv, templateConfig());
    ASSERT_TRUE(t.error.isEmpty());
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0].config.tabJmenoStanice, QStringLiteral("Dobra"));
    EXPECT_FALSE(t.rows[1].config.tabTCUdalost[3]);

    std::vector<int> lines;
    for (const auto& p : t.problems)
        if (lines.empty() || lines.back() != p.line)
            lines.push_back(p.line);
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 6, 7, 8})) << problemTexts(t).join('\n').toStdString();
    const QStringList texts = problemTexts(t);
    EXPECT_TRUE(texts.contains(QStringLiteral("Řádek 3: tabPIN: PIN je špatně zadán.")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Řádek 6: tabTCUdalost[3]: 'snad' není ano/ne (1/0).")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Řádek 7: počet hodnot (2) neodpovídá záhlaví (5).")));
    EXPECT_TRUE(std::any_of(t.problems.begin(), t.problems.end(), [](const RowProblem& p) {
        return p.line == 4 && p.message.contains(QStringLiteral("O2"));
    }));
    EXPECT_EQ(t.problems.front().name, QStringLiteral("Spatny PIN"));
}

TEST(StationTable, FileStemsStayInsideTheirDirectory)
{
    const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9));
    EXPECT_EQ(stationFileStem(QStringLiteral("Čerpadlo 1"), 2, when), QStringLiteral("Čerpadlo_1-20240305-070809"));
    EXPECT_EQ(stationFileStem(QStringLiteral("../../etc/x"), 2, when), QStringLiteral(".._.._etc_x-20240305-070809"));
    EXPECT_EQ(stationFileStem(QStringLiteral(".."), 5, when), QStringLiteral("stanice-5-20240305-070809"));
    EXPECT_EQ(stationFileStem(QString(), 7, when), QStringLiteral("stanice-7-20240305-070809"));
    EXPECT_FALSE(
        stationFileStem(QStringLiteral("a\\b:c*?\"<>|"), 1, when).contains(QRegularExpression("[\\\\/:*?\"<>|]")));
}

TEST(StationTable, LogLinesQuoteWhatWouldSplitACell)
{
    StationResult r;
    r.line = 4;
    r.name = QStringLiteral("Vodojem, \"horní\"");
    r.product = QStringLiteral("TORVAL");
    r.memory = QStringLiteral("1984 byte");
    r.outcome = StationOutcome::Programmed;
    r.durationMs = 12345;
    r.backupFile = QStringLiteral("zalohy/Vodojem.eep");
    r.port = QStringLiteral("COM 3");
    EXPECT_EQ(
        logLine(r),
        QStringLiteral("4,\"Vodojem, \"\"horní\"\"\",TORVAL,1984 byte,naprogramováno,12.3,zalohy/Vodojem.eep,COM 3"));
}

// ---- stations, in-process ------------------------------------------------

struct ProvisionFixture : ::testing::Test, test::SimulatedStation {
    ProvisionFixture() : SimulatedStation(StationIdentity{{130, 211, 25}, 1, 0, 4, 4}) { }
    QTemporaryDir dir;
    QStringList said;
    ProvisionSettings settings;

    void SetUp() override
    {
        settings.port = QStringLiteral("COM 1");
        settings.backupDir = dir.filePath(QStringLiteral("zalohy"));
        settings.logPath = dir.filePath(QStringLiteral("protokol.csv"));
        settings.say = [this](const QString& l) { said << l; };
        int second = 0;
        settings.now = [second]() mutable { return QDateTime(QDate(2024, 3, 5), QTime(10, 0, second++ % 60)); };
    }
    StationTable table(const QByteArray& csv) { return readStationTable(csv, templateConfig()); }
    // The whole run, as the command line makes it, on this fixture's one port.
    ProvisionSummary run(const StationTable& t)
    {
        struct Borrowed final : PortSession {
            ProvisionFixture& f;
            explicit Borrowed(ProvisionFixture& f) : f(f) { }
            StationLink& link() override { return f.link; }
            Prompts& prompts() override { return f.prompts; }
            BusyIndicator& busy() override { return f.busy; }
            bool portOpens(QString&) override { return true; }
        };
        return provisionOnPorts(
            t, {settings.port}, settings,
            [this](const QString&, const std::atomic<bool>&) { return std::make_unique<Borrowed>(*this); },
            [] { return false; });
    }
    EepromImage stationImage() const
    {
        EepromImage img;
        std::copy(station.memory().begin(), station.memory().end(), img.bytes().begin());
        return img;
    }
    QStringList logRows() const
    {
        QFile f(settings.logPath);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(ProvisionFixture, ThreeRowsOneInvalidProgramsTheOthersWithBackupsAndLog)
{
    std::fill(station.memory().begin(), station.memory().end(), std::uint8_t(0x11)); // unprogrammed
    const StationTable t = table("tabJmenoStanice,tabPIN,tabTC[0]\n"
                                 "Stanice A,1111,+420601000001\n"
                                 "Stanice B,12x,+420601000002\n"
                                 "Stanice C,3333,\n");
    const ProvisionSummary s = run(t);
    EXPECT_EQ(s.programmed, 2);
    EXPECT_EQ(s.invalid, 1);
    EXPECT_EQ(s.failed, 0);
    EXPECT_FALSE(s.cancelled);
    EXPECT_EQ(link.state(), LinkState::Inactive) << "each station is let go";

    // The station now holds row C, exactly as the encoder lays it out.
    const EepromImage now = stationImage();
    ASSERT_TRUE(imageHeaderValid(now));
    const DecodeResult decoded = decodeImage(now, t.rows[1].config);
    EXPECT_EQ(decoded.config.tabJmenoStanice, QStringLiteral("Stanice C"));
    EXPECT_EQ(decoded.config.tabPIN, QStringLiteral("3333"));
    EXPECT_EQ(decoded.config.tabOUTNazev[0], QStringLiteral("SVETLO"));

    // Backups: what the write replaced on the unprogrammed station, then what row A had written.
    ASSERT_EQ(s.results.size(), 3u);
    const StationResult& a = s.results[1];
    const StationResult& c = s.results[2];
    EXPECT_EQ(s.results[0].outcome, StationOutcome::InvalidRow);
    EXPECT_EQ(s.results[0].line, 3);
    EXPECT_EQ(a.outcome, StationOutcome::Programmed);
    EXPECT_EQ(a.product, QStringLiteral("TORVAL"));
    EXPECT_EQ(a.memory, QStringLiteral("1984 byte"));
    QFile backupA(a.backupFile);
    ASSERT_TRUE(backupA.open(QIODevice::ReadOnly)) << a.backupFile.toStdString();
    // An empty station: the header, then the range the write covers.
    const QByteArray heldA = backupA.readAll();
    EXPECT_EQ(heldA, QByteArray(std::min(layout::writtenEnd(settingsSize(t.rows[0].config)), 1984), '\x11'));
    EXPECT_TRUE(a.backupFile.endsWith(QStringLiteral("Stanice_A-20240305-100000.eep")));
    EepromImage fromBackup;
    ASSERT_TRUE(readSettingsFile(c.backupFile, fromBackup));
    ASSERT_TRUE(imageHeaderValid(fromBackup));
    EXPECT_EQ(decodeImage(fromBackup, DeviceConfig{}).config.tabJmenoStanice, QStringLiteral("Stanice A"));

    EXPECT_TRUE(said.contains(QStringLiteral("Řádek 3: tabPIN: PIN je špatně zadán.")));
    EXPECT_TRUE(said.contains(
        QStringLiteral("Připojte další stanici (řádek 4, 'Stanice C') a uveďte ji do programovacího režimu.")));
    EXPECT_TRUE(
        said.contains(QStringLiteral("Stanice není naprogramována; záloha obsahuje oblast, kterou zápis přepíše.")));
    EXPECT_TRUE(std::any_of(said.begin(), said.end(), [](const QString& l) {
        return l.startsWith(QStringLiteral("Změny proti stanici (3):"))
            && l.contains(QStringLiteral("T1 Telefonní číslo: \"+420601000001\" → \"\""));
    })) << said.join('\n').toStdString();

    const QStringList log = logRows();
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[0], logHeader());
    EXPECT_TRUE(log[1].startsWith(QStringLiteral("3,Stanice B,,,neplatný řádek,")));
    EXPECT_TRUE(log[2].startsWith(QStringLiteral("2,Stanice A,TORVAL,1984 byte,naprogramováno,")));
    EXPECT_TRUE(log[3].endsWith(c.backupFile + QStringLiteral(",COM 1")));
}

TEST_F(ProvisionFixture, StopOnErrorTouchesNoStationWhenARowIsBad)
{
    settings.stopOnError = true;
    const ProvisionSummary s = run(table("tabPIN\n1111\nabc\n"));
    EXPECT_TRUE(s.stopped);
    EXPECT_EQ(s.programmed, 0);
    EXPECT_EQ(station.framesReceived(), 0);
    EXPECT_FALSE(QDir(settings.backupDir).exists());
}

TEST_F(ProvisionFixture, WrongDeviceIsRefusedBeforeAnythingIsReadOrWritten)
{
    station.setIdentity({{130, 211, 32}, 1, 0, 4, 4}); // "MIK"
    Provisioner p(link, prompts, busy, settings);
    const StationTable t = table("tabJmenoStanice\nX\n");
    const StationResult r = p.programStation(t.rows.at(0));
    EXPECT_EQ(r.outcome, StationOutcome::WrongDevice);
    EXPECT_EQ(r.product, QStringLiteral("MIK"));
    EXPECT_EQ(sent(0x04), 0);
    EXPECT_EQ(sent(0x05), 0);
    EXPECT_EQ(link.state(), LinkState::Inactive);
}

TEST_F(ProvisionFixture, AStationThatDoesNotKeepWhatItAcknowledgesFailsAndTheRunGoesOn)
{
    settings.verifyWrites = false; // only the read-back after the write can notice
    station.faults().ignoreWrites = 1.0;
    settings.say = [this](const QString& l) {
        said << l;
        if (l.contains(QStringLiteral("(řádek 3,")))
            station.faults().ignoreWrites = 0; // the next station is a good one
    };
    const ProvisionSummary s = run(table("tabJmenoStanice\nVadna\nDobra\n"));
    ASSERT_EQ(s.results.size(), 2u);
    EXPECT_EQ(s.results[0].outcome, StationOutcome::Failed);
    EXPECT_TRUE(s.results[0].message.startsWith(QStringLiteral("Kontrola po zápisu: stanice vrací na adrese")))
        << s.results[0].message.toStdString();
    EXPECT_EQ(s.results[1].outcome, StationOutcome::Programmed);
    EXPECT_EQ(s.failed, 1);
    EXPECT_EQ(s.programmed, 1);
}

TEST_F(ProvisionFixture, NoCompleteBackupNoWrite)
{
    QFile blocker(dir.filePath(QStringLiteral("soubor")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A disk that fills up during the backup (a file size limit binds root too).
    // Windows has no file size limit to fill the disk with.
    const auto fullDisk = [](bool on) {
#ifndef _WIN32
        static rlimit saved{};
        static void (*handler)(int) = nullptr;
        if (on) {
            getrlimit(RLIMIT_FSIZE, &saved);
            handler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 200; // the backup holds at least the 272-byte header
            setrlimit(RLIMIT_FSIZE, &small);
        } else {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, handler);
        }
#else
        (void)on;
#endif
    };
    const struct {
        const char* what;
        QString backupDir;
        bool diskFull;
    } cases[] = {
        {"folder below a file", blocker.fileName() + QStringLiteral("/zalohy"), false},
        {"disk full mid-backup", dir.filePath(QStringLiteral("plny")), true},
    };
    for (const auto& c : cases) {
#ifdef _WIN32
        if (c.diskFull)
            continue;
#endif
        SCOPED_TRACE(c.what);
        station.clearRequests();
        said.clear();
        settings.backupDir = c.backupDir;
        Provisioner p(link, prompts, busy, settings);
        if (c.diskFull)
            fullDisk(true);
        const StationResult r = p.programStation(table("tabJmenoStanice\nX\n").rows.at(0));
        if (c.diskFull)
            fullDisk(false);
        EXPECT_EQ(r.outcome, StationOutcome::Failed);
        EXPECT_TRUE(r.message.endsWith(QStringLiteral("nic nebylo zapsáno."))) << r.message.toStdString();
        EXPECT_TRUE(r.backupFile.isEmpty());
        EXPECT_FALSE(said.join('\n').contains(QStringLiteral("Záloha:")));
        EXPECT_EQ(sent(0x05), 0);
        EXPECT_EQ(link.state(), LinkState::Inactive);
        EXPECT_TRUE(QDir(c.backupDir).entryList(QDir::Files).isEmpty()) << "no partial backup is left";
    }
}

TEST_F(ProvisionFixture, ALogThatCannotBeCreatedIsFoundBeforeTheFirstStation)
{
    settings.logPath = dir.filePath(QStringLiteral("chybi/protokol.csv")); // a folder that does not exist
    for (const QByteArray& csv :
         {QByteArray("tabJmenoStanice\nPrvni\nDruha\n"), QByteArray("tabJmenoStanice,tabPIN\nPrvni,12x\nDruha,1\n")}) {
        station.clearRequests();
        said.clear();
        const ProvisionSummary s = run(table(csv));
        EXPECT_TRUE(s.logFailed);
        EXPECT_EQ(s.programmed, 0);
        EXPECT_EQ(s.skipped, 2 - s.invalid);
        EXPECT_EQ(sent(0x01), 0) << "no station waited for";
        EXPECT_TRUE(
            said.join('\n').contains(QStringLiteral("Do protokolu '%1' nelze zapisovat (").arg(settings.logPath)))
            << said.join('\n').toStdString();
    }
}

TEST_F(ProvisionFixture, StornoEndsTheRunAfterThatStationAndAWrittenOneIsNotToBeDoneAgain)
{
    settings.verifyWrites = false; // the only reads after a write are the read-back
    const struct {
        const char* what;
        bool duringReadBack;
        StationOutcome outcome;
        int writes, unchecked;
    } cases[] = {
        {"during the write", false, StationOutcome::Cancelled, 1, 0},
        {"during the read-back after a complete write", true, StationOutcome::Unchecked, -1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        station.clearRequests();
        busy.cancel = false;
        bool written = false;
        station.onRequest = [&](const StationCore::Request& r) {
            written = written || r.command == 0x05;
            if (r.command == (c.duringReadBack ? 0x04 : 0x05) && written)
                busy.cancel = true;
        };
        const ProvisionSummary s = run(table("tabJmenoStanice\nPrvni\nDruha\n"));
        EXPECT_TRUE(s.cancelled);
        ASSERT_EQ(s.results.size(), 1u) << "the second station is not waited for";
        EXPECT_EQ(s.results[0].outcome, c.outcome);
        if (c.writes > 0) {
            EXPECT_EQ(sent(0x05), c.writes) << "the write stops after the block during which Storno came";
        }
        EXPECT_EQ(s.unchecked, c.unchecked);
        EXPECT_EQ(s.skipped, 2 - c.unchecked) << "a written station is no row to do again";
        EXPECT_FALSE(s.results[0].backupFile.isEmpty());
        EXPECT_EQ(link.state(), LinkState::Inactive);
    }
    station.onRequest = nullptr;
    EXPECT_TRUE(logRows().last().contains(QStringLiteral(",zapsáno bez kontroly,"))) << logRows().last().toStdString();
}

TEST_F(ProvisionFixture, ReportIsPrintedPerStationAndAFailedPrintIsNotASuccess)
{
    settings.pdfDir = dir.filePath(QStringLiteral("pdf"));
    QStringList printed;
    bool printWorks = true;
    settings.printPdf = [&](const DeviceConfig& c, const QString& path) {
        printed << c.tabJmenoStanice + QLatin1Char('|') + path;
        return printWorks;
    };
    settings.say = [&](const QString& l) {
        if (l.contains(QStringLiteral("(řádek 3,")))
            printWorks = false;
    };
    const ProvisionSummary s = run(table("tabJmenoStanice\nA1\nB2\n"));
    ASSERT_EQ(s.results.size(), 2u);
    EXPECT_EQ(s.results[0].outcome, StationOutcome::Programmed);
    EXPECT_EQ(s.results[1].outcome, StationOutcome::PdfFailed);
    EXPECT_EQ(s.programmed, 2) << "the station holds its settings; only the report is missing";
    EXPECT_EQ(s.withoutPdf, 1);
    EXPECT_EQ(s.failed + s.skipped, 0);
    ASSERT_EQ(printed.size(), 2);
    EXPECT_EQ(printed[0], QStringLiteral("A1|") + settings.pdfDir + QStringLiteral("/A1-20240305-100000.pdf"));
    EXPECT_TRUE(printed[1].startsWith(QStringLiteral("B2|")));
}

} // namespace
