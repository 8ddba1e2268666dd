#include "link/LineProtocol.h"

#include "interact/Prompts.h"
#include "link/EventPump.h"
#include "link/LinkMessages.h"
#include "link/SerialLine.h"

#include <algorithm>

namespace torval {

LineProtocol::LineProtocol(SerialLine& line, EventPump& pump, Prompts& prompts)
    : m_line(line), m_pump(pump), m_prompts(prompts)
{ }

bool LineProtocol::openPort(const QString& portText)
{
    m_unanswered.clear();
    m_lastByteMs = -1;
    m_latencyMs = 0;
    if (m_line.open(portText))
        return true;
    m_prompts.message(linkmsg::text(linkmsg::kCannotOpenPort).arg(portText), Icon::Error);
    return false;
}

void LineProtocol::closePort()
{
    if (m_line.isOpen())
        m_line.close();
}

bool LineProtocol::isOpen() const
{
    return m_line.isOpen();
}

bool LineProtocol::lineFailed() const
{
    return m_line.hasFailed();
}

QByteArray LineProtocol::readCounted(qint64 maxBytes)
{
    QByteArray b = m_line.read(maxBytes);
    if (b.isEmpty())
        return b;
    m_lastByteMs = m_pump.elapsedMs();
    // A request older than the longest wait is not answered any more; a
    // carriage return now belongs to a younger one.
    forgetOldRequests();
    for (qsizetype n = b.count(char(kFrameEnd)); n > 0; --n) {
        if (m_unanswered.empty()) {
            ++m_irregular; // a reply nobody asked for: a duplicate, or one given up on
            continue;
        }
        m_unanswered.pop_front();
    }
    return b;
}

void LineProtocol::discardWaiting()
{
    do {
        if (!readCounted(4096).isEmpty())
            ++m_irregular;
    } while (m_line.bytesAvailable() > 0);
}

void LineProtocol::flushInput()
{
    // Bytes the OS already holds reach the line only through event processing;
    // let them in first so a late reply cannot pass for the next answer.
    m_pump.processEvents();
    discardWaiting();
}

void LineProtocol::forgetOldRequests()
{
    const qint64 now = m_pump.elapsedMs();
    while (!m_unanswered.empty() && now - m_unanswered.front() >= kLateReplyLimitMs) {
        m_unanswered.pop_front();
        ++m_forgotten;
    }
}

void LineProtocol::settle()
{
    const qint64 start = m_pump.elapsedMs();
    // A line that babbles without end must not hold the transfer forever.
    // Quiet long enough for a reply the station is still working on: a
    // spare reply may have taken an owed request's place in the count, and
    // that request's own answer then comes as late as the station's usual.
    const qint64 quiet = std::clamp<qint64>(m_latencyMs + m_latencyMs / 2 + 10, kQuietMs, kLateReplyLimitMs);
    const qint64 cap = start + kLateReplyLimitMs + quiet;
    for (;;) {
        m_pump.processEvents();
        discardWaiting();
        if (lineFailed())
            break; // a vanished device answers nothing more
        forgetOldRequests();
        const qint64 now = m_pump.elapsedMs();
        const qint64 quietAt = m_lastByteMs < 0 ? now : m_lastByteMs + quiet;
        if ((m_unanswered.empty() && now >= quietAt) || now >= cap)
            break;
        qint64 next = cap;
        if (!m_unanswered.empty())
            next = std::min(next, m_unanswered.front() + kLateReplyLimitMs);
        if (now < quietAt)
            next = std::min(next, quietAt);
        m_pump.waitForEvents(int(std::max<qint64>(1, next - now)));
    }
    m_forgotten += m_unanswered.size();
    m_unanswered.clear();
}

void LineProtocol::discardUntil(qint64 untilMs)
{
    for (;;) {
        m_pump.processEvents();
        discardWaiting();
        const qint64 now = m_pump.elapsedMs();
        if (now >= untilMs)
            break;
        m_pump.waitForEvents(int(untilMs - now));
    }
}

void LineProtocol::sendFrame(const QByteArray& payload)
{
    const QByteArray frame = buildFrame(payload);
    // A refused write (pulled cable) is not reported here: the receive that
    // follows waits out its time-out, exactly as for a station that is silent.
    const bool sent =
        m_line.write(std::span(reinterpret_cast<const std::uint8_t*>(frame.constData()), std::size_t(frame.size())));
    if (sent) {
        m_sentMs = m_pump.elapsedMs();
        m_unanswered.push_back(m_sentMs);
    }
}

LineFrame LineProtocol::receiveFrame(int timeoutMs)
{
    m_pump.armReplyTimer(timeoutMs);
    QByteArray data;
    data.reserve(kMaxStored);
    bool complete = false;
    bool heard = false;
    m_lastSilent = false;
    for (;;) {
        m_pump.processEvents();
        const qint64 waiting = m_line.bytesAvailable();
        if (waiting > 0) {
            heard = true;
            // Keep at most 101 bytes; anything beyond is read and dropped so a
            // babbling line cannot grow the buffer.
            const qint64 room = kMaxStored - data.size();
            if (room > 0)
                data.append(readCounted(room));
            if (data.size() >= kMaxStored && m_line.bytesAvailable() > 0)
                (void)readCounted(m_line.bytesAvailable());
        }
        if (!data.isEmpty() && std::uint8_t(data.back()) == kFrameEnd)
            complete = true;
        if (complete || m_pump.replyTimedOut())
            break;
        m_pump.waitForEvents(timeoutMs);
    }
    if (m_pump.replyTimedOut() || data.size() < 2) {
        ++m_irregular;
        m_lastSilent = !heard;
        return {};
    }
    const QByteArray payload = data.left(data.size() - 2);
    if (frameChecksum(payload) != std::uint8_t(data[data.size() - 2])) {
        ++m_irregular;
        return {};
    }
    // The slowest recent answer, fading: how long this station takes.
    const qint64 took = m_pump.elapsedMs() - m_sentMs;
    m_latencyMs = std::max(took, m_latencyMs - m_latencyMs / 16);
    return {payload};
}

LineFrame LineProtocol::exchange(const QByteArray& payload, int timeoutMs)
{
    sendFrame(payload);
    LineFrame reply = receiveFrame(timeoutMs);
    if (!reply.valid())
        return {};
    if (std::uint8_t(reply.data[0]) != std::uint8_t(std::uint8_t(payload[0]) | cmd::ReplyBit)) {
        ++m_irregular;
        return {};
    }
    return reply;
}

} // namespace torval
