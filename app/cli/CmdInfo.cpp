// torval-cli info --port PORT: bring the link up, print the identification
// with the information panel's labels, take the station out of programming mode.

#include "CliCommand.h"
#include "CliLoad.h"
#include "TerminalBusy.h"

#include "link/StationLink.h"
#include "platform/QtEventPump.h"
#include "platform/QtSerialLine.h"

namespace torval::cli {
namespace {

int runInfo(const QStringList& args)
{
    QString port;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--port") && i + 1 < args.size())
            port = args[++i];
        else {
            printErr(QStringLiteral("Použití: torval-cli info --port PORT\n"));
            return kUsage;
        }
    }
    if (port.isEmpty()) {
        printErr(QStringLiteral("Použití: torval-cli info --port PORT\n"));
        return kUsage;
    }
    QtEventPump pump;
    QtSerialLine line;
    TerminalPrompts prompts(false); // no terminal: questions are answered No
    TerminalBusy busy;
    StationLink link(line, pump, prompts, busy);
    if (link.activateLink(port) == LinkState::Inactive)
        return kFailed;
    const DeviceInfo& i = link.deviceInfo();
    printOut(QStringLiteral("Produkt: %1\nVerze: %2\nVelikost paměti: %3\nTyp modemu: %4\n")
                 .arg(i.product, i.version, i.memorySize.trimmed(), i.modem));
    return link.deactivateLink() == LinkState::Inactive ? kOk : kFailed;
}

} // namespace
} // namespace torval::cli

TORVAL_CLI_COMMAND(info, "info", "info --port PORT          identifikace stanice", torval::cli::runInfo)
