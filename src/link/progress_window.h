#pragma once

#include "image/language.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace q731 {

// FrmWriting: a text and a bar over the steps of a transfer, nothing more.
class ProgressWindow : public QDialog
{
    Q_OBJECT
public:
    // Verify: the read back after a write.
    enum class Kind { Read, Write, Verify };

    explicit ProgressWindow(QWidget *parent = nullptr);

    // Texts of the transfer in the language, bar back at its start. The
    // caller shows the window (modal for a read, modeless for a write).
    void prepare(Kind kind, Language language);
    // The bar shows the step at once, or when its last picture is
    // kPaintIntervalMs old.
    void setStep(int step);

    static constexpr int kPaintIntervalMs = 100;

    QLabel *label() const { return m_label; }
    QProgressBar *bar() const { return m_bar; }

    // Escape must not take the window away while the transfer goes on.
    void reject() override {}

private:
    void showStep();

    QLabel *m_label = nullptr;
    QProgressBar *m_bar = nullptr;
    QTimer m_paintTimer;
    int m_step = 0;
};

} // namespace q731
