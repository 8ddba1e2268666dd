#include "CliLink.h"

#include "TerminalBusy.h"

#include "link/LinkMessages.h"
#include "link/StationLink.h"
#include "platform/QtEventPump.h"
#include "platform/QtSerialLine.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"

namespace torval::cli {

namespace {

// The deactivation question has no place on the command line: the program
// ends in any case. The question is answered here (leave programming mode
// behind and close the port) and its failure remembered, so that no answer
// given on the terminal or by --force decides about the station.
class LeavingPrompts final : public Prompts {
public:
    explicit LeavingPrompts(Prompts& inner) : m_inner(inner) {}
    void message(const QString& text, Icon icon) override { m_inner.message(text, icon); }
    Answer question(const QString& text, Icon icon, Buttons buttons) override
    {
        if (leaving && text == linkmsg::text(linkmsg::kDeactivationFailed)) {
            leaveFailed = true;
            return Answer::Yes;
        }
        return m_inner.question(text, icon, buttons);
    }
    std::optional<QString> openFileName() override { return m_inner.openFileName(); }
    std::optional<QString> saveFileName() override { return m_inner.saveFileName(); }

    bool leaving = false;
    bool leaveFailed = false;

private:
    Prompts& m_inner;
};

// The first two sentences of the deactivation question, as a report.
constexpr const char* kStillInProgrammingMode =
    "Při deaktivaci spojení došlo k chybě. Zařízení je zřejmě stále v programovacím módu.";

} // namespace

struct CliLink::Parts {
    explicit Parts(Prompts& prompts) : prompts(prompts), leaving(prompts) {}
    Prompts& prompts;
    LeavingPrompts leaving;
    QtEventPump pump;
    std::unique_ptr<TerminalBusy> ownBusy; // made only when the caller brings none
    BusyIndicator* busy = nullptr;
    // The simulated station: a programmable station with the largest memory,
    // as empty as a new one.
    std::unique_ptr<StationCore> station;
    std::unique_ptr<SerialLine> line;
    std::unique_ptr<StationLink> link;
};

CliLink::CliLink(const QString& port, Prompts& prompts) : m_port(port), m_parts(std::make_unique<Parts>(prompts))
{
    m_parts->ownBusy = std::make_unique<TerminalBusy>();
    init(*m_parts->ownBusy);
}

CliLink::CliLink(const QString& port, Prompts& prompts, BusyIndicator& busy)
    : m_port(port), m_parts(std::make_unique<Parts>(prompts))
{
    init(busy);
}

void CliLink::init(BusyIndicator& busy)
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
    p.link = std::make_unique<StationLink>(*p.line, p.pump, p.leaving, busy);
}

CliLink::~CliLink()
{
    if (m_parts->link->isUp())
        (void)deactivate();
}

LinkState CliLink::activateAny()
{
    return m_parts->link->activateLink(m_port);
}

bool CliLink::activate()
{
    const LinkState s = activateAny();
    if (s == LinkState::ActiveWrongDevice) {
        // The identification message has been shown; nothing is transferred.
        (void)deactivate();
        return false;
    }
    return s == LinkState::Active;
}

bool CliLink::deactivate()
{
    Parts& p = *m_parts;
    p.leaving.leaving = true;
    p.leaving.leaveFailed = false;
    const LinkState s = p.link->deactivateLink();
    p.leaving.leaving = false;
    if (p.leaving.leaveFailed) {
        p.prompts.message(QString::fromUtf8(kStillInProgrammingMode), Icon::Error);
        return false;
    }
    return s == LinkState::Inactive;
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
