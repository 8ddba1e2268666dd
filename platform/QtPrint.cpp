#include "platform/QtPrint.h"

#include "link/Prompts.h"
#include "platform/PainterSurface.h"
#include "report/PageLayout.h"
#include "report/PrinterDevice.h"
#include "report/ReportSections.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>
#include <memory>

namespace torval {

namespace {

constexpr double kTwipsPerPoint = 20.0;

int twips(double points)
{
    return int(std::lround(points * kTwipsPerPoint));
}

// The paper in twips; the report places its own margins, so the painter's
// origin is the paper's corner.
QSize paperTwips(const QPageLayout& layout)
{
    const QRectF full = layout.fullRectPoints();
    return {twips(full.width()), twips(full.height())};
}

class QtPrinterDevice final : public PrinterDevice {
public:
    explicit QtPrinterDevice(QWidget* parent) : m_parent(parent)
    {
        m_printer.setFullPage(true);
    }
    ~QtPrinterDevice() override
    {
        finish();
    }

    std::optional<int> choosePrinter() override
    {
        QPrintDialog dialog(&m_printer, m_parent);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const int copies = m_printer.copyCount();
        // Every copy is a document of its own: the printer prints each once.
        m_printer.setCopyCount(1);
        m_toFile = !m_printer.outputFileName().isEmpty();
        return copies;
    }

    Surface* beginDocument() override
    {
        if (m_painter.isActive()) {
            // Printing to a file: the next copy follows in the same file
            // instead of overwriting the previous one.
            if (!m_printer.newPage())
                return nullptr;
        } else if (!m_painter.begin(&m_printer)) {
            return nullptr;
        }
        const QSize size = paperTwips(m_printer.pageLayout());
        m_surface = std::make_unique<PainterSurface>(m_painter, size.width(), size.height(),
                                                     m_printer.logicalDpiX(), m_printer.logicalDpiY(), kWhite,
                                                     &m_printer);
        return m_surface.get();
    }

    bool endDocument() override
    {
        const bool ok = m_surface && m_surface->ok();
        m_surface.reset();
        if (m_toFile)
            return ok && m_printer.printerState() != QPrinter::Error;
        return m_painter.end() && ok;
    }

private:
    void finish()
    {
        m_surface.reset();
        if (m_painter.isActive())
            m_painter.end();
    }

    QWidget* m_parent;
    QPrinter m_printer{QPrinter::HighResolution};
    QPainter m_painter;
    std::unique_ptr<PainterSurface> m_surface;
    bool m_toFile = false;
};

} // namespace

PrintOutcome printSettings(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent)
{
    QtPrinterDevice printer(parent);
    return printSettings(config, printer, busy);
}

bool printSettingsToPdf(const DeviceConfig& config, const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("TORVAL Init"));
    writer.setTitle(QStringLiteral("TORVAL Init stanice: ") + config.tabJmenoStanice.left(20));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const QSize size = paperTwips(writer.pageLayout());
    bool ok = false;
    {
        PainterSurface surface(painter, size.width(), size.height(), writer.resolution(), writer.resolution(), kWhite,
                               &writer);
        PageLayout page(surface, config.tabJmenoStanice);
        printReport(page, config);
        ok = surface.ok();
    }
    return painter.end() && ok;
}

} // namespace torval
