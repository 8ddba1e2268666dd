#pragma once
// The station's line protocol over an abstract line and event pump: opening
// the port, sending a frame, receiving one reply frame with its time-out and
// the six commands.

#include "link/FrameCodec.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <deque>

namespace torval {

class SerialLine;
class EventPump;
class Prompts;

namespace cmd {
inline constexpr std::uint8_t Hello = 0x01;
inline constexpr std::uint8_t Identify = 0x02;
inline constexpr std::uint8_t MemoryInfo = 0x03;
inline constexpr std::uint8_t ReadBlock = 0x04;
inline constexpr std::uint8_t WriteBlock = 0x05;
inline constexpr std::uint8_t Leave = 0x06;
inline constexpr std::uint8_t ReplyBit = 0x80;
} // namespace cmd

// A received frame: the payload of a valid frame, or empty when no valid
// frame arrived (time-out, bad checksum, lone CR, overlong burst).
struct LineFrame {
    QByteArray data;
    [[nodiscard]] int length() const { return int(data.size()); }
    [[nodiscard]] bool valid() const { return !data.isEmpty(); }
};

class LineProtocol {
public:
    // Bytes the receive buffer keeps; anything beyond is drained and dropped.
    static constexpr int kMaxStored = 101;

    LineProtocol(SerialLine& line, EventPump& pump, Prompts& prompts);

    // Opens portText ("COM 3", a device path, ...). On failure shows
    // "Nelze otevřít port X." (the port as typed) and returns false.
    [[nodiscard]] bool openPort(const QString& portText);
    void closePort();
    [[nodiscard]] bool isOpen() const;

    // Reads and discards whatever is waiting (at least one read).
    void flushInput();
    void sendFrame(const QByteArray& payload);
    // Waits up to timeoutMs for one frame. Bytes after the frame stay in the
    // line for the next receive.
    [[nodiscard]] LineFrame receiveFrame(int timeoutMs);
    // sendFrame + receiveFrame; the reply counts only when it is valid and
    // starts with command + 0x80.
    [[nodiscard]] LineFrame exchange(const QByteArray& payload, int timeoutMs);

    // Replies carry no address, so a reply that comes after its request was
    // given up would pass for the answer to the next one. After an exchange
    // that failed, settle() lets the line fall quiet, discarding what
    // arrives, until every request sent has been answered (one carriage
    // return each) or is older than kLateReplyLimitMs, and no byte has come
    // for kQuietMs, or longer for a station that takes longer to answer.
    // Free when nothing is owed and the line is quiet.
    static constexpr int kLateReplyLimitMs = 1200; // the longest reply wait the link grants
    static constexpr int kQuietMs = 20;            // a whole reply frame at 19,200 baud takes about 11 ms
    void settle();
    // Discards what arrives until elapsedMs() reaches the given time.
    void discardUntil(qint64 untilMs);
    // Requests sent whose replies have not arrived (and are not yet too old).
    [[nodiscard]] int unanswered() const { return int(m_unanswered.size()); }
    // Counts everything that breaks the one-request-one-reply rhythm: an
    // exchange without a valid reply of its own code, bytes that had to be
    // discarded, a frame end that arrived when no request was owed a reply.
    // A transfer whose count moved cannot vouch for what it took: a reply
    // may have been taken for another request's.
    [[nodiscard]] quint64 irregularities() const { return m_irregular; }
    void noteIrregular() { ++m_irregular; }
    // The last receive timed out without a single byte: the station had not
    // answered anything yet, so no reply was owed from before.
    [[nodiscard]] bool lastReceiveSilent() const { return m_lastSilent; }
    // Requests given up on without their reply: a station that is only far
    // behind may still answer them.
    [[nodiscard]] quint64 forgotten() const { return m_forgotten; }
    // The line reported that the device is gone (pulled adapter, closed pty).
    [[nodiscard]] bool lineFailed() const;

    EventPump& pump() { return m_pump; }

private:
    // Reads up to maxBytes and counts the carriage returns: every frame the
    // station sends ends in one, so each answers the oldest request owed.
    QByteArray readCounted(qint64 maxBytes);
    void discardWaiting();
    void forgetOldRequests();

    SerialLine& m_line;
    EventPump& m_pump;
    Prompts& m_prompts;
    std::deque<qint64> m_unanswered; // send times of requests owed a reply, oldest first
    qint64 m_lastByteMs = -1;
    qint64 m_sentMs = 0;    // when the last request went out
    qint64 m_latencyMs = 0; // the station's recent slowest answer
    quint64 m_irregular = 0;
    bool m_lastSilent = false;
    quint64 m_forgotten = 0;
};

} // namespace torval
