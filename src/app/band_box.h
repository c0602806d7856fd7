#pragma once

#include <QComboBox>

namespace q731 {

class Session;

// The main window's band box (Combo1). A change the user makes through the
// open list asks before it empties the channel table; a change made by the
// program (load, decode, New) never asks.
class BandBox : public QComboBox
{
    Q_OBJECT
public:
    explicit BandBox(Session &session, QWidget *parent = nullptr);

    // New's band: 400-470MHz, without a question.
    void SelectDefaultBand();
    // Selects a band without a question.
    void selectBand(int index);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void bandChanged(int index);
    void followSession();

    Session &m_session;
};

} // namespace q731
