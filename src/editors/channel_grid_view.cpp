#include "channel_grid_view.h"

#include "image/channel_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace q731 {

ChannelGridView::ChannelGridView(QWidget *parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("Grid1"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setDragEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

int ChannelGridView::topRow() const
{
    return verticalScrollBar()->value() + 1;
}

void ChannelGridView::setTopRow(int row)
{
    verticalScrollBar()->setValue(row - 1);
}

QList<int> ChannelGridView::selectedRowList() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows << index.row();
    }
    return rows;
}

void ChannelGridView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    if (event->button() == Qt::LeftButton && plain && index.isValid()) {
        const QList<int> rows = selectedRowList();
        const bool amongSeveral = rows.size() > 1 && rows.contains(index.row());
        const bool list =
            index.column() >= GridColumn::kFirstList && index.column() <= GridColumn::kLastList;
        if (amongSeveral && (list || index.column() == GridColumn::Number)) {
            // The selection stays: a list's choice is for every selected
            // channel, a number may start a drag of them.
            setFocus(Qt::MouseFocusReason);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
            m_releaseSent = true;
            m_pressOnCell = list;
            m_pressKeptSelection = true;
            m_dragPending = index.column() == GridColumn::Number;
            m_dragStart = event->position().toPoint();
            return;
        }
    }
    m_pressKeptSelection = false;
    QTableView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_dragPending = plain && index.isValid() && index.column() == GridColumn::Number;
    m_dragStart = event->position().toPoint();
    // The release follows the press at once, so the press picks one cell and
    // moving the held button cannot stretch the selection.
    QMouseEvent release(QEvent::MouseButtonRelease, event->position(), event->scenePosition(),
                        event->globalPosition(), Qt::LeftButton, Qt::NoButton, event->modifiers());
    QTableView::mouseReleaseEvent(&release);
    m_releaseSent = true;
    m_pressOnCell = indexAt(event->position().toPoint()).isValid();
}

void ChannelGridView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    if (m_dragPending && (event->buttons() & Qt::LeftButton)) {
        if (!m_dragging &&
            (position - m_dragStart).manhattanLength() >= QApplication::startDragDistance())
            m_dragging = true;
        if (m_dragging) {
            // Near an edge the table scrolls a channel a move.
            const int edge = rowHeight(0);
            if (position.y() < edge)
                setTopRow(std::max(topRow() - 1, 1));
            else if (position.y() > viewport()->height() - edge)
                setTopRow(topRow() + 1);
            m_dropTarget = dropTargetAt(position.y());
            viewport()->update();
        }
        return;
    }
    if (m_releaseSent && (event->buttons() & Qt::LeftButton))
        return;
    QTableView::mouseMoveEvent(event);
}

int ChannelGridView::dropTargetAt(int y) const
{
    const int rows = model()->rowCount();
    const int row = rowAt(y);
    if (row < 0)
        return y < 0 ? 1 : rows + 1;
    const bool lowerHalf = y >= rowViewportPosition(row) + rowHeight(row) / 2;
    return row + (lowerHalf ? 2 : 1);
}

void ChannelGridView::endDrag()
{
    m_dragPending = false;
    m_dragging = false;
    viewport()->update();
}

void ChannelGridView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (!m_dragging)
        return;
    // A line where the dragged channels would go.
    const int row = m_dropTarget - 1;
    const int y = row < model()->rowCount() ? rowViewportPosition(row)
                                            : rowViewportPosition(row - 1) + rowHeight(row - 1);
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
    painter.drawLine(0, y, viewport()->width(), y);
}

void ChannelGridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragPending && event->button() == Qt::LeftButton) {
        const bool dropped = m_dragging;
        endDrag();
        if (dropped) {
            m_releaseSent = false;
            emit rowsDropped(m_dropTarget);
            return;
        }
        // A press that kept the selection and did not drag is a click on
        // that number: its channel alone is selected.
        if (m_pressKeptSelection) {
            m_releaseSent = false;
            const QModelIndex index = indexAt(m_dragStart);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
    if (m_releaseSent && event->button() == Qt::LeftButton) {
        m_releaseSent = false;
        // The click completes with the user's release: an editor opened on
        // the press would see that release (a list would close at once).
        if (m_pressOnCell)
            emit cellClicked();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void ChannelGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click is a second press: the editor opened by the first one
    // has the focus by now.
    event->accept();
}

void ChannelGridView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        return;
    }
    if (m_dragging && event->key() == Qt::Key_Escape) {
        endDrag();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (currentIndex().isValid())
            emit cellClicked();
        return;
    case Qt::Key_Delete:
        emit deleteRequested();
        return;
    default:
        break;
    }
    // A character, not a shortcut nor the space that selects.
    const QString text = event->text();
    const bool typed =
        text.size() == 1 && text.front().isPrint() && !text.front().isSpace() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed && currentIndex().isValid()) {
        emit typedIntoCell(event->key(), event->modifiers(), text);
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelGridView::keyboardSearch(const QString &)
{
    // Typed letters do not jump between rows: the grid has no searchable column.
}

} // namespace q731
