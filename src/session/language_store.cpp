#include "language_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <cstdint>

#ifdef Q_OS_WIN
#include "session/win_registry.h"

#include <vector>
#endif

namespace q731 {

namespace {

const QString kValueName = QStringLiteral("BinaryValue");
const QString kRecentFilesName = QStringLiteral("RecentFiles");
const QLatin1String kByteArrayPrefix("@ByteArray(");

// The text of a REG_SZ or of a binary value written as text: UTF-16
// little-endian, up to its first NUL when `stopAtNul`.
QString Utf16Text(const QByteArray &data, bool stopAtNul)
{
    QString text;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(data[i]) |
                                                (static_cast<unsigned char>(data[i + 1]) << 8));
        if (unit == 0 && stopAtNul)
            break;
        text += QChar(unit);
    }
    return text;
}

// "@ByteArray(...)": each character inside the brackets is one byte.
std::optional<QByteArray> EarlierReleaseBytes(const QString &text)
{
    if (!text.startsWith(kByteArrayPrefix) || !text.endsWith(QLatin1Char(')')))
        return std::nullopt;
    const QString inner =
        text.mid(kByteArrayPrefix.size(), text.size() - kByteArrayPrefix.size() - 1);
    QByteArray bytes;
    for (const QChar c : inner) {
        if (c.unicode() > 0xFF)
            return std::nullopt;
        bytes += static_cast<char>(c.unicode());
    }
    return bytes;
}

} // namespace

std::optional<QByteArray> StoredValueFromText(const QString &text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    QByteArray bytes(2, '\0');
    bytes[0] = char(number & 0xFF);
    bytes[1] = char((number >> 8) & 0xFF);
    return bytes;
}

std::optional<QByteArray> StoredValueFromRegistry(unsigned long type, const QByteArray &data)
{
    if (type == RegistryText) {
        const QString text = Utf16Text(data, true);
        if (const auto earlier = EarlierReleaseBytes(text))
            return earlier;
        return StoredValueFromText(text);
    }
    if (type == RegistryBinary) {
        if (const auto earlier = EarlierReleaseBytes(Utf16Text(data, false)))
            return earlier;
        // The reader takes two bytes; a shorter value reads as zeros beyond it.
        QByteArray bytes = data.left(2);
        while (bytes.size() < 2)
            bytes.append('\0');
        return bytes;
    }
    return std::nullopt;
}

IniLanguageStore::IniLanguageStore(QString path)
    : m_path(std::move(path))
{
}

QString IniLanguageStore::DefaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("QV-44T.ini"));
}

std::optional<QByteArray> IniLanguageStore::readValue()
{
    QSettings settings(m_path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError || !settings.contains(kValueName))
        return std::nullopt;
    const QVariant value = settings.value(kValueName);
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray();
    if (value.typeId() == QMetaType::QString)
        return StoredValueFromText(value.toString());
    return std::nullopt;
}

void IniLanguageStore::writeValue(const QByteArray &value)
{
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(kValueName, value);
    settings.sync();
}

QStringList IniLanguageStore::readRecentFiles()
{
    QSettings settings(m_path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return {};
    // One file is read back as a text, several as a list.
    const QVariant value = settings.value(kRecentFilesName);
    if (value.typeId() == QMetaType::QString)
        return {value.toString()};
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList();
    return {};
}

void IniLanguageStore::writeRecentFiles(const QStringList &files)
{
    QSettings settings(m_path, QSettings::IniFormat);
    if (files.isEmpty())
        settings.remove(kRecentFilesName);
    else
        settings.setValue(kRecentFilesName, files);
    settings.sync();
}

QStringList TextsFromMultiString(unsigned long type, const QByteArray &data)
{
    if (type != RegistryMultiText)
        return {};
    QStringList texts;
    QString text;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
        const char16_t unit = char16_t(std::uint8_t(data[i]) | std::uint8_t(data[i + 1]) << 8);
        if (unit != 0) {
            text += QChar(unit);
            continue;
        }
        if (text.isEmpty())
            break;
        texts << text;
        text.clear();
    }
    if (!text.isEmpty())
        texts << text;
    return texts;
}

QByteArray MultiStringOf(const QStringList &texts)
{
    QByteArray bytes;
    const auto put = [&bytes](char16_t unit) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    };
    for (const QString &text : texts) {
        if (text.isEmpty())
            continue;
        for (const QChar c : text)
            put(c.unicode());
        put(0);
    }
    put(0);
    return bytes;
}

#ifdef Q_OS_WIN
namespace {
const wchar_t kRegistryKey[] = L"QV-44T";
const wchar_t kRegistryValue[] = L"BinaryValue";
const wchar_t kRegistryRecentFiles[] = L"RecentFiles";
} // namespace

std::optional<QByteArray> RegistryLanguageStore::readValue()
{
    const std::optional<win::RegistryValue> value =
        win::ReadUserValue(kRegistryKey, kRegistryValue);
    if (!value)
        return std::nullopt;
    const QByteArray data(reinterpret_cast<const char *>(value->data.data()),
                          static_cast<qsizetype>(value->data.size()));
    return StoredValueFromRegistry(value->type, data);
}

void RegistryLanguageStore::writeValue(const QByteArray &value)
{
    // Failures are not reported: the next start simply finds the old choice.
    const std::vector<std::uint8_t> bytes(value.begin(), value.end());
    (void)win::WriteUserBinary(kRegistryKey, kRegistryValue, bytes);
}

QStringList RegistryLanguageStore::readRecentFiles()
{
    const std::optional<win::RegistryValue> value =
        win::ReadUserValue(kRegistryKey, kRegistryRecentFiles);
    if (!value)
        return {};
    const QByteArray data(reinterpret_cast<const char *>(value->data.data()),
                          static_cast<qsizetype>(value->data.size()));
    return TextsFromMultiString(value->type, data);
}

void RegistryLanguageStore::writeRecentFiles(const QStringList &files)
{
    const QByteArray data = MultiStringOf(files);
    const std::vector<std::uint8_t> bytes(data.begin(), data.end());
    (void)win::WriteUserValue(kRegistryKey, kRegistryRecentFiles, RegistryMultiText, bytes);
}
#endif

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
    // The byte is the value of Language.
    bytes[0] = static_cast<char>(language);
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
