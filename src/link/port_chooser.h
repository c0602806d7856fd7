#pragma once

#include "image/language.h"
#include "link/link_thread.h"
#include "link/port_table.h"
#include "link/serial_link.h"

#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QMdiArea;

namespace q731 {

class MessageBoxes;
class Session;

// The port list ComboCom: every choice is tried at once (opened and closed
// again), a port that does not open is reported and forgotten, and panel 1
// shows the number in use. The list is shown only while the user picks;
// each time it opens, every number shows its device again as it is now.
class PortChooser : public QObject
{
    Q_OBJECT
public:
    PortChooser(Session &session, MessageBoxes &boxes, QComboBox &list, QLabel &panel,
                QMdiArea &mdi, const LinkThread &link, QObject *parent = nullptr);

    // The port choice for list index `index`, as after a click on it.
    void choose(int index);

    // Looks the port table up again and marks every item with its device:
    // the tooltip names it (with the system's description), and an item
    // without a device is greyed, though it can still be chosen.
    void showDevices();
    // "/dev/ttyUSB0 (USB-Serial Controller)", or why there is no device.
    static QString deviceTip(const PortTable::PortDevice &device, Language language);

    // The list index of the port chosen last (0 until one was chosen, and
    // after a refused choice).
    int chosenIndex() const { return m_chosenIndex; }
    // The device of that item, looked up now.
    QString chosenDevice() const;
    int chosenPortNumber() const;

    // "串行端口" + N + "无效…" and, when rights are missing, how to get them.
    QString unusablePortText(int port, SerialLink::OpenError error, const QString &device) const;
    // The message of a transfer that cannot open its port.
    QString invalidPortText(SerialLink::OpenError error, const QString &device) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString permissionHint(const QString &device) const;
    void hideList();

    Session &m_session;
    MessageBoxes &m_boxes;
    QComboBox &m_list;
    QLabel &m_panel;
    QMdiArea &m_mdi;
    const LinkThread &m_link;
    int m_chosenIndex = 0;
};

} // namespace q731
