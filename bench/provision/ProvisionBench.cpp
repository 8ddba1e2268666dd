// Series programming on one cable against several: torval-cli provision with
// 8 rows of a 2,048-byte configuration, once on one torval-station and once
// on four, every station paced at 19,200 baud like the real cable. Reports
// the wall time of both runs and checks that every row was programmed
// exactly once and that each station ends holding exactly the settings of
// the last row it was given.
// Usage: bench_provision [--cli PATH] [--station PATH] [--rows N] [--ports N] [--baud N]
//                        [--memory-code N] [--programmed yes]

#include "model/ConfigJson.h"
#include "model/EepromImage.h"
#include "model/ImageDecoder.h"
#include "model/ImageEncoder.h"
#include "model/SettingsDiff.h"
#include "model/SettingsSize.h"
#include "provisioning/Provisioner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

using namespace torval;

namespace {

// The same configuration as the link benchmark: every name and state text
// filled a character at a time until the settings reach 2,048 bytes.
DeviceConfig twoKiB()
{
    DeviceConfig c;
    std::vector<QString*> texts;
    for (auto* list : {&c.tabINPNazev, &c.tabINPZap, &c.tabINPVyp, &c.tabINPLH, &c.tabINPHL, &c.tabAINNazev,
                       &c.tabAINStateL, &c.tabAINStateM, &c.tabAINStateH})
        for (auto& t : *list)
            texts.push_back(&t);
    for (std::size_t i = 0; settingsSize(c) < 2048; i = (i + 1) % texts.size())
        texts[i]->append(QChar(u'A' + int(i % 26)));
    return c;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

struct Station {
    QProcess process;
    QString port;
    Station(const QString& program, const QStringList& args)
    {
        process.start(program, args);
        if (process.waitForStarted(5000) && process.waitForReadyRead(5000))
            port = QString::fromUtf8(process.readLine()).trimmed();
    }
    ~Station()
    {
        process.terminate();
        process.waitForFinished(3000);
    }
};

struct Outcome {
    double seconds = 0;
    bool ok = false;
    QString problem;
};

// Memory code 5: 4 KiB, the smallest station a 2 KiB configuration fits;
// 9 (64 KiB) measures what the backup of a large station costs.
QString g_memoryCode = QStringLiteral("5");
QString g_initialImage; // a station that already holds settings

Outcome runWith(int ports, const QString& cli, const QString& stationProgram, const QString& baud,
                const QTemporaryDir& dir, const StationTable& table)
{
    Outcome o;
    const QString tag = QStringLiteral("%1-port").arg(ports);
    std::vector<std::unique_ptr<Station>> stations;
    QMap<QString, QString> saveOf; // port -> the file its station keeps its memory in
    QStringList args{QStringLiteral("provision")};
    for (int k = 0; k < ports; ++k) {
        const QString save = dir.filePath(QStringLiteral("%1-%2.eep").arg(tag).arg(k));
        QStringList stationArgs{QStringLiteral("--baud"), baud, QStringLiteral("--memory-code"), g_memoryCode,
                                QStringLiteral("--save"), save};
        if (!g_initialImage.isEmpty())
            stationArgs << QStringLiteral("--image") << g_initialImage;
        stations.push_back(std::make_unique<Station>(stationProgram, stationArgs));
        if (stations.back()->port.isEmpty()) {
            o.problem = QStringLiteral("torval-station did not start");
            return o;
        }
        saveOf[stations.back()->port] = save;
        args << QStringLiteral("--port") << stations.back()->port;
    }
    const QString log = dir.filePath(tag + QStringLiteral(".csv"));
    args << QStringLiteral("--template") << dir.filePath(QStringLiteral("template.json"))
         << QStringLiteral("--stations") << dir.filePath(QStringLiteral("stations.csv")) << QStringLiteral("--log")
         << log << QStringLiteral("--backups") << dir.filePath(tag + QStringLiteral("-backups"));

    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(dir.filePath(tag + QStringLiteral(".out")));
    p.setStandardErrorFile(dir.filePath(tag + QStringLiteral(".err")));
    QElapsedTimer clock;
    clock.start();
    p.start(cli, args);
    if (!p.waitForFinished(30 * 60 * 1000) || p.exitCode() != 0) {
        o.problem = QStringLiteral("torval-cli failed, see %1.out/.err").arg(tag);
        return o;
    }
    o.seconds = double(clock.nsecsElapsed()) / 1e9;

    // Every row exactly once in the log; the last row on each port is what
    // its station holds, setting for setting.
    QFile f(log);
    if (!f.open(QIODevice::ReadOnly)) {
        o.problem = QStringLiteral("no log");
        return o;
    }
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1);
    QMap<int, int> times;
    QMap<QString, int> lastLineOnPort;
    for (const QString& l : lines) {
        const QStringList cells = l.split(QLatin1Char(','));
        if (cells.size() != 8 || cells[4] != QStringLiteral("naprogramováno")) {
            o.problem = QStringLiteral("log line: ") + l;
            return o;
        }
        ++times[cells[0].toInt()];
        lastLineOnPort[cells[7]] = cells[0].toInt();
    }
    for (const StationRow& row : table.rows)
        if (times.value(row.line) != 1) {
            o.problem = QStringLiteral("row on line %1 programmed %2 times").arg(row.line).arg(times.value(row.line));
            return o;
        }
    for (auto it = lastLineOnPort.begin(); it != lastLineOnPort.end(); ++it) {
        const DeviceConfig* expected = nullptr;
        for (const StationRow& row : table.rows)
            if (row.line == it.value())
                expected = &row.config;
        QFile saved(saveOf.value(it.key()));
        auto image = std::make_unique<EepromImage>();
        if (!expected || !saved.open(QIODevice::ReadOnly)) {
            o.problem = QStringLiteral("no memory of the station on ") + it.key();
            return o;
        }
        const QByteArray bytes = saved.readAll();
        std::copy(bytes.begin(), bytes.begin() + std::min<qsizetype>(bytes.size(), EepromImage::kSize),
                  image->bytes().begin());
        const DecodeResult now = decodeImage(*image, DeviceConfig{});
        const auto differences = diffConfigs(now.config, *expected);
        if (!now.complete || !differences.empty()) {
            o.problem = QStringLiteral("the station on %1 does not hold row %2 (%3 differences)")
                            .arg(it.key())
                            .arg(it.value())
                            .arg(differences.size());
            return o;
        }
    }
    o.ok = true;
    return o;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString here = QCoreApplication::applicationDirPath();
    QString cli = here + QStringLiteral("/../app/torval-cli");
    QString station = here + QStringLiteral("/../app/torval-station");
    int rows = 8, ports = 4;
    QString baud = QStringLiteral("19200");
    const QStringList a = app.arguments();
    for (int i = 1; i + 1 < a.size(); i += 2) {
        if (a[i] == QLatin1String("--cli"))
            cli = a[i + 1];
        else if (a[i] == QLatin1String("--station"))
            station = a[i + 1];
        else if (a[i] == QLatin1String("--rows"))
            rows = a[i + 1].toInt();
        else if (a[i] == QLatin1String("--ports"))
            ports = a[i + 1].toInt();
        else if (a[i] == QLatin1String("--baud"))
            baud = a[i + 1];
        else if (a[i] == QLatin1String("--memory-code"))
            g_memoryCode = a[i + 1];
        else if (a[i] == QLatin1String("--programmed"))
            g_initialImage = a[i + 1] == QLatin1String("yes") ? QStringLiteral("programmed") : QString();
    }

    QTemporaryDir dir;
    const DeviceConfig templ = twoKiB();
    QByteArray csv = "tabJmenoStanice,tabPIN,tabTC[0]\n";
    for (int k = 1; k <= rows; ++k)
        csv +=
            QStringLiteral("Stanice %1,%2,+42060100%3\n").arg(k).arg(1000 + k).arg(k, 4, 10, QLatin1Char('0')).toUtf8();
    if (!writeFile(dir.filePath(QStringLiteral("template.json")), QJsonDocument(configToJson(templ)).toJson())
        || !writeFile(dir.filePath(QStringLiteral("stations.csv")), csv)) {
        std::fprintf(stderr, "cannot write the input files\n");
        return 1;
    }
    if (!g_initialImage.isEmpty()) {
        // Another station's settings of the same size: the backup reads the
        // used part, the write replaces it.
        DeviceConfig other = templ;
        other.tabJmenoStanice = QStringLiteral("JINA");
        auto img = std::make_unique<EepromImage>();
        g_initialImage = dir.filePath(QStringLiteral("programmed.eep"));
        if (encodeImage(other, *img) != EncodeError::None
            || !writeFile(g_initialImage,
                          QByteArray(reinterpret_cast<const char*>(img->bytes().data()), settingsSize(other) - 1))) {
            std::fprintf(stderr, "cannot write the programmed image\n");
            return 1;
        }
    }
    const StationTable table = readStationTable(csv, templ);
    if (int(table.rows.size()) != rows) {
        std::fprintf(stderr, "the table has %d valid rows of %d\n", int(table.rows.size()), rows);
        return 1;
    }
    std::printf("%d rows, settings %d bytes, stations at %s baud\n", rows, settingsSize(templ), qPrintable(baud));

    const Outcome one = runWith(1, cli, station, baud, dir, table);
    std::printf("1 port:  %.1f s  %s\n", one.seconds,
                one.ok ? "every row once, each station holds its row" : qPrintable(one.problem));
    std::fflush(stdout);
    if (ports <= 1)
        return one.ok ? 0 : 1;
    const Outcome many = runWith(ports, cli, station, baud, dir, table);
    std::printf("%d ports: %.1f s  %s\n", ports, many.seconds,
                many.ok ? "every row once, each station holds its row" : qPrintable(many.problem));
    if (one.ok && many.ok)
        std::printf("%d ports / 1 port = %.3f (target <= 0.3)\n", ports, many.seconds / one.seconds);
    if (!one.ok || !many.ok) {
        dir.setAutoRemove(false);
        std::fprintf(stderr, "files kept in %s\n", qPrintable(dir.path()));
    }
    return one.ok && many.ok ? 0 : 1;
}
