// q731-radio-sim: a simulated radio on a pseudo-terminal, for trying the
// program without a cable. Prints "PORT <device>", then serves until killed.

#include "files/dat_file.h"
#include "link/pty_radio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

using namespace q731;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("q731-radio-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves a simulated Q-731 radio on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption paced(QStringLiteral("paced"),
                                   QStringLiteral("Take as long per byte as 9600 8N1."));
    const QCommandLineOption band(QStringLiteral("band"), QStringLiteral("Band number 0..7."),
                                  QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption load(QStringLiteral("load"),
                                  QStringLiteral("Start with the memory of a .dat file."),
                                  QStringLiteral("file"));
    const QCommandLineOption save(
        QStringLiteral("save"), QStringLiteral("Store the memory in a .dat file after each write."),
        QStringLiteral("file"));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("Send every reply byte on its own."));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Never answer."));
    const QCommandLineOption ackFlood(
        QStringLiteral("ack-flood"),
        QStringLiteral("After the identification, stream ACKs and store nothing."));
    const QCommandLineOption wrongAddress(
        QStringLiteral("wrong-address"),
        QStringLiteral("Answer read request n (0 = the first) with the next block."),
        QStringLiteral("n"));
    parser.addOptions({paced, band, load, save, split, silent, ackFlood, wrongAddress});
    parser.process(app);

    PtyRadio radio;
    radio.setPaced(parser.isSet(paced));
    radio.simulator().setBand(parser.value(band).toInt() & 0x0F);
    radio.faults().splitReplies = parser.isSet(split);
    radio.faults().silent = parser.isSet(silent);
    radio.faults().ackFlood = parser.isSet(ackFlood);
    if (parser.isSet(wrongAddress)) {
        bool ok = false;
        radio.faults().otherAddressAtRequest = parser.value(wrongAddress).toInt(&ok);
        if (!ok || radio.faults().otherAddressAtRequest < 0) {
            std::fprintf(stderr, "q731-radio-sim: --wrong-address takes a request number\n");
            return 1;
        }
    }
    if (parser.isSet(load)) {
        QFile file(parser.value(load));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "q731-radio-sim: cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        const DatLoadResult loaded = LoadDatFile({bytes.begin(), bytes.end()});
        if (loaded.error != DatLoadError::None) {
            std::fprintf(stderr, "q731-radio-sim: %s is no Q-731 data file\n",
                         qPrintable(file.fileName()));
            return 1;
        }
        std::copy_n(loaded.image.begin(), kRadioMemorySize, radio.simulator().memory().begin());
    }
    if (!radio.open()) {
        std::fprintf(stderr, "q731-radio-sim: %s\n", qPrintable(radio.errorString()));
        return 1;
    }
    if (parser.isSet(save)) {
        const QString path = parser.value(save);
        QObject::connect(&radio, &PtyRadio::endReceived, &app, [&radio, path] {
            if (radio.simulator().writtenAddresses().empty())
                return;
            RadioImage image{};
            const auto &memory = radio.simulator().memory();
            std::copy(memory.begin(), memory.end(), image.begin());
            const std::vector<std::uint8_t> bytes = StoreDatFile(image);
            QSaveFile file(path);
            if (file.open(QIODevice::WriteOnly)) {
                file.write(reinterpret_cast<const char *>(bytes.data()),
                           static_cast<qint64>(bytes.size()));
                file.commit();
            }
        });
    }
    std::printf("PORT %s\n", qPrintable(radio.devicePath()));
    std::fflush(stdout);
    return app.exec();
}
