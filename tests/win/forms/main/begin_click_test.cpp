// Starts the real skarvel.exe and works it with real mouse messages at the places the main
// window's layout gives: "Begin" alone writes the Dr. Watson value but leaves the Windows temp
// folder alone; after a click on "Temp (Windows)" the next "Begin" empties it, and a link in
// it beside a twin folder "sib." leads the purge nowhere outside.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "win/support/links.h"
#include "win/support/remote_window.h"
#include "win/support/program_input.h"
#include "win/support/running_program.h"

namespace {

using wintest::ClickAt;
using wintest::ReadAuto;
using wintest::WaitFor;
using wintest::WriteAuto;

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
        EXPECT_TRUE(
            WaitFor([] { return ReadAuto() == std::wstring(L"0"); }, "the run's debugger value"));
        EXPECT_TRUE(probeExists());

        // Any standard user can make both: a link to data outside, and a folder whose name
        // a normalised path reads as the link's.
        char windowsA[MAX_PATH];
        GetWindowsDirectoryA(windowsA, MAX_PATH);
        const std::string temp = std::string(windowsA) + "\\temp";
        const std::string outside = std::string(windowsA).substr(0, 3) + "skarvel-outside-probe";
        const bool linked = wintest::WhyNoLinks(temp).empty();
        if (linked) {
            CreateDirectoryA(outside.c_str(), nullptr);
            WriteBytes(outside + "\\precious.doc");
            ASSERT_TRUE(wintest::MakeLink(outside, temp + "\\sib"));
            CreateDirectoryA(("\\\\?\\" + temp + "\\sib.").c_str(), nullptr);
            WriteBytes("\\\\?\\" + temp + "\\sib.\\precious.doc");
        }

        ClickAt(program.Main(), kTempWindowsBox);
        ClickAt(program.Main(), kBegin);
        EXPECT_TRUE(
            WaitFor([&] { return !probeExists(); }, "the Windows temp folder to be emptied"));
        if (linked) {
            EXPECT_TRUE(WaitFor([&] { return !wintest::Present("\\\\?\\" + temp + "\\sib."); },
                                "the look-alike folder sib. to be emptied and removed"));
            EXPECT_TRUE(wintest::Present(outside + "\\precious.doc")) << "data outside was lost";
            wintest::RemoveTree(temp + "\\sib");
            wintest::RemoveTree(outside);
        }
    }

    WriteAuto(savedAuto);
    DeleteFileW(probe.c_str());
}

}  // namespace
