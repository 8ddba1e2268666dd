#pragma once
// A serial line whose far end is the simulated station, in the same process.
// Replies travel through the event pump, so they arrive asynchronously like
// bytes on a wire; the window offers it as the port "Virtuální stanice".

#include "link/SerialLine.h"
#include "station/StationCore.h"

#include <memory>

namespace torval {

class EventPump;

class VirtualSerialLine final : public SerialLine {
public:
    // The name under which the window lists this line.
    static constexpr const char* kPortName = "Virtuální stanice";

    VirtualSerialLine(StationCore& station, EventPump& pump);
    ~VirtualSerialLine() override;

    [[nodiscard]] bool open(const QString& portName) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] qint64 bytesAvailable() const override;
    [[nodiscard]] QByteArray read(qint64 maxBytes) override;
    [[nodiscard]] bool hasFailed() const override;
    [[nodiscard]] QString errorText() const override;

    // Test controls: refuse to open (port missing), pull the cable (writes
    // fail, nothing arrives), push raw bytes as if the station sent them.
    void setOpenFails(bool fails) { m_openFails = fails; }
    void setUnplugged(bool unplugged);
    void inject(const QByteArray& bytes, int delayMs = 0);
    // Paces the station's replies like a wire of that speed (10 bits a byte,
    // one byte after another); 0 delivers each reply whole. The station
    // answers one request after another, so a late reply holds up the next.
    void setBaud(int baud) { m_baud = baud; }
    // Every byte the PC sent since the line was made.
    [[nodiscard]] const QByteArray& sent() const { return m_sent; }

private:
    struct Shared {
        QByteArray input;
        bool open = false;
        int generation = 0;
    };
    StationCore& m_station;
    EventPump& m_pump;
    std::shared_ptr<Shared> m_shared;
    QByteArray m_sent;
    bool m_openFails = false;
    bool m_unplugged = false;
    int m_baud = 0;
    qint64 m_busyUntilUs = 0; // when the station's last reply has left it
};

} // namespace torval
