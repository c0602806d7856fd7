#include "channel_window.h"

#include "editors/channel_cell_delegate.h"
#include "editors/channel_grid_model.h"
#include "editors/channel_grid_view.h"
#include "editors/channel_window_texts.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/captions.h"
#include "ui/message_box.h"
#include "ui/object_names.h"
#include "ui/scroll_bars.h"
#include "ui/subclass.h"
#include "ui/twips.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <set>

namespace q731 {

namespace {

using namespace GridColumn;

constexpr std::array<int, kGridColumns> kColumnTwips = {600,  1100, 1100, 1200, 1200, 600,
                                                        1400, 900,  700,  1000, 900,  1400};
constexpr int kGridHeightTwips = 6800;
constexpr int kFirstOptionColumn = 5;
constexpr int kLastOptionColumn = 11;
// Rows copied in this program travel in this form beside the text a
// spreadsheet takes, so that they paste back exactly.
const QString kChannelRowsMime = QStringLiteral("application/x-q731-channel-rows");

QString OptionEditorName(int column)
{
    return ObjectName(Control::ChannelOptionList, column);
}

// A column is at least as wide as what it can show, in the grid's own font,
// whatever that font is: its title in either language, the longest item of
// its list in either language ("Middle" in the power column), a frequency
// written with the font's widest digit. The widths in twips fit the fonts
// the layout was drawn with; other fonts (another system's, another DPI)
// may be wider.
int ContentColumnWidth(const QTableView &grid, int column)
{
    const QFontMetrics cells = grid.fontMetrics();
    const int cellMargin = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    int width = 0;
    const auto fit = [&width](const QFontMetrics &metrics, const QString &text, int margin) {
        width = std::max(width, metrics.horizontalAdvance(text) + margin);
    };
    for (Language language : {Language::Chinese, Language::English}) {
        // A list's cell leaves room for a character more, as its editor does.
        if (column >= kFirstOptionColumn && column <= kLastOptionColumn) {
            for (const QString &text :
                 CaptionTexts(QStringLiteral("Form1"), OptionEditorName(column), language))
                fit(cells, text, cellMargin + cells.averageCharWidth());
        }
        if (column >= kFirstList && column <= kLastList) {
            const GridLists &lists = GridListsIn(language);
            for (const std::string &text : lists.forColumn(column))
                fit(cells, QString::fromStdString(text), cellMargin);
        }
        const QStringList titles =
            CaptionTexts(QStringLiteral("Form1"), QStringLiteral("Grid1"), language);
        if (column < titles.size())
            fit(grid.horizontalHeader()->fontMetrics(), titles.at(column),
                2 * grid.style()->pixelMetric(QStyle::PM_HeaderMargin));
    }
    if (column == Rx || column == Tx) {
        QChar digit = QLatin1Char('0');
        for (char c = '1'; c <= '9'; ++c) {
            if (cells.horizontalAdvance(QLatin1Char(c)) > cells.horizontalAdvance(digit))
                digit = QLatin1Char(c);
        }
        fit(cells, QString(3, digit) + QLatin1Char('.') + QString(5, digit), cellMargin);
    }
    return width;
}

} // namespace

ChannelWindow::ChannelWindow(Session &session, MessageBoxes &boxes, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form1"), parent)
    , m_boxes(boxes)
{
    const QStringList title = CaptionTexts(objectName(), QString(), session.language());
    setWindowTitle(title.isEmpty() ? QString() : title.front());
    createGrid();

    m_gridHook = new SubClassGrid(this);
    (void)m_gridHook->HookGrid(m_grid->viewport());
    (void)m_gridHook->HookGrid(m_grid->verticalScrollBar());
    connect(m_gridHook, &SubClassGrid::MouseWheel, this,
            [this](int rotation, int, int) { gridWheel(rotation); });

    m_scrollBars = new cScrollBars(this);
    m_scrollBars->setObjectName(QStringLiteral("scrollBars"));
    m_scrollBars->Create(this);
    m_scrollBars->setSmallChange(cScrollBars::Vertical, 2);
    connect(m_scrollBars, &cScrollBars::Change, this, &ChannelWindow::movePanel);
    connect(m_scrollBars, &cScrollBars::Scroll, this, &ChannelWindow::movePanel);

    connect(&m_session, &Session::channelsChanged, this, [this] {
        m_cells->closeWithoutCommit();
        m_model->setGrid();
    });
    connect(&m_session, &Session::channelRowsRestored, this, &ChannelWindow::rowsRestored);
    m_model->setGrid();
    resize(sizeHint());
}

ChannelWindow::~ChannelWindow()
{
    // The hook and the bars detach from widgets that are still alive.
    delete m_gridHook;
    delete m_scrollBars;
}

QSize ChannelWindow::sizeHint() const
{
    return {TwipsToPixelsX(13000, this), TwipsToPixelsY(7200, this)};
}

void ChannelWindow::createGrid()
{
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("picClient"));
    m_grid = new ChannelGridView(m_panel);
    m_model = new ChannelGridModel(m_session, this);
    m_grid->setModel(m_model);
    m_cells = new ChannelCellDelegate(m_session, m_boxes, m_model, m_grid, m_panel, this);

    int width = 2 * m_grid->frameWidth() + m_grid->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kGridColumns; ++column) {
        const int pixels =
            std::max(TwipsToPixelsX(kColumnTwips[static_cast<std::size_t>(column)], this),
                     ContentColumnWidth(*m_grid, column));
        m_grid->setColumnWidth(column, pixels);
        width += pixels;
    }
    m_grid->verticalHeader()->setDefaultSectionSize(
        std::max(TwipsToPixelsY(255, this), m_grid->fontMetrics().height() + 4));
    m_grid->setGeometry(0, 0, width, TwipsToPixelsY(kGridHeightTwips, this));
    // The panel reaches two pixels beyond the grid.
    m_panel->setGeometry(0, 0, m_grid->width() + 2, m_grid->height() + 2);

    connect(m_grid, &ChannelGridView::cellClicked, this, &ChannelWindow::onCellClicked);
    connect(m_grid, &ChannelGridView::typedIntoCell, this, &ChannelWindow::typeIntoCell);
    connect(m_grid, &ChannelGridView::deleteRequested, this, &ChannelWindow::deleteSelectedRows);
    connect(m_grid, &ChannelGridView::copyRequested, this, &ChannelWindow::copySelectedRows);
    connect(m_grid, &ChannelGridView::pasteRequested, this, &ChannelWindow::pasteRows);
    connect(m_grid, &ChannelGridView::rowsDropped, this, &ChannelWindow::moveRowsBefore);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &ChannelWindow::showRowMenu);
    createRowActions();
    // Scrolling takes the focus to the grid, which closes an open editor.
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_grid->setFocus(Qt::OtherFocusReason); });
}

void ChannelWindow::onCellClicked()
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return;
    const int row = ChannelGridModel::gridRow(current);
    int column = current.column();
    // The channel numbers are the grid's fixed column: they select rows (for
    // copying and deleting) and open nothing.
    if (column == Number)
        return;
    // A new channel always starts with its receive frequency.
    if (m_model->cellText(row, Rx).isEmpty() && column != Rx) {
        column = Rx;
        m_grid->setCurrentIndex(m_model->cellIndex(row, Rx));
    }
    // A list cell of one of several selected channels: the choice is for all.
    std::vector<int> rows;
    if (column >= kFirstList && column <= kLastList) {
        rows = selectedRows();
        if (rows.size() < 2 || std::find(rows.begin(), rows.end(), row) == rows.end())
            rows.clear();
    }
    m_cells->open(m_model->cellIndex(row, column), rows);
}

void ChannelWindow::typeIntoCell(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    onCellClicked();
    QWidget *editor = m_cells->openEditor();
    if (!editor)
        return;
    // The character replaces a box's text, as in a spreadsheet; in a list it
    // picks the first item it begins.
    QWidget *target = editor;
    if (auto *box = qobject_cast<QLineEdit *>(editor))
        box->selectAll();
    else if (auto *list = qobject_cast<QComboBox *>(editor))
        target = list->view();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
}

void ChannelWindow::rowsRestored(const QList<int> &rows)
{
    m_cells->closeWithoutCommit();
    m_model->showRows(rows);
}

void ChannelWindow::hideTextEditors()
{
    m_cells->leaveTextBoxes();
}

void ChannelWindow::commitPendingEdits()
{
    hideTextEditors();
}

void ChannelWindow::languageSwitched()
{
    m_model->languageSwitched();
}

void ChannelWindow::gridWheel(int rotation)
{
    const int top = m_grid->topRow();
    const int next = rotation < 1 ? std::min(top + 1, kChannelCount) : std::max(top - 1, 1);
    m_grid->setTopRow(next);
}

std::vector<int> ChannelWindow::selectedRows() const
{
    std::set<int> rows;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedIndexes())
        rows.insert(ChannelGridModel::gridRow(index));
    if (rows.empty() && m_grid->currentIndex().isValid())
        rows.insert(ChannelGridModel::gridRow(m_grid->currentIndex()));
    return {rows.begin(), rows.end()};
}

void ChannelWindow::selectRows(const std::vector<int> &rows)
{
    QItemSelection selection;
    for (int n : rows)
        selection.select(m_model->cellIndex(n, Number), m_model->cellIndex(n, kGridColumns - 1));
    m_grid->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (rows.empty())
        return;
    const QModelIndex first = m_model->cellIndex(rows.front(), Number);
    m_grid->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    m_grid->scrollTo(first);
}

void ChannelWindow::deleteSelectedRows()
{
    clearSelectedRows(QStringLiteral("delete"));
}

void ChannelWindow::clearSelectedRows(const QString &label)
{
    const std::vector<int> rows = selectedRows();
    m_session.editChannels(label, [&](ChannelTable &channels) {
        for (int row : rows)
            m_model->clearChannel(channels, row);
    });
}

void ChannelWindow::copySelectedRows()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    auto *copied = new QMimeData;
    copied->setText(m_model->copyRows(rows));
    copied->setData(kChannelRowsMime, m_model->copyRowsExact(rows));
    QGuiApplication::clipboard()->setMimeData(copied);
}

void ChannelWindow::cutSelectedRows()
{
    copySelectedRows();
    clearSelectedRows(QStringLiteral("cut"));
}

void ChannelWindow::createRowActions()
{
    const auto add = [this](const char *name, const QKeySequence &keys, auto command) {
        auto *action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        // The keys belong to the grid: in a text box they edit the text.
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        m_grid->addAction(action);
        connect(action, &QAction::triggered, this, command);
        m_rowActions << action;
    };
    const auto separator = [this] {
        auto *line = new QAction(this);
        line->setSeparator(true);
        m_rowActions << line;
    };
    add("MNCut", QKeySequence::Cut, [this] { cutSelectedRows(); });
    add("MNCopy", QKeySequence::Copy, [this] { copySelectedRows(); });
    add("MNPaste", QKeySequence::Paste, [this] { pasteRows(); });
    add("MNDelete", QKeySequence(Qt::Key_Delete), [this] { deleteSelectedRows(); });
    separator();
    add("MNInsert", QKeySequence(Qt::Key_Insert), [this] { insertChannels(); });
    add("MNDeleteShift", QKeySequence(Qt::CTRL | Qt::Key_Delete),
        [this] { deleteChannelsShifting(); });
    add("MNMoveUp", QKeySequence(Qt::ALT | Qt::Key_Up), [this] { moveRows(-1); });
    add("MNMoveDown", QKeySequence(Qt::ALT | Qt::Key_Down), [this] { moveRows(1); });
    separator();
    add("MNSortFrequency", QKeySequence(), [this] { sortChannels(ChannelSortKey::RxFrequency); });
    add("MNSortName", QKeySequence(), [this] { sortChannels(ChannelSortKey::Name); });
}

void ChannelWindow::showRowMenu(const QPoint &position)
{
    // A right click outside the selection works on the channel clicked.
    const QModelIndex index = m_grid->indexAt(position);
    if (index.isValid()) {
        const std::vector<int> rows = selectedRows();
        const int row = ChannelGridModel::gridRow(index);
        if (std::find(rows.begin(), rows.end(), row) == rows.end())
            selectRows({row});
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("RowMenu"));
    menu.addActions(m_rowActions);
    menu.exec(m_grid->viewport()->mapToGlobal(position));
}

void ChannelWindow::rearrange(const QString &label, const ChannelOrder &order,
                              const std::vector<int> &moved)
{
    m_session.editChannels(label, [&](ChannelTable &channels) { Rearrange(channels, order); });
    QList<int> rows;
    for (int n = 1; n <= kChannelCount; ++n)
        rows << n;
    m_model->showRows(rows);
    std::vector<int> placed;
    for (int n : moved) {
        if (const int place = PlaceOf(order, n))
            placed.push_back(place);
    }
    std::sort(placed.begin(), placed.end());
    selectRows(placed);
}

void ChannelWindow::insertChannels()
{
    commitPendingEdits();
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    const int count = static_cast<int>(rows.size());
    const ChannelTable &table = m_session.data().channels;
    const std::optional<ChannelOrder> order = InsertEmpty(table, rows.front(), count);
    if (!order) {
        int lost = kChannelCount - count + 1;
        while (lost < kChannelCount && !HoldsChannel(table, lost))
            ++lost;
        m_boxes.show(InsertRefusedText(lost, m_session.language()), StyleOkExclamation);
        return;
    }
    rearrange(QStringLiteral("insert"), *order, {});
    std::vector<int> inserted;
    for (int n = rows.front(); n < rows.front() + count; ++n)
        inserted.push_back(n);
    selectRows(inserted);
}

void ChannelWindow::deleteChannelsShifting()
{
    commitPendingEdits();
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    rearrange(QStringLiteral("delete shifting"), DeleteShifting(rows), {});
    selectRows({rows.front()});
}

void ChannelWindow::moveRows(int step)
{
    commitPendingEdits();
    const std::vector<int> rows = selectedRows();
    if (const std::optional<ChannelOrder> order = MoveByOne(rows, step))
        rearrange(QStringLiteral("move"), *order, rows);
}

void ChannelWindow::moveRowsBefore(int target)
{
    commitPendingEdits();
    const std::vector<int> rows = selectedRows();
    if (!rows.empty())
        rearrange(QStringLiteral("move"), MoveBefore(rows, target), rows);
}

void ChannelWindow::sortChannels(ChannelSortKey key)
{
    commitPendingEdits();
    // Several channels selected: those; otherwise all of them.
    std::vector<int> rows = selectedRows();
    if (rows.size() < 2)
        rows.clear();
    rearrange(QStringLiteral("sort"), Sorted(m_session.data().channels, rows, key), rows);
}

void ChannelWindow::pasteRows()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    // Our own rows keep what the name box would refuse; text from elsewhere
    // is taken as if typed.
    std::vector<GridLists> lists = EveryGridLists(m_session.language());
    lists.front() = m_cells->shownLists();
    ChannelGrid::PasteResult result;
    m_session.editChannels(QStringLiteral("paste"), [&](ChannelTable &channels) {
        result = clipboard && clipboard->hasFormat(kChannelRowsMime)
                     ? m_model->pasteRowsExact(channels, rows.front(),
                                               clipboard->data(kChannelRowsMime), lists.front())
                     : m_model->pasteRows(channels, rows.front(),
                                          clipboard ? clipboard->text() : QString(), lists);
    });
    const QString message = PasteMessageText(result, m_session.bandIndex(), m_session.language());
    if (!message.isEmpty())
        m_boxes.show(message, StyleOkExclamation);
}

void ChannelWindow::updateScrollRanges()
{
    const QRect client = m_scrollBars->clientRect();
    const std::array<int, 2> panel = {m_panel->width(), m_panel->height()};
    const std::array<int, 2> room = {client.width(), client.height()};
    for (int eBar : {cScrollBars::Horizontal, cScrollBars::Vertical}) {
        const bool scrolls = panel[eBar] > room[eBar];
        m_scrollBars->setEnabled(eBar, scrolls);
        m_scrollBars->setLargeChange(eBar, std::max(room[eBar], 1));
        m_scrollBars->setMax(eBar, scrolls ? panel[eBar] - room[eBar] : 0);
        movePanel(eBar);
    }
}

void ChannelWindow::movePanel(int eBar)
{
    QPoint place = m_panel->pos();
    const int offset = m_scrollBars->Visible(eBar) ? -m_scrollBars->Value(eBar) : 0;
    if (eBar == cScrollBars::Horizontal)
        place.setX(offset);
    else
        place.setY(offset);
    m_panel->move(place);
}

void ChannelWindow::mousePressEvent(QMouseEvent *event)
{
    hideTextEditors();
    EditorWindow::mousePressEvent(event);
}

void ChannelWindow::wheelEvent(QWheelEvent *event)
{
    // The window's bars took the wheel; the MDI area behind must not scroll too.
    event->accept();
}

void ChannelWindow::resizeEvent(QResizeEvent *event)
{
    EditorWindow::resizeEvent(event);
    updateScrollRanges();
}

} // namespace q731
