#include "trace_log.h"

#include "cli/command_line.h"

namespace q731::cli {

bool TraceLog::open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    m_clock.start();
    return true;
}

QString TraceLog::stamp() const
{
    const qint64 ms = m_clock.elapsed();
    return QStringLiteral("%1.%2").arg(ms / 1000, 6).arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

void TraceLog::record(const QString &port, Direction direction, std::span<const std::uint8_t> bytes)
{
    if (!m_file.isOpen() || bytes.empty())
        return;
    const QString lead =
        stamp() + QLatin1Char(' ') + port +
        (direction == Direction::Sent ? QStringLiteral(" > ") : QStringLiteral(" < "));
    constexpr std::size_t kPerLine = 16;
    QString text;
    for (std::size_t start = 0; start < bytes.size(); start += kPerLine) {
        const std::size_t end = std::min(bytes.size(), start + kPerLine);
        QString hex;
        QString chars;
        for (std::size_t i = start; i < end; ++i) {
            hex += QStringLiteral("%1 ").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper();
            chars += bytes[i] >= 0x20 && bytes[i] < 0x7F ? QChar(bytes[i]) : QLatin1Char('.');
        }
        text += lead + hex.leftJustified(3 * kPerLine) + QLatin1Char('|') + chars +
                QStringLiteral("|\n");
    }
    m_file.write(text.toUtf8());
    m_file.flush();
}

void TraceLog::note(const QString &port, const QString &text)
{
    if (!m_file.isOpen())
        return;
    m_file.write(
        (stamp() + QLatin1Char(' ') + port + QStringLiteral(" # ") + text + QLatin1Char('\n'))
            .toUtf8());
    m_file.flush();
}

void AddTraceOption(const Console &console, CommandLine &line)
{
    line.addValue(QStringLiteral("trace"), QStringLiteral("FILE"),
                  console.translate("Cli", "把收发的每个字节记录到 FILE"));
}

std::optional<int> OpenTrace(const Console &console, const CommandLine &line, TraceLog &trace)
{
    if (!line.isSet(QStringLiteral("trace")))
        return std::nullopt;
    const QString path = line.value(QStringLiteral("trace"));
    if (trace.open(path))
        return std::nullopt;
    console.error(console.translate("Cli", "无法写入文件 %1：%2").arg(path, trace.errorString()));
    return ExitFileError;
}

} // namespace q731::cli
