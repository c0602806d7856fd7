#pragma once

#include <QComboBox>

namespace q731 {

class Session;

// The main window's band box. Every change of its selection is the
// user's choice of a band (the session asks before it empties the channel
// table), however it came about (the open list, arrow and page keys, typed
// characters, the wheel should it ever reach the box); only the program's own
// changes (load, and following the session's band after a decode, New, the
// Cancel that puts the old band back, undo and redo) go through selectBand
// and never ask.
class BandBox : public QComboBox
{
    Q_OBJECT
public:
    explicit BandBox(Session &session, QWidget *parent = nullptr);

    // Selects a band without a question.
    void selectBand(int index);

private:
    void bandChanged(int index);
    void followSession();

    Session &m_session;
    // Set while the program itself changes the selection.
    bool m_programChange = false;
};

} // namespace q731
