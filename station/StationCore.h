#pragma once
// The far end of the wire, simulated: a station in programming mode with its
// own EEPROM, answering the six commands of its line protocol. It shares
// only the frame and hex helpers with the PC side, so the two ends check each
// other. Faults can be switched on to exercise every failure path.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace torval {

struct StationIdentity {
    std::array<std::uint8_t, 3> product{130, 211, 25}; // b0, b1, b2: "TORVAL"
    int versionMajor = 1;
    int versionMinor = 0;
    int memoryCode = 4; // 2^(code+7) bytes of EEPROM
    int modemCode = 4;
};

struct StationFaults {
    int helloAfter = 1;        // answer Hello from this attempt on; 0: never (not in programming mode)
    double corrupt = 0;        // probability that one byte of a reply is damaged
    double drop = 0;           // probability that a reply is not sent
    double badReadback = 0;    // probability that a read reply carries a wrong byte
    double ignoreWrites = 0;   // probability that a write is acknowledged but not stored
    int hangAfter = -1;        // stop answering after this many frames (-1: never)
    bool ignoreLeave = false;  // the request to leave programming mode never gets an answer
    int replyDelayMs = 0;      // time before a reply leaves the station
    int lateReadMs = 0;        // every block-read reply leaves this much later still
    int lateOnceAddress = -1;  // the first read of the block at this address ...
    int lateOnceMs = 0;        // ... is answered this much later
    int replyJitterMs = 0;     // each reply waits up to this much longer still, at random
    int twiceOnceAddress = -1; // the first read of the block at this address is answered twice
    int staleOnceAddress = -1; // the first read of this block gets the previous reply again first
};

class StationCore {
public:
    struct Request {
        std::uint8_t command;
        int address; // read and write only, else -1
        bool answered;
    };

    explicit StationCore(StationIdentity id = {}, std::uint32_t seed = 1);

    [[nodiscard]] const StationIdentity& identity() const { return m_id; }
    void setIdentity(const StationIdentity& id); // resizes the memory
    [[nodiscard]] StationFaults& faults() { return m_faults; }
    void setSeed(std::uint32_t seed) { m_rng.seed(seed); }

    // The station's EEPROM: 2^(memoryCode+7) bytes, at most 64 KiB.
    [[nodiscard]] std::vector<std::uint8_t>& memory() { return m_memory; }
    [[nodiscard]] const std::vector<std::uint8_t>& memory() const { return m_memory; }

    // Bytes from the PC; returns the bytes the station sends back (zero, one
    // or, when several frames arrived at once, more reply frames).
    [[nodiscard]] QByteArray receive(const QByteArray& bytes);
    // The same, one reply frame each, with the time it waits before leaving
    // the station (the reply delay and the late-read faults).
    struct Reply {
        QByteArray bytes;
        int delayMs = 0;
    };
    [[nodiscard]] std::vector<Reply> answer(const QByteArray& bytes);

    // Every frame received with a valid checksum, in order.
    [[nodiscard]] const std::vector<Request>& requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    [[nodiscard]] int framesReceived() const { return m_frames; }

    // Called after each accepted write (the station program saves its memory).
    std::function<void()> onWrite;
    // Called for every request before it is answered (tests press Storno here).
    std::function<void(const Request&)> onRequest;

private:
    QByteArray handleFrame(const QByteArray& payload);
    bool chance(double p);

    StationIdentity m_id;
    StationFaults m_faults;
    std::vector<std::uint8_t> m_memory;
    std::vector<Request> m_requests;
    QByteArray m_buffer;
    int m_frames = 0;
    int m_hellos = 0;
    int m_delayMs = 0; // of the reply handleFrame made last
    bool m_lateOnceDone = false;
    bool m_twiceDone = false;
    bool m_staleDone = false;
    QByteArray m_lastWire; // the reply frame sent last
    std::mt19937 m_rng;
};

} // namespace torval
