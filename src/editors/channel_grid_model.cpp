#include "channel_grid_model.h"

#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/captions.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace q731 {

namespace {

std::string Utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

ChannelGridModel::ChannelGridModel(Session &session, QObject *parent)
    : QAbstractTableModel(parent)
    , m_session(session)
    , m_titles(CaptionTexts(QStringLiteral("Form1"), QStringLiteral("Grid1"), session.language()))
{
    while (m_titles.size() < kGridColumns)
        m_titles << QString();
}

const ChannelTable &ChannelGridModel::table() const
{
    return m_session.data().channels;
}

int ChannelGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kChannelCount;
}

int ChannelGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant ChannelGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = gridRow(index);
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        // The channel numbers look like the fixed cells they are.
        if (index.column() == GridColumn::Number)
            return QGuiApplication::palette().brush(QPalette::Button);
        if (row % 2 == 0)
            return QBrush(QColor(192, 192, 255));
        return {};
    default:
        return {};
    }
}

QVariant ChannelGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_titles.size())
        return m_titles.at(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool ChannelGridModel::setHeaderData(int section, Qt::Orientation orientation,
                                     const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size() ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_titles[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The channel numbers select rows; every other cell opens an editor.
    if (index.column() == GridColumn::Number)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QString ChannelGridModel::cellText(int row, int column) const
{
    return QString::fromStdString(
        m_grid.cell(table(), row, column, GridListsIn(m_session.language())));
}

void ChannelGridModel::rowsChanged(int firstRow, int lastRow)
{
    emit dataChanged(cellIndex(firstRow, 0), cellIndex(lastRow, kGridColumns - 1),
                     {Qt::DisplayRole});
}

void ChannelGridModel::allChanged()
{
    rowsChanged(1, kChannelCount);
}

FrequencyCheck::Status ChannelGridModel::commitFrequency(ChannelTable &channels, int row,
                                                         int column, const QString &typed)
{
    const FrequencyCheck::Status status = m_grid.CommitFrequency(
        channels, row, column, Utf8(typed), m_session.bandLowMHz(), m_session.bandHighMHz());
    rowsChanged(row, row);
    return status;
}

void ChannelGridModel::commitName(ChannelTable &channels, int row, const QString &text)
{
    m_grid.CommitName(channels, row, Utf8(text));
    rowsChanged(row, row);
}

void ChannelGridModel::chooseListItem(ChannelTable &channels, int row, int column, int index)
{
    m_grid.ChooseListItem(channels, row, column, index);
    rowsChanged(row, row);
}

void ChannelGridModel::clearChannel(ChannelTable &channels, int row)
{
    m_grid.clearChannel(channels, row);
    rowsChanged(row, row);
}

void ChannelGridModel::setGrid()
{
    m_grid.SetGrid();
    allChanged();
}

void ChannelGridModel::languageSwitched()
{
    m_grid.LanguageSwitched();
    allChanged();
}

void ChannelGridModel::showRows(const QList<int> &rows)
{
    for (int row : rows) {
        m_grid.ShowRow(row);
        rowsChanged(row, row);
    }
}

QString ChannelGridModel::copyRows(const std::vector<int> &rows) const
{
    return QString::fromStdString(
        m_grid.CopyRows(table(), rows, GridListsIn(m_session.language())));
}

QByteArray ChannelGridModel::copyRowsExact(const std::vector<int> &rows) const
{
    const Language language = m_session.language();
    const std::string exact = m_grid.CopyRowsExact(table(), rows, GridListsIn(language), language);
    return {exact.data(), static_cast<qsizetype>(exact.size())};
}

void ChannelGridModel::pastedRowsChanged(int firstRow, const ChannelGrid::PasteResult &result)
{
    if (result.status == ChannelGrid::PasteResult::Applied && result.count > 0)
        rowsChanged(firstRow, firstRow + result.count - 1);
}

ChannelGrid::PasteResult ChannelGridModel::pasteRows(ChannelTable &channels, int firstRow,
                                                     const QString &text,
                                                     std::span<const GridLists> lists)
{
    const ChannelGrid::PasteResult result = m_grid.PasteRows(
        channels, firstRow, Utf8(text), m_session.bandLowMHz(), m_session.bandHighMHz(), lists);
    pastedRowsChanged(firstRow, result);
    return result;
}

ChannelGrid::PasteResult ChannelGridModel::pasteRowsExact(ChannelTable &channels, int firstRow,
                                                          const QByteArray &exact,
                                                          const GridLists &lists)
{
    const ChannelGrid::PasteResult result = m_grid.PasteRowsExact(
        channels, firstRow,
        std::string_view(exact.constData(), static_cast<std::size_t>(exact.size())),
        m_session.bandLowMHz(), m_session.bandHighMHz(), lists, m_session.language());
    pastedRowsChanged(firstRow, result);
    return result;
}

} // namespace q731
