#pragma once

#include "image/language.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace q731 {

// The per-user store of the language choice, a 4-byte binary value whose
// first byte is the language, and beside it the recent files. Behind an
// interface so tests never touch the user's own configuration.
class LanguageStore
{
public:
    virtual ~LanguageStore() = default;
    // The stored 4 bytes, or nothing when the value is missing or unreadable.
    virtual std::optional<QByteArray> readValue() = 0;
    virtual void writeValue(const QByteArray &value) = 0;
    // The recent files as stored, most recent first; empty when there are
    // none or the value is unreadable. Failures to write are not reported:
    // the list is a convenience.
    virtual QStringList readRecentFiles() = 0;
    virtual void writeRecentFiles(const QStringList &files) = 0;
};

#ifdef Q_OS_WIN
// The registry: HKEY_CURRENT_USER\QV-44T, value BinaryValue, REG_BINARY.
// The recent files are the value RecentFiles beside it, REG_MULTI_SZ.
class RegistryLanguageStore : public LanguageStore
{
public:
    std::optional<QByteArray> readValue() override;
    void writeValue(const QByteArray &value) override;
    QStringList readRecentFiles() override;
    void writeRecentFiles(const QStringList &files) override;
};
using UserLanguageStore = RegistryLanguageStore;
#endif

// An INI file holding the same 4 bytes as the key BinaryValue and the recent
// files as the key RecentFiles. The user's file is QV-44T.ini in the user's
// configuration folder ($XDG_CONFIG_HOME, usually ~/.config, on Linux).
class IniLanguageStore : public LanguageStore
{
public:
    explicit IniLanguageStore(QString path = DefaultPath());
    static QString DefaultPath();
    const QString &path() const { return m_path; }

    std::optional<QByteArray> readValue() override;
    void writeValue(const QByteArray &value) override;
    QStringList readRecentFiles() override;
    void writeRecentFiles(const QStringList &files) override;

private:
    QString m_path;
};
#ifndef Q_OS_WIN
using UserLanguageStore = IniLanguageStore;
#endif

// The language a stored value selects: only the low four bits of byte 0
// count; 1..9 give English, 0 and A..F Chinese, a missing value Chinese.
Language LanguageFromStoredValue(const std::optional<QByteArray> &value);

// The 4 bytes written back: the language, then three zero bytes.
QByteArray StoredValueForLanguage(Language language);

Language ReadStoredLanguage(LanguageStore &store);
void WriteStoredLanguage(LanguageStore &store, Language language);

// Registry value types, by the registry's own numbers.
enum RegistryValueType : unsigned long {
    RegistryText = 1,      // REG_SZ
    RegistryBinary = 3,    // REG_BINARY
    RegistryMultiText = 7, // REG_MULTI_SZ
};

// A REG_MULTI_SZ value's texts (UTF-16, each ended by a NUL, the list by a
// second NUL) and back. A value of another type, or bytes that end short,
// give what can be read of them; empty texts are left out.
QStringList TextsFromMultiString(unsigned long type, const QByteArray &data);
QByteArray MultiStringOf(const QStringList &texts);

// What a registry value of `type` with the raw bytes `data` stores, read as
// the language reader reads it: a binary value by its first two bytes (a
// signed little-endian number), a text value (UTF-16, up to its first NUL) by
// the number it spells; any other type, or a text that spells no number,
// stores nothing. A value in the "@ByteArray(...)" form that earlier releases
// wrote through QSettings (as text, or as binary when it held NULs) gives the
// bytes inside the brackets.
std::optional<QByteArray> StoredValueFromRegistry(unsigned long type, const QByteArray &data);

// A stored text (an INI value someone typed, a REG_SZ) by the number it
// spells: its low 16 bits, little-endian.
std::optional<QByteArray> StoredValueFromText(const QString &text);

} // namespace q731
