#pragma once
// Series programming on several cables at once. Each port runs the whole
// per-station flow of Provisioner::programStation on a thread of its own,
// with its own link, event loop and serial port, so a slow or retrying
// station on one cable never holds up another. The ports share only the
// queue of rows, the log and the summary, all behind one mutex.

#include "provisioning/Provisioner.h"

#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

namespace torval {

class StationLink;
class Prompts;
class BusyIndicator;

// One port's link and the parts it talks through. It is made, used and
// destroyed on the port's own thread: the serial port and the pump's timers
// belong to that thread's event loop.
class PortSession {
public:
    virtual ~PortSession() = default;
    [[nodiscard]] virtual StationLink& link() = 0;
    [[nodiscard]] virtual Prompts& prompts() = 0;
    [[nodiscard]] virtual BusyIndicator& busy() = 0;
    // Opens the port and closes it again; false with the reason when the
    // port cannot be opened (no such device, taken by another program).
    [[nodiscard]] virtual bool portOpens(QString& error) = 0;
    // The port's device went away while it was open (an adapter pulled
    // out). The session's busy indicator then reports Storno, so that a
    // station waited for on a dead line is not waited for forever.
    [[nodiscard]] virtual bool lineLost() const { return false; }
};

// Makes the session of one port on the calling (the port's) thread. `stop` is
// set once the run is to end after the current block: the session's busy
// indicator reports it as Storno.
using PortSessionFactory =
    std::function<std::unique_ptr<PortSession>(const QString& port, const std::atomic<bool>& stop)>;

// "[port] " before every line of text when the run has several ports, the
// text as it is with one.
[[nodiscard]] QString portPrefixed(const QString& port, const QString& text, bool severalPorts);

// A port whose stations fail this many times in a row is taken out of the
// rotation: a bad cable or adapter, not bad stations.
inline constexpr int kFailuresBeforePortIsRetired = 3;

// Programs every valid row exactly once, each on whichever port becomes free
// next. Invalid rows are reported and logged first (or end the run with
// stopOnError, as on one port). A port that cannot be opened, or whose
// stations fail kFailuresBeforePortIsRetired times in a row, or whose device
// goes away, leaves the rotation at once with a message; a row it had not yet
// touched goes to another port. `interrupted` is polled on the calling thread (Ctrl+C); once it is
// true every port ends after its current block and no new row is started.
// settings.port is ignored; settings.say may be called from any port's thread.
[[nodiscard]] ProvisionSummary provisionOnPorts(const StationTable& table, const QStringList& ports,
                                                const ProvisionSettings& settings,
                                                const PortSessionFactory& makeSession,
                                                const std::function<bool()>& interrupted);

} // namespace torval
