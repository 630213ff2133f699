// The tray icon on the real notification area: the shell takes the icon, the icon's own
// window receives the shell's callback, and a double-click there gives the owner back.

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/notification_area_win32.h"
#include "platform/win32/ui/win32_backend.h"
#include "shell/tray.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

struct TrayWin : ::testing::Test {
    platform::win32::Win32Backend backend;
    ui::Application app{backend};
    ui::Form owner{app};
    platform::win32::NotificationAreaWin32 area;

    TrayWin() {
        owner.SetClientSize(200, 100);
        owner.ShowForm();
    }
    void Pump() {
        for (int i = 0; i < 5; ++i) {
            backend.ProcessMessages();
            Sleep(20);
        }
    }
};

TEST_F(TrayWin, TheShellTakesTheIconAndADoubleClickOnItShowsTheOwner) {
    shell::TTray tray(owner, area);
    tray.SetImage(ui::Bitmap(16, 16, ui::clRed));
    tray.SetHint("Skarvel");
    ASSERT_TRUE(tray.ShowIcon(true));
    EXPECT_FALSE(owner.Visible());
    auto window = static_cast<HWND>(tray.Record().window);
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));

    // The shell's callback for a double-click, as it arrives: posted to the icon's window.
    PostMessageW(window, 0x401, 0, WM_LBUTTONDBLCLK);
    Pump();
    EXPECT_TRUE(owner.Visible());
    EXPECT_FALSE(tray.HideIcon()) << "the double-click removed the icon already";

    // Other messages get the default processing.
    wchar_t text[8] = L"x";
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(text)), 0);
}

}  // namespace
