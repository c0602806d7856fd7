#pragma once

// The texts with which both programs end a failed transfer, so that the
// window program and q731-cli say the same.

#include <QCoreApplication>
#include <QString>

namespace q731::LinkMessage {

// Silence, or a reply no radio gives.
inline constexpr const char *kCommunicationError =
    QT_TRANSLATE_NOOP("LinkMessage", "通信出错，请检查对讲机，连线及串口选择！");

// The port hung up or failed in the middle of a transfer.
inline constexpr const char *kConnectionLost =
    QT_TRANSLATE_NOOP("LinkMessage", "通信中断：连线或串口已断开，请检查连线后重试！");

// One of the texts above in the language installed.
inline QString Text(const char *message)
{
    return QCoreApplication::translate("LinkMessage", message);
}

} // namespace q731::LinkMessage
