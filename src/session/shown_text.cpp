#include "shown_text.h"

#include "image/band_list.h"

#include <QStringList>

namespace q731 {

namespace {

bool NeedsEscape(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString EscapeOf(char32_t c)
{
    if (c <= 0xFF)
        return QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
}

} // namespace

QString Escaped(const QString &text)
{
    return ShortEscaped(text, -1);
}

QString ShortEscaped(const QString &text, int maxLength)
{
    QStringList pieces;
    qsizetype length = 0;
    for (const uint code : text.toUcs4()) {
        const auto c = static_cast<char32_t>(code);
        pieces << (NeedsEscape(c) ? EscapeOf(c) : QString::fromUcs4(&c, 1));
        length += pieces.back().size();
    }
    if (maxLength < 0 || length <= maxLength)
        return pieces.join(QString());
    // Cut before the piece that does not fit with the ellipsis: an escape is
    // never cut in two.
    QString out;
    for (const QString &piece : pieces) {
        if (out.size() + piece.size() > maxLength - 1)
            break;
        out += piece;
    }
    return out + QStringLiteral("…");
}

QString BandName(int bandIndex)
{
    if (bandIndex < 0 || bandIndex >= static_cast<int>(kBandItems.size()))
        return {};
    const std::string_view band = kBandItems[static_cast<std::size_t>(bandIndex)];
    return QString::fromLatin1(band.data(), static_cast<qsizetype>(band.size()));
}

} // namespace q731
