#include "report_writer.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTableView>

#include <algorithm>
#include <numeric>

namespace q731 {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kTwipsPerPoint = 20.0;
// Tried from the first to the last, the grid's text is set in the largest
// size at which every cell fits its column.
constexpr double kGridLargestSize = 9.0;
constexpr double kGridSmallestSize = 5.0;
constexpr double kFooterSize = 8.0;
constexpr double kBodySize = 10.0;
const QColor kHeaderShade(225, 225, 225);

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
    // come from the CJK font, which Qt falls back to for them.
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
        firstOf({"Noto Sans CJK SC", "Source Han Sans SC", "Microsoft YaHei", "SimSun",
                 "WenQuanYi Micro Hei", "Noto Serif CJK SC"});
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
    Item item;
    item.font = fontOf(kBodySize, true);
    item.text = text;
    item.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    item.rule = true;
    const double height = bodyLineHeight(item.font) * 1.2;
    ensureRoom(height);
    item.rect = QRectF(0, m_y, m_area.width(), height);
    add(item);
    m_y += height;
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

void ReportWriter::PrintGrid(const QAbstractItemView *grid, const QString &title)
{
    EndRow();
    const QAbstractItemModel *model = grid ? grid->model() : nullptr;
    if (!model || model->columnCount() == 0)
        return;
    const int columns = model->columnCount();
    const int rows = model->rowCount();

    // The grid's own column widths, shrunk or stretched to the page.
    std::vector<double> widths(static_cast<std::size_t>(columns), 1.0);
    if (auto *table = qobject_cast<const QTableView *>(grid)) {
        for (int c = 0; c < columns; ++c)
            widths[std::size_t(c)] = std::max(1, table->columnWidth(c));
    }
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    for (double &width : widths)
        width *= m_area.width() / total;

    QStringList header;
    for (int c = 0; c < columns; ++c)
        header << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    std::vector<QStringList> cells(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            cells[std::size_t(r)] << model->data(model->index(r, c), Qt::DisplayRole).toString();
    }

    const double padding = m_settings.cellPaddingPoints / 2.0;
    double size = kGridLargestSize;
    for (; size > kGridSmallestSize; size -= 0.5) {
        QFont font = fontOf(0, false);
        font.setPointSizeF(size);
        QFont bold = font;
        bold.setBold(true);
        bool fits = true;
        for (int c = 0; c < columns && fits; ++c) {
            const double room = widths[std::size_t(c)] - 2 * padding;
            fits = textWidth(bold, header.at(c)) <= room;
            for (int r = 0; r < rows && fits; ++r)
                fits = textWidth(font, cells[std::size_t(r)].at(c)) <= room;
        }
        if (fits)
            break;
    }
    QFont font = fontOf(0, false);
    font.setPointSizeF(size);
    QFont bold = font;
    bold.setBold(true);
    const double rowHeight = lineHeight(font) + padding;

    auto addRow = [&](const QStringList &texts, const QFont &rowFont, const QColor &shade,
                      const std::vector<QColor> &backgrounds) {
        double x = 0;
        for (int c = 0; c < columns; ++c) {
            Item item;
            item.rect = QRectF(x, m_y, widths[std::size_t(c)], rowHeight);
            item.text = texts.value(c);
            item.font = rowFont;
            item.alignment = Qt::AlignCenter;
            item.borders = 0xF;
            item.inset = padding;
            item.background = backgrounds.empty() ? shade : backgrounds[std::size_t(c)];
            add(item);
            x += widths[std::size_t(c)];
        }
        m_y += rowHeight;
    };
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
        addRow(header, bold, kHeaderShade, {});
    };

    ensureRoom(rowHeight * 3);
    beginTablePage(true);
    for (int r = 0; r < rows; ++r) {
        if (m_y + rowHeight > m_area.height())
            beginTablePage(false);
        std::vector<QColor> backgrounds;
        for (int c = 0; c < columns; ++c) {
            const QVariant brush = model->data(model->index(r, c), Qt::BackgroundRole);
            backgrounds.push_back(brush.canConvert<QBrush>() ? brush.value<QBrush>().color()
                                                             : QColor());
        }
        addRow(cells[std::size_t(r)], font, QColor(), backgrounds);
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
