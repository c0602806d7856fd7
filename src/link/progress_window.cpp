#include "link/progress_window.h"

#include "link/link_protocol.h"
#include "session/qt_translations.h"
#include "ui/object_names.h"
#include "ui/twips.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace q731 {

ProgressWindow::ProgressWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("FrmWriting"));
    m_label = new QLabel(this);
    m_label->setObjectName(ObjectName(Control::ProgressText));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(LinkProtocol::kFirstStep, LinkProtocol::kLastStep);
    m_bar->setTextVisible(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    setFixedSize(TwipsToPixelsX(4800, this), TwipsToPixelsY(1400, this));

    // The bar moves about a pixel and a half a step. Painted at every one of
    // the 195 steps, it was painted just after each frame went out, while the
    // system still had to carry that frame to the line, and it lengthened
    // every turn with the radio; ten pictures a second show the same progress.
    m_paintTimer.setSingleShot(true);
    m_paintTimer.setInterval(kPaintIntervalMs);
    connect(&m_paintTimer, &QTimer::timeout, this, &ProgressWindow::showStep);
}

void ProgressWindow::prepare(Kind kind, Language language)
{
    const TextsIn translate(language);
    if (kind == Kind::Read) {
        m_label->setText(translate("ProgressWindow", "正在读频，请稍候。"));
        setWindowTitle(translate("ProgressWindow", "正在读取……"));
    } else if (kind == Kind::Write) {
        m_label->setText(translate("ProgressWindow", "正在写频，请稍候。"));
        setWindowTitle(translate("ProgressWindow", "正在写入……"));
    } else {
        m_label->setText(translate("ProgressWindow", "正在读回校验，请稍候。"));
        setWindowTitle(translate("ProgressWindow", "正在校验……"));
    }
    m_paintTimer.stop();
    m_step = LinkProtocol::kFirstStep;
    m_bar->setRange(LinkProtocol::kFirstStep, LinkProtocol::kLastStep);
    m_bar->setValue(m_step);
}

void ProgressWindow::setStep(int step)
{
    m_step = step;
    if (!m_paintTimer.isActive())
        showStep();
}

void ProgressWindow::showStep()
{
    if (m_bar->value() == m_step)
        return;
    m_bar->setValue(m_step);
    m_paintTimer.start();
}

} // namespace q731
