#pragma once
// The station's serial line on a real port (QSerialPort): 19,200 baud, 8N1,
// no flow control, DTR off then RTS on, as the configuration cable expects.

#include "link/SerialLine.h"

#include <QObject>
#include <QSerialPort>

namespace torval {

class QtSerialLine final : public QObject, public SerialLine {
    Q_OBJECT
public:
    explicit QtSerialLine(QObject* parent = nullptr);
    ~QtSerialLine() override;

    // "COM n" is the n-th serial port of the machine: on Windows COMn, on
    // Linux /dev/ttyS<n-1> (COM 1 is ttyS0, as the BIOS and the kernel count
    // them). Any other text (a device path, "ttyUSB0", a pseudo-terminal) is
    // opened as given.
    [[nodiscard]] static QString resolvePortName(const QString& portText);

    [[nodiscard]] bool open(const QString& portName) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_open; }
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] qint64 bytesAvailable() const override;
    [[nodiscard]] QByteArray read(qint64 maxBytes) override;
    [[nodiscard]] bool hasFailed() const override { return m_failed; }
    [[nodiscard]] QString errorText() const override { return m_error; }
    // The last open failed because the system refused access (on Linux: the
    // user is not in the group that owns serial ports).
    [[nodiscard]] bool permissionDenied() const { return m_permissionDenied; }

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    bool m_open = false; // open as the link sees it, even after the device vanished
    bool m_failed = false;
    bool m_permissionDenied = false;
    QString m_error;
};

} // namespace torval
