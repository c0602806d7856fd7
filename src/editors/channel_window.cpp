#include "channel_window.h"

namespace q731 {

ChannelWindow::ChannelWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form1"), parent)
{
}

void ChannelWindow::readGridIntoTable() {}

void ChannelWindow::fillGridFromTable() {}

void ChannelWindow::hideTextEditors() {}

} // namespace q731
