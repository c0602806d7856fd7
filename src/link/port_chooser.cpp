#include "link/port_chooser.h"

#include "link/port_table.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace q731 {

PortChooser::PortChooser(Session &session, MessageBoxes &boxes, QComboBox &list, QLabel &panel,
                         QMdiArea &mdi, const LinkThread &link, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_boxes(boxes)
    , m_list(list)
    , m_panel(panel)
    , m_mdi(mdi)
    , m_link(link)
{
    connect(&m_list, &QComboBox::activated, this, &PortChooser::choose);
    m_list.installEventFilter(this);
    // The drop-down closing without a pick (a click elsewhere, Escape) ends
    // the choice too; its opening shows the devices as they are then, so a
    // cable plugged in meanwhile appears.
    m_list.view()->window()->installEventFilter(this);
    showDevices();
}

void PortChooser::showDevices()
{
    const PortTable table = PortTable::current();
    const PortTable::Descriptions descriptions = PortTable::systemDescriptions();
    const QBrush grey = m_list.palette().brush(QPalette::Disabled, QPalette::Text);
    for (int i = 0; i < m_list.count(); ++i) {
        const PortTable::PortDevice device =
            table.describe(m_list.itemText(i).toInt(), descriptions);
        m_list.setItemData(i, deviceTip(device, m_session.language()), Qt::ToolTipRole);
        m_list.setItemData(i, device.present ? QVariant() : QVariant(grey), Qt::ForegroundRole);
    }
}

QString PortChooser::deviceTip(const PortTable::PortDevice &device, Language language)
{
    const TextsIn translate(language);
    if (device.path.isEmpty())
        return translate("q731::PortChooser", "没有设备");
    if (!device.present)
        return translate("q731::PortChooser", "%1：没有这个设备").arg(device.path);
    if (device.description.isEmpty())
        return device.path;
    return QStringLiteral("%1 (%2)").arg(device.path, device.description);
}

int PortChooser::chosenPortNumber() const
{
    return m_list.itemText(m_chosenIndex).toInt();
}

QString PortChooser::chosenDevice() const
{
    return PortTable::current().deviceOf(chosenPortNumber());
}

void PortChooser::choose(int index)
{
    QString device;
    if (index >= 0) {
        const int port = m_list.itemText(index).toInt();
        device = PortTable::current().deviceOf(port);
        m_chosenIndex = index;
        // A port that a transfer holds is in use by us, not by another
        // program; trying it would also disturb the transfer.
        const bool ours = m_link.isBusy() && !device.isEmpty() && device == m_link.device();
        const SerialLink::OpenError error =
            ours ? SerialLink::OpenError::None : SerialLink::probe(device);
        if (error != SerialLink::OpenError::None) {
            m_boxes.show(unusablePortText(port, error, device), StyleOkExclamation, tr("错误"));
            m_list.setCurrentIndex(-1);
            m_chosenIndex = 0;
            device.clear();
        }
    }
    hideList();
    m_panel.setText(QStringLiteral("COM: ") + m_list.currentText());
    m_panel.setToolTip(device);
}

void PortChooser::hideList()
{
    m_list.hide();
    if (QMdiSubWindow *active = m_mdi.activeSubWindow()) {
        if (QWidget *child = active->widget())
            child->setFocus();
    }
}

QString PortChooser::unusablePortText(int port, SerialLink::OpenError error,
                                      const QString &device) const
{
    QString text = tr("串行端口%1无效或已被其它程序使用，请选择其他串口或关闭其程序.").arg(port);
    if (error == SerialLink::OpenError::PermissionDenied)
        text += permissionHint(device);
    return text;
}

QString PortChooser::invalidPortText(SerialLink::OpenError error, const QString &device) const
{
    QString text = tr("串行端口无效");
    if (error == SerialLink::OpenError::PermissionDenied)
        text += permissionHint(device);
    return text;
}

QString PortChooser::permissionHint(const QString &device) const
{
    QString group = QFileInfo(device).group();
    if (group.isEmpty() || group == QLatin1String("root"))
        group = QStringLiteral("dialout");
    const QString hint = tr("\r\n\r\n没有打开 %1 的权限。请把当前用户加入 %2 组"
                            "（sudo usermod -aG %2 $USER），然后注销并重新登录。");
    return hint.arg(device, group);
}

bool PortChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_list && event->type() == QEvent::FocusOut) {
        // Opening the drop-down moves the focus into it; that is no leaving.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason &&
            m_list.isVisible())
            hideList();
    } else if (watched != &m_list && event->type() == QEvent::Show) {
        showDevices();
    } else if (watched != &m_list && event->type() == QEvent::Hide && m_list.isVisible()) {
        hideList();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace q731
