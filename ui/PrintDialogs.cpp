#include "ui/PrintDialogs.h"

#include "interact/Prompts.h"
#include "model/DeviceConfig.h"
#include "platform/PainterSurface.h"
#include "platform/PdfReport.h"
#include "report/PageLayout.h"
#include "report/PageSelection.h"
#include "report/PrinterDevice.h"
#include "report/ReportSections.h"

#include <QCoreApplication>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <memory>

namespace torval {

namespace {

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
    return QCoreApplication::translate("PrintDialogs",
                                       "Tisk na tiskárně '%1' se nezdařil. Zkontrolujte tiskárnu a tiskněte znovu.")
        .arg(printer.printerName());
}

class QtPrinterDevice final : public PrinterDevice {
public:
    // `chosen`: the user already confirmed Qt's print dialog (from the preview).
    QtPrinterDevice(QPrinter& printer, QWidget* parent, const DeviceConfig& config, bool chosen = false)
        : m_printer(printer), m_parent(parent), m_config(config), m_chosen(chosen)
    { }
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
            // A page range as in the preview's dialog (Qt shows its fields
            // anyway, and without the option would drop what was typed); no
            // selection, the report has none.
            dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                              | QAbstractPrintDialog::PrintPageRange);
            if (dialog.exec() != QDialog::Accepted)
                return std::nullopt;
        }
        const int copies = m_printer.copyCount();
        // Every copy is a document of its own: the printer prints each once.
        m_printer.setCopyCount(1);
        // The dialog may still offer a page range (the preview's does): the
        // report is laid out whole and only those pages go to the printer.
        if (m_printer.printRange() == QPrinter::PageRange) {
            m_ranges = m_printer.pageRanges();
            if (m_ranges.isEmpty() && m_printer.fromPage() > 0)
                m_ranges.addRange(m_printer.fromPage(), std::max(m_printer.fromPage(), m_printer.toPage()));
        }
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
        m_surface = std::make_unique<PainterSurface>(m_painter, size.width(), size.height(), m_printer.logicalDpiX(),
                                                     m_printer.logicalDpiY(), kWhite, &m_printer);
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

PrintResult printSettings(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent)
{
    return runPrint(config, busy, parent, false);
}

PrintResult previewSettings(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent)
{
    QPrinter& printer = windowPrinter(parent);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("PrintDialogs", "Náhled tisku"));
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
            PainterSurface surface(painter, size.width(), size.height(), target->logicalDpiX(), target->logicalDpiY(),
                                   kWhite, target);
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
} // namespace torval
