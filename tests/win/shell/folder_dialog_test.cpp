// The folder browser on the shell's real dialog: it asks the dialog for the preselected folder,
// the position hook moves it, OK returns the folder's path, the choice preselects the next
// Execute, and an exception from a handler closes the dialog and comes back out of Execute.
// The dialog is answered from what it shows, with a deadline.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/files_win32.h"
#include "platform/win32/folder_dialog_win32.h"
#include "platform/win32/text.h"
#include "shell/browse_for_folder.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"
#include "win/support/dialog_answerer.h"

namespace {

std::string TempFolder(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + name;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

// The real dialog, with each folder the program asks it to select noted.
class NotingDialog final : public platform::FolderDialog {
  public:
    std::vector<std::string> asked;

    std::optional<std::string> Browse(const platform::BrowseRequest& request,
                                      const platform::BrowseCallback& callback) override {
        return real_.Browse(request, [&](platform::FolderDialogWindow& window, unsigned message,
                                         const std::string& path) {
            Noting noting(window, asked);
            return callback(noting, message, path);
        });
    }

  private:
    class Noting final : public platform::FolderDialogWindow {
      public:
        Noting(platform::FolderDialogWindow& real, std::vector<std::string>& asked)
            : real_(real), asked_(asked) {}
        platform::WindowHandle Handle() const override { return real_.Handle(); }
        void SetStatusText(const std::string& text) override { real_.SetStatusText(text); }
        void SetSelection(const std::string& path) override {
            asked_.push_back(path);
            real_.SetSelection(path);
        }
        void EnableOk(bool enable) override { real_.EnableOk(enable); }
        platform::ScreenRect WindowRect() const override { return real_.WindowRect(); }
        void Move(const platform::ScreenRect& rect) override { real_.Move(rect); }

      private:
        platform::FolderDialogWindow& real_;
        std::vector<std::string>& asked_;
    };
    platform::win32::FolderDialogWin32 real_;
};

// The text of the item the dialog's tree shows selected.
std::wstring SelectedInTree(HWND dialog) {
    HWND tree = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (std::wstring(name) != WC_TREEVIEWW) return TRUE;
            *reinterpret_cast<HWND*>(param) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tree));
    if (!tree) return {};
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return {};
    wchar_t text[MAX_PATH] = {};
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = text;
    request.cchTextMax = MAX_PATH;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request));
    return text;
}

struct FolderDialogTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    platform::win32::FileSystemWin32 files;
    NotingDialog dialog;
    TBrowseForFolder browser{application, dialog, files};
    const DWORD thread = GetCurrentThreadId();

    HWND ShownDialog() const { return wintest::ShownDialogOfThread(thread); }
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
        std::vector<std::string> selections;
        std::vector<bool> presets;
        browser.OnSelChanged = [&](TBrowseForFolder& sender, const std::string& path, bool& ok) {
            selections.push_back(path);
            presets.push_back(ok);
            EXPECT_NE(sender.DialogHandle(), nullptr);
        };

        // Confirms once the tree shows the folder selected. The shell under Wine does not
        // always follow the preselection (it may stop at a parent folder): then the folder is
        // picked again, as a user would pick it.
        const std::wstring wide = platform::win32::Widen(first);
        RECT confirmedAt{};
        auto confirm = [&](HWND shown) {
            if (SelectedInTree(shown) == L"skarvel-browse-first") {
                GetWindowRect(shown, &confirmedAt);
                PostMessageW(shown, WM_COMMAND, IDOK, 0);
            } else {
                SendMessageW(shown, BFFM_SETSELECTIONW, TRUE,
                             reinterpret_cast<LPARAM>(wide.c_str()));
            }
        };
        for (int execute = 0; execute < 2; ++execute) {
            SCOPED_TRACE(execute == 0 ? "first" : "again, on the choice");
            dialog.asked.clear();
            selections.clear();
            {
                wintest::DialogAnswerer user(
                    "the folder dialog to show skarvel-browse-first selected",
                    [&] { return ShownDialog(); }, confirm);
                ASSERT_TRUE(browser.Execute());
                ASSERT_EQ(user.Failure(), "");
            }
            EXPECT_EQ(dialog.asked, std::vector<std::string>{first});
            EXPECT_EQ(browser.Path(), first);
            ASSERT_FALSE(selections.empty());
            EXPECT_EQ(selections.back(), first);
            EXPECT_TRUE(presets.back());
            EXPECT_EQ(confirmedAt.left, 7);
            EXPECT_EQ(confirmedAt.top, 9);
            EXPECT_EQ(browser.DialogHandle(), nullptr);
        }
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
    // The dialog closes itself from its handlers; the watch only bounds the wait.
    const auto nothing = [](HWND) {};
    {
        wintest::DialogAnswerer watch(
            "the dialog to cancel itself", [&] { return ShownDialog(); }, nothing);
        EXPECT_FALSE(browser.Execute());
        EXPECT_EQ(watch.Failure(), "");
    }
    EXPECT_EQ(browser.Path(), folder);

    browser.OnSelChanged = [&](TBrowseForFolder&, const std::string&, bool&) {
        throw std::runtime_error("handler failed");
    };
    {
        wintest::DialogAnswerer watch(
            "the failing handler to close the dialog", [&] { return ShownDialog(); }, nothing);
        EXPECT_THROW((void)browser.Execute(), std::runtime_error);
        EXPECT_EQ(watch.Failure(), "");
    }
    EXPECT_EQ(browser.Path(), folder);
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
