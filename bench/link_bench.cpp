// Whole reads and writes through a real serial port against the simulated
// radio on a pseudo-terminal. Paced at 9600 8N1 the line itself sets the pace;
// what the program adds shows as the ratio of the time taken to the wire time
// of the bytes exchanged. The radio is served from a thread of its own, as a
// real radio would be, so its pacing never waits for the program.

#include "link/pty_radio.h"
#include "link/serial_link.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <cstdio>

using namespace q731;

namespace {

struct Result
{
    LinkProtocol::Outcome outcome = LinkProtocol::Outcome::None;
    double seconds = 0;
    double wireSeconds = 0;
};

Result Run(bool write, bool paced)
{
    QThread thread;
    thread.start();
    QObject inThread;
    inThread.moveToThread(&thread);
    PtyRadio *radio = nullptr;
    QString device;
    QMetaObject::invokeMethod(
        &inThread,
        [&] {
            radio = new PtyRadio;
            radio->open();
            radio->setPaced(paced);
            for (std::size_t i = 0; i < kRadioMemorySize; ++i)
                radio->simulator().memory()[i] = static_cast<std::uint8_t>(i * 7);
            device = radio->devicePath();
        },
        Qt::BlockingQueuedConnection);

    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 11);

    Result result;
    SerialLink link;
    QEventLoop loop;
    QObject::connect(&link, &SerialLink::finished, &loop, [&](LinkProtocol::Outcome outcome) {
        result.outcome = outcome;
        loop.quit();
    });
    if (link.open(device) != SerialLink::OpenError::None) {
        std::fprintf(stderr, "link_bench: cannot open %s\n", qPrintable(device));
    } else {
        QElapsedTimer clock;
        clock.start();
        if (write)
            link.startWrite(image, 0, false, false);
        else
            link.startRead(image);
        loop.exec();
        result.seconds = clock.nsecsElapsed() / 1e9;
    }

    std::int64_t bytes = 0;
    QMetaObject::invokeMethod(
        &inThread,
        [&] {
            // The end byte is sent as the transfer ends; nobody waits for it.
            bytes = radio->bytesFromProgram() + radio->bytesToProgram() - 1;
            delete radio;
        },
        Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
    result.wireSeconds = bytes * std::chrono::duration<double>(PtyRadio::kByteTime).count();
    return result;
}

bool Report(const char *name, const Result &r, bool paced)
{
    const bool done = r.outcome == LinkProtocol::Outcome::ReadCompleted ||
                      r.outcome == LinkProtocol::Outcome::WriteCompleted;
    if (!done) {
        std::printf("%-14s FAILED\n", name);
        return false;
    }
    if (paced)
        std::printf("%-14s %7.3f s   wire time %6.3f s   ratio %.4f\n", name, r.seconds,
                    r.wireSeconds, r.seconds / r.wireSeconds);
    else
        std::printf("%-14s %7.1f ms\n", name, r.seconds * 1000);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bool ok = true;
    std::printf("link_bench: full transfers against the simulated radio\n");
    ok &= Report("read, paced", Run(false, true), true);
    ok &= Report("write, paced", Run(true, true), true);
    ok &= Report("read, unpaced", Run(false, false), false);
    ok &= Report("write, unpaced", Run(true, false), false);
    return ok ? 0 : 1;
}
