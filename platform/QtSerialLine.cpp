#include "platform/QtSerialLine.h"

#include <QRegularExpression>

namespace torval {

QtSerialLine::QtSerialLine(QObject* parent) : QObject(parent)
{
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLine::onError);
}

QtSerialLine::~QtSerialLine()
{
    close();
}

QString QtSerialLine::resolvePortName(const QString& portText)
{
    static const QRegularExpression com(QStringLiteral("^\\s*COM\\s*(\\d+)\\s*$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(portText);
    if (!m.hasMatch())
        return portText.trimmed();
    const int n = m.captured(1).toInt();
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    return QStringLiteral("/dev/ttyS%1").arg(std::max(0, n - 1));
#endif
}

bool QtSerialLine::open(const QString& portName)
{
    close();
    m_failed = false;
    m_permissionDenied = false;
    m_error.clear();
    m_port.setPortName(resolvePortName(portName));
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_permissionDenied = m_port.error() == QSerialPort::PermissionError;
        m_error = m_port.errorString();
        return false;
    }
    const bool settings = m_port.setBaudRate(QSerialPort::Baud19200) && m_port.setDataBits(QSerialPort::Data8)
        && m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop)
        && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!settings) {
        m_error = m_port.errorString();
        m_port.close();
        return false;
    }
    // The cable powers its level shifter from RTS and must see DTR low. A
    // pseudo-terminal has no modem-control lines and answers "inappropriate
    // ioctl"; that is no reason to refuse the line.
    (void)m_port.setDataTerminalReady(false);
    (void)m_port.setRequestToSend(true);
    m_port.clearError();
    m_open = true;
    return true;
}

void QtSerialLine::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_open = false;
}

void QtSerialLine::onError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || !m_open)
        return;
    if (error == QSerialPort::UnsupportedOperationError || error == QSerialPort::TimeoutError)
        return; // modem-control lines of a pseudo-terminal; no device lost
    m_failed = true;
    m_error = m_port.errorString();
    if (m_port.isOpen()) {
        // The device vanished (cable pulled, far end of a pty closed): it
        // reports a hang-up that is always ready and reads nothing, so every
        // wait would wake at once and spin. Closing the descriptor ends that;
        // the link stays "open" and its transfer ends as a failed block.
        m_port.close();
    }
}

bool QtSerialLine::write(std::span<const std::uint8_t> bytes)
{
    if (!m_port.isOpen())
        return false;
    const qint64 n = m_port.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    (void)m_port.flush(); // hand the frame to the driver now, not at the next event pass
    return n == qint64(bytes.size());
}

qint64 QtSerialLine::bytesAvailable() const
{
    return m_port.isOpen() ? m_port.bytesAvailable() : 0;
}

QByteArray QtSerialLine::read(qint64 maxBytes)
{
    if (!m_port.isOpen() || maxBytes <= 0)
        return {};
    return m_port.read(maxBytes);
}

} // namespace torval
