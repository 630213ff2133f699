// Starts the real skarvel.exe and works it with real mouse messages at the places the main
// window's layout gives: "Begin" alone writes the Dr. Watson value but leaves the Windows temp
// folder alone; after a click on "Temp (Windows)" the next "Begin" empties it, and a link in
// it beside a twin folder "sib." leads the purge nowhere outside.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "win/support/linux_side.h"
#include "win/support/running_program.h"
#include "win/support/user_input.h"

namespace {

using wintest::ClickAt;
using wintest::WaitUntil;

constexpr wchar_t kAeDebug[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";

std::optional<std::wstring> ReadAuto() {
    wchar_t data[64] = {};
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kAeDebug, L"Auto", RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

void WriteAuto(const std::optional<std::wstring>& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kAeDebug, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    if (value) {
        RegSetValueExW(key, L"Auto", 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                       static_cast<DWORD>((value->size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(key, L"Auto");
    }
    RegCloseKey(key);
}

void WriteBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, "bytes", 5, &written, nullptr);
    CloseHandle(file);
}

// Client points of the main window, from its layout: the left panel at (0, 40), the scroll
// box at (6, 4) in it, the first group at its top, "Temp (Windows)" at (28, 6) in the group;
// the right panel at (200, 40) with "Begin" (48 x 35) at (382, 404).
constexpr POINT kTempWindowsBox{0 + 6 + 0 + 28 + 8, 40 + 4 + 0 + 6 + 8};
constexpr POINT kBegin{200 + 382 + 24, 40 + 404 + 17};

TEST(MainWindowClicks, BeginCleansTheWindowsTempFolderOnlyAfterItsBoxWasClicked) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring probe = std::wstring(windows) + L"\\temp\\skarvel_mainform_probe.tmp";
    CreateDirectoryW((std::wstring(windows) + L"\\temp").c_str(), nullptr);
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    const std::optional<std::wstring> savedAuto = ReadAuto();
    WriteAuto(L"1");
    auto probeExists = [&] { return GetFileAttributesW(probe.c_str()) != INVALID_FILE_ATTRIBUTES; };

    {
        wintest::RunningProgram program;
        ASSERT_NE(program.Main(), nullptr) << "main window not found";

        // Nothing ticked: the run still applies "Cut off Dr. Watson", and the file stays.
        ClickAt(program.Main(), kBegin);
        EXPECT_TRUE(WaitUntil([] { return ReadAuto() == std::wstring(L"0"); }))
            << "the run did not write the debugger value";
        EXPECT_TRUE(probeExists());

        // Any standard user can make both: a link to data outside, and a folder whose name
        // a normalised path reads as the link's.
        char windowsA[MAX_PATH];
        GetWindowsDirectoryA(windowsA, MAX_PATH);
        const std::string temp = std::string(windowsA) + "\\temp";
        const std::string outside = std::string(windowsA).substr(0, 3) + "skarvel-outside-probe";
        const bool linked = !wintest::UnixPath(temp).empty();
        if (linked) {
            CreateDirectoryA(outside.c_str(), nullptr);
            WriteBytes(outside + "\\precious.doc");
            ASSERT_TRUE(wintest::LinuxSymlink(outside, temp + "\\sib"));
            CreateDirectoryA(("\\\\?\\" + temp + "\\sib.").c_str(), nullptr);
            WriteBytes("\\\\?\\" + temp + "\\sib.\\precious.doc");
        }

        ClickAt(program.Main(), kTempWindowsBox);
        ClickAt(program.Main(), kBegin);
        EXPECT_TRUE(WaitUntil([&] { return !probeExists(); }))
            << "the Windows temp folder was not emptied";
        if (linked) {
            EXPECT_TRUE(WaitUntil([&] { return !wintest::Present("\\\\?\\" + temp + "\\sib."); }));
            EXPECT_TRUE(wintest::Present(outside + "\\precious.doc")) << "data outside was lost";
            wintest::LinuxRemove(temp + "\\sib");
            wintest::LinuxRemove(outside);
        }
    }

    WriteAuto(savedAuto);
    DeleteFileW(probe.c_str());
}

}  // namespace
