// Whole reads and writes through a real serial port against the simulated
// radio on a pseudo-terminal. Paced at 9600 8N1 the line itself sets the pace;
// what the program adds shows as the ratio of the time taken to the wire time
// of the bytes exchanged, from opening the port to the transfer's end.

#include "bench_radio.h"

#include <QCoreApplication>

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
