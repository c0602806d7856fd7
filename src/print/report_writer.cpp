#include "report_writer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace q731 {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kTwipsPerPoint = 20.0;
// A table's text is set in the largest of these sizes at which it fits the
// page; 8 points stay readable on paper.
constexpr double kGridLargestSize = 9.0;
constexpr double kGridSmallestSize = 8.0;
constexpr double kFooterSize = 8.0;
constexpr double kBodySize = 10.0;
const QColor kHeaderShade(225, 225, 225);
const QColor kBandShade(192, 192, 255);

Qt::Alignment AlignmentOf(int code, Qt::Alignment otherwise)
{
    switch (code) {
    case 1:
        return Qt::AlignLeft;
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        return otherwise;
    }
}

int BordersOf(const QString &codeText)
{
    int borders = 0;
    for (int i = 0; i < 4 && i < codeText.size(); ++i) {
        if (codeText.at(i) == QLatin1Char('1'))
            borders |= 1 << i;
    }
    return borders;
}

// Text is measured on one fixed surface, not on the device painted on: the
// preview, the printer and a PDF then break lines and pages at the same places.
const QImage &MeasuringSurface()
{
    static const QImage surface = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(1200 / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return surface;
}

double ToPoints(double pixels)
{
    return pixels * 72.0 / MeasuringSurface().logicalDpiY();
}

} // namespace

QStringList ReportFontFamilies()
{
    // Latin letters and digits from a Latin font: taken from the CJK fonts,
    // a PDF viewer cannot find or copy the digits. The Chinese characters
    // come from the CJK font, which Qt falls back to for them. A PDF names
    // the character of each glyph as the lowest code point the font maps to
    // it; Noto Sans CJK maps the Kangxi and CJK radicals (U+2E80..U+2FDF) to
    // the glyphs of 高, 示, 音, 止, 无 and 页, so a reader would find and
    // copy radicals. WenQuanYi Micro Hei maps every character the report
    // prints from that one character alone.
    static const QStringList families = [] {
        QStringList found;
        auto firstOf = [&found](std::initializer_list<const char *> candidates) {
            for (const char *candidate : candidates) {
                if (QFontDatabase::hasFamily(QString::fromLatin1(candidate))) {
                    found << QString::fromLatin1(candidate);
                    return;
                }
            }
        };
        firstOf({"DejaVu Sans", "Liberation Sans", "Arial", "Segoe UI", "Helvetica"});
        firstOf({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC", "Microsoft YaHei",
                 "SimSun", "Noto Serif CJK SC"});
        if (found.isEmpty())
            found << QFont().family();
        return found;
    }();
    return families;
}

ReportWriter::ReportWriter(ReportSettings settings)
    : m_settings(settings)
{
}

void ReportWriter::setLineHeight(int points)
{
    m_lineHeight = std::max(0, points);
}

QFont ReportWriter::fontOf(double points, bool bold) const
{
    QFont font;
    font.setFamilies(ReportFontFamilies());
    // No ligatures: "ff" stays two letters that a PDF viewer can find.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points > 0 ? points : kBodySize);
    font.setBold(bold);
    return font;
}

double ReportWriter::lineHeight(const QFont &font) const
{
    return ToPoints(QFontMetricsF(font, &MeasuringSurface()).height());
}

double ReportWriter::bodyLineHeight(const QFont &font) const
{
    return std::max(lineHeight(font), double(m_lineHeight));
}

double ReportWriter::textWidth(const QFont &font, const QString &text) const
{
    return ToPoints(QFontMetricsF(font, &MeasuringSurface()).horizontalAdvance(text));
}

void ReportWriter::BeginDocument(QPagedPaintDevice *device)
{
    m_device = device;
    m_pages.clear();
    m_row.clear();
    m_rowWidth = 0;
    m_y = 0;
    m_lastLine.clear();
    m_area = QRectF(0, 0, 595, 842);
    if (!device)
        return;
    const double margin = m_settings.marginMillimetres;
    device->setPageMargins(QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    const QRectF paint = device->pageLayout().paintRect(QPageLayout::Point);
    m_area = QRectF(0, 0, paint.width(),
                    std::max(100.0, paint.height() - m_settings.footerMillimetres * kPointsPerMm));
}

void ReportWriter::NewPage()
{
    EndRow();
    startPage();
}

void ReportWriter::startPage()
{
    m_pages.emplace_back();
    m_y = 0;
    m_lastLine.clear();
    if (m_header.isEmpty())
        return;
    const Item header = ruledLine(m_header, fontOf(kFooterSize, false));
    add(header);
    m_y = header.rect.height() + bodyLineHeight(header.font) / 2;
}

ReportWriter::Item ReportWriter::ruledLine(const QString &text, const QFont &font) const
{
    Item item;
    item.font = font;
    item.text = text;
    item.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    item.rule = true;
    item.rect = QRectF(0, m_y, m_area.width(), bodyLineHeight(font) * 1.2);
    return item;
}

void ReportWriter::ensureRoom(double height)
{
    if (m_pages.empty() || (m_y > 0 && m_y + height > m_area.height()))
        startPage();
}

void ReportWriter::PrintLine(const QString &text, int size, int code)
{
    EndRow();
    Item item;
    item.font = fontOf(size, m_bold);
    item.text = text;
    item.alignment = AlignmentOf(code, Qt::AlignHCenter) | Qt::AlignVCenter;
    const double height = bodyLineHeight(item.font);
    ensureRoom(height);
    item.rect = QRectF(0, m_y, m_area.width(), height);
    add(item);
    m_y += height;
    m_lastLine = text;
}

void ReportWriter::PrintCaption(const QString &text)
{
    EndRow();
    const QFont font = fontOf(kBodySize, true);
    ensureRoom(bodyLineHeight(font) * 1.2);
    const Item caption = ruledLine(text, font);
    add(caption);
    m_y += caption.rect.height();
    m_lastLine.clear();
}

void ReportWriter::LineFeed()
{
    EndRow();
    if (m_pages.empty())
        startPage();
    m_y += bodyLineHeight(fontOf(kBodySize, m_bold));
    m_lastLine.clear();
}

void ReportWriter::PrintCell(const QString &text, int widthTwips, int code, const QString &codeText)
{
    Item item;
    item.font = fontOf(kBodySize, m_bold);
    item.text = text;
    item.alignment = AlignmentOf(code, Qt::AlignLeft) | Qt::AlignVCenter;
    item.borders = BordersOf(codeText);
    item.inset = m_settings.cellPaddingPoints;
    const double width = std::clamp(widthTwips / kTwipsPerPoint, 0.0, m_area.width() - m_rowWidth);
    item.rect = QRectF(m_rowWidth, 0, width, 0);
    m_rowWidth += width;
    m_row.push_back(item);
    m_lastLine.clear();
}

void ReportWriter::PrintCell(int number, int widthTwips, int code, const QString &codeText)
{
    PrintCell(QString::number(number), widthTwips, code, codeText);
}

void ReportWriter::EndRow()
{
    if (m_row.empty())
        return;
    const double padding = m_settings.cellPaddingPoints;
    double height = 0;
    for (const Item &cell : m_row) {
        const QFontMetricsF metrics(cell.font, &MeasuringSurface());
        const double inner = std::max(1.0, cell.rect.width() - 2 * padding) *
                             MeasuringSurface().logicalDpiX() / 72.0;
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, inner, 1e9),
                                                   Qt::TextWordWrap | cell.alignment, cell.text);
        height = std::max({height, ToPoints(needed.height()), bodyLineHeight(cell.font)});
    }
    height += padding;
    ensureRoom(height);
    const double left = (m_area.width() - m_rowWidth) / 2;
    for (Item &cell : m_row) {
        cell.rect = QRectF(left + cell.rect.left(), m_y, cell.rect.width(), height);
        add(cell);
    }
    m_y += height;
    m_row.clear();
    m_rowWidth = 0;
}

QSizeF ReportWriter::wrappedSize(const QFont &font, const QString &text, double width) const
{
    const QImage &surface = MeasuringSurface();
    const QFontMetricsF metrics(font, &surface);
    const double inner = std::max(1.0, width) * surface.logicalDpiX() / 72.0;
    const QRectF needed =
        metrics.boundingRect(QRectF(0, 0, inner, 1e9), Qt::TextWordWrap | Qt::AlignLeft, text);
    return {needed.width() * 72.0 / surface.logicalDpiX(), ToPoints(needed.height())};
}

double ReportWriter::wrappedWidth(const QFont &font, const QString &text, int lines) const
{
    const double room = lines * lineHeight(font) + 0.5;
    auto fits = [&](double width) {
        const QSizeF size = wrappedSize(font, text, width);
        return size.height() <= room && size.width() <= width + 0.01;
    };
    // Between nothing and the whole text on one line.
    double low = 0;
    double high = textWidth(font, text);
    while (high - low > 0.1) {
        const double middle = (low + high) / 2;
        if (fits(middle))
            high = middle;
        else
            low = middle;
    }
    return high;
}

void ReportWriter::PrintGrid(const QStringList &header, const std::vector<QStringList> &rows,
                             const QString &title)
{
    EndRow();
    const auto columns = static_cast<std::size_t>(header.size());
    if (columns == 0)
        return;
    const double padding = m_settings.cellPaddingPoints / 2.0;
    auto cell = [&rows](std::size_t r, std::size_t c) { return rows[r].value(qsizetype(c)); };

    // The largest size at which every column holds its widest cell on one
    // line and its title on two.
    double size = kGridLargestSize;
    std::vector<double> widths(columns, 0.0);
    for (;; size -= 0.5) {
        const QFont font = fontOf(size, false);
        const QFont bold = fontOf(size, true);
        // A point to spare, so that rounding on the device never wraps a cell.
        const double spare = 2 * padding + 1;
        std::vector<double> oneLine(columns, 0.0);
        for (std::size_t c = 0; c < columns; ++c) {
            double widest = 0;
            for (std::size_t r = 0; r < rows.size(); ++r)
                widest = std::max(widest, textWidth(font, cell(r, c)));
            const QString &heading = header.at(qsizetype(c));
            widths[c] = std::max(widest, wrappedWidth(bold, heading, 2)) + spare;
            oneLine[c] = std::max(widest, textWidth(bold, heading)) + spare;
        }
        double total = std::accumulate(widths.begin(), widths.end(), 0.0);
        if (total > m_area.width() && size > kGridSmallestSize)
            continue;
        // Titles kept on one line where the page has room, the cheapest first.
        std::vector<std::size_t> order(columns);
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return oneLine[a] - widths[a] < oneLine[b] - widths[b];
        });
        for (std::size_t c : order) {
            if (total + oneLine[c] - widths[c] > m_area.width())
                break;
            total += oneLine[c] - widths[c];
            widths[c] = oneLine[c];
        }
        // What is left of the page goes to the columns as they are wide; a
        // table too wide is cut down the same way and its cells wrap.
        for (double &width : widths)
            width *= m_area.width() / total;
        break;
    }
    const QFont font = fontOf(size, false);
    const QFont bold = fontOf(size, true);

    auto heightOf = [&](const QStringList &texts, const QFont &rowFont) {
        double height = lineHeight(rowFont);
        for (std::size_t c = 0; c < columns; ++c)
            height = std::max(
                height,
                wrappedSize(rowFont, texts.value(qsizetype(c)), widths[c] - 2 * padding).height());
        return height + padding;
    };
    auto addRow = [&](const QStringList &texts, const QFont &rowFont, double height,
                      const QColor &shade) {
        double x = 0;
        for (std::size_t c = 0; c < columns; ++c) {
            Item item;
            item.rect = QRectF(x, m_y, widths[c], height);
            item.text = texts.value(qsizetype(c));
            item.font = rowFont;
            item.alignment = Qt::AlignCenter;
            item.borders = 0xF;
            item.inset = padding;
            item.background = c == 0 ? kHeaderShade : shade;
            add(item);
            x += widths[c];
        }
        m_y += height;
    };
    const double headerHeight = heightOf(header, bold);
    // The title heads every page of the table; on the first page the caller
    // has usually just printed it as a line.
    auto beginTablePage = [&](bool first) {
        if (!first)
            startPage();
        if (!(first && m_lastLine == title) && !title.isEmpty()) {
            Item item;
            item.font = fontOf(kBodySize, true);
            item.text = title;
            item.alignment = Qt::AlignLeft | Qt::AlignVCenter;
            const double height = lineHeight(item.font);
            item.rect = QRectF(0, m_y, m_area.width(), height);
            add(item);
            m_y += height;
        }
        addRow(header, bold, headerHeight, kHeaderShade);
    };

    ensureRoom(headerHeight + 2 * (lineHeight(font) + padding));
    beginTablePage(true);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double height = heightOf(rows[r], font);
        if (m_y + height > m_area.height())
            beginTablePage(false);
        // Every second channel banded, as the grid shows them.
        addRow(rows[r], font, height, r % 2 == 1 ? kBandShade : QColor());
    }
    m_lastLine.clear();
}

bool ReportWriter::EndDocument()
{
    EndRow();
    if (m_pages.empty())
        m_pages.emplace_back();
    if (!m_device)
        return false;
    QPainter painter;
    if (!painter.begin(m_device))
        return false;
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        if (i > 0)
            m_device->newPage();
        paintPage(painter, m_pages[i], static_cast<int>(i));
    }
    return painter.end();
}

void ReportWriter::paintPage(QPainter &painter, const Page &page, int index) const
{
    const double sx = m_device->logicalDpiX() / 72.0;
    const double sy = m_device->logicalDpiY() / 72.0;
    auto toDevice = [sx, sy](const QRectF &r) {
        return QRectF(r.left() * sx, r.top() * sy, r.width() * sx, r.height() * sy);
    };
    QPen pen(Qt::black);
    pen.setWidthF(m_settings.ruleTenthsOfMm * 0.1 * kPointsPerMm * sx);

    for (const Item &item : page.items) {
        const QRectF r = toDevice(item.rect);
        if (item.background.isValid())
            painter.fillRect(r, item.background);
        painter.setPen(pen);
        if (item.borders & 1)
            painter.drawLine(r.topLeft(), r.bottomLeft());
        if (item.borders & 2)
            painter.drawLine(r.topLeft(), r.topRight());
        if (item.borders & 4)
            painter.drawLine(r.topRight(), r.bottomRight());
        if (item.borders & 8 || item.rule)
            painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.setFont(item.font);
        const double inset = item.inset * sx;
        painter.drawText(r.adjusted(inset, 0, -inset, 0), int(item.alignment) | Qt::TextWordWrap,
                         item.text);
    }

    QFont footerFont;
    footerFont.setFamilies(ReportFontFamilies());
    footerFont.setPointSizeF(kFooterSize);
    painter.setFont(footerFont);
    const QRectF footer(0, m_area.height() * sy, m_area.width() * sx,
                        m_settings.footerMillimetres * kPointsPerMm * sy);
    const int number = m_settings.firstPageNumber + index;
    const int count = m_settings.firstPageNumber + int(m_pages.size()) - 1;
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, m_footer.arg(number).arg(count));
}

} // namespace q731
