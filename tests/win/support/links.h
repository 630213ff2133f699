#pragma once
// Links for the tests that check that nothing is followed out of a folder. Under Wine they are
// made from the Linux side (Windows programs cannot make them there); on Windows as Windows
// makes them: a junction (mklink /J) to a folder, a symbolic link to anything else.

#include <windows.h>

#include <string>

#include "win/support/linux_side.h"

namespace wintest {

inline bool RunHidden(std::wstring commandLine) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &si, &pi))
        return false;
    const bool ended =
        pi.hProcess != nullptr && WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0;
    DWORD code = 1;
    if (ended) GetExitCodeProcess(pi.hProcess, &code);
    CloseProcessHandles(pi);
    return ended && code == 0;
}

// Why links cannot be made in FOLDER here; empty when they can. On Windows a symbolic link
// needs an administrator or Developer Mode: one is tried.
inline std::string WhyNoLinks(const std::string& folder) {
    if (UnderWine())
        return UnixPath(folder).empty() ? "the folder has no Unix path to make links in" : "";
    const std::wstring probe =
        WideOf(folder) + L"\\skarvel-link-probe-" + std::to_wstring(GetCurrentProcessId());
    if (!CreateSymbolicLinkW(probe.c_str(), L"nowhere",
                             SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
        return "making symbolic links needs an administrator or Developer Mode";
    DeleteFileW(probe.c_str());
    return "";
}

// Makes LINK lead to TARGET (Windows paths; TARGET may be missing, or LINK itself).
inline bool MakeLink(const std::string& target, const std::string& link) {
    if (UnderWine()) return LinuxSymlink(target, link);
    const DWORD attributes = GetFileAttributesW(WideOf(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return RunHidden(L"cmd.exe /c mklink /J \"" + WideOf(link) + L"\" \"" + WideOf(target) +
                         L"\"");
    return CreateSymbolicLinkW(WideOf(link).c_str(), WideOf(target).c_str(),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) != 0;
}

// Removes PATH and everything below it; links are removed, never followed.
inline bool RemoveTree(const std::string& path) {
    if (UnderWine()) return LinuxRemove(path);
    (void)RunHidden(L"cmd.exe /c rmdir /s /q \"" + WideOf(path) + L"\"");
    DeleteFileW(WideOf(path).c_str());  // a file, or a link to one
    return WaitFor(path, false);
}

}  // namespace wintest
