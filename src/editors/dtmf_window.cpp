#include "dtmf_window.h"

#include "editors/field_filters.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/captions.h"
#include "ui/object_names.h"
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
    const TextsIn translate(language);
    // The title and the ANI label read the same in both languages.
    setWindowTitle(translate("DtmfWindow", "DTMF(双音多频)"));

    m_memoriesPageButton =
        new QRadioButton(Caption(ObjectName(Control::DtmfMemoriesPageButton), language), this);
    m_memoriesPageButton->setObjectName(ObjectName(Control::DtmfMemoriesPageButton));
    m_otherPageButton =
        new QRadioButton(Caption(ObjectName(Control::DtmfOtherPageButton), language), this);
    m_otherPageButton->setObjectName(ObjectName(Control::DtmfOtherPageButton));
    connect(m_memoriesPageButton, &QRadioButton::clicked, this, &DtmfWindow::showMemoriesPage);
    connect(m_otherPageButton, &QRadioButton::clicked, this, &DtmfWindow::showOtherPage);

    m_memoriesGroup = new QGroupBox(this);
    m_memoriesGroup->setObjectName(QStringLiteral("Frame1"));
    auto *memories = new QFormLayout(m_memoriesGroup);
    for (int i = 0; i < 8; ++i) {
        const QString label = LabelObjectName(Control::DtmfAutoDialMemory, i);
        memories->addRow(AddLabel(m_memoriesGroup, label, Caption(label, language)),
                         addCodeField(m_memoriesGroup, ObjectName(Control::DtmfAutoDialMemory, i),
                                      kCodeLength,
                                      AutoDialMemory(i)));
    }

    m_otherGroup = new QGroupBox(this);
    m_otherGroup->setObjectName(QStringLiteral("Frame2"));
    auto *other = new QFormLayout(m_otherGroup);
    auto addRow = [&](Control control, const QString &labelText, QWidget *field) {
        other->addRow(AddLabel(m_otherGroup, LabelObjectName(control), labelText), field);
    };
    auto caption = [&](Control control) { return Caption(LabelObjectName(control), language); };
    auto items = [&](Control control) {
        return CaptionTexts(kWindow, ObjectName(control), language);
    };
    addRow(Control::DtmfAniStartCode, caption(Control::DtmfAniStartCode),
           addCodeField(m_otherGroup, ObjectName(Control::DtmfAniStartCode), kCodeLength,
                        Field(&DtmfSettings::aniStartCode)));
    addRow(Control::DtmfAniEndCode, caption(Control::DtmfAniEndCode),
           addCodeField(m_otherGroup, ObjectName(Control::DtmfAniEndCode), kCodeLength,
                        Field(&DtmfSettings::aniEndCode)));
    addRow(Control::DtmfAniMode, translate("DtmfWindow", "ANI："),
           addList(m_otherGroup, ObjectName(Control::DtmfAniMode), items(Control::DtmfAniMode),
                   &DtmfSettings::aniMode));
    addRow(Control::DtmfRate, caption(Control::DtmfRate),
           addList(m_otherGroup, ObjectName(Control::DtmfRate), items(Control::DtmfRate),
                   &DtmfSettings::rate));
    addRow(Control::DtmfFirstDigitDelay, caption(Control::DtmfFirstDigitDelay),
           addList(m_otherGroup, ObjectName(Control::DtmfFirstDigitDelay),
                   items(Control::DtmfFirstDigitDelay), &DtmfSettings::firstDigitDelay));
    addRow(Control::DtmfGroupCallCode, caption(Control::DtmfGroupCallCode),
           addList(m_otherGroup, ObjectName(Control::DtmfGroupCallCode),
                   items(Control::DtmfGroupCallCode) + QStringList{"*", "#", "A", "B", "C", "D"},
                   &DtmfSettings::groupCallCode));
    addRow(Control::DtmfOwnCode, caption(Control::DtmfOwnCode),
           addCodeField(m_otherGroup, ObjectName(Control::DtmfOwnCode), kOwnCodeLength,
                        Field(&DtmfSettings::ownCode)));

    auto *pages = new QHBoxLayout;
    pages->addWidget(m_memoriesPageButton);
    pages->addWidget(m_otherPageButton);
    pages->addStretch(1);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(pages);
    outer->addWidget(m_memoriesGroup);
    outer->addWidget(m_otherGroup);
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
    m_memoriesPageButton->setChecked(true);
    m_otherGroup->hide();
    m_memoriesGroup->show();
    findChild<QLineEdit *>(ObjectName(Control::DtmfAutoDialMemory, 0))->setFocus();
}

void DtmfWindow::showOtherPage()
{
    m_otherPageButton->setChecked(true);
    m_memoriesGroup->hide();
    m_otherGroup->show();
    findChild<QComboBox *>(ObjectName(Control::DtmfRate))->setFocus();
}

} // namespace q731
