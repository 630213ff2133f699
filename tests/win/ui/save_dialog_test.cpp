// The system's save dialog for ui::SaveDialog, answered from another thread as a user would:
// a typed name comes back as typed, with no extension added; cancelling gives nothing.

#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <string>
#include <thread>

#include "platform/win32/ui/win32_backend.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/save_dialog.h"

namespace {

// Answers the dialog owned by OWNER as a user would, once it is whole: types NAME into its
// name box and presses OK, or presses Cancel when NAME is null; again until the dialog is
// gone. A busy machine may take its time showing it.
std::thread AnswerDialog(HWND owner, const wchar_t* name) {
    return std::thread([owner, name] {
        bool answered = false;
        for (int i = 0; i < 6000; ++i, Sleep(50)) {
            HWND dialog = nullptr;
            while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)))
                if (GetWindow(dialog, GW_OWNER) == owner && IsWindowVisible(dialog)) break;
            if (!dialog) {
                if (answered) return;
                continue;
            }
            // The name box: the explorer-style combo box, or the older edit box.
            HWND box = GetDlgItem(dialog, cmb13);
            if (!box) box = GetDlgItem(dialog, edt1);
            if (!box) continue;  // not whole yet
            if (name) SetWindowTextW(box, name);
            PostMessageW(dialog, WM_COMMAND, name ? IDOK : IDCANCEL, 0);
            answered = true;
            Sleep(450);
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
