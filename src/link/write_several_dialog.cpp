#include "link/write_several_dialog.h"

#include "link/port_chooser.h"
#include "link/port_table.h"
#include "link/write_messages.h"
#include "session/qt_translations.h"
#include "ui/captions.h"
#include "ui/message_box.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace q731 {

namespace {

enum Column { PortColumn, DeviceColumn, ProgressColumn, OutcomeColumn };

// The bars follow the radios ten times a second, as the progress window does.
constexpr int kPaintIntervalMs = 100;

} // namespace

WriteSeveralDialog::WriteSeveralDialog(const Job &job, const QList<int> &ticked, Language language,
                                       MessageBoxes &boxes, const PortChooser &ports,
                                       QAction &verify, QWidget *parent)
    : QDialog(parent)
    , m_job(job)
    , m_language(language)
    , m_boxes(boxes)
    , m_ports(ports)
    , m_fleet(this)
{
    const TextsIn translate(language);
    setObjectName(QStringLiteral("FrmWriteSeveral"));
    m_fleet.setObjectName(QStringLiteral("fleet"));
    setWindowTitle(translate("WriteSeveralDialog", "写入多台电台"));

    auto *intro =
        new QLabel(translate("WriteSeveralDialog",
                             "勾选接有对讲机的端口，然后按“写频”：本程序中的数据同时写入每一台。"),
                   this);
    intro->setObjectName(QStringLiteral("Intro"));
    intro->setWordWrap(true);

    m_table = new QTableWidget(PortTable::kPortCount, 4, this);
    m_table->setObjectName(QStringLiteral("Ports"));
    m_table->setHorizontalHeaderLabels(
        {translate("WriteSeveralDialog", "端口"), translate("WriteSeveralDialog", "设备"),
         translate("WriteSeveralDialog", "进度"), translate("WriteSeveralDialog", "结果")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    const PortTable table = PortTable::current();
    const PortTable::Descriptions descriptions = PortTable::systemDescriptions();
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    for (int row = 0; row < PortTable::kPortCount; ++row) {
        const int number = row + 1;
        const PortTable::PortDevice device = table.describe(number, descriptions);
        auto *port = new QTableWidgetItem(portLabel(row));
        port->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        port->setCheckState(ticked.contains(number) ? Qt::Checked : Qt::Unchecked);
        auto *where = new QTableWidgetItem(PortChooser::deviceTip(device, language));
        where->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        // A number without a device can still be ticked; its row then says why
        // nothing was written.
        if (!device.present) {
            port->setForeground(grey);
            where->setForeground(grey);
        }
        m_table->setItem(row, PortColumn, port);
        m_table->setItem(row, DeviceColumn, where);
        auto *bar = new QProgressBar(m_table);
        bar->setObjectName(QStringLiteral("Progress%1").arg(number));
        bar->setRange(LinkProtocol::kFirstStep, LinkProtocol::kLastStep);
        bar->setValue(LinkProtocol::kFirstStep);
        bar->setTextVisible(false);
        m_table->setCellWidget(row, ProgressColumn, bar);
        auto *outcome = new QTableWidgetItem;
        outcome->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_table->setItem(row, OutcomeColumn, outcome);
    }
    m_table->resizeColumnsToContents();
    m_table->setColumnWidth(ProgressColumn, 160);
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableWidget::itemChanged, this, [this] { updateButtons(); });

    m_verify = new QCheckBox(
        CaptionTexts(QStringLiteral("MDIForm1"), QStringLiteral("MNVerify"), language).value(0),
        this);
    m_verify->setObjectName(QStringLiteral("Verify"));
    m_verify->setChecked(verify.isChecked());
    connect(m_verify, &QCheckBox::toggled, &verify, &QAction::setChecked);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("Summary"));
    m_summary->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    m_write = buttons->addButton(translate("WriteSeveralDialog", "写频(&W)"),
                                 QDialogButtonBox::ActionRole);
    m_write->setObjectName(QStringLiteral("Write"));
    m_close =
        buttons->addButton(translate("WriteSeveralDialog", "关闭"), QDialogButtonBox::RejectRole);
    m_close->setObjectName(QStringLiteral("Close"));
    connect(m_write, &QPushButton::clicked, this, &WriteSeveralDialog::start);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_verify);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(820, 600);

    m_paintTimer.setInterval(kPaintIntervalMs);
    connect(&m_paintTimer, &QTimer::timeout, this, &WriteSeveralDialog::showProgress);
    connect(&m_fleet, &FleetWrite::portEnded, this, &WriteSeveralDialog::portEnded);
    connect(&m_fleet, &FleetWrite::finished, this, &WriteSeveralDialog::finished);
    connect(&m_fleet, &FleetWrite::bandOverrideQuestion, this,
            &WriteSeveralDialog::askBandOverride);
    updateButtons();
}

QString WriteSeveralDialog::portLabel(int row) const
{
    return QStringLiteral("COM%1").arg(row + 1);
}

QList<int> WriteSeveralDialog::tickedPorts() const
{
    QList<int> ports;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, PortColumn)->checkState() == Qt::Checked)
            ports << row + 1;
    }
    return ports;
}

void WriteSeveralDialog::updateButtons()
{
    m_write->setEnabled(!m_fleet.isRunning() && !tickedPorts().isEmpty());
    m_write->setDefault(m_write->isEnabled());
    m_close->setEnabled(!m_fleet.isRunning());
}

void WriteSeveralDialog::start()
{
    if (m_fleet.isRunning() || tickedPorts().isEmpty())
        return;
    const TextsIn translate(m_language);
    const PortTable table = PortTable::current();
    QStringList devices;
    m_rowOfPort.clear();
    m_written = 0;
    m_failed = 0;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        auto *bar = static_cast<QProgressBar *>(m_table->cellWidget(row, ProgressColumn));
        bar->setValue(LinkProtocol::kFirstStep);
        m_table->item(row, OutcomeColumn)->setText(QString());
        m_table->item(row, OutcomeColumn)->setIcon(QIcon());
        m_table->item(row, OutcomeColumn)->setToolTip(QString());
        m_table->setRowHeight(row, m_table->verticalHeader()->defaultSectionSize());
        if (m_table->item(row, PortColumn)->checkState() != Qt::Checked)
            continue;
        const QString device = table.deviceOf(row + 1);
        // Two numbers that reach one device would talk to one radio at once.
        const qsizetype earlier = device.isEmpty() ? -1 : devices.indexOf(device);
        if (earlier >= 0) {
            setOutcome(row,
                       translate("WriteSeveralDialog", "与%1是同一设备，没有再写一次。")
                           .arg(portLabel(m_rowOfPort[earlier])),
                       false);
            ++m_failed;
            continue;
        }
        devices << device;
        m_rowOfPort.push_back(row);
        m_table->item(row, OutcomeColumn)->setText(translate("ProgressWindow", "正在写入……"));
    }
    for (int row = 0; row < m_table->rowCount(); ++row)
        m_table->item(row, PortColumn)
            ->setFlags(m_table->item(row, PortColumn)->flags() & ~Qt::ItemIsUserCheckable);
    m_verify->setEnabled(false);
    m_summary->setText(
        translate("WriteSeveralDialog", "正在写入 %n 台对讲机……", nullptr, int(devices.size())));
    m_paintTimer.start();
    m_fleet.start(devices, m_job.image, m_job.band, m_job.bandOverrideMode, m_job.calibrationMode,
                  m_verify->isChecked());
    updateButtons();
}

void WriteSeveralDialog::showProgress()
{
    const TextsIn translate(m_language);
    const std::vector<FleetWrite::Port> &ports = m_fleet.ports();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const FleetWrite::Port &port = ports[i];
        const int row = m_rowOfPort[i];
        if (port.stage == FleetWrite::Stage::Ended)
            continue;
        static_cast<QProgressBar *>(m_table->cellWidget(row, ProgressColumn))->setValue(port.step);
        if (port.stage == FleetWrite::Stage::Verifying)
            m_table->item(row, OutcomeColumn)->setText(translate("ProgressWindow", "正在校验……"));
    }
}

void WriteSeveralDialog::portEnded(int i)
{
    const FleetWrite::Port &port = m_fleet.ports()[i];
    const int row = m_rowOfPort[i];
    WriteMessage message;
    if (port.openError != SerialLink::OpenError::None) {
        message.text = m_ports.invalidPortText(port.openError, port.device);
    } else if (port.write != LinkProtocol::Outcome::WriteCompleted || !port.verified) {
        message = WriteEndMessage(port.write);
    } else {
        const QString portText = port.readBackOpenError == SerialLink::OpenError::None
                                     ? QString()
                                     : m_ports.invalidPortText(port.readBackOpenError, port.device);
        message = VerifyEndMessage(port.readBack, port.differences, m_language, portText);
    }
    const TextsIn translate(m_language);
    if (message.kind == WriteMessage::Kind::Cancelled)
        message.text = translate("WriteSeveralDialog", "已取消，没有写入。");
    auto *bar = static_cast<QProgressBar *>(m_table->cellWidget(row, ProgressColumn));
    if (port.holdsImage()) {
        bar->setValue(bar->maximum());
        ++m_written;
        m_someRadioHoldsImage = true;
    } else {
        bar->setValue(port.step);
        ++m_failed;
    }
    setOutcome(row, message.text, port.holdsImage());
}

void WriteSeveralDialog::setOutcome(int row, const QString &text, bool good)
{
    QTableWidgetItem *item = m_table->item(row, OutcomeColumn);
    // The message box's line breaks; a row shows the text on its lines.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    item->setText(shown);
    item->setToolTip(shown);
    item->setIcon(
        style()->standardIcon(good ? QStyle::SP_DialogApplyButton : QStyle::SP_MessageBoxCritical));
    // A verify's list of fields takes more lines than a row has.
    m_table->resizeRowToContents(row);
    const int least = m_table->verticalHeader()->defaultSectionSize();
    if (m_table->rowHeight(row) < least)
        m_table->setRowHeight(row, least);
}

void WriteSeveralDialog::finished()
{
    m_paintTimer.stop();
    for (int row = 0; row < m_table->rowCount(); ++row)
        m_table->item(row, PortColumn)
            ->setFlags(m_table->item(row, PortColumn)->flags() | Qt::ItemIsUserCheckable);
    m_verify->setEnabled(true);
    const TextsIn translate(m_language);
    m_summary->setText(translate("WriteSeveralDialog", "写入成功 %1 台，没有成功 %2 台。")
                           .arg(m_written)
                           .arg(m_failed));
    updateButtons();
}

void WriteSeveralDialog::askBandOverride(int port)
{
    // One question at a time; the other radios wait with their watchdogs
    // stopped, as a single write does while it asks.
    m_questions.push_back(port);
    if (m_asking)
        return;
    m_asking = true;
    while (!m_questions.empty()) {
        const int next = m_questions.front();
        m_questions.pop_front();
        const QString question =
            portLabel(m_rowOfPort[next]) + QStringLiteral("\r\n") + BandOverrideQuestion();
        const int answer = m_boxes.show(question, StyleOkCancelQuestion, AttentionCaption());
        m_fleet.answerBandOverride(next, answer == IdOk);
    }
    m_asking = false;
}

void WriteSeveralDialog::reject()
{
    // Escape and Close leave the radios alone only once all have ended.
    if (m_fleet.isRunning())
        return;
    QDialog::reject();
}

void WriteSeveralDialog::closeEvent(QCloseEvent *event)
{
    if (!m_fleet.isRunning()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    m_boxes.show(TransferRunningText(), StyleOkExclamation, AttentionCaption());
}

} // namespace q731
