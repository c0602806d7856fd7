#pragma once

// The texts with which both programs end a failed transfer, Chinese and
// English, so that the window program and q731-cli say the same.

namespace q731::LinkMessage {

struct Text
{
    const char *chinese;
    const char *english;
};

// Silence, or a reply no radio gives.
inline constexpr Text kCommunicationError{
    "通信出错，请检查对讲机，连线及串口选择！",
    "Communication error, check the line and the serial connection selection!"};

// The port hung up or failed in the middle of a transfer.
inline constexpr Text kConnectionLost{
    "通信中断：连线或串口已断开，请检查连线后重试！",
    "Connection lost: the cable or the serial port was disconnected. Check the cable and try "
    "again!"};

} // namespace q731::LinkMessage
