#pragma once
// The link of one torval-cli command: the port named by --port (a device
// path, "COM n", or "simulator" for a station inside this process), the
// terminal's busy line with Ctrl+C as Storno, and the Qt event pump. The
// station is taken out of programming mode when the command ends, whatever
// happened in between.

#include "link/LinkTypes.h"

#include <QString>
#include <memory>

namespace torval {
class Prompts;
class BusyIndicator;
class StationLink;
class SerialLine;
} // namespace torval

namespace torval::cli {

// Why a serial port did not open, for the technician: the system's reason
// and, when the system refused for lack of rights, what to do about it.
[[nodiscard]] QString portOpenReason(const SerialLine& line);

class CliLink {
public:
    // The port text that selects the in-process simulated station.
    static constexpr const char* kSimulatorPort = "simulator";

    CliLink(const QString& port, Prompts& prompts);
    // The same with a busy indicator of the caller's: series programming on
    // several ports gives each port its own, with one Ctrl+C for all.
    CliLink(const QString& port, Prompts& prompts, BusyIndicator& busy);
    // Deactivates a link that is still up.
    ~CliLink();
    CliLink(const CliLink&) = delete;
    CliLink& operator=(const CliLink&) = delete;

    // A station that has not answered the hello within this many seconds is
    // given up (activation fails with a message). Without it the command
    // waits, like the window, until the station answers or Ctrl+C.
    void setHelloTimeout(int seconds) { m_helloTimeoutSeconds = seconds; }
    // True when the last activation ended because that time ran out.
    [[nodiscard]] bool timedOut() const { return m_timedOut; }

    // Brings the link up: true only in the state Active (a station this
    // program may program). A station of the wrong kind is let go again.
    [[nodiscard]] bool activate();
    // Brings the link up and leaves it up whatever the station is.
    LinkState activateAny();
    // Takes the station out of programming mode; true only when it
    // confirmed. Nobody is asked: the program ends either way, so a station
    // that did not confirm is reported on stderr as still in programming
    // mode, the port is closed, and the command is to end with status 1.
    [[nodiscard]] bool deactivate();

    [[nodiscard]] StationLink& link();
    [[nodiscard]] BusyIndicator& busy();
    // The serial line lost its device after it was opened (a USB adapter
    // pulled out): nothing on this port can succeed any more.
    [[nodiscard]] bool lineLost() const;

private:
    void init(BusyIndicator& busy);

    struct Parts;
    QString m_port;
    int m_helloTimeoutSeconds = 0;
    bool m_timedOut = false;
    std::unique_ptr<Parts> m_parts;
};

} // namespace torval::cli
