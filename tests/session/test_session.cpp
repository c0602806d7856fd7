// The session's own operations, without any window: New and the user's band
// change ask through the prompts they are given and change the records only
// on OK. Built on QtCore alone, as the command-line program uses it.

#include "image/byte_fields.h"
#include "image/channel_fields.h"
#include "image/codec.h"
#include "image/tones.h"
#include "session/qt_translations.h"
#include "session/session.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <vector>

using namespace q731;

namespace {

// Answers every question from `answers` (front first, Cancel when empty) and
// keeps what it was asked.
class ScriptedPrompts : public SessionPrompts
{
public:
    std::vector<bool> answers;
    std::vector<SessionQuestion> asked;

    bool confirm(const SessionQuestion &question) override
    {
        asked.push_back(question);
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

// Every signal through which windows and the history learn of a change.
struct Spies
{
    explicit Spies(Session &session)
        : band(&session, &Session::bandChanged)
        , channels(&session, &Session::channelsChanged)
        , rows(&session, &Session::channelRowsRestored)
        , options(&session, &Session::optionsChanged)
        , dtmf(&session, &Session::dtmfChanged)
        , fm(&session, &Session::fmChanged)
        , calibration(&session, &Session::calibrationChanged)
        , edited(&session, &Session::channelsEdited)
        , replaced(&session, &Session::recordsReplaced)
    {
    }

    int total() const
    {
        return int(band.size() + channels.size() + rows.size() + options.size() + dtmf.size() +
                   fm.size() + calibration.size() + edited.size() + replaced.size());
    }

    QSignalSpy band, channels, rows, options, dtmf, fm, calibration, edited, replaced;
};

// A session with something in every record New and the band change touch.
void Fill(Session &session)
{
    session.alterChannels([](ChannelTable &channels) {
        channels.rx(1) = "145.12500";
        channels.tx(1) = "145.72500";
        channels.name(1) = "ONE";
        channels.rx(7) = "150.00000";
    });
    session.editSettings(QStringLiteral("Form3"), [](RadioData &data) {
        data.options.vfoFrequency = "150.12500";
        data.options.squelchLevel = 7;
        data.options.powerOnPassword = "1234";
        data.dtmf.aniStartCode = "999";
        data.dtmf.aniEndCode = "88";
        data.fm.channel(2) = "98.10";
        data.calibration.values[4] = 77;
    });
}

RadioImage Encoded(const RadioData &data)
{
    RadioImage image{};
    EncodeImage(data, image);
    return image;
}

} // namespace

class SessionTest : public QObject
{
    Q_OBJECT
private slots:
    void textsOfTheCoreAreTranslated();
    void newAsksAndCancelChangesNothing_data();
    void newAsksAndCancelChangesNothing();
    void newOnOkStartsAfresh();
    void bandChangeAsksAndCancelChangesNothing();
    void bandChangeOnOkClearsAndReportsOneUndoableChange();
    void sameOrUnknownBandAsksNothing();
    void withoutPromptsNothingIsThrownAway();
    void editsAreReportedOnlyWhenTheRadioWouldSeeThem();
    void decodeStartsAfresh();
};

void SessionTest::newAsksAndCancelChangesNothing_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("zh") << Language::Chinese << "注意"
                        << "未保存的数据将会丢失，确定吗？";
    QTest::newRow("en") << Language::English << "Attention"
                        << "Unsaved data will be lost, sure?";
}

void SessionTest::newAsksAndCancelChangesNothing()
{
    QFETCH(Language, language);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    Session session;
    session.setLanguage(language);
    ScriptedPrompts prompts;
    session.setPrompts(&prompts);
    Fill(session);
    const RadioData before = session.data();
    Spies spies(session);

    QVERIFY(!session.startNew());
    QCOMPARE(prompts.asked.size(), std::size_t(1));
    QCOMPARE(prompts.asked[0].kind, SessionQuestion::Kind::NewData);
    QCOMPARE(prompts.asked[0].caption, caption);
    QCOMPARE(prompts.asked[0].text, text);
    QCOMPARE(spies.total(), 0);
    QCOMPARE(session.bandIndex(), 0);
    QVERIFY(Encoded(session.data()) == Encoded(before));
    QCOMPARE(session.data().dtmf.aniStartCode, std::string("999"));
}

void SessionTest::newOnOkStartsAfresh()
{
    Session session;
    ScriptedPrompts prompts;
    prompts.answers = {true};
    session.setPrompts(&prompts);
    Fill(session);
    Spies spies(session);

    QVERIFY(session.startNew());
    QCOMPARE(prompts.asked.size(), std::size_t(1)); // the band follows without its question
    QCOMPARE(session.bandIndex(), 3);
    QCOMPARE(session.bandLowMHz(), 400);
    QCOMPARE(session.bandHighMHz(), 470);
    const RadioData &data = session.data();
    QVERIFY(data.channels.rx(1).empty());
    QVERIFY(data.channels.name(1).empty());
    QVERIFY(data.channels.rx(7).empty());
    QCOMPARE(data.options.vfoFrequency, std::string("435.00000"));
    QCOMPARE(data.options.squelchLevel, 4);
    QVERIFY(data.dtmf.aniStartCode.empty());
    // What New keeps.
    QCOMPARE(data.options.powerOnPassword, std::string("1234"));
    QCOMPARE(data.dtmf.aniEndCode, std::string("88"));
    QCOMPARE(data.fm.channel(2), std::string("98.10"));
    QCOMPARE(data.calibration.values[4], 77);

    QCOMPARE(spies.band.size(), 1);
    QCOMPARE(spies.channels.size(), 1);
    QCOMPARE(spies.dtmf.size(), 1);
    QCOMPARE(spies.options.size(), 1);
    QCOMPARE(spies.replaced.size(), 1);
    QCOMPARE(spies.fm.size(), 0);
    QCOMPARE(spies.calibration.size(), 0);
    QCOMPARE(spies.edited.size(), 0);
}

void SessionTest::bandChangeAsksAndCancelChangesNothing()
{
    Session session;
    session.setLanguage(Language::English);
    ScriptedPrompts prompts;
    session.setPrompts(&prompts);
    Fill(session);
    const RadioData before = session.data();
    Spies spies(session);

    QVERIFY(!session.chooseBand(5));
    QCOMPARE(prompts.asked.size(), std::size_t(1));
    QCOMPARE(prompts.asked[0].kind, SessionQuestion::Kind::BandChange);
    QCOMPARE(prompts.asked[0].caption, QStringLiteral("Be careful!"));
    QCOMPARE(
        prompts.asked[0].text,
        QStringLiteral("Changing the frequency band will remove the channel tabulation, confirm?"));
    QCOMPARE(spies.total(), 0);
    QCOMPARE(session.bandIndex(), 0);
    QCOMPARE(session.bandHighMHz(), 174);
    QCOMPARE(session.data().options.vfoFrequency, std::string("150.12500"));
    QVERIFY(Encoded(session.data()) == Encoded(before));

    session.setLanguage(Language::Chinese);
    QVERIFY(!session.chooseBand(1));
    QCOMPARE(prompts.asked[1].caption, QStringLiteral("注意！"));
    QCOMPARE(prompts.asked[1].text, QStringLiteral("改变频段将清除频道列表，确定吗？"));
}

void SessionTest::bandChangeOnOkClearsAndReportsOneUndoableChange()
{
    Session session;
    ScriptedPrompts prompts;
    prompts.answers = {true};
    session.setPrompts(&prompts);
    Fill(session);
    const RadioData before = session.data();
    Spies spies(session);

    QVERIFY(session.chooseBand(5));
    QCOMPARE(session.bandIndex(), 5);
    QCOMPARE(session.bandLowMHz(), 450);
    QVERIFY(session.data().channels.rx(1).empty());
    QVERIFY(session.data().channels.name(1).empty());
    QVERIFY(session.data().channels.rx(7).empty());
    QCOMPARE(session.data().options.vfoFrequency, std::string("460.00000"));
    // Nothing else of the optional features, DTMF, FM or calibration.
    QCOMPARE(session.data().options.squelchLevel, 7);
    QCOMPARE(session.data().dtmf.aniStartCode, std::string("999"));
    QCOMPARE(session.data().fm.channel(2), std::string("98.10"));
    QCOMPARE(session.data().calibration.values[4], 77);

    QCOMPARE(spies.band.size(), 1);
    QCOMPARE(spies.options.size(), 1);
    QCOMPARE(spies.rows.size(), 1);
    QCOMPARE(spies.rows.front().front().value<QList<int>>(), (QList<int>{1, 7}));
    QCOMPARE(spies.replaced.size(), 0);
    QCOMPARE(spies.edited.size(), 1);
    const auto step = spies.edited.front();
    QCOMPARE(step.at(0).toString(), QStringLiteral("band change"));
    const auto was = step.at(1).value<ChannelState>();
    const auto is = step.at(2).value<ChannelState>();
    QCOMPARE(was.bandIndex, 0);
    QCOMPARE(was.vfoFrequency, std::string("150.12500"));
    QCOMPARE(is.bandIndex, 5);
    QCOMPARE(is.vfoFrequency, std::string("460.00000"));

    // What an undo sets brings the old band back with its channels.
    session.restoreChannelState(was);
    QCOMPARE(session.bandIndex(), 0);
    QVERIFY(Encoded(session.data()) == Encoded(before));
    QCOMPARE(session.data().channels.name(1), std::string("ONE"));
}

void SessionTest::sameOrUnknownBandAsksNothing()
{
    Session session;
    ScriptedPrompts prompts;
    prompts.answers = {true, true, true};
    session.setPrompts(&prompts);
    Fill(session);
    Spies spies(session);

    QVERIFY(session.chooseBand(0));
    QVERIFY(!session.chooseBand(-1));
    QVERIFY(!session.chooseBand(8));
    QVERIFY(prompts.asked.empty());
    QCOMPARE(spies.total(), 0);
    QCOMPARE(session.bandIndex(), 0);
    QCOMPARE(session.data().channels.rx(1), std::string("145.12500"));
}

void SessionTest::withoutPromptsNothingIsThrownAway()
{
    Session session;
    Fill(session);
    const RadioData before = session.data();
    Spies spies(session);
    QVERIFY(!session.startNew());
    QVERIFY(!session.chooseBand(3));
    QCOMPARE(spies.total(), 0);
    QCOMPARE(session.bandIndex(), 0);
    QVERIFY(Encoded(session.data()) == Encoded(before));

    // Prompts that are gone again are not asked either.
    ScriptedPrompts prompts;
    prompts.answers = {true};
    session.setPrompts(&prompts);
    session.setPrompts(nullptr);
    QVERIFY(!session.startNew());
    QVERIFY(prompts.asked.empty());
}

void SessionTest::editsAreReportedOnlyWhenTheRadioWouldSeeThem()
{
    Session session;
    Spies spies(session);
    session.editChannels(QStringLiteral("frequency"),
                         [](ChannelTable &channels) { channels.rx(3) = "146.00000"; });
    QCOMPARE(spies.edited.size(), 1);
    const auto was = spies.edited.front().at(1).value<ChannelState>();
    QCOMPARE(was.rows.size(), std::size_t(1));
    QCOMPARE(was.rows.front().first, 3);
    QCOMPARE(was.bandIndex, -1);

    // A transmit frequency on an unused channel reaches no byte of the radio.
    session.editChannels(QStringLiteral("frequency"),
                         [](ChannelTable &channels) { channels.tx(9) = "146.00000"; });
    QCOMPARE(spies.edited.size(), 1);

    // A replacement puts the channels in and reports one change.
    ChannelTable imported = session.data().channels;
    imported.rx(4) = "147.00000";
    imported.rx(5) = "148.00000";
    session.replaceChannels(QStringLiteral("import"), imported);
    QCOMPARE(session.data().channels.rx(5), std::string("148.00000"));
    QCOMPARE(spies.edited.size(), 2);
    QCOMPARE(spies.rows.back().front().value<QList<int>>(), (QList<int>{4, 5}));
}

void SessionTest::decodeStartsAfresh()
{
    Session session;
    Spies spies(session);
    session.decodeImage();
    QCOMPARE(spies.replaced.size(), 1);
    QCOMPARE(spies.edited.size(), 0);
}

QTEST_GUILESS_MAIN(SessionTest)
// The core names what it reports in its source language; every such name,
// pattern and part, has its English in the catalogue.
void SessionTest::textsOfTheCoreAreTranslated()
{
    const auto english = [](int address, int bits) {
        QStringList names;
        for (const MarkedText &field : ImageByteFields(address, std::uint8_t(bits)))
            names << TextIn(Language::English, field);
        return names;
    };
    QCOMPARE(english(ImageMap::recordBase(12), 0x01), QStringList{"channel 12 receive frequency"});
    QCOMPARE(english(1799, 0x14),
             (QStringList{"optional features: end-of-call tone", "memory byte 1799"}));
    QCOMPARE(english(2033, 0x01), QStringList{"calibration: middle power, middle section"});
    QCOMPARE(english(ImageMap::kFmChannels, 0x01), QStringList{"FM radio: channel 1"});
    QCOMPARE(TextIn(Language::Chinese, ImageByteFields(1796, 0x01).front()),
             QStringLiteral("可选功能：静噪等级"));

    const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    for (int address = 0; address < int(kRadioMemorySize); ++address) {
        for (int bits : {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}) {
            for (const QString &name : english(address, bits))
                QVERIFY2(!name.contains(chinese), qPrintable(name));
        }
    }

    // The grid's lists: the English list says "wide" where a new channel
    // says "Wide", and both tone lists begin with off.
    const GridLists &lists = GridListsIn(Language::English);
    QCOMPARE(lists.tones.size(), std::size_t(kToneCount));
    QCOMPARE(lists.tones.front(), std::string("Off"));
    QCOMPARE(lists.tones.back(), std::string("D754I"));
    const std::array<std::vector<std::string>, 6> options = {{
        {"Low", "High", "Middle"},
        {"Carry", "Off"},
        {"Off", "On"},
        {"Narror", "wide"},
        {"On", "Off"},
        {"On", "Off"},
    }};
    QCOMPARE(lists.options, options);
    QCOMPARE(lists.newChannelCells,
             (std::array<std::string, 8>{"Off", "Off", "High", "Off", "On", "Wide", "Off", "Off"}));
    QCOMPARE(GridListsIn(Language::Chinese).newChannelCell(8), std::string("宽带"));
    QStringList titles;
    for (const ChannelField &field : ChannelFields())
        titles << TextIn(Language::English, "ChannelFields", field.title);
    QCOMPARE(titles.join(QLatin1Char('|')),
             QStringLiteral("Ch|RX MHz|TX MHz|RX tone|TX tone|Power|Busy lock|Scan|Width|TX "
                            "stop|Scramble|Name"));
}

#include "test_session.moc"
