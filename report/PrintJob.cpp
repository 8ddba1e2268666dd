#include "report/PrintJob.h"

#include "interact/Prompts.h"
#include "report/PageLayout.h"
#include "report/PrinterDevice.h"
#include "report/ReportSections.h"
#include "report/Surface.h"

#include <QCoreApplication>

namespace torval {

QString printProgressText(int page, int copy, int copies)
{
    return QCoreApplication::translate("PrintJob", "Tisk %1. stránky").arg(page) + QStringLiteral("\r\n")
        + QCoreApplication::translate("PrintJob", "%1. kopie z %2").arg(copy).arg(copies);
}

PrintOutcome printSettings(const DeviceConfig& config, PrinterDevice& printer, BusyIndicator& busy)
{
    const std::optional<int> chosen = printer.choosePrinter();
    if (!chosen)
        return PrintOutcome::Cancelled;
    // The copy counter of the progress text is 16-bit; nothing sensible asks
    // for more copies than that, and none at all prints nothing.
    const int copies = *chosen;
    if (copies < 1 || copies > 32767)
        return PrintOutcome::Cancelled;

    busy.showBusy(QCoreApplication::translate("PrintJob", "Příprava tisku ..."), true);
    for (int copy = 1; copy <= copies; ++copy) {
        Surface* surface = printer.beginDocument();
        if (!surface) {
            busy.hideBusy();
            return PrintOutcome::Failed;
        }
        busy.setBusyText(printProgressText(1, copy, copies));
        PageLayout page(*surface, config.tabJmenoStanice,
                        [&](int pageNumber) { busy.setBusyText(printProgressText(pageNumber, copy, copies)); });
        printReport(page, config);
        if (!printer.endDocument()) {
            busy.hideBusy();
            return PrintOutcome::Failed;
        }
    }
    const bool finished = printer.finishJob();
    busy.hideBusy();
    if (!finished)
        return PrintOutcome::Failed;
    return PrintOutcome::Printed;
}

} // namespace torval
