// Starts a Windows program under Wine with the Qt settings ctest gives it.
//
// Wine does not hand Linux environment variables named QT_* to Windows
// programs (they belong to the Linux Qt), so the tests' QT_QPA_PLATFORM,
// QT_SCALE_FACTOR and the like would be lost. The build's wine-run script
// passes each as Q731_WINE_QT_<name>; this program sets QT_<name> from it,
// starts the command line that follows its own name, with the same console
// and standard handles, and ends with its exit code.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kPrefix[] = L"Q731_WINE_";

void TakeOverQtSettings()
{
    wchar_t *block = GetEnvironmentStringsW();
    if (!block)
        return;
    const std::size_t prefixLength = std::wcslen(kPrefix);
    for (const wchar_t *entry = block; *entry; entry += std::wcslen(entry) + 1) {
        const std::wstring line(entry);
        const std::size_t equals = line.find(L'=');
        if (line.compare(0, prefixLength, kPrefix) != 0 || equals == std::wstring::npos)
            continue;
        const std::wstring name = line.substr(prefixLength, equals - prefixLength);
        SetEnvironmentVariableW(name.c_str(), line.substr(equals + 1).c_str());
    }
    FreeEnvironmentStringsW(block);
}

// The command line after this program's own name, as it was given.
const wchar_t *CommandAfterOwnName(const wchar_t *line)
{
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"')
            ++line;
        if (*line)
            ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

} // namespace

int wmain()
{
    std::wstring command = CommandAfterOwnName(GetCommandLineW());
    if (command.empty()) {
        std::fputws(L"usage: q731-wine-env program [arguments]\n", stderr);
        return 2;
    }
    TakeOverQtSettings();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fwprintf(stderr, L"q731-wine-env: cannot start %ls (error %lu)\n", command.c_str(),
                      GetLastError());
        return 2;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(exitCode);
}
