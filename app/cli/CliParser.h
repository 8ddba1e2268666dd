#pragma once
// Every command reads its command line through this one QCommandLineParser
// wrapper: the command's own options, --help (-h) for its usage and options,
// and one answer to a wrong line: what is wrong with it, named, then the usage,
// both on stderr, exit 2.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace torval::cli {

struct CliOption {
    CliOption(QString name, QString description, QString valueName = {}, bool once = false)
        : name(std::move(name)), description(std::move(description)), valueName(std::move(valueName)), once(once)
    { }
    QString name;        // "port", "o", "force" (written --port, -o, --force)
    QString description; // for --help
    QString valueName;   // empty: a switch
    bool once;           // given twice is a wrong line (otherwise the last value counts)
};

// --timeout SECONDS of the commands that wait for a station.
CliOption timeoutOption();

class CommandLine {
public:
    CommandLine(QString usage, std::initializer_list<CliOption> options);

    // nullopt: the line is good. Otherwise the command ends with the code
    // returned: kOk after --help, kUsage for a wrong line (an unknown option,
    // a missing value, a `once` option given twice, or fewer than minArgs or
    // more than maxArgs arguments that are not options).
    [[nodiscard]] std::optional<int> parse(const QStringList& args, int minArgs, int maxArgs);

    [[nodiscard]] bool isSet(const QString& name) const { return m_parser.isSet(name); }
    [[nodiscard]] QString value(const QString& name) const; // the last one given
    [[nodiscard]] QStringList values(const QString& name) const { return m_parser.values(name); }
    [[nodiscard]] QStringList positional() const { return m_parser.positionalArguments(); }

    // The usage on stderr; returns kUsage. For what the parser cannot judge.
    int usageError() const;
    // The same after a line naming what is wrong ("Chybí volba --port.").
    int usageError(const QString& reason) const;
    // "Chybí volba --NAME." for an option the command cannot do without.
    int missingOption(const QString& name) const;
    // The value of timeoutOption(): 0 when not given; nullopt, the usage
    // already on stderr, when it is no whole number of seconds from 1.
    [[nodiscard]] std::optional<int> timeoutSeconds() const;

private:
    [[nodiscard]] QString parseErrorText(const QStringList& args) const;
    [[nodiscard]] static QString dashed(const QString& name); // "-o", "--port"

    QString m_usage;
    std::vector<CliOption> m_options;
    QCommandLineParser m_parser;
};

} // namespace torval::cli
