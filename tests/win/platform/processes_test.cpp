// The real process listing (both ways the platform offers) and the ANSI code page conversion
// behind the saved process list.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "platform/win32/processes_win32.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/text.h"
#include "engine/running_processes.h"
#include "forms/process_manager/process_listing.h"

namespace {

using platform::win32::Narrow;

std::string OwnPath() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return Narrow(std::wstring_view(path, n));
}

bool SameNoCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(x) == std::tolower(y); });
}

TEST(ProcessesWin32, TheListingHoldsThisProcessOnceAndEveryOpenedProcessIsClosed) {
    platform::win32::SystemWin32 system;
    platform::win32::ProcessesWin32 processes;
    ASSERT_EQ(system.Version().platformId, platform::kPlatformNt);

    auto ids = processes.ProcessIds();
    ASSERT_TRUE(ids.has_value());
    EXPECT_NE(std::find(ids->begin(), ids->end(), GetCurrentProcessId()), ids->end());

    DWORD handlesBefore = 0, handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesBefore);
    std::vector<std::string> lines = engine::ListProcesses(system, processes);
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return SameNoCase(l, OwnPath()); }),
              1)
        << "own path " << OwnPath();
    EXPECT_LE(lines.size(), ids->size());
    EXPECT_LE(handlesAfter, handlesBefore + 1) << "process handles left open";

    EXPECT_EQ(processes.Open(0xFFFFFFF0u), nullptr) << "no such process";
}

TEST(ProcessesWin32, TheSnapshotNamesThisProcessesExecutable) {
    platform::win32::ProcessesWin32 processes;
    auto names = processes.SnapshotExeNames();
    ASSERT_TRUE(names.has_value());
    const std::string own = OwnPath().substr(OwnPath().find_last_of('\\') + 1);
    EXPECT_NE(std::find_if(names->begin(), names->end(),
                           [&](const std::string& n) { return SameNoCase(n, own); }),
              names->end())
        << own;
}

TEST(SystemWin32, AnsiCodePageTakesAsciiAndRefusesWhatItCannotHold) {
    platform::win32::SystemWin32 system;
    EXPECT_EQ(system.ToAnsiCodePage("C:\\a.exe\r\n"), "C:\\a.exe\r\n");
    EXPECT_EQ(system.ToAnsiCodePage(""), "");
    if (GetACP() != CP_UTF8) {
        // A character of a script no single-byte page holds next to Cyrillic and Latin.
        EXPECT_EQ(system.ToAnsiCodePage("C:\\\xE4\xB8\xAD\xD0\xB6.exe"), std::nullopt);
    }
}

}  // namespace
