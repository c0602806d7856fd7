#include "channel_cell_delegate.h"

#include "editors/channel_field_editors.h"
#include "editors/channel_grid_model.h"
#include "editors/channel_grid_view.h"
#include "editors/channel_window_texts.h"
#include "image/tones.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/captions.h"
#include "ui/message_box.h"
#include "ui/object_names.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QTimer>

namespace q731 {

namespace {

using namespace GridColumn;

// The option lists are made for columns 5..11; the name column's one is
// never opened (its cell has the name box) but stays among the window's lists.
constexpr int kFirstOptionColumn = 5;
constexpr int kLastOptionColumn = 11;

std::vector<std::string> ItemTexts(const QComboBox *list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->itemText(i).toStdString());
    return items;
}

} // namespace

ChannelCellDelegate::ChannelCellDelegate(Session &session, MessageBoxes &boxes,
                                         ChannelGridModel *model, ChannelGridView *grid,
                                         QWidget *panel, QWidget *window)
    : QStyledItemDelegate(window)
    , m_session(session)
    , m_boxes(boxes)
    , m_model(model)
    , m_grid(grid)
    , m_panel(panel)
    , m_window(window)
{
    createEditors();
    m_grid->setItemDelegate(this);
}

void ChannelCellDelegate::createEditors()
{
    m_frequencyEditor = new ChannelTextBox(ChannelTextBox::Frequency, m_panel);
    m_nameEditor = new ChannelTextBox(ChannelTextBox::Name, m_panel);
    for (ChannelTextBox *box : {m_frequencyEditor, m_nameEditor}) {
        connect(box, &ChannelTextBox::enterPressed, this,
                [this] { m_grid->setFocus(Qt::OtherFocusReason); });
        connect(box, &ChannelTextBox::escapePressed, this, [this, box] { cancelTextBox(box); });
    }
    connect(m_frequencyEditor, &ChannelTextBox::lostFocus, this,
            &ChannelCellDelegate::leaveFrequencyBox);
    connect(m_nameEditor, &ChannelTextBox::lostFocus, this, &ChannelCellDelegate::leaveNameBox);
    connect(m_nameEditor, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_nameEditorOpen)
            m_session.alterChannels(
                [&](ChannelTable &channels) { m_model->commitName(channels, m_row, text); });
    });

    const Language language = m_session.language();
    m_toneEditor = new ChannelListBox(m_panel);
    m_toneEditor->setObjectName(ObjectName(Control::ChannelToneList));
    for (const std::string &tone : GridListsIn(language).tones)
        m_toneEditor->addItem(QString::fromStdString(tone));
    m_toneEditor->setCurrentIndex(0);
    for (int column = kFirstOptionColumn; column <= kLastOptionColumn; ++column) {
        auto *list = new ChannelListBox(m_panel);
        const QString name = ObjectName(Control::ChannelOptionList, column);
        list->setObjectName(name);
        list->addItems(CaptionTexts(m_window->objectName(), name, language));
        list->setCurrentIndex(1);
        m_optionEditors[static_cast<std::size_t>(column - kFirstOptionColumn)] = list;
    }
    std::vector<ChannelListBox *> lists(m_optionEditors.begin(), m_optionEditors.end());
    lists.push_back(m_toneEditor);
    for (ChannelListBox *list : lists) {
        list->hide();
        connect(list, &QComboBox::activated, this,
                [this, list](int index) { listChosen(list, index); });
        connect(list, &ChannelListBox::cancelled, this, [this, list] { cancelList(list); });
        // A choice follows the closing at once; a list still waiting after
        // that was left without one (a click outside, another window).
        connect(list, &ChannelListBox::popupClosed, this, [this, list] {
            QTimer::singleShot(0, this, [this, list] {
                if (m_openList == list && !list->view()->isVisible())
                    cancelList(list);
            });
        });
    }
}

GridLists ChannelCellDelegate::shownLists() const
{
    GridLists lists = GridListsIn(m_session.language());
    lists.tones = ItemTexts(m_toneEditor);
    for (int column = kFirstOption; column <= kLastList; ++column)
        lists.options[static_cast<std::size_t>(column - kFirstOption)] =
            ItemTexts(m_optionEditors[static_cast<std::size_t>(column - kFirstOptionColumn)]);
    return lists;
}

QWidget *ChannelCellDelegate::editorOf(int column) const
{
    if (column == Rx || column == Tx)
        return m_frequencyEditor;
    if (column == Name)
        return m_nameEditor;
    if (column == RxTone || column == TxTone)
        return m_toneEditor;
    if (column >= kFirstOption && column <= kLastList)
        return m_optionEditors[static_cast<std::size_t>(column - kFirstOptionColumn)];
    return nullptr;
}

void ChannelCellDelegate::open(const QModelIndex &index, const std::vector<int> &rows)
{
    m_choiceRows = rows;
    // A list closed by this very click may not have been handed back yet.
    if (m_openList)
        cancelList(m_openList);
    m_grid->edit(index);
    if (m_openList)
        m_openList->showPopup();
}

QWidget *ChannelCellDelegate::createEditor(QWidget *, const QStyleOptionViewItem &,
                                           const QModelIndex &index) const
{
    m_lent = editorOf(index.column());
    m_filling = m_lent != nullptr;
    return m_lent;
}

void ChannelCellDelegate::destroyEditor(QWidget *editor, const QModelIndex &) const
{
    // The editor stays for the next cell: it is hidden, not deleted. Once
    // handed back it is no longer open, whatever made the view close it.
    editor->hide();
    if (editor != m_lent)
        return;
    m_lent = nullptr;
    if (editor == m_frequencyEditor)
        m_frequencyEditorOpen = false;
    else if (editor == m_nameEditor)
        m_nameEditorOpen = false;
    else if (editor == m_openList)
        m_openList = nullptr;
}

void ChannelCellDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                               const QModelIndex &) const
{
    const QRect cell = option.rect.translated(m_grid->viewport()->mapTo(m_panel, QPoint(0, 0)));
    if (qobject_cast<QComboBox *>(editor))
        editor->setGeometry(cell.left(), cell.top(), cell.width(), editor->sizeHint().height());
    else
        editor->setGeometry(cell);
    editor->raise();
}

void ChannelCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (!m_filling || editor != m_lent)
        return;
    m_filling = false;
    m_row = ChannelGridModel::gridRow(index);
    m_column = index.column();
    if (editor == m_frequencyEditor || editor == m_nameEditor) {
        auto *box = static_cast<ChannelTextBox *>(editor);
        box->setText(m_model->cellText(m_row, m_column));
        if (box == m_frequencyEditor) {
            m_frequencyEditorOpen = true;
            m_frequencyWhenOpened = box->text();
        } else {
            m_nameEditorOpen = true;
            m_nameWhenOpened = box->text();
            m_nameBefore = m_session.data().channels;
        }
    } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
        list->setCurrentIndex(m_session.data().channels.index(
            static_cast<ChannelTable::Row>(m_column - kFirstList), m_row));
        m_openList = list;
    }
}

void ChannelCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                       const QModelIndex &) const
{
    if (editor == m_frequencyEditor) {
        if (!m_frequencyEditorOpen)
            return;
        m_frequencyEditorOpen = false;
        if (m_frequencyEditor->text() == m_frequencyWhenOpened)
            return;
        FrequencyCheck::Status status = FrequencyCheck::InBand;
        m_session.editChannels(QStringLiteral("frequency"), [&](ChannelTable &channels) {
            status = m_model->commitFrequency(channels, m_row, m_column, m_frequencyEditor->text());
        });
        if (status == FrequencyCheck::OutOfBand) {
            m_boxes.show(BandMessageText(m_session.language()), StyleOk);
            m_grid->setFocus(Qt::OtherFocusReason);
        }
    } else if (editor == m_nameEditor) {
        if (!m_nameEditorOpen)
            return;
        m_nameEditorOpen = false;
        m_session.editChannels(
            QStringLiteral("name"),
            [&](ChannelTable &channels) {
                if (m_nameEditor->text() != m_nameWhenOpened)
                    m_model->commitName(channels, m_row, m_nameEditor->text());
            },
            &m_nameBefore);
    } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
        // Only a choice in the open list is a value; the view's other
        // reasons to commit (the current cell moved) change nothing.
        if (list != m_openList || m_chosen < 0)
            return;
        m_openList = nullptr;
        m_session.editChannels(QStringLiteral("list choice"), [&](ChannelTable &channels) {
            if (m_choiceRows.empty())
                m_model->chooseListItem(channels, m_row, m_column, m_chosen);
            for (int row : m_choiceRows) {
                if (!channels.rx(row).empty())
                    m_model->chooseListItem(channels, row, m_column, m_chosen);
            }
        });
    }
}

void ChannelCellDelegate::handBack(QWidget *editor, EndEditHint hint)
{
    // The view gives the focus back to the grid if the editor still has it.
    if (editor->hasFocus())
        m_grid->setFocus(Qt::OtherFocusReason);
    if (editor == m_lent)
        emit closeEditor(editor, hint);
    editor->hide();
}

void ChannelCellDelegate::leaveFrequencyBox()
{
    if (!m_frequencyEditorOpen)
        return;
    emit commitData(m_frequencyEditor);
    handBack(m_frequencyEditor, NoHint);
}

void ChannelCellDelegate::leaveNameBox()
{
    if (!m_nameEditorOpen)
        return;
    emit commitData(m_nameEditor);
    handBack(m_nameEditor, NoHint);
}

void ChannelCellDelegate::leaveTextBoxes()
{
    leaveFrequencyBox();
    leaveNameBox();
}

void ChannelCellDelegate::cancelTextBox(ChannelTextBox *box)
{
    // Esc: the cell keeps the value it had when the box opened.
    if (box == m_frequencyEditor) {
        m_frequencyEditorOpen = false;
    } else if (m_nameEditorOpen) {
        m_nameEditorOpen = false;
        if (m_nameEditor->text() != m_nameWhenOpened)
            m_session.alterChannels([&](ChannelTable &channels) {
                m_model->commitName(channels, m_row, m_nameWhenOpened);
            });
    }
    m_grid->setFocus(Qt::OtherFocusReason);
    handBack(box, RevertModelCache);
}

void ChannelCellDelegate::listChosen(QComboBox *list, int index)
{
    if (list != m_openList || index < 0)
        return;
    m_chosen = index;
    emit commitData(list);
    m_chosen = -1;
    m_openList = nullptr;
    m_grid->setFocus(Qt::OtherFocusReason);
    handBack(list, NoHint);
}

void ChannelCellDelegate::cancelList(QComboBox *list)
{
    if (list == m_openList)
        m_openList = nullptr;
    // The focus goes back to the grid unless the user took it elsewhere. The
    // window may not be active again yet after its popup closed: then the
    // grid is where the focus returns when it is.
    const QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == list || focus->window() == list->view()->window() ||
        m_window->focusWidget() == list)
        m_grid->setFocus(Qt::OtherFocusReason);
    list->hidePopup();
    handBack(list, RevertModelCache);
}

void ChannelCellDelegate::closeWithoutCommit()
{
    m_frequencyEditorOpen = false;
    m_nameEditorOpen = false;
    m_openList = nullptr;
    const QWidget *focus = m_window->focusWidget();
    if (m_panel->isAncestorOf(focus) && focus != m_grid)
        m_grid->setFocus(Qt::OtherFocusReason);
    if (m_lent)
        emit closeEditor(m_lent, RevertModelCache);
    m_frequencyEditor->hide();
    m_nameEditor->hide();
    m_toneEditor->hide();
    for (QComboBox *list : m_optionEditors)
        list->hide();
}

bool ChannelCellDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // The view makes the delegate its editor's filter, and the base filter
    // would commit on any loss of the focus and move to the next cell on Tab.
    // The editors keep their own rules: the boxes report Enter, Esc and the
    // loss of the focus themselves, and a list that loses the focus without
    // a choice closes and changes nothing.
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        auto *list = qobject_cast<QComboBox *>(watched);
        if (list && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            !list->view()->window()->isAncestorOf(QApplication::focusWidget()))
            cancelList(list);
    }
    return false;
}

} // namespace q731
