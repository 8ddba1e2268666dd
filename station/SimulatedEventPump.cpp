#include "station/SimulatedEventPump.h"

#include <algorithm>

namespace torval {

bool SimulatedEventPump::runDue()
{
    bool ran = false;
    if (m_timerAt && *m_timerAt <= m_now) {
        m_timerAt.reset();
        m_timedOut = true;
        ran = true;
    }
    while (!m_queue.empty() && m_queue.begin()->first.first <= m_now) {
        auto fn = std::move(m_queue.begin()->second);
        m_queue.erase(m_queue.begin());
        fn();
        ran = true;
    }
    return ran;
}

void SimulatedEventPump::processEvents()
{
    (void)runDue();
}

void SimulatedEventPump::waitForEvents(int maxWaitMs)
{
    if (runDue())
        return;
    qint64 next = m_now + std::max(0, maxWaitMs);
    if (m_timerAt)
        next = std::min(next, *m_timerAt);
    if (!m_queue.empty())
        next = std::min(next, m_queue.begin()->first.first);
    m_now = std::max(m_now, next);
    ++m_waits;
    (void)runDue();
}

void SimulatedEventPump::armReplyTimer(int intervalMs)
{
    m_timedOut = false;
    m_timerAt = m_now + std::max(0, intervalMs);
}

void SimulatedEventPump::post(int delayMs, std::function<void()> fn)
{
    m_queue.emplace(std::make_pair(m_now + std::max(0, delayMs), m_seq++), std::move(fn));
}

} // namespace torval
