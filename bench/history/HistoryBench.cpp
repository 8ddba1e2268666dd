// The "Historie" window over 10,000 recorded writes: how long it takes to
// open (query, table, first record's changes, first paint) and to filter by a
// station name. Prints one line per measurement, the median of the runs.
//   bench_history [RUNS]

#include "history/HistoryStore.h"
#include "ui/HistoryWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace torval;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    constexpr int kRecords = 10000;
    {
        HistoryStore store(path);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < kRecords; ++i) {
            WriteRecord r;
            r.station = QStringLiteral("STANICE %1").arg(i % 500);
            r.product = QStringLiteral("TORVAL GSM");
            r.version = QStringLiteral("1.0");
            r.memorySize = 65472;
            r.port = QStringLiteral("/dev/ttyUSB%1").arg(i % 4);
            r.program = WriteProgram::Provision;
            r.before = QByteArray(2048, char(i));
            const auto id = store.begin(r);
            if (!id || !store.finish(*id, WriteResult::Written, QByteArray(2048, char(i + 1)))) {
                std::fprintf(stderr, "%s\n", qPrintable(store.error()));
                return 1;
            }
        }
        std::printf("filled %d records (2 x 2 KiB each) in %.1f s, one write each\n", kRecords, t.elapsed() / 1000.0);
    }
    std::vector<double> open, filter, clear;
    for (int run = 0; run < runs; ++run) {
        HistoryStore store(path);
        QElapsedTimer t;
        t.start();
        HistoryWindow window(store);
        window.reload();
        window.show();
        QApplication::processEvents();
        open.push_back(double(t.nsecsElapsed()) / 1e6);
        if (window.rowCount() != kRecords)
            return 1;

        auto* name = window.findChild<QLineEdit*>(QStringLiteral("historieFiltr"));
        name->setText(QStringLiteral("STANICE 42"));
        t.restart();
        window.reload();
        QApplication::processEvents();
        filter.push_back(double(t.nsecsElapsed()) / 1e6);
        if (window.rowCount() != kRecords / 500 * 11) // STANICE 42 and 420..429
            return 1;
        name->clear();
        t.restart();
        window.reload();
        QApplication::processEvents();
        clear.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("open (list of %d, first record shown, painted): %.0f ms\n", kRecords, median(open));
    std::printf("filter by station name:                        %.0f ms\n", median(filter));
    std::printf("filter cleared (all %d again):             %.0f ms\n", kRecords, median(clear));
    return 0;
}
