#include "band_box.h"

#include "app/message_box.h"
#include "app/session.h"
#include "image/band_list.h"
#include "image/text_helpers.h"

#include <QKeyEvent>

namespace q731 {

BandBox::BandBox(Session &session, QWidget *parent)
    : QComboBox(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("Combo1"));
    for (std::string_view item : kBandItems)
        addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    setCurrentIndex(m_session.bandIndex());
    connect(this, &QComboBox::currentIndexChanged, this, &BandBox::bandChanged);
    // Choosing the band already selected from the open list changes nothing;
    // the next programmatic change must not take it for a user's choice.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == currentIndex())
            m_session.UserBandChoice = false;
    });
    connect(&m_session, &Session::bandChanged, this, &BandBox::followSession);
}

void BandBox::SelectDefaultBand()
{
    m_session.UserBandChoice = false;
    setCurrentIndex(kDefaultBandIndex);
}

void BandBox::selectBand(int index)
{
    m_session.UserBandChoice = false;
    setCurrentIndex(index);
}

void BandBox::showPopup()
{
    m_session.PreviousBandIndex = currentIndex();
    m_session.UserBandChoice = true;
    QComboBox::showPopup();
}

void BandBox::keyPressEvent(QKeyEvent *event)
{
    // Stepping through the closed list with the keyboard is the user's choice
    // as much as picking from the open list: it must ask before the channels
    // of the old band go.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        m_session.PreviousBandIndex = currentIndex();
        m_session.UserBandChoice = true;
        QComboBox::keyPressEvent(event);
        m_session.UserBandChoice = false;
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

void BandBox::bandChanged(int index)
{
    if (index < 0)
        return;
    m_session.setBandIndex(index);
    if (m_session.UserBandChoice && index != m_session.PreviousBandIndex) {
        const int answer = m_session.messageBox(
            m_session.tr2("改变频段将清除频道列表，确定吗？",
                          "Changing the frequency band will remove the channel tabulation, "
                          "confirm?"),
            StyleOkCancelQuestion, m_session.tr2("注意！", "Be careful!"));
        if (answer == IdOk) {
            RadioData &data = m_session.data();
            data.channels.ClearAll();
            data.options.Text20 =
                FormatFixed((m_session.bandLowMHz() + m_session.bandHighMHz()) / 2.0, 5);
            m_session.notifyChannelsChanged();
            m_session.notifyOptionsChanged();
        } else {
            m_session.UserBandChoice = false;
            setCurrentIndex(m_session.PreviousBandIndex);
        }
    }
    m_session.UserBandChoice = false;
}

void BandBox::followSession()
{
    if (currentIndex() != m_session.bandIndex())
        selectBand(m_session.bandIndex());
}

} // namespace q731
