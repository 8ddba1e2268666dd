#include "TerminalBusy.h"

#include "CliCommand.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace torval::cli {

namespace {
volatile std::sig_atomic_t g_cancel = 0;

extern "C" void onInterrupt(int)
{
    if (g_cancel) {
        // A second Ctrl+C while a block is still being retried: leave now.
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
        return;
    }
    g_cancel = 1;
}

} // namespace

TerminalBusy::TerminalBusy() : m_tty(::isatty(STDERR_FILENO) != 0)
{
    g_cancel = 0;
    std::signal(SIGINT, onInterrupt);
}

TerminalBusy::~TerminalBusy()
{
    std::signal(SIGINT, SIG_DFL);
}

void TerminalBusy::showBusy(const QString& text, bool)
{
    g_cancel = 0;
    if (m_tty) {
        printErr(text + QLatin1Char('\n'));
        m_lineOpen = false;
    }
}

void TerminalBusy::setBusyText(const QString& text)
{
    if (m_tty)
        printErr(text + QLatin1Char('\n'));
}

void TerminalBusy::setProgress(int done, int total)
{
    if (!m_tty)
        return;
    printErr(QStringLiteral("\r%1/%2").arg(done).arg(total));
    m_lineOpen = true;
}

void TerminalBusy::hideBusy()
{
    if (m_lineOpen)
        printErr(QStringLiteral("\n"));
    m_lineOpen = false;
}

bool TerminalBusy::cancelRequested() const
{
    return g_cancel != 0;
}

} // namespace torval::cli
