// The folder browser on the shell's real dialog: it opens on the preselected folder, the
// position hook moves it, OK returns the folder's path, the choice preselects the next
// Execute, and an exception from a handler closes the dialog and comes back out of Execute.

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/win32/files_win32.h"
#include "platform/win32/folder_dialog_win32.h"
#include "shell/browse_for_folder.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

std::string TempFolder(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + name;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

// Once the dialog's own message loop runs (the selection and the move are done by then):
// notes where the dialog is and confirms it.
HWND confirming = nullptr;
RECT confirmedAt{};
void CALLBACK ConfirmLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    GetWindowRect(confirming, &confirmedAt);
    PostMessageW(confirming, WM_COMMAND, IDOK, 0);
}

struct FolderDialogTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    platform::win32::FileSystemWin32 files;
    platform::win32::FolderDialogWin32 dialog;
    TBrowseForFolder browser{application, dialog, files};
    std::vector<std::string> selections;
    std::vector<bool> presets;
    HWND opened = nullptr;
};

TEST_F(FolderDialogTest, OpensOnPathMovesAndReturnsTheChosenFolderTwice) {
    for (bool newStyle : {true, false}) {
        SCOPED_TRACE(newStyle ? "new style" : "old style");
        const std::string first = TempFolder("skarvel-browse-first");
        browser.SetPath(first);
        browser.SetNewDialogStyle(newStyle);
        browser.SetStatusText("Status");
        browser.SetTitle("Save Logs in...");
        browser.OnSetPosition = [&](TBrowseForFolder&, int& left, int& top, int, int) {
            left = 7;
            top = 9;
        };
        browser.OnSelChanged = [&](TBrowseForFolder& sender, const std::string& path, bool& ok) {
            selections.push_back(path);
            presets.push_back(ok);
            opened = static_cast<HWND>(sender.DialogHandle());
            if (path != browser.Path() || confirming == opened) return;
            confirming = opened;
            SetTimer(nullptr, 0, 50, ConfirmLater);
        };
        selections.clear();
        ASSERT_TRUE(browser.Execute());
        EXPECT_EQ(browser.Path(), first);
        ASSERT_FALSE(selections.empty());
        EXPECT_EQ(selections.back(), first);
        EXPECT_TRUE(presets.back());
        EXPECT_EQ(confirmedAt.left, 7);
        EXPECT_EQ(confirmedAt.top, 9);
        EXPECT_EQ(browser.DialogHandle(), nullptr);

        // The next Execute opens on the choice, which is confirmed again as soon as it shows.
        selections.clear();
        confirming = nullptr;
        ASSERT_TRUE(browser.Execute());
        EXPECT_EQ(browser.Path(), first);
        confirming = nullptr;
        RemoveDirectoryA(first.c_str());
    }
}

TEST_F(FolderDialogTest, CancelKeepsPathAndAHandlersExceptionComesOut) {
    const std::string folder = TempFolder("skarvel-browse-cancel");
    browser.SetPath(folder);
    browser.SetNewDialogStyle(true);
    browser.OnSelChanged = [&](TBrowseForFolder& sender, const std::string&, bool&) {
        PostMessageW(static_cast<HWND>(sender.DialogHandle()), WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_FALSE(browser.Execute());
    EXPECT_EQ(browser.Path(), folder);

    browser.OnSelChanged = [&](TBrowseForFolder&, const std::string&, bool&) {
        throw std::runtime_error("handler failed");
    };
    EXPECT_THROW((void)browser.Execute(), std::runtime_error);
    EXPECT_EQ(browser.Path(), folder);
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
