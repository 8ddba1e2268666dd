#include "CliLink.h"

#include "TerminalBusy.h"

#include "link/LinkMessages.h"
#include "link/StationLink.h"
#include "platform/PortLine.h"
#include "platform/QtEventPump.h"
#include "station/StationCore.h"
#include "station/VirtualSerialLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace torval::cli {

namespace {

// The deactivation question has no place on the command line: the program
// ends in any case. The question is answered here (leave programming mode
// behind and close the port) and its failure remembered, so that no answer
// given on the terminal or by --force decides about the station.
class LeavingPrompts final : public Prompts {
public:
    explicit LeavingPrompts(Prompts& inner) : m_inner(inner) { }
    void message(const QString& text, Icon icon) override
    {
        // "Nelze otevřít port X." alone leaves the technician guessing.
        if (line && text.startsWith(linkmsg::text(linkmsg::kCannotOpenPort).section(QStringLiteral("%1"), 0, 0))
            && !line->isOpen()) {
            const QString reason = portOpenReason(*line);
            m_inner.message(reason.isEmpty() ? text : text + QLatin1Char(' ') + reason, icon);
            return;
        }
        m_inner.message(text, icon);
    }
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
    const SerialLine* line = nullptr;

private:
    Prompts& m_inner;
};

// The caller's busy indicator, which also reports Storno once the hello has
// gone unanswered for the given time: the link's activation loop ends only
// on Storno.
class DeadlineBusy final : public BusyIndicator {
public:
    explicit DeadlineBusy(BusyIndicator& inner) : m_inner(inner) { }
    void showBusy(const QString& text, bool withStorno) override { m_inner.showBusy(text, withStorno); }
    void setBusyText(const QString& text) override { m_inner.setBusyText(text); }
    void setProgress(int done, int total) override { m_inner.setProgress(done, total); }
    void hideBusy() override { m_inner.hideBusy(); }
    bool cancelRequested() const override
    {
        if (m_inner.cancelRequested())
            return true;
        if (m_limitMs > 0 && m_clock.isValid() && m_clock.elapsed() >= m_limitMs) {
            m_expired = true;
            return true;
        }
        return false;
    }
    void arm(int seconds)
    {
        m_limitMs = qint64(seconds) * 1000;
        m_expired = false;
        m_clock.start();
    }
    void disarm() { m_limitMs = 0; }
    [[nodiscard]] bool expired() const { return m_expired; }

private:
    BusyIndicator& m_inner;
    qint64 m_limitMs = 0;
    QElapsedTimer m_clock;
    mutable bool m_expired = false;
};

// The first two sentences of the deactivation question, as a report.
constexpr const char* kStillInProgrammingMode = QT_TRANSLATE_NOOP(
    "CliLink", "Při deaktivaci spojení došlo k chybě. Zařízení je zřejmě stále v programovacím módu.");

} // namespace

QString portOpenReason(const SerialLine& line)
{
    QString reason = line.errorText().trimmed();
    if (reason.isEmpty())
        return {};
    reason = QStringLiteral("(%1)").arg(reason);
    const auto* serial = dynamic_cast<const PortLine*>(&line);
    if (serial && serial->permissionDenied())
        reason += QCoreApplication::translate("CliLink",
                                              " Uživatel nemá právo port otevřít: přidejte ho do skupiny dialout "
                                              "(sudo usermod -aG dialout $USER) a znovu se přihlaste.");
    return reason;
}

struct CliLink::Parts {
    explicit Parts(Prompts& prompts) : prompts(prompts), leaving(prompts) { }
    Prompts& prompts;
    LeavingPrompts leaving;
    QtEventPump pump;
    std::unique_ptr<TerminalBusy> ownBusy; // made only when the caller brings none
    std::unique_ptr<DeadlineBusy> busy;
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
    p.busy = std::make_unique<DeadlineBusy>(busy);
    if (port.trimmed().compare(QLatin1String(kSimulatorPort), Qt::CaseInsensitive) == 0) {
        StationIdentity id;
        id.memoryCode = 9;
        p.station = std::make_unique<StationCore>(id);
        p.line = std::make_unique<VirtualSerialLine>(*p.station, p.pump);
    } else {
        p.line = std::make_unique<PortLine>();
    }
    p.leaving.line = p.line.get();
    p.link = std::make_unique<StationLink>(*p.line, p.pump, p.leaving, *p.busy);
}

CliLink::~CliLink()
{
    if (m_parts->link->isUp())
        (void)deactivate();
}

LinkState CliLink::activateAny()
{
    Parts& p = *m_parts;
    if (m_helloTimeoutSeconds > 0)
        p.busy->arm(m_helloTimeoutSeconds);
    const LinkState s = p.link->activateLink(m_port);
    p.busy->disarm();
    m_timedOut = s == LinkState::Inactive && p.busy->expired();
    if (m_timedOut)
        p.prompts.message(QCoreApplication::translate("CliLink", "Stanice na portu %1 neodpověděla do %2 s.")
                              .arg(m_port)
                              .arg(m_helloTimeoutSeconds),
                          Icon::Error);
    return s;
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
        p.prompts.message(QCoreApplication::translate("CliLink", kStillInProgrammingMode), Icon::Error);
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

bool CliLink::lineLost() const
{
    return m_parts->line->hasFailed();
}

} // namespace torval::cli
