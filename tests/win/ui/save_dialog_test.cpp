// The system's save dialog for ui::SaveDialog, answered from another thread as a user would:
// a typed name comes back as typed, with no extension added; cancelling gives nothing.

#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <functional>
#include <string>

#include "platform/win32/ui/win32_backend.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/save_dialog.h"
#include "win/support/dialog_answerer.h"

namespace {

// The save dialog owned by OWNER, once it is shown; null before.
HWND SaveDialogOf(HWND owner) {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)))
        if (GetWindow(dialog, GW_OWNER) == owner && IsWindowVisible(dialog)) return dialog;
    return nullptr;
}

// Answers as a user would once the dialog is whole (its name box is there): types NAME into the
// name box and presses OK, or presses Cancel when NAME is null.
std::function<void(HWND)> Answer(const wchar_t* name) {
    return [name](HWND dialog) {
        // The name box: the explorer-style combo box, or the older edit box.
        HWND box = GetDlgItem(dialog, cmb13);
        if (!box) box = GetDlgItem(dialog, edt1);
        if (!box) return;  // not whole yet
        if (name) SetWindowTextW(box, name);
        PostMessageW(dialog, WM_COMMAND, name ? IDOK : IDCANCEL, 0);
    };
}

struct SaveDialogTest : ::testing::Test {
    platform::win32::Win32Backend backend;
    ui::Application app{backend};
    ui::Form form{app};
    ui::SaveDialog dialog{form};

    HWND Owner() { return static_cast<HWND>(form.Peer()->NativeHandle()); }
};

TEST_F(SaveDialogTest, TheNameTypedComesBackAsTypedAndCancelGivesNothing) {
    form.ShowForm();
    dialog.SetFilter("txt|*.txt");
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring typed = std::wstring(temp) + L"skarvel-list";

    {
        wintest::DialogAnswerer user(
            "the save dialog and its name box", [&] { return SaveDialogOf(Owner()); },
            Answer(typed.c_str()));
        EXPECT_TRUE(dialog.Execute());
        ASSERT_EQ(user.Failure(), "");
    }
    EXPECT_EQ(dialog.FileName(), std::string(typed.begin(), typed.end()));
    {
        wintest::DialogAnswerer user(
            "the save dialog and its name box", [&] { return SaveDialogOf(Owner()); },
            Answer(nullptr));
        EXPECT_FALSE(dialog.Execute());
        ASSERT_EQ(user.Failure(), "");
    }
    EXPECT_EQ(dialog.FileName(), std::string(typed.begin(), typed.end())) << "kept";
}

}  // namespace
