#include "win_registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace q731::win {

namespace {

// Closes the key however the call ends.
class OpenKey
{
public:
    OpenKey() = default;
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
    ~OpenKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    HKEY *out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

std::optional<RegistryValue> ReadUserValue(const std::wstring &key, const std::wstring &name)
{
    OpenKey opened;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, opened.out()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    value.type = type;
    value.data.resize(size);
    if (size > 0 && RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, value.data.data(),
                                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.type = type;
    value.data.resize(size);
    return value;
}

bool WriteUserValue(const std::wstring &key, const std::wstring &name, unsigned long type,
                    const std::vector<std::uint8_t> &bytes)
{
    OpenKey opened;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, opened.out(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExW(opened.get(), name.c_str(), 0, type, bytes.data(),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool WriteUserBinary(const std::wstring &key, const std::wstring &name,
                     const std::vector<std::uint8_t> &bytes)
{
    return WriteUserValue(key, name, REG_BINARY, bytes);
}

} // namespace q731::win
