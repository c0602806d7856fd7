#include "recent_files.h"

#include "session/language_store.h"

#include <QDir>
#include <QFileInfo>

namespace q731 {

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif

// Longer than any path the system can open: a damaged store, not a file.
constexpr qsizetype kLongestPath = 32767;

QString Normal(const QString &path)
{
    if (path.isEmpty() || path.size() > kLongestPath)
        return {};
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool Listed(const QStringList &files, const QString &path)
{
    return files.contains(path, kFileNameCase);
}

} // namespace

QStringList CleanRecentFiles(const QStringList &files)
{
    QStringList clean;
    for (const QString &file : files) {
        const QString path = Normal(file);
        if (path.isEmpty() || Listed(clean, path))
            continue;
        clean << path;
        if (clean.size() == RecentFiles::kMaxFiles)
            break;
    }
    return clean;
}

RecentFiles::RecentFiles(LanguageStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_files(CleanRecentFiles(store.readRecentFiles()))
{
}

void RecentFiles::add(const QString &path)
{
    update(path, true);
}

void RecentFiles::remove(const QString &path)
{
    update(path, false);
}

void RecentFiles::update(const QString &path, bool keep)
{
    const QString normal = Normal(path);
    QStringList files = CleanRecentFiles(m_store.readRecentFiles());
    files.removeIf(
        [&normal](const QString &file) { return file.compare(normal, kFileNameCase) == 0; });
    if (keep && !normal.isEmpty())
        files.prepend(normal);
    files = CleanRecentFiles(files);
    m_store.writeRecentFiles(files);
    if (files != m_files) {
        m_files = files;
        emit changed();
    }
}

} // namespace q731
