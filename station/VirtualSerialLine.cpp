#include "station/VirtualSerialLine.h"

#include "link/EventPump.h"

#include <algorithm>

namespace torval {

VirtualSerialLine::VirtualSerialLine(StationCore& station, EventPump& pump)
    : m_station(station), m_pump(pump), m_shared(std::make_shared<Shared>())
{ }

VirtualSerialLine::~VirtualSerialLine() = default;

bool VirtualSerialLine::open(const QString&)
{
    if (m_openFails)
        return false;
    m_shared->open = true;
    m_shared->input.clear();
    ++m_shared->generation;
    return true;
}

void VirtualSerialLine::close()
{
    m_shared->open = false;
    m_shared->input.clear();
    ++m_shared->generation;
}

bool VirtualSerialLine::isOpen() const
{
    return m_shared->open;
}

void VirtualSerialLine::setUnplugged(bool unplugged)
{
    m_unplugged = unplugged;
}

void VirtualSerialLine::inject(const QByteArray& bytes, int delayMs)
{
    // Deliveries hold the shared state weakly: a line destroyed or reopened
    // before its reply arrives simply never sees it.
    std::weak_ptr<Shared> weak = m_shared;
    const int generation = m_shared->generation;
    m_pump.post(delayMs, [weak, generation, bytes] {
        if (auto s = weak.lock(); s && s->open && s->generation == generation)
            s->input.append(bytes);
    });
}

bool VirtualSerialLine::write(std::span<const std::uint8_t> bytes)
{
    if (!m_shared->open || m_unplugged)
        return false;
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    m_sent.append(data);
    const qint64 nowUs = m_pump.elapsedMs() * 1000;
    const qint64 byteUs = m_baud > 0 ? 10'000'000 / m_baud : 0;
    // The request reaches the station only after its own wire time.
    const qint64 arrivedUs = nowUs + byteUs * data.size();
    for (const StationCore::Reply& r : m_station.answer(data)) {
        const qint64 startUs = std::max(arrivedUs, m_busyUntilUs) + qint64(r.delayMs) * 1000;
        if (byteUs == 0) {
            inject(r.bytes, int((startUs - nowUs) / 1000));
            m_busyUntilUs = startUs;
            continue;
        }
        for (qsizetype i = 0; i < r.bytes.size(); ++i) {
            const qint64 atUs = startUs + byteUs * (i + 1);
            inject(r.bytes.mid(i, 1), int((atUs - nowUs + 999) / 1000));
        }
        m_busyUntilUs = startUs + byteUs * r.bytes.size();
    }
    return true;
}

qint64 VirtualSerialLine::bytesAvailable() const
{
    return m_unplugged ? 0 : m_shared->input.size();
}

QByteArray VirtualSerialLine::read(qint64 maxBytes)
{
    if (m_unplugged || maxBytes <= 0)
        return {};
    const QByteArray out = m_shared->input.left(maxBytes);
    m_shared->input.remove(0, out.size());
    return out;
}

bool VirtualSerialLine::hasFailed() const
{
    return m_unplugged;
}

QString VirtualSerialLine::errorText() const
{
    if (m_unplugged)
        return QStringLiteral("unplugged");
    // Like a missing device: a refused opening says why.
    return m_openFails && !m_shared->open ? QStringLiteral("port not available") : QString();
}

} // namespace torval
