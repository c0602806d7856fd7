#pragma once

#include "link/line_port.h"

#include <QTimer>
#include <QWinEventNotifier>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace q731 {

// The line through the Win32 communications API on the thread the port lives
// on. One overlapped read is always pending; it ends a moment after the bytes
// of a reply stop coming, and its event, watched by the event loop, delivers
// them and starts the next. Writes are overlapped too, so that several ports
// served by one thread never wait for each other's frames to leave.
//
// QSerialPort's own Windows backend waits for received characters with
// WaitCommEvent, which never reports them under Wine on a pseudo-terminal; a
// pending read reports them on Windows and Wine alike.
class WinLinePort final : public LinePort
{
    Q_OBJECT
public:
    explicit WinLinePort(QObject *parent = nullptr);
    ~WinLinePort() override;

    static OpenError probeDevice(const QString &device);

    OpenError open(const QString &device) override;
    bool isOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }
    void send(const QByteArray &bytes) override;
    void close() override;

private:
    static HANDLE openHandle(const QString &device, DWORD flags, OpenError *error);
    bool configure();
    // Starts the next read; false when the line is gone.
    bool startRead();
    void readDone();
    void writeDone();
    // Waits for the pending write; false when it failed.
    bool finishWrite();
    void release();
    void fail();

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    OVERLAPPED m_readOverlapped{};
    OVERLAPPED m_writeOverlapped{};
    QWinEventNotifier m_readNotifier;
    QWinEventNotifier m_writeNotifier;
    // A read that ended without a byte is started again a little later, so
    // that a driver that ends such reads at once cannot spin the thread.
    QTimer m_rearm;
    bool m_reading = false;
    bool m_writing = false;
    QByteArray m_writeBuffer;
    char m_readBuffer[1024];
};

} // namespace q731
