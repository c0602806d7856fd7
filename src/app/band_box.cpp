#include "band_box.h"

#include "image/band_list.h"
#include "session/session.h"
#include "ui/object_names.h"

namespace q731 {

BandBox::BandBox(Session &session, QWidget *parent)
    : QComboBox(parent)
    , m_session(session)
{
    setObjectName(ObjectName(Control::Band));
    for (std::string_view item : kBandItems)
        addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    setCurrentIndex(m_session.bandIndex());
    connect(this, &QComboBox::currentIndexChanged, this, &BandBox::bandChanged);
    connect(&m_session, &Session::bandChanged, this, &BandBox::followSession);
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
    if (m_programChange)
        m_session.setBandIndex(index);
    else if (!m_session.chooseBand(index))
        selectBand(m_session.bandIndex());
}

void BandBox::followSession()
{
    if (currentIndex() != m_session.bandIndex())
        selectBand(m_session.bandIndex());
}

} // namespace q731
