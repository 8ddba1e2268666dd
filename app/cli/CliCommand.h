#pragma once
// Each command of torval-cli lives in its own file and registers itself here,
// so commands can be added without touching the dispatcher.

#include <QStringList>
#include <functional>
#include <vector>

namespace torval::cli {

// Exit codes of every command.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1; // the operation failed; the message is on stderr
inline constexpr int kUsage = 2;  // the command line was wrong

struct CliCommand {
    const char* name;
    const char* synopsis;                            // one line for --help
    std::function<int(const QStringList& args)> run; // args without the command name
};

// Registers a command at start-up; returns true so it can initialise a static.
bool registerCommand(CliCommand command);
const std::vector<CliCommand>& commands();

// Messages go to stderr in UTF-8, results to stdout.
void printOut(const QString& text);
void printErr(const QString& text);

} // namespace torval::cli

#define TORVAL_CLI_COMMAND(id, name, synopsis, fn)                                                                     \
    namespace {                                                                                                        \
    const bool id##_registered = ::torval::cli::registerCommand({name, synopsis, fn});                                 \
    }
