#pragma once

#include <QDialog>

class QLabel;

namespace q731 {

// The About box (FrmAbout): title, edition and version, the maker's line and
// a small logo. A click on the box's free area closes it; a click on a label
// or the logo does nothing.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace q731
