#pragma once
// The window's print command on Qt's dialogs: the system printer dialog
// (which also offers printing to a PDF file) and the print preview. A print
// to file goes through platform/PdfReport, so it has the same guarantees as
// the command line's reports.

#include "report/PrintJob.h"

#include <QString>

class QWidget;

namespace torval {

struct DeviceConfig;
class BusyIndicator;

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

} // namespace torval
