// torval-cli import FILE.json -o FILE.eep [--force]: turns JSON settings into
// a settings file exactly as the window's "save to file" would write it.

#include "CliCommand.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "commands/SettingsCommands.h"
#include "model/ConfigJson.h"
#include "model/EepromImage.h"
#include "model/SettingsDocument.h"
#include "rules/SettingsCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <memory>

namespace torval::cli {

namespace {

int runImport(const QStringList& args)
{
    CommandLine line(
        QCoreApplication::translate("CmdImport", "Použití: torval-cli import SOUBOR.json -o SOUBOR.eep [--force]\n"),
        {{QStringLiteral("o"), QCoreApplication::translate("CmdImport", "soubor nastavení, který se zapíše"),
          QCoreApplication::translate("CmdImport", "SOUBOR.eep"), true},
         {QStringLiteral("force"), QCoreApplication::translate("CmdImport", "přepíše existující soubor bez ptaní")}});
    if (const auto end = line.parse(args, 1, 1))
        return *end;
    const QString input = line.positional().front();
    const QString output = line.value(QStringLiteral("o"));
    const bool force = line.isSet(QStringLiteral("force"));
    if (output.isEmpty())
        return line.usageError();

    // The settings are read, never overwritten with an image, --force or not.
    if (sameFile(input, output)) {
        printErr(
            QCoreApplication::translate("CmdImport", "Nastavení nelze zapsat do souboru '%1', ze kterého se čte.\n")
                .arg(output));
        return kFailed;
    }
    JsonSettings loaded = loadJsonSettings(input);
    if (!loaded.stored) {
        printErr(loaded.error + QLatin1Char('\n'));
        return kFailed;
    }
    // Stored as the editor would store it: its rewrites applied and listed,
    // what it refuses refused (nothing is written then), what it warns of told.
    const StoredSettings& stored = *loaded.stored;
    for (const FieldRewrite& r : stored.rewrites)
        printErr(rewriteText(r) + QLatin1Char('\n'));
    for (const QString& w : findingsText(stored.warnings).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        printErr(QCoreApplication::translate("CmdImport", "Upozornění: %1\n").arg(w));
    if (!stored.accepted()) {
        printErr(
            findingsText(stored.refusals)
            + QCoreApplication::translate("CmdImport", "Soubor '%1' nebyl zapsán: editor by toto nastavení odmítl.\n")
                  .arg(output));
        return kFailed;
    }
    const DeviceConfig& config = stored.config;

    // The window's "save to file" on a fresh image, as in a program that has
    // loaded nothing: the same encoding, length rule and overwrite question.
    SettingsDocument document;
    document.assignAll(config);
    auto image = std::make_unique<EepromImage>(); // 64 KiB: kept off the stack
    TerminalPrompts prompts(force);
    SilentBusy busy;
    CommandContext ctx{document, *image, prompts, busy};
    const CommandOutcome outcome = saveSettingsToFile(ctx, output);
    if (outcome != CommandOutcome::Done && outcome != CommandOutcome::Declined)
        return kFailed;
    if (prompts.refused()) {
        printErr(overwriteRefusedMessage(output) + QLatin1Char('\n'));
        return kFailed;
    }
    return kOk;
}

} // namespace

TORVAL_CLI_COMMAND(import, "import",
                   QT_TRANSLATE_NOOP("cli",
                                     "import SOUBOR.json -o SOUBOR.eep [--force]   uloží nastavení z JSON do souboru"),
                   runImport)

} // namespace torval::cli
