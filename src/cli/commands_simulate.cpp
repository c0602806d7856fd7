// q731-cli simulate: a simulated radio on a pseudo-terminal, for trying the
// window program without a cable and for the tests.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/trace_log.h"
#include "image/codec.h"

#ifndef Q_OS_WIN
#include "cli/stop_signals.h"
#include "link/pty_radio.h"

#include <QEventLoop>
#include <QSocketNotifier>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <optional>
#include <span>

namespace q731::cli {

namespace {

void AddOptions(const Console &console, CommandLine &line)
{
    line.addValue(QStringLiteral("band"), QStringLiteral("N"),
                  console.translate("Cli", "对讲机的频段 0..7"));
    // --load is the name the radio once had in a program of its own.
    line.parser().addOption(QCommandLineOption({QStringLiteral("image"), QStringLiteral("load")},
                                               console.translate("Cli", "从数据文件取对讲机的存储"),
                                               QStringLiteral("FILE")));
    line.addFlag(QStringLiteral("paced"), console.translate("Cli", "以 9600 波特的速度回答"));
    line.addValue(QStringLiteral("save"), QStringLiteral("FILE"),
                  console.translate("Cli", "每次写入后及结束时把存储存为数据文件"));
    line.addFlag(QStringLiteral("split"),
                 console.translate("Cli", "回答的每个字节单独发送（测试用）"));
    line.addFlag(QStringLiteral("silent"), console.translate("Cli", "从不回答（测试用）"));
    line.addValue(QStringLiteral("stop-after"), QStringLiteral("N"),
                  console.translate("Cli", "N 个数据块后断线（测试用）"));
    line.addFlag(QStringLiteral("ack-flood"),
                 console.translate("Cli", "识别之后不停地发 ACK，什么也不存（测试用）"));
    line.addValue(QStringLiteral("wrong-address"), QStringLiteral("N"),
                  console.translate("Cli", "用下一个数据块回答第 N 个读请求（从 0 起，测试用）"));
    line.addValue(QStringLiteral("corrupt-byte"), QStringLiteral("N"),
                  console.translate("Cli", "写入时把存储字节 N 的最低位存反（0..3071，测试用）"));
    AddTraceOption(console, line);
}

#ifndef Q_OS_WIN
// Serves the radio until a stop signal or the end of the input.
int Serve(const Console &console, const CommandLine &line, const RadioImage &image, int band,
          int stopAfter, int wrongAddress, int corruptByte)
{
    TraceLog trace;
    if (const auto done = OpenTrace(console, line, trace))
        return *done;
    PtyRadio pty;
    RadioSimulator &radio = pty.simulator();
    radio.setBand(band);
    std::copy(image.begin(), image.begin() + kRadioMemorySize, radio.memory().begin());
    pty.setPaced(line.isSet(QStringLiteral("paced")));
    pty.faults().splitReplies = line.isSet(QStringLiteral("split"));
    pty.faults().silent = line.isSet(QStringLiteral("silent"));
    pty.faults().stopAfterBlocks = stopAfter;
    pty.faults().ackFlood = line.isSet(QStringLiteral("ack-flood"));
    pty.faults().otherAddressAtRequest = wrongAddress;
    pty.faults().corruptByte = corruptByte;
    const QString traceName = QStringLiteral("radio");
    QObject::connect(
        &pty, &PtyRadio::traffic, &pty,
        [&trace, &traceName](bool fromProgram, const QByteArray &bytes) {
            trace.record(traceName,
                         fromProgram ? TraceLog::Direction::Received : TraceLog::Direction::Sent,
                         std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size())));
        });
    if (!pty.open()) {
        console.error(console.translate("Cli", "无法建立伪终端：%1").arg(pty.errorString()));
        return ExitCommunicationError;
    }

    const QString savePath = line.value(QStringLiteral("save"));
    std::size_t blocksSaved = 0;
    int saveResult = ExitDone;
    const auto store = [&] {
        blocksSaved = radio.writtenAddresses().size();
        RadioImage memory{};
        std::copy(radio.memory().begin(), radio.memory().end(), memory.begin());
        saveResult = SaveImageFile(console, savePath, memory);
    };
    QEventLoop loop;
    QObject::connect(&pty, &PtyRadio::endReceived, &loop, [&] {
        if (!savePath.isEmpty() && radio.writtenAddresses().size() != blocksSaved)
            store();
    });

    // Stopped by a signal, the radio still stores its memory: the loop ends
    // and the program with it, as when its input closes.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, &loop, &QEventLoop::quit);

    // Standard input ends the simulator when it is a pipe or a terminal that
    // closes; a background job's /dev/null is no signal to stop.
    std::unique_ptr<QSocketNotifier> input;
    struct stat status = {};
    if (::fstat(STDIN_FILENO, &status) == 0 &&
        (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode) || ::isatty(STDIN_FILENO))) {
        input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(input.get(), &QSocketNotifier::activated, &loop, [&loop, &input] {
            char buffer[256];
            if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
                input->setEnabled(false);
                loop.quit();
            }
        });
    }

    console.printLine(QStringLiteral("PORT ") + pty.devicePath());
    loop.exec();
    // However it ends, the memory is stored, also when nothing was written.
    if (!savePath.isEmpty())
        store();
    return saveResult;
}
#endif

} // namespace

int RunSimulate(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("simulate"),
                     console.translate("Cli",
                                       "在伪终端上模拟一台对讲机。第一行输出为 PORT 设备路径；"
                                       "直到被终止或标准输入关闭。"));
    AddOptions(console, line);
    if (const auto done = line.parse(arguments, 0, 0))
        return *done;
    const QString command = QStringLiteral("simulate");
    const std::optional<int> bandOption = BandOption(line, -1);
    if (!bandOption)
        return UsageError(console, command, NoBandText(console));
    const std::optional<int> stopAfter = NumberOption(line, QStringLiteral("stop-after"), -1);
    if (!stopAfter)
        return UsageError(console, command, console.translate("Cli", "--stop-after 需要块数"));
    const std::optional<int> wrongAddress = NumberOption(line, QStringLiteral("wrong-address"), -1);
    if (!wrongAddress)
        return UsageError(console, command,
                          console.translate("Cli", "--wrong-address 需要请求序号"));
    const std::optional<int> corruptByte = NumberOption(line, QStringLiteral("corrupt-byte"), -1,
                                                        static_cast<int>(kRadioMemorySize) - 1);
    if (!corruptByte)
        return UsageError(console, command,
                          console.translate("Cli", "--corrupt-byte 需要 0..3071 的字节地址"));

    // With a file the radio holds its image as stored and its band, unless
    // --band names another; without one, what New gives in the band.
    const bool fromFile = line.isSet(QStringLiteral("image"));
    RadioImage image{};
    int band = 0;
    if (fromFile) {
        RadioData opened = FreshRadioData();
        if (const int code =
                OpenDataFile(console, line.value(QStringLiteral("image")), opened, &image))
            return code;
        band = opened.bandIndex;
    }
    if (*bandOption >= 0)
        band = *bandOption;
    if (!fromFile) {
        RadioData fresh;
        StartNew(fresh, band);
        EncodeImage(fresh, image);
    }
#ifdef Q_OS_WIN
    console.error(console.translate("Cli", "本系统没有伪终端"));
    return ExitCommunicationError;
#else
    return Serve(console, line, image, band, *stopAfter, *wrongAddress, *corruptByte);
#endif
}

} // namespace q731::cli
