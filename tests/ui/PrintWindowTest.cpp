// The window's side of printing: the busy window shows every page as it is
// printed, and the preview shows the pages the printer gets, on the paper
// chosen for it.

#include "ui/MainWindowTestSupport.h"

#include "model/EepromImage.h"
#include "model/SettingsDocument.h"
#include "platform/PdfReport.h"
#include "report/PrintJob.h"
#include "ui/BusyWindow.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace torval;

namespace {

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST(BusyWindowPaint, EveryNewTextIsPaintedWithoutRunningTheEventLoop)
{
    QWidget owner;
    BusyWindow busy(&owner);
    busy.showBusy(QStringLiteral("Příprava tisku ..."), true);
    auto* label = busy.findChild<QLabel*>(QStringLiteral("Napis"));
    ASSERT_NE(label, nullptr);
    PaintCounter counter;
    label->installEventFilter(&counter);
    for (int page = 1; page <= 3; ++page) {
        const int before = counter.paints;
        busy.setBusyText(printProgressText(page, 1, 2));
        EXPECT_GT(counter.paints, before) << "page " << page;
        EXPECT_GE(label->height(), label->heightForWidth(label->width())); // both lines have room
    }
    busy.hideBusy();
}

DeviceConfig longReport()
{
    DeviceConfig c;
    c.tabJmenoStanice = QStringLiteral("Vodojem Horní Lhota");
    for (int i = 0; i < 8; ++i) {
        c.tabTC[i] = QStringLiteral("+42060000000%1").arg(i);
        c.tabAINNazev[i] = QStringLiteral("Hladina %1").arg(i + 1);
    }
    return c;
}

// Pages of the PDF file the same report makes on the same paper.
int pdfPages(const DeviceConfig& c, QPageSize::PageSizeId size)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.pdf"));
    if (!writeSettingsPdf(c, path, PaperChoice{size, QPageLayout::Portrait}).isEmpty())
        return -1;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = f.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/")
               + pdf.count("/Type /Page "));
}

TEST(PrintPreview, ShowsThePrintedPagesOnTheWindowsPaper)
{
    SettingsDocument doc;
    doc.assignAll(longReport());
    EepromImage image;
    torval::test::FakePrompts prompts;
    MainWindow window(doc, image);
    window.setPrompts(prompts);
    window.show();
    auto* preview = window.findChild<QToolButton*>(QStringLiteral("btNahled"));
    ASSERT_NE(preview, nullptr);

    // Looks at the open preview, then picks the paper the next preview (and
    // print) uses, and closes it.
    const auto look = [](int& pages, QPageSize::PageSizeId& paper, QPageSize::PageSizeId next) {
        QTimer::singleShot(0, [&pages, &paper, next] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (auto* view = dialog->findChild<QPrintPreviewWidget*>())
                pages = view->pageCount();
            paper = dialog->printer()->pageLayout().pageSize().id();
            dialog->printer()->setPageSize(QPageSize(next));
            dialog->reject();
        });
    };
    int pages = 0;
    QPageSize::PageSizeId paper = QPageSize::Custom;
    look(pages, paper, QPageSize::Letter);
    preview->click();
    EXPECT_EQ(paper, QPageSize::A4);
    EXPECT_EQ(pages, pdfPages(longReport(), QPageSize::A4));

    look(pages, paper, QPageSize::A4);
    preview->click();
    EXPECT_EQ(paper, QPageSize::Letter);
    EXPECT_EQ(pages, pdfPages(longReport(), QPageSize::Letter));
    EXPECT_GT(pages, 0);
    EXPECT_TRUE(prompts.all.empty());
}

} // namespace
