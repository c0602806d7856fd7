#pragma once

#include "image/language.h"
#include "print/print_report.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QPrinter;
class QPrintPreviewWidget;

namespace q731 {

class MessageBoxes;
class Session;

// The preview window (FrmPrint): the report's pages as they will be printed,
// with Print (the system's printer dialog), Save as PDF, the paper size and
// Close, and two choices for a customer's copy: only the channels in use, and
// a header of file, band and date on every page. Preview, paper and PDF are
// painted by one routine from the session's records as they are at that
// moment. Made anew by every Print command and destroyed when closed; the
// caller keeps the choices (optionsChanged) for the next one.
class PrintPreview : public QDialog
{
    Q_OBJECT
public:
    PrintPreview(Session &session, MessageBoxes &boxes, QWidget *parent = nullptr,
                 const ReportOptions &options = {});
    ~PrintPreview() override;

    // Asks for the printer to print on; false when the user cancels. Tests
    // answer it instead of the printer dialog.
    using PrinterChooser = std::function<bool(QPrinter &printer, QWidget *parent)>;
    void setPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    // The name of the PDF to save, or empty when the user cancels.
    using PdfNameChooser = std::function<QString(QWidget *parent)>;
    void setPdfNameChooser(PdfNameChooser chooser) { m_choosePdfName = std::move(chooser); }

    void print();
    void saveAsPdf();
    // The report on `printer`: the preview's, a real printer or a PDF.
    bool render(QPrinter *printer);

    QPrintPreviewWidget *previewWidget() const { return m_preview; }
    QPrinter *previewPrinter() const { return m_printer.get(); }

    // The caption: the program's file name followed by "打印预览" / "Print preview".
    static QString CaptionFor(Language language);

    const ReportOptions &options() const { return m_options; }

signals:
    void optionsChanged(const ReportOptions &options);

private:
    void showFailure(const QString &text);

    Session &m_session;
    MessageBoxes &m_boxes;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget *m_preview = nullptr;
    QComboBox *m_paper = nullptr;
    ReportOptions m_options;
    PrinterChooser m_choosePrinter;
    PdfNameChooser m_choosePdfName;
};

// The Print command: the preview, application-modal, over `parent`. Returns
// at once; the preview deletes itself when it is closed.
PrintPreview *ShowPrintPreview(Session &session, MessageBoxes &boxes, QWidget *parent,
                               const ReportOptions &options = {});

} // namespace q731
