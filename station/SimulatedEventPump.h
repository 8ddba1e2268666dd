#pragma once
// An event pump on a virtual clock, for running the link against the
// simulated station without real waiting: when nothing is due, a wait jumps
// straight to the next posted event or the reply timer.

#include "link/EventPump.h"

#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace torval {

class SimulatedEventPump final : public EventPump {
public:
    void processEvents() override;
    void waitForEvents(int maxWaitMs) override;
    void armReplyTimer(int intervalMs) override;
    [[nodiscard]] bool replyTimedOut() const override { return m_timedOut; }
    void post(int delayMs, std::function<void()> fn) override;
    [[nodiscard]] qint64 elapsedMs() const override { return m_now; }

    // How many times a wait had to advance the clock (a measure of sleeping).
    [[nodiscard]] int waits() const { return m_waits; }

private:
    bool runDue();

    qint64 m_now = 0;
    std::uint64_t m_seq = 0;
    std::map<std::pair<qint64, std::uint64_t>, std::function<void()>> m_queue;
    std::optional<qint64> m_timerAt;
    bool m_timedOut = false;
    int m_waits = 0;
};

} // namespace torval
