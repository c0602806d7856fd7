#pragma once

#include "image/language.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace q731 {

// FrmWriting: a text and a bar over the steps of a transfer, nothing more.
class ProgressWindow : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { Read, Write };

    explicit ProgressWindow(QWidget *parent = nullptr);

    // Texts of the transfer in the language, bar back at its start. The
    // caller shows the window (modal for a read, modeless for a write).
    void prepare(Kind kind, Language language);
    void setStep(int step);

    QLabel *label() const { return m_label; }
    QProgressBar *bar() const { return m_bar; }

    // Escape must not take the window away while the transfer goes on.
    void reject() override {}

private:
    QLabel *m_label = nullptr;
    QProgressBar *m_bar = nullptr;
};

} // namespace q731
