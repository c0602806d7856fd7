#pragma once

#include <QObject>
#include <QStringList>

namespace q731 {

class LanguageStore;

// The data files last opened or saved, most recent first, kept in the user's
// store beside the language. Every change reads the store first, so that two
// copies of the program running side by side lose none of each other's files.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxFiles = 8;

    explicit RecentFiles(LanguageStore &store, QObject *parent = nullptr);

    const QStringList &files() const { return m_files; }

    // `path` to the front, once.
    void add(const QString &path);
    void remove(const QString &path);

signals:
    void changed();

private:
    void update(const QString &path, bool keep);

    LanguageStore &m_store;
    QStringList m_files;
};

// A stored list as the program takes it: absolute paths, each once (without
// regard to case on Windows, where names are compared so), no empty ones, at
// most RecentFiles::kMaxFiles.
QStringList CleanRecentFiles(const QStringList &files);

} // namespace q731
