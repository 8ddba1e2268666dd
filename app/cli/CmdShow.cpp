// torval-cli show FILE.eep [--json]: the settings a file holds, grouped like
// the window's tabs, or as the JSON that import reads.

#include "CliCommand.h"
#include "CliLoad.h"
#include "CliParser.h"

#include "commands/SettingsCommands.h"
#include "model/ConfigFields.h"
#include "model/ConfigJson.h"
#include "model/SettingsDocument.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <memory>

namespace torval::cli {

namespace {

QString readable(const DeviceConfig& c)
{
    QString out;
    const QStringList& tabs = tabCaptions();
    for (int tab = 0; tab < tabs.size(); ++tab) {
        out += QStringLiteral("[%1]\n").arg(tabs[tab]);
        for (const FieldDef& f : configFields()) {
            for (int i = 0; i < f.count; ++i) {
                if (f.tabFor(i) != tab)
                    continue;
                QString name = QString::fromLatin1(f.name);
                if (f.count > 1)
                    name += QStringLiteral(" ") + f.label(i);
                QString value;
                switch (f.kind) {
                case FieldKind::Text: value = QLatin1Char('"') + textOf(c, f, i) + QLatin1Char('"'); break;
                case FieldKind::Flag:
                    value = flagOf(c, f, i) ? QCoreApplication::translate("CmdShow", "ano")
                                            : QCoreApplication::translate("CmdShow", "ne");
                    break;
                case FieldKind::Byte: value = QString::number(byteOf(c, f, i)); break;
                }
                out += QStringLiteral("  %1 = %2\n").arg(name, value);
            }
        }
        out += QLatin1Char('\n');
    }
    return out;
}

int runShow(const QStringList& args)
{
    CommandLine line(
        QCoreApplication::translate("CmdShow", "Použití: torval-cli show SOUBOR.eep [--json]\n"),
        {{QStringLiteral("json"), QCoreApplication::translate("CmdShow", "nastavení jako JSON, který čte import")}});
    if (const auto end = line.parse(args, 1, 1))
        return *end;
    const QString path = line.positional().front();
    const bool json = line.isSet(QStringLiteral("json"));
    // The window's "load from file": the same checks and messages.
    TerminalPrompts prompts(false);
    SilentBusy busy;
    SettingsDocument document;
    auto image = std::make_unique<EepromImage>(); // 64 KiB: kept off the stack
    CommandContext ctx{document, *image, prompts, busy};
    if (loadSettingsFromFile(ctx, path) != CommandOutcome::Done)
        return kFailed;
    const DeviceConfig& config = document.config();
    if (json)
        printOut(QString::fromUtf8(QJsonDocument(configToJson(config)).toJson(QJsonDocument::Indented)));
    else
        printOut(readable(config));
    return kOk;
}

} // namespace

TORVAL_CLI_COMMAND(show, "show",
                   QT_TRANSLATE_NOOP("cli", "show SOUBOR.eep [--json]   vypíše nastavení uložené v souboru"), runShow)

} // namespace torval::cli
