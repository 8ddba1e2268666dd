#pragma once
// The window's one serial line: the port list offers real ports and the
// built-in virtual station side by side, and the link holds one line for the
// whole run. This line passes each opening to the hardware line or to the
// virtual station's line by the port chosen, and forwards everything else to
// the line that is open.

#include "link/SerialLine.h"

namespace torval {

class PortRouterLine final : public SerialLine {
public:
    PortRouterLine(SerialLine& hardware, SerialLine& virtualStation, QString virtualPortName);

    [[nodiscard]] bool open(const QString& portName) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    [[nodiscard]] bool write(std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] qint64 bytesAvailable() const override;
    [[nodiscard]] QByteArray read(qint64 maxBytes) override;
    [[nodiscard]] bool hasFailed() const override;
    [[nodiscard]] QString errorText() const override;

private:
    SerialLine& m_hardware;
    SerialLine& m_virtual;
    QString m_virtualName;
    SerialLine* m_current;
};

} // namespace torval
