#pragma once

// Texts of the core that the user reads. The core picks no language: it
// gives the source text (Chinese), marked with Q731_TRANSLATE_NOOP so that
// lupdate finds it, and a layer that knows the user's language translates
// it (session/qt_translations.h).

#include <string>
#include <vector>

#define Q731_TRANSLATE_NOOP(context, text) text

namespace q731 {

// `pattern` with %1, %2, ... replaced in order by `arguments`. The pattern and
// every text argument are marked texts of `context`; a number argument is
// written as it is.
struct MarkedText
{
    struct Argument
    {
        const char *text = nullptr; // a marked text, or nullptr for `number`
        int number = 0;

        bool operator==(const Argument &other) const;
    };

    const char *context = "";
    const char *pattern = "";
    std::vector<Argument> arguments;

    // The text in the source language.
    std::string source() const;

    bool operator==(const MarkedText &other) const;
};

} // namespace q731
