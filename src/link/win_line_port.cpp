#include "link/win_line_port.h"

namespace q731 {

LinePort *LinePort::create(QObject *parent)
{
    return new WinLinePort(parent);
}

LinePort::OpenError LinePort::probe(const QString &device)
{
    return WinLinePort::probeDevice(device);
}

namespace {

// How long after a reply's last byte the pending read ends, and how long a
// frame may take to leave before the line counts as gone.
constexpr DWORD kReadGapMs = 2;
constexpr DWORD kWriteMsPerByte = 2;
constexpr DWORD kWriteExtraMs = 1000;
constexpr int kRearmMs = 5;

} // namespace

WinLinePort::WinLinePort(QObject *parent)
    : LinePort(parent)
    , m_readNotifier(this)
    , m_writeNotifier(this)
    , m_rearm(this)
{
    m_readOverlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_writeOverlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_readNotifier.setHandle(m_readOverlapped.hEvent);
    m_writeNotifier.setHandle(m_writeOverlapped.hEvent);
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    connect(&m_readNotifier, &QWinEventNotifier::activated, this, &WinLinePort::readDone);
    connect(&m_writeNotifier, &QWinEventNotifier::activated, this, &WinLinePort::writeDone);
    m_rearm.setSingleShot(true);
    m_rearm.setInterval(kRearmMs);
    connect(&m_rearm, &QTimer::timeout, this, [this] {
        if (isOpen() && !m_reading && !startRead())
            fail();
    });
}

WinLinePort::~WinLinePort()
{
    close();
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    CloseHandle(m_readOverlapped.hEvent);
    CloseHandle(m_writeOverlapped.hEvent);
}

HANDLE WinLinePort::openHandle(const QString &device, DWORD flags, OpenError *error)
{
    *error = OpenError::None;
    if (device.isEmpty()) {
        *error = OpenError::Missing;
        return INVALID_HANDLE_VALUE;
    }
    // COM10 and above are reached only through the device namespace, and the
    // lower numbers may be.
    QString path = device;
    if (!path.contains(QLatin1Char('\\')) && !path.contains(QLatin1Char('/')))
        path.prepend(QStringLiteral("\\\\.\\"));
    const HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                    0, nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
        return handle;
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
        *error = OpenError::Missing;
        break;
    default:
        // Windows refuses a port another program holds with "access denied";
        // a user without the right to a port is not a thing there.
        *error = OpenError::Unusable;
        break;
    }
    return INVALID_HANDLE_VALUE;
}

LinePort::OpenError WinLinePort::probeDevice(const QString &device)
{
    OpenError error = OpenError::None;
    const HANDLE handle = openHandle(device, 0, &error);
    if (handle == INVALID_HANDLE_VALUE)
        return error;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    // A file or another device that is no serial port cannot carry the link.
    const bool serial = GetCommState(handle, &dcb);
    CloseHandle(handle);
    return serial ? OpenError::None : OpenError::Unusable;
}

LinePort::OpenError WinLinePort::open(const QString &device)
{
    close();
    OpenError error = OpenError::None;
    m_handle = openHandle(device, FILE_FLAG_OVERLAPPED, &error);
    if (m_handle == INVALID_HANDLE_VALUE)
        return error;
    if (!configure()) {
        release();
        return OpenError::Unusable;
    }
    m_readNotifier.setEnabled(true);
    m_writeNotifier.setEnabled(true);
    if (!startRead()) {
        release();
        return OpenError::Unusable;
    }
    return OpenError::None;
}

bool WinLinePort::configure()
{
    SetupComm(m_handle, 4096, 4096);
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(m_handle, &dcb))
        return false;
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    // Every byte value travels, so no XON/XOFF, and the cable has no
    // handshake lines. DTR and RTS are raised, as opening a port does on
    // Linux: some cables take their power from them.
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!SetCommState(m_handle, &dcb))
        return false;
    // A read waits for the first byte and ends once the line has been quiet
    // for a moment after it; a write that cannot leave ends with an error.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = kReadGapMs;
    timeouts.WriteTotalTimeoutMultiplier = kWriteMsPerByte;
    timeouts.WriteTotalTimeoutConstant = kWriteExtraMs;
    if (!SetCommTimeouts(m_handle, &timeouts))
        return false;
    // Whatever the line held before is no answer to what comes.
    PurgeComm(m_handle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
    return true;
}

bool WinLinePort::startRead()
{
    if (ReadFile(m_handle, m_readBuffer, sizeof m_readBuffer, nullptr, &m_readOverlapped) ||
        GetLastError() == ERROR_IO_PENDING) {
        // Done at once or later, the event tells.
        m_reading = true;
        return true;
    }
    return false;
}

void WinLinePort::readDone()
{
    if (!m_reading)
        return;
    DWORD count = 0;
    if (!GetOverlappedResult(m_handle, &m_readOverlapped, &count, FALSE)) {
        if (GetLastError() != ERROR_IO_INCOMPLETE)
            fail();
        return;
    }
    m_reading = false;
    ResetEvent(m_readOverlapped.hEvent);
    if (count == 0) {
        m_rearm.start();
        return;
    }
    const QByteArray bytes(m_readBuffer, static_cast<qsizetype>(count));
    // Delivered before the next read starts: what the listener sends in
    // answer drops only what came before it. The listener may close the
    // port, or close it and open it again, meanwhile.
    emit received(bytes);
    if (isOpen() && !m_reading && !m_rearm.isActive() && !startRead())
        fail();
}

void WinLinePort::send(const QByteArray &bytes)
{
    if (!isOpen())
        return;
    if (m_reading) {
        DWORD count = 0;
        if (GetOverlappedResult(m_handle, &m_readOverlapped, &count, FALSE)) {
            // Arrived, not yet delivered, and no answer to this frame.
            m_reading = false;
            ResetEvent(m_readOverlapped.hEvent);
        } else if (GetLastError() != ERROR_IO_INCOMPLETE) {
            fail();
            return;
        }
    }
    PurgeComm(m_handle, PURGE_RXCLEAR);
    if (!m_reading && !m_rearm.isActive() && !startRead()) {
        fail();
        return;
    }
    if (!finishWrite()) {
        fail();
        return;
    }
    m_writeBuffer = bytes;
    if (!WriteFile(m_handle, m_writeBuffer.constData(), static_cast<DWORD>(m_writeBuffer.size()),
                   nullptr, &m_writeOverlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        fail();
        return;
    }
    m_writing = true;
}

bool WinLinePort::finishWrite()
{
    if (!m_writing)
        return true;
    DWORD count = 0;
    const bool written = GetOverlappedResult(m_handle, &m_writeOverlapped, &count, TRUE);
    m_writing = false;
    ResetEvent(m_writeOverlapped.hEvent);
    return written && count == static_cast<DWORD>(m_writeBuffer.size());
}

void WinLinePort::writeDone()
{
    if (!m_writing)
        return;
    DWORD count = 0;
    if (!GetOverlappedResult(m_handle, &m_writeOverlapped, &count, FALSE) &&
        GetLastError() == ERROR_IO_INCOMPLETE)
        return;
    if (!finishWrite())
        fail();
}

void WinLinePort::close()
{
    if (!isOpen())
        return;
    // The end byte may still be on its way out.
    finishWrite();
    release();
}

void WinLinePort::release()
{
    m_rearm.stop();
    if (m_reading || m_writing) {
        CancelIoEx(m_handle, nullptr);
        DWORD count = 0;
        if (m_reading)
            GetOverlappedResult(m_handle, &m_readOverlapped, &count, TRUE);
        if (m_writing)
            GetOverlappedResult(m_handle, &m_writeOverlapped, &count, TRUE);
    }
    m_reading = false;
    m_writing = false;
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    ResetEvent(m_readOverlapped.hEvent);
    ResetEvent(m_writeOverlapped.hEvent);
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

void WinLinePort::fail()
{
    // A pulled cable ends reads with "broken pipe", a removed USB adapter
    // with "access denied" or "device removed"; whichever, the line is gone.
    if (!isOpen())
        return;
    release();
    emit lost();
}

} // namespace q731
