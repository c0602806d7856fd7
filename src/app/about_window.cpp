#include "about_window.h"

#include "session/product.h"
#include "ui/product_logo.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace q731 {

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setModal(true);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(ProductLogo());
    image->setFixedSize(87, 73);

    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *version = new QLabel(this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto *copyright = new QLabel(this);
    copyright->setObjectName(QStringLiteral("lblCopyR"));
    copyright->setText(QStringLiteral("© %1 / %2")
                           .arg(MakerName(Language::Chinese), MakerName(Language::English)));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 24);
    layout->setSpacing(10);
    layout->addWidget(image, 0, Qt::AlignHCenter);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(copyright, 0, Qt::AlignHCenter);
    // The free area around the texts must stay clickable.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::mousePressEvent(QMouseEvent *event)
{
    // Presses on a label travel up here too; only the free area closes.
    if (!childAt(event->position().toPoint()))
        close();
    event->accept();
}

} // namespace q731
