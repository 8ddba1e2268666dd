// torval-cli write --port PORT FILE.eep [--no-verify]: the window's "load
// from file" followed by "save to EEPROM", with every check and message of
// those two commands. Exit 0 only when the station holds the settings.

#include "CliCommand.h"
#include "CliLink.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "commands/SettingsCommands.h"
#include "history/HistoryStore.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/SettingsDocument.h"

#include <QCoreApplication>
#include <memory>

namespace torval::cli {

namespace {

int runWrite(const QStringList& args)
{
    CommandLine line(
        QCoreApplication::translate(
            "CmdWrite", "Použití: torval-cli write --port PORT SOUBOR.eep [--no-verify] [--timeout SEKUNDY]\n"),
        {{QStringLiteral("port"),
          QCoreApplication::translate("CmdWrite", "sériový port stanice (simulator: virtuální stanice)"),
          QStringLiteral("PORT"), true},
         {QStringLiteral("no-verify"),
          QCoreApplication::translate("CmdWrite", "zapsané bloky se nečtou zpět ke kontrole")},
         timeoutOption()});
    if (const auto end = line.parse(args, 1, 1))
        return *end;
    const QString port = line.value(QStringLiteral("port"));
    const QString input = line.positional().front();
    const bool verify = !line.isSet(QStringLiteral("no-verify"));
    if (port.isEmpty())
        return line.missingOption(QStringLiteral("port"));
    const auto timeout = line.timeoutSeconds();
    if (!timeout)
        return kUsage;

    TerminalPrompts prompts(false);
    SettingsDocument document;
    auto image = std::make_unique<EepromImage>(); // 64 KiB: kept off the stack
    // The file first: a broken file must not cost the technician a trip
    // through the station's programming mode.
    CliLink cli(port, prompts);
    cli.setHelloTimeout(*timeout);
    HistoryStore history;
    CommandContext ctx{
        document, *image, prompts, cli.busy(), nullptr, &cli.link(), verify, &history, WriteProgram::CliWrite};
    if (loadSettingsFromFile(ctx, input) != CommandOutcome::Done)
        return kFailed;
    if (!cli.activate())
        return kFailed;
    const CommandOutcome outcome = saveSettingsToDevice(ctx);
    // A station left in programming mode is a failure whatever was written.
    const bool left = cli.deactivate();
    return outcome == CommandOutcome::Done && left ? kOk : kFailed;
}

} // namespace

} // namespace torval::cli

TORVAL_CLI_COMMAND(
    write, "write",
    QT_TRANSLATE_NOOP("cli",
                      "write --port PORT SOUBOR.eep [--no-verify] [--timeout SEKUNDY]   uloží nastavení do stanice"),
    torval::cli::runWrite)
