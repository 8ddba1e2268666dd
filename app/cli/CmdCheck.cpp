// torval-cli check FILE: every objection the editor would raise against a
// settings file, so a batch can be checked before the stations are programmed.

#include "CliCommand.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "model/ConfigJson.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "rules/SettingsCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace torval::cli {

namespace {

int runCheck(const QStringList& args)
{
    CommandLine line(QCoreApplication::translate("CmdCheck", "Použití: torval-cli check SOUBOR.eep|SOUBOR.json\n"), {});
    if (const auto end = line.parse(args, 1, 1))
        return *end;
    const QString path = line.positional().front();
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::optional<StoredSettings> stored;
    if (suffix == QLatin1String("eep")) {
        auto image = std::make_unique<EepromImage>();
        QString error;
        if (!loadImageFile(path, *image, error)) {
            printErr(error + QLatin1Char('\n'));
            return kFailed;
        }
        // The editor's prefix rule is not in the image: its defaults apply.
        stored = settingsAsStored(decodeImage(*image, DeviceConfig{}).config);
    } else if (suffix == QLatin1String("json")) {
        JsonSettings loaded = loadJsonSettings(path);
        if (!loaded.stored) {
            printErr(loaded.error + QLatin1Char('\n'));
            return kFailed;
        }
        stored = std::move(loaded.stored);
    } else {
        printErr(QCoreApplication::translate("CmdCheck", "Soubor musí mít příponu .eep nebo .json: %1\n").arg(path));
        return kUsage;
    }

    // The editor's rewrites are no objection: they are listed, and the
    // findings are those of the rewritten settings, as import stores them.
    // Warnings are what the window stores but points out.
    for (const FieldRewrite& r : stored->rewrites)
        printErr(rewriteText(r) + QLatin1Char('\n'));
    QString report = findingsText(stored->refusals);
    for (const QString& w : findingsText(stored->warnings).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        report += QCoreApplication::translate("CmdCheck", "Upozornění: %1\n").arg(w);
    if (stored->accepted()) {
        printOut(report + QCoreApplication::translate("CmdCheck", "Nastavení je v pořádku.\n"));
        return kOk;
    }
    printOut(report);
    return kFailed;
}

} // namespace

TORVAL_CLI_COMMAND(check, "check",
                   QT_TRANSLATE_NOOP("cli", "check SOUBOR.eep|SOUBOR.json  kontrola všech polí podle pravidel editoru"),
                   runCheck)

} // namespace torval::cli
