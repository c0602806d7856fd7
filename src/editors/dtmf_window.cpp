#include "dtmf_window.h"

#include "editors/field_filters.h"
#include "session/session.h"
#include "ui/captions.h"
#include "ui/twips.h"
#include "ui/wheel_guard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace q731 {

namespace {

constexpr int kCodeLength = 16;
constexpr int kOwnCodeLength = 8;

const QString kWindow = QStringLiteral("Form2");

QString Caption(const QString &control, Language language)
{
    const QStringList texts = CaptionTexts(kWindow, control, language);
    return texts.isEmpty() ? QString() : texts.front();
}

QLabel *AddLabel(QWidget *frame, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, frame);
    label->setObjectName(name);
    return label;
}

auto Field(std::string DtmfSettings::*member)
{
    return [member](DtmfSettings &dtmf) -> std::string & { return dtmf.*member; };
}

auto AutoDialMemory(int index)
{
    return [index](DtmfSettings &dtmf) -> std::string & {
        return dtmf.autoDialMemories[static_cast<std::size_t>(index)];
    };
}

} // namespace

DtmfWindow::DtmfWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form2"), parent)
{
    const Language language = m_session.language();
    setWindowTitle(QStringLiteral("DTMF(双音多频)"));

    m_option1 = new QRadioButton(Caption(QStringLiteral("Option1"), language), this);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(Caption(QStringLiteral("Option2"), language), this);
    m_option2->setObjectName(QStringLiteral("Option2"));
    connect(m_option1, &QRadioButton::clicked, this, &DtmfWindow::showMemoriesPage);
    connect(m_option2, &QRadioButton::clicked, this, &DtmfWindow::showOtherPage);

    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto *memories = new QFormLayout(m_frame1);
    for (int i = 0; i < 8; ++i) {
        const QString label = QStringLiteral("Label1(%1)").arg(i);
        memories->addRow(AddLabel(m_frame1, label, Caption(label, language)),
                         addCodeField(m_frame1, QStringLiteral("Text1(%1)").arg(i), kCodeLength,
                                      AutoDialMemory(i)));
    }

    m_frame2 = new QGroupBox(this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    auto *other = new QFormLayout(m_frame2);
    other->addRow(AddLabel(m_frame2, QStringLiteral("Label2"), Caption("Label2", language)),
                  addCodeField(m_frame2, QStringLiteral("Text2"), kCodeLength,
                               Field(&DtmfSettings::aniStartCode)));
    other->addRow(AddLabel(m_frame2, QStringLiteral("Label4"), Caption("Label4", language)),
                  addCodeField(m_frame2, QStringLiteral("Text4"), kCodeLength,
                               Field(&DtmfSettings::aniEndCode)));
    // The ANI label reads the same in both languages.
    other->addRow(AddLabel(m_frame2, QStringLiteral("Label32"), QStringLiteral("ANI：")),
                  addList(m_frame2, QStringLiteral("Combo1"),
                          CaptionTexts(kWindow, "Combo1", language), &DtmfSettings::aniMode));
    other->addRow(AddLabel(m_frame2, QStringLiteral("Label16"), Caption("Label16", language)),
                  addList(m_frame2, QStringLiteral("Combo16"),
                          CaptionTexts(kWindow, "Combo16", language), &DtmfSettings::rate));
    other->addRow(AddLabel(m_frame2, QStringLiteral("Label17"), Caption("Label17", language)),
                  addList(m_frame2, QStringLiteral("Combo17"),
                          CaptionTexts(kWindow, "Combo17", language),
                          &DtmfSettings::firstDigitDelay));
    other->addRow(AddLabel(m_frame2, QStringLiteral("Label18"), Caption("Label18", language)),
                  addList(m_frame2, QStringLiteral("Combo18"),
                          CaptionTexts(kWindow, "Combo18", language) +
                              QStringList{"*", "#", "A", "B", "C", "D"},
                          &DtmfSettings::groupCallCode));
    other->addRow(AddLabel(m_frame2, QStringLiteral("Label3"), Caption("Label3", language)),
                  addCodeField(m_frame2, QStringLiteral("Text3"), kOwnCodeLength,
                               Field(&DtmfSettings::ownCode)));

    auto *pages = new QHBoxLayout;
    pages->addWidget(m_option1);
    pages->addWidget(m_option2);
    pages->addStretch(1);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(pages);
    outer->addWidget(m_frame1);
    outer->addWidget(m_frame2);
    outer->addStretch(1);

    connect(&m_session, &Session::dtmfChanged, this, &DtmfWindow::refreshFromRecord);
    refreshFromRecord();
    resize(TwipsToPixelsX(5750, this), TwipsToPixelsY(3600, this));
    showMemoriesPage();
    GuardValueWheels(this);
}

QLineEdit *DtmfWindow::addCodeField(QWidget *frame, const QString &name, int maxLength,
                                    TextField field)
{
    auto *edit = new QLineEdit(frame);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    FieldFilter::Rules rules;
    rules.accept = IsDtmfCharacter;
    rules.upperCase = true;
    rules.onEnter = [] {};
    FieldFilter::install(edit, std::move(rules));
    // The field's text, not the signal's: a paste cleaned by the filter
    // announces its raw text last.
    connect(edit, &QLineEdit::textChanged, this, [this, field, edit] {
        if (!m_refreshing)
            m_session.editSettings(fieldName(edit), [&](RadioData &data) {
                field(data.dtmf) = edit->text().toStdString();
            });
    });
    m_texts.emplace_back(edit, std::move(field));
    return edit;
}

QComboBox *DtmfWindow::addList(QWidget *frame, const QString &name, const QStringList &items,
                               int DtmfSettings::*field)
{
    auto *combo = new QComboBox(frame);
    combo->setObjectName(name);
    combo->addItems(items);
    // The items change with the language; the list keeps them whole
    // (its size hint is its least width).
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setSizePolicy(QSizePolicy::Minimum, combo->sizePolicy().verticalPolicy());
    connect(combo, &QComboBox::currentIndexChanged, this, [this, combo, field](int index) {
        if (!m_refreshing && index >= 0)
            m_session.editSettings(fieldName(combo),
                                   [&](RadioData &data) { data.dtmf.*field = index; });
    });
    m_lists.emplace_back(combo, field);
    return combo;
}

QString DtmfWindow::fieldName(const QWidget *control) const
{
    return objectName() + QLatin1Char('.') + control->objectName();
}

void DtmfWindow::refreshFromRecord()
{
    DtmfSettings dtmf = m_session.data().dtmf;
    m_refreshing = true;
    for (auto &[edit, field] : m_texts)
        edit->setText(QString::fromStdString(field(dtmf)));
    for (auto &[combo, field] : m_lists) {
        if (dtmf.*field >= 0 && dtmf.*field < combo->count())
            combo->setCurrentIndex(dtmf.*field);
    }
    m_refreshing = false;
}

void DtmfWindow::showMemoriesPage()
{
    m_option1->setChecked(true);
    m_frame2->hide();
    m_frame1->show();
    findChild<QLineEdit *>(QStringLiteral("Text1(0)"))->setFocus();
}

void DtmfWindow::showOtherPage()
{
    m_option2->setChecked(true);
    m_frame1->hide();
    m_frame2->show();
    findChild<QComboBox *>(QStringLiteral("Combo16"))->setFocus();
}

} // namespace q731
