#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace q731 {

// The five settings the preview hands the writer when it is made.
struct ReportSettings
{
    int firstPageNumber = 1;
    int marginMillimetres = 10;
    int footerMillimetres = 5; // room for the page number below the body
    int cellPaddingPoints = 4; // left and right of a cell's text, half above and below
    int ruleTenthsOfMm = 2;    // width of cell borders and rules
};

// Lays out a report on the pages of a paint device and paints it there.
// The report is issued as a sequence of operations, from BeginDocument to
// EndDocument; lines and table rows flow down the page and start a new page
// where they do not fit, and a grid's header row is repeated on each of its
// pages. Nothing is painted before EndDocument, so every page can show the
// page count.
//
// Units: sizes of text in points; cell widths in twips (1/1440 inch), cut
// down to the page's width. Codes: 1 left, 2 centred, 3 right (a line without
// a code is centred, a cell left). A cell's code text holds four flags for
// its left, top, right and bottom border ("1111": all four).
class ReportWriter
{
public:
    struct Item
    {
        QRectF rect; // points, from the top left of the printable area
        QString text;
        QFont font;
        int alignment = 0;
        int borders = 0;  // bits 0 left, 1 top, 2 right, 3 bottom
        double inset = 0; // points between the left and right edge and the text
        QColor background;
        bool rule = false; // a horizontal line along the bottom of rect
    };
    struct Page
    {
        std::vector<Item> items;
    };

    explicit ReportWriter(ReportSettings settings = {});

    // "%1" the page number, "%2" the page count.
    void setPageFooter(const QString &pattern) { m_footer = pattern; }
    // A line at the top of every page, ruled off from the body; none when empty.
    void setPageHeader(const QString &text) { m_header = text; }
    // Bold on or off for what follows.
    void setBold(bool bold) { m_bold = bold; }
    // The least height in points of a line, a row and a line feed (text is
    // 10 points unless a line has a size of its own).
    void setLineHeight(int points);

    void BeginDocument(QPagedPaintDevice *device);
    void NewPage();
    void PrintLine(const QString &text, int size = 0, int code = 0);
    void PrintCaption(const QString &text);
    void LineFeed();
    void PrintCell(const QString &text, int widthTwips, int code, const QString &codeText);
    void PrintCell(int number, int widthTwips, int code, const QString &codeText);
    void EndRow();
    // A table under `title`: the header row (repeated on each page of the
    // table) and the rows, the first column and every second row shaded as in
    // the channel grid. Columns are as wide as their widest cell, titles
    // wrapping onto two lines, in the largest size from 9 down to 8 points at
    // which that fits the page; a table wider than that at 8 points is cut
    // down to the page and its cells wrap.
    void PrintGrid(const QStringList &header, const std::vector<QStringList> &rows,
                   const QString &title);
    // Paints every page on the device. False when the device cannot be painted on.
    bool EndDocument();

    const std::vector<Page> &pages() const { return m_pages; }
    QSizeF pageSizePoints() const { return m_area.size(); }

private:
    QFont fontOf(double points, bool bold) const;
    double lineHeight(const QFont &font) const;
    double bodyLineHeight(const QFont &font) const;
    double textWidth(const QFont &font, const QString &text) const;
    // The size in points of `text` wrapped at words into `width` points.
    QSizeF wrappedSize(const QFont &font, const QString &text, double width) const;
    // The least width in points at which `text` wraps onto at most `lines` lines.
    double wrappedWidth(const QFont &font, const QString &text, int lines) const;
    void startPage();
    // A line of text ruled off below, at the current position: a caption,
    // the page header.
    Item ruledLine(const QString &text, const QFont &font) const;
    // Starts a new page unless `height` fits below the current position.
    void ensureRoom(double height);
    void add(Item item) { m_pages.back().items.push_back(std::move(item)); }
    void paintPage(QPainter &painter, const Page &page, int number) const;

    ReportSettings m_settings;
    QPagedPaintDevice *m_device = nullptr;
    QRectF m_area;  // printable body, points
    double m_y = 0; // next line's top within m_area
    bool m_bold = false;
    int m_lineHeight = 0;
    QString m_footer = QStringLiteral("%1 / %2");
    QString m_header;
    QString m_lastLine;
    std::vector<Page> m_pages;
    std::vector<Item> m_row; // cells of the row being built
    double m_rowWidth = 0;
};

// The font families the report is printed in, first choice first.
QStringList ReportFontFamilies();

} // namespace q731
