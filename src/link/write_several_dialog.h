#pragma once

#include "image/language.h"
#include "image/radio_image.h"
#include "link/fleet_write.h"

#include <QDialog>
#include <QList>
#include <QTimer>

#include <deque>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace q731 {

class MessageBoxes;
class PortChooser;

// Write Several Radios: the port numbers with their devices, each to be
// ticked; Write sends the same image to every ticked port at once, with a
// bar and then the outcome on each port's row, in the words of a single
// write. It can be run again on the next radios; it closes only when every
// port has ended.
class WriteSeveralDialog : public QDialog
{
    Q_OBJECT
public:
    // What every radio gets, taken once as the dialog opens.
    struct Job
    {
        RadioImage image{};
        int band = 0;
        bool bandOverrideMode = false;
        bool calibrationMode = false;
    };

    // `verify` is the Program menu's Verify after write, which the dialog's
    // own check box turns on and off. `ticked`: the port numbers ticked at first.
    WriteSeveralDialog(const Job &job, const QList<int> &ticked, Language language,
                       MessageBoxes &boxes, const PortChooser &ports, QAction &verify,
                       QWidget *parent = nullptr);

    QList<int> tickedPorts() const;
    // Some radio written since the dialog opened holds the image (and matched
    // it when verified).
    bool someRadioHoldsImage() const { return m_someRadioHoldsImage; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void start();
    void showProgress();
    void portEnded(int port);
    void finished();
    void askBandOverride(int port);
    void updateButtons();
    QString portLabel(int row) const;
    void setOutcome(int row, const QString &text, bool good);

    Job m_job;
    Language m_language;
    MessageBoxes &m_boxes;
    const PortChooser &m_ports;
    FleetWrite m_fleet;
    QTableWidget *m_table = nullptr;
    QCheckBox *m_verify = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_write = nullptr;
    QPushButton *m_close = nullptr;
    QTimer m_paintTimer;
    // The table row of each port of the running write.
    std::vector<int> m_rowOfPort;
    std::deque<int> m_questions;
    bool m_asking = false;
    int m_written = 0;
    int m_failed = 0;
    bool m_someRadioHoldsImage = false;
};

} // namespace q731
