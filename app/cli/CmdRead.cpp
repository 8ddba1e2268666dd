// torval-cli read --port PORT -o FILE.eep [--force] [--used-only]: the
// window's "load from EEPROM" followed by "save to file". An unprogrammed
// station is refused and no file is written.

#include "CliCommand.h"
#include "CliLink.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "commands/SettingsCommands.h"
#include "files/SettingsFile.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/SettingsDocument.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>

namespace torval::cli {

namespace {

int runRead(const QStringList& args)
{
    CommandLine line(
        QCoreApplication::translate(
            "CmdRead",
            "Použití: torval-cli read --port PORT -o SOUBOR.eep [--force] [--used-only] [--timeout SEKUNDY]\n"),
        {{QStringLiteral("port"),
          QCoreApplication::translate("CmdRead", "sériový port stanice (simulator: virtuální stanice)"),
          QStringLiteral("PORT"), true},
         {QStringLiteral("o"), QCoreApplication::translate("CmdRead", "soubor nastavení, který se zapíše"),
          QCoreApplication::translate("CmdRead", "SOUBOR.eep"), true},
         {QStringLiteral("force"), QCoreApplication::translate("CmdRead", "přepíše existující soubor bez ptaní")},
         {QStringLiteral("used-only"),
          QCoreApplication::translate("CmdRead", "čte jen nastavení, ne celou paměť stanice")},
         timeoutOption()});
    if (const auto end = line.parse(args, 0, 0))
        return *end;
    const QString port = line.value(QStringLiteral("port"));
    const QString output = line.value(QStringLiteral("o"));
    const bool force = line.isSet(QStringLiteral("force"));
    const bool usedOnly = line.isSet(QStringLiteral("used-only"));
    if (port.isEmpty() || output.isEmpty())
        return line.missingOption(port.isEmpty() ? QStringLiteral("port") : QStringLiteral("o"));
    const auto timeout = line.timeoutSeconds();
    if (!timeout)
        return kUsage;

    // Asked before the station is touched: a full read of a large station
    // takes minutes, and the answer does not depend on what it holds.
    bool overwrite = force;
    if (!force && QFileInfo::exists(output)) {
        TerminalPrompts ask(false);
        if (ask.question(QCoreApplication::translate("SettingsFile", kOverwriteQuestion), Icon::Question,
                         Buttons::YesNo)
            != Answer::Yes) {
            if (ask.refused())
                printErr(overwriteRefusedMessage(output) + QLatin1Char('\n'));
            return kFailed;
        }
        overwrite = true;
    }
    TerminalPrompts prompts(overwrite);
    CliLink cli(port, prompts);
    cli.setHelloTimeout(*timeout);
    if (!cli.activate())
        return kFailed;
    cli.link().setReadUsedOnly(usedOnly);

    SettingsDocument document;
    auto image = std::make_unique<EepromImage>(); // 64 KiB: kept off the stack
    CommandContext ctx{document, *image, prompts, cli.busy(), nullptr, &cli.link(), true};
    int rc = kFailed;
    if (loadSettingsFromDevice(ctx) == CommandOutcome::Done) {
        switch (saveSettingsToFile(ctx, output)) {
        case CommandOutcome::Done: rc = kOk; break;
        case CommandOutcome::Declined:
            // Answered No on the terminal, or nobody there to ask.
            if (prompts.refused())
                printErr(overwriteRefusedMessage(output) + QLatin1Char('\n'));
            break;
        default: break; // the command's message has been shown
        }
    }
    // A station left in programming mode is a failure whatever was saved.
    if (!cli.deactivate())
        rc = kFailed;
    return rc;
}

} // namespace

} // namespace torval::cli

TORVAL_CLI_COMMAND(
    read, "read",
    QT_TRANSLATE_NOOP(
        "cli",
        "read --port PORT -o SOUBOR.eep [--force] [--used-only] [--timeout SEKUNDY]   načte nastavení ze stanice"),
    torval::cli::runRead)
