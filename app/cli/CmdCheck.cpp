// torval-cli check FILE: every objection the editor would raise against a
// settings file, so a batch can be checked before the stations are programmed.

#include "CliCommand.h"
#include "CliParser.h"
#include "CliLoad.h"

#include "model/ConfigJson.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "rules/SettingsCheck.h"

#include <QFile>
#include <QFileInfo>

namespace torval::cli {

namespace {

struct Loaded {
    std::optional<DeviceConfig> config;
    QString error;
};

Loaded loadEep(const QString& path)
{
    auto image = std::make_unique<EepromImage>();
    QString error;
    if (!loadImageFile(path, *image, error))
        return {std::nullopt, error};
    DecodeResult decoded = decodeImage(*image, DeviceConfig{});
    return {std::move(decoded.config), {}};
}

Loaded loadJson(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, loadFailedMessage(path)};
    JsonImport imported = configFromJson(file.readAll());
    if (!imported.config)
        return {std::nullopt, QStringLiteral("Soubor '") + path + QStringLiteral("': ") + imported.error};
    return {std::move(imported.config), {}};
}

int runCheck(const QStringList& args)
{
    CommandLine line(QStringLiteral("Použití: torval-cli check SOUBOR.eep|SOUBOR.json\n"), {});
    if (const auto end = line.parse(args, 1, 1))
        return *end;
    const QString path = line.positional().front();
    const QString suffix = QFileInfo(path).suffix().toLower();
    Loaded loaded;
    if (suffix == QLatin1String("eep"))
        loaded = loadEep(path);
    else if (suffix == QLatin1String("json"))
        loaded = loadJson(path);
    else {
        printErr(QStringLiteral("Soubor musí mít příponu .eep nebo .json: ") + path + QLatin1Char('\n'));
        return kUsage;
    }
    if (!loaded.config) {
        printErr(loaded.error + QLatin1Char('\n'));
        return kFailed;
    }

    // The editor's rewrites are no objection: they are listed, and the
    // findings are those of the rewritten settings, as import would store them.
    for (const FieldRewrite& r : applyFieldRewrites(*loaded.config))
        printErr(rewriteText(r) + QLatin1Char('\n'));
    const auto findings = checkSettings(*loaded.config);
    QString report;
    for (const SettingsFinding& f : findings) {
        report += f.label;
        if (f.field && f.field->count > 1)
            report += QLatin1Char(' ') + QString::fromLatin1(f.field->name);
        report += QStringLiteral(": ") + f.message + QLatin1Char('\n');
    }
    if (findings.empty()) {
        printOut(QStringLiteral("Nastavení je v pořádku.\n"));
        return kOk;
    }
    printOut(report);
    return kFailed;
}

} // namespace

TORVAL_CLI_COMMAND(check, "check", "check SOUBOR.eep|SOUBOR.json  kontrola všech polí podle pravidel editoru", runCheck)

} // namespace torval::cli
