#include "channel_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

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

void ChannelGridView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QTableView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
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
    if (m_releaseSent && (event->buttons() & Qt::LeftButton))
        return;
    QTableView::mouseMoveEvent(event);
}

void ChannelGridView::mouseReleaseEvent(QMouseEvent *event)
{
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
