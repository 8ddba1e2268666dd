#pragma once
// The station's serial line on a Windows COM port through the Win32
// communications API: 19,200 baud, 8N1, no flow control, DTR off and RTS on,
// as the configuration cable expects.
//
// One overlapped read of a single byte is always pending, and its completion
// event wakes the Qt event loop (the reply wait sleeps there). When it
// completes, whatever else the driver holds is taken at once, and the next
// one-byte read is started. So bytes arrive only while events are processed,
// as on every other line. Where that wake-up comes late (Wine), a 2 ms timer
// also looks at the event while a reply is due, for 2 s after each write;
// an idle line is never polled and the CPU never spins.

#include "link/SerialLine.h"

#include <QObject>

#include <memory>

namespace torval {

class WinSerialLine final : public QObject, public SerialLine {
    Q_OBJECT
public:
    explicit WinSerialLine(QObject* parent = nullptr);
    ~WinSerialLine() override;

    // "COM n", "com12" are the system's COMn; any other text is opened as
    // given (\\.\ is put before a bare name, as COM10 and up need it).
    [[nodiscard]] static QString resolvePortName(const QString& portText);

    [[nodiscard]] bool open(const QString& portName) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_open; }
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] qint64 bytesAvailable() const override { return m_received.size(); }
    [[nodiscard]] QByteArray read(qint64 maxBytes) override;
    [[nodiscard]] bool hasFailed() const override { return m_failed; }
    [[nodiscard]] QString errorText() const override { return m_error; }
    // Windows refuses a port that another program holds with "access
    // denied"; that is no matter of rights, so this is always false here.
    [[nodiscard]] bool permissionDenied() const { return false; }

private:
    struct Port;
    void startRead();
    void onReadDone();
    void fail(unsigned long systemError);
    void releasePort();

    std::unique_ptr<Port> m_port; // the open handle and its pending read; null when closed
    QByteArray m_received;
    bool m_open = false; // open as the link sees it, even after the device vanished
    bool m_failed = false;
    QString m_error;
};

} // namespace torval
