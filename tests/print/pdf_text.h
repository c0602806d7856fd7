#pragma once

// Reads a PDF back as text with pdftotext (Debian poppler-utils); pages are
// separated by form feeds.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace q731::testing {

inline QString PdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    // The CJK font draws some ideographs with the glyph of their radical
    // form, and the PDF's text then names the radical (示 as U+2F70, 页 as
    // U+2EDA): fold them back.
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .replace(QChar(0x2EDA), QStringLiteral("页"));
}

inline QStringList PdfPages(const QString &path)
{
    QStringList pages = PdfText(path).split(QLatin1Char('\f'));
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
