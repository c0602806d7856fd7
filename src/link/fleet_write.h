#pragma once

#include "image/radio_image.h"
#include "link/link_protocol.h"
#include "link/serial_link.h"
#include "link/write_verify.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace q731 {

class LinkThread;

// One image written to several radios at once, each on a port and a link
// thread of its own, so that a silent radio or a pulled cable on one port
// costs the others nothing. With verify, each port reads its radio back as
// soon as its own write completed.
class FleetWrite : public QObject
{
    Q_OBJECT
public:
    enum class Stage { Writing, Verifying, Ended };

    struct Port
    {
        QString device;
        Stage stage = Stage::Writing;
        // Of the transfer running now: LinkProtocol's steps.
        int step = LinkProtocol::kFirstStep;
        // The write did not start because the port did not open; for the
        // read back, readBackOpenError.
        SerialLink::OpenError openError = SerialLink::OpenError::None;
        LinkProtocol::Outcome write = LinkProtocol::Outcome::None;
        bool verified = false; // a read back was run or tried
        SerialLink::OpenError readBackOpenError = SerialLink::OpenError::None;
        LinkProtocol::Outcome readBack = LinkProtocol::Outcome::None;
        std::vector<ByteDifference> differences;
        // The radio holds every byte sent (and the read back matched them).
        bool holdsImage() const;
    };

    explicit FleetWrite(QObject *parent = nullptr);
    ~FleetWrite() override;

    // Writes `image` to every device; each port reports its end through
    // portEnded(), then finished() follows once all have ended. A port that
    // does not open ends before this returns. Devices must differ.
    void start(const QStringList &devices, const RadioImage &image, int selectedBand,
               bool bandOverrideMode, bool calibrationMode, bool verify);
    bool isRunning() const { return m_running; }

    const std::vector<Port> &ports() const { return m_ports; }
    // After bandOverrideQuestion(port).
    void answerBandOverride(int port, bool ok);

signals:
    void progressed(int port);
    // The port's radio is of another band and the band override mode asks;
    // its watchdog stands still until answered.
    void bandOverrideQuestion(int port);
    void portEnded(int port);
    void finished();

private:
    void linkFinished(int port, LinkProtocol::Outcome outcome);
    void end(int port);

    std::vector<std::unique_ptr<LinkThread>> m_links;
    std::vector<Port> m_ports;
    // Per port: what its write sent, for the read back.
    std::vector<RadioImage> m_written;
    bool m_calibration = false;
    bool m_verify = false;
    bool m_running = false;
    int m_open = 0;
};

} // namespace q731
