// torval-cli print SOUBOR.eep|SOUBOR.json -o ZPRAVA.pdf: the printed settings
// report as a PDF file, one copy, without any dialog.

#include "CliCommand.h"
#include "CliLoad.h"

#include "model/ConfigJson.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "platform/QtPrint.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <optional>

namespace torval::cli {

namespace {

std::optional<DeviceConfig> loadConfig(const QString& path, QString& error)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            error = loadFailedMessage(path);
            return std::nullopt;
        }
        JsonImport imported = configFromJson(file.readAll());
        if (!imported.config)
            error = QStringLiteral("Soubor '") + path + QStringLiteral("': ") + imported.error;
        return std::move(imported.config);
    }
    // 64 KiB: kept off the stack. A damaged file is refused here: a
    // half-decoded image would print a report that looks whole.
    auto image = std::make_unique<EepromImage>();
    if (!loadImageFile(path, *image, error))
        return std::nullopt;
    return decodeImage(*image, DeviceConfig{}).config;
}

int runPrint(const QStringList& args)
{
    QString input;
    QString output;
    bool bad = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("-o") && i + 1 < args.size() && output.isEmpty())
            output = args[++i];
        else if (input.isEmpty() && !a.startsWith(QLatin1Char('-')))
            input = a;
        else
            bad = true;
    }
    if (bad || input.isEmpty() || output.isEmpty()) {
        printErr(QStringLiteral("Použití: torval-cli print SOUBOR.eep|SOUBOR.json -o ZPRAVA.pdf\n"));
        return kUsage;
    }
    QString error;
    const std::optional<DeviceConfig> config = loadConfig(input, error);
    if (!config) {
        printErr(error + QLatin1Char('\n'));
        return kFailed;
    }
    if (!printSettingsToPdf(*config, output)) {
        printErr(QStringLiteral("Zprávu o nastavení se nepodařilo zapsat do souboru '") + output +
                 QStringLiteral("'.\n"));
        return kFailed;
    }
    return kOk;
}

} // namespace

TORVAL_CLI_COMMAND(print, "print",
                   "print SOUBOR.eep|SOUBOR.json -o ZPRAVA.pdf  vytiskne zprávu o nastavení do souboru PDF", runPrint)

} // namespace torval::cli
