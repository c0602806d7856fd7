#pragma once

#include <QTableView>

namespace q731 {

// Grid1: the 128 x 12 channel grid. A left press selects one cell and opens
// its editor at once (it never drags a range); Enter acts as a click on the
// current cell. The view only reports: the window decides which cell opens
// and its delegate lends the editor.
class ChannelGridView : public QTableView
{
    Q_OBJECT
public:
    explicit ChannelGridView(QWidget *parent = nullptr);

    // First visible channel row (1..128).
    int topRow() const;
    void setTopRow(int row);

signals:
    // A left click or Enter on the current cell.
    void cellClicked();
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
