#pragma once

// Reads a PDF back as text the way a PDF reader finds it: the characters the
// PDF's own fonts name for the glyphs painted (their ToUnicode maps), so that
// a glyph named wrongly stays wrong. It reads the PDFs Qt writes (one
// uncompressed cross-reference table, Flate-compressed page contents) with no
// PDF tool, on every system the tests run on. Pages are separated by form
// feeds.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace q731::testing {

namespace pdf_detail {

class PdfFile
{
public:
    explicit PdfFile(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {
        readCrossReferences();
    }

    bool valid() const { return !m_offsets.isEmpty(); }
    const QByteArray &bytes() const { return m_bytes; }

    // An object's text up to its stream or its end.
    QByteArray object(int number) const
    {
        const qsizetype at = m_offsets.value(number, -1);
        if (at < 0)
            return {};
        const qsizetype begin = m_bytes.indexOf("obj", at);
        const qsizetype end = m_bytes.indexOf("endobj", begin);
        if (begin < 0 || end < 0)
            return {};
        QByteArray text = m_bytes.mid(begin + 3, end - begin - 3);
        const qsizetype stream = text.indexOf("stream");
        return stream < 0 ? text : text.left(stream);
    }

    // An object's stream, inflated when it is Flate-compressed.
    QByteArray stream(int number) const
    {
        const QByteArray dictionary = object(number);
        const qsizetype at = m_offsets.value(number, -1);
        qsizetype begin = m_bytes.indexOf("stream", m_bytes.indexOf("obj", at));
        if (at < 0 || begin < 0)
            return {};
        begin += 6;
        if (m_bytes.mid(begin, 2) == "\r\n")
            begin += 2;
        else if (m_bytes.at(begin) == '\n')
            begin += 1;
        static const QRegularExpression lengthKey(
            QStringLiteral("/Length\\s+(\\d+)(\\s+\\d+\\s+R)?"));
        const QRegularExpressionMatch length = lengthKey.match(QString::fromLatin1(dictionary));
        if (!length.hasMatch())
            return {};
        qsizetype size = length.captured(1).toLongLong();
        if (!length.captured(2).isEmpty())
            size = QString::fromLatin1(object(int(size))).trimmed().toLongLong();
        const QByteArray data = m_bytes.mid(begin, size);
        if (!dictionary.contains("/FlateDecode"))
            return data;
        // qUncompress wants the size ahead of zlib's data; it grows its
        // buffer when the guess is short.
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(std::min<qsizetype>(data.size() * 8 + 1024, 1 << 26)),
                              sized.data());
        return qUncompress(sized + data);
    }

    // The object a key of `dictionary` refers to ("/Key 12 0 R"); -1 if none.
    static int reference(const QByteArray &dictionary, const QString &key)
    {
        const QRegularExpression pattern(QStringLiteral("/%1\\s+(\\d+)\\s+\\d+\\s+R").arg(key));
        const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(dictionary));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    static QList<int> references(const QString &text)
    {
        static const QRegularExpression pattern(QStringLiteral("(\\d+)\\s+\\d+\\s+R"));
        QList<int> numbers;
        for (auto it = pattern.globalMatch(text); it.hasNext();)
            numbers << it.next().captured(1).toInt();
        return numbers;
    }

    // The page objects in the order of the page tree.
    QList<int> pages() const
    {
        const qsizetype trailer = m_bytes.lastIndexOf("trailer");
        const int root = reference(m_bytes.mid(trailer), QStringLiteral("Root"));
        QList<int> found;
        collectPages(reference(object(root), QStringLiteral("Pages")), found, 0);
        return found;
    }

private:
    void readCrossReferences()
    {
        const qsizetype start = m_bytes.lastIndexOf("startxref");
        if (start < 0)
            return;
        bool ok = false;
        const qsizetype table = QString::fromLatin1(m_bytes.mid(start + 9, 24))
                                    .trimmed()
                                    .section(QLatin1Char('\n'), 0, 0)
                                    .trimmed()
                                    .toLongLong(&ok);
        if (!ok || !m_bytes.mid(table).startsWith("xref"))
            return;
        qsizetype at = table + 4;
        static const QRegularExpression section(
            QStringLiteral("^\\s*(\\d+)\\s+(\\d+)\\s*?\\r?\\n"));
        for (;;) {
            const QString rest = QString::fromLatin1(m_bytes.mid(at, 64));
            const QRegularExpressionMatch match = section.match(rest);
            if (!match.hasMatch())
                break;
            const int first = match.captured(1).toInt();
            const int count = match.captured(2).toInt();
            at += match.capturedLength(0);
            for (int i = 0; i < count; ++i, at += 20) {
                const QByteArray entry = m_bytes.mid(at, 20);
                if (entry.size() == 20 && entry.at(17) == 'n')
                    m_offsets.insert(first + i, entry.left(10).toLongLong());
            }
        }
    }

    void collectPages(int node, QList<int> &found, int depth) const
    {
        const QByteArray dictionary = object(node);
        if (node < 0 || depth > 32)
            return;
        static const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
        const QRegularExpressionMatch match = kids.match(QString::fromLatin1(dictionary));
        if (!match.hasMatch()) {
            found << node;
            return;
        }
        for (int kid : references(match.captured(1)))
            collectPages(kid, found, depth + 1);
    }

    QByteArray m_bytes;
    QHash<int, qsizetype> m_offsets;
};

inline QString FromHex(const QByteArray &hex)
{
    return QString::fromLatin1(hex).remove(QRegularExpression(QStringLiteral("\\s")));
}

// A font's character codes and what they stand for, from its ToUnicode map.
struct PdfFont
{
    int codeBytes = 1;
    QHash<uint, QString> text;

    static QString Utf16(const QString &hex)
    {
        QString out;
        for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
            out += QChar(char16_t(hex.mid(i, 4).toUInt(nullptr, 16)));
        return out;
    }

    static PdfFont Read(const PdfFile &pdf, int number)
    {
        PdfFont font;
        const QByteArray dictionary = pdf.object(number);
        if (dictionary.contains("/Type0"))
            font.codeBytes = 2;
        const int map = PdfFile::reference(dictionary, QStringLiteral("ToUnicode"));
        if (map < 0)
            return font;
        const QString cmap = QString::fromLatin1(pdf.stream(map));
        static const QRegularExpression chars(QStringLiteral("beginbfchar(.*?)endbfchar"),
                                              QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression pair(
            QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]*)>"));
        for (auto block = chars.globalMatch(cmap); block.hasNext();) {
            const QString body = block.next().captured(1);
            for (auto it = pair.globalMatch(body); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                font.text.insert(m.captured(1).toUInt(nullptr, 16), Utf16(m.captured(2)));
            }
        }
        static const QRegularExpression ranges(QStringLiteral("beginbfrange(.*?)endbfrange"),
                                               QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression range(QStringLiteral(
            "<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(?:<([0-9A-Fa-f]*)>|\\[([^\\]]*)\\])"));
        static const QRegularExpression item(QStringLiteral("<([0-9A-Fa-f]*)>"));
        for (auto block = ranges.globalMatch(cmap); block.hasNext();) {
            const QString body = block.next().captured(1);
            for (auto it = range.globalMatch(body); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const uint low = m.captured(1).toUInt(nullptr, 16);
                const uint high = m.captured(2).toUInt(nullptr, 16);
                if (high < low || high - low > 0xFFFF)
                    continue;
                if (m.capturedLength(4) > 0 || m.captured(3).isNull()) {
                    uint code = low;
                    for (auto each = item.globalMatch(m.captured(4));
                         each.hasNext() && code <= high; ++code)
                        font.text.insert(code, Utf16(each.next().captured(1)));
                } else {
                    QString first = Utf16(m.captured(3));
                    for (uint code = low; code <= high && !first.isEmpty(); ++code) {
                        font.text.insert(code, first);
                        first.back() = QChar(char16_t(first.back().unicode() + 1));
                    }
                }
            }
        }
        return font;
    }

    QString decode(const QByteArray &codes) const
    {
        QString out;
        for (qsizetype i = 0; i + codeBytes <= codes.size(); i += codeBytes) {
            uint code = 0;
            for (int b = 0; b < codeBytes; ++b)
                code = (code << 8) | uchar(codes.at(i + b));
            out += text.value(code, QStringLiteral("\uFFFD"));
        }
        return out;
    }
};

// One painted text: where it starts on the page (points, y up) and what it says.
struct PdfRun
{
    QPointF at;
    QString text;
};

// The tokens of a content stream: operands and operators.
class ContentReader
{
public:
    explicit ContentReader(const QByteArray &content)
        : m_data(content)
    {
    }

    // The next token; empty at the end. Strings come back as their bytes with
    // `isString` set, arrays as their tokens joined by '\x1f'.
    bool next(QByteArray &token, bool &isString)
    {
        isString = false;
        skipSpace();
        if (m_at >= m_data.size())
            return false;
        const char c = m_data.at(m_at);
        if (c == '<' && m_at + 1 < m_data.size() && m_data.at(m_at + 1) != '<') {
            const qsizetype end = m_data.indexOf('>', m_at);
            const qsizetype stop = end < 0 ? m_data.size() : end;
            QByteArray hex = m_data.mid(m_at + 1, stop - m_at - 1).simplified().replace(' ', "");
            if (hex.size() % 2)
                hex += '0';
            token = QByteArray::fromHex(hex);
            isString = true;
            m_at = stop + 1;
            return true;
        }
        if (c == '(') {
            token = literal();
            isString = true;
            return true;
        }
        if (c == '[' || c == ']' || c == '{' || c == '}') {
            token = QByteArray(1, c);
            ++m_at;
            return true;
        }
        if (c == '<' || c == '>') {
            token = m_data.mid(m_at, 2);
            m_at += 2;
            return true;
        }
        const qsizetype begin = m_at;
        ++m_at;
        while (m_at < m_data.size() && !IsSpace(m_data.at(m_at)) &&
               !QByteArray("()<>[]{}/%").contains(m_data.at(m_at)))
            ++m_at;
        token = m_data.mid(begin, m_at - begin);
        return true;
    }

    // Skips an inline image's data, up to and with its "EI".
    void skipInlineImage()
    {
        const qsizetype end = m_data.indexOf("EI", m_at);
        m_at = end < 0 ? m_data.size() : end + 2;
    }

private:
    static bool IsSpace(char c)
    {
        return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
    }

    void skipSpace()
    {
        while (m_at < m_data.size()) {
            const char c = m_data.at(m_at);
            if (c == '%') {
                while (m_at < m_data.size() && m_data.at(m_at) != '\n' && m_data.at(m_at) != '\r')
                    ++m_at;
            } else if (IsSpace(c)) {
                ++m_at;
            } else {
                break;
            }
        }
    }

    QByteArray literal()
    {
        QByteArray out;
        int depth = 0;
        ++m_at;
        while (m_at < m_data.size()) {
            const char c = m_data.at(m_at++);
            if (c == '\\' && m_at < m_data.size()) {
                const char e = m_data.at(m_at++);
                switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case '\r':
                case '\n':
                    break;
                default:
                    if (e >= '0' && e <= '7') {
                        int value = e - '0';
                        for (int i = 0; i < 2 && m_at < m_data.size() && m_data.at(m_at) >= '0' &&
                                        m_data.at(m_at) <= '7';
                             ++i)
                            value = value * 8 + (m_data.at(m_at++) - '0');
                        out += char(value);
                    } else {
                        out += e;
                    }
                }
            } else if (c == '(') {
                ++depth;
                out += c;
            } else if (c == ')') {
                if (depth-- == 0)
                    break;
                out += c;
            } else {
                out += c;
            }
        }
        return out;
    }

    QByteArray m_data;
    qsizetype m_at = 0;
};

// The texts of a page in the order they were painted.
inline std::vector<PdfRun> PageRuns(const PdfFile &pdf, int page)
{
    const QByteArray pageObject = pdf.object(page);
    int resourcesNumber = PdfFile::reference(pageObject, QStringLiteral("Resources"));
    const QByteArray resources = resourcesNumber >= 0 ? pdf.object(resourcesNumber) : pageObject;
    QHash<QByteArray, PdfFont> fonts;
    static const QRegularExpression fontTable(QStringLiteral("/Font\\s*<<(.*?)>>"),
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression fontEntry(
        QStringLiteral("/([^\\s/<>\\[\\]()]+)\\s+(\\d+)\\s+\\d+\\s+R"));
    const QRegularExpressionMatch table = fontTable.match(QString::fromLatin1(resources));
    for (auto it = fontEntry.globalMatch(table.captured(1)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        fonts.insert(m.captured(1).toLatin1(), PdfFont::Read(pdf, m.captured(2).toInt()));
    }

    QByteArray content;
    static const QRegularExpression contents(
        QStringLiteral("/Contents\\s*(\\[[^\\]]*\\]|\\d+\\s+\\d+\\s+R)"));
    const QRegularExpressionMatch parts = contents.match(QString::fromLatin1(pageObject));
    for (int part : PdfFile::references(parts.captured(1)))
        content += pdf.stream(part) + '\n';

    std::vector<PdfRun> runs;
    QList<QTransform> saved;
    QTransform ctm;
    QTransform lineMatrix;
    QTransform textMatrix;
    const PdfFont *font = nullptr;
    bool newRun = true;
    QList<QByteArray> operands;
    QList<QByteArray> array; // the strings of an array operand
    bool inArray = false;
    ContentReader reader(content);
    QByteArray token;
    bool isString = false;
    const auto number = [&operands](int fromEnd) {
        return fromEnd <= operands.size() ? operands.at(operands.size() - fromEnd).toDouble() : 0.0;
    };
    // Marked content that carries its own text (/ActualText): what it paints
    // is read as that text, as a reader does; Qt marks the second painting
    // of a bold made from a regular font so, with no text.
    QList<bool> replaced;
    const auto show = [&](const QByteArray &codes) {
        if (!font || replaced.contains(true))
            return;
        if (newRun) {
            runs.push_back({(textMatrix * ctm).map(QPointF(0, 0)), QString()});
            newRun = false;
        }
        runs.back().text += font->decode(codes);
    };
    const auto moveText = [&](double x, double y) {
        lineMatrix = QTransform::fromTranslate(x, y) * lineMatrix;
        textMatrix = lineMatrix;
        // A move onto another line starts another run.
        if (!runs.empty() && !newRun) {
            const QPointF at = (textMatrix * ctm).map(QPointF(0, 0));
            if (std::abs(at.y() - runs.back().at.y()) > 0.5)
                newRun = true;
        }
    };
    while (reader.next(token, isString)) {
        if (isString) {
            (inArray ? array : operands) << token;
            continue;
        }
        const char first = token.at(0);
        if (token == "[") {
            inArray = true;
            array.clear();
            continue;
        }
        if (token == "]") {
            inArray = false;
            operands << QByteArray("\x1f") + array.join("\x1f");
            continue;
        }
        if (inArray)
            continue; // the numbers of a TJ array: spacing only
        if ((first >= '0' && first <= '9') || first == '-' || first == '+' || first == '.' ||
            first == '/' || token == "<<" || token == ">>") {
            operands << token;
            continue;
        }
        if (token == "q") {
            saved << ctm;
        } else if (token == "Q") {
            if (!saved.isEmpty())
                ctm = saved.takeLast();
        } else if (token == "cm") {
            ctm =
                QTransform(number(6), number(5), number(4), number(3), number(2), number(1)) * ctm;
        } else if (token == "BT") {
            lineMatrix = textMatrix = QTransform();
            newRun = true;
        } else if (token == "ET") {
            newRun = true;
        } else if (token == "Tf") {
            font = nullptr;
            if (operands.size() >= 2) {
                const auto found = fonts.constFind(operands.at(operands.size() - 2).mid(1));
                if (found != fonts.constEnd())
                    font = &found.value();
            }
        } else if (token == "Tm") {
            lineMatrix = textMatrix =
                QTransform(number(6), number(5), number(4), number(3), number(2), number(1));
            newRun = true;
        } else if (token == "Td" || token == "TD") {
            moveText(number(2), number(1));
        } else if (token == "T*") {
            newRun = true;
        } else if (token == "Tj" || token == "'" || token == "\"") {
            if (token != "Tj")
                newRun = true;
            if (!operands.isEmpty())
                show(operands.last());
        } else if (token == "TJ") {
            if (!operands.isEmpty())
                show(operands.last().mid(1).split('\x1f').join());
        } else if (token == "BI") {
            reader.skipInlineImage();
        } else if (token == "BMC") {
            replaced << false;
        } else if (token == "BDC") {
            const qsizetype key = operands.indexOf(QByteArray("/ActualText"));
            const bool hasText = key >= 0 && key + 1 < operands.size();
            if (hasText && !replaced.contains(true)) {
                const QByteArray actual = operands.at(key + 1);
                const QString text =
                    actual.startsWith("\xFE\xFF")
                        ? PdfFont::Utf16(QString::fromLatin1(actual.mid(2).toHex()))
                        : QString::fromLatin1(actual);
                if (!text.isEmpty()) {
                    if (newRun || runs.empty()) {
                        runs.push_back({(textMatrix * ctm).map(QPointF(0, 0)), QString()});
                        newRun = false;
                    }
                    runs.back().text += text;
                }
            }
            replaced << hasText;
        } else if (token == "EMC") {
            if (!replaced.isEmpty())
                replaced.removeLast();
        }
        operands.clear();
    }
    return runs;
}

// The runs as lines of text: a space between two runs on one line.
inline QString JoinRuns(const std::vector<PdfRun> &runs)
{
    QString text;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i > 0)
            text += std::abs(runs[i].at.y() - runs[i - 1].at.y()) <= 1.0 ? QLatin1Char(' ')
                                                                         : QLatin1Char('\n');
        text += runs[i].text;
    }
    return text + QLatin1Char('\n');
}

} // namespace pdf_detail

// The text a reader finds in the PDF, with nothing folded: a character that
// the PDF names wrongly (a CJK radical for an ideograph) stays wrong.
// `-layout` gives it in reading order, line by line from the top and left to
// right; `-raw` in the order it was painted. Each page ends with a form feed.
inline QString PdfText(const QString &path, const QString &mode = QStringLiteral("-layout"))
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const pdf_detail::PdfFile pdf(file.readAll());
    if (!pdf.valid())
        return {};
    QString text;
    for (int page : pdf.pages()) {
        std::vector<pdf_detail::PdfRun> runs = pdf_detail::PageRuns(pdf, page);
        if (mode == QLatin1String("-layout")) {
            // Lines from the top, each from the left: runs within a point of
            // the line's first run stand on it.
            std::stable_sort(runs.begin(), runs.end(),
                             [](const auto &a, const auto &b) { return a.at.y() > b.at.y(); });
            std::vector<std::pair<int, std::size_t>> order;
            int line = 0;
            double lineY = runs.empty() ? 0 : runs.front().at.y();
            for (std::size_t i = 0; i < runs.size(); ++i) {
                if (lineY - runs[i].at.y() > 1.0) {
                    ++line;
                    lineY = runs[i].at.y();
                }
                order.emplace_back(line, i);
            }
            std::stable_sort(order.begin(), order.end(), [&runs](const auto &a, const auto &b) {
                return a.first != b.first ? a.first < b.first
                                          : runs[a.second].at.x() < runs[b.second].at.x();
            });
            std::vector<pdf_detail::PdfRun> sorted;
            for (const auto &[lineNumber, index] : order) {
                sorted.push_back(runs[index]);
                // One line shares one height, so that the lines join as lines.
                sorted.back().at.setY(-lineNumber * 10.0);
            }
            runs = std::move(sorted);
        }
        text += pdf_detail::JoinRuns(runs) + QLatin1Char('\f');
    }
    return text;
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

// `text` without any white space: the reader places spaces and line ends by
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
