#include "csv_import_dialog.h"

#include "files/csv_list_texts.h"
#include "ui/captions.h"
#include "ui/object_names.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace q731 {

CsvImportDialog::CsvImportDialog(Language language, const QString &fileName, int bandIndex,
                                 Importer importFor, QWidget *parent)
    : QDialog(parent)
    , m_language(language)
    , m_bandIndex(bandIndex)
    , m_importFor(std::move(importFor))
{
    setObjectName(QStringLiteral("FrmImport"));

    auto *file = new QLabel(fileName, this);
    file->setObjectName(ObjectName(Control::ImportFileName));
    file->setTextFormat(Qt::PlainText);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_toLocation = new QRadioButton(frame);
    m_toLocation->setObjectName(ObjectName(Control::ImportToLocation));
    m_toLocation->setChecked(true);
    m_renumber = new QRadioButton(frame);
    m_renumber->setObjectName(ObjectName(Control::ImportRenumber));
    m_first = new QSpinBox(frame);
    m_first->setObjectName(QStringLiteral("Spin1"));
    m_first->setRange(1, kChannelCount);
    m_first->setEnabled(false);
    m_clear = new QCheckBox(frame);
    m_clear->setObjectName(ObjectName(Control::ImportClearFirst));
    auto *placement = new QGridLayout(frame);
    placement->addWidget(m_toLocation, 0, 0, 1, 2);
    placement->addWidget(m_renumber, 1, 0);
    placement->addWidget(m_first, 1, 1, Qt::AlignLeft);
    placement->addWidget(m_clear, 2, 0, 1, 2);
    placement->setColumnStretch(1, 1);

    m_summary = new QPlainTextEdit(this);
    m_summary->setObjectName(ObjectName(Control::ImportSummary));
    m_summary->setReadOnly(true);
    m_summary->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_summary->setMinimumSize(720, 240);

    auto *buttons = new QDialogButtonBox(this);
    m_importButton = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_importButton->setObjectName(QStringLiteral("Command1"));
    m_importButton->setDefault(true);
    QPushButton *cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(frame);
    layout->addWidget(m_summary, 1);
    layout->addWidget(buttons);

    ApplyCaptions(language, {this});

    connect(m_renumber, &QRadioButton::toggled, this, [this](bool on) {
        m_first->setEnabled(on);
        update();
    });
    connect(m_first, &QSpinBox::valueChanged, this, [this] { update(); });
    connect(m_clear, &QCheckBox::toggled, this, [this] { update(); });
    update();
    m_importButton->setFocus();
}

CsvPlacement CsvImportDialog::placement() const
{
    return {.renumber = m_renumber->isChecked(),
            .first = m_first->value(),
            .clear = m_clear->isChecked()};
}

void CsvImportDialog::choosePlacement(const CsvPlacement &placement)
{
    (placement.renumber ? m_renumber : m_toLocation)->setChecked(true);
    m_first->setValue(placement.first);
    m_clear->setChecked(placement.clear);
}

QString CsvImportDialog::summaryText() const
{
    return m_summary->toPlainText();
}

void CsvImportDialog::update()
{
    m_import = m_importFor(placement());
    m_summary->setPlainText(
        CsvSummaryText(m_import, m_bandIndex, m_language, CsvSummaryTime::Planned));
    m_importButton->setEnabled(!m_import.channels.empty());
}

} // namespace q731
