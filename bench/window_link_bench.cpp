// Read and Write of the window program as a user meets them: the real main
// window on the offscreen platform, a real Ctrl+R / Ctrl+W key press, timed
// until the success box is there (answered through the message boxes'
// answerer). The simulated radio, paced at 9600 8N1, is served from a thread
// of its own as a real radio is a device of its own. The ratio of the time
// taken to the wire time of the bytes exchanged is what the window program
// adds to the line.
//
// Every run is a program of its own (this tool started again with --run), so
// each transfer is the first of its program, as after a start: nothing that
// the first progress window or message box loads is there yet.

#include "app/main_window.h"
#include "image/codec.h"
#include "link/pty_radio.h"
#include "link/transfer_controller.h"
#include "session/language_store.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

using namespace q731;

namespace {

constexpr int kRuns = 5;

class MemoryLanguageStore : public LanguageStore
{
public:
    std::optional<QByteArray> readValue() override { return std::nullopt; }
    void writeValue(const QByteArray &) override {}
};

struct Result
{
    bool done = false;
    double seconds = 0;
    double wireSeconds = 0;
};

// One transfer in this program: "read", "write" or "verify" (write with
// verify after write).
Result RunOnce(const QString &kind)
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
            radio->setPaced(true);
            // A memory the read decodes into something: band 0, every channel set.
            RadioData data;
            data.options.StartForm(136, 174);
            for (int n = 1; n <= kChannelCount; ++n) {
                data.channels.rx(n) = "145.12500";
                data.channels.tx(n) = "145.72500";
                data.channels.name(n) = "CH";
            }
            RadioImage image{};
            EncodeImage(data, image);
            std::copy_n(image.begin(), kRadioMemorySize, radio->simulator().memory().begin());
            device = radio->devicePath();
        },
        Qt::BlockingQueuedConnection);
    qputenv("Q731_PORTS", device.toLocal8Bit());

    Result result;
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
        for (int n = 1; n <= kChannelCount; ++n) {
            session.data().channels.rx(n) = "146.02500";
            session.data().channels.name(n) = "WRITE";
        }
        if (kind == QLatin1String("verify")) {
            if (QAction *verify = window.action("MNVerify"))
                verify->setChecked(true);
        }

        QEventLoop loop;
        LinkProtocol::Outcome outcome = LinkProtocol::Outcome::None;
        QObject::connect(window.transfers(), &TransferController::transferEnded, &loop,
                         [&](LinkProtocol::Outcome o) {
                             outcome = o;
                             loop.quit();
                         });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        const Qt::Key key = kind == QLatin1String("read") ? Qt::Key_R : Qt::Key_W;
        clock.start();
        QTest::keyClick(&window, key, Qt::ControlModifier);
        loop.exec();
        result.done = boxAt >= 0 && (outcome == LinkProtocol::Outcome::ReadCompleted ||
                                     outcome == LinkProtocol::Outcome::WriteCompleted);
        result.seconds = boxAt / 1e9;
    }

    std::int64_t bytes = 0;
    QMetaObject::invokeMethod(
        &inThread,
        [&] {
            // Each end byte is sent as its transfer ends; nobody waits for it.
            bytes = radio->bytesFromProgram() + radio->bytesToProgram() -
                    radio->simulator().endsReceived();
            delete radio;
        },
        Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
    result.wireSeconds = bytes * std::chrono::duration<double>(PtyRadio::kByteTime).count();
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
    if (figures.size() != 2)
        return std::nullopt;
    return Result{true, figures[0].toDouble(), figures[1].toDouble()};
}

bool Report(const char *name, const QString &kind)
{
    std::vector<Result> runs;
    for (int i = 0; i < kRuns; ++i) {
        const std::optional<Result> r = RunInOwnProgram(kind);
        if (!r) {
            std::printf("%-22s FAILED\n", name);
            return false;
        }
        runs.push_back(*r);
    }
    std::sort(runs.begin(), runs.end(), [](const Result &a, const Result &b) {
        return a.seconds / a.wireSeconds < b.seconds / b.wireSeconds;
    });
    const Result &median = runs[runs.size() / 2];
    std::printf("%-22s %7.3f s   wire time %6.3f s   ratio %.4f   (%d runs: %.4f .. %.4f)\n", name,
                median.seconds, median.wireSeconds, median.seconds / median.wireSeconds, kRuns,
                runs.front().seconds / runs.front().wireSeconds,
                runs.back().seconds / runs.back().wireSeconds);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--run") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        const Result r = RunOnce(QString::fromLocal8Bit(argv[2]));
        if (!r.done)
            return 1;
        std::printf("%.6f %.6f", r.seconds, r.wireSeconds);
        return 0;
    }
    QCoreApplication app(argc, argv);
    bool ok = true;
    std::printf("window_link_bench: key press to success box in the window program, median "
                "of %d programs\n",
                kRuns);
    ok &= Report("window read, paced", QStringLiteral("read"));
    ok &= Report("window write, paced", QStringLiteral("write"));
    return ok ? 0 : 1;
}
