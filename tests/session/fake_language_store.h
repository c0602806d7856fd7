#pragma once

#include "session/language_store.h"

namespace q731::testing {

// Keeps the stored values in memory.
class FakeLanguageStore : public LanguageStore
{
public:
    std::optional<QByteArray> value;
    QStringList recentFiles;
    int writes = 0;

    QStringList readRecentFiles() override { return recentFiles; }
    void writeRecentFiles(const QStringList &files) override { recentFiles = files; }

    std::optional<QByteArray> readValue() override { return value; }
    void writeValue(const QByteArray &bytes) override
    {
        value = bytes;
        ++writes;
    }
};

} // namespace q731::testing
