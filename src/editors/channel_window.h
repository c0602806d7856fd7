#pragma once

#include "editors/editor_window.h"
#include "image/channel_grid.h"

#include <QSize>

#include <vector>

namespace q731 {

class ChannelCellDelegate;
class ChannelGridModel;
class ChannelGridView;
class MessageBoxes;
class SubClassGrid;
class cScrollBars;

// The channel grid window (Form1): Grid1 over the session's ChannelTable,
// the in-place editors over the clicked cell (the frequency and name boxes,
// the tone list and the option lists, which its ChannelCellDelegate lends the
// grid), all on the client panel picClient that the window's own scroll bars
// move when the window is smaller than it.
class ChannelWindow : public EditorWindow
{
    Q_OBJECT
public:
    ChannelWindow(Session &session, MessageBoxes &boxes, QWidget *parent = nullptr);
    ~ChannelWindow() override;

    // The language switch: the grid is drawn anew in the new language.
    void languageSwitched();
    // Hides the in-place text editors (a click on the toolbar or band frame,
    // or on the window outside the grid); what they hold is committed.
    void hideTextEditors();
    void commitPendingEdits() override;

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createGrid();
    void onCellClicked();
    void typeIntoCell(int key, Qt::KeyboardModifiers modifiers, const QString &text);
    void rowsRestored(const QList<int> &rows);
    void gridWheel(int rotation);

    std::vector<int> selectedRows() const;
    void deleteSelectedRows();
    void copySelectedRows();
    void pasteRows();

    void updateScrollRanges();
    void movePanel(int eBar);

    MessageBoxes &m_boxes;
    ChannelGridModel *m_model = nullptr;
    QWidget *m_panel = nullptr;
    ChannelGridView *m_grid = nullptr;
    ChannelCellDelegate *m_cells = nullptr;
    SubClassGrid *m_gridHook = nullptr;
    cScrollBars *m_scrollBars = nullptr;
};

} // namespace q731
