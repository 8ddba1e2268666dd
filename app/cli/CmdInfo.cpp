// torval-cli info --port PORT [--timeout SEKUNDY]: bring the link up, print
// the identification
// with the information panel's labels, take the station out of programming
// mode. Exit 0 only for a station this program may program that left
// programming mode again.

#include "CliCommand.h"
#include "CliLink.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "link/StationLink.h"

#include <QCoreApplication>

namespace torval::cli {
namespace {

int runInfo(const QStringList& args)
{
    CommandLine line(
        QCoreApplication::translate("CmdInfo", "Použití: torval-cli info --port PORT [--timeout SEKUNDY]\n"),
        {{QStringLiteral("port"),
          QCoreApplication::translate("CmdInfo", "sériový port stanice (simulator: virtuální stanice)"),
          QStringLiteral("PORT")},
         timeoutOption()});
    if (const auto end = line.parse(args, 0, 0))
        return *end;
    const QString port = line.value(QStringLiteral("port"));
    if (port.isEmpty())
        return line.missingOption(QStringLiteral("port"));
    const auto timeout = line.timeoutSeconds();
    if (!timeout)
        return kUsage;
    TerminalPrompts prompts(false); // no terminal: questions are answered No
    CliLink cli(port, prompts);
    cli.setHelloTimeout(*timeout);
    const LinkState state = cli.activateAny();
    if (state == LinkState::Inactive)
        return kFailed;
    const DeviceInfo& i = cli.link().deviceInfo();
    printOut(QCoreApplication::translate("CmdInfo", "Produkt: %1\nVerze: %2\nVelikost paměti: %3\nTyp modemu: %4\n")
                 .arg(i.product, i.version, i.memorySize.trimmed(), i.modem));
    // A station this program may not program is no success, even though it
    // identified itself (its message has been shown).
    const bool left = cli.deactivate();
    return state == LinkState::Active && left ? kOk : kFailed;
}

} // namespace
} // namespace torval::cli

TORVAL_CLI_COMMAND(info, "info",
                   QT_TRANSLATE_NOOP("cli", "info --port PORT [--timeout SEKUNDY]          identifikace stanice"),
                   torval::cli::runInfo)
