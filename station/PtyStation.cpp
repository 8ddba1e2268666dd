#include "station/PtyStation.h"

#include "station/StationCore.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace torval {

namespace {
using Clock = std::chrono::steady_clock;

void sleepUntil(Clock::time_point t)
{
    if (t > Clock::now())
        std::this_thread::sleep_until(t);
}
} // namespace

PtyStation::PtyStation(StationCore& core) : m_core(core) { }

PtyStation::~PtyStation()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyStation::open()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const char* name = ::ptsname(m_master);
    if (!name) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_path = QString::fromLocal8Bit(name);
    // Holding the terminal side open ourselves keeps the master from seeing
    // a hang-up whenever the PC closes the port, and lets us make it raw
    // before the PC opens it, so nothing is echoed or cooked.
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    termios t{};
    if (::tcgetattr(m_slave, &t) == 0) {
        ::cfmakeraw(&t);
        ::cfsetispeed(&t, B19200);
        ::cfsetospeed(&t, B19200);
        (void)::tcsetattr(m_slave, TCSANOW, &t);
    }
    return true;
}

void PtyStation::serve()
{
    const auto byteTime =
        m_baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / m_baud) : std::chrono::nanoseconds(0);
    auto rxFree = Clock::now();
    auto txFree = Clock::now();
    char buf[512];
    while (!m_stop) {
        pollfd p{m_master, POLLIN, 0};
        const int r = ::poll(&p, 1, 50);
        if (r < 0 && errno != EINTR)
            break;
        if (r <= 0 || !(p.revents & POLLIN)) {
            if (r > 0 && (p.revents & (POLLHUP | POLLERR)))
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n <= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (m_baud > 0) {
            // The request could not have arrived faster than the wire carries it.
            rxFree = std::max(rxFree, Clock::now()) + byteTime * n;
            sleepUntil(rxFree);
        }
        // One reply after another, each after its own delay: a station busy
        // with a late reply reads the next request only when it is done.
        for (const StationCore::Reply& r : m_core.answer(QByteArray(buf, qsizetype(n)))) {
            if (r.delayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(r.delayMs));
            if (m_baud <= 0) {
                qsizetype off = 0;
                while (off < r.bytes.size()) {
                    const ssize_t w = ::write(m_master, r.bytes.constData() + off, size_t(r.bytes.size() - off));
                    if (w <= 0)
                        break;
                    off += w;
                }
                continue;
            }
            txFree = std::max(txFree, Clock::now());
            for (char c : r.bytes) {
                txFree += byteTime;
                sleepUntil(txFree);
                if (::write(m_master, &c, 1) != 1)
                    break;
            }
        }
    }
}

} // namespace torval
