#include "console.h"

#include <QList>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define q731_isatty _isatty
#define q731_fileno _fileno
#else
#include <unistd.h>
#define q731_isatty isatty
#define q731_fileno fileno
#endif

namespace q731::cli {

QString Console::tr(const char *chinese, const char *english) const
{
    return QString::fromUtf8(m_language == Language::English ? english : chinese);
}

void Console::print(const QString &text) const
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void Console::error(const QString &text) const
{
    status(text + QLatin1Char('\n'));
}

void Console::status(const QString &text) const
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

bool Console::stderrIsTerminal() const
{
    return q731_isatty(q731_fileno(stderr)) != 0;
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
