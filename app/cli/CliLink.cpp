#include "CliLink.h"

#include "TerminalBusy.h"

#include "link/StationLink.h"
#include "platform/QtEventPump.h"
#include "platform/QtSerialLine.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"

namespace torval::cli {

struct CliLink::Parts {
    QtEventPump pump;
    std::unique_ptr<TerminalBusy> ownBusy; // made only when the caller brings none
    BusyIndicator* busy = nullptr;
    // The simulated station: a programmable station with the largest memory,
    // as empty as a new one.
    std::unique_ptr<StationCore> station;
    std::unique_ptr<SerialLine> line;
    std::unique_ptr<StationLink> link;
};

CliLink::CliLink(const QString& port, Prompts& prompts) : m_port(port), m_parts(std::make_unique<Parts>())
{
    m_parts->ownBusy = std::make_unique<TerminalBusy>();
    init(prompts, *m_parts->ownBusy);
}

CliLink::CliLink(const QString& port, Prompts& prompts, BusyIndicator& busy)
    : m_port(port), m_parts(std::make_unique<Parts>())
{
    init(prompts, busy);
}

void CliLink::init(Prompts& prompts, BusyIndicator& busy)
{
    Parts& p = *m_parts;
    const QString& port = m_port;
    p.busy = &busy;
    if (port.trimmed().compare(QLatin1String(kSimulatorPort), Qt::CaseInsensitive) == 0) {
        StationIdentity id;
        id.memoryCode = 9;
        p.station = std::make_unique<StationCore>(id);
        p.line = std::make_unique<VirtualSerialLine>(*p.station, p.pump);
    } else {
        p.line = std::make_unique<QtSerialLine>();
    }
    p.link = std::make_unique<StationLink>(*p.line, p.pump, prompts, busy);
}

CliLink::~CliLink()
{
    if (m_parts->link->isUp())
        deactivate();
}

bool CliLink::activate()
{
    const LinkState s = m_parts->link->activateLink(m_port);
    if (s == LinkState::ActiveWrongDevice) {
        // The identification message has been shown; nothing is transferred.
        deactivate();
        return false;
    }
    return s == LinkState::Active;
}

bool CliLink::deactivate()
{
    return m_parts->link->deactivateLink() == LinkState::Inactive;
}

StationLink& CliLink::link()
{
    return *m_parts->link;
}

BusyIndicator& CliLink::busy()
{
    return *m_parts->busy;
}

} // namespace torval::cli
