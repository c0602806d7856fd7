#pragma once

#include <QString>

class QWidget;

namespace q731 {

// The open and save dialogs of the data file commands. Behind an interface so
// that tests answer them without showing a dialog.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    // The chosen file name, or empty when the dialog was cancelled. `start` is
    // the folder to start in, or a file: the dialog then starts in its folder
    // with its name in the name field.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &start,
                                 const QString &filter) = 0;
    // A name typed without an extension gets that of the chosen filter when
    // the filter names one ("*.dat"), and the question before an existing
    // file is overwritten is asked about that name.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &start,
                                 const QString &filter) = 0;
};

// QFileDialog, the same for both languages.
class SystemFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *parent, const QString &caption, const QString &start,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &start,
                         const QString &filter) override;
};

// "DAT文件(*.dat);;AllFiles(*.*)": data files first, selected at start.
QString DataFileFilter();

// Where both dialogs start before a file was opened or saved: the program's
// folder, unless the program is installed where a user's files do not belong
// (under /usr, Program Files) or the folder cannot be written; then the
// user's documents folder.
QString DataFileStartFolder(const QString &programFolder);

} // namespace q731
