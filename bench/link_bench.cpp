// Whole reads and writes through a real serial port against the simulated
// radio on a pseudo-terminal. Paced at 9600 8N1 the line itself sets the pace;
// what the program adds shows as the ratio of the time taken to the wire time
// of the bytes exchanged, from opening the port to the transfer's end.

#include "bench_radio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

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
    bench::RadioThread radio(paced, [](RadioSimulator::Memory &memory) {
        for (std::size_t i = 0; i < kRadioMemorySize; ++i)
            memory[i] = static_cast<std::uint8_t>(i * 7);
    });
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 11);

    Result result;
    const bench::LinkRun run = bench::RunLinkTransfer(radio.device(), image, write);
    if (!run.opened)
        std::fprintf(stderr, "link_bench: cannot open %s\n", qPrintable(radio.device()));
    result.outcome = run.outcome;
    result.seconds = run.seconds;
    result.wireSeconds = radio.wireSeconds();
    return result;
}

// The same write to `count` radios at once, as q731-cli writes several: one
// serial link per port, all on this thread and its one event loop. Timed
// from opening the first port until the last write has ended.
Result RunSeveral(int count)
{
    std::vector<std::unique_ptr<bench::RadioThread>> radios;
    std::vector<std::unique_ptr<SerialLink>> links;
    RadioImage image{};
    for (std::size_t i = 0; i < kRadioMemorySize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 11);
    QEventLoop loop;
    int open = count, completed = 0;
    for (int i = 0; i < count; ++i) {
        radios.push_back(
            std::make_unique<bench::RadioThread>(true, [](RadioSimulator::Memory &) {}));
        links.push_back(std::make_unique<SerialLink>());
        QObject::connect(links.back().get(), &SerialLink::finished, &loop,
                         [&](LinkProtocol::Outcome outcome) {
                             completed += outcome == LinkProtocol::Outcome::WriteCompleted;
                             if (--open == 0)
                                 loop.quit();
                         });
    }
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        if (links[i]->open(radios[i]->device()) != SerialLink::OpenError::None ||
            !links[i]->startWrite(image, 0, false, false))
            --open;
    }
    if (open > 0)
        loop.exec();
    Result result;
    result.seconds = clock.nsecsElapsed() / 1e9;
    if (completed == count)
        result.outcome = LinkProtocol::Outcome::WriteCompleted;
    for (const auto &radio : radios)
        result.wireSeconds = std::max(result.wireSeconds, radio->wireSeconds());
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
    const Result one = Run(true, true);
    ok &= Report("write, paced", one, true);
    const Result four = RunSeveral(4);
    ok &= Report("write 4, paced", four, true);
    if (one.seconds > 0 && four.seconds > 0)
        std::printf("%-14s %.4f times the time of one radio\n", "write 4",
                    four.seconds / one.seconds);
    ok &= Report("read, unpaced", Run(false, false), false);
    ok &= Report("write, unpaced", Run(true, false), false);
    return ok ? 0 : 1;
}
