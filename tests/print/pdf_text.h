#pragma once

// Reads a PDF back as text with pdftotext (Debian poppler-utils); pages are
// separated by form feeds. Page counts and sizes are read from the PDF itself.

#include <QFile>
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

// The PDF's own bytes; empty when it cannot be read.
inline QByteArray PdfBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The number of pages, counted from the page objects the PDF holds ("/Type
// /Page", not the page tree's "/Type /Pages"), so that it needs no PDF tool.
inline int PdfPageCount(const QString &path)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(PdfBytes(path))); it.hasNext(); it.next())
        ++count;
    return count;
}

// The first page's size in points from its /MediaBox, written as pdfinfo
// writes it ("595 x 842", "595.28 x 841.89"); empty when there is none.
inline QString PdfPageSize(const QString &path)
{
    static const QRegularExpression box(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)\\s+([-0-9.]+)\\s*\\]"));
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(PdfBytes(path)));
    if (!match.hasMatch())
        return {};
    const double width = match.captured(3).toDouble() - match.captured(1).toDouble();
    const double height = match.captured(4).toDouble() - match.captured(2).toDouble();
    return QStringLiteral("%1 x %2").arg(QString::number(width), QString::number(height));
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
