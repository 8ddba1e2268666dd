#include "report/ReportSections.h"

#include "report/LevelGraph.h"
#include "report/PageLayout.h"
#include "report/RecordingSurface.h"

#include "model/ConfigFields.h"

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
// The column of the row labels: "I1", "T3".
constexpr int kRowLabelWidth = 300;

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
void headerRow(PageLayout& page, const std::vector<Column>& kept)
{
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

Align alignOf(const FieldDef& f)
{
    switch (f.view().report.align) {
    case CellAlign::Left: return Align::Left;
    case CellAlign::Centre: return Align::Centre;
    case CellAlign::Right: return Align::Right;
    case CellAlign::ByKind: break;
    }
    return f.kind == FieldKind::Text ? Align::Left : Align::Centre;
}

// The table of a tab's row fields, its columns as the field views give
// them: a heading row (a field without a heading widens the heading before
// it; the first also spans the row labels), then rows 0..rows-1.
void fieldTable(PageLayout& page, const DeviceConfig& c, int tab, int rows)
{
    std::vector<const FieldDef*> fields;
    for (const FieldView& v : kFieldViews)
        if (v.report.width >= 0 && field(v.id).tab == tab)
            fields.push_back(&field(v.id));
    std::vector<Column> headings;
    for (const FieldDef* f : fields) {
        const ReportCell& r = f->view().report;
        if (r.heading)
            headings.push_back(
                {QCoreApplication::translate("ReportSections", r.heading), headings.empty() ? kRowLabelWidth : 0});
        headings.back().width += r.width;
    }
    headerRow(page, headings);
    for (int i = 0; i < rows; ++i) {
        if (i == rows - 1)
            endTable(page);
        cell(page, rowLabel(fields.front()->rows, i), kRowLabelWidth);
        for (const FieldDef* f : fields) {
            if (f == fields.back())
                lastCell(page, valueText(c, *f, i), alignOf(*f));
            else
                cell(page, valueText(c, *f, i), f->view().report.width, alignOf(*f));
        }
    }
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
    fieldTable(page, c, 2, kInputCount);
    page.advanceGap(kSectionGap);
}

void printOutputsSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QCoreApplication::translate("ReportSections", "Logické výstupy"), kRow);
    // The report lists the outputs the window shows, O1..O4; O5..O8 are
    // stored in the image but never printed.
    fieldTable(page, c, 3, 4);
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
    fieldTable(page, c, 6, kPhoneCount);
    page.advanceGap(kSectionGap);
}

void printCountersSection(PageLayout& page, const DeviceConfig& c)
{
    beginSection(page, QCoreApplication::translate("ReportSections", "Čítače"), kRow);
    // The report lists counter C1 only, whatever C2 holds.
    fieldTable(page, c, 7, 1);
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
