#include "CliCommand.h"

#include "translations/Language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

namespace torval::cli {

namespace {
std::vector<CliCommand>& registry()
{
    static std::vector<CliCommand> r;
    return r;
}
} // namespace

bool registerCommand(CliCommand command)
{
    registry().push_back(std::move(command));
    return true;
}

const std::vector<CliCommand>& commands()
{
    return registry();
}

void printOut(const QString& text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, std::size_t(b.size()), stdout);
    std::fflush(stdout);
}

void printErr(const QString& text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, std::size_t(b.size()), stderr);
    std::fflush(stderr);
}

} // namespace torval::cli

using namespace torval::cli;

static QString usageText()
{
    QString s = QCoreApplication::translate("cli", "Použití: torval-cli PŘÍKAZ [VOLBY]\n\nPříkazy:\n");
    auto cmds = commands();
    std::sort(cmds.begin(), cmds.end(), [](const auto& a, const auto& b) { return qstrcmp(a.name, b.name) < 0; });
    for (const auto& c : cmds)
        s += QStringLiteral("  %1\n").arg(QCoreApplication::translate("cli", c.synopsis));
    s += QCoreApplication::translate("cli",
                                     "\nVolby:\n  --version     verze programu\n  -h, --help    tato nápověda; "
                                     "PŘÍKAZ --help vypíše volby příkazu\n");
    s += QStringLiteral("  --%1 cs|en  %2\n").arg(torval::languageOptionName(), torval::languageOptionHelp());
    return s;
}

int main(int argc, char** argv)
{
#ifdef SIGXFSZ
    // A file-size limit must fail the write that reaches it, so the command
    // can report it and remove its temporary file, not kill the program
    // half-way with the file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Drawing the printed report needs fonts and painting, which only a
    // QGuiApplication provides; it needs no display on the offscreen platform.
    // Series programming prints each station's report too.
    // --language anywhere on the line, for the whole program; what is left is
    // the command and its own options.
    QStringList args = torval::argumentList(argc, argv);
    const torval::LanguageOption language = torval::languageOption(args);
    const QString option = QStringLiteral("--") + torval::languageOptionName();
    for (qsizetype k = 1; k < args.size() && args[k] != QLatin1String("--");) {
        if (args[k] == option)
            args.remove(k, std::min<qsizetype>(2, args.size() - k));
        else if (args[k].startsWith(option + QLatin1Char('=')))
            args.remove(k);
        else
            ++k;
    }
    args.removeFirst();
    std::unique_ptr<QCoreApplication> app;
    if (!args.isEmpty() && (args.first() == QLatin1String("print") || args.first() == QLatin1String("provision"))) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("torval-cli"));
    // Qt's own error texts (files, printing) in the program's language too.
    (void)torval::installLanguage(*app, language.language.value_or(torval::Language::Czech));
    if (language.given && !language.language) {
        printErr(QCoreApplication::translate("cli", "Neznámý jazyk '%1': zadejte cs nebo en.\n").arg(language.value)
                 + usageText());
        return kUsage;
    }
    if (args.isEmpty()) {
        printErr(QCoreApplication::translate("cli", "Chybí příkaz.\n") + usageText());
        return kUsage;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        printOut(usageText());
        return kOk;
    }
    if (args.first() == QLatin1String("--version")) {
        printOut(QStringLiteral("torval-cli %1\n").arg(QStringLiteral(TORVAL_VERSION)));
        return kOk;
    }
    const QString name = args.takeFirst();
    for (const auto& c : commands())
        if (name == QLatin1String(c.name))
            return c.run(args);
    printErr((name.startsWith(QLatin1Char('-')) ? QCoreApplication::translate("cli", "Neznámá volba '%1'.\n")
                                                : QCoreApplication::translate("cli", "Neznámý příkaz '%1'.\n"))
                 .arg(name)
             + usageText());
    return kUsage;
}
