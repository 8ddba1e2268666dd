#pragma once
// Serves a StationCore on a pseudo-terminal, so the PC side can open the
// device path with a real serial port. The station keeps its own handle on
// the terminal side, so the PC may close and reopen the port at will.

#include <QString>
#include <atomic>

namespace torval {

class StationCore;

class PtyStation {
public:
    explicit PtyStation(StationCore& core);
    ~PtyStation();
    PtyStation(const PtyStation&) = delete;
    PtyStation& operator=(const PtyStation&) = delete;

    // Opens the pseudo-terminal in raw mode; false with errorText() on failure.
    [[nodiscard]] bool open();
    [[nodiscard]] QString devicePath() const { return m_path; }
    [[nodiscard]] QString errorText() const { return m_error; }

    // Paces every byte as a line of that speed would (10 bits a byte) in both
    // directions; 0 sends at once.
    void setBaud(int baud) { m_baud = baud; }

    // Serves until stop() is called (from any thread or a signal handler).
    void serve();
    void stop() { m_stop = true; }

private:
    StationCore& m_core;
    int m_master = -1;
    int m_slave = -1;
    int m_baud = 0;
    QString m_path;
    QString m_error;
    std::atomic<bool> m_stop{false};
};

} // namespace torval
