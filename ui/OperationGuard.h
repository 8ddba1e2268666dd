#pragma once
// One operation at a time in the window. The link's waits process every
// event, so without this a second click during a transfer would start a
// second command in the middle of the first: a file loaded into the image
// being written, a read restarted over a read, the port closed under a
// transfer. Every command of the window runs while holding the one
// OperationGuard; a command that finds it taken does not start.

#include <functional>
#include <optional>
#include <utility>

namespace torval {

class OperationGate {
public:
    // Held for the whole of one operation; releasing it (destruction) lets
    // the next one start.
    class Guard {
    public:
        Guard(Guard&& other) noexcept : m_gate(std::exchange(other.m_gate, nullptr)) { }
        Guard& operator=(Guard&&) = delete;
        Guard(const Guard&) = delete;
        ~Guard()
        {
            if (m_gate)
                m_gate->release();
        }

    private:
        friend class OperationGate;
        explicit Guard(OperationGate* gate) : m_gate(gate) { }
        OperationGate* m_gate;
    };

    // Called with true when an operation starts and with false when it ends.
    explicit OperationGate(std::function<void(bool running)> onChange = {}) : m_onChange(std::move(onChange)) { }

    // nullopt while another operation holds the guard.
    [[nodiscard]] std::optional<Guard> tryBegin()
    {
        if (m_running)
            return std::nullopt;
        m_running = true;
        if (m_onChange)
            m_onChange(true);
        return Guard(this);
    }

    [[nodiscard]] bool running() const { return m_running; }

private:
    void release()
    {
        m_running = false;
        if (m_onChange)
            m_onChange(false);
    }

    std::function<void(bool)> m_onChange;
    bool m_running = false;
};

} // namespace torval
