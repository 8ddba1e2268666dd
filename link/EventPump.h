#pragma once
// How the link waits. The station's replies, the reply timer and the user's
// Storno all arrive as events; the link sleeps until one of them comes and
// never spins the CPU. The Qt pump sleeps in the event loop; the simulated
// pump of the tests advances a virtual clock instead of waiting.

#include <QtGlobal>
#include <functional>

namespace torval {

class EventPump {
public:
    virtual ~EventPump() = default;

    // Lets pending events run, without waiting.
    virtual void processEvents() = 0;
    // Lets pending events run; when there are none, sleeps until an event
    // arrives (a received byte, a timer, a click) or maxWaitMs has passed.
    virtual void waitForEvents(int maxWaitMs) = 0;

    // The one-shot reply timer: arming clears the time-out flag and starts the
    // timer anew; when the interval has passed the flag is set once. A frame
    // arriving in time does not stop the timer; the next arming clears it.
    virtual void armReplyTimer(int intervalMs) = 0;
    [[nodiscard]] virtual bool replyTimedOut() const = 0;

    // Runs fn from the event processing after delayMs (0: at the next pass).
    // Simulated lines use it to deliver replies asynchronously, like a wire.
    virtual void post(int delayMs, std::function<void()> fn) = 0;
    // Monotonic milliseconds since the pump was made.
    [[nodiscard]] virtual qint64 elapsedMs() const = 0;
};

} // namespace torval
