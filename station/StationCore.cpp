#include "station/StationCore.h"

#include "link/FrameCodec.h"

#include <algorithm>

namespace torval {

namespace {
constexpr char kCR = 13;
constexpr int kMaxFrame = 256; // a station buffer; longer garbage is thrown away

int memoryBytes(int code)
{
    if (code < 0)
        return 128;
    return code >= 9 ? 65536 : (1 << (code + 7));
}

QByteArray frame(const QByteArray& payload)
{
    QByteArray f = payload;
    f.append(char(frameChecksum(payload)));
    f.append(kCR);
    return f;
}
} // namespace

StationCore::StationCore(StationIdentity id, std::uint32_t seed) : m_rng(seed)
{
    setIdentity(id);
}

void StationCore::setIdentity(const StationIdentity& id)
{
    m_id = id;
    // An erased EEPROM reads 0xFF; 64..127 hold the station's own data.
    m_memory.assign(std::size_t(memoryBytes(id.memoryCode)), 0xFF);
    for (int a = 64; a < 128 && a < int(m_memory.size()); ++a)
        m_memory[std::size_t(a)] = std::uint8_t(a * 7 + 3);
}

bool StationCore::chance(double p)
{
    if (p <= 0)
        return false;
    if (p >= 1)
        return true;
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_rng) < p;
}

QByteArray StationCore::receive(const QByteArray& bytes)
{
    QByteArray out;
    for (const Reply& r : answer(bytes))
        out.append(r.bytes);
    return out;
}

std::vector<StationCore::Reply> StationCore::answer(const QByteArray& bytes)
{
    std::vector<Reply> out;
    for (char c : bytes) {
        if (c != kCR) {
            if (m_buffer.size() < kMaxFrame)
                m_buffer.append(c);
            continue;
        }
        const QByteArray f = m_buffer;
        m_buffer.clear();
        if (f.size() < 2)
            continue;
        const QByteArray payload = f.left(f.size() - 1);
        if (frameChecksum(payload) != std::uint8_t(f.back()))
            continue; // a damaged request gets no answer
        ++m_frames;
        if (m_faults.hangAfter >= 0 && m_frames > m_faults.hangAfter) {
            // Pulled cable or power cut: the request never reaches the station.
            m_requests.push_back({std::uint8_t(payload[0]), -1, false});
            continue;
        }
        if (m_faults.ignoreLeave && std::uint8_t(payload[0]) == 0x06) {
            // Still in programming mode: the leave request is lost, whatever
            // came before it went through.
            m_requests.push_back({0x06, -1, false});
            continue;
        }
        QByteArray reply = handleFrame(payload);
        if (reply.isEmpty())
            continue;
        if (chance(m_faults.drop)) {
            m_requests.back().answered = false;
            continue;
        }
        QByteArray wire = frame(reply);
        if (chance(m_faults.corrupt)) {
            const int pos = std::uniform_int_distribution<int>(0, int(wire.size()) - 2)(m_rng);
            const int flip = std::uniform_int_distribution<int>(1, 255)(m_rng);
            wire[pos] = char(std::uint8_t(wire[pos]) ^ std::uint8_t(flip));
        }
        const Request& req = m_requests.back();
        const bool read = req.command == 0x04;
        if (read && req.address == m_faults.staleOnceAddress && !m_staleDone && !m_lastWire.isEmpty()) {
            m_staleDone = true;
            out.push_back({m_lastWire, m_delayMs}); // an echo of the previous answer comes first
            m_delayMs = 0;
        }
        out.push_back({wire, m_delayMs});
        if (read && req.address == m_faults.twiceOnceAddress && !m_twiceDone) {
            m_twiceDone = true;
            out.push_back({wire, 0});
        }
        m_lastWire = wire;
    }
    return out;
}

QByteArray StationCore::handleFrame(const QByteArray& p)
{
    const auto command = std::uint8_t(p[0]);
    int address = -1;
    if ((command == 0x04 && p.size() >= 5) || (command == 0x05 && p.size() >= 21)) {
        const auto lo = decodeHexByte(p[1], p[2]);
        const auto hi = decodeHexByte(p[3], p[4]);
        if (lo && hi)
            address = *lo + 256 * *hi;
    }
    m_requests.push_back({command, address, true});
    if (onRequest)
        onRequest(m_requests.back());
    m_delayMs = m_faults.replyDelayMs;
    if (m_faults.replyJitterMs > 0)
        m_delayMs += std::uniform_int_distribution<int>(0, m_faults.replyJitterMs)(m_rng);
    if (command == 0x04) {
        m_delayMs += m_faults.lateReadMs;
        if (address == m_faults.lateOnceAddress && !m_lateOnceDone) {
            m_lateOnceDone = true;
            m_delayMs += m_faults.lateOnceMs;
        }
    }
    const auto refuse = [this] {
        m_requests.back().answered = false;
        return QByteArray();
    };
    const int size = int(m_memory.size());
    QByteArray r(1, char(command | 0x80));
    switch (command) {
    case 0x01:
        ++m_hellos;
        if (m_faults.helloAfter <= 0 || m_hellos < m_faults.helloAfter)
            return refuse();
        return r;
    case 0x02:
        for (auto b : m_id.product)
            appendHexByte(r, b);
        appendHexByte(r, std::uint8_t(m_id.versionMinor));
        appendHexByte(r, std::uint8_t(m_id.versionMajor));
        return r;
    case 0x03:
        appendHexByte(r, std::uint8_t(m_id.memoryCode));
        appendHexByte(r, std::uint8_t(m_id.modemCode));
        return r;
    case 0x04: {
        if (address < 0 || address + 8 > size)
            return refuse();
        const bool bad = chance(m_faults.badReadback);
        const int badAt = std::uniform_int_distribution<int>(0, 7)(m_rng);
        for (int k = 0; k < 8; ++k) {
            auto b = m_memory[std::size_t(address + k)];
            if (bad && k == badAt)
                b = std::uint8_t(b ^ 0x5A);
            appendHexByte(r, b);
        }
        return r;
    }
    case 0x05: {
        // 64..127 are the station's own; the top of memory ends the chip.
        if (address < 0 || address + 8 > size || (address < 128 && address + 8 > 64))
            return refuse();
        std::array<std::uint8_t, 8> data{};
        for (int k = 0; k < 8; ++k) {
            const auto b = decodeHexByte(p[5 + 2 * k], p[6 + 2 * k]);
            if (!b)
                return refuse();
            data[std::size_t(k)] = *b;
        }
        if (!chance(m_faults.ignoreWrites)) {
            std::copy(data.begin(), data.end(), m_memory.begin() + address);
            if (onWrite)
                onWrite();
        }
        return r;
    }
    case 0x06:
        if (p.size() < 3 || std::uint8_t(p[1]) != 0xAA || std::uint8_t(p[2]) != 0x55)
            return refuse();
        m_hellos = 0;
        return r;
    default: return refuse();
    }
}

} // namespace torval
