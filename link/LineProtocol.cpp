#include "link/LineProtocol.h"

#include "link/EventPump.h"
#include "link/LinkMessages.h"
#include "link/Prompts.h"
#include "link/SerialLine.h"

namespace torval {

LineProtocol::LineProtocol(SerialLine& line, EventPump& pump, Prompts& prompts)
    : m_line(line), m_pump(pump), m_prompts(prompts)
{
}

bool LineProtocol::openPort(const QString& portText)
{
    if (m_line.open(portText))
        return true;
    m_prompts.message(linkmsg::text(linkmsg::kCannotOpenPort) + portText + QLatin1Char('.'), Icon::Error);
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

void LineProtocol::flushInput()
{
    // Bytes the OS already holds reach the line only through event processing;
    // let them in first so a late reply cannot pass for the next answer.
    m_pump.processEvents();
    do {
        (void)m_line.read(4096);
    } while (m_line.bytesAvailable() > 0);
}

void LineProtocol::sendFrame(const QByteArray& payload)
{
    const QByteArray frame = buildFrame(payload);
    // A refused write (pulled cable) is not reported here: the receive that
    // follows waits out its time-out, exactly as for a station that is silent.
    (void)m_line.write(std::span(reinterpret_cast<const std::uint8_t*>(frame.constData()), std::size_t(frame.size())));
}

LineFrame LineProtocol::receiveFrame(int timeoutMs)
{
    m_pump.armReplyTimer(timeoutMs);
    QByteArray data;
    data.reserve(kMaxStored);
    bool complete = false;
    for (;;) {
        m_pump.processEvents();
        const qint64 waiting = m_line.bytesAvailable();
        if (waiting > 0) {
            // Keep at most 101 bytes; anything beyond is read and dropped so a
            // babbling line cannot grow the buffer.
            const qint64 room = kMaxStored - data.size();
            if (room > 0)
                data.append(m_line.read(room));
            if (data.size() >= kMaxStored && m_line.bytesAvailable() > 0)
                (void)m_line.read(m_line.bytesAvailable());
        }
        if (!data.isEmpty() && std::uint8_t(data.back()) == kFrameEnd)
            complete = true;
        if (complete || m_pump.replyTimedOut())
            break;
        m_pump.waitForEvents(timeoutMs);
    }
    if (m_pump.replyTimedOut() || data.size() < 2)
        return {};
    const QByteArray payload = data.left(data.size() - 2);
    if (frameChecksum(payload) != std::uint8_t(data[data.size() - 2]))
        return {};
    return {payload};
}

LineFrame LineProtocol::exchange(const QByteArray& payload, int timeoutMs)
{
    sendFrame(payload);
    LineFrame reply = receiveFrame(timeoutMs);
    if (!reply.valid() || std::uint8_t(reply.data[0]) != std::uint8_t(std::uint8_t(payload[0]) | cmd::ReplyBit))
        return {};
    return reply;
}

} // namespace torval
