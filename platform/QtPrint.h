#pragma once
// The print command on Qt: the system printer dialog (which also offers
// printing to a PDF file), the print preview, and a PDF writer for the
// command line. Every PDF file is made whole in memory first and then put in
// place through a temporary file beside the target, so a report file on disk
// is either complete or not there at all.

#include "report/PrintJob.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QWidget;

namespace torval {

struct DeviceConfig;
class BusyIndicator;

// The paper of a PDF report; the layout's own margins are used.
struct PaperChoice {
    QPageSize::PageSizeId size = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Cancelled;
    QString error; // Failed: the message to show
};

// The window's print button: asks for the printer, the paper and the number
// of copies and prints that many copies, each as its own document with one
// copy on the printer (so Qt and the driver never multiply them). Printing
// to a file puts the copies one after another into that file. The window
// keeps the printer and its paper for the next print and the preview.
PrintResult printSettings(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent);

// Qt's print preview of one copy on the window's printer and paper; its
// print button runs the same printing as printSettings.
PrintResult previewSettings(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent);

// One copy of the report as a PDF file, without any dialog. Empty when the
// file was written whole; otherwise the message, and no file was made or
// changed. An existing file is replaced only when it is a PDF itself: a
// report never takes the place of a settings file.
[[nodiscard]] QString writeSettingsPdf(const DeviceConfig& config, const QString& path, const PaperChoice& paper = {});

// The same as a yes/no for callers that word their own message.
[[nodiscard]] bool printSettingsToPdf(const DeviceConfig& config, const QString& path);

// The message for a report file that could not be written.
[[nodiscard]] QString pdfWriteFailedMessage(const QString& path);

} // namespace torval
