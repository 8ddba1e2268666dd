// torval-cli ports: the serial ports of this machine with what the system
// knows about each (the adapter's name, maker and serial number), so the
// technician can tell which --port is which cable.

#include "CliCommand.h"
#include "CliParser.h"

#include "platform/SerialPorts.h"

#include <QCoreApplication>

namespace torval::cli {
namespace {

int runPorts(const QStringList& args)
{
    CommandLine line(QCoreApplication::translate("CmdPorts", "Použití: torval-cli ports\n"), {});
    if (const auto end = line.parse(args, 0, 0))
        return *end;
    const std::vector<SerialPortEntry> ports = listSerialPorts();
    if (ports.empty()) {
        printErr(QCoreApplication::translate("CmdPorts", "Žádný sériový port nebyl nalezen.\n"));
        return kOk;
    }
    qsizetype width = 0;
    for (const SerialPortEntry& p : ports)
        width = std::max(width, p.path.size());
    QString out;
    for (const SerialPortEntry& p : ports) {
        QStringList details;
        for (const QString& d : {p.manufacturer, p.serialNumber})
            if (!d.isEmpty() && d != p.description)
                details << d;
        QString text = p.description.isEmpty() ? QStringLiteral("(bez popisu)") : p.description;
        if (!details.isEmpty())
            text += QStringLiteral(" (%1)").arg(details.join(QStringLiteral(", ")));
        out += QStringLiteral("%1  %2\n").arg(p.path.leftJustified(width), text);
    }
    printOut(out);
    return kOk;
}

} // namespace
} // namespace torval::cli

TORVAL_CLI_COMMAND(ports, "ports", QT_TRANSLATE_NOOP("cli", "ports                     sériové porty tohoto počítače"),
                   torval::cli::runPorts)
