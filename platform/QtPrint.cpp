#include "platform/QtPrint.h"

#include "link/Prompts.h"
#include "platform/PainterSurface.h"
#include "report/PageLayout.h"
#include "report/PageSelection.h"
#include "report/PrinterDevice.h"
#include "report/ReportSections.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include <cmath>
#include <memory>

namespace torval {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// Resolution of the PDF files: fine enough that the twips of the layout land
// exactly (1200 dpi is 1.2 twips a device unit).
constexpr int kPdfResolution = 1200;

// The paper in twips; the report places its own margins, so the painter's
// origin is the paper's corner. Taken in inches, not in whole points: A4 is
// 595.3 points wide, and a paper rounded down to 595 would count as
// narrower than the layout.
QSize paperTwips(const QPageLayout& layout)
{
    const QRectF full = layout.fullRect(QPageLayout::Inch);
    return {int(std::lround(full.width() * kTwipsPerInch)), int(std::lround(full.height() * kTwipsPerInch))};
}

QString reportTitle(const DeviceConfig& config)
{
    return QStringLiteral("TORVAL Init stanice: ") + config.tabJmenoStanice.left(PageLayout::kStationNameChars);
}

class NoBusy final : public BusyIndicator {
public:
    void showBusy(const QString&, bool) override {}
    void setBusyText(const QString&) override {}
    void setProgress(int, int) override {}
    void hideBusy() override {}
    bool cancelRequested() const override { return false; }
};

// Whatever stands at `path` may be replaced by a report only when it is a
// report itself (or nothing at all): a settings file chosen by mistake in a
// file dialog must not turn into a PDF.
QString replaceProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    QFile existing(path);
    if (info.isFile() && (info.size() == 0 || (existing.open(QIODevice::ReadOnly) && existing.read(5) == "%PDF-")))
        return {};
    return QStringLiteral("Soubor '") + path +
           QStringLiteral("' není zpráva ve formátu PDF; zpráva o nastavení ho nepřepíše.");
}

// The finished PDF into place: written to a temporary file in the target's
// folder, flushed to the disk and only then renamed over the target. A full
// disk or a file-size limit leaves the target as it was and no temporary
// file behind.
QString savePdf(const QByteArray& pdf, const QString& path)
{
    if (QString problem = replaceProblem(path); !problem.isEmpty())
        return problem;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
        return pdfWriteFailedMessage(path);
    return {};
}

// A whole PDF document with one copy after another, built in memory and put
// in place by finishJob.
class PdfFileDevice final : public PrinterDevice {
public:
    PdfFileDevice(QString path, const QPageLayout& layout, QString title, int copies = 1)
        : m_path(std::move(path)), m_layout(layout), m_title(std::move(title)), m_copies(copies)
    {
        m_layout.setMargins(QMarginsF(0, 0, 0, 0));
    }
    ~PdfFileDevice() override
    {
        m_surface.reset();
        if (m_painter.isActive())
            m_painter.end();
    }

    [[nodiscard]] const QString& error() const { return m_error; }

    std::optional<int> choosePrinter() override { return m_copies; }

    Surface* beginDocument() override
    {
        if (!m_writer) {
            m_buffer.open(QIODevice::WriteOnly);
            m_writer = std::make_unique<QPdfWriter>(&m_buffer);
            m_writer->setPageSize(m_layout.pageSize());
            m_writer->setPageOrientation(m_layout.orientation());
            m_writer->setPageMargins(QMarginsF(0, 0, 0, 0));
            m_writer->setResolution(kPdfResolution);
            m_writer->setCreator(QStringLiteral("TORVAL Init"));
            m_writer->setTitle(m_title);
            if (!m_painter.begin(m_writer.get()))
                return fail();
        } else if (!m_writer->newPage()) {
            // The next copy follows in the same file on a page of its own.
            return fail();
        }
        const QSize size = paperTwips(m_writer->pageLayout());
        m_surface = std::make_unique<PainterSurface>(m_painter, size.width(), size.height(), kPdfResolution,
                                                     kPdfResolution, kWhite, m_writer.get());
        return m_surface.get();
    }

    bool endDocument() override
    {
        const bool ok = m_surface && m_surface->ok();
        m_surface.reset();
        if (!ok)
            m_error = pdfWriteFailedMessage(m_path);
        return ok;
    }

    bool finishJob() override
    {
        // The writer's trailer comes last: without it the document is cut.
        if (!m_painter.end() || !m_buffer.data().endsWith("%%EOF\n")) {
            m_error = pdfWriteFailedMessage(m_path);
            return false;
        }
        m_error = savePdf(m_buffer.data(), m_path);
        return m_error.isEmpty();
    }

private:
    Surface* fail()
    {
        m_error = pdfWriteFailedMessage(m_path);
        return nullptr;
    }

    QString m_path;
    QPageLayout m_layout;
    QString m_title;
    int m_copies;
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    std::unique_ptr<PainterSurface> m_surface;
    QString m_error;
};

// The window's printer and paper, kept between prints and previews by an
// object the window owns (so it goes when the window goes).
class WindowPrinter final : public QObject {
public:
    explicit WindowPrinter(QObject* owner) : QObject(owner)
    {
        setObjectName(QStringLiteral("reportPrinter"));
        printer.setFullPage(true);
    }
    QPrinter printer{QPrinter::HighResolution};
};

QPrinter& windowPrinter(QWidget* parent)
{
    static QPointer<WindowPrinter> orphan; // without a window (never in the program)
    if (parent) {
        if (auto* held = parent->findChild<WindowPrinter*>(QStringLiteral("reportPrinter"), Qt::FindDirectChildrenOnly))
            return held->printer;
        return (new WindowPrinter(parent))->printer;
    }
    if (!orphan)
        orphan = new WindowPrinter(nullptr);
    return orphan->printer;
}

QString printerFailedMessage(const QPrinter& printer)
{
    return QStringLiteral("Tisk na tiskárně '") + printer.printerName() +
           QStringLiteral("' se nezdařil. Zkontrolujte tiskárnu a tiskněte znovu.");
}

class QtPrinterDevice final : public PrinterDevice {
public:
    // `chosen`: the user already confirmed Qt's print dialog (from the preview).
    QtPrinterDevice(QPrinter& printer, QWidget* parent, const DeviceConfig& config, bool chosen = false)
        : m_printer(printer), m_parent(parent), m_config(config), m_chosen(chosen)
    {
    }
    ~QtPrinterDevice() override
    {
        m_surface.reset();
        if (m_painter.isActive())
            m_painter.end();
    }

    [[nodiscard]] const QString& error() const { return m_file ? m_file->error() : m_error; }

    std::optional<int> choosePrinter() override
    {
        if (!m_chosen) {
            QPrintDialog dialog(&m_printer, m_parent);
            // The report is one whole: no page range, no selection.
            dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
            if (dialog.exec() != QDialog::Accepted)
                return std::nullopt;
        }
        const int copies = m_printer.copyCount();
        // Every copy is a document of its own: the printer prints each once.
        m_printer.setCopyCount(1);
        // The dialog may still offer a page range (the preview's does): the
        // report is laid out whole and only those pages go to the printer.
        if (m_printer.printRange() == QPrinter::PageRange)
            m_ranges = m_printer.pageRanges();
        m_printer.setPrintRange(QPrinter::AllPages);
        if (!m_printer.outputFileName().isEmpty())
            m_file = std::make_unique<PdfFileDevice>(m_printer.outputFileName(), m_printer.pageLayout(),
                                                     reportTitle(m_config), copies);
        return copies;
    }

    Surface* beginDocument() override
    {
        Surface* device = m_file ? m_file->beginDocument() : beginOnPrinter();
        if (!device || m_ranges.isEmpty())
            return device;
        m_selection = std::make_unique<PageSelection>(*device, [this](int page) { return m_ranges.contains(page); });
        return m_selection.get();
    }

    bool endDocument() override
    {
        m_selection.reset();
        if (m_file)
            return m_file->endDocument();
        const bool ok = m_surface && m_surface->ok();
        m_surface.reset();
        const bool ended = m_painter.end();
        if (!ok || !ended || m_printer.printerState() == QPrinter::Error) {
            m_error = printerFailedMessage(m_printer);
            return false;
        }
        return true;
    }

    bool finishJob() override { return m_file ? m_file->finishJob() : true; }

private:
    Surface* beginOnPrinter()
    {
        if (!m_painter.begin(&m_printer)) {
            m_error = printerFailedMessage(m_printer);
            return nullptr;
        }
        const QSize size = paperTwips(m_printer.pageLayout());
        m_surface = std::make_unique<PainterSurface>(m_painter, size.width(), size.height(),
                                                     m_printer.logicalDpiX(), m_printer.logicalDpiY(), kWhite,
                                                     &m_printer);
        return m_surface.get();
    }

    QPrinter& m_printer;
    QWidget* m_parent;
    const DeviceConfig& m_config;
    bool m_chosen;
    QPainter m_painter;
    std::unique_ptr<PainterSurface> m_surface;
    std::unique_ptr<PdfFileDevice> m_file;
    QPageRanges m_ranges;
    std::unique_ptr<PageSelection> m_selection;
    QString m_error;
};

PrintResult runPrint(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent, bool chosen)
{
    QtPrinterDevice device(windowPrinter(parent), parent, config, chosen);
    PrintResult r;
    r.outcome = printSettings(config, device, busy);
    if (r.outcome == PrintOutcome::Failed)
        r.error = device.error();
    return r;
}

// While the preview draws its pages, the printer paints into the preview's
// own engine instead of a device.
bool drawingPreview(QPrinter* printer)
{
    return printer->paintEngine() && printer->paintEngine()->type() == QPaintEngine::Picture;
}

} // namespace

QString pdfWriteFailedMessage(const QString& path)
{
    return QStringLiteral("Zprávu o nastavení se nepodařilo zapsat do souboru '") + path + QStringLiteral("'.");
}

PrintResult printSettings(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent)
{
    return runPrint(config, busy, parent, false);
}

PrintResult previewSettings(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent)
{
    QPrinter& printer = windowPrinter(parent);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Náhled tisku"));
    bool printAsked = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        if (!drawingPreview(target)) {
            // The preview's print button: printed below like every print,
            // copy by copy with the busy window and the file guarantees.
            printAsked = true;
            return;
        }
        QPainter painter;
        if (!painter.begin(target))
            return;
        {
            const QSize size = paperTwips(target->pageLayout());
            PainterSurface surface(painter, size.width(), size.height(), target->logicalDpiX(),
                                   target->logicalDpiY(), kWhite, target);
            PageLayout page(surface, config.tabJmenoStanice);
            printReport(page, config);
        }
        painter.end();
    });
    dialog.exec();
    if (!printAsked)
        return {};
    return runPrint(config, busy, parent, true);
}

QString writeSettingsPdf(const DeviceConfig& config, const QString& path, const PaperChoice& paper)
{
    // In millimetres, as the writer keeps its paper: the page then maps onto
    // the PDF exactly as it always did on A4.
    const QPageLayout layout(QPageSize(paper.size), paper.orientation, QMarginsF(0, 0, 0, 0),
                             QPageLayout::Millimeter);
    PdfFileDevice device(path, layout, reportTitle(config));
    NoBusy busy;
    if (printSettings(config, device, busy) == PrintOutcome::Printed)
        return {};
    return device.error().isEmpty() ? pdfWriteFailedMessage(path) : device.error();
}

bool printSettingsToPdf(const DeviceConfig& config, const QString& path)
{
    return writeSettingsPdf(config, path).isEmpty();
}

} // namespace torval
