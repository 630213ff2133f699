#pragma once
// A folder named in the environment for the Windows tests: by CTest as a Linux path (reached
// through Z: under Wine), or by run-tests.cmd as a Windows path.

#include <windows.h>

#include <string>

namespace wintest {

// The folder in the environment variable NAME as a Windows path without a trailing
// backslash; empty when the variable is not set.
inline std::wstring EnvironmentFolder(const wchar_t* name) {
    wchar_t value[1024];
    const DWORD n = GetEnvironmentVariableW(name, value, 1024);
    if (n == 0 || n >= 1024) return {};
    std::wstring folder(value, n);
    if (folder.front() == L'/') folder = L"Z:" + folder;
    for (wchar_t& c : folder)
        if (c == L'/') c = L'\\';
    while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
    return folder;
}

}  // namespace wintest
