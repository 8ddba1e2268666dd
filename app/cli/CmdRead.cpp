// torval-cli read --port PORT -o FILE.eep [--force] [--used-only]: the
// window's "load from EEPROM" followed by "save to file". An unprogrammed
// station is refused and no file is written.

#include "CliCommand.h"
#include "CliLink.h"
#include "CliLoad.h"

#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/SettingsDocument.h"
#include "storage/SettingsCommands.h"

#include <memory>

namespace torval::cli {

namespace {

int usage()
{
    printErr(QStringLiteral("Použití: torval-cli read --port PORT -o SOUBOR.eep [--force] [--used-only]\n"));
    return kUsage;
}

int runRead(const QStringList& args)
{
    QString port;
    QString output;
    bool force = false;
    bool usedOnly = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--port") && i + 1 < args.size() && port.isEmpty())
            port = args[++i];
        else if (a == QLatin1String("-o") && i + 1 < args.size() && output.isEmpty())
            output = args[++i];
        else if (a == QLatin1String("--force"))
            force = true;
        else if (a == QLatin1String("--used-only"))
            usedOnly = true;
        else
            return usage();
    }
    if (port.isEmpty() || output.isEmpty())
        return usage();

    TerminalPrompts prompts(force);
    CliLink cli(port, prompts);
    if (!cli.activate())
        return kFailed;
    cli.link().setReadUsedOnly(usedOnly);

    SettingsDocument document;
    auto image = std::make_unique<EepromImage>(); // 64 KiB: kept off the stack
    CommandContext ctx{document, *image, prompts, cli.busy(), nullptr, &cli.link(), true};
    int rc = kFailed;
    if (loadSettingsFromDevice(ctx) == CommandOutcome::Done) {
        switch (saveSettingsToFile(ctx, output)) {
        case CommandOutcome::Done:
            rc = kOk;
            break;
        case CommandOutcome::Declined:
            // Answered No on the terminal, or nobody there to ask.
            if (prompts.refused())
                printErr(overwriteRefusedMessage(output) + QLatin1Char('\n'));
            break;
        default:
            break; // the command's message has been shown
        }
    }
    // A station left in programming mode is a failure whatever was saved.
    if (!cli.deactivate())
        rc = kFailed;
    return rc;
}

} // namespace

} // namespace torval::cli

TORVAL_CLI_COMMAND(read, "read", "read --port PORT -o SOUBOR.eep [--force] [--used-only]   načte nastavení ze stanice",
                   torval::cli::runRead)
