#pragma once

#include "image/channel_grid.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <span>
#include <vector>

namespace q731 {

class Session;

// Grid1's cells over the session's ChannelTable, in the session's language.
// Every edit goes through this model, which changes the table that the
// session hands it (Session::editChannels) and tells the view. Model row r
// is grid row r + 1 (channel r + 1); the grid's title row is the horizontal
// header.
class ChannelGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit ChannelGridModel(Session &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    static int gridRow(const QModelIndex &index) { return index.row() + 1; }
    QModelIndex cellIndex(int row, int column) const { return index(row - 1, column); }
    QString cellText(int row, int column) const;

    FrequencyCheck::Status commitFrequency(ChannelTable &channels, int row, int column,
                                           const QString &typed);
    void commitName(ChannelTable &channels, int row, const QString &text);
    void chooseListItem(ChannelTable &channels, int row, int column, int index);
    void clearChannel(ChannelTable &channels, int row);

    // Redraws every cell from the table (after it was replaced).
    void setGrid();
    // Redraws every cell in the language now in force.
    void languageSwitched();
    // Redraws these channels from the table (undo, redo).
    void showRows(const QList<int> &rows);

    QString copyRows(const std::vector<int> &rows) const;
    QByteArray copyRowsExact(const std::vector<int> &rows) const;
    // Text from elsewhere, through the entry rules.
    ChannelGrid::PasteResult pasteRows(ChannelTable &channels, int firstRow, const QString &text,
                                       std::span<const GridLists> lists);
    // Rows that this program copied, as they were.
    ChannelGrid::PasteResult pasteRowsExact(ChannelTable &channels, int firstRow,
                                            const QByteArray &exact, const GridLists &lists);

private:
    void rowsChanged(int firstRow, int lastRow);
    void pastedRowsChanged(int firstRow, const ChannelGrid::PasteResult &result);
    void allChanged();
    const ChannelTable &table() const;

    Session &m_session;
    ChannelGrid m_grid;
    QStringList m_titles;
};

} // namespace q731
