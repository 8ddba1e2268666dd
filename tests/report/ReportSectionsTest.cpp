#include "report/ReportSections.h"
#include "model/ConfigFields.h"
#include "report/LevelGraph.h"
#include "report/PageLayout.h"
#include "report/RecordingSurface.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace torval {
namespace {

constexpr int kA4Width = 11906;
constexpr int kA4Height = 16838;

std::vector<QString> texts(const RecordingSurface& s)
{
    std::vector<QString> out;
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::Text)
            out.push_back(op.text);
    return out;
}

bool has(const std::vector<QString>& t, const QString& text)
{
    return std::find(t.begin(), t.end(), text) != t.end();
}

bool anyContains(const std::vector<QString>& t, const QString& part)
{
    return std::any_of(t.begin(), t.end(), [&](const QString& s) { return s.contains(part); });
}

std::vector<QString> report(const DeviceConfig& c, RecordingSurface& s)
{
    PageLayout page(s, c.tabJmenoStanice);
    printReport(page, c);
    return texts(s);
}

TEST(ReportSections, OnlyOutputsO1ToO4AndCounterC1ArePrinted)
{
    DeviceConfig c;
    for (int i = 0; i < 8; ++i)
        c.tabOUTNazev[i] = QStringLiteral("vystup%1").arg(i + 1);
    c.tabCITNazev = {QStringLiteral("vodomer"), QStringLiteral("plynomer")};
    RecordingSurface s(kA4Width, kA4Height);
    const auto t = report(c, s);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(has(t, QStringLiteral("O%1").arg(i + 1)));
        EXPECT_TRUE(has(t, QStringLiteral("vystup%1").arg(i + 1)));
    }
    for (int i = 4; i < 8; ++i) {
        EXPECT_FALSE(has(t, QStringLiteral("O%1").arg(i + 1)));
        EXPECT_FALSE(anyContains(t, QStringLiteral("vystup%1").arg(i + 1)));
    }
    EXPECT_TRUE(has(t, QStringLiteral("C1")));
    EXPECT_TRUE(has(t, QStringLiteral("vodomer")));
    EXPECT_FALSE(has(t, QStringLiteral("C2")));
    EXPECT_FALSE(anyContains(t, QStringLiteral("plynomer")));
}

// Every text the image holds is printed for the rows the window shows (O1..O4,
// C1), its options on; a text field added without its report column fails
// here. The unauthorised-access text is fixed in the station and not printed.
TEST(ReportSections, EveryStoredTextIsPrinted)
{
    DeviceConfig c;
    const auto token = [](const FieldDef& f, int i) { return QStringLiteral("q%1q%2").arg(int(f.id)).arg(i); };
    const auto listed = [](const FieldDef& f) { return f.image.kind == layout::PlaceKind::List; };
    for (const FieldDef& f : configFields())
        for (int i = 0; i < f.count; ++i) {
            if (f.kind == FieldKind::Flag)
                *f.flag(c, i) = true;
            else if (listed(f))
                *f.text(c, i) = token(f, i);
        }
    RecordingSurface s(kA4Width, kA4Height);
    const auto t = report(c, s);
    for (const FieldDef& f : configFields()) {
        const int shown = f.rows == RowSet::Outputs ? 4 : f.rows == RowSet::Counters ? 1 : f.count;
        for (int i = 0; listed(f) && f.id != FieldId::rtNotAuthorized && i < shown; ++i)
            EXPECT_TRUE(anyContains(t, token(f, i))) << f.name << " " << i;
    }
}

TEST(ReportSections, StationNameIsCutTo20CharsInEveryPageHeader)
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Přečerpávací stanice Dolní Újezd");
    RecordingSurface s(kA4Width, kA4Height);
    const auto t = report(c, s);
    const long pages = 1 + std::count_if(s.ops().begin(), s.ops().end(), [](const SurfaceOp& op) {
                           return op.kind == SurfaceOp::Kind::NewPage;
                       });
    ASSERT_GE(pages, 3);
    EXPECT_EQ(std::count(t.begin(), t.end(), QStringLiteral("TORVAL Init stanice: Přečerpávací stanice")), pages);
    for (long p = 1; p <= pages; ++p)
        EXPECT_TRUE(has(t, QStringLiteral("%1. stránka").arg(p)));
    // The general section still shows the whole name.
    EXPECT_TRUE(has(t, c.tabJmenoStanice));
}

TEST(ReportSections, AnalogCrossingRowsFollowReportBoxesAndEachInputsOwnBits)
{
    DeviceConfig c;
    c.tabAINCL1UpEvent[0] = true;
    c.tabAINCL1Up[0] = QStringLiteral("Hladina stoupa");
    c.eeMaskAInAlarm[0] = 0x01;
    c.tabAINCL1UpEvent[1] = true;
    c.tabAINCL1Up[1] = QStringLiteral("Teplota stoupa");
    c.eeMaskAInAlarm[1] = 0xF0; // bits 4..7 mean nothing here
    c.tabAINCL2DnEvent[1] = true;
    c.tabAINCL2Dn[1] = QStringLiteral("Pokles");
    c.eeMaskAInAlarm[1] |= 0x08;
    RecordingSurface s(kA4Width, kA4Height);
    const auto t = report(c, s);
    EXPECT_TRUE(has(t, QStringLiteral("Při přechodu nahoru přes CL1 posílat okamžitě  hlášení: 'Hladina stoupa'")));
    EXPECT_TRUE(has(t, QStringLiteral("Při přechodu nahoru přes CL1 posílat  hlášení: 'Teplota stoupa'")));
    EXPECT_TRUE(has(t, QStringLiteral("Při přechodu dolu přes CL2 posílat okamžitě  hlášení: 'Pokles'")));
    // Unreported crossings of the eight inputs print their refusals.
    EXPECT_EQ(std::count(t.begin(), t.end(), QStringLiteral("Při přechodu dolu přes CL1 neposílat žádné hlášení.")), 8);
    EXPECT_EQ(std::count(t.begin(), t.end(), QStringLiteral("Při přechodu nahoru přes CL2 neposílat žádné hlášení.")),
              8);
    EXPECT_EQ(std::count(t.begin(), t.end(), QStringLiteral("Při přechodu nahoru přes CL1 neposílat žádné hlášení.")),
              6);
}

TEST(ReportSections, AnalogStatusListNamesWhatTheStatusMessageCarries)
{
    DeviceConfig c;
    c.tabAINPrc[1] = true;
    c.tabAINZpr[2] = true;
    c.tabAINPrc[3] = c.tabAINZpr[3] = true;
    c.tabAINNazev[7] = QStringLiteral("Baterie");
    RecordingSurface s(kA4Width, kA4Height);
    const auto t = report(c, s);
    EXPECT_EQ(std::count(t.begin(), t.end(), QStringLiteral("Ve zprávě o stavu tento vstup neuvádět.")), 5);
    EXPECT_TRUE(has(t, QStringLiteral("Ve zprávě o stavu uvádět: hodnotu")));
    EXPECT_TRUE(has(t, QStringLiteral("Ve zprávě o stavu uvádět: jméno stavu")));
    EXPECT_TRUE(has(t, QStringLiteral("Ve zprávě o stavu uvádět: hodnotu, jméno stavu")));
    EXPECT_TRUE(has(t, QStringLiteral("Název BAT: 'Baterie'")));
}

TEST(ReportSections, GeneralSectionWithAndWithoutPowerSaving)
{
    DeviceConfig off;
    RecordingSurface s1(kA4Width, kA4Height);
    const auto t1 = report(off, s1);
    EXPECT_TRUE(has(t1, QStringLiteral("Šetřící režim nepovolen.")));
    EXPECT_TRUE(has(t1, QStringLiteral("Při vypnutém modemu nevypínat výstupy.")));

    DeviceConfig on;
    on.opEnablePS1 = true;
    on.eePSOffH = QStringLiteral("3");
    on.eePSOffM = QStringLiteral("30");
    on.eePSOnH = QStringLiteral("0");
    on.eePSOnM = QStringLiteral("15");
    on.opPSOutOff = true;
    RecordingSurface s2(kA4Width, kA4Height);
    const auto t2 = report(on, s2);
    EXPECT_TRUE(has(t2, QStringLiteral("Šetřící režim povolen. Modem je vypnut po dobu 3:30 a zapnut po dobu 0:15.")));
    EXPECT_TRUE(has(t2, QStringLiteral("Při vypnutém modemu vypínat i výstupy.")));
}

TEST(ReportSections, SmsRowsReadTheirSwitches)
{
    DeviceConfig c;
    c.tabDobaPlatnostiSMS = QStringLiteral("7");
    c.opBatt = true;
    c.rtBattLow = QStringLiteral("Slaba baterie");
    c.opSwitchReport = true;
    c.rtSwitchOn = QStringLiteral("ZAP");
    c.rtSwitchOff = QStringLiteral("VYP");
    RecordingSurface s(kA4Width, kA4Height);
    const auto t = report(c, s);
    EXPECT_TRUE(has(t, QStringLiteral("Doba platnosti SMS zpráv je 7 dnů.")));
    EXPECT_TRUE(has(t, QStringLiteral("Při poklesu napětí baterií vypínat zařízení a odesílat text: 'Slaba baterie'")));
    EXPECT_TRUE(has(t, QStringLiteral("V příkazové zprávě nepožadovat autorizaci zadáním PINu.")));
    EXPECT_TRUE(has(t, QStringLiteral("Posílat hlášení o zap./vyp. zařízení. Text zap.: 'ZAP' Text vyp.: 'VYP'")));
    EXPECT_TRUE(has(t, QStringLiteral("Neposílat hlášení o zap./vyp. síťového napájení. Text zap.: '' Text vyp.: ''")));
}

TEST(ReportSections, LastColumnEndsAtTheRightMargin)
{
    DeviceConfig c;
    RecordingSurface s(kA4Width, kA4Height);
    PageLayout page(s, {});
    printPhonesSection(page, c);
    int rightmost = 0;
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::Line)
            rightmost = std::max({rightmost, op.x1, op.x2});
    EXPECT_EQ(rightmost, kA4Width - 1000);
}

TEST(ReportSections, AnalogBlockMovesToANewPageSoItsGraphIsNeverSplit)
{
    // On a 7000-twip page the first block's graph fits below the title, the
    // second would not and starts the next page.
    const int height = 7000;
    DeviceConfig c;
    RecordingSurface s(kA4Width, height);
    PageLayout page(s, {});
    page.printPageHeader();
    printAnalogSection(page, c);

    int pageNo = 1;
    std::vector<std::pair<int, int>> graphs; // page, top
    for (const SurfaceOp& op : s.ops()) {
        if (op.kind == SurfaceOp::Kind::NewPage)
            ++pageNo;
        if (op.kind == SurfaceOp::Kind::Picture) {
            EXPECT_EQ(op.x1, 7500);
            EXPECT_EQ(op.x2 - op.x1, kGraphWidth);
            EXPECT_LE(op.y2, height - 1000);
            graphs.emplace_back(pageNo, op.y1);
        }
    }
    ASSERT_EQ(graphs.size(), 8u);
    EXPECT_EQ(graphs[0], std::make_pair(1, 2100 + 400 + 300));
    EXPECT_EQ(graphs[1], std::make_pair(2, 2100));
}

TEST(ReportSections, GraphPictureIsTheInputsOwnGraph)
{
    DeviceConfig c;
    c.tabAINCL1Level[6] = QStringLiteral("20");
    c.tabAINHCL1Level[6] = QStringLiteral("2");
    c.tabAINCL2Level[6] = QStringLiteral("80");
    c.tabAINHCL2Level[6] = QStringLiteral("2");
    c.tabAINNeg[6] = true;
    RecordingSurface s(kA4Width, kA4Height);
    PageLayout page(s, {});
    printAnalogSection(page, c);
    std::vector<const Picture*> pictures;
    for (const SurfaceOp& op : s.ops())
        if (op.kind == SurfaceOp::Kind::Picture)
            pictures.push_back(op.picture.get());
    ASSERT_EQ(pictures.size(), 8u);
    std::vector<QString> labels;
    for (const SurfaceOp& op : pictures[6]->ops)
        if (op.kind == SurfaceOp::Kind::Text)
            labels.push_back(op.text);
    EXPECT_TRUE(has(labels, QStringLiteral("CL1 (20 ± 2)°C")));
    EXPECT_TRUE(has(labels, QStringLiteral("0°C (100°C vstup)")));
    EXPECT_EQ(pictures[6]->background, kWhite);
}

} // namespace
} // namespace torval
