#pragma once
// The busy indicator on a terminal, for torval-cli's link commands: progress
// is one rewritten line "done/total" on stderr when stderr is a terminal, and
// Ctrl+C is Storno: the first one cancels (the transfer ends after the
// current block), a second one ends the program at once.

#include "interact/Prompts.h"

namespace torval::cli {

class TerminalBusy final : public BusyIndicator {
public:
    // Installs the Ctrl+C handler for the life of the object.
    TerminalBusy();
    ~TerminalBusy() override;
    TerminalBusy(const TerminalBusy&) = delete;
    TerminalBusy& operator=(const TerminalBusy&) = delete;

    void showBusy(const QString& text, bool withStorno) override;
    void setBusyText(const QString& text) override;
    void setProgress(int done, int total) override;
    void hideBusy() override;
    bool cancelRequested() const override;

private:
    bool m_tty = false;
    bool m_lineOpen = false;
};

} // namespace torval::cli
