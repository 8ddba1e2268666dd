#include "platform/PortRouterLine.h"

namespace torval {

PortRouterLine::PortRouterLine(SerialLine& hardware, SerialLine& virtualStation, QString virtualPortName)
    : m_hardware(hardware), m_virtual(virtualStation), m_virtualName(std::move(virtualPortName)), m_current(&hardware)
{ }

bool PortRouterLine::open(const QString& portName)
{
    // Only one of the two may ever be open: the link believes in one port.
    m_hardware.close();
    m_virtual.close();
    m_current = portName == m_virtualName ? &m_virtual : &m_hardware;
    return m_current->open(portName);
}

void PortRouterLine::close()
{
    m_current->close();
}

bool PortRouterLine::isOpen() const
{
    return m_current->isOpen();
}

bool PortRouterLine::write(std::span<const std::uint8_t> bytes)
{
    return m_current->write(bytes);
}

qint64 PortRouterLine::bytesAvailable() const
{
    return m_current->bytesAvailable();
}

QByteArray PortRouterLine::read(qint64 maxBytes)
{
    return m_current->read(maxBytes);
}

bool PortRouterLine::hasFailed() const
{
    return m_current->hasFailed();
}

QString PortRouterLine::errorText() const
{
    return m_current->errorText();
}

} // namespace torval
