#include "console.h"

#include "session/qt_translations.h"

#include <QList>

#include <algorithm>
#include <cstdio>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace q731::cli {

namespace {

#ifdef Q_OS_WIN
// The console of `stream` (stdout or stderr), or null when the stream goes to
// a file, a pipe or the null device.
HANDLE ConsoleOf(FILE *stream)
{
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)
               ? handle
               : nullptr;
}
#endif

// A console on Windows is given the text as UTF-16: bytes there are read in
// the console's code page (936 on a Chinese system), in which UTF-8 is
// garbage. A file or a pipe gets UTF-8 everywhere.
void Write(FILE *stream, const QString &text)
{
#ifdef Q_OS_WIN
    if (const HANDLE console = ConsoleOf(stream)) {
        std::fflush(stream); // bytes written before stay before
        const auto *chars = reinterpret_cast<const wchar_t *>(text.utf16());
        qsizetype left = text.size();
        while (left > 0) {
            DWORD written = 0;
            const auto chunk = static_cast<DWORD>(std::min<qsizetype>(left, 8192));
            if (!WriteConsoleW(console, chars, chunk, &written, nullptr) || written == 0)
                return;
            chars += written;
            left -= written;
        }
        return;
    }
#endif
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

QString Console::translate(const char *context, const char *source) const
{
    return TextIn(m_language, context, source);
}

void Console::print(const QString &text) const
{
    Write(stdout, text);
}

void Console::error(const QString &text) const
{
    status(text + QLatin1Char('\n'));
}

void Console::status(const QString &text) const
{
    Write(stderr, text);
}

bool Console::stderrIsTerminal() const
{
#ifdef Q_OS_WIN
    // _isatty() is also true for the null device, which shows no progress.
    return ConsoleOf(stderr) != nullptr;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

QString FromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString TerminalSafeJson(const QString &json)
{
    QString out;
    out.reserve(json.size());
    for (const QChar c : json) {
        if (c.unicode() >= 0x7F && c.unicode() <= 0x9F)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

int DisplayWidth(const QString &text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        // East Asian wide ranges that our texts use (CJK, full-width forms).
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

QString PadRight(const QString &text, int width)
{
    const int missing = width - DisplayWidth(text);
    return missing > 0 ? text + QString(missing, QLatin1Char(' ')) : text;
}

} // namespace q731::cli
