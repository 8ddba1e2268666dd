#pragma once
// The print command on Qt: the system printer dialog (which also offers
// printing to a PDF file) and a PDF writer for the command line.

#include "report/PrintJob.h"

#include <QString>

class QWidget;

namespace torval {

struct DeviceConfig;
class BusyIndicator;

// The window's print button: asks for the printer and the number of copies
// and prints that many copies, each as its own document with one copy on
// the printer (so Qt and the driver never multiply them). Printing to a
// file puts the copies one after another into that file. Cancel and
// failures show no message.
PrintOutcome printSettings(const DeviceConfig& config, BusyIndicator& busy, QWidget* parent);

// One copy of the report as a PDF file on A4, without any dialog. False
// when the file cannot be written.
[[nodiscard]] bool printSettingsToPdf(const DeviceConfig& config, const QString& path);

} // namespace torval
