#pragma once

// Reads a PDF back as text with pdftotext (Debian poppler-utils); pages are
// separated by form feeds.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace q731::testing {

// The text as pdftotext extracts it, with nothing folded: a character that
// the PDF names wrongly (a CJK radical for an ideograph) stays wrong.
// `-layout` keeps the page's columns, `-raw` the order the text was painted in.
inline QString PdfText(const QString &path, const QString &mode = QStringLiteral("-layout"))
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {mode, path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The CJK radicals (U+2E80..U+2FDF) in `text`: what a reader finds and copies
// where the PDF's font maps an ideograph's glyph to its radical.
inline QString Radicals(const QString &text)
{
    QString found;
    for (QChar c : text) {
        if (c.unicode() >= 0x2E80 && c.unicode() <= 0x2FDF)
            found += c;
    }
    return found;
}

// `text` without any white space: pdftotext places spaces and line ends by
// the layout, the characters are what counts.
inline QString Squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}

inline QStringList PdfPages(const QString &path, const QString &mode = QStringLiteral("-layout"))
{
    QStringList pages = PdfText(path, mode).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The page size in points, as pdfinfo reports it ("595.28 x 841.89").
inline QString PdfPageSize(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished(60000))
        return {};
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+ x [0-9.]+)")).match(info);
    return match.captured(1);
}

// Where each text is found in `text`, each after the one before; -1 from the
// first that is missing or out of order on.
inline int FirstOutOfOrder(const QString &text, const QStringList &expected)
{
    qsizetype from = 0;
    for (int i = 0; i < expected.size(); ++i) {
        const qsizetype at = text.indexOf(expected.at(i), from);
        if (at < 0)
            return i;
        from = at + expected.at(i).size();
    }
    return -1;
}

} // namespace q731::testing
