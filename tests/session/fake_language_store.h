#pragma once

#include "session/language_store.h"

namespace q731::testing {

// Keeps the stored value in memory.
class FakeLanguageStore : public LanguageStore
{
public:
    std::optional<QByteArray> value;
    int writes = 0;

    std::optional<QByteArray> readValue() override { return value; }
    void writeValue(const QByteArray &bytes) override
    {
        value = bytes;
        ++writes;
    }
};

} // namespace q731::testing
