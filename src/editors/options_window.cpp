#include "options_window.h"

#include "editors/field_filters.h"
#include "editors/hidden_mode_labels.h"
#include "editors/options_fields.h"
#include "image/entry_rules.h"
#include "image/text_helpers.h"
#include "session/session.h"
#include "ui/captions.h"
#include "ui/object_names.h"
#include "ui/twips.h"
#include "ui/wheel_guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace q731 {

namespace {

// Label and field pairs per row of a page.
constexpr int kFunctionColumns = 3;
constexpr int kVfoColumns = 2;
constexpr int kVoxColumns = 1;

constexpr Control kServiceFields[] = {Control::PowerOnPasswordSetting, Control::RadioSearchMode,
                                      Control::EndOfCallTone};

QString FromStd(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

OptionsWindow::OptionsWindow(Session &session, QWidget *parent)
    : EditorWindow(session, QStringLiteral("Form3"), parent)
{
    setWindowTitle(CaptionTexts(objectName(), QString(), session.language()).value(0));
    createFields();
    auto *hiddenModeLabels = new HiddenModeLabels(m_session, this);
    hiddenModeLabels->setObjectName(QStringLiteral("hiddenModeLabels"));

    // The password setting, the radio's search mode and the end-of-call tone
    // are service settings: locked until the extra options are unlocked.
    for (const Control field : kServiceFields) {
        findChild<QWidget *>(LabelObjectName(field))->setEnabled(false);
        findChild<QWidget *>(ObjectName(field))->setEnabled(false);
    }

    connect(&m_session, &Session::optionsChanged, this, &OptionsWindow::refreshFromRecord);
    connect(&m_session, &Session::hiddenModeChanged, this, &OptionsWindow::hiddenModeChanged);
    refreshFromRecord();
    resize(TwipsToPixelsX(12450, this), TwipsToPixelsY(6765, this));
    showFunctionsPage();
    GuardValueWheels(this);
}

void OptionsWindow::createFields()
{
    const Language language = m_session.language();
    m_functionsPageButton =
        new QRadioButton(OptionsLabelText(Control::FunctionsPageButton, language), this);
    m_functionsPageButton->setObjectName(ObjectName(Control::FunctionsPageButton));
    m_vfoPageButton = new QRadioButton(OptionsLabelText(Control::VfoPageButton, language), this);
    m_vfoPageButton->setObjectName(ObjectName(Control::VfoPageButton));
    m_functionsPageButton->setChecked(true);
    connect(m_functionsPageButton, &QRadioButton::clicked, this, &OptionsWindow::showFunctionsPage);
    connect(m_vfoPageButton, &QRadioButton::clicked, this, &OptionsWindow::showVfoPage);

    auto frame = [this, language](Control group) {
        auto *box = new QGroupBox(OptionsLabelText(group, language), this);
        box->setObjectName(ObjectName(group));
        new QGridLayout(box);
        return box;
    };
    m_voxGroup = frame(Control::VoxGroup);
    m_functionsGroup = frame(Control::FunctionsGroup);
    m_vfoGroup = frame(Control::VfoGroup);

    int placed[3] = {0, 0, 0};
    for (const OptionsField &field : OptionsFields()) {
        QGroupBox *box = field.page == OptionsPage::Functions ? m_functionsGroup
                         : field.page == OptionsPage::Vox     ? m_voxGroup
                                                              : m_vfoGroup;
        const int columns = field.page == OptionsPage::Functions ? kFunctionColumns
                            : field.page == OptionsPage::Vox     ? kVoxColumns
                                                                 : kVfoColumns;
        auto *label = new QLabel(OptionsLabelText(field.control, language), box);
        label->setObjectName(LabelObjectName(field.control));
        QWidget *control = nullptr;
        if (field.list) {
            auto *combo = new QComboBox(box);
            combo->addItems(OptionsListItems(field.control, language));
            combo->setMaxVisibleItems(16);
            // The items change with the language; the list keeps them whole
            // (its size hint is its least width).
            combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            combo->setSizePolicy(QSizePolicy::Minimum, combo->sizePolicy().verticalPolicy());
            connect(combo, &QComboBox::currentIndexChanged, this,
                    [this, combo, member = field.list](int index) {
                        if (!m_refreshing && index >= 0)
                            edit(combo, [&](OptionalFeatures &o) { o.*member = index; });
                    });
            m_lists.emplace_back(combo, field.list);
            control = combo;
        } else {
            auto *edit = new QLineEdit(box);
            edit->setObjectName(ObjectName(field.control));
            createTextField(edit, field.text);
            control = edit;
        }
        control->setObjectName(ObjectName(field.control));
        if (!field.shown) {
            label->hide();
            control->hide();
            continue;
        }
        auto *grid = static_cast<QGridLayout *>(box->layout());
        const int slot = placed[static_cast<int>(field.page)]++;
        grid->addWidget(label, slot / columns, 2 * (slot % columns), Qt::AlignRight);
        grid->addWidget(control, slot / columns, 2 * (slot % columns) + 1);
    }

    m_voxOffWhileReceiving =
        new QCheckBox(OptionsLabelText(Control::VoxOffWhileReceiving, language), m_voxGroup);
    m_voxOffWhileReceiving->setObjectName(ObjectName(Control::VoxOffWhileReceiving));
    m_allowCancelOperating =
        new QCheckBox(OptionsLabelText(Control::AllowCancelOperating, language), m_voxGroup);
    m_allowCancelOperating->setObjectName(ObjectName(Control::AllowCancelOperating));
    m_voxOffWhileReceiving->hide();
    m_allowCancelOperating->hide();
    connect(m_voxOffWhileReceiving, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing)
            edit(m_voxOffWhileReceiving,
                 [on](OptionalFeatures &o) { o.voxOffWhileReceiving = on; });
    });
    connect(m_allowCancelOperating, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing)
            edit(m_allowCancelOperating,
                 [on](OptionalFeatures &o) { o.allowCancelOperating = on; });
    });
    static_cast<QGridLayout *>(m_voxGroup->layout())->setRowStretch(placed[1], 1);

    auto *pages = new QHBoxLayout;
    pages->addWidget(m_functionsPageButton);
    pages->addWidget(m_vfoPageButton);
    pages->addStretch(1);
    auto *body = new QHBoxLayout;
    auto *pageArea = new QVBoxLayout;
    pageArea->addWidget(m_functionsGroup);
    pageArea->addWidget(m_vfoGroup);
    body->addLayout(pageArea, 3);
    body->addWidget(m_voxGroup, 1);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(pages);
    outer->addLayout(body, 1);
}

void OptionsWindow::createTextField(QLineEdit *edit, std::string OptionalFeatures::*text)
{
    using F = OptionalFeatures;
    FieldFilter::Rules rules;
    void (OptionsWindow::*check)(QLineEdit *) = nullptr;
    if (text == &F::priorityScanChannel || text == &F::presentChannel) {
        rules.accept = IsDigit;
        check = &OptionsWindow::checkChannelNumber;
        // A channel number above the last channel becomes the last channel at once.
        connect(edit, &QLineEdit::textChanged, this, [edit] {
            if (LeadingNumber(edit->text().toStdString()) > kChannelCount)
                edit->setText(QString::number(kChannelCount));
        });
    } else if (text == &F::vfoFrequency || text == &F::vfoOffset) {
        rules.accept = [](QChar c) { return IsFrequencyCharacter(c.unicode()); };
        const bool frequency = text == &F::vfoFrequency;
        edit->setMaxLength(frequency ? kFrequencyBoxLength : kOffsetBoxLength);
        check = frequency ? &OptionsWindow::checkVfoFrequency : &OptionsWindow::checkVfoOffset;
    } else if (text == &F::powerOnPassword) {
        rules.accept = IsDigit;
        edit->setMaxLength(4);
        rules.onEnter = [] {};
    } else {
        rules.accept = IsPowerOnTextCharacter;
        rules.upperCase = true;
        edit->setMaxLength(6);
        rules.onEnter = [] {};
    }
    m_texts.emplace_back(edit, text);

    if (!check) {
        // The field's text, not the signal's: a paste cleaned by the filter
        // announces its raw text last.
        connect(edit, &QLineEdit::textChanged, this, [this, text, edit] {
            if (!m_refreshing)
                this->edit(edit,
                           [&](OptionalFeatures &o) { o.*text = edit->text().toStdString(); });
        });
        FieldFilter::install(edit, std::move(rules));
        return;
    }
    const std::size_t slot = m_leaveFields.size();
    m_leaveFields.push_back({edit, text, check, false});
    rules.onEnter = [this, slot] { leave(m_leaveFields[slot]); };
    rules.onLeave = [this, slot] { leave(m_leaveFields[slot]); };
    connect(edit, &QLineEdit::textEdited, this,
            [this, slot] { m_leaveFields[slot].pending = true; });
    FieldFilter::install(edit, std::move(rules));
}

void OptionsWindow::refreshFromRecord()
{
    const OptionalFeatures &o = m_session.data().options;
    m_refreshing = true;
    for (auto &[combo, member] : m_lists) {
        if (o.*member >= 0 && o.*member < combo->count())
            combo->setCurrentIndex(o.*member);
    }
    for (auto &[edit, member] : m_texts)
        edit->setText(FromStd(o.*member));
    for (LeaveField &field : m_leaveFields)
        field.pending = false;
    m_allowCancelOperating->setChecked(o.allowCancelOperating);
    m_voxOffWhileReceiving->setChecked(o.voxOffWhileReceiving);
    m_refreshing = false;
}

void OptionsWindow::commitPendingEdits()
{
    for (LeaveField &field : m_leaveFields) {
        if (field.pending)
            leave(field);
    }
}

void OptionsWindow::leave(LeaveField &field)
{
    (this->*field.check)(field.edit);
    field.pending = false;
    edit(field.edit,
         [&](OptionalFeatures &o) { o.*field.text = field.edit->text().toStdString(); });
}

void OptionsWindow::edit(const QWidget *control,
                         const std::function<void(OptionalFeatures &)> &change)
{
    m_session.editSettings(objectName() + QLatin1Char('.') + control->objectName(),
                           [&](RadioData &data) { change(data.options); });
}

void OptionsWindow::checkChannelNumber(QLineEdit *edit)
{
    // Typing keeps the number at most the last channel.
    const double value = std::min(LeadingNumber(edit->text().toStdString()), double(kChannelCount));
    const long whole = static_cast<long>(value);
    edit->setText(whole < 1 ? QString() : QString::number(whole));
}

void OptionsWindow::checkVfoFrequency(QLineEdit *edit)
{
    const BandLimits band{m_session.bandLowMHz(), m_session.bandHighMHz()};
    edit->setText(FromStd(VfoFrequencyText(edit->text().toStdString(), band)));
}

void OptionsWindow::checkVfoOffset(QLineEdit *edit)
{
    edit->setText(FromStd(VfoOffsetText(edit->text().toStdString())));
}

void OptionsWindow::showFunctionsPage()
{
    m_functionsPageButton->setChecked(true);
    m_vfoGroup->hide();
    m_functionsGroup->show();
    findChild<QLineEdit *>(ObjectName(Control::PriorityScanChannel))->setFocus();
}

void OptionsWindow::showVfoPage()
{
    m_vfoPageButton->setChecked(true);
    m_functionsGroup->hide();
    m_vfoGroup->show();
    findChild<QLineEdit *>(ObjectName(Control::VfoFrequency))->setFocus();
}

void OptionsWindow::hiddenModeChanged(HiddenMode mode, bool on)
{
    if (mode != HiddenMode::ExtraOptions)
        return;
    for (const Control field : kServiceFields) {
        findChild<QWidget *>(LabelObjectName(field))->setEnabled(on);
        if (on)
            findChild<QWidget *>(ObjectName(field))->setEnabled(true);
    }
}

} // namespace q731
