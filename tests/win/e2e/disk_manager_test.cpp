// The real program's "DIsk Manager": one row per drive the system reports, in letter order,
// with the kind and, for drives that are neither CD-ROM nor removable, the sizes the test
// itself reads from GetDiskFreeSpaceExW.

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <string>

#include "win/support/remote_window.h"
#include "win/support/running_program.h"

namespace {

// The right panel at (200, 40) of the main window, "DIsk Manager" (45 x 21) at (384, 51).
constexpr POINT kDiskManagerButton{200 + 384 + 22, 40 + 51 + 10};

std::wstring Megabytes(ULONGLONG bytes) {
    // The default rounding mode takes an exact half to the even neighbour.
    return std::to_wstring(static_cast<long long>(std::nearbyint(bytes / 1048576.0L))) + L"  Mb";
}

std::wstring KindName(UINT type) {
    const wchar_t* names[] = {L"Unknown", L"No", L"Removable disk", L"Hard Disk", L"Network Disk",
                              L"CD-ROM",  L"RAM"};
    return type < 7 ? names[type] : L"?";
}

TEST(DiskManager, OneRowPerDriveWithTheSizesTheSystemReports) {
    wintest::RunningProgram program;
    ASSERT_NE(program.Main(), nullptr) << "main window not found";
    wintest::ClickAt(program.Main(), kDiskManagerButton);
    HWND window = nullptr;
    ASSERT_TRUE(wintest::WaitFor(
        [&] {
            return (window =
                        wintest::FindProcessWindow(program.ProcessId(), L"Disk Manager Skarvel"));
        },
        "the disk manager to show"));
    HWND list = wintest::FindChildOfClass(window, WC_LISTVIEWW);
    ASSERT_NE(list, nullptr);

    const DWORD mask = GetLogicalDrives();
    int row = 0;
    for (int letter = 0; letter < 26; ++letter) {
        if (!(mask & (1u << letter))) continue;
        const std::wstring root = std::wstring(1, static_cast<wchar_t>(L'A' + letter)) + L":\\";
        SCOPED_TRACE(std::string(root.begin(), root.end()));
        const UINT type = GetDriveTypeW(root.c_str());
        EXPECT_EQ(wintest::ListViewText(list, row, 0), L"");
        EXPECT_EQ(wintest::ListViewText(list, row, 1), root);
        EXPECT_EQ(wintest::ListViewText(list, row, 2), KindName(type));
        ULARGE_INTEGER toCaller{}, total{}, totalFree{};
        if (type != DRIVE_CDROM && type != DRIVE_REMOVABLE &&
            GetDiskFreeSpaceExW(root.c_str(), &toCaller, &total, &totalFree)) {
            EXPECT_EQ(wintest::ListViewText(list, row, 4), Megabytes(total.QuadPart));
            // Free space moves while other programs write; it agrees within 256 MB.
            const std::wstring free = wintest::ListViewText(list, row, 5);
            ASSERT_TRUE(free.ends_with(L"  Mb")) << std::string(free.begin(), free.end());
            const double shown = std::stod(free.substr(0, free.size() - 4));
            EXPECT_NEAR(shown, totalFree.QuadPart / 1048576.0, 256.0);
        } else {
            EXPECT_EQ(wintest::ListViewText(list, row, 4), L"");
        }
        ++row;
    }
    EXPECT_GT(row, 0);
    EXPECT_EQ(wintest::Ask(list, LVM_GETITEMCOUNT), row);
}

}  // namespace
