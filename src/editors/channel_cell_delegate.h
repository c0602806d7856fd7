#pragma once

#include "image/channel_grid.h"

#include <QAbstractItemDelegate>
#include <QStyledItemDelegate>

#include <array>
#include <vector>

class QComboBox;

namespace q731 {

class ChannelGridModel;
class ChannelGridView;
class ChannelListBox;
class ChannelTextBox;
class MessageBoxes;
class Session;

// The in-cell editing of the channel grid. Its editors live as long as the
// window: the frequency and name boxes, the tone list and the option lists
// keep their names, and the lists' items are the texts the grid shows. The
// view asks for an editor when a cell opens and hands it back when the cell
// closes; the delegate lends it and hides it again. A commit goes to the
// session as one edit of the channels, and only when the user changed
// something: opening and leaving a cell never changes its channel.
class ChannelCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // The editors are made on `panel`, over the grid, rather than on the
    // grid's viewport: a list is taller than its row and must not be cut off
    // at the last one, and Tab in a box moves the focus, not the cell.
    ChannelCellDelegate(Session &session, MessageBoxes &boxes, ChannelGridModel *model,
                        ChannelGridView *grid, QWidget *panel, QWidget *window);

    // Opens the editor of a cell that has one (a click or Enter on it, never
    // on the channel number); a list drops down. A list's choice goes to
    // every channel in use of `rows` when given, else to the cell's.
    void open(const QModelIndex &index, const std::vector<int> &rows = {});
    // The boxes are left as if they lost the focus: what they hold is committed.
    void leaveTextBoxes();
    // The channels were replaced behind the editors: they close and commit nothing.
    void closeWithoutCommit();
    // The texts the lists show, in the language they were filled in.
    GridLists shownLists() const;
    // The editor lent to the open cell; none when no cell is open.
    QWidget *openEditor() const { return m_lent; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createEditors();
    QWidget *editorOf(int column) const;
    void leaveFrequencyBox();
    void leaveNameBox();
    void cancelTextBox(ChannelTextBox *box);
    void listChosen(QComboBox *list, int index);
    void cancelList(QComboBox *list);
    void handBack(QWidget *editor, EndEditHint hint);

    Session &m_session;
    MessageBoxes &m_boxes;
    ChannelGridModel *m_model;
    ChannelGridView *m_grid;
    QWidget *m_panel;
    QWidget *m_window;
    ChannelTextBox *m_frequencyEditor = nullptr;
    ChannelTextBox *m_nameEditor = nullptr;
    ChannelListBox *m_toneEditor = nullptr;
    // The list editors of the option columns 5..11, by column - 5.
    std::array<ChannelListBox *, 7> m_optionEditors{};

    // The view calls the editor hooks as const; what they record is the state
    // of the one cell being edited.
    // The editor the view holds, from createEditor() to destroyEditor().
    mutable QWidget *m_lent = nullptr;
    // setEditorData() fills an editor as it opens; later calls (the view's
    // answer to a change of the cell, which the name box makes as it is
    // typed) leave what the user is typing alone.
    mutable bool m_filling = false;
    mutable int m_row = 1;
    mutable int m_column = 1;
    // A box is open from the click that showed it to its commit: the commit
    // runs once however the box is left (Enter, a click elsewhere, a save).
    mutable bool m_frequencyEditorOpen = false;
    mutable bool m_nameEditorOpen = false;
    mutable QString m_frequencyWhenOpened;
    mutable QString m_nameWhenOpened;
    // The table when the name box opened (the name changes while it is typed).
    mutable ChannelTable m_nameBefore;
    // The list opened by the last click, until an item is chosen or the
    // list closes without a choice.
    mutable QComboBox *m_openList = nullptr;
    // The channels the open list's choice is for, when several.
    std::vector<int> m_choiceRows;
    // The item just chosen in the open list, while it is committed.
    int m_chosen = -1;
};

} // namespace q731
