#pragma once

#include <QList>
#include <QTableView>

namespace q731 {

// Grid1: the 128 x 12 channel grid. A left press selects one cell and opens
// its editor at once (it never drags a range); Enter and F2 act as a click on
// the current cell, and a character typed on it opens its editor with that
// character. With several channels selected, a press on a list cell of one of
// them keeps the selection (the choice is for all of them), and the channel
// numbers of the selection drag the channels to another place. The view only
// reports: the window decides which cell opens and its delegate lends the
// editor.
class ChannelGridView : public QTableView
{
    Q_OBJECT
public:
    explicit ChannelGridView(QWidget *parent = nullptr);

    // First visible channel row (1..128).
    int topRow() const;
    void setTopRow(int row);

signals:
    // A left click, Enter or F2 on the current cell.
    void cellClicked();
    // A character typed on the current cell, with the key that typed it.
    void typedIntoCell(int key, Qt::KeyboardModifiers modifiers, const QString &text);
    // The selected channels were dragged to before channel `target` (1..129).
    void rowsDropped(int target);
    void deleteRequested();
    void copyRequested();
    void pasteRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

public:
    void keyboardSearch(const QString &search) override;

private:
    // The channels (0-based rows) that have a selected cell.
    QList<int> selectedRowList() const;
    // Before which channel (1..129) a drop at `y` puts the dragged ones.
    int dropTargetAt(int y) const;
    void endDrag();

    bool m_releaseSent = false;
    bool m_pressOnCell = false;
    // A press on a channel number: a move of the held button drags the
    // selected channels.
    bool m_dragPending = false;
    bool m_dragging = false;
    bool m_pressKeptSelection = false;
    QPoint m_dragStart;
    int m_dropTarget = 0;
};

} // namespace q731
