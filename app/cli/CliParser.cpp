#include "CliParser.h"

#include "CliCommand.h"

#include <QCoreApplication>

namespace torval::cli {

CommandLine::CommandLine(QString usage, std::initializer_list<CliOption> options)
    : m_usage(std::move(usage)), m_options(options)
{
    // "-o" is the option o, never the letters o and a value run together.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    for (const CliOption& o : m_options)
        m_parser.addOption(QCommandLineOption(QStringList{o.name}, o.description, o.valueName));
}

std::optional<int> CommandLine::parse(const QStringList& args, int minArgs, int maxArgs)
{
    if (!m_parser.parse(QStringList{QStringLiteral("torval-cli")} + args))
        return usageError(parseErrorText(args));
    if (m_parser.isSet(QStringLiteral("help"))) {
        QString help = m_usage + QCoreApplication::translate("CliParser", "\nVolby:\n");
        for (const CliOption& o : m_options) {
            QString names = dashed(o.name);
            if (!o.valueName.isEmpty())
                names += QLatin1Char(' ') + o.valueName;
            help += QStringLiteral("  %1  %2\n").arg(names.leftJustified(22), o.description);
        }
        help += QStringLiteral("  %1  %2\n")
                    .arg(QStringLiteral("-h, --help").leftJustified(22),
                         QCoreApplication::translate("CliParser", "vypíše tuto nápovědu"));
        printOut(help);
        return kOk;
    }
    for (const CliOption& o : m_options)
        if (o.once && m_parser.values(o.name).size() > 1)
            return usageError(
                QCoreApplication::translate("CliParser", "Volba '%1' je uvedena vícekrát.").arg(dashed(o.name)));
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() < minArgs)
        return usageError(QCoreApplication::translate("CliParser", "Chybí argument."));
    if (positional.size() > maxArgs)
        return usageError(
            QCoreApplication::translate("CliParser", "Nadbytečný argument '%1'.").arg(positional.at(maxArgs)));
    return std::nullopt;
}

QString CommandLine::parseErrorText(const QStringList& args) const
{
    // The parser's own text is English or translated by Qt's catalogue at
    // will; the technician gets the option as typed, in the program's language.
    auto find = [this](const QString& name) -> const CliOption* {
        for (const CliOption& o : m_options)
            if (o.name == name)
                return &o;
        return nullptr;
    };
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& arg = args[k];
        if (arg == QLatin1String("--"))
            break;
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-"))
            continue;
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString typed = eq < 0 ? arg : arg.left(eq);
        QString name = typed;
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        if (name == QLatin1String("h") || name == QLatin1String("help"))
            continue;
        const CliOption* o = find(name);
        if (!o)
            return QCoreApplication::translate("CliParser", "Neznámá volba '%1'.").arg(typed);
        if (o->valueName.isEmpty()) {
            if (eq >= 0)
                return QCoreApplication::translate("CliParser", "Volba '%1' nemá hodnotu.").arg(typed);
        } else if (eq < 0) {
            if (k + 1 >= args.size())
                return QCoreApplication::translate("CliParser", "Volba '%1' potřebuje hodnotu %2.")
                    .arg(typed, o->valueName);
            ++k; // the value, whatever it looks like
        }
    }
    return m_parser.errorText();
}

QString CommandLine::dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

int CommandLine::missingOption(const QString& name) const
{
    return usageError(QCoreApplication::translate("CliParser", "Chybí volba %1.").arg(dashed(name)));
}

CliOption timeoutOption()
{
    return {QStringLiteral("timeout"),
            QCoreApplication::translate("CliParser", "vzdá čekání na stanici, která neodpoví do tolika sekund"),
            QStringLiteral("SEKUNDY"), true};
}

std::optional<int> CommandLine::timeoutSeconds() const
{
    const QString name = timeoutOption().name;
    if (!isSet(name))
        return 0;
    bool ok = false;
    const int s = value(name).trimmed().toInt(&ok);
    if (ok && s > 0 && s <= 24 * 3600)
        return s;
    (void)usageError(
        QCoreApplication::translate("CliParser", "Volba --timeout potřebuje celý počet sekund (1 až 86400), ne '%1'.")
            .arg(value(name)));
    return std::nullopt;
}

QString CommandLine::value(const QString& name) const
{
    const QStringList all = m_parser.values(name);
    return all.isEmpty() ? QString() : all.last();
}

int CommandLine::usageError() const
{
    printErr(m_usage);
    return kUsage;
}

int CommandLine::usageError(const QString& reason) const
{
    printErr(reason + QLatin1Char('\n') + m_usage);
    return kUsage;
}

} // namespace torval::cli
