#pragma once
// An abstract byte line to the station. The link code never touches a port
// directly: the window and the command line hand it a QSerialPort line, the
// tests and the "Virtuální stanice" port an in-process simulated station.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>

namespace torval {

class SerialLine {
public:
    virtual ~SerialLine() = default;

    // Opens the named port with the station's fixed line settings. On failure
    // errorText() tells why (provisioning names it for a port it cannot open;
    // the window shows its own port message).
    [[nodiscard]] virtual bool open(const QString& portName) = 0;
    // Closing a closed line does nothing.
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;

    // Hands the bytes to the line. False when the line refused them (pulled
    // cable, closed port); the caller then treats the exchange as unanswered.
    [[nodiscard]] virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    // Bytes received and not yet read. Only grows while events are processed.
    [[nodiscard]] virtual qint64 bytesAvailable() const = 0;
    // Up to maxBytes received bytes; empty when none are waiting.
    [[nodiscard]] virtual QByteArray read(qint64 maxBytes) = 0;

    // True once the line has reported a failure since it was opened (the far
    // end vanished, the device returned an I/O error). Reply time-outs still
    // govern every exchange; a block transfer only stops retrying on a line
    // that has failed, since nothing will answer there any more.
    [[nodiscard]] virtual bool hasFailed() const = 0;
    [[nodiscard]] virtual QString errorText() const = 0;
};

} // namespace torval
