#include "provisioning/ProvisionPorts.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace torval {

QString portPrefixed(const QString& port, const QString& text, bool severalPorts)
{
    if (!severalPorts)
        return text;
    const QString prefix = QLatin1Char('[') + port + QStringLiteral("] ");
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& l : lines)
        l.prepend(prefix);
    return lines.join(QLatin1Char('\n'));
}

namespace {

// The state the ports share. Everything but `stop` is guarded by `mutex`.
class Run {
public:
    Run(const StationTable& table, const QStringList& ports, const ProvisionSettings& settings)
        : m_table(table), m_ports(ports), m_settings(settings), m_several(ports.size() > 1)
    {
        for (const QString& p : ports) {
            PortSummary summary;
            summary.port = p;
            m_summary.ports.push_back(summary);
        }
        for (std::size_t k = 0; k < table.rows.size(); ++k)
            m_pending.push_back(k);
    }

    // Invalid rows, reported and logged before any station is touched.
    // False when they end the run (stopOnError).
    bool reportInvalidRows()
    {
        for (const RowProblem& p : m_table.problems)
            m_settings.say(p.message);
        const std::vector<StationResult> invalid = invalidRowResults(m_table);
        m_summary.invalid = int(invalid.size());
        if (m_summary.invalid > 0 && m_settings.stopOnError) {
            m_summary.stopped = true;
            return false;
        }
        // A log found unusable only after the first stations would leave
        // them programmed without a record.
        if (!m_settings.logPath.isEmpty()) {
            if (const auto why = prepareLog(m_settings.logPath)) {
                m_settings.say(logUnusableMessage(m_settings.logPath, *why));
                m_summary.logFailed = true;
                return false;
            }
        }
        for (const StationResult& r : invalid)
            log(r);
        return !m_summary.logFailed;
    }

    ProvisionSummary runPorts(const PortSessionFactory& makeSession, const std::function<bool()>& interrupted)
    {
        std::vector<std::unique_ptr<QThread>> threads;
        m_running = int(m_ports.size());
        for (std::size_t k = 0; k < std::size_t(m_ports.size()); ++k) {
            threads.emplace_back(QThread::create([this, k, &makeSession] { work(k, makeSession); }));
            threads.back()->start();
        }
        {
            std::unique_lock lock(m_mutex);
            while (m_running > 0) {
                // Ctrl+C arrives as a flag the signal handler sets; it is
                // looked at here, on the one thread that may clear nothing.
                m_changed.wait_for(lock, std::chrono::milliseconds(50));
                if (!m_stop && interrupted && interrupted()) {
                    m_stop = true;
                    m_summary.cancelled = true;
                    m_changed.notify_all();
                }
            }
        }
        for (auto& t : threads)
            t->wait();
        if (!m_pending.empty() && !m_stop && !m_halted) {
            QStringList lines;
            for (std::size_t k : m_pending)
                lines << QString::number(m_table.rows[k].line);
            m_settings.say(QCoreApplication::translate("ProvisionPorts",
                                                       "Nezbyl žádný použitelný port; nenaprogramované řádky: %1.")
                               .arg(lines.join(QStringLiteral(", "))));
        }
        m_summary.skipped = int(m_table.rows.size()) - m_summary.programmed - m_summary.failed - m_summary.unchecked;
        return std::move(m_summary);
    }

    ProvisionSummary takeSummary() { return std::move(m_summary); }

private:
    // Under the mutex. The log line, the line on the terminal and the counts
    // of one finished station go together, so the log is in the order the
    // stations finished and never has two lines mixed.
    void log(const StationResult& r)
    {
        m_summary.results.push_back(r);
        if (!m_settings.logPath.isEmpty() && !m_summary.logFailed && !appendLog(m_settings.logPath, r)) {
            m_settings.say(QCoreApplication::translate("ProvisionPorts", "Do protokolu '%1' nelze zapisovat.")
                               .arg(m_settings.logPath));
            // A run whose log cannot be written has no record of what it
            // did: no new station is started.
            m_summary.logFailed = true;
            m_halted = true;
        }
    }

    void record(const StationResult& r, PortSummary& port, const std::function<void(const QString&)>& say)
    {
        log(r);
        const QString head = QCoreApplication::translate("ProvisionPorts", "Řádek %1 ('%2'): %3")
                                 .arg(QString::number(r.line), r.name, outcomeText(r.outcome));
        say(r.message.isEmpty() ? head : head + QStringLiteral(" - ") + r.message);
        const bool goOn = countResult(m_summary, r, m_settings.stopOnError);
        switch (r.outcome) {
        case StationOutcome::Programmed:
        case StationOutcome::PdfFailed: ++port.programmed; break;
        case StationOutcome::Cancelled: ++port.skipped; break;
        case StationOutcome::Unchecked: ++port.unchecked; break;
        default: ++port.failed; break;
        }
        if (!goOn && m_summary.cancelled)
            m_stop = true; // Storno on one port is Storno for the run
        else if (!goOn)
            m_halted = true;
    }

    // One port's thread: its own session (serial port, pump, link) and its
    // own copy of the settings, taking rows until none is left for it.
    void work(std::size_t index, const PortSessionFactory& makeSession)
    {
        const QString port = m_ports[qsizetype(index)];
        ProvisionSettings settings = m_settings;
        settings.port = port;
        settings.say = [say = m_settings.say, port, several = m_several](const QString& line) {
            say(portPrefixed(port, line, several));
        };
        PortSummary& summary = m_summary.ports[index];
        auto retire = [&](const QString& why) { // under the mutex
            summary.retired = why;
            settings.say(why);
            m_changed.notify_all();
        };

        std::unique_ptr<PortSession> session = makeSession(port, m_stop);
        QString error;
        if (!session->portOpens(error)) {
            std::lock_guard lock(m_mutex);
            retire(QCoreApplication::translate("ProvisionPorts",
                                               "Port '%1' nelze otevřít (%2); je vyřazen z programování.")
                       .arg(port, error));
            --m_running;
            return;
        }
        Provisioner provisioner(session->link(), session->prompts(), session->busy(), settings);
        int failuresInRow = 0;
        for (;;) {
            std::size_t row = 0;
            {
                // With nothing queued, a port waits while another still has
                // a row in hand: that row comes back if its port fails to open.
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_stop || m_halted || !m_pending.empty() || m_inHand == 0; });
                if (m_stop || m_halted || m_pending.empty())
                    break;
                row = m_pending.front();
                m_pending.pop_front();
                ++m_inHand;
            }
            StationResult r = provisioner.programStation(m_table.rows[row]);
            // A device that went away shows as a Storno nobody gave, or as a
            // failure on a line that no longer works or opens.
            const bool lost = session->lineLost();
            if (lost && r.outcome == StationOutcome::Cancelled && !m_stop) {
                r.outcome = StationOutcome::Failed;
                r.message = QCoreApplication::translate("ProvisionPorts", "Zařízení portu '%1' zmizelo.").arg(port);
            }
            const bool failed = r.outcome == StationOutcome::Failed;
            // Never identified: the station was not touched, and the row is
            // another port's to do.
            const bool untouched = failed && r.product.isEmpty();
            // Why the port is of no more use: its device went away, or it no
            // longer opens; neither while it serves.
            const bool vanished = failed && lost;
            const bool closed = !vanished && untouched && !session->portOpens(error);
            std::lock_guard lock(m_mutex);
            --m_inHand;
            if ((vanished || closed) && untouched) {
                m_pending.push_front(row);
                const int line = m_table.rows[row].line;
                retire(vanished ? QCoreApplication::translate("ProvisionPorts",
                                                              "Zařízení portu '%1' zmizelo; port je vyřazen z "
                                                              "programování, řádek %2 převezme jiný port.")
                                      .arg(port)
                                      .arg(line)
                                : QCoreApplication::translate("ProvisionPorts",
                                                              "Port '%1' nelze otevřít (%2); je vyřazen z "
                                                              "programování, řádek %3 převezme jiný port.")
                                      .arg(port, error)
                                      .arg(line));
                break;
            }
            record(r, summary, settings.say);
            m_changed.notify_all();
            if (vanished || closed) {
                retire(vanished ? QCoreApplication::translate("ProvisionPorts",
                                                              "Zařízení portu '%1' zmizelo; port je vyřazen z "
                                                              "programování.")
                                      .arg(port)
                                : QCoreApplication::translate("ProvisionPorts",
                                                              "Port '%1' nelze otevřít (%2); je vyřazen z "
                                                              "programování.")
                                      .arg(port, error));
                break;
            }
            if (r.outcome == StationOutcome::Cancelled || r.outcome == StationOutcome::Unchecked)
                break;
            failuresInRow = r.outcome == StationOutcome::Failed ? failuresInRow + 1 : 0;
            if (failuresInRow >= kFailuresBeforePortIsRetired) {
                retire(QCoreApplication::translate(
                           "ProvisionPorts",
                           "Stanice na portu '%1' selhaly %2krát za sebou; port je vyřazen z programování.")
                           .arg(port)
                           .arg(failuresInRow));
                break;
            }
        }
        // The session is destroyed here, on the thread its port belongs to.
        session.reset();
        std::lock_guard lock(m_mutex);
        --m_running;
        m_changed.notify_all();
    }

    const StationTable& m_table;
    const QStringList m_ports;
    const ProvisionSettings m_settings;
    const bool m_several;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::size_t> m_pending; // indexes into m_table.rows, in table order
    int m_inHand = 0;                  // rows a port has taken and not yet finished
    int m_running = 0;                 // port threads still working
    bool m_halted = false;             // stopOnError or the log: no new row is started
    std::atomic<bool> m_stop{false};   // Ctrl+C: every port ends after its current block
    ProvisionSummary m_summary;
};

} // namespace

ProvisionSummary provisionOnPorts(const StationTable& table, const QStringList& ports,
                                  const ProvisionSettings& settings, const PortSessionFactory& makeSession,
                                  const std::function<bool()>& interrupted)
{
    Run run(table, ports, settings);
    if (!run.reportInvalidRows()) {
        ProvisionSummary s = run.takeSummary();
        s.skipped = int(table.rows.size());
        return s;
    }
    return run.runPorts(makeSession, interrupted);
}

} // namespace torval
