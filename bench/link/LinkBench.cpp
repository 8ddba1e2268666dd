// The link against torval-station on a pseudo-terminal, through the same
// QSerialPort line and Qt event pump as the programs:
//  1. unpaced: a full read of a 65,472-byte station and a verified write of
//     a 2,048-byte configuration, host time per exchange;
//  2. paced at 19,200 baud: the same write, elapsed time against the wire
//     time of the bytes exchanged, and the CPU time of this (the PC) side;
//  3. the quick read against the full read of that station;
//  4. paced at 19,200 baud: a full read of a 1,984-byte station on a clean
//     line, and of the same station answering every block read 150 ms late;
//  5. paced at 19,200 baud: the quick read of that station, the window's
//     load of an empty 65,472-byte station (known from its header), and the
//     time to give up on a station that stops answering.
// Usage: bench_link [--station PATH-TO-torval-station] [--repeat N] [--only 1,2,3,4,5]

#include "interact/Prompts.h"
#include "link/StationLink.h"
#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "model/SettingsSize.h"
#include "platform/QtEventPump.h"
#include "platform/QtSerialLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <memory>

using namespace torval;

namespace {

class QuietPrompts final : public Prompts {
public:
    void message(const QString& text, Icon icon) override
    {
        if (icon == Icon::Error || icon == Icon::Warning)
            std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
    Answer question(const QString&, Icon, Buttons) override { return Answer::Yes; }
    std::optional<QString> openFileName() override { return std::nullopt; }
    std::optional<QString> saveFileName() override { return std::nullopt; }
};

class QuietBusy final : public BusyIndicator {
public:
    void showBusy(const QString&, bool) override { }
    void setBusyText(const QString&) override { }
    void setProgress(int, int) override { }
    void hideBusy() override { }
    bool cancelRequested() const override { return false; }
};

// Counts what crosses the line: frames sent and bytes both ways.
class CountingLine final : public SerialLine {
public:
    bool open(const QString& name) override { return m_line.open(name); }
    void close() override { m_line.close(); }
    bool isOpen() const override { return m_line.isOpen(); }
    bool write(std::span<const std::uint8_t> bytes) override
    {
        ++frames;
        bytesOut += qint64(bytes.size());
        return m_line.write(bytes);
    }
    qint64 bytesAvailable() const override { return m_line.bytesAvailable(); }
    QByteArray read(qint64 maxBytes) override
    {
        QByteArray b = m_line.read(maxBytes);
        bytesIn += b.size();
        return b;
    }
    bool hasFailed() const override { return m_line.hasFailed(); }
    QString errorText() const override { return m_line.errorText(); }
    void reset() { frames = bytesOut = bytesIn = 0; }

    qint64 frames = 0, bytesOut = 0, bytesIn = 0;

private:
    QtSerialLine m_line;
};

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A configuration of about 2,048 bytes: every name and state text filled a
// character at a time until the settings reach the size.
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

struct Run {
    double seconds = 0;
    double cpu = 0;
    qint64 frames = 0;
    qint64 wireBytes = 0;
    bool ok = false;
};

template <typename Fn>
Run measure(const QString& program, const QStringList& args, Fn&& transfer)
{
    Run r;
    Station station(program, args);
    if (station.port.isEmpty()) {
        std::fprintf(stderr, "torval-station did not start\n");
        return r;
    }
    QtEventPump pump;
    CountingLine line;
    QuietPrompts prompts;
    QuietBusy busy;
    StationLink link(line, pump, prompts, busy);
    if (link.activateLink(station.port) != LinkState::Active)
        return r;
    line.reset();
    QElapsedTimer t;
    const double cpu0 = cpuSeconds();
    t.start();
    r.ok = transfer(link);
    r.seconds = double(t.nsecsElapsed()) / 1e9;
    r.cpu = cpuSeconds() - cpu0;
    r.frames = line.frames;
    r.wireBytes = line.bytesOut + line.bytesIn;
    (void)link.deactivateLink();
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString program = QStringLiteral(TORVAL_STATION_PROGRAM);
    int repeat = 3;
    QStringList only{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                     QStringLiteral("5")};
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--station"))
            program = args[++i];
        else if (args[i] == QLatin1String("--repeat"))
            repeat = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--only"))
            only = args[++i].split(QLatin1Char(','));
    }

    QTemporaryDir dir;
    const DeviceConfig config = twoKiB();
    const int size = settingsSize(config);
    auto image = std::make_unique<EepromImage>();
    if (encodeImage(config, *image) != EncodeError::None)
        return 1;
    const QString stationImage = dir.filePath(QStringLiteral("station.eep"));
    {
        QFile f(stationImage);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(reinterpret_cast<const char*>(image->bytes().data()), size - 1);
    }
    const QStringList big{QStringLiteral("--memory-code"), QStringLiteral("9")};
    const QStringList programmed = QStringList(big) << QStringLiteral("--image") << stationImage;
    // A 1,984-byte station holding a smaller configuration.
    DeviceConfig smallConfig;
    smallConfig.tabJmenoStanice = QStringLiteral("CERPADLO 1");
    for (int i = 0; i < 8; ++i)
        smallConfig.tabINPNazev[std::size_t(i)] = QStringLiteral("VSTUP%1").arg(i + 1);
    const QString smallImage = dir.filePath(QStringLiteral("small.eep"));
    {
        auto img = std::make_unique<EepromImage>();
        if (encodeImage(smallConfig, *img) != EncodeError::None)
            return 1;
        QFile f(smallImage);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(reinterpret_cast<const char*>(img->bytes().data()), settingsSize(smallConfig) - 1);
    }
    const QStringList small{QStringLiteral("--memory-code"), QStringLiteral("4"),
                            QStringLiteral("--image"),       smallImage,
                            QStringLiteral("--baud"),        QStringLiteral("19200")};
    const auto write = [&](StationLink& link) {
        auto img = std::make_unique<EepromImage>(*image);
        return link.writeEeprom(*img, size, true) == TransferOutcome::Completed;
    };
    const auto read = [&](bool quick) {
        return [quick](StationLink& link) {
            auto img = std::make_unique<EepromImage>();
            link.setReadUsedOnly(quick);
            return link.readEeprom(*img) == TransferOutcome::Completed && imageHeaderValid(*img);
        };
    };
    const auto report = [](const char* what, const Run& r) {
        std::printf("%-44s %s %8.3f s  %6lld exchanges  %7.4f ms/exchange  cpu %6.3f s (%5.1f %%)\n", what,
                    r.ok ? "ok  " : "FAIL", r.seconds, static_cast<long long>(r.frames),
                    r.frames ? r.seconds * 1e3 / double(r.frames) : 0.0, r.cpu,
                    r.seconds > 0 ? 100.0 * r.cpu / r.seconds : 0.0);
    };

    // Elapsed time against the time the bytes exchanged take on the wire.
    const auto reportWire = [](const Run& r) {
        const double wire = double(r.wireBytes) * 10.0 / 19200.0;
        std::printf("   wire time of %lld bytes %.3f s, elapsed / wire %.3f\n", static_cast<long long>(r.wireBytes),
                    wire, r.seconds / wire);
    };

    std::printf("configuration: %d bytes of settings\n", size);
    for (int n = 0; n < repeat; ++n) {
        std::printf("-- run %d\n", n + 1);
        if (only.contains(QStringLiteral("1"))) {
            report("1. full read, 65,472 bytes, unpaced", measure(program, programmed, read(false)));
            report("1. verified write, unpaced", measure(program, big, write));
        }
        if (only.contains(QStringLiteral("2"))) {
            const Run paced =
                measure(program, QStringList(big) << QStringLiteral("--baud") << QStringLiteral("19200"), write);
            report("2. verified write, 19,200 baud", paced);
            const double wire = double(paced.wireBytes) * 10.0 / 19200.0;
            std::printf("   wire time of %lld bytes %.3f s, elapsed / wire %.3f, cpu / elapsed %.2f %%\n",
                        static_cast<long long>(paced.wireBytes), wire, paced.seconds / wire,
                        100.0 * paced.cpu / paced.seconds);
        }
        if (only.contains(QStringLiteral("3"))) {
            const Run full = measure(program, programmed, read(false));
            const Run quick = measure(program, programmed, read(true));
            report("3. full read", full);
            report("3. quick read (--used-only)", quick);
            std::printf("   quick / full %.1f %%\n", 100.0 * quick.seconds / full.seconds);
        }
        if (only.contains(QStringLiteral("4"))) {
            const Run clean = measure(program, small, read(false));
            report("4. full read, 1,984 bytes, 19,200 baud", clean);
            reportWire(clean);
            report("4. the same, every block 150 ms late",
                   measure(program, QStringList(small) << QStringLiteral("--late-ms") << QStringLiteral("150"),
                           read(false)));
        }
        if (only.contains(QStringLiteral("5"))) {
            const Run quick = measure(program, small, read(true));
            report("5. quick read, 1,984 bytes, 19,200 baud", quick);
            reportWire(quick);
            // An empty station is known from its header: the window's load.
            report("5. load of an empty 65,472-byte station",
                   measure(program, QStringList(big) << QStringLiteral("--baud") << QStringLiteral("19200"),
                           [](StationLink& link) {
                               auto img = std::make_unique<EepromImage>();
                               link.setReadUsedOnly(true);
                               return link.readEeprom(*img) == TransferOutcome::Completed && !imageHeaderValid(*img);
                           }));
            // Hello, identification and memory size answered, then nothing.
            report("5. give-up on a station that stops answering",
                   measure(program, QStringList(small) << QStringLiteral("--hang-after") << QStringLiteral("3"),
                           [](StationLink& link) {
                               auto img = std::make_unique<EepromImage>();
                               return link.readEeprom(*img) == TransferOutcome::Failed;
                           }));
        }
    }
    return 0;
}
