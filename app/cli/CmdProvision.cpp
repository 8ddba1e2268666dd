// torval-cli provision --port PORT --template T.json --stations S.csv: a batch
// of stations from one template and a table of per-station values. Every row
// is checked before the first station is touched; each station is backed up
// before it is written and read back after.

#include "CliCommand.h"
#include "CliLink.h"
#include "CliLoad.h"

#include "link/StationLink.h"
#include "model/ConfigJson.h"
#include "platform/QtPrint.h"
#include "storage/Provisioning.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace torval::cli {

namespace {

QString usageText()
{
    return QStringLiteral("Použití: torval-cli provision --port PORT --template SABLONA.json --stations STANICE.csv\n"
                          "         [--stop-on-error] [--pdf ADRESAR] [--log PROTOKOL.csv] [--backups ADRESAR]\n");
}

std::filesystem::path fsPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

int runProvision(const QStringList& args)
{
    ProvisionSettings settings;
    QString templatePath, stationsPath;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--port") && hasValue)
            settings.port = args[++i];
        else if (a == QLatin1String("--template") && hasValue)
            templatePath = args[++i];
        else if (a == QLatin1String("--stations") && hasValue)
            stationsPath = args[++i];
        else if (a == QLatin1String("--pdf") && hasValue)
            settings.pdfDir = args[++i];
        else if (a == QLatin1String("--log") && hasValue)
            settings.logPath = args[++i];
        else if (a == QLatin1String("--backups") && hasValue)
            settings.backupDir = args[++i];
        else if (a == QLatin1String("--stop-on-error"))
            settings.stopOnError = true;
        else {
            printErr(usageText());
            return kUsage;
        }
    }
    if (settings.port.isEmpty() || templatePath.isEmpty() || stationsPath.isEmpty()) {
        printErr(usageText());
        return kUsage;
    }
    // Lines appended to the table or the template would spoil the run's own
    // input; a log that is one of them is refused before anything starts.
    for (const QString& input : {stationsPath, templatePath}) {
        std::error_code ec;
        if (!settings.logPath.isEmpty()
            && std::filesystem::equivalent(fsPath(settings.logPath), fsPath(input), ec)) {
            printErr(QStringLiteral("Protokol '%1' je zároveň vstupním souborem '%2'. Žádná stanice nebyla "
                                    "programována.\n")
                         .arg(settings.logPath, input));
            return kFailed;
        }
    }

    QFile templ(templatePath);
    if (!templ.open(QIODevice::ReadOnly)) {
        printErr(loadFailedMessage(templatePath) + QLatin1Char('\n'));
        return kFailed;
    }
    const JsonImport imported = configFromJson(templ.readAll());
    if (!imported.config) {
        printErr(QStringLiteral("Soubor '") + templatePath + QStringLiteral("': ") + imported.error + QLatin1Char('\n'));
        return kFailed;
    }
    QFile stations(stationsPath);
    if (!stations.open(QIODevice::ReadOnly)) {
        printErr(QStringLiteral("Soubor se stanicemi '%1' nelze otevřít.\n").arg(stationsPath));
        return kFailed;
    }
    const StationTable table = readStationTable(stations.readAll(), *imported.config);
    if (!table.error.isEmpty()) {
        printErr(QStringLiteral("Soubor '%1': %2\nŽádná stanice nebyla programována.\n").arg(stationsPath, table.error));
        return kFailed;
    }

    for (const RowProblem& r : table.rewrites)
        printErr(r.message + QLatin1Char('\n'));

    settings.say = [](const QString& line) { printOut(line + QLatin1Char('\n')); };
    settings.printPdf = [](const DeviceConfig& c, const QString& path) { return printSettingsToPdf(c, path); };
    TerminalPrompts prompts(false); // nobody answers on a pipe: a failed leave keeps the port for the next activation
    CliLink cli(settings.port, prompts);
    Provisioner provisioner(cli.link(), prompts, cli.busy(), settings);
    const ProvisionSummary s = provisioner.run(table);

    if (s.stopped && s.results.empty())
        printOut(QStringLiteral("Tabulka obsahuje chybné řádky; žádná stanice nebyla programována.\n"));
    QString summary = QStringLiteral("Naprogramováno: %1, chybných stanic: %2, neplatných řádků: %3.")
                          .arg(s.programmed)
                          .arg(s.failed)
                          .arg(s.invalid);
    if (s.cancelled)
        summary += QStringLiteral(" Programování bylo stornováno.");
    if (s.logFailed)
        summary += QStringLiteral(" Protokol nelze zapisovat; programování skončilo.");
    printOut(summary + QLatin1Char('\n'));
    const bool allDone = s.programmed == int(table.rows.size()) && s.invalid == 0 && !s.cancelled && !s.logFailed;
    return allDone ? kOk : kFailed;
}

} // namespace

TORVAL_CLI_COMMAND(provision, "provision",
                   "provision --port PORT --template T.json --stations S.csv   sériové programování stanic",
                   runProvision)

} // namespace torval::cli
