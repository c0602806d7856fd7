#include "print_preview.h"

#include "files/data_file_store.h"
#include "files/file_dialogs.h"
#include "print/print_report.h"
#include "session/product.h"
#include "session/qt_translations.h"
#include "session/session.h"
#include "ui/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace q731 {

namespace {

bool AskForPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString AskForPdfName(QWidget *parent, Language language)
{
    const TextsIn translate(language);
    QString name = QFileDialog::getSaveFileName(
        parent, translate("q731::PrintPreview", "另存为PDF"), DataFileStartFolder(ProgramFolder()),
        QStringLiteral("PDF (*.pdf)"));
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".pdf");
    return name;
}

} // namespace

QString PrintPreview::CaptionFor(Language language)
{
    const TextsIn translate(language);
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return program + translate("q731::PrintPreview", "打印预览");
}

PrintPreview::PrintPreview(Session &session, MessageBoxes &boxes, QWidget *parent,
                           const ReportOptions &options)
    : QDialog(parent)
    , m_session(session)
    , m_boxes(boxes)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_options(options)
{
    setObjectName(QStringLiteral("FrmPrint"));
    setWindowTitle(CaptionFor(session.language()));
    m_choosePrinter = AskForPrinter;
    m_choosePdfName = [this](QWidget *owner) { return AskForPdfName(owner, m_session.language()); };
    m_printer->setPageSize(DefaultReportPaper());

    auto *buttons = new QHBoxLayout;
    auto addButton = [&](const char *name, const QString &text) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    QPushButton *printButton = addButton("Print", tr("打印"));
    QPushButton *pdfButton = addButton("SavePdf", tr("另存为PDF"));
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("Paper"));
    m_paper->addItem(QStringLiteral("A4"), int(QPageSize::A4));
    m_paper->addItem(QStringLiteral("Letter"), int(QPageSize::Letter));
    m_paper->setCurrentIndex(m_printer->pageLayout().pageSize().id() == QPageSize::Letter ? 1 : 0);
    buttons->addWidget(m_paper);
    const auto addChoice = [&](const char *name, const QString &text, bool ReportOptions::*choice) {
        auto *box = new QCheckBox(text, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(m_options.*choice);
        buttons->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, choice](bool on) {
            m_options.*choice = on;
            m_preview->updatePreview();
            emit optionsChanged(m_options);
        });
    };
    addChoice("UsedOnly", tr("仅使用中的信道"), &ReportOptions::usedChannelsOnly);
    addChoice("Header", tr("页眉：文件、频段、日期"), &ReportOptions::header);
    QPushButton *zoomIn = addButton("ZoomIn", tr("放大"));
    QPushButton *zoomOut = addButton("ZoomOut", tr("缩小"));
    buttons->addStretch(1);
    QPushButton *closeButton = addButton("Close", tr("关闭"));

    // Picture1 fills the window below the buttons and the preview fills it.
    auto *picture = new QWidget(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    auto *pictureLayout = new QVBoxLayout(picture);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    m_preview = new QPrintPreviewWidget(m_printer.get(), picture);
    m_preview->setObjectName(QStringLiteral("CurtPrinter1"));
    pictureLayout->addWidget(m_preview);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(picture, 1);

    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { render(printer); });
    connect(printButton, &QPushButton::clicked, this, &PrintPreview::print);
    connect(pdfButton, &QPushButton::clicked, this, &PrintPreview::saveAsPdf);
    connect(zoomIn, &QPushButton::clicked, m_preview, [this] { m_preview->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, m_preview, [this] { m_preview->zoomOut(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_paper, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_printer->setPageSize(QPageSize(QPageSize::PageSizeId(m_paper->itemData(index).toInt())));
        m_preview->updatePreview();
    });
    m_preview->fitToWidth();
    resize(900, 700);
}

PrintPreview::~PrintPreview() = default;

bool PrintPreview::render(QPrinter *printer)
{
    ReportWriter writer(PreviewReportSettings());
    return PrintContent(writer, printer, m_session.data(), m_session.language(), m_options);
}

void PrintPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_printer->pageLayout());
    if (!m_choosePrinter(printer, this))
        return;
    if (!render(&printer))
        showFailure(tr("打印失败。"));
}

void PrintPreview::saveAsPdf()
{
    const QString name = m_choosePdfName(this);
    if (name.isEmpty())
        return;
    // Painted whole first, then put in place as Save does with a data file.
    const QByteArray pdf = ReportPdf(m_session.data(), m_session.language(),
                                     m_printer->pageLayout().pageSize(), windowTitle(), m_options);
    const bool saved =
        !pdf.isEmpty() &&
        WriteDataFile({.path = name}, std::vector<std::uint8_t>(pdf.begin(), pdf.end())).ok();
    if (!saved) {
        const QString native = QDir::toNativeSeparators(name);
        showFailure(tr("无法保存文件“%1”。").arg(native));
    }
}

void PrintPreview::showFailure(const QString &text)
{
    m_boxes.show(text, StyleOkStop, tr("错误"));
}

PrintPreview *ShowPrintPreview(Session &session, MessageBoxes &boxes, QWidget *parent,
                               const ReportOptions &options)
{
    auto *preview = new PrintPreview(session, boxes, parent, options);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowModality(Qt::ApplicationModal);
    preview->show();
    return preview;
}

} // namespace q731
