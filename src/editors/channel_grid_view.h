#pragma once

#include <QTableView>

namespace q731 {

// Grid1: the 128 x 12 channel grid. A left press selects one cell and opens
// its editor at once (it never drags a range); Enter and F2 act as a click on
// the current cell, and a character typed on it opens its editor with that
// character. The view only reports: the window decides which cell opens and
// its delegate lends the editor.
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
    void deleteRequested();
    void copyRequested();
    void pasteRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

public:
    void keyboardSearch(const QString &search) override;

private:
    bool m_releaseSent = false;
    bool m_pressOnCell = false;
};

} // namespace q731
