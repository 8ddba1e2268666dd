// torval-cli history [--station NAME] [--json]: the station writes recorded,
// newest first. torval-cli history --export ID --before|--after -o FILE.eep
// [--force]: the station's settings before that write, or those it wrote, as
// a settings file.

#include "CliCommand.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "files/SettingsFile.h"
#include "history/HistoryStore.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace torval::cli {

namespace {

int listRecords(HistoryStore& store, const QString& station, bool json)
{
    const std::vector<WriteRecord> records = store.list(station);
    if (!store.error().isEmpty()) {
        printErr(store.error() + QLatin1Char('\n'));
        return kFailed;
    }
    if (json) {
        QJsonArray out;
        for (const WriteRecord& r : records)
            out.append(QJsonObject{{QStringLiteral("id"), r.id},
                                   {QStringLiteral("time"), r.time.toUTC().toString(Qt::ISODate)},
                                   {QStringLiteral("station"), r.station},
                                   {QStringLiteral("port"), r.port},
                                   {QStringLiteral("result"), writeResultKey(r.result)},
                                   {QStringLiteral("program"), writeProgramKey(r.program)},
                                   {QStringLiteral("product"), r.product},
                                   {QStringLiteral("version"), r.version},
                                   {QStringLiteral("memorySize"), r.memorySize}});
        printOut(QString::fromUtf8(QJsonDocument(out).toJson()));
        return kOk;
    }
    for (const WriteRecord& r : records)
        printOut(QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                     .arg(QString::number(r.id), r.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                          r.station, r.port, writeResultText(r.result)));
    return kOk;
}

int exportRecord(HistoryStore& store, const CommandLine& line)
{
    bool ok = false;
    const qint64 id = line.value(QStringLiteral("export")).toLongLong(&ok);
    const bool before = line.isSet(QStringLiteral("before"));
    const QString output = line.value(QStringLiteral("o"));
    if (!ok || id <= 0)
        return line.usageError(QCoreApplication::translate("CmdHistory", "ID záznamu musí být celé kladné číslo."));
    if (before == line.isSet(QStringLiteral("after")))
        return line.usageError(
            QCoreApplication::translate("CmdHistory", "Zadejte právě jednu z voleb --before a --after."));
    if (output.isEmpty())
        return line.missingOption(QStringLiteral("o"));
    const std::optional<WriteRecord> r = store.record(id);
    if (!r) {
        printErr((store.error().isEmpty()
                      ? QCoreApplication::translate("CmdHistory", "Záznam %1 v historii zápisů není.").arg(id)
                      : store.error())
                 + QLatin1Char('\n'));
        return kFailed;
    }
    const QByteArray& bytes = before ? r->before : r->written;
    if (bytes.isEmpty()) {
        printErr((before ? QCoreApplication::translate(
                      "CmdHistory", "Záznam %1 nemá uložené nastavení před zápisem (stanice byla prázdná).")
                         : QCoreApplication::translate("CmdHistory",
                                                       "Záznam %1 nemá uložené zapsané nastavení (zápis nedoběhl)."))
                     .arg(id)
                 + QLatin1Char('\n'));
        return kFailed;
    }
    if (!line.isSet(QStringLiteral("force")) && QFileInfo::exists(output)) {
        TerminalPrompts ask(false);
        if (ask.question(QString::fromUtf8(kOverwriteQuestion), Icon::Question, Buttons::YesNo) != Answer::Yes) {
            if (ask.refused())
                printErr(overwriteRefusedMessage(output) + QLatin1Char('\n'));
            return kFailed;
        }
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    if (!writeCompleteFile(output, std::span<const std::uint8_t>(data, std::size_t(bytes.size())))) {
        printErr(QCoreApplication::translate("CmdHistory", "Soubor %1 nelze zapsat.").arg(output) + QLatin1Char('\n'));
        return kFailed;
    }
    return kOk;
}

int runHistory(const QStringList& args)
{
    CommandLine line(
        QCoreApplication::translate("CmdHistory",
                                    "Použití: torval-cli history [--station NÁZEV] [--json]\n"
                                    "        torval-cli history --export ID --before|--after -o SOUBOR.eep [--force]\n"
                                    "Historie zápisů do stanic: %1 (jinde: proměnná TORVAL_HISTORY_DB)\n")
            .arg(HistoryStore::defaultPath()),
        {{QStringLiteral("station"),
          QCoreApplication::translate("CmdHistory", "jen zápisy do stanic, jejichž název obsahuje NÁZEV"),
          QCoreApplication::translate("CmdHistory", "NÁZEV"), true},
         {QStringLiteral("json"), QCoreApplication::translate("CmdHistory", "výpis ve formátu JSON")},
         {QStringLiteral("export"), QCoreApplication::translate("CmdHistory", "uloží nastavení záznamu ID do souboru"),
          QStringLiteral("ID"), true},
         {QStringLiteral("before"), QCoreApplication::translate("CmdHistory", "nastavení stanice před zápisem")},
         {QStringLiteral("after"),
          QCoreApplication::translate("CmdHistory", "nastavení, které zápis poslal do stanice")},
         {QStringLiteral("o"), QCoreApplication::translate("CmdHistory", "soubor nastavení, který se zapíše"),
          QCoreApplication::translate("CmdHistory", "SOUBOR.eep"), true},
         {QStringLiteral("force"), QCoreApplication::translate("CmdHistory", "přepíše existující soubor bez ptaní")}});
    if (const auto end = line.parse(args, 0, 0))
        return *end;
    HistoryStore store;
    if (!store.open()) {
        printErr(store.error() + QLatin1Char('\n'));
        return kFailed;
    }
    if (!store.notice().isEmpty())
        printErr(store.notice() + QLatin1Char('\n'));
    if (line.isSet(QStringLiteral("export")))
        return exportRecord(store, line);
    return listRecords(store, line.value(QStringLiteral("station")), line.isSet(QStringLiteral("json")));
}

} // namespace

} // namespace torval::cli

TORVAL_CLI_COMMAND(
    history, "history",
    QT_TRANSLATE_NOOP("cli",
                      "history [--station NÁZEV] [--json] | --export ID --before|--after -o SOUBOR.eep [--force]   "
                      "historie zápisů do stanic"),
    torval::cli::runHistory)
