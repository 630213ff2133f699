// The real skarvel.exe under a policy that forces "Temp (Windows)" on: its box is disabled, a
// click leaves it, and "Begin" with nothing else ticked empties the Windows temp folder.

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <optional>
#include <string>

#include "win/support/program_input.h"
#include "win/support/running_program.h"
#include "win/support/user_policy.h"

namespace {

// Client points of the main window: "Temp (Windows)" and "Begin".
constexpr POINT kTempWindowsBox{0 + 6 + 0 + 28 + 8, 40 + 4 + 0 + 6 + 8};
constexpr POINT kBegin{200 + 382 + 24, 40 + 404 + 17};

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

TEST(PolicyEndToEnd, AForcedBoxIsDisabledAndCleansAtBegin) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring probe = std::wstring(windows) + L"\\temp\\skarvel-forced-probe.tmp";
    std::ofstream(probe.c_str(), std::ios::binary) << "gone";
    const wintest::UserPolicy policy;
    ASSERT_TRUE(policy.Set(L"Categories", L"temp-windows", 1));
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
