#pragma once
// Reaching the Linux side from a Windows test under Wine: Unix paths, Linux programs, and
// symbolic links (which Windows programs cannot make under Wine). Everything here answers
// "not available" on real Windows, where the tests that need it skip.

#include <windows.h>

#include <string>

namespace wintest {

inline std::wstring WideOf(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

inline bool UnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// The Unix path of a Windows path, when running under Wine; empty elsewhere.
inline std::string UnixPath(const std::string& path) {
    using Fn = char*(__cdecl*)(const wchar_t*);
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (fn == nullptr) return {};
    char* unix = fn(WideOf(path).c_str());
    if (unix == nullptr) return {};
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// Closes the handles CreateProcessW gave. For a Linux program Wine gives no process handle,
// and the thread handle it leaves beside it is not this process's to close: closing it once
// closed a live handle of the registry (the shell's known-folder lookups then failed).
inline void CloseProcessHandles(const PROCESS_INFORMATION& pi) {
    if (pi.hProcess == nullptr) return;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

// Runs a Linux program under Wine. Wine gives no process handle to wait on, so callers poll
// for its effect.
inline void RunLinux(std::wstring commandLine) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return;
    if (pi.hProcess != nullptr) WaitForSingleObject(pi.hProcess, 10000);
    CloseProcessHandles(pi);
}

inline bool Present(const std::string& path) {
    return GetFileAttributesW(WideOf(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool WaitFor(const std::string& path, bool present, int milliseconds = 20000) {
    for (int i = 0; i < milliseconds / 10 && Present(path) != present; ++i) Sleep(10);
    return Present(path) == present;
}

// Makes a Unix symbolic link LINK -> TARGET (Windows paths) with the Linux ln. The link may
// dangle or loop, so a marker file beside it tells when ln is done.
inline bool LinuxSymlink(const std::string& target, const std::string& link) {
    const std::string marker = link + ".made";
    RunLinux(L"Z:\\bin\\sh -c \"ln -s '" + WideOf(UnixPath(target)) + L"' '" +
             WideOf(UnixPath(link)) + L"' && touch '" + WideOf(UnixPath(marker)) + L"'\"");
    const bool made = WaitFor(marker, true);
    DeleteFileW(WideOf(marker).c_str());
    return made;
}

// Removes PATH and everything below it from the Linux side (links themselves, not targets).
inline bool LinuxRemove(const std::string& path) {
    const std::string unix = UnixPath(path);
    if (unix.empty()) return false;
    RunLinux(L"Z:\\bin\\rm -rf \"" + WideOf(unix) + L"\"");
    return WaitFor(path, false);
}

}  // namespace wintest
