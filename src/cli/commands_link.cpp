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
#include "session/qt_translations.h"

#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <optional>

namespace q731::cli {

namespace {

using Result = PortTransfer::Result;

QString CommunicationError(const Console &c)
{
    return c.translate("LinkMessage", LinkMessage::kCommunicationError);
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
        return c.translate("Cli", "（没有这个设备）");
    case SerialLink::OpenError::Unusable:
        return c.translate("Cli", "（已被其它程序使用或被驱动拒绝）");
    case SerialLink::OpenError::PermissionDenied:
        return c.translate("Cli", "（没有权限，例如不在 dialout 组）");
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
        return c.translate("Cli", "串行端口无效") + OpenErrorText(c, t.openError());
    case Result::Silence:
        return CommunicationError(c);
    case Result::BadReply:
        return CommunicationError(c) + c.translate("Cli", "（对讲机的回答有误）");
    case Result::PortLost:
        return c.translate("LinkMessage", LinkMessage::kConnectionLost);
    case Result::BandRefused:
        return c.translate("Cli", "频段不符，不能写入！");
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
            return UsageError(console, command,
                              console.translate("Cli", "端口号 %1 不在 1..16 之内").arg(text));
        }
        for (const PortArgument &earlier : ports) {
            if (!port->device.isEmpty() && earlier.device == port->device)
                return UsageError(console, command,
                                  console.translate("Cli", "端口 %1 出现两次").arg(text));
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
    CommandLine line(
        console, QStringLiteral("read"),
        console.translate("Cli", "读取 PORT 上的对讲机，按收到的原样存为数据文件 FILE。"));
    line.addPositional(QStringLiteral("PORT"), console.translate("Cli", "设备路径或端口号 1..16"));
    line.addPositional(QStringLiteral("FILE"), console.translate("Cli", "要写入的数据文件"));
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
    console.printLine(
        QStringLiteral("%1: %2").arg(PortLabel(ports[0]), console.translate("Cli", "读频成功！")));
    return ExitDone;
}

int RunWrite(const Console &console, const QStringList &arguments)
{
    CommandLine line(console, QStringLiteral("write"),
                     console.translate("Cli", "打开数据文件 FILE，写入每个 PORT 上的对讲机。"));
    line.addPositional(QStringLiteral("PORT"),
                       console.translate("Cli", "设备路径或端口号 1..16，可以多个"),
                       QStringLiteral("PORT..."));
    line.addPositional(QStringLiteral("FILE"), console.translate("Cli", "数据文件"));
    line.addFlag(QStringLiteral("force-band"), console.translate("Cli", "频段不符时仍然写入"));
    line.addFlag(QStringLiteral("calibration"), console.translate("Cli", "同时写入校准值"));
    line.addFlag(QStringLiteral("verify"), console.translate("Cli", "写入后读回并比较"));
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
            failure = console.translate("Cli", "写入完成，但读回失败：") + FailureText(console, t);
        } else if (verify && !differences[i].empty()) {
            const ByteDifference &first = differences[i].front();
            QStringList fields;
            for (const MarkedText &field : DifferingFields({&first, 1}))
                fields << TextIn(console.language(), field);
            code = ExitCommunicationError;
            failure =
                console.translate("Cli", "校验不符：字节 %1 (0x%2) 写入 0x%3，读回 0x%4（%5）")
                    .arg(first.address)
                    .arg(first.address, 4, 16, QLatin1Char('0'))
                    .arg(first.written, 2, 16, QLatin1Char('0'))
                    .arg(first.readBack, 2, 16, QLatin1Char('0'))
                    .arg(fields.join(console.translate("Cli", "、")));
        }
        if (code == ExitDone) {
            QString text = console.translate("Cli", "写频成功！");
            if (verify)
                text += console.translate("Cli", " 已校验");
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
