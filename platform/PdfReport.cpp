#include "platform/PdfReport.h"

#include "interact/Prompts.h"
#include "model/DeviceConfig.h"
#include "platform/PainterSurface.h"
#include "report/PageLayout.h"
#include "report/ReportSections.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <memory>

namespace torval {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// Resolution of the PDF files: fine enough that the twips of the layout land
// exactly (1200 dpi is 1.2 twips a device unit).
constexpr int kPdfResolution = 1200;

// Whatever stands at `path` may be replaced by a report only when it is a
// report itself (or nothing at all): a settings file chosen by mistake in a
// file dialog must not turn into a PDF.
QString replaceProblem(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QCoreApplication::translate("PdfReport",
                                           "'%1' je složka, ne soubor; zprávu o nastavení zapište do souboru v ní.")
            .arg(path);
    if (!info.exists())
        return {};
    QFile existing(path);
    if (info.isFile() && (info.size() == 0 || (existing.open(QIODevice::ReadOnly) && existing.read(5) == "%PDF-")))
        return {};
    return QCoreApplication::translate("PdfReport",
                                       "Soubor '%1' není zpráva ve formátu PDF; zpráva o nastavení ho nepřepíše.")
        .arg(path);
}

// The finished PDF into place: written to a temporary file in the target's
// folder, flushed to the disk and only then renamed over the target. A full
// disk or a file-size limit leaves the target as it was and no temporary
// file behind.
// Why the system refused the file, in the technician's words: the folder
// first (it is missing or may not be written to), then the error number of
// the call that failed, then the system's own text.
QString writeFailureReason(const QString& path, int error, const QString& systemText)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return QCoreApplication::translate("PdfReport", "složka '%1' neexistuje").arg(folder.filePath());
    if (!folder.isDir())
        return QCoreApplication::translate("PdfReport", "'%1' není složka").arg(folder.filePath());
    switch (error) {
    case ENOSPC: return QCoreApplication::translate("PdfReport", "na disku není dost místa");
#ifdef EDQUOT
    case EDQUOT: return QCoreApplication::translate("PdfReport", "byla překročena disková kvóta");
#endif
    case EFBIG: return QCoreApplication::translate("PdfReport", "soubor by byl větší, než systém dovoluje");
    case EROFS: return QCoreApplication::translate("PdfReport", "disk je jen pro čtení");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("PdfReport", "do složky '%1' nelze zapisovat (chybí oprávnění)")
            .arg(folder.filePath());
    default: break;
    }
    if (!folder.isWritable())
        return QCoreApplication::translate("PdfReport", "do složky '%1' nelze zapisovat (chybí oprávnění)")
            .arg(folder.filePath());
    return systemText;
}

QString savePdf(const QByteArray& pdf, const QString& path)
{
    if (QString problem = replaceProblem(path); !problem.isEmpty())
        return problem;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    errno = 0;
    bool ok = file.open(QIODevice::WriteOnly);
    int error = errno;
    if (ok) {
        ok = file.write(pdf) == pdf.size();
        error = errno;
    }
    if (ok) {
        // The data reach the disk here, so a full disk shows here.
        ok = file.commit();
        error = errno;
    }
    if (!ok)
        return pdfWriteFailedMessage(path, writeFailureReason(path, error, file.errorString()));
    return {};
}

} // namespace

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
    return QCoreApplication::translate("PageLayout", "TORVAL Init stanice: %1")
        .arg(config.tabJmenoStanice.left(PageLayout::kStationNameChars));
}

PdfFileDevice::PdfFileDevice(QString path, const QPageLayout& layout, QString title, int copies)
    : m_path(std::move(path)), m_layout(layout), m_title(std::move(title)), m_copies(copies)
{
    m_layout.setMargins(QMarginsF(0, 0, 0, 0));
}

PdfFileDevice::~PdfFileDevice()
{
    m_surface.reset();
    if (m_painter.isActive())
        m_painter.end();
}

Surface* PdfFileDevice::beginDocument()
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
    m_surface = std::make_unique<PainterSurface>(m_painter, size.width(), size.height(), kPdfResolution, kPdfResolution,
                                                 kWhite, m_writer.get());
    return m_surface.get();
}

bool PdfFileDevice::endDocument()
{
    const bool ok = m_surface && m_surface->ok();
    m_surface.reset();
    if (!ok)
        m_error = pdfWriteFailedMessage(m_path);
    return ok;
}

bool PdfFileDevice::finishJob()
{
    // The writer's trailer comes last: without it the document is cut.
    if (!m_painter.end() || !m_buffer.data().endsWith("%%EOF\n")) {
        m_error = pdfWriteFailedMessage(m_path);
        return false;
    }
    m_error = savePdf(m_buffer.data(), m_path);
    return m_error.isEmpty();
}

Surface* PdfFileDevice::fail()
{
    m_error = pdfWriteFailedMessage(m_path);
    return nullptr;
}

QString pdfWriteFailedMessage(const QString& path, const QString& reason)
{
    return reason.isEmpty()
        ? QCoreApplication::translate("PdfReport", "Zprávu o nastavení se nepodařilo zapsat do souboru '%1'.").arg(path)
        : QCoreApplication::translate("PdfReport", "Zprávu o nastavení se nepodařilo zapsat do souboru '%1': %2.")
              .arg(path, reason);
}

QString writeSettingsPdf(const DeviceConfig& config, const QString& path, const PaperChoice& paper)
{
    // In millimetres, as the writer keeps its paper: the page then maps onto
    // the PDF exactly as it always did on A4.
    const QPageLayout layout(QPageSize(paper.size), paper.orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    PdfFileDevice device(path, layout, reportTitle(config));
    SilentBusy busy;
    if (printSettings(config, device, busy) == PrintOutcome::Printed)
        return {};
    return device.error().isEmpty() ? pdfWriteFailedMessage(path) : device.error();
}

bool printSettingsToPdf(const DeviceConfig& config, const QString& path)
{
    return writeSettingsPdf(config, path).isEmpty();
}

} // namespace torval
