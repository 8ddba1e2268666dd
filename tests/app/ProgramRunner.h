#pragma once
// Runs the built programs the way a technician does from the shell:
// torval-station on a pseudo-terminal, torval-cli against its device path,
// with stdin not a terminal (so nobody answers questions).

#include "model/EepromImage.h"
#include "model/ImageEncoder.h"
#include "model/SettingsSize.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <memory>

namespace torval::test {

inline QString programPath(const char* name)
{
    return QStringLiteral(TORVAL_BINARY_DIR "/app/") + QString::fromLatin1(name);
}

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliResult runCli(const QStringList& args, int timeoutMs = 60000)
{
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(programPath("torval-cli"), args);
    CliResult r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("torval-cli did not finish");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// One torval-station process; stopped (SIGTERM) when destroyed.
class StationProcess {
public:
    explicit StationProcess(const QStringList& args)
    {
        m_p.start(programPath("torval-station"), args);
        if (m_p.waitForStarted(5000) && m_p.waitForReadyRead(5000))
            m_path = QString::fromUtf8(m_p.readLine()).trimmed();
    }
    ~StationProcess()
    {
        m_p.terminate();
        if (!m_p.waitForFinished(3000)) {
            m_p.kill();
            m_p.waitForFinished();
        }
    }
    StationProcess(const StationProcess&) = delete;
    StationProcess& operator=(const StationProcess&) = delete;
    // The device path the station printed; empty when it did not start.
    [[nodiscard]] const QString& port() const { return m_path; }

private:
    QProcess m_p;
    QString m_path;
};

inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A settings file as the window saves it: image bytes 0 .. SettingsSize-2.
inline QByteArray settingsFileBytes(const DeviceConfig& c)
{
    auto image = std::make_unique<EepromImage>();
    if (encodeImage(c, *image) != EncodeError::None)
        return {};
    const int n = settingsSize(c) - 1;
    return QByteArray(reinterpret_cast<const char*>(image->bytes().data()), n);
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// An image made of a file's bytes (the rest zero), for header checks.
inline std::unique_ptr<EepromImage> imageOf(const QByteArray& bytes)
{
    auto image = std::make_unique<EepromImage>();
    std::copy(bytes.begin(), bytes.begin() + std::min<qsizetype>(bytes.size(), EepromImage::kSize),
              image->bytes().begin());
    return image;
}

// The first address below settings.size() where the station's memory differs
// from the settings file, skipping the station's own 64..127; -1 when none.
inline int firstDifference(const QByteArray& settings, const QByteArray& memory)
{
    for (int a = 0; a < settings.size(); ++a) {
        if (a >= 64 && a < 128)
            continue;
        if (a >= memory.size() || settings[a] != memory[a])
            return a;
    }
    return -1;
}

} // namespace torval::test
