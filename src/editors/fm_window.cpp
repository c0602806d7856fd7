#include "fm_window.h"

#include "editors/field_filters.h"
#include "image/text_helpers.h"
#include "session/session.h"
#include "ui/captions.h"
#include "ui/object_names.h"
#include "ui/twips.h"
#include "ui/wheel_guard.h"

#include <QComboBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace q731 {

namespace {

const QString kWindow = QStringLiteral("Form5");

constexpr double kLowestMHz = 76.0;
constexpr double kHighestChannelMHz = 107.95;
constexpr double kBandEndMHz = 108.0;

constexpr int kLargestByte = 255;

// The two ranges differ: a channel may hold 107.95, the box stops below 108.
constexpr const char *kChannelRange =
    QT_TRANSLATE_NOOP("q731::FmWindow", "超出频率范围(76-108)，请重输。");
constexpr const char *kBoxRange =
    QT_TRANSLATE_NOOP("q731::FmWindow", "超出频率范围(76-107.95)，请重输。");
constexpr int kGridLeft = 120;
constexpr int kGridTop = 120;
constexpr int kControlsLeft = 5600;
constexpr int kChannelMessageLeft = 3615;

QString Caption(const char *control, Language language)
{
    const QStringList texts = CaptionTexts(kWindow, QString::fromLatin1(control), language);
    return texts.isEmpty() ? QString() : texts.front();
}

} // namespace

FmWindow::FmWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form5"), parent)
{
    setWindowTitle(Caption("", m_session.language()));
    createControls();
    GuardValueWheels(this);
    connect(&m_session, &Session::fmChanged, this, &FmWindow::refreshFromRecord);
    refreshFromRecord();
}

void FmWindow::createControls()
{
    const Language language = m_session.language();
    auto x = [this](int twips) { return TwipsToPixelsX(twips, this); };
    auto y = [this](int twips) { return TwipsToPixelsY(twips, this); };

    m_grid = new QTableWidget(FmSettings::kChannels, 2, this);
    m_grid->setObjectName(ObjectName(Control::FmChannels));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->setHorizontalHeaderLabels(
        CaptionTexts(kWindow, ObjectName(Control::FmChannels), language));
    m_grid->setColumnWidth(0, x(900));
    m_grid->setColumnWidth(1, x(2200));
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    for (int n = 1; n <= FmSettings::kChannels; ++n) {
        m_grid->setRowHeight(n - 1, y(300));
        for (int column = 0; column < 2; ++column) {
            auto *item = new QTableWidgetItem(column == 0 ? QString::number(n) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_grid->setItem(n - 1, column, item);
        }
    }
    const int gridWidth =
        x(900 + 2200) + m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth();
    m_grid->setGeometry(x(kGridLeft), y(kGridTop), gridWidth, y(6000));
    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int) { beginChannelEdit(row + 1); });

    m_cellEditor = new QLineEdit(m_grid->viewport());
    m_cellEditor->setObjectName(ObjectName(Control::FmChannelBox));
    m_cellEditor->setAlignment(Qt::AlignCenter);
    m_cellEditor->hide();
    FieldFilter::install(m_cellEditor, {IsDigitOrPoint, false, [this] { m_grid->setFocus(); },
                                        [this] { endChannelEdit(); }});

    const Control fields[] = {Control::FmCurrentChannel, Control::FmDisplayMode, Control::FmStep,
                              Control::FmFrequency};
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(Caption(LabelName(fields[i]), language), this);
        label->setObjectName(LabelObjectName(fields[i]));
        label->setGeometry(x(kControlsLeft), y(900 + 900 * i), x(3600), y(300));
    }
    auto place = [&](QWidget *w, int i) {
        w->setGeometry(x(kControlsLeft), y(1230 + 900 * i), x(2400), y(330));
    };
    m_channel = new QComboBox(this);
    m_channel->setObjectName(ObjectName(Control::FmCurrentChannel));
    m_channel->setEditable(true);
    // The text is stored as one byte.
    m_channel->setValidator(new QIntValidator(0, 255, m_channel));
    m_channel->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= FmSettings::kChannels; ++n)
        m_channel->addItem(QString::number(n));
    place(m_channel, 0);
    m_display = new QComboBox(this);
    m_display->setObjectName(ObjectName(Control::FmDisplayMode));
    m_display->addItems(CaptionTexts(kWindow, ObjectName(Control::FmDisplayMode), language));
    place(m_display, 1);
    m_step = new QComboBox(this);
    m_step->setObjectName(ObjectName(Control::FmStep));
    m_step->addItems({QStringLiteral("50K"), QStringLiteral("100K"), QStringLiteral("200K")});
    place(m_step, 2);
    m_frequency = new QLineEdit(this);
    m_frequency->setObjectName(ObjectName(Control::FmFrequency));
    place(m_frequency, 3);
    FieldFilter::install(m_frequency, {IsDigitOrPoint, false, [this] { m_grid->setFocus(); },
                                       [this] { leaveFrequencyBox(); }});
    connect(m_frequency, &QLineEdit::textEdited, this, [this] { m_frequencyPending = true; });

    m_message = new QLabel(this);
    m_message->setObjectName(ObjectName(Control::FmMessage));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_message->hide();
    m_message->installEventFilter(this);

    auto *okButton = new QPushButton(Caption("Command1", language), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setGeometry(x(kControlsLeft), y(4900), x(1100), y(400));
    connect(okButton, &QPushButton::clicked, this, &FmWindow::ok);
    auto *cancelButton = new QPushButton(Caption("Command2", language), this);
    cancelButton->setObjectName(QStringLiteral("Command2"));
    cancelButton->setGeometry(x(kControlsLeft + 1300), y(4900), x(1100), y(400));
    // Never narrower than the style's smallest button.
    for (QPushButton *button : {okButton, cancelButton})
        button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
    connect(cancelButton, &QPushButton::clicked, this, &FmWindow::cancel);

    setMinimumSize(x(kControlsLeft + 3800), y(6300));
    resize(minimumSize());
}

void FmWindow::refreshFromRecord()
{
    const FmSettings &fm = m_session.data().fm;
    m_cellEditor->hide();
    m_editRow = 0;
    for (int n = 1; n <= FmSettings::kChannels; ++n)
        m_grid->item(n - 1, 1)->setText(QString::fromStdString(fm.channel(n)));
    m_frequency->setText(QString::fromStdString(fm.FmFrequencyText));
    m_frequencyPending = false;
    m_channel->setEditText(QString::number(fm.FmCurrentChannel));
    // A value outside a list keeps the list's selection; the record keeps it raw.
    if (fm.FmDisplayMode >= 0 && fm.FmDisplayMode < m_display->count())
        m_display->setCurrentIndex(fm.FmDisplayMode);
    if (fm.FmStep >= 0 && fm.FmStep < m_step->count())
        m_step->setCurrentIndex(fm.FmStep);
}

void FmWindow::beginChannelEdit(int row)
{
    if (row < 1 || row > FmSettings::kChannels)
        return;
    // Only the frequency column is edited; the channel numbers are fixed.
    QTableWidgetItem *cell = m_grid->item(row - 1, 1);
    m_grid->setCurrentCell(row - 1, 1);
    m_editRow = row;
    const QRect rect = m_grid->visualItemRect(cell);
    m_cellEditor->setGeometry(rect);
    m_message->move(TwipsToPixelsX(kChannelMessageLeft, this),
                    m_grid->viewport()->mapTo(this, rect.topLeft()).y());
    m_cellEditor->setText(cell->text());
    m_cellEditor->show();
    m_cellEditor->raise();
    m_cellEditor->setFocus();
}

void FmWindow::endChannelEdit()
{
    if (m_editRow == 0)
        return;
    const int row = m_editRow;
    m_editRow = 0;
    QTableWidgetItem *cell = m_grid->item(row - 1, 1);
    const std::string text = m_cellEditor->text().toStdString();
    if (text.empty()) {
        cell->setText(QString());
    } else if (const NumberReading f = ReadNumber(text); f.status != NumberReading::NotANumber) {
        // A number of more digits than can be read is outside the range too.
        if (!f || f.value < kLowestMHz || f.value > kHighestChannelMHz) {
            showMessage(tr(kChannelRange), kChannelMessageLeft, m_message->y(), 1900);
            m_cellEditor->clear();
        } else {
            cell->setText(QString::fromStdString(FormatFmFrequency(text)));
        }
    }
    m_cellEditor->hide();
}

void FmWindow::leaveFrequencyBox()
{
    m_frequencyPending = false;
    const std::string text = m_frequency->text().toStdString();
    const NumberReading f = ReadNumber(text);
    if (text.empty() || f.status == NumberReading::NotANumber)
        return;
    if (!f || f.value < kLowestMHz || f.value >= kBandEndMHz) {
        showMessage(tr(kBoxRange), kControlsLeft, TwipsToPixelsY(kGridTop, this), 3800);
        m_frequency->clear();
        return;
    }
    m_frequency->setText(QString::fromStdString(FormatFmFrequency(text)));
}

void FmWindow::showMessage(const QString &text, int leftTwips, int topPixels, int widthTwips)
{
    m_message->setText(text);
    m_message->setGeometry(TwipsToPixelsX(leftTwips, this), topPixels,
                           TwipsToPixelsX(widthTwips, this), TwipsToPixelsY(750, this));
    m_message->show();
    m_message->raise();
}

bool FmWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_message && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_message->hide();
        m_cellEditor->clear();
        return true;
    }
    return EditorWindow::eventFilter(watched, event);
}

void FmWindow::commitPendingEdits()
{
    // An entry still being typed is taken into the window, not into the
    // record: only OK commits the window.
    endChannelEdit();
    if (m_frequencyPending)
        leaveFrequencyBox();
}

void FmWindow::ok()
{
    endChannelEdit();
    if (m_frequencyPending)
        leaveFrequencyBox();
    m_session.editSettings(
        objectName(),
        [this](RadioData &data) {
            FmSettings &fm = data.fm;
            fm.FmCurrentChannel =
                std::clamp(static_cast<int>(LeadingNumber(m_channel->currentText().toStdString())),
                           0, kLargestByte);
            fm.FmDisplayMode = m_display->currentIndex();
            fm.FmStep = m_step->currentIndex();
            fm.FmFrequencyText = m_frequency->text().toStdString();
            for (int n = 1; n <= FmSettings::kChannels; ++n)
                fm.channel(n) = m_grid->item(n - 1, 1)->text().toStdString();
        },
        /*separate=*/true);
    hideWindow();
}

void FmWindow::cancel()
{
    hideWindow();
}

void FmWindow::hideWindow()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->hide();
    else
        hide();
}

} // namespace q731
