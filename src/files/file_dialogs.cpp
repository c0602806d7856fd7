#include "file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace q731 {

namespace {

// The one extension a name filter's first pattern names: "dat" for
// "DAT文件(*.dat)", nothing for "AllFiles(*.*)".
QString ExtensionOf(const QString &nameFilter)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(nameFilter);
    return match.captured(1);
}

QString RunDialog(QWidget *parent, const QString &caption, const QString &start,
                  const QString &filter, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    const QString first = filter.section(QStringLiteral(";;"), 0, 0);
    dialog.selectNameFilter(first);
    if (mode == QFileDialog::AcceptSave) {
        // The dialog adds it before it asks about overwriting, so the question
        // names the file that will be written.
        dialog.setDefaultSuffix(ExtensionOf(first));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString &chosen) { dialog.setDefaultSuffix(ExtensionOf(chosen)); });
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool IsSystemProgramFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
#ifdef Q_OS_WIN
    for (const char *variable : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const QString root =
            QDir::cleanPath(QDir::fromNativeSeparators(qEnvironmentVariable(variable)));
        if (!root.isEmpty() && (path.compare(root, Qt::CaseInsensitive) == 0 ||
                                path.startsWith(root + QLatin1Char('/'), Qt::CaseInsensitive)))
            return true;
    }
    return false;
#else
    return path == QLatin1String("/usr") || path.startsWith(QLatin1String("/usr/"));
#endif
}

} // namespace

QString SystemFileDialogs::openFileName(QWidget *parent, const QString &caption,
                                        const QString &start, const QString &filter)
{
    return RunDialog(parent, caption, start, filter, QFileDialog::AcceptOpen);
}

QString SystemFileDialogs::saveFileName(QWidget *parent, const QString &caption,
                                        const QString &start, const QString &filter)
{
    return RunDialog(parent, caption, start, filter, QFileDialog::AcceptSave);
}

QString DataFileFilter()
{
    return QStringLiteral("DAT文件(*.dat);;AllFiles(*.*)");
}

QString DataFileStartFolder(const QString &programFolder)
{
    const QFileInfo info(programFolder);
    if (!programFolder.isEmpty() && !IsSystemProgramFolder(programFolder) && info.isDir() &&
        info.isWritable())
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace q731
