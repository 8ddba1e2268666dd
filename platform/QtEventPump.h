#pragma once
// The event pump of the window and the command line: waiting sleeps in the Qt
// event loop until a byte, a timer or a click arrives, so a reply wait costs
// no CPU and Storno stays responsive.

#include "link/EventPump.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace torval {

class QtEventPump final : public QObject, public EventPump {
    Q_OBJECT
public:
    explicit QtEventPump(QObject* parent = nullptr);

    void processEvents() override;
    void waitForEvents(int maxWaitMs) override;
    void armReplyTimer(int intervalMs) override;
    [[nodiscard]] bool replyTimedOut() const override { return m_timedOut; }
    void post(int delayMs, std::function<void()> fn) override;
    [[nodiscard]] qint64 elapsedMs() const override { return m_clock.elapsed(); }

private:
    QTimer m_replyTimer; // the one-shot reply timer
    QTimer m_guard;      // bounds one sleep in the event loop
    QElapsedTimer m_clock;
    bool m_timedOut = false;
};

} // namespace torval
