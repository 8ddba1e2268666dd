// torval-cli diff A B [--json]: what differs between two settings, each a
// settings file (.eep), a JSON settings file (.json) or a station (--port
// PORT), field by field in the order of the window's tabs. Exit 0 when equal,
// 1 when different, 2 for a wrong command line or a side that cannot be read
// (as diff does, so scripts can tell "different" from "broken").

#include "CliCommand.h"
#include "CliLink.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "commands/SettingsCommands.h"
#include "link/StationLink.h"
#include "model/ConfigJson.h"
#include "model/ImageDecoder.h"
#include "model/SettingsDiff.h"
#include "model/SettingsDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <memory>

namespace torval::cli {

namespace {

constexpr int kTrouble = 2;

struct Source {
    QString path;
    bool port = false;
};

struct Side {
    DeviceConfig config;
    std::unique_ptr<EepromImage> image; // null for a JSON file
    int length = 0;                     // bytes of the image that were loaded
};

QString usageText()
{
    return QCoreApplication::translate("CmdDiff",
                                       "Použití: torval-cli diff A B [--json]\n"
                                       "  A a B: SOUBOR.eep, SOUBOR.json nebo --port PORT\n");
}

// What the station would hold: the window's rules, then the image.
bool loadJsonSide(const QString& path, Side& side, QString& error)
{
    std::optional<DeviceConfig> config = loadAsStationHolds(path, error);
    if (!config)
        return false;
    side.config = std::move(*config);
    return true;
}

bool loadImageSide(const QString& path, Side& side, QString& error)
{
    side.image = std::make_unique<EepromImage>();
    if (!loadImageFile(path, *side.image, error))
        return false;
    side.config = decodeImage(*side.image, DeviceConfig{}).config;
    side.length = int(QFileInfo(path).size());
    return true;
}

// Reads the station exactly as the window's "Načíst nastavení z EEPROM" does,
// then takes it out of programming mode again.
bool loadStationSide(const QString& port, Side& side)
{
    TerminalPrompts prompts(false);
    CliLink cli(port, prompts);
    if (!cli.activate())
        return false;
    SettingsDocument doc;
    side.image = std::make_unique<EepromImage>();
    CommandContext ctx{doc, *side.image, prompts, cli.busy(), nullptr, &cli.link(), true};
    const CommandOutcome outcome = loadSettingsFromDevice(ctx);
    side.length = cli.link().deviceInfo().memorySizeBytes().value_or(0);
    (void)cli.deactivate(); // a failure is reported; the comparison still stands
    if (outcome != CommandOutcome::Done)
        return false;
    side.config = doc.config();
    return true;
}

bool loadSide(const Source& s, Side& side)
{
    if (s.port)
        return loadStationSide(s.path, side);
    QString error;
    const bool json = QFileInfo(s.path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
    if (json ? loadJsonSide(s.path, side, error) : loadImageSide(s.path, side, error))
        return true;
    printErr(error + QLatin1Char('\n'));
    return false;
}

int runDiff(const QStringList& args)
{
    CommandLine line(
        usageText(),
        {{QStringLiteral("port"), QCoreApplication::translate("CmdDiff", "nastavení ze stanice na tomto portu"),
          QStringLiteral("PORT")},
         {QStringLiteral("json"), QCoreApplication::translate("CmdDiff", "rozdíly jako JSON")}});
    if (const auto end = line.parse(args, 0, 2))
        return *end;
    const bool json = line.isSet(QStringLiteral("json"));
    // A and B in the order given, files and ports mixed: the parser keeps
    // each kind apart, so the line is walked once more for the order.
    QStringList ports = line.values(QStringLiteral("port"));
    QStringList files = line.positional();
    if (ports.size() + files.size() != 2)
        return line.usageError();
    std::vector<Source> sources;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!optionsEnded && a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (a == QLatin1String("--port") || a == QLatin1String("-port"))) {
            sources.push_back({ports.takeFirst(), true});
            ++i;
        } else if (!optionsEnded && (a.startsWith(QLatin1String("--port=")) || a.startsWith(QLatin1String("-port=")))) {
            sources.push_back({ports.takeFirst(), true});
        } else if (!files.isEmpty() && a == files.front() && (optionsEnded || !a.startsWith(QLatin1Char('-')))) {
            sources.push_back({files.takeFirst(), false});
        }
    }

    Side a, b;
    if (!loadSide(sources[0], a) || !loadSide(sources[1], b))
        return kTrouble;

    SettingsDifferences d;
    d.fields = diffConfigs(a.config, b.config);
    // Bytes outside the settings exist only where both sides are images.
    if (a.image && b.image)
        d.otherBytes = diffOtherBytes(*a.image, *b.image, std::min(a.length, b.length));

    if (json)
        printOut(QString::fromUtf8(QJsonDocument(differencesToJson(d)).toJson(QJsonDocument::Indented)));
    else
        printOut(d.empty() ? QCoreApplication::translate("CmdDiff", "Nastavení se shodují.\n") : formatDifferences(d));
    return d.empty() ? kOk : kFailed;
}

} // namespace

TORVAL_CLI_COMMAND(diff, "diff",
                   QT_TRANSLATE_NOOP("cli",
                                     "diff A B [--json]         rozdíly nastavení (A, B: .eep, .json, --port PORT)"),
                   runDiff)

} // namespace torval::cli
