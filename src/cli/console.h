#pragma once

// What every command shares: the message language, the two output streams
// and the exit codes that scripts test.

#include "image/language.h"
#include "session/shown_text.h"

#include <QString>

#include <string>

namespace q731::cli {

enum ExitCode {
    ExitDone = 0,
    ExitUsage = 1,
    ExitFileError = 2,
    ExitCommunicationError = 3,
    ExitRefused = 4,
};

class Console
{
public:
    explicit Console(Language language)
        : m_language(language)
    {
    }

    Language language() const { return m_language; }
    // `source` of `context` in the console's language.
    QString translate(const char *context, const char *source) const;

    // To stdout, flushed, so that a reading script sees each line at once: UTF-8
    // to a file or a pipe, the characters themselves to a Windows console.
    void print(const QString &text) const;
    void printLine(const QString &text) const { print(text + QLatin1Char('\n')); }
    // One line on stderr.
    void error(const QString &text) const;
    // Raw text on stderr, for the progress line.
    void status(const QString &text) const;
    bool stderrIsTerminal() const;

private:
    Language m_language;
};

QString FromUtf8(const std::string &text);

// JSON text whose DEL and C1 characters are written as \u escapes: the same
// JSON value, but none of those raw bytes reaches a terminal.
QString TerminalSafeJson(const QString &json);

// Terminal columns a text takes: wide (CJK) characters count two.
int DisplayWidth(const QString &text);
// `text` followed by spaces up to `width` columns.
QString PadRight(const QString &text, int width);

} // namespace q731::cli
