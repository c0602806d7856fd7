#pragma once

#include "image/language.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace q731 {

// The per-user store of the language choice: a 4-byte binary value whose first
// byte is the language. Behind an interface so tests never touch the user's
// own configuration.
class LanguageStore
{
public:
    virtual ~LanguageStore() = default;
    // The stored 4 bytes, or nothing when the value is missing or unreadable.
    virtual std::optional<QByteArray> readValue() = 0;
    virtual void writeValue(const QByteArray &value) = 0;
};

// QSettings: on Windows the registry key HKEY_CURRENT_USER\QV-44T, value
// BinaryValue; elsewhere the INI file QV-44T.conf in the user's config folder.
class SettingsLanguageStore : public LanguageStore
{
public:
    std::optional<QByteArray> readValue() override;
    void writeValue(const QByteArray &value) override;
};

// The language a stored value selects: only the low four bits of byte 0
// count; 1..9 give English, 0 and A..F Chinese, a missing value Chinese.
Language LanguageFromStoredValue(const std::optional<QByteArray> &value);

// The 4 bytes written back: the language, then three zero bytes.
QByteArray StoredValueForLanguage(Language language);

Language ReadStoredLanguage(LanguageStore &store);
void WriteStoredLanguage(LanguageStore &store, Language language);

} // namespace q731
