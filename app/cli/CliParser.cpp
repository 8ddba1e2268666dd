#include "CliParser.h"

#include "CliCommand.h"

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
        return usageError();
    if (m_parser.isSet(QStringLiteral("help"))) {
        QString help = m_usage + QStringLiteral("\nVolby:\n");
        for (const CliOption& o : m_options) {
            QString names = (o.name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + o.name;
            if (!o.valueName.isEmpty())
                names += QLatin1Char(' ') + o.valueName;
            help += QStringLiteral("  %1  %2\n").arg(names.leftJustified(22), o.description);
        }
        help += QStringLiteral("  %1  %2\n").arg(QStringLiteral("-h, --help").leftJustified(22),
                                                QStringLiteral("vypíše tuto nápovědu"));
        printOut(help);
        return kOk;
    }
    for (const CliOption& o : m_options)
        if (o.once && m_parser.values(o.name).size() > 1)
            return usageError();
    const qsizetype n = m_parser.positionalArguments().size();
    if (n < minArgs || n > maxArgs)
        return usageError();
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

} // namespace torval::cli
