// The real program's "Log Manager" over logs placed in the "log" folder beside it: it lists
// them, shows the one clicked, copies all of them into a folder chosen in the real folder
// dialog (replacing a log of the same name there), and "Dell All Logs" empties the folder and
// keeps it.

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <string>

#include "win/support/remote_window.h"
#include "win/support/running_program.h"

namespace {

// The right panel at (200, 40) of the main window, "Log Manager" (45 x 21) at (384, 27).
constexpr POINT kLogManagerButton{200 + 384 + 22, 40 + 27 + 10};
// In the log manager: the panel at (0, 40); the list at (5, 0) with 16-pixel items, "Copy
// All Logs" (49 x 21) at (584, 4) and "Dell All Logs" at (584, 28).
constexpr POINT kFirstLog{5 + 20, 40 + 8};
constexpr POINT kCopyAllLogs{584 + 24, 40 + 4 + 10};
constexpr POINT kDellAllLogs{584 + 24, 40 + 28 + 10};

std::string ProgramFolder() {
    std::wstring exe = wintest::ProgramPath();
    exe.resize(exe.rfind(L'\\'));
    return std::string(exe.begin(), exe.end());
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The logs the list is to show: "*.log" files that are not system files.
LRESULT CountLogs(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*.log").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return 0;
    LRESULT n = 0;
    do n += !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM));
    while (FindNextFileA(find, &found));
    FindClose(find);
    return n;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(LogManager, ListsShowsCopiesAndDeletesTheLogs) {
    const std::string logs = ProgramFolder() + "\\log";
    const bool madeFolder = CreateDirectoryA(logs.c_str(), nullptr) != 0;
    ASSERT_TRUE(Exists(logs));
    const std::string first = "first run\r\nTemp(Windows)\r\n";
    // Named to come first in the list, before any log the program wrote.
    Write(logs + "\\0000 e2e first.log", first);
    Write(logs + "\\0000 e2e second.log", "second run\r\n");
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string target = std::string(temp) + "skarvel-e2e-copies";
    CreateDirectoryA(target.c_str(), nullptr);
    Write(target + "\\0000 e2e first.log", "an older copy");

    {
        wintest::RunningProgram program;
        ASSERT_NE(program.Main(), nullptr) << "main window not found";
        wintest::ClickAt(program.Main(), kLogManagerButton);
        HWND window = nullptr;
        ASSERT_TRUE(wintest::WaitFor(
            [&] {
                return (window = wintest::FindProcessWindow(program.ProcessId(),
                                                            L"Log Manager Skarvel"));
            },
            "the log manager to show"));
        HWND list = wintest::FindChildOfClass(window, L"ListBox");
        HWND viewer = wintest::FindChildOfClass(window, L"Edit");
        ASSERT_NE(list, nullptr);
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(wintest::Ask(list, LB_GETCOUNT), CountLogs(logs));

        wintest::ClickAt(window, kFirstLog);
        EXPECT_TRUE(wintest::WaitFor(
            [&] { return wintest::WindowText(viewer) == L"first run\r\nTemp(Windows)"; },
            "the viewer to show the first log"));

        wintest::ClickAt(window, kCopyAllLogs);
        HWND dialog = nullptr;
        ASSERT_TRUE(wintest::WaitFor(
            [&] {
                return (dialog = wintest::FindProcessWindow(program.ProcessId(), L"", L"#32770"));
            },
            "the folder dialog to show"));
        // The dialog fills its tree after it shows: select the folder until the tree shows
        // it selected, then confirm.
        HWND tree = nullptr;
        ASSERT_TRUE(wintest::WaitFor(
            [&] { return (tree = wintest::FindChildOfClass(dialog, WC_TREEVIEWW)); },
            "the folder dialog's tree"));
        const std::wstring path(target.begin(), target.end());
        wintest::RemoteBuffer text(dialog, (path.size() + 1) * sizeof(wchar_t));
        ASSERT_TRUE(text.Write(path.c_str(), (path.size() + 1) * sizeof(wchar_t)));
        ASSERT_TRUE(wintest::WaitFor(
            [&] {
                wintest::Ask(dialog, BFFM_SETSELECTIONW, TRUE, text.At());
                return wintest::TreeViewSelectedText(tree) == L"skarvel-e2e-copies";
            },
            "the folder dialog to show the target folder selected"));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(wintest::WaitFor(
            [&] {
                return Read(target + "\\0000 e2e first.log") == first &&
                       Read(target + "\\0000 e2e second.log") == "second run\r\n";
            },
            "the logs' copies"));

        wintest::ClickAt(window, kDellAllLogs);
        EXPECT_TRUE(wintest::WaitFor(
            [&] {
                return !Exists(logs + "\\0000 e2e first.log") &&
                       !Exists(logs + "\\0000 e2e second.log");
            },
            "the logs to be deleted"));
        EXPECT_TRUE(Exists(logs));
        EXPECT_TRUE(wintest::WaitFor([&] { return wintest::Ask(list, LB_GETCOUNT) == 0; },
                                     "the emptied list"));
        EXPECT_EQ(wintest::WindowText(viewer), L"");
    }

    for (const char* name : {"\\0000 e2e first.log", "\\0000 e2e second.log"}) {
        DeleteFileA((target + name).c_str());
        DeleteFileA((logs + name).c_str());
    }
    RemoveDirectoryA(target.c_str());
    if (madeFolder) RemoveDirectoryA(logs.c_str());
}

}  // namespace
