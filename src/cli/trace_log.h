#pragma once

// --trace: every byte on the line with a millisecond time stamp and its
// direction, as a hex dump, for finding out what a cable or a radio does.

#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace q731::cli {

class CommandLine;
class Console;

class TraceLog
{
public:
    enum class Direction { Sent, Received };

    // False (with the reason in errorString()) when the file cannot be created.
    bool open(const QString &path);
    bool isOpen() const { return m_file.isOpen(); }
    QString errorString() const { return m_file.errorString(); }

    // One line per 16 bytes: time in ms, port, ">" sent / "<" received,
    // hex, then the printable characters.
    void record(const QString &port, Direction direction, std::span<const std::uint8_t> bytes);
    void note(const QString &port, const QString &text);

private:
    QString stamp() const;

    QFile m_file;
    QElapsedTimer m_clock;
};

// --trace FILE, as read, write and simulate take it.
void AddTraceOption(const Console &console, CommandLine &line);
// Opens the file that --trace names, when it is given; the exit code to end
// with (the reason on stderr) when it cannot be written.
std::optional<int> OpenTrace(const Console &console, const CommandLine &line, TraceLog &trace);

} // namespace q731::cli
