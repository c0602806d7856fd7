#pragma once

#include "editors/editor_window.h"
#include "image/channel_grid.h"
#include "image/channel_rows.h"

#include <QList>
#include <QSize>

#include <vector>

class QAction;

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

    // The commands on whole channels (cut, copy, paste, delete, insert,
    // delete shifting up, move, sort), for the Edit menu; the grid's context
    // menu shows them too. Their keys work in the grid.
    const QList<QAction *> &rowActions() const { return m_rowActions; }

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
    void selectRows(const std::vector<int> &rows);
    void deleteSelectedRows();
    void clearSelectedRows(const QString &label);
    void copySelectedRows();
    void cutSelectedRows();
    void pasteRows();

    void createRowActions();
    void showRowMenu(const QPoint &position);
    void insertChannels();
    void deleteChannelsShifting();
    void moveRows(int step);
    void moveRowsBefore(int target);
    void sortChannels(ChannelSortKey key);
    // One undo step that puts the channels in `order`; `moved` (channels as
    // they were) stay selected in their new places.
    void rearrange(const QString &label, const ChannelOrder &order, const std::vector<int> &moved);

    void updateScrollRanges();
    void movePanel(int eBar);

    MessageBoxes &m_boxes;
    ChannelGridModel *m_model = nullptr;
    QWidget *m_panel = nullptr;
    ChannelGridView *m_grid = nullptr;
    ChannelCellDelegate *m_cells = nullptr;
    SubClassGrid *m_gridHook = nullptr;
    cScrollBars *m_scrollBars = nullptr;
    QList<QAction *> m_rowActions;
};

} // namespace q731
