#include "marked_text.h"

#include <cstring>

namespace q731 {

namespace {

bool SameText(const char *a, const char *b)
{
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

} // namespace

bool MarkedText::Argument::operator==(const Argument &other) const
{
    return SameText(text, other.text) && (text || number == other.number);
}

bool MarkedText::operator==(const MarkedText &other) const
{
    return SameText(context, other.context) && SameText(pattern, other.pattern) &&
           arguments == other.arguments;
}

std::string MarkedText::source() const
{
    // The arguments fill the lowest-numbered markers in order, as
    // QString::arg does; the patterns use %1..%9 at most once each.
    std::string out = pattern;
    std::size_t next = 0;
    for (int marker = 1; marker <= 9 && next < arguments.size(); ++marker) {
        const std::string tag = "%" + std::to_string(marker);
        const std::size_t at = out.find(tag);
        if (at == std::string::npos)
            continue;
        const Argument &argument = arguments[next++];
        out.replace(at, tag.size(),
                    argument.text ? std::string(argument.text) : std::to_string(argument.number));
    }
    return out;
}

} // namespace q731
