#pragma once

// A file that is not a regular file, for the tests of the refusal to write
// over one: a named pipe that no one reads where the system has them (a write
// into it would never end), the null device by its name on Windows.

#include <QFile>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace q731::testing {

// The special file's path, made in `folder` as `name` where it has to be made;
// empty when it could not be made.
inline QString MakeSpecialFile(const QString &folder, const QString &name)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    Q_UNUSED(name);
    return QStringLiteral("NUL");
#else
    const QString path = folder + QLatin1Char('/') + name;
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
#endif
}

// True while `path` is still the special file: not replaced by a regular file,
// a link or a folder.
inline bool IsStillSpecial(const QString &path)
{
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    return !info.isFile() && !info.isDir() && !info.isSymLink();
#else
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
#endif
}

} // namespace q731::testing
