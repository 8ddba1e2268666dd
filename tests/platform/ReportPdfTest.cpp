#include "platform/PainterSurface.h"
#include "platform/PdfReport.h"
#include "report/PageLayout.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace torval {
namespace {

// A station with every field of the report filled in.
DeviceConfig filledConfig()
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Čistírna odpadních vod Žďár");
    c.tabPIN = QStringLiteral("1234");
    c.tabTCcentra = QStringLiteral("+420603052000");
    c.tabDobaPlatnostiSMS = QStringLiteral("7");
    c.opEnablePS1 = true;
    c.eePSOffH = QStringLiteral("2");
    c.eePSOffM = QStringLiteral("30");
    c.eePSOnH = QStringLiteral("0");
    c.eePSOnM = QStringLiteral("10");
    c.opBatt = true;
    c.rtBattLow = QStringLiteral("Slaba baterie");
    c.opSwitchReport = true;
    c.rtSwitchOn = QStringLiteral("Zapnuto");
    c.rtSwitchOff = QStringLiteral("Vypnuto");
    for (int i = 0; i < 8; ++i) {
        c.tabTC[i] = QStringLiteral("+42060000000%1").arg(i);
        c.tabTCPrijem[i] = i % 2 == 0;
        c.tabINPNazev[i] = QStringLiteral("Dveře %1").arg(i + 1);
        c.tabINPZap[i] = QStringLiteral("otevřeno");
        c.tabINPVyp[i] = QStringLiteral("zavřeno");
        c.tabINPLH[i] = QStringLiteral("Dveře %1 byly otevřeny během noční směny").arg(i + 1);
        c.tabINPHL[i] = QStringLiteral("Dveře %1 zavřeny").arg(i + 1);
        c.tabINPLHEvent[i] = true;
        c.tabOUTNazev[i] = QStringLiteral("Čerpadlo %1").arg(i + 1);
        c.tabOUTZap[i] = QStringLiteral("běží");
        c.tabOUTVyp[i] = QStringLiteral("stojí");
        c.tabOUTimpuls[i] = QStringLiteral("PULS%1").arg(i + 1);
        c.tabAINNazev[i] = QStringLiteral("Hladina nádrže %1").arg(i + 1);
        c.tabAINStateL[i] = QStringLiteral("nízká");
        c.tabAINStateM[i] = QStringLiteral("normální");
        c.tabAINStateH[i] = QStringLiteral("vysoká");
        c.tabAINCL1Level[i] = QStringLiteral("20");
        c.tabAINHCL1Level[i] = QStringLiteral("2");
        c.tabAINCL2Level[i] = QStringLiteral("80");
        c.tabAINHCL2Level[i] = QStringLiteral("2");
        c.tabAINCL1Up[i] = QStringLiteral("Hladina %1 stoupá").arg(i + 1);
        c.tabAINCL1UpEvent[i] = true;
        c.tabAINPrc[i] = true;
    }
    c.tabAINNeg[1] = true;
    c.eeMaskAInAlarm[0] = 0x01;
    c.tabCITNazev[0] = QStringLiteral("Vodoměr");
    return c;
}

// The text pdftotext finds in the report of `config`; empty on any failure.
QString reportPdfText(const DeviceConfig& config, const QString& pdf)
{
    QFile::remove(pdf);
    if (!printSettingsToPdf(config, pdf))
        return {};
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
            {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ReportPdf, RendersTheWholeReportWithItsTexts)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";

    // Kept in the build tree so the pages can be looked at.
    const QString text = reportPdfText(filledConfig(), QStringLiteral(TORVAL_BINARY_DIR "/report-sample.pdf"));
    ASSERT_FALSE(text.isEmpty());
    for (const char* expected :
         {"TORVAL Init stanice: Čistírna odpadních v", "1. stránka", "2. stránka", "Všeobecné", "SMS zprávy",
          "Logické vstupy", "Logické výstupy", "Analogové vstupy", "Telefonní čísla", "Čítače",
          "Šetřící režim povolen. Modem je vypnut po dobu 2:30 a zapnut po dobu 0:10.", "Název A1: 'Hladina nádrže 1'",
          "CL1 (20 ± 2)%", "0% (100% vstup)", "low", "medium", "high", "Vodoměr",
          "Při zobrazení stavů čítačů nepotlačovat přední nuly."}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_FALSE(text.contains(QStringLiteral("Čerpadlo 5")));

    // Levels at both ends of the scale: the CL labels cover the axis labels.
    DeviceConfig ends = filledConfig();
    for (int i = 0; i < 8; ++i) {
        ends.tabAINCL1Level[i] = QStringLiteral("1");
        ends.tabAINCL2Level[i] = QStringLiteral("98");
        ends.tabAINHCL1Level[i] = ends.tabAINHCL2Level[i] = QStringLiteral("1");
    }
    const QString covered = reportPdfText(ends, QStringLiteral(TORVAL_BINARY_DIR "/report-covered.pdf"));
    EXPECT_TRUE(covered.contains(QStringLiteral("CL2 (98 ± "))) << covered.toStdString();
    EXPECT_TRUE(covered.contains(QStringLiteral("CL1 (1")));
    EXPECT_FALSE(covered.contains(QStringLiteral("100%")));
    EXPECT_FALSE(covered.contains(QRegularExpression(QStringLiteral("(^|\\s)0%")))) << covered.toStdString();
}

TEST(ReportPdf, AFailedWriteNamesItsReason)
{
    QTemporaryDir dir;
    const QString missing =
        QFileInfo(QStringLiteral("/nonexistent-dir/x")).absoluteFilePath(); // Windows adds the drive
    EXPECT_TRUE(writeSettingsPdf(DeviceConfig{}, QStringLiteral("/nonexistent-dir/x/report.pdf"))
                    .endsWith(QStringLiteral("': složka '%1' neexistuje.").arg(missing)));
    EXPECT_TRUE(writeSettingsPdf(DeviceConfig{}, dir.path()).contains(QStringLiteral("' je složka, ne soubor")));
}

TEST(PainterSurface, TwipsMapToDevicePixelsThroughTheResolution)
{
    // 144 dpi: 10 twips a pixel.
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    {
        PainterSurface s(painter, 3000, 2000, 144, 144, Rgb{10, 20, 30});
        s.clear();
        s.setColor(kBlue);
        s.fillRect(1000, 500, 2000, 1500); // pixels 100..200 x 50..150
    }
    painter.end();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(150, 100), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(95, 100), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(205, 100), QColor(10, 20, 30));
}

TEST(PainterSurface, ReportFontIsServedWithArialMetrics)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface s(painter, 100, 100, 96, 96);
    const QFont font = PainterSurface::qtFont({QStringLiteral("Arial CE"), 8.0});
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
        << family.toStdString();
    // Arial at 8 pt: a line about 184 twips, "W" far wider than "i".
    const TextSize line = s.measureText(QStringLiteral("Ážý"), {QStringLiteral("Arial CE"), 8.0});
    EXPECT_GT(line.height, 160);
    EXPECT_LT(line.height, 220);
    EXPECT_GT(s.measureText(QStringLiteral("WWWW"), {QStringLiteral("Arial CE"), 8.0}).width,
              2 * s.measureText(QStringLiteral("iiii"), {QStringLiteral("Arial CE"), 8.0}).width);
    // Measurement does not depend on the device's resolution.
    QImage big(10, 10, QImage::Format_RGB32);
    QPainter bigPainter(&big);
    PainterSurface fine(bigPainter, 100, 100, 1200, 1200);
    EXPECT_EQ(fine.measureText(QStringLiteral("Čerpadlo"), {QStringLiteral("Arial CE"), 8.0}),
              s.measureText(QStringLiteral("Čerpadlo"), {QStringLiteral("Arial CE"), 8.0}));
}

} // namespace
} // namespace torval
