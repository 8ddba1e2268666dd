#pragma once
// The print command: asks for the printer and the number of copies, then
// prints the whole report once per copy, each copy a document of its own
// with its pages numbered from 1, and keeps the busy window's text on the
// page and copy being printed.

#include "model/DeviceConfig.h"

#include <QString>

namespace torval {

class BusyIndicator;
class PrinterDevice;

enum class PrintOutcome { Printed, Cancelled, Failed };

// The busy window's text while page `page` of copy `copy` of `copies` prints.
[[nodiscard]] QString printProgressText(int page, int copy, int copies);

// Cancel and printer failures end the command at once; the busy window is
// hidden and the outcome tells the caller, which shows a failure (the
// device knows its message) and nothing for a cancel. The job counts as
// printed only after the device finished it whole (finishJob).
PrintOutcome printSettings(const DeviceConfig& config, PrinterDevice& printer, BusyIndicator& busy);

} // namespace torval
