#pragma once

// The registry layer of the Windows build: the calls the language store
// needs, on HKEY_CURRENT_USER. Plain Win32, no Qt, compiled on Windows only.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace q731::win {

struct RegistryValue
{
    unsigned long type = 0; // REG_SZ, REG_BINARY, ...
    std::vector<std::uint8_t> data;
};

// HKEY_CURRENT_USER\<key>, value <name>; nothing when the key or the value
// cannot be read.
std::optional<RegistryValue> ReadUserValue(const std::wstring &key, const std::wstring &name);

// Creates the key when it is missing and sets <name> to a value of `type`
// (REG_BINARY, REG_MULTI_SZ, ...) holding `bytes`, replacing a value of
// another type. False on failure.
bool WriteUserValue(const std::wstring &key, const std::wstring &name, unsigned long type,
                    const std::vector<std::uint8_t> &bytes);
bool WriteUserBinary(const std::wstring &key, const std::wstring &name,
                     const std::vector<std::uint8_t> &bytes);

} // namespace q731::win
