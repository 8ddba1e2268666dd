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

// Cancel and printer failures end the command without a message (the outcome
// tells the caller, which shows nothing either); the busy window is hidden.
PrintOutcome printSettings(const DeviceConfig& config, PrinterDevice& printer, BusyIndicator& busy);

} // namespace torval
