#include "platform/WinSerialLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>
#include <QWinEventNotifier>

#include <windows.h>

namespace torval {

namespace {

QString systemMessage(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = n ? QString::fromWCharArray(text, int(n)).trimmed() : QString();
    if (text)
        LocalFree(text);
    if (message.isEmpty())
        message = QCoreApplication::translate("WinSerialLine", "Chyba systému %1").arg(code);
    return message;
}

// A write of one frame at 19,200 baud takes milliseconds; a line that takes
// this long to accept one is not going to.
constexpr DWORD kWriteTimeoutMs = 3000;

// Under Wine the read's completion event is set at once, but the wake-up it
// sends the event loop arrives late: replies were seen only when the link's
// 100 ms reply timer woke the loop, so a 2 KiB read took 30 s instead of 3.
// While a reply is due (from a write until kPollForMs after it), a short
// timer also looks at the event. The station speaks only when asked, so an
// idle line is not polled.
constexpr int kPollEveryMs = 2;
constexpr qint64 kPollForMs = 2000;

} // namespace

struct WinSerialLine::Port {
    HANDLE handle = INVALID_HANDLE_VALUE;
    OVERLAPPED readOv{};
    bool readPending = false;
    char byte = 0; // the pending one-byte read lands here
    std::unique_ptr<QWinEventNotifier> readDone;
    QTimer poll;
    QElapsedTimer sinceWrite;

    ~Port()
    {
        poll.stop();
        readDone.reset(); // before its event goes
        if (handle != INVALID_HANDLE_VALUE) {
            if (readPending) {
                // The read owns readOv and byte until the driver lets go.
                DWORD n = 0;
                CancelIoEx(handle, &readOv);
                GetOverlappedResult(handle, &readOv, &n, TRUE);
            }
            CloseHandle(handle);
        }
        if (readOv.hEvent)
            CloseHandle(readOv.hEvent);
    }
};

WinSerialLine::WinSerialLine(QObject* parent) : QObject(parent) { }

WinSerialLine::~WinSerialLine()
{
    close();
}

QString WinSerialLine::resolvePortName(const QString& portText)
{
    static const QRegularExpression com(QStringLiteral("^\\s*COM\\s*(\\d+)\\s*$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(portText);
    if (!m.hasMatch())
        return portText.trimmed();
    return QStringLiteral("COM%1").arg(m.captured(1).toInt());
}

bool WinSerialLine::open(const QString& portName)
{
    close();
    m_failed = false;
    m_error.clear();
    m_received.clear();
    QString device = resolvePortName(portName);
    if (!device.startsWith(QLatin1String("\\\\")))
        device.prepend(QLatin1String("\\\\.\\"));

    auto port = std::make_unique<Port>();
    port->handle = CreateFileW(reinterpret_cast<const wchar_t*>(device.utf16()), GENERIC_READ | GENERIC_WRITE, 0,
                               nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (port->handle == INVALID_HANDLE_VALUE) {
        m_error = systemMessage(GetLastError());
        return false;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(port->handle, &dcb)) {
        m_error = systemMessage(GetLastError());
        return false;
    }
    dcb.BaudRate = CBR_19200;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    // The cable powers its level shifter from RTS and must see DTR low.
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(port->handle, &dcb)) {
        m_error = systemMessage(GetLastError());
        return false;
    }
    // A read of one byte waits for that byte however long it takes (it is
    // overlapped, so nothing waits with it); the rest is read once known to
    // be there. Writes give up after kWriteTimeoutMs.
    COMMTIMEOUTS timeouts{};
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;
    if (!SetCommTimeouts(port->handle, &timeouts)) {
        m_error = systemMessage(GetLastError());
        return false;
    }
    // Again by hand: a device without modem-control lines may refuse these,
    // which is no reason to refuse the line.
    (void)EscapeCommFunction(port->handle, CLRDTR);
    (void)EscapeCommFunction(port->handle, SETRTS);
    (void)PurgeComm(port->handle, PURGE_RXCLEAR | PURGE_TXCLEAR);

    port->readOv.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!port->readOv.hEvent) {
        m_error = systemMessage(GetLastError());
        return false;
    }
    port->readDone = std::make_unique<QWinEventNotifier>(port->readOv.hEvent);
    connect(port->readDone.get(), &QWinEventNotifier::activated, this, &WinSerialLine::onReadDone);
    port->poll.setTimerType(Qt::PreciseTimer);
    port->poll.setInterval(kPollEveryMs);
    connect(&port->poll, &QTimer::timeout, this, [this] {
        if (!m_port)
            return;
        if (m_port->sinceWrite.elapsed() > kPollForMs)
            m_port->poll.stop();
        else if (m_port->readPending && WaitForSingleObject(m_port->readOv.hEvent, 0) == WAIT_OBJECT_0)
            onReadDone();
    });
    m_port = std::move(port);
    m_open = true;
    startRead();
    return true;
}

void WinSerialLine::close()
{
    releasePort();
    m_received.clear();
    m_open = false;
}

void WinSerialLine::releasePort()
{
    m_port.reset();
}

void WinSerialLine::fail(unsigned long systemError)
{
    m_failed = true;
    m_error = systemMessage(systemError);
    // The device is gone (adapter pulled, far end closed): nothing more will
    // come, and a read restarted on it would fail at once, again and again.
    // The link still sees the line open; its transfer ends as a failed block.
    releasePort();
}

void WinSerialLine::startRead()
{
    Port& p = *m_port;
    ResetEvent(p.readOv.hEvent);
    DWORD n = 0;
    if (ReadFile(p.handle, &p.byte, 1, &n, &p.readOv) || GetLastError() == ERROR_IO_PENDING) {
        // Done at once or later: either way the event is set and onReadDone
        // takes the byte from the event loop.
        p.readPending = true;
        return;
    }
    fail(GetLastError());
}

void WinSerialLine::onReadDone()
{
    if (!m_port || !m_port->readPending)
        return;
    Port& p = *m_port;
    DWORD n = 0;
    if (!GetOverlappedResult(p.handle, &p.readOv, &n, FALSE)) {
        const DWORD error = GetLastError();
        if (error == ERROR_IO_INCOMPLETE)
            return;
        p.readPending = false;
        fail(error);
        return;
    }
    p.readPending = false;
    if (n == 1)
        m_received.append(p.byte);
    // Whatever else arrived is in the driver now; take it in one go.
    COMSTAT status{};
    DWORD errors = 0;
    if (ClearCommError(p.handle, &errors, &status) && status.cbInQue > 0) {
        QByteArray more(qsizetype(status.cbInQue), Qt::Uninitialized);
        OVERLAPPED ov{};
        ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        DWORD got = 0;
        bool ok = ReadFile(p.handle, more.data(), status.cbInQue, &got, &ov);
        if (!ok && GetLastError() == ERROR_IO_PENDING)
            ok = GetOverlappedResult(p.handle, &ov, &got, TRUE); // the bytes are there: no wait
        const DWORD error = ok ? 0 : GetLastError();
        CloseHandle(ov.hEvent);
        if (!ok) {
            fail(error);
            return;
        }
        m_received.append(more.constData(), qsizetype(got));
    }
    startRead();
}

bool WinSerialLine::write(std::span<const std::uint8_t> bytes)
{
    if (!m_port)
        return false;
    OVERLAPPED ov{};
    ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!ov.hEvent)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(m_port->handle, bytes.data(), DWORD(bytes.size()), &written, &ov);
    if (!ok && GetLastError() == ERROR_IO_PENDING)
        ok = GetOverlappedResult(m_port->handle, &ov, &written, TRUE); // bounded by the write time-out
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(ov.hEvent);
    if (!ok) {
        fail(error);
        return false;
    }
    m_port->sinceWrite.start();
    if (!m_port->poll.isActive())
        m_port->poll.start();
    return written == DWORD(bytes.size());
}

QByteArray WinSerialLine::read(qint64 maxBytes)
{
    if (!m_open || maxBytes <= 0 || m_received.isEmpty())
        return {};
    const QByteArray piece = m_received.left(maxBytes);
    m_received.remove(0, piece.size());
    return piece;
}

} // namespace torval
