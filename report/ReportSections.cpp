#include "report/ReportSections.h"

#include "report/LevelGraph.h"
#include "report/PageLayout.h"
#include "report/RecordingSurface.h"

#include <vector>

namespace torval {

namespace {

constexpr int kRow = 300;
constexpr int kSectionGap = 200;
constexpr double kBodyPoints = 8.0;
// Header rows of the tables are drawn heavier than their data rows.
constexpr int kHeaderLine = 6;
constexpr int kDataLine = 1;
// The analog blocks: text rows on the left, the graph beside them.
constexpr int kAnalogTextWidth = 6500;
constexpr int kGraphLeft = 7500;
constexpr int kAnalogRows = 8;
// A block's rows and its graph share a page: decided by its last row, as
// the line advance decides for every row.
constexpr int kAnalogBlockSpan = (kAnalogRows - 1) * kRow;

QString digit(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

QString quoted(const QString& text)
{
    return QStringLiteral("'") + text + QStringLiteral("'");
}

// `keepWith`: see PageLayout::printSectionTitle; a table keeps its header
// row and first data row with the title.
void beginSection(PageLayout& page, const QString& title, int keepWith = 0)
{
    page.printSectionTitle(title, keepWith);
    page.setFontSize(kBodyPoints);
}

void fullRow(PageLayout& page, const QString& text)
{
    page.printCell(text, page.fullWidth(), kRow, Align::Left, false, true);
}

struct Column {
    QString title;
    int width; // 0: the rest of the line
};

void printHeaderRow(PageLayout& page, const std::vector<Column>& columns)
{
    page.setLineWidth(kHeaderLine);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool end = i + 1 == columns.size();
        page.printCell(columns[i].title, end ? page.restOfLine() : columns[i].width, kRow, Align::Centre, true, end);
    }
    page.setLineWidth(kDataLine);
}

// A table's header row; it is printed again at the top of every page the
// table continues on, until endTable.
void headerRow(PageLayout& page, std::initializer_list<Column> columns)
{
    std::vector<Column> kept(columns);
    printHeaderRow(page, kept);
    page.setContinuation([&page, kept] { printHeaderRow(page, kept); });
}

// Called before the table's last row: a page that breaks after it holds no
// row of the table, so it gets no header row either.
void endTable(PageLayout& page)
{
    page.setContinuation({});
}

void cell(PageLayout& page, const QString& text, int width, Align align = Align::Left)
{
    page.printCell(text, width, kRow, align, true, false);
}

void lastCell(PageLayout& page, const QString& text, Align align)
{
    page.printCell(text, page.restOfLine(), kRow, align, true, true);
}

} // namespace

void printGeneralSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QStringLiteral("Všeobecné"));
    page.setLineWidth(kDataLine);
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("Název stanice"), c.tabJmenoStanice},
        {QStringLiteral("PIN"), c.tabPIN},
        {QStringLiteral("Tel. servisního centra"), c.tabTCcentra},
    };
    for (const auto& [label, value] : rows) {
        cell(page, label, 2000);
        page.printCell(value, page.pageWidth() - 4000, kRow, Align::Left, true, true);
    }
    if (!c.opEnablePS1)
        fullRow(page, QStringLiteral("Šetřící režim nepovolen."));
    else
        fullRow(page, QStringLiteral("Šetřící režim povolen. Modem je vypnut po dobu ") + c.eePSOffH +
                          QStringLiteral(":") + c.eePSOffM + QStringLiteral(" a zapnut po dobu ") + c.eePSOnH +
                          QStringLiteral(":") + c.eePSOnM + QStringLiteral("."));
    fullRow(page, c.opPSOutOff ? QStringLiteral("Při vypnutém modemu vypínat i výstupy.")
                               : QStringLiteral("Při vypnutém modemu nevypínat výstupy."));
    page.advanceGap(kSectionGap);
}

void printSmsSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QStringLiteral("SMS zprávy"));
    page.setLineWidth(kDataLine);
    const auto choose = [](bool on, const char* yes, const char* no) {
        return QString::fromUtf8(on ? yes : no);
    };
    fullRow(page, QStringLiteral("Doba platnosti SMS zpráv je ") + c.tabDobaPlatnostiSMS + QStringLiteral(" dnů."));
    fullRow(page, QStringLiteral("Při poklesu napětí baterií ") + choose(c.opBatt, "vypínat", "nevypínat") +
                      QStringLiteral(" zařízení a odesílat text: '") + c.rtBattLow + QStringLiteral("'"));
    fullRow(page, QStringLiteral("V příkazové zprávě ") + choose(c.opPINAuth, "požadovat", "nepožadovat") +
                      QStringLiteral(" autorizaci zadáním PINu."));
    fullRow(page, QStringLiteral("Hlášení o stavu ") + choose(c.tabOdpovidatT0, "posílat", "neposílat") +
                      QStringLiteral(" i na telefonní číslo T1."));
    fullRow(page, QStringLiteral("Hlášení o nepovoleném přístupu ") +
                      choose(c.tabPrepnoutNepovolPristup, "posílat", "neposílat") +
                      QStringLiteral(" i na telefonní číslo T1."));
    fullRow(page, choose(c.opSwitchReport, "Posílat", "Neposílat") +
                      QStringLiteral(" hlášení o zap./vyp. zařízení. Text zap.: '") + c.rtSwitchOn +
                      QStringLiteral("' Text vyp.: '") + c.rtSwitchOff + QStringLiteral("'"));
    fullRow(page, choose(c.opPowerReport, "Posílat", "Neposílat") +
                      QStringLiteral(" hlášení o zap./vyp. síťového napájení. Text zap.: '") + c.rtPowerUp +
                      QStringLiteral("' Text vyp.: '") + c.rtPowerDown + QStringLiteral("'"));
    page.advanceGap(kSectionGap);
}

void printInputsSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QStringLiteral("Logické vstupy"), kRow);
    headerRow(page, {{QStringLiteral("Název"), 1800},
                     {QStringLiteral("Stav 0"), 800},
                     {QStringLiteral("Stav 1"), 800},
                     {QStringLiteral("0->1"), 2600},
                     {QStringLiteral("1->0"), 2600},
                     {QStringLiteral("Negace"), 800},
                     {QStringLiteral("Uvádět ve zprávě"), 0}});
    for (int i = 0; i < kInputCount; ++i) {
        if (i == kInputCount - 1)
            endTable(page);
        cell(page, inputLabel(i), 300);
        cell(page, c.tabINPNazev[i], 1500);
        cell(page, c.tabINPVyp[i], 800);
        cell(page, c.tabINPZap[i], 800);
        cell(page, digit(c.tabINPLHEvent[i]), 300, Align::Centre);
        cell(page, c.tabINPLH[i], 2000);
        cell(page, digit(c.eeMaskDInLHAlarm[i]), 300, Align::Centre);
        cell(page, digit(c.tabINPHLEvent[i]), 300, Align::Centre);
        cell(page, c.tabINPHL[i], 2000);
        cell(page, digit(c.eeMaskDInHLAlarm[i]), 300, Align::Centre);
        cell(page, digit(c.tabINPNeg[i]), 800, Align::Centre);
        lastCell(page, digit(c.tabINPZpr[i]), Align::Centre);
    }
    page.advanceGap(kSectionGap);
}

void printOutputsSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QStringLiteral("Logické výstupy"), kRow);
    headerRow(page, {{QStringLiteral("Název"), 1800},
                     {QStringLiteral("Stav 0"), 800},
                     {QStringLiteral("Stav 1"), 800},
                     {QStringLiteral("Negace"), 800},
                     {QStringLiteral("Impuls"), 1500},
                     {QStringLiteral("Uvádět ve zprávě"), 0}});
    // The report lists the outputs the window shows, O1..O4; O5..O8 are
    // stored in the image but never printed.
    for (int i = 0; i < 4; ++i) {
        if (i == 3)
            endTable(page);
        cell(page, outputLabel(i), 300);
        cell(page, c.tabOUTNazev[i], 1500);
        cell(page, c.tabOUTVyp[i], 800);
        cell(page, c.tabOUTZap[i], 800);
        cell(page, digit(c.tabOUTNeg[i]), 800, Align::Centre);
        cell(page, c.tabOUTimpuls[i], 1000);
        cell(page, c.tabOUTimpulsLEN[i], 500, Align::Right);
        lastCell(page, digit(c.tabOUTZpr[i]), Align::Centre);
    }
    page.advanceGap(kSectionGap);
}

void printAnalogSection(PageLayout& page, const DeviceConfig& c)
{
    // The title goes with the gap and the whole first block.
    beginSection(page, QStringLiteral("Analogové vstupy"), kRow + kAnalogBlockSpan);
    page.setLineWidth(kHeaderLine);
    const auto textRow = [&page](const QString& text) {
        page.printCell(text, kAnalogTextWidth, kRow, Align::Left, false, true);
    };
    for (int i = 0; i < kAnalogCount; ++i) {
        page.advanceLine(kRow);
        // Rows and graph are never split across pages.
        page.keepTogether(kAnalogBlockSpan);

        Surface& surface = page.surface();
        RecordingSurface graph(kGraphWidth, kGraphHeight, kWhite, surface);
        graphMake(graph, c.analogScale[i], c.tabAINCL1Level[i], c.tabAINHCL1Level[i], c.tabAINCL2Level[i],
                  c.tabAINHCL2Level[i], c.tabAINNeg[i]);
        surface.drawPicture(kGraphLeft, page.currentY(), graph.picture());

        QString list = c.tabAINPrc[i] ? QStringLiteral("hodnotu") : QString();
        if (c.tabAINZpr[i])
            list = list.isEmpty() ? QStringLiteral("jméno stavu") : list + QStringLiteral(", jméno stavu");
        page.printCell(QStringLiteral("Název ") + analogLabel(i) + QStringLiteral(": ") + quoted(c.tabAINNazev[i]),
                       2500, kRow, Align::Left, true, false);
        page.printCell(list.isEmpty() ? QStringLiteral("Ve zprávě o stavu tento vstup neuvádět.")
                                      : QStringLiteral("Ve zprávě o stavu uvádět: ") + list,
                       4000, kRow, Align::Left, true, true);

        textRow(QStringLiteral("Název stavu HIGH: ") + quoted(c.tabAINStateH[i]));
        textRow(QStringLiteral("Název stavu MEDIUM: ") + quoted(c.tabAINStateM[i]));
        textRow(QStringLiteral("Název stavu LOW: ") + quoted(c.tabAINStateL[i]));

        const struct {
            bool reported;
            int bit;
            const QString& sms;
            const char* lead;
            const char* refusal;
        } crossings[] = {
            {c.tabAINCL1UpEvent[i], 0, c.tabAINCL1Up[i], "Při přechodu nahoru přes CL1 posílat ",
             "Při přechodu nahoru přes CL1 neposílat žádné hlášení."},
            {c.tabAINCL1DnEvent[i], 1, c.tabAINCL1Dn[i], "Při přechodu dolu přes CL1 posílat ",
             "Při přechodu dolu přes CL1 neposílat žádné hlášení."},
            {c.tabAINCL2UpEvent[i], 2, c.tabAINCL2Up[i], "Při přechodu nahoru přes CL2 posílat ",
             "Při přechodu nahoru přes CL2 neposílat žádné hlášení."},
            {c.tabAINCL2DnEvent[i], 3, c.tabAINCL2Dn[i], "Při přechodu dolu přes CL2 posílat ",
             "Při přechodu dolu přes CL2 neposílat žádné hlášení."},
        };
        for (const auto& x : crossings) {
            if (!x.reported) {
                textRow(QString::fromUtf8(x.refusal));
                continue;
            }
            const bool immediately = (c.eeMaskAInAlarm[i] >> x.bit) & 1u;
            textRow(QString::fromUtf8(x.lead) + (immediately ? QStringLiteral("okamžitě ") : QString()) +
                    QStringLiteral(" hlášení: ") + quoted(x.sms));
        }
    }
    page.advanceGap(kSectionGap);
}

void printPhonesSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QStringLiteral("Telefonní čísla"), kRow);
    headerRow(page, {{QStringLiteral("Telefonní číslo"), 2300},
                     {QStringLiteral("Příjem příkazů"), 2000},
                     {QStringLiteral("Odesílání zpráv"), 0}});
    for (int i = 0; i < kPhoneCount; ++i) {
        if (i == kPhoneCount - 1)
            endTable(page);
        cell(page, phoneLabel(i), 300);
        cell(page, c.tabTC[i], 2000);
        cell(page, digit(c.tabTCPrijem[i]), 2000, Align::Centre);
        lastCell(page, digit(c.tabTCUdalost[i]), Align::Centre);
    }
    page.advanceGap(kSectionGap);
}

void printCountersSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QStringLiteral("Čítače"), kRow);
    headerRow(page, {{QStringLiteral("Název"), 2300}, {QStringLiteral("Uvádět ve zprávě"), 0}});
    endTable(page);
    // The report lists counter C1 only, whatever C2 holds.
    cell(page, counterLabel(0), 300);
    cell(page, c.tabCITNazev[0], 2000);
    lastCell(page, digit(c.tabCITZpr[0]), Align::Centre);
    fullRow(page, c.opSuppZero ? QStringLiteral("Při zobrazení stavů čítačů potlačovat přední nuly.")
                               : QStringLiteral("Při zobrazení stavů čítačů nepotlačovat přední nuly."));
    page.advanceGap(kSectionGap);
}

void printReport(PageLayout& page, const DeviceConfig& config)
{
    page.printPageHeader();
    printGeneralSection(page, config);
    printSmsSection(page, config);
    printInputsSection(page, config);
    printOutputsSection(page, config);
    printAnalogSection(page, config);
    printPhonesSection(page, config);
    printCountersSection(page, config);
}

} // namespace torval
