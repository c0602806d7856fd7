#include "link/link_thread.h"

#include <QMetaObject>

namespace q731 {

LinkThread::LinkThread(QObject *parent)
    : QObject(parent)
    , m_link(new SerialLink)
{
    m_thread.setObjectName(QStringLiteral("SerialLink"));
    // The port and the watchdog go with their owner, before either is used.
    m_link->moveToThread(&m_thread);
    // After the thread's last event the link goes, on its own thread.
    connect(&m_thread, &QThread::finished, m_link, &QObject::deleteLater);

    connect(m_link, &SerialLink::progress, this, &LinkThread::progress);
    connect(m_link, &SerialLink::bandOverrideQuestion, this, [this] {
        m_askingBand = true;
        emit bandOverrideQuestion();
    });
    // The image is copied where the link lives, as the transfer ends; this
    // thread gets the copy after every progress step sent before it.
    connect(m_link, &SerialLink::finished, m_link, [this](LinkProtocol::Outcome outcome) {
        QMetaObject::invokeMethod(
            this, [this, outcome, image = m_link->protocol().image()] { ended(outcome, image); });
    });
    m_thread.start();
}

LinkThread::~LinkThread()
{
    m_thread.quit();
    m_thread.wait();
}

template<typename F>
void LinkThread::runOnLink(F f)
{
    QMetaObject::invokeMethod(m_link, f, Qt::BlockingQueuedConnection);
}

SerialLink::OpenError LinkThread::open(const QString &device)
{
    m_device = device;
    auto error = SerialLink::OpenError::Unusable;
    runOnLink([&] { error = m_link->open(device); });
    return error;
}

bool LinkThread::startRead(const RadioImage &current)
{
    bool started = false;
    runOnLink([&] { started = m_link->startRead(current); });
    // finished() cannot have come yet: it is delivered on this thread.
    if (started)
        m_busy = true;
    return started;
}

bool LinkThread::startWrite(const RadioImage &encoded, int selectedBand, bool bandOverrideMode,
                            bool calibrationMode)
{
    bool started = false;
    runOnLink([&] {
        started = m_link->startWrite(encoded, selectedBand, bandOverrideMode, calibrationMode);
    });
    if (started)
        m_busy = true;
    return started;
}

void LinkThread::answerBandOverride(bool ok)
{
    if (!m_askingBand)
        return;
    m_askingBand = false;
    QMetaObject::invokeMethod(m_link, [link = m_link, ok] { link->answerBandOverride(ok); });
}

void LinkThread::ended(LinkProtocol::Outcome outcome, const RadioImage &image)
{
    m_busy = false;
    m_askingBand = false;
    m_image = image;
    emit finished(outcome);
}

} // namespace q731
