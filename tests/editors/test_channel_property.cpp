// A seeded random walk through the channel grid with real key and mouse
// events. After every step the grid must show what the radio would get:
// EncodeImage followed by DecodeImage gives back, cell by cell, what the grid
// shows. Steps that change nothing (a cell opened and left, Esc, a band change
// answered Cancel, the wheel, a language switch) must leave every byte as it
// was, and undo and redo must walk back and forth through the images exactly.
//
// Q731_PROPERTY_SEED=<n> repeats a run; Q731_PROPERTY_STEPS=<n> sets its length.

#include "channel_program.h"

#include "image/band_list.h"
#include "image/channel_rows.h"
#include "image/codec.h"
#include "image/text_helpers.h"
#include "image/texts.h"
#include "image/tones.h"
#include "session/qt_translations.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QToolBar>
#include <QWheelEvent>

#include <algorithm>
#include <random>
#include <set>
#include <string>

using namespace q731;
using q731::testing::ChannelProgram;

namespace {

const QString kBandQuestion[] = {
    QStringLiteral("改变频段将清除频道列表，确定吗？"),
    QStringLiteral("Changing the frequency band will remove the channel tabulation, confirm?")};

RadioImage Bytes(const ChannelProgram &program)
{
    RadioImage image{};
    EncodeImage(program.session.data(), image);
    return image;
}

void Wheel(QWidget *widget, QPoint angle)
{
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent wheel(local, widget->mapToGlobal(local), QPoint(), angle, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

class Walk
{
public:
    Walk(ChannelProgram &program, std::uint32_t seed)
        : m_program(program)
        , m_random(seed)
    {
        for (Language language : {Language::Chinese, Language::English})
            m_lists[static_cast<int>(language)] = GridListsIn(language);
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }

    // A random image as a radio may hold it: channels of the band on and off
    // the raster, every tone and option, names of any length and any bytes.
    void loadRandomImage()
    {
        RadioData data;
        data.bandIndex = pick(static_cast<int>(kBandItems.size()));
        const BandLimits band = BandLimitsOf(data.bandIndex);
        for (int n = 1; n <= kChannelCount; ++n) {
            if (chance(35)) {
                data.channels.rx(n) = frequencyIn(band, chance(20));
                data.channels.tx(n) = chance(15) ? std::string() : frequencyIn(band, false);
                for (int r = 0; r < ChannelTable::kRows; ++r) {
                    const int count = r < 2 ? kToneCount : (r == ChannelTable::Power ? 3 : 2);
                    data.channels.index(static_cast<ChannelTable::Row>(r), n) = pick(count);
                }
            }
            if (chance(data.channels.rx(n).empty() ? 20 : 70))
                data.channels.name(n) = randomName();
        }
        RadioImage image = m_program.session.image();
        EncodeImage(data, image);
        m_program.session.setImage(image);
        m_program.session.decodeImage();
        freshHistory();
    }

    void freshHistory()
    {
        m_undo.clear();
        m_redo.clear();
    }

    std::string frequencyIn(const BandLimits &band, bool offRaster)
    {
        const double span = band.highMHz - band.lowMHz;
        const double f = band.lowMHz + std::uniform_real_distribution<double>(0, span)(m_random);
        if (offRaster) {
            const std::string text = FormatFixed(f, 5);
            if (FrequencyInBand(text, band.lowMHz, band.highMHz))
                return text;
        }
        const FrequencyCheck check = CheckFrequency(FormatFixed(f, 4), band.lowMHz, band.highMHz);
        return check.status == FrequencyCheck::InBand ? check.text : FormatFixed(band.lowMHz, 5);
    }

    std::string randomName()
    {
        std::string latin1;
        // Half of them longer than typing allows.
        const int length = chance(50) ? 6 + pick(3) : 1 + pick(8);
        for (int i = 0; i < length; ++i) {
            // Mostly printable, lower case included; now and then any byte.
            const int code = chance(80) ? 32 + pick(95) : pick(255);
            latin1.push_back(static_cast<char>(code == 0xFF ? 'Z' : code));
        }
        return Latin1ToUtf8(latin1);
    }

    QString typedFrequency()
    {
        const BandLimits band = BandLimitsOf(m_program.session.bandIndex());
        switch (pick(8)) {
        case 0:
            return QString();
        case 1:
            return QStringLiteral(".");
        case 2:
            return QString::number(band.highMHz + 1 + pick(100));
        case 3:
            return QString::number(pick(1000)) + "." + QString::number(pick(100000));
        default: {
            const double span = band.highMHz - band.lowMHz;
            const double f =
                band.lowMHz + std::uniform_real_distribution<double>(0, span)(m_random);
            return QString::fromStdString(FormatFixed(f, pick(6)));
        }
        }
    }

    QString typedName()
    {
        static const QString keys = QStringLiteral("abcxyzABCXYZ0129#$%@[]^_`{|}~ !\"'");
        QString text;
        const int length = pick(8);
        for (int i = 0; i < length; ++i)
            text += keys.at(pick(static_cast<int>(keys.size())));
        return text;
    }

    int randomRow()
    {
        // Mostly rows that hold a channel, or the first rows, so that steps
        // meet the channels that were decoded or made before.
        if (chance(50)) {
            std::vector<int> used;
            for (int n = 1; n <= kChannelCount; ++n) {
                if (!m_program.table().rx(n).empty())
                    used.push_back(n);
            }
            if (!used.empty())
                return used[static_cast<std::size_t>(pick(static_cast<int>(used.size())))];
        }
        return chance(60) ? 1 + pick(12) : 1 + pick(kChannelCount);
    }

    // The in-place editor that is open now, if any.
    QWidget *openEditor() const
    {
        for (QWidget *editor : m_program.panel()->findChildren<QWidget *>()) {
            if ((qobject_cast<QLineEdit *>(editor) || qobject_cast<QComboBox *>(editor)) &&
                editor->isVisible())
                return editor;
        }
        return nullptr;
    }

    void leaveTextBox(QLineEdit *box)
    {
        switch (pick(4)) {
        case 0:
            m_log << "Enter";
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case 1:
            m_log << "click number";
            m_program.click(m_program.currentRow(), 0);
            break;
        case 2:
            m_log << "encode";
            m_program.session.encodeImage();
            break;
        default:
            m_log << "click toolbar";
            QTest::mouseClick(m_program.toolbar(), Qt::LeftButton, {}, QPoint(2, 2));
            m_program.grid()->setFocus();
            break;
        }
    }

    // The offscreen platform leaves a closed popup the active window; a
    // desktop hands the activation back to the main window.
    void activateMainWindow()
    {
        QMainWindow *window = m_program.window.get();
        if (QGuiApplication::focusWindow() == window->windowHandle())
            return;
        window->activateWindow();
        if (!QTest::qWaitFor(
                [window] { return QGuiApplication::focusWindow() == window->windowHandle(); }))
            m_failure = QStringLiteral("the main window cannot be activated");
    }

    // The window system activates an open list's popup in its own time; keys
    // and clicks go to it once it is.
    void waitForPopup(QComboBox *list)
    {
        if (!QTest::qWaitForWindowActive(list->view()->window()))
            m_failure = QStringLiteral("the list did not open");
    }

    // Steps ------------------------------------------------------------------

    enum class Kind { Edit, Neutral, Undo, Redo, Fresh };

    Kind typeInCell()
    {
        const int row = randomRow();
        const int column = pick(3) == 0 ? 11 : 1 + pick(2);
        m_program.click(row, column);
        auto *box = qobject_cast<QLineEdit *>(openEditor());
        if (!box) {
            m_log << QString("(%1,%2) opened no box").arg(row).arg(column);
            return Kind::Neutral;
        }
        const QString text = box->objectName() == "Text2" ? typedName() : typedFrequency();
        m_log << QString("type %1 into (%2,%3) %4")
                     .arg(text)
                     .arg(row)
                     .arg(column)
                     .arg(box->objectName());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        leaveTextBox(box);
        return Kind::Edit;
    }

    Kind openAndLeave()
    {
        // The name and frequency cells hold what a decoded image may bring.
        const int column = chance(40) ? (chance(60) ? 11 : 1 + pick(2)) : 1 + pick(11);
        int row = randomRow();
        if (column == 11) {
            std::vector<int> named;
            for (int n = 1; n <= kChannelCount; ++n) {
                if (!m_program.table().rx(n).empty() && !m_program.table().name(n).empty())
                    named.push_back(n);
            }
            if (!named.empty() && chance(80))
                row = named[static_cast<std::size_t>(pick(static_cast<int>(named.size())))];
        }
        m_log << QString("open (%1,%2)").arg(row).arg(column);
        if (chance(30)) {
            // By the keyboard: Enter on the current cell.
            m_program.click(row, 0);
            for (int i = 0; i < column; ++i)
                QTest::keyClick(m_program.grid(), Qt::Key_Right);
            QTest::keyClick(m_program.grid(), Qt::Key_Return);
        } else {
            m_program.click(row, column);
        }
        QWidget *editor = openEditor();
        if (auto *box = qobject_cast<QLineEdit *>(editor)) {
            if (chance(40)) {
                m_log << "type and Esc";
                QTest::keyClick(box, Qt::Key_End);
                QTest::keyClicks(box,
                                 box->objectName() == "Text2" ? typedName() : typedFrequency());
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (chance(30)) {
                m_log << "Esc";
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                leaveTextBox(box);
            }
        } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
            waitForPopup(list);
            for (int i = pick(3); i > 0; --i)
                QTest::keyClick(list->view(), chance(50) ? Qt::Key_Down : Qt::Key_Up);
            switch (pick(3)) {
            case 0:
                m_log << "list Esc";
                QTest::keyClick(list->view(), Qt::Key_Escape);
                break;
            case 1:
                m_log << "list F4";
                QTest::keyClick(list->view(), Qt::Key_F4);
                break;
            default: {
                m_log << "list click outside";
                QWidget *popup = list->view()->window();
                const QPoint elsewhere = m_program.grid()->viewport()->mapToGlobal(
                    m_program.cellCentre(m_program.currentRow(), 0));
                QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {},
                                  popup->mapFromGlobal(elsewhere));
                break;
            }
            }
            // What the hand does next must not reach a list that is gone.
            for (int i = pick(3); i > 0; --i) {
                QTest::keyClick(list, chance(50) ? Qt::Key_Down : Qt::Key_Up);
                Wheel(list, QPoint(0, chance(50) ? 120 : -120));
            }
            if (!QTest::qWaitFor([list] { return list->isHidden(); }))
                m_failure = QStringLiteral("a list closed without a choice stayed");
        }
        return Kind::Neutral;
    }

    Kind chooseItem()
    {
        const int row = randomRow();
        const int column = 3 + pick(8);
        m_program.click(row, column);
        auto *list = qobject_cast<QComboBox *>(openEditor());
        if (!list) {
            // An empty channel opens its receive frequency instead.
            m_log << QString("(%1,%2) opened no list").arg(row).arg(column);
            if (QWidget *box = openEditor())
                QTest::keyClick(box, Qt::Key_Escape);
            return Kind::Neutral;
        }
        waitForPopup(list);
        const int item = column <= 4 && chance(50) ? pick(6) : pick(list->count());
        m_log << QString("choose %1 in (%2,%3)").arg(item).arg(row).arg(column);
        QAbstractItemView *view = list->view();
        const QModelIndex index = view->model()->index(item, 0);
        view->scrollTo(index);
        // The part of the item that the list shows.
        const QRect shown = view->visualRect(index).intersected(view->viewport()->rect());
        if (chance(50) && shown.height() > 2) {
            QWindow *popup = view->window()->windowHandle();
            const QPoint at = view->viewport()->mapTo(view->window(), shown.center());
            QTest::mouseMove(popup, at - QPoint(0, shown.height()));
            QTest::mouseMove(popup, at);
            QTest::mouseClick(popup, Qt::LeftButton, {}, at);
        } else {
            QTest::keyClick(view, Qt::Key_Home);
            for (int i = 0; i < item; ++i)
                QTest::keyClick(view, Qt::Key_Down);
            QTest::keyClick(view, Qt::Key_Return);
        }
        if (!QTest::qWaitFor([list] { return list->isHidden(); }))
            m_failure = QStringLiteral("the list stayed after a choice");
        return Kind::Edit;
    }

    void selectRows(int first, int count)
    {
        m_program.click(first, 0);
        if (count > 1)
            m_program.click(std::min(first + count - 1, kChannelCount), 0, Qt::ShiftModifier);
    }

    Kind deleteRows()
    {
        const int first = randomRow();
        const int count = 1 + pick(3);
        m_log << QString("delete %1 x%2").arg(first).arg(count);
        selectRows(first, count);
        QTest::keyClick(m_program.grid(), Qt::Key_Delete);
        return Kind::Edit;
    }

    // Every channel that holds something, as text: a move may put channels
    // elsewhere, but loses none and makes none.
    static std::multiset<std::string> ChannelsHeld(const ChannelTable &table)
    {
        std::multiset<std::string> held;
        for (int n = 1; n <= kChannelCount; ++n) {
            if (!HoldsChannel(table, n))
                continue;
            std::string channel = table.rx(n) + '|' + table.tx(n) + '|' + table.name(n);
            for (int r = 0; r < ChannelTable::kRows; ++r)
                channel += '|' + std::to_string(table.index(static_cast<ChannelTable::Row>(r), n));
            held.insert(channel);
        }
        return held;
    }

    // Work on whole channels: insert, delete shifting up, move by keys or by
    // dragging the numbers, sort, or one list value for several channels.
    Kind rowWork()
    {
        const int first = randomRow();
        const int count = 1 + pick(3);
        selectRows(first, count);
        const std::multiset<std::string> before = ChannelsHeld(m_program.table());
        ChannelGridView *grid = m_program.grid();
        bool moves = true;
        switch (pick(6)) {
        case 0:
            m_log << QString("insert at %1 x%2").arg(first).arg(count);
            QTest::keyClick(grid, Qt::Key_Insert);
            break;
        case 1:
            m_log << QString("delete shifting %1 x%2").arg(first).arg(count);
            QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
            moves = false;
            break;
        case 2: {
            const bool up = chance(50);
            m_log << QString("%1 x%2 %3").arg(first).arg(count).arg(up ? "Alt+Up" : "Alt+Down");
            QTest::keyClick(grid, up ? Qt::Key_Up : Qt::Key_Down, Qt::AltModifier);
            break;
        }
        case 3: {
            const int target = randomRow();
            m_log << QString("drag %1 x%2 to %3").arg(first).arg(count).arg(target);
            QWidget *viewport = grid->viewport();
            QTest::mousePress(viewport, Qt::LeftButton, {}, m_program.cellCentre(first, 0));
            const QPoint to = m_program.cellCentre(target, 0);
            QTest::mouseMove(viewport, to + QPoint(0, 1));
            QTest::mouseMove(viewport, to);
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
            break;
        }
        case 4: {
            const bool byName = chance(50);
            m_log << QString("%1 x%2 sort by %3").arg(first).arg(count).arg(byName ? "name" : "rx");
            m_program.action(byName ? "MNSortName" : "MNSortFrequency")->trigger();
            break;
        }
        default: {
            moves = false;
            int row = 0;
            for (int n = first; n < first + count && n <= kChannelCount; ++n) {
                if (!m_program.table().rx(n).empty())
                    row = n;
            }
            const int column = 3 + pick(8);
            if (row == 0 || count == 1) {
                m_log << QString("%1 x%2: no list for several").arg(first).arg(count);
                return Kind::Neutral;
            }
            m_program.click(row, column);
            auto *list = qobject_cast<QComboBox *>(openEditor());
            if (!list) {
                m_failure = QStringLiteral("a list cell of a selected channel opened no list");
                return Kind::Neutral;
            }
            waitForPopup(list);
            const int item = pick(std::min(list->count(), 6));
            m_log << QString("choose %1 in column %2 of %3 x%4")
                         .arg(item)
                         .arg(column)
                         .arg(first)
                         .arg(count);
            QTest::keyClick(list->view(), Qt::Key_Home);
            for (int i = 0; i < item; ++i)
                QTest::keyClick(list->view(), Qt::Key_Down);
            QTest::keyClick(list->view(), Qt::Key_Return);
            for (int n = first; n < first + count && n <= kChannelCount; ++n) {
                if (!m_program.table().rx(n).empty() &&
                    m_program.table().index(static_cast<ChannelTable::Row>(column - 3), n) != item)
                    m_failure = QString("channel %1 did not take the choice for several").arg(n);
            }
            break;
        }
        }
        if (moves && ChannelsHeld(m_program.table()) != before)
            m_failure = QStringLiteral("moving channels lost or made one");
        return Kind::Edit;
    }

    Kind copyAndPaste()
    {
        const int first = randomRow();
        const int count = 1 + pick(3);
        const int target = randomRow();
        if (chance(20)) {
            const QString junk =
                chance(50) ? QStringLiteral("hello\tworld") : QStringLiteral("1000\n");
            QApplication::clipboard()->setText(junk);
            m_log << QString("paste junk at %1").arg(target);
        } else {
            m_log << QString("copy %1 x%2 to %3").arg(first).arg(count).arg(target);
            selectRows(first, count);
            QTest::keyClick(m_program.grid(), Qt::Key_C, Qt::ControlModifier);
        }
        m_program.click(target, 0);
        QTest::keyClick(m_program.grid(), Qt::Key_V, Qt::ControlModifier);
        return Kind::Edit;
    }

    Kind undo()
    {
        m_log << "Ctrl+Z";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        return Kind::Undo;
    }

    Kind redo()
    {
        const bool shiftZ = chance(50);
        m_log << (shiftZ ? "Ctrl+Shift+Z" : "Ctrl+Y");
        if (shiftZ)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                            Qt::ControlModifier | Qt::ShiftModifier);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
        return Kind::Redo;
    }

    Kind changeBand()
    {
        BandBox *box = m_program.bandBox();
        const int before = box->currentIndex();
        const bool ok = chance(40);
        m_program.answers = QList<int>(3, ok ? int(IdOk) : int(IdCancel));
        const int asked = m_program.boxTexts().size();
        box->setFocus(Qt::OtherFocusReason);
        const Qt::Key keys[] = {Qt::Key_Down,   Qt::Key_Up,   Qt::Key_PageDown,
                                Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
        if (chance(30)) {
            const QString digit = QString::number(1 + pick(4));
            m_log << QString("band: type %1, %2").arg(digit, ok ? "OK" : "Cancel");
            box->view()->keyboardSearch(QString()); // a new word, not the last one continued
            QTest::keyClicks(box, digit);
        } else {
            const int key = pick(6);
            m_log << QString("band: key %1, %2").arg(key).arg(ok ? "OK" : "Cancel");
            QTest::keyClick(box, keys[key]);
        }
        m_program.answers.clear();
        const int questions = m_program.boxTexts().size() - asked;
        const bool moved = box->currentIndex() != before;
        m_bandQuestions += questions;
        if (!ok && moved)
            m_failure = "a band change answered Cancel kept the new band";
        if (moved && questions == 0)
            m_failure = "the band changed without the question";
        for (int i = asked; i < m_program.boxTexts().size(); ++i) {
            if (!std::count(std::begin(kBandQuestion), std::end(kBandQuestion),
                            m_program.boxTexts()[i]))
                m_failure = "unexpected message: " + m_program.boxTexts()[i];
        }
        m_program.click(1 + pick(10), 0);
        return ok ? Kind::Edit : Kind::Neutral;
    }

    Kind turnWheel()
    {
        ChannelGridView *grid = m_program.grid();
        const int top = grid->topRow();
        QWidget *over = chance(70) ? grid->viewport() : static_cast<QWidget *>(m_program.form1());
        const QPoint angles[] = {QPoint(0, 120), QPoint(0, -120), QPoint(120, 0), QPoint(-120, 0),
                                 QPoint(0, 0)};
        const QPoint angle = angles[pick(5)];
        m_log << QString("wheel %1,%2").arg(angle.x()).arg(angle.y());
        Wheel(over, angle);
        if (angle.y() == 0 && grid->topRow() != top)
            m_failure = "a wheel event without a vertical turn moved the grid";
        return Kind::Neutral;
    }

    Kind switchLanguage()
    {
        const bool english = m_program.session.language() == Language::Chinese;
        m_log << (english ? "English" : "Chinese");
        m_program.action(english ? "MNEnglish" : "MNChinese")->trigger();
        return Kind::Neutral;
    }

    Kind startAnew()
    {
        if (chance(80)) {
            m_log << "new image";
            loadRandomImage();
        } else {
            m_log << "New";
            m_program.answers = {IdOk};
            m_program.action("MNNew")->trigger();
            m_program.answers.clear();
        }
        return Kind::Fresh;
    }

    Kind step()
    {
        const int roll = pick(108);
        if (roll >= 100)
            return rowWork();
        if (roll < 16)
            return typeInCell();
        if (roll < 34)
            return openAndLeave();
        if (roll < 46)
            return chooseItem();
        if (roll < 51)
            return deleteRows();
        if (roll < 56)
            return copyAndPaste();
        if (roll < 69)
            return undo();
        if (roll < 78)
            return redo();
        if (roll < 85)
            return changeBand();
        if (roll < 91)
            return turnWheel();
        if (roll < 95)
            return switchLanguage();
        return startAnew();
    }

    // Checks ------------------------------------------------------------------

    // The grid against EncodeImage then DecodeImage of the records.
    QString gridAgainstImage(const RadioImage &image) const
    {
        const Language language = m_program.session.language();
        const GridLists &lists = m_lists[static_cast<int>(language)];
        RadioData decoded;
        DecodeImage(image, decoded);
        if (m_program.bandBox()->currentIndex() != decoded.bandIndex)
            return QString("band box %1, image band %2")
                .arg(m_program.bandBox()->currentIndex())
                .arg(decoded.bandIndex);
        const ChannelTable &table = decoded.channels;
        for (int n = 1; n <= kChannelCount; ++n) {
            auto differs = [&](int column, const QString &expected) {
                return QString("row %1 column %2 shows '%3', the image holds '%4'")
                    .arg(n)
                    .arg(column)
                    .arg(m_program.cell(n, column), expected);
            };
            if (m_program.cell(n, 1) != QString::fromStdString(table.rx(n)))
                return differs(1, QString::fromStdString(table.rx(n)));
            if (m_program.cell(n, 11) != QString::fromStdString(table.name(n)))
                return differs(11, QString::fromStdString(table.name(n)));
            if (table.rx(n).empty()) {
                for (int column = 2; column <= 10; ++column) {
                    if (!m_program.cell(n, column).isEmpty())
                        return differs(column, QString());
                }
                continue;
            }
            if (m_program.cell(n, 2) != QString::fromStdString(table.tx(n)))
                return differs(2, QString::fromStdString(table.tx(n)));
            for (int column = 3; column <= 10; ++column) {
                const int stored = table.index(static_cast<ChannelTable::Row>(column - 3), n);
                const std::string shown = m_program.cell(n, column).toStdString();
                const auto &items = lists.forColumn(column);
                int index =
                    static_cast<int>(std::find(items.begin(), items.end(), shown) - items.begin());
                if (index == static_cast<int>(items.size()))
                    index =
                        shown == lists.newChannelCell(column) ? NewChannelIndex(column - 3) : -1;
                if (index != stored) {
                    const bool listed = stored >= 0 && stored < static_cast<int>(items.size());
                    return differs(column, listed ? QString::fromStdString(items[stored])
                                                  : QString::number(stored));
                }
            }
        }
        return {};
    }

    // Runs one step and checks everything; an empty text means all is well.
    QString run()
    {
        const RadioImage before = Bytes(m_program);
        m_failure.clear();
        const Kind kind = step();
        activateMainWindow();
        if (!m_failure.isEmpty())
            return m_failure;
        const RadioImage now = Bytes(m_program);
        switch (kind) {
        case Kind::Neutral:
            if (now != before)
                return QStringLiteral("a step that changes nothing changed the image");
            break;
        case Kind::Edit:
            if (now != before) {
                m_undo.push_back(before);
                m_redo.clear();
                ++m_changes;
            }
            break;
        case Kind::Undo:
            if (m_undo.empty()) {
                if (now != before)
                    return QStringLiteral("undo with nothing to undo changed the image");
            } else {
                if (now != m_undo.back())
                    return QStringLiteral("undo did not give back the image before the step");
                ++m_undone;
                m_redo.push_back(before);
                m_undo.pop_back();
            }
            break;
        case Kind::Redo:
            if (m_redo.empty()) {
                if (now != before)
                    return QStringLiteral("redo with nothing to redo changed the image");
            } else {
                if (now != m_redo.back())
                    return QStringLiteral("redo did not give back the image after the step");
                ++m_redone;
                m_undo.push_back(before);
                m_redo.pop_back();
            }
            break;
        case Kind::Fresh:
            freshHistory();
            break;
        }
        if (QWidget *editor = openEditor()) {
            return "an editor stayed open: " + editor->objectName();
        }
        if (QApplication::activePopupWidget())
            return QStringLiteral("a popup stayed open");
        const QAction *undo = m_program.action("MNUndo");
        const QAction *redo = m_program.action("MNRedo");
        if (!undo || !redo)
            return QStringLiteral("no Undo and Redo commands");
        if (undo->isEnabled() != !m_undo.empty())
            return QStringLiteral("Undo is offered wrongly");
        if (redo->isEnabled() != !m_redo.empty())
            return QStringLiteral("Redo is offered wrongly");
        return gridAgainstImage(now);
    }

    QString summary() const
    {
        return QString("%1 changes, %2 undone, %3 redone, %4 band questions")
            .arg(m_changes)
            .arg(m_undone)
            .arg(m_redone)
            .arg(m_bandQuestions);
    }

    QStringList lastSteps(int count) const
    {
        return m_log.mid(std::max<qsizetype>(0, m_log.size() - count));
    }

private:
    ChannelProgram &m_program;
    std::mt19937 m_random;
    GridLists m_lists[2];
    std::vector<RadioImage> m_undo;
    std::vector<RadioImage> m_redo;
    QStringList m_log;
    QString m_failure;
    int m_changes = 0;
    int m_undone = 0;
    int m_redone = 0;
    int m_bandQuestions = 0;
};

} // namespace

class ChannelPropertyTest : public QObject
{
    Q_OBJECT
private slots:
    void randomEditsKeepTheGridAndTheImageTogether();
};

void ChannelPropertyTest::randomEditsKeepTheGridAndTheImageTogether()
{
    bool given = false;
    std::uint32_t seed = qEnvironmentVariable("Q731_PROPERTY_SEED").toUInt(&given);
    if (!given)
        seed = QRandomGenerator::global()->generate();
    int steps = qEnvironmentVariableIntValue("Q731_PROPERTY_STEPS", &given);
    if (!given || steps <= 0)
        steps = 500;
    qInfo("seed %u, %d steps (Q731_PROPERTY_SEED=%u repeats this run)", seed, steps, seed);

    QApplication::setKeyboardInputInterval(60 * 1000);
    std::mt19937 first(seed);
    ChannelProgram program(first() % 2 ? Language::English : Language::Chinese);
    QVERIFY(program.active);
    Walk walk(program, seed);
    walk.loadRandomImage();
    QCOMPARE(walk.gridAgainstImage(Bytes(program)), QString());

    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= steps; ++i) {
        const QString failure = walk.run();
        if (!failure.isEmpty()) {
            QFAIL(qPrintable(QString("step %1 of seed %2: %3\nlast steps:\n  %4")
                                 .arg(i)
                                 .arg(seed)
                                 .arg(failure, walk.lastSteps(12).join("\n  "))));
        }
    }
    qInfo("%d steps in %lld ms: %s", steps, clock.elapsed(), qPrintable(walk.summary()));
}

QTEST_MAIN(ChannelPropertyTest)
#include "test_channel_property.moc"
