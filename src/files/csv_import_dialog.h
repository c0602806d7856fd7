#pragma once

#include "files/csv_channels.h"
#include "image/language.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace q731 {

// What an import of a CSV channel list will do, before it does it (FrmImport):
// the summary (rows to take, the channels in use they replace, rows left out
// by reason, every value changed, by line) for the placement chosen in it.
// Import is offered only when a row can be taken.
class CsvImportDialog : public QDialog
{
    Q_OBJECT
public:
    // `importFor` reads the list for a placement.
    using Importer = std::function<CsvImport(const CsvPlacement &)>;

    CsvImportDialog(Language language, const QString &fileName, int bandIndex, Importer importFor,
                    QWidget *parent = nullptr);

    CsvPlacement placement() const;
    void choosePlacement(const CsvPlacement &placement);
    const CsvImport &import() const { return m_import; }
    QString summaryText() const;

private:
    void update();

    Language m_language;
    int m_bandIndex;
    Importer m_importFor;
    CsvImport m_import;
    QRadioButton *m_toLocation = nullptr;
    QRadioButton *m_renumber = nullptr;
    QSpinBox *m_first = nullptr;
    QCheckBox *m_clear = nullptr;
    QPlainTextEdit *m_summary = nullptr;
    QPushButton *m_importButton = nullptr;
};

} // namespace q731
