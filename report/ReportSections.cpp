#include "report/ReportSections.h"

#include "report/LevelGraph.h"
#include "report/PageLayout.h"
#include "report/RecordingSurface.h"

#include <QCoreApplication>
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
    beginSection(page, QCoreApplication::translate("ReportSections", "Všeobecné"));
    page.setLineWidth(kDataLine);
    const std::pair<QString, QString> rows[] = {
        {QCoreApplication::translate("ReportSections", "Název stanice"), c.tabJmenoStanice},
        {QStringLiteral("PIN"), c.tabPIN},
        {QCoreApplication::translate("ReportSections", "Tel. servisního centra"), c.tabTCcentra},
    };
    for (const auto& [label, value] : rows) {
        cell(page, label, 2000);
        page.printCell(value, page.pageWidth() - 4000, kRow, Align::Left, true, true);
    }
    if (!c.opEnablePS1)
        fullRow(page, QCoreApplication::translate("ReportSections", "Šetřící režim nepovolen."));
    else
        fullRow(page,
                QCoreApplication::translate(
                    "ReportSections", "Šetřící režim povolen. Modem je vypnut po dobu %1:%2 a zapnut po dobu %3:%4.")
                    .arg(c.eePSOffH, c.eePSOffM, c.eePSOnH, c.eePSOnM));
    fullRow(page,
            c.opPSOutOff ? QCoreApplication::translate("ReportSections", "Při vypnutém modemu vypínat i výstupy.")
                         : QCoreApplication::translate("ReportSections", "Při vypnutém modemu nevypínat výstupy."));
    page.advanceGap(kSectionGap);
}

void printSmsSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QCoreApplication::translate("ReportSections", "SMS zprávy"));
    page.setLineWidth(kDataLine);
    // Whole sentences, one for each setting, so a translation words each freely.
    const auto choose = [](bool on, const char* yes, const char* no) {
        return QCoreApplication::translate("ReportSections", on ? yes : no);
    };
    fullRow(page,
            QCoreApplication::translate("ReportSections", "Doba platnosti SMS zpráv je %1 dnů.")
                .arg(c.tabDobaPlatnostiSMS));
    fullRow(
        page,
        choose(
            c.opBatt,
            QT_TRANSLATE_NOOP("ReportSections", "Při poklesu napětí baterií vypínat zařízení a odesílat text: '%1'"),
            QT_TRANSLATE_NOOP("ReportSections", "Při poklesu napětí baterií nevypínat zařízení a odesílat text: '%1'"))
            .arg(c.rtBattLow));
    fullRow(page,
            choose(c.opPINAuth,
                   QT_TRANSLATE_NOOP("ReportSections", "V příkazové zprávě požadovat autorizaci zadáním PINu."),
                   QT_TRANSLATE_NOOP("ReportSections", "V příkazové zprávě nepožadovat autorizaci zadáním PINu.")));
    fullRow(page,
            choose(c.tabOdpovidatT0,
                   QT_TRANSLATE_NOOP("ReportSections", "Hlášení o stavu posílat i na telefonní číslo T1."),
                   QT_TRANSLATE_NOOP("ReportSections", "Hlášení o stavu neposílat i na telefonní číslo T1.")));
    fullRow(
        page,
        choose(
            c.tabPrepnoutNepovolPristup,
            QT_TRANSLATE_NOOP("ReportSections", "Hlášení o nepovoleném přístupu posílat i na telefonní číslo T1."),
            QT_TRANSLATE_NOOP("ReportSections", "Hlášení o nepovoleném přístupu neposílat i na telefonní číslo T1.")));
    fullRow(page,
            choose(c.opSwitchReport,
                   QT_TRANSLATE_NOOP("ReportSections",
                                     "Posílat hlášení o zap./vyp. zařízení. Text zap.: '%1' Text vyp.: '%2'"),
                   QT_TRANSLATE_NOOP("ReportSections",
                                     "Neposílat hlášení o zap./vyp. zařízení. Text zap.: '%1' Text vyp.: '%2'"))
                .arg(c.rtSwitchOn, c.rtSwitchOff));
    fullRow(
        page,
        choose(c.opPowerReport,
               QT_TRANSLATE_NOOP("ReportSections",
                                 "Posílat hlášení o zap./vyp. síťového napájení. Text zap.: '%1' Text vyp.: '%2'"),
               QT_TRANSLATE_NOOP("ReportSections",
                                 "Neposílat hlášení o zap./vyp. síťového napájení. Text zap.: '%1' Text vyp.: '%2'"))
            .arg(c.rtPowerUp, c.rtPowerDown));
    page.advanceGap(kSectionGap);
}

void printInputsSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QCoreApplication::translate("ReportSections", "Logické vstupy"), kRow);
    headerRow(page,
              {{QCoreApplication::translate("ReportSections", "Název"), 1800},
               {QCoreApplication::translate("ReportSections", "Stav 0"), 800},
               {QCoreApplication::translate("ReportSections", "Stav 1"), 800},
               {QStringLiteral("0->1"), 2600},
               {QStringLiteral("1->0"), 2600},
               {QCoreApplication::translate("ReportSections", "Negace"), 800},
               {QCoreApplication::translate("ReportSections", "Uvádět ve zprávě"), 0}});
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
    beginSection(page, QCoreApplication::translate("ReportSections", "Logické výstupy"), kRow);
    headerRow(page,
              {{QCoreApplication::translate("ReportSections", "Název"), 1800},
               {QCoreApplication::translate("ReportSections", "Stav 0"), 800},
               {QCoreApplication::translate("ReportSections", "Stav 1"), 800},
               {QCoreApplication::translate("ReportSections", "Negace"), 800},
               {QCoreApplication::translate("ReportSections", "Impuls"), 1500},
               {QCoreApplication::translate("ReportSections", "Uvádět ve zprávě"), 0}});
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
    beginSection(page, QCoreApplication::translate("ReportSections", "Analogové vstupy"), kRow + kAnalogBlockSpan);
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

        QString list;
        if (c.tabAINPrc[i] && c.tabAINZpr[i])
            list = QCoreApplication::translate("ReportSections", "Ve zprávě o stavu uvádět: hodnotu, jméno stavu");
        else if (c.tabAINPrc[i])
            list = QCoreApplication::translate("ReportSections", "Ve zprávě o stavu uvádět: hodnotu");
        else if (c.tabAINZpr[i])
            list = QCoreApplication::translate("ReportSections", "Ve zprávě o stavu uvádět: jméno stavu");
        else
            list = QCoreApplication::translate("ReportSections", "Ve zprávě o stavu tento vstup neuvádět.");
        page.printCell(
            QCoreApplication::translate("ReportSections", "Název %1: %2").arg(analogLabel(i), quoted(c.tabAINNazev[i])),
            2500, kRow, Align::Left, true, false);
        page.printCell(list, 4000, kRow, Align::Left, true, true);

        textRow(QCoreApplication::translate("ReportSections", "Název stavu HIGH: %1").arg(quoted(c.tabAINStateH[i])));
        textRow(QCoreApplication::translate("ReportSections", "Název stavu MEDIUM: %1").arg(quoted(c.tabAINStateM[i])));
        textRow(QCoreApplication::translate("ReportSections", "Název stavu LOW: %1").arg(quoted(c.tabAINStateL[i])));

        const struct {
            bool reported;
            int bit;
            const QString& sms;
            const char* sent;
            const char* sentNow;
            const char* refusal;
        } crossings[] = {
            {c.tabAINCL1UpEvent[i], 0, c.tabAINCL1Up[i],
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu nahoru přes CL1 posílat  hlášení: %1"),
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu nahoru přes CL1 posílat okamžitě  hlášení: %1"),
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu nahoru přes CL1 neposílat žádné hlášení.")},
            {c.tabAINCL1DnEvent[i], 1, c.tabAINCL1Dn[i],
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu dolu přes CL1 posílat  hlášení: %1"),
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu dolu přes CL1 posílat okamžitě  hlášení: %1"),
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu dolu přes CL1 neposílat žádné hlášení.")},
            {c.tabAINCL2UpEvent[i], 2, c.tabAINCL2Up[i],
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu nahoru přes CL2 posílat  hlášení: %1"),
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu nahoru přes CL2 posílat okamžitě  hlášení: %1"),
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu nahoru přes CL2 neposílat žádné hlášení.")},
            {c.tabAINCL2DnEvent[i], 3, c.tabAINCL2Dn[i],
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu dolu přes CL2 posílat  hlášení: %1"),
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu dolu přes CL2 posílat okamžitě  hlášení: %1"),
             QT_TRANSLATE_NOOP("ReportSections", "Při přechodu dolu přes CL2 neposílat žádné hlášení.")},
        };
        for (const auto& x : crossings) {
            if (!x.reported) {
                textRow(QCoreApplication::translate("ReportSections", x.refusal));
                continue;
            }
            const bool immediately = (c.eeMaskAInAlarm[i] >> x.bit) & 1u;
            textRow(QCoreApplication::translate("ReportSections", immediately ? x.sentNow : x.sent).arg(quoted(x.sms)));
        }
    }
    page.advanceGap(kSectionGap);
}

void printPhonesSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QCoreApplication::translate("ReportSections", "Telefonní čísla"), kRow);
    headerRow(page,
              {{QCoreApplication::translate("ReportSections", "Telefonní číslo"), 2300},
               {QCoreApplication::translate("ReportSections", "Příjem příkazů"), 2000},
               {QCoreApplication::translate("ReportSections", "Odesílání zpráv"), 0}});
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
    beginSection(page, QCoreApplication::translate("ReportSections", "Čítače"), kRow);
    headerRow(page,
              {{QCoreApplication::translate("ReportSections", "Název"), 2300},
               {QCoreApplication::translate("ReportSections", "Uvádět ve zprávě"), 0}});
    endTable(page);
    // The report lists counter C1 only, whatever C2 holds.
    cell(page, counterLabel(0), 300);
    cell(page, c.tabCITNazev[0], 2000);
    lastCell(page, digit(c.tabCITZpr[0]), Align::Centre);
    fullRow(
        page,
        c.opSuppZero
            ? QCoreApplication::translate("ReportSections", "Při zobrazení stavů čítačů potlačovat přední nuly.")
            : QCoreApplication::translate("ReportSections", "Při zobrazení stavů čítačů nepotlačovat přední nuly."));
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
