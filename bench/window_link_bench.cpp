// Read and Write of the window program as a user meets them: the real main
// window, a real Ctrl+R / Ctrl+W key press, timed until the success box is
// there (answered through the message boxes' answerer), and until the serial
// link's own end of the transfer on its thread ("link's end"). The platform is
// QT_QPA_PLATFORM (offscreen when unset); scripts/run-benchmarks runs this
// tool on the offscreen platform and again on an X server (Xvfb) with a
// window manager (openbox), where painting and moving windows cost what they
// cost on a desktop. The simulated radio, paced at 9600 8N1, is served from a
// thread of its own as a real radio is a device of its own. The ratio of the
// time taken to the wire time of the bytes exchanged is what the program and
// the simulated radio's own wake-ups add to the line. The same transfers on
// the serial link alone, as q731-cli runs them, show how much of it is the
// window program's. One more read is timed while the main window is moved
// and resized every 20 ms, so that its thread is busy painting and laying
// out throughout the transfer.
//
// Every run is a program of its own (this tool started again with --run), so
// each transfer is the first of its program, as after a start: nothing that
// the first progress window or message box loads is there yet.

#include "bench_radio.h"

#include "app/main_window.h"
#include "image/codec.h"
#include "link/fleet_write.h"
#include "link/link_thread.h"
#include "link/transfer_controller.h"
#include "session/language_store.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

using namespace q731;

namespace {

constexpr std::size_t kRuns = 5;

class MemoryLanguageStore : public LanguageStore
{
public:
    std::optional<QByteArray> readValue() override { return std::nullopt; }
    void writeValue(const QByteArray &) override {}
    QStringList readRecentFiles() override { return {}; }
    void writeRecentFiles(const QStringList &) override {}
};

struct Result
{
    bool done = false;
    double seconds = 0;
    double wireSeconds = 0;
    // In the window program: from the key press to the serial link's own
    // end of the transfer, on the link's thread, before the window hears of it.
    double linkSeconds = 0;
};

// The window program's Read or Write from the key press to the success box
// (seconds) and to the link's end (linkSeconds); `busy`: the main window is
// moved and resized all the while.
Result WindowTransfer(bool write, bool verify, bool busy)
{
    MemoryLanguageStore store;
    Session session;
    MessageBoxes boxes(session);
    QElapsedTimer clock;
    qint64 boxAt = -1;
    boxes.setAnswerer([&](QMessageBox &box) {
        if (box.icon() == QMessageBox::Information && boxAt < 0)
            boxAt = clock.nsecsElapsed();
        return int(IdOk);
    });
    MainWindow window(session, boxes, store);
    window.show();
    window.applyCaptions();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        std::fprintf(stderr, "window_link_bench: the main window did not become active\n");
    RadioData data = session.data();
    for (int n = 1; n <= kChannelCount; ++n) {
        data.channels.rx(n) = "146.02500";
        data.channels.name(n) = "WRITE";
    }
    session.takeDecoded(session.image(), std::move(data));
    if (verify)
        window.findChild<QAction *>(QStringLiteral("MNVerify"))->setChecked(true);

    QEventLoop loop;
    LinkProtocol::Outcome outcome = LinkProtocol::Outcome::None;
    QObject::connect(window.findChild<TransferController *>(QStringLiteral("transfers")),
                     &TransferController::transferEnded, &loop, [&](LinkProtocol::Outcome o) {
                         outcome = o;
                         loop.quit();
                     });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    // The link closes its port as the transfer ends, on its own thread, just
    // before it tells the window.
    std::atomic<qint64> linkEndAt = -1;
    SerialLink *link = window.findChild<LinkThread *>(QStringLiteral("link"))->link();
    const QMetaObject::Connection linkEnd = QObject::connect(
        link, &SerialLink::stateChanged, link,
        [&](SerialLink::State state) {
            qint64 none = -1;
            if (state == SerialLink::State::Closed)
                linkEndAt.compare_exchange_strong(none, clock.nsecsElapsed());
        },
        Qt::DirectConnection);
    QTimer mover;
    mover.setInterval(20);
    const QRect home = window.geometry();
    QObject::connect(&mover, &QTimer::timeout, &window, [&window, &home] {
        const bool away = window.geometry() == home;
        window.setGeometry(away ? home.adjusted(40, 30, -120, -90) : home);
    });
    if (busy)
        mover.start();
    clock.start();
    QTest::keyClick(&window, write ? Qt::Key_W : Qt::Key_R, Qt::ControlModifier);
    loop.exec();
    QObject::disconnect(linkEnd);
    const bool done = outcome == (write ? LinkProtocol::Outcome::WriteCompleted
                                        : LinkProtocol::Outcome::ReadCompleted);
    Result result;
    result.done = done && boxAt >= 0 && linkEndAt >= 0;
    result.seconds = boxAt / 1e9;
    result.linkSeconds = linkEndAt / 1e9;
    return result;
}

// Write Several Radios to the first `count` ports: from the click on Write
// in the dialog until every port has ended.
Result WindowSeveral(int count)
{
    MemoryLanguageStore store;
    Session session;
    MessageBoxes boxes(session);
    MainWindow window(session, boxes, store);
    window.show();
    window.applyCaptions();
    RadioData data = session.data();
    for (int n = 1; n <= kChannelCount; ++n) {
        data.channels.rx(n) = "146.02500";
        data.channels.name(n) = "WRITE";
    }
    session.takeDecoded(session.image(), std::move(data));

    QElapsedTimer clock;
    Result result;
    int written = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        auto *dialog = window.findChild<QDialog *>(QStringLiteral("FrmWriteSeveral"));
        if (!dialog || QApplication::activeModalWidget() != dialog)
            return;
        poll.stop();
        auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("Ports"));
        for (int row = 0; row < count; ++row)
            table->item(row, 0)->setCheckState(Qt::Checked);
        auto *fleet = dialog->findChild<FleetWrite *>(QStringLiteral("fleet"));
        QObject::connect(fleet, &FleetWrite::finished, dialog, [&, fleet, dialog] {
            result.seconds = clock.nsecsElapsed() / 1e9;
            for (const FleetWrite::Port &port : fleet->ports())
                written += port.holdsImage() ? 1 : 0;
            dialog->close();
        });
        clock.start();
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Write")),
                          Qt::LeftButton);
    });
    poll.start(10);
    QTimer::singleShot(60000, &window, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    window.findChild<QAction *>(QStringLiteral("MNWriteSeveral"))->trigger();
    result.done = written == count;
    result.linkSeconds = result.seconds;
    return result;
}

// One transfer in this program: `kind` is read, write, verify (a write with
// verify after write) or busy-read (a read while the window moves) of the
// window program, link-read, link-write, or several-N (Write Several Radios
// to N radios).
Result RunOnce(const QString &kind)
{
    if (kind.startsWith(QLatin1String("several-"))) {
        const int count = kind.mid(8).toInt();
        std::vector<std::unique_ptr<bench::RadioThread>> radios;
        QStringList devices;
        for (int i = 0; i < count; ++i) {
            radios.push_back(
                std::make_unique<bench::RadioThread>(true, [](RadioSimulator::Memory &) {}));
            devices << radios.back()->device();
        }
        qputenv("Q731_PORTS", devices.join(QLatin1Char(':')).toLocal8Bit());
        Result result = WindowSeveral(count);
        // The radios run side by side: the longest wire time is the line's.
        for (const auto &radio : radios)
            result.wireSeconds = std::max(result.wireSeconds, radio->wireSeconds());
        return result;
    }
    bench::RadioThread radio(true, [](RadioSimulator::Memory &memory) {
        // A memory the read decodes into something: band 0, every channel set.
        RadioData data;
        data.options.resetToNew(136, 174);
        for (int n = 1; n <= kChannelCount; ++n) {
            data.channels.rx(n) = "145.12500";
            data.channels.tx(n) = "145.72500";
            data.channels.name(n) = "CH";
        }
        RadioImage image{};
        EncodeImage(data, image);
        std::copy_n(image.begin(), kRadioMemorySize, memory.begin());
    });
    qputenv("Q731_PORTS", radio.device().toLocal8Bit());

    Result result;
    const bool write = kind == QLatin1String("write") || kind == QLatin1String("verify") ||
                       kind == QLatin1String("link-write");
    if (kind.startsWith(QLatin1String("link-"))) {
        RadioImage image{};
        for (std::size_t i = 0; i < kRadioMemorySize; ++i)
            image[i] = static_cast<std::uint8_t>(i * 11);
        const bench::LinkRun run = bench::RunLinkTransfer(radio.device(), image, write);
        result.done = run.done(write);
        result.seconds = result.linkSeconds = run.seconds;
    } else {
        result = WindowTransfer(write, kind == QLatin1String("verify"),
                                kind == QLatin1String("busy-read"));
    }
    result.wireSeconds = radio.wireSeconds();
    return result;
}

// Runs this tool again for one transfer and reads its figures.
std::optional<Result> RunInOwnProgram(const QString &kind)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--run"), kind});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        // Qt's own notes on the offscreen platform are no news; a failure's are.
        std::fputs(process.readAllStandardError().constData(), stderr);
        return std::nullopt;
    }
    const QStringList figures = QString::fromLatin1(process.readAllStandardOutput()).split(' ');
    if (figures.size() != 3)
        return std::nullopt;
    return Result{true, figures[0].toDouble(), figures[1].toDouble(), figures[2].toDouble()};
}

// Prints the median run (by ratio) and returns its ratio, 0 when runs failed.
double Report(const char *name, std::vector<Result> runs)
{
    if (runs.size() < kRuns) {
        std::printf("%-34s FAILED\n", name);
        return 0;
    }
    std::sort(runs.begin(), runs.end(), [](const Result &a, const Result &b) {
        return a.seconds / a.wireSeconds < b.seconds / b.wireSeconds;
    });
    const Result &median = runs[runs.size() / 2];
    std::printf("%-34s %6.3f s   wire time %6.3f s   ratio %.4f   (%.4f .. %.4f)", name,
                median.seconds, median.wireSeconds, median.seconds / median.wireSeconds,
                runs.front().seconds / runs.front().wireSeconds,
                runs.back().seconds / runs.back().wireSeconds);
    // In the window program: the same up to the link's own end.
    std::vector<double> linkRatios;
    for (const Result &r : runs)
        linkRatios.push_back(r.linkSeconds / r.wireSeconds);
    std::sort(linkRatios.begin(), linkRatios.end());
    if (median.linkSeconds != median.seconds)
        std::printf("   link's end: ratio %.4f", linkRatios[linkRatios.size() / 2]);
    std::printf("\n");
    return median.seconds / median.wireSeconds;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--run") {
        const QString kind = QString::fromLocal8Bit(argv[2]);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // The command line has no widgets.
        std::unique_ptr<QCoreApplication> app;
        if (kind.startsWith(QLatin1String("link-")))
            app = std::make_unique<QCoreApplication>(argc, argv);
        else
            app = std::make_unique<QApplication>(argc, argv);
        const Result r = RunOnce(kind);
        if (!r.done)
            return 1;
        std::printf("%.6f %.6f %.6f", r.seconds, r.wireSeconds, r.linkSeconds);
        return 0;
    }
    QCoreApplication app(argc, argv);
    // The machine's load changes by the minute: the kinds take turns, so
    // that each median comes from the same stretch of time.
    struct Kind
    {
        const char *name;
        QString kind;
        std::vector<Result> runs;
        double ratio = 0;
    };
    Kind kinds[] = {
        {"window read, paced", QStringLiteral("read"), {}},
        {"serial link read, paced", QStringLiteral("link-read"), {}},
        {"window write, paced", QStringLiteral("write"), {}},
        {"serial link write, paced", QStringLiteral("link-write"), {}},
        {"window read, window moving, paced", QStringLiteral("busy-read"), {}},
        {"window write several, 1 radio", QStringLiteral("several-1"), {}},
        {"window write several, 4 radios", QStringLiteral("several-4"), {}},
    };
    const QString platform = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                                 ? QStringLiteral("offscreen")
                                 : qEnvironmentVariable("QT_QPA_PLATFORM");
    std::printf("window_link_bench: the window program (platform %s) from the key press to the "
                "success box, and the serial link alone as q731-cli runs it; median of %zu "
                "programs each\n",
                qPrintable(platform), kRuns);
    std::fflush(stdout);
    bool ok = true;
    for (std::size_t i = 0; i < kRuns; ++i) {
        for (Kind &k : kinds) {
            if (const std::optional<Result> r = RunInOwnProgram(k.kind))
                k.runs.push_back(*r);
            else
                ok = false;
        }
    }
    for (Kind &k : kinds)
        k.ratio = Report(k.name, k.runs);
    // What the window program adds to the serial link alone.
    if (kinds[0].ratio > 0 && kinds[1].ratio > 0 && kinds[2].ratio > 0 && kinds[3].ratio > 0)
        std::printf("window / serial link alone: read %.4f, write %.4f\n",
                    kinds[0].ratio / kinds[1].ratio, kinds[2].ratio / kinds[3].ratio);
    // Four radios at once against one: the time, not the ratio, is what a
    // dealer waits for.
    const auto medianSeconds = [](std::vector<Result> runs) {
        std::sort(runs.begin(), runs.end(),
                  [](const Result &a, const Result &b) { return a.seconds < b.seconds; });
        return runs.empty() ? 0.0 : runs[runs.size() / 2].seconds;
    };
    const double one = medianSeconds(kinds[5].runs), four = medianSeconds(kinds[6].runs);
    if (one > 0 && four > 0)
        std::printf("write several: 4 radios take %.4f times the time of 1 (%.3f s / %.3f s)\n",
                    four / one, four, one);
    return ok ? 0 : 1;
}
