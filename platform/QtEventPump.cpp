#include "platform/QtEventPump.h"

#include <QCoreApplication>
#include <algorithm>

namespace torval {

QtEventPump::QtEventPump(QObject* parent) : QObject(parent)
{
    m_clock.start();
    m_replyTimer.setSingleShot(true);
    m_replyTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_replyTimer, &QTimer::timeout, this, [this] { m_timedOut = true; });
    m_guard.setSingleShot(true);
    m_guard.setTimerType(Qt::PreciseTimer);
}

void QtEventPump::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::waitForEvents(int maxWaitMs)
{
    // The guard wakes the loop at the latest after maxWaitMs; anything else
    // (serial notifier, reply timer, a click) wakes it sooner.
    m_guard.start(std::max(0, maxWaitMs));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    m_guard.stop();
}

void QtEventPump::armReplyTimer(int intervalMs)
{
    m_timedOut = false;
    m_replyTimer.stop();
    m_replyTimer.start(std::max(0, intervalMs));
}

void QtEventPump::post(int delayMs, std::function<void()> fn)
{
    QTimer::singleShot(std::max(0, delayMs), Qt::PreciseTimer, this, std::move(fn));
}

} // namespace torval
