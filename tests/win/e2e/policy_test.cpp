// The real skarvel.exe under a policy that forces "Temp (Windows)" on: its box is disabled, a
// click leaves it, and "Begin" with nothing else ticked empties the Windows temp folder.

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <optional>
#include <string>

#include "win/support/program_input.h"
#include "win/support/running_program.h"

namespace {

// Client points of the main window: "Temp (Windows)" and "Begin".
constexpr POINT kTempWindowsBox{0 + 6 + 0 + 28 + 8, 40 + 4 + 0 + 6 + 8};
constexpr POINT kBegin{200 + 382 + 24, 40 + 404 + 17};
constexpr wchar_t kPolicy[] = L"SOFTWARE\\Policies\\Skarvel";

// The innermost child window of TOP at its client point AT, disabled ones included.
HWND ChildAt(HWND top, POINT at) {
    HWND parent = top;
    for (;;) {
        const HWND child = ChildWindowFromPointEx(parent, at, CWP_SKIPINVISIBLE);
        if (child == nullptr || child == parent) return parent;
        MapWindowPoints(parent, child, &at, 1);
        parent = child;
    }
}

// The policy key of the user, removed again when the test ends however it ends.
struct UserPolicy {
    UserPolicy() { RegDeleteTreeW(HKEY_CURRENT_USER, kPolicy); }
    ~UserPolicy() { RegDeleteTreeW(HKEY_CURRENT_USER, kPolicy); }
};

TEST(PolicyEndToEnd, AForcedBoxIsDisabledAndCleansAtBegin) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring probe = std::wstring(windows) + L"\\temp\\skarvel-forced-probe.tmp";
    std::ofstream(probe.c_str(), std::ios::binary) << "gone";
    const UserPolicy policy;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kPolicy) + L"\\Categories").c_str(),
                              0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD on = 1;
    RegSetValueExW(key, L"temp-windows", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on),
                   sizeof on);
    RegCloseKey(key);
    const std::optional<std::wstring> savedAuto = wintest::ReadAuto();
    {
        wintest::RunningProgram program;
        ASSERT_NE(program.Main(), nullptr) << "main window not found";
        const HWND box = ChildAt(program.Main(), kTempWindowsBox);
        ASSERT_NE(box, program.Main());
        EXPECT_FALSE(IsWindowEnabled(box));
        wintest::ClickAt(program.Main(), kTempWindowsBox);  // no effect: still ticked
        wintest::ClickAt(program.Main(), kBegin);
        EXPECT_TRUE(wintest::WaitFor(
            [&] { return GetFileAttributesW(probe.c_str()) == INVALID_FILE_ATTRIBUTES; },
            "the run to empty the Windows temp folder"));
        EXPECT_FALSE(IsWindowEnabled(box)) << "the end of the run enabled it again";
    }
    wintest::WriteAuto(savedAuto);
    DeleteFileW(probe.c_str());
}

}  // namespace
