#include "language_store.h"

#include <QSettings>
#include <QVariant>

namespace q731 {

namespace {

QSettings openSettings()
{
#ifdef Q_OS_WIN
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\QV-44T"), QSettings::NativeFormat);
#else
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QV-44T"));
#endif
}

const QString kValueName = QStringLiteral("BinaryValue");

} // namespace

std::optional<QByteArray> SettingsLanguageStore::readValue()
{
    QSettings settings = openSettings();
    if (settings.status() != QSettings::NoError || !settings.contains(kValueName))
        return std::nullopt;
    const QVariant value = settings.value(kValueName);
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray();
    if (value.typeId() == QMetaType::QString) {
        // A text value counts by its number, as the registry reader does.
        bool ok = false;
        const int number = value.toString().trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
        QByteArray bytes(2, '\0');
        bytes[0] = char(number & 0xFF);
        bytes[1] = char((number >> 8) & 0xFF);
        return bytes;
    }
    return std::nullopt;
}

void SettingsLanguageStore::writeValue(const QByteArray &value)
{
    QSettings settings = openSettings();
    settings.setValue(kValueName, value);
    settings.sync();
}

Language LanguageFromStoredValue(const std::optional<QByteArray> &value)
{
    if (!value || value->isEmpty())
        return Language::Chinese;
    const int lowNibble = static_cast<unsigned char>(value->at(0)) & 0x0F;
    return (lowNibble >= 1 && lowNibble <= 9) ? Language::English : Language::Chinese;
}

QByteArray StoredValueForLanguage(Language language)
{
    QByteArray bytes(4, '\0');
    bytes[0] = char(language == Language::English ? 1 : 0);
    return bytes;
}

Language ReadStoredLanguage(LanguageStore &store)
{
    return LanguageFromStoredValue(store.readValue());
}

void WriteStoredLanguage(LanguageStore &store, Language language)
{
    store.writeValue(StoredValueForLanguage(language));
}

} // namespace q731
