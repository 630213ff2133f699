// The system's save dialog for ui::SaveDialog, answered from another thread as a user would:
// a typed name comes back as typed, with no extension added; cancelling gives nothing.

#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/win32/ui/win32_backend.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/save_dialog.h"

namespace {

// Waits for the dialog owned by OWNER, types NAME into it (when given) and presses OK, or
// presses Cancel.
std::thread AnswerDialog(HWND owner, const wchar_t* name) {
    return std::thread([owner, name] {
        for (int i = 0; i < 200; ++i) {
            Sleep(50);
            HWND dialog = nullptr;
            while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)))
                if (GetWindow(dialog, GW_OWNER) == owner) break;
            if (!dialog) continue;
            if (!name) {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            // The name box: the explorer-style combo box, or the older edit box.
            if (!SetDlgItemTextW(dialog, cmb13, name)) SetDlgItemTextW(dialog, edt1, name);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            return;
        }
    });
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

    std::thread user = AnswerDialog(Owner(), typed.c_str());
    EXPECT_TRUE(dialog.Execute());
    user.join();
    EXPECT_EQ(dialog.FileName(), std::string(typed.begin(), typed.end()));

    user = AnswerDialog(Owner(), nullptr);
    EXPECT_FALSE(dialog.Execute());
    user.join();
    EXPECT_EQ(dialog.FileName(), std::string(typed.begin(), typed.end())) << "kept";
}

}  // namespace
