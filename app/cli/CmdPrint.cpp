// torval-cli print SOUBOR.eep|SOUBOR.json -o ZPRAVA.pdf [--paper P]
// [--landscape] [--force]: the printed settings report as a PDF file, one
// copy, without any dialog. The file is written whole or not at all; an
// existing file is replaced only when allowed, the input file never.

#include "CliCommand.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "files/SettingsFile.h"
#include "model/ConfigJson.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "platform/PdfReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <optional>

namespace torval::cli {

namespace {

std::optional<QPageSize::PageSizeId> paperNamed(const QString& name)
{
    const struct {
        const char* name;
        QPageSize::PageSizeId id;
    } papers[] = {{"A4", QPageSize::A4},
                  {"A5", QPageSize::A5},
                  {"Letter", QPageSize::Letter},
                  {"Legal", QPageSize::Legal},
                  {"Tabloid", QPageSize::Tabloid}};
    for (const auto& p : papers)
        if (name.compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0)
            return p.id;
    return std::nullopt;
}

int runPrint(const QStringList& args)
{
    CommandLine line(
        QCoreApplication::translate("CmdPrint",
                                    "Použití: torval-cli print SOUBOR.eep|SOUBOR.json -o ZPRAVA.pdf "
                                    "[--paper A4|A5|Letter|Legal|Tabloid] [--landscape] [--force]\n"),
        {{QStringLiteral("o"), QCoreApplication::translate("CmdPrint", "soubor PDF se zprávou"),
          QCoreApplication::translate("CmdPrint", "ZPRAVA.pdf"), true},
         {QStringLiteral("paper"), QCoreApplication::translate("CmdPrint", "papír (A4, A5, Letter, Legal, Tabloid)"),
          QCoreApplication::translate("CmdPrint", "PAPIR")},
         {QStringLiteral("landscape"), QCoreApplication::translate("CmdPrint", "papír na šířku")},
         {QStringLiteral("force"), QCoreApplication::translate("CmdPrint", "přepíše existující zprávu bez ptaní")}});
    if (const auto end = line.parse(args, 1, 1))
        return *end;
    const QString input = line.positional().front();
    const QString output = line.value(QStringLiteral("o"));
    const bool force = line.isSet(QStringLiteral("force"));
    PaperChoice paper;
    // Every --paper given must name a paper; the last one counts.
    for (const QString& name : line.values(QStringLiteral("paper"))) {
        const std::optional<QPageSize::PageSizeId> size = paperNamed(name);
        if (!size)
            return line.usageError();
        paper.size = *size;
    }
    if (line.isSet(QStringLiteral("landscape")))
        paper.orientation = QPageLayout::Landscape;
    if (output.isEmpty())
        return line.usageError();

    // The settings a report is made of are never its target, --force or not.
    if (sameFile(input, output)) {
        printErr(QCoreApplication::translate("CmdPrint",
                                             "Zprávu nelze zapsat do souboru '%1', ze kterého se čte nastavení.\n")
                     .arg(output));
        return kFailed;
    }
    QString error;
    const std::optional<DeviceConfig> config = loadAsStationHolds(input, error);
    if (!config) {
        printErr(error + QLatin1Char('\n'));
        return kFailed;
    }
    // A folder is not asked about: the write names it as a folder.
    if (QFileInfo::exists(output) && !QFileInfo(output).isDir()) {
        TerminalPrompts prompts(force);
        // On a terminal the question names the file; the window's dialog shows it.
        const QString question =
            QCoreApplication::translate("CmdPrint", "Soubor '%1' již existuje. Mám ho přepsat?").arg(output);
        if (prompts.question(question, Icon::Question, Buttons::YesNo) != Answer::Yes) {
            if (prompts.refused())
                printErr(overwriteRefusedMessage(output) + QLatin1Char('\n'));
            return kFailed;
        }
    }
    error = writeSettingsPdf(*config, output, paper);
    if (!error.isEmpty()) {
        printErr(error + QLatin1Char('\n'));
        return kFailed;
    }
    return kOk;
}

} // namespace

TORVAL_CLI_COMMAND(
    print, "print",
    QT_TRANSLATE_NOOP("cli",
                      "print SOUBOR.eep|SOUBOR.json -o ZPRAVA.pdf [--paper A4|A5|Letter|Legal|Tabloid] [--landscape] "
                      "[--force]  vytiskne zprávu o nastavení do souboru PDF"),
    runPrint)

} // namespace torval::cli
