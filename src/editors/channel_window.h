#pragma once

#include "editors/editor_window.h"
#include "image/channel_grid.h"

#include <QSize>

#include <array>
#include <vector>

class QComboBox;

namespace q731 {

class ChannelGridModel;
class ChannelGridView;
class ChannelListBox;
class ChannelTextBox;
class MessageBoxes;
class SubClassGrid;
class cScrollBars;

// The channel grid window (Form1): Grid1 over the session's ChannelTable,
// the in-place editors over the clicked cell (the frequency and name boxes,
// the tone list and the option lists), all on the client panel picClient that the
// window's own scroll bars move when the window is smaller than it.
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

    int CurrentRow() const { return m_currentRow; }
    int CurrentColumn() const { return m_currentColumn; }

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createGrid();
    void createEditors();
    void StartSelectors();
    GridLists shownLists() const;
    QComboBox *listOf(int column) const;
    QRect cellRect(int row, int column) const;

    void onCellClicked();
    void openTextBox(ChannelTextBox *box, int row, int column);
    void openList(QComboBox *list, int row, int column);
    void frequencyEditorLeft();
    void nameEditorLeft();
    void cancelTextBox(ChannelTextBox *box);
    void listChosen(QComboBox *list, int index);
    void cancelList(QComboBox *list);
    void closeEditorsWithoutCommit();
    void rowsRestored(const QList<int> &rows);
    const ChannelTable &table() const;
    void gridWheel(int rotation);

    std::vector<int> selectedRows() const;
    void deleteSelectedRows();
    void copySelectedRows();
    void pasteRows();
    void showBandMessage();

    void updateScrollRanges();
    void movePanel(int eBar);

    MessageBoxes &m_boxes;
    ChannelGridModel *m_model = nullptr;
    QWidget *m_panel = nullptr;
    ChannelGridView *m_grid = nullptr;
    ChannelTextBox *m_frequencyEditor = nullptr;
    ChannelTextBox *m_nameEditor = nullptr;
    ChannelListBox *m_toneEditor = nullptr;
    // The list editors of the option columns 5..11, by column - 5.
    std::array<ChannelListBox *, 7> m_optionEditors{};
    SubClassGrid *m_gridHook = nullptr;
    cScrollBars *m_scrollBars = nullptr;
    int m_currentRow = 1;
    int m_currentColumn = 1;
    // A box is open from the click that showed it to its commit: the commit
    // runs once however the box is left (Enter, a click elsewhere, a save).
    // Only a text the user changed is committed: opening and leaving a cell
    // never changes its channel.
    bool m_frequencyEditorOpen = false;
    bool m_nameEditorOpen = false;
    QString m_frequencyWhenOpened;
    QString m_nameWhenOpened;
    // The table when the name box opened (the name changes while it is typed).
    ChannelTable m_nameBefore;
    // The list opened by the last click, until an item is chosen or the
    // list closes without a choice.
    QComboBox *m_openList = nullptr;
};

} // namespace q731
