#pragma once
// The settings report as a PDF file. Every PDF file is made whole in memory
// first and then put in place through a temporary file beside the target, so
// a report file on disk is either complete or not there at all. The command
// line writes its reports here; the window's print to file goes through the
// same device (ui/PrintDialogs).

#include "report/PrintJob.h"
#include "report/PrinterDevice.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class QPdfWriter;

namespace torval {

struct DeviceConfig;
class PainterSurface;

// The paper of a PDF report; the layout's own margins are used.
struct PaperChoice {
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// The paper in twips; the report places its own margins, so the painter's
// origin is the paper's corner.
[[nodiscard]] QSize paperTwips(const QPageLayout& layout);

// The document title of a report ("TORVAL Init stanice: " and the name).
[[nodiscard]] QString reportTitle(const DeviceConfig& config);

// A whole PDF document with one copy after another, built in memory and put
// in place by finishJob.
class PdfFileDevice final : public PrinterDevice {
public:
    PdfFileDevice(QString path, const QPageLayout& layout, QString title, int copies = 1);
    ~PdfFileDevice() override;

    [[nodiscard]] const QString& error() const { return m_error; }

    std::optional<int> choosePrinter() override { return m_copies; }
    Surface* beginDocument() override;
    bool endDocument() override;
    bool finishJob() override;

private:
    Surface* fail();

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

// One copy of the report as a PDF file, without any dialog. Empty when the
// file was written whole; otherwise the message, and no file was made or
// changed. An existing file is replaced only when it is a PDF itself: a
// report never takes the place of a settings file.
[[nodiscard]] QString writeSettingsPdf(const DeviceConfig& config, const QString& path, const PaperChoice& paper = {});

// The same as a yes/no for callers that word their own message.
[[nodiscard]] bool printSettingsToPdf(const DeviceConfig& config, const QString& path);

// The message for a report file that could not be written.
// `reason`: why the system refused it ("na disku není dost místa"); empty
// for a failure of the drawing itself.
[[nodiscard]] QString pdfWriteFailedMessage(const QString& path, const QString& reason = {});

} // namespace torval
