#include "band_box.h"

#include "image/band_list.h"
#include "session/session.h"
#include "ui/message_box.h"

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
    connect(&m_session, &Session::bandChanged, this, &BandBox::followSession);
}

void BandBox::SelectDefaultBand()
{
    selectBand(kDefaultBandIndex);
}

void BandBox::selectBand(int index)
{
    const bool outer = m_programChange;
    m_programChange = true;
    setCurrentIndex(index);
    m_programChange = outer;
}

void BandBox::bandChanged(int index)
{
    if (index < 0)
        return;
    const int previous = m_session.bandIndex();
    m_session.PreviousBandIndex = previous;
    m_session.UserBandChoice = !m_programChange;
    m_session.setBandIndex(index);
    if (m_session.UserBandChoice && index != previous) {
        const int answer = m_session.messageBox(
            m_session.tr2("改变频段将清除频道列表，确定吗？",
                          "Changing the frequency band will remove the channel tabulation, "
                          "confirm?"),
            StyleOkCancelQuestion, m_session.tr2("注意！", "Be careful!"));
        if (answer == IdOk)
            m_session.clearChannelsForBand(previous);
        else
            selectBand(previous);
    }
    m_session.UserBandChoice = false;
}

void BandBox::followSession()
{
    if (currentIndex() != m_session.bandIndex())
        selectBand(m_session.bandIndex());
}

} // namespace q731
