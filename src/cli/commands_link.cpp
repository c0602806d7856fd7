// The commands that talk to radios: read and write.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/port_names.h"
#include "cli/port_transfer.h"
#include "cli/trace_log.h"
#include "image/codec.h"
#include "link/link_messages.h"
#include "link/write_verify.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <optional>

namespace q731::cli {

namespace {

using Result = PortTransfer::Result;

QString CommunicationError(const Console &c)
{
    return c.tr(LinkMessage::kCommunicationError.chinese, LinkMessage::kCommunicationError.english);
}

int ExitCodeOf(Result result)
{
    switch (result) {
    case Result::Completed:
        return ExitDone;
    case Result::BandRefused:
        return ExitRefused;
    case Result::Running:
    case Result::PortInvalid:
    case Result::Silence:
    case Result::BadReply:
    case Result::PortLost:
        break;
    }
    return ExitCommunicationError;
}

QString OpenErrorText(const Console &c, SerialLink::OpenError error)
{
    switch (error) {
    case SerialLink::OpenError::None:
        break;
    case SerialLink::OpenError::Missing:
        return c.tr("（没有这个设备）", " (no such device)");
    case SerialLink::OpenError::Unusable:
        return c.tr("（已被其它程序使用或被驱动拒绝）",
                    " (held by another program or refused by the driver)");
    case SerialLink::OpenError::PermissionDenied:
        return c.tr("（没有权限，例如不在 dialout 组）",
                    " (permission denied, e.g. not in the dialout group)");
    }
    return {};
}

// The failure of one port as one line; empty for a success.
QString FailureText(const Console &c, const PortTransfer &t)
{
    switch (t.result()) {
    case Result::Completed:
    case Result::Running:
        return {};
    case Result::PortInvalid:
        return c.tr("串行端口无效", "The serial port is invalid") + OpenErrorText(c, t.openError());
    case Result::Silence:
        return CommunicationError(c);
    case Result::BadReply:
        return CommunicationError(c) +
               c.tr("（对讲机的回答有误）", " (wrong reply from the radio)");
    case Result::PortLost:
        return c.tr(LinkMessage::kConnectionLost.chinese, LinkMessage::kConnectionLost.english);
    case Result::BandRefused:
        return c.tr("频段不符，不能写入！",
                    "The frequency band is not accorded with, can't write into!");
    }
    return {};
}

// "block n of 192" for every port on one line, redrawn in place, only when
// stderr is a terminal.
class ProgressLine
{
public:
    ProgressLine(const Console &console, bool enabled)
        : m_console(console)
        , m_enabled(enabled && console.stderrIsTerminal())
    {
    }

    void draw(const std::vector<std::unique_ptr<PortTransfer>> &transfers)
    {
        if (!m_enabled)
            return;
        QString line;
        for (const auto &t : transfers) {
            constexpr int kWidth = 20;
            const int filled = t->block() * kWidth / 192;
            line += QStringLiteral("%1 [%2%3] %4/192  ")
                        .arg(t->device(), QString(filled, QLatin1Char('#')),
                             QString(kWidth - filled, QLatin1Char('.')))
                        .arg(t->block(), 3);
        }
        m_console.status(QLatin1Char('\r') + line);
        m_drawn = true;
    }

    void end()
    {
        if (m_drawn)
            m_console.status(QStringLiteral("\n"));
        m_drawn = false;
    }

private:
    const Console &m_console;
    bool m_enabled;
    bool m_drawn = false;
};

struct PortArgument
{
    QString text;   // as given
    QString device; // what is opened
};

// Resolves every PORT; a usage error for a number outside 1..16.
std::optional<int> ResolvePorts(const Console &console, const QString &command,
                                const QStringList &texts, std::vector<PortArgument> &ports)
{
    for (const QString &text : texts) {
        const std::optional<ResolvedPort> port = ResolvePort(text);
        if (!port) {
            return UsageError(
                console, command,
                console.tr("端口号 %1 不在 1..16 之内", "port number %1 is not within 1..16")
                    .arg(text));
        }
        for (const PortArgument &earlier : ports) {
            if (!port->device.isEmpty() && earlier.device == port->device)
                return UsageError(
                    console, command,
                    console.tr("端口 %1 出现两次", "port %1 is given twice").arg(text));
        }
        ports.push_back({text, port->device});
    }
    return std::nullopt;
}

QString PortLabel(const PortArgument &port)
{
    return port.text == port.device || port.device.isEmpty()
               ? port.text
               : QStringLiteral("%1 (%2)").arg(port.text, port.device);
}

} // namespace

int RunRead(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("read"),
                     console.tr("读取 PORT 上的对讲机，按收到的原样存为数据文件 FILE。",
                                "Reads the radio on PORT and stores the image exactly as "
                                "received in the data file FILE."));
    line.addPositional(QStringLiteral("PORT"),
                       console.tr("设备路径或端口号 1..16", "Device path or port number 1..16"));
    line.addPositional(QStringLiteral("FILE"),
                       console.tr("要写入的数据文件", "Data file to write"));
    AddTraceOption(console, line);
    if (const auto done = line.parse(arguments, 2, 2))
        return *done;
    std::vector<PortArgument> ports;
    if (const auto done =
            ResolvePorts(console, QStringLiteral("read"), {line.positional()[0]}, ports))
        return *done;
    TraceLog trace;
    if (const auto done = OpenTrace(console, line, trace))
        return *done;

    QEventLoop loop;
    std::vector<std::unique_ptr<PortTransfer>> transfers;
    transfers.push_back(std::make_unique<PortTransfer>(ports[0].device, &trace));
    PortTransfer &transfer = *transfers[0];
    ProgressLine progress(console, true);
    QObject::connect(&transfer, &PortTransfer::progressed, &loop,
                     [&progress, &transfers] { progress.draw(transfers); });
    QObject::connect(&transfer, &PortTransfer::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    QTimer::singleShot(0, &transfer, [&transfer] { transfer.startRead(); });
    loop.exec();
    progress.end();

    if (transfer.result() != Result::Completed) {
        // Nothing is stored: a partial image is no backup.
        console.error(
            QStringLiteral("%1: %2").arg(PortLabel(ports[0]), FailureText(console, transfer)));
        return ExitCodeOf(transfer.result());
    }
    if (const int code = SaveImageFile(console, line.positional()[1], transfer.image()))
        return code;
    console.printLine(QStringLiteral("%1: %2").arg(
        PortLabel(ports[0]), console.tr("读频成功！", "Reading succeeds frequently!")));
    return ExitDone;
}

int RunWrite(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("write"),
                     console.tr("打开数据文件 FILE，写入每个 PORT 上的对讲机。",
                                "Opens the data file FILE and writes it to the radio on "
                                "every PORT, all at once."));
    line.addPositional(QStringLiteral("PORT"),
                       console.tr("设备路径或端口号 1..16，可以多个",
                                  "Device path or port number 1..16, one or more"),
                       QStringLiteral("PORT..."));
    line.addPositional(QStringLiteral("FILE"), console.tr("数据文件", "Data file"));
    line.addFlag(QStringLiteral("force-band"),
                 console.tr("频段不符时仍然写入", "Write even when the radio's band differs"));
    line.addFlag(QStringLiteral("calibration"),
                 console.tr("同时写入校准值", "Write the calibration levels as well"));
    line.addFlag(QStringLiteral("verify"),
                 console.tr("写入后读回并比较", "Read the radio back afterwards and compare"));
    AddTraceOption(console, line);
    if (const auto done = line.parse(arguments, 2, -1))
        return *done;
    QStringList texts = line.positional();
    const QString file = texts.takeLast();
    std::vector<PortArgument> ports;
    if (const auto done = ResolvePorts(console, QStringLiteral("write"), texts, ports))
        return *done;

    RadioData data = FreshRadioData();
    if (const int code = OpenDataFile(console, file, data))
        return code;
    RadioImage image{};
    EncodeImage(data, image);
    TraceLog trace;
    if (const auto done = OpenTrace(console, line, trace))
        return *done;
    const bool forceBand = line.isSet(QStringLiteral("force-band"));
    const bool calibration = line.isSet(QStringLiteral("calibration"));
    const bool verify = line.isSet(QStringLiteral("verify"));

    QEventLoop loop;
    ProgressLine progress(console, true);
    std::vector<std::unique_ptr<PortTransfer>> transfers;
    // Per port: the write's result, then (with --verify) what the read found.
    std::vector<std::optional<Result>> writeResults(ports.size());
    std::vector<std::vector<ByteDifference>> differences(ports.size());
    std::size_t open = ports.size();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        transfers.push_back(std::make_unique<PortTransfer>(ports[i].device, &trace));
        PortTransfer *t = transfers.back().get();
        QObject::connect(t, &PortTransfer::progressed, &loop,
                         [&progress, &transfers] { progress.draw(transfers); });
        QObject::connect(t, &PortTransfer::finished, &loop, [&, i, t] {
            if (!writeResults[i]) {
                writeResults[i] = t->result();
                if (verify && t->result() == Result::Completed) {
                    QTimer::singleShot(0, t, [t] { t->startRead(); });
                    return;
                }
            } else if (t->result() == Result::Completed) {
                differences[i] = CompareWritten(image, t->image(), calibration);
            }
            if (--open == 0)
                loop.quit();
        });
    }
    QTimer::singleShot(0, &loop, [&] {
        for (auto &t : transfers)
            t->startWrite(image, data.bandIndex, forceBand, calibration);
    });
    loop.exec();
    progress.end();

    int exitCode = ExitDone;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const PortTransfer &t = *transfers[i];
        const QString label = PortLabel(ports[i]);
        int code = ExitCodeOf(*writeResults[i]);
        QString failure;
        if (code != ExitDone) {
            failure = FailureText(console, t);
        } else if (verify && t.result() != Result::Completed) {
            code = ExitCodeOf(t.result());
            failure = console.tr("写入完成，但读回失败：", "written, but reading back failed: ") +
                      FailureText(console, t);
        } else if (verify && !differences[i].empty()) {
            const ByteDifference &first = differences[i].front();
            QStringList fields;
            for (const std::string &field : DifferingFields({&first, 1}, console.language()))
                fields << FromUtf8(field);
            code = ExitCommunicationError;
            failure = console
                          .tr("校验不符：字节 %1 (0x%2) 写入 0x%3，读回 0x%4（%5）",
                              "verify failed: byte %1 (0x%2) written 0x%3, read back 0x%4 (%5)")
                          .arg(first.address)
                          .arg(first.address, 4, 16, QLatin1Char('0'))
                          .arg(first.written, 2, 16, QLatin1Char('0'))
                          .arg(first.readBack, 2, 16, QLatin1Char('0'))
                          .arg(fields.join(console.tr("、", ", ")));
        }
        if (code == ExitDone) {
            QString text = console.tr("写频成功！", "Writing succeeds frequently!");
            if (verify)
                text += console.tr(" 已校验", " verified");
            console.printLine(QStringLiteral("%1: %2").arg(label, text));
        } else {
            console.error(QStringLiteral("%1: %2").arg(label, failure));
            if (exitCode == ExitDone)
                exitCode = code;
        }
    }
    return exitCode;
}

} // namespace q731::cli
