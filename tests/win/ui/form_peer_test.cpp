// Forms on real windows: frame styles, client size, placement and window state.

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/text.h"
#include "platform/win32/ui/win32_backend.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/list_box.h"

namespace {

HWND HwndOf(ui::Form& form) {
    return static_cast<HWND>(form.Peer()->NativeHandle());
}

struct FormPeer : ::testing::Test {
    platform::win32::Win32Backend backend;
    ui::Application app{backend};
};

TEST_F(FormPeer, AFixedFormWithCloseBoxOnlyGetsItsClientSizeAndStaysOnTop) {
    ui::Form form(app);
    form.SetClientSize(361, 305);
    form.SetBorderStyle(ui::BorderStyle::Single);
    form.SetBorderIcons(ui::border_icon::kSystemMenu);
    form.SetStayOnTop(true);
    form.ShowForm();
    HWND hwnd = HwndOf(form);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 361);
    EXPECT_EQ(client.bottom, 305);
    LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FormPeer, SecondaryFormsAreCentredOnTheMainForm) {
    ui::Form main(app), other(app);
    main.SetClientSize(641, 504);
    main.SetPosition(ui::Position::DesktopCenter);
    other.SetClientSize(200, 100);
    other.SetPosition(ui::Position::MainFormCenter);
    main.ShowForm();
    other.ShowForm();
    RECT a{}, b{};
    GetWindowRect(HwndOf(main), &a);
    GetWindowRect(HwndOf(other), &b);
    EXPECT_NEAR((a.left + a.right) / 2, (b.left + b.right) / 2, 1);
    EXPECT_NEAR((a.top + a.bottom) / 2, (b.top + b.bottom) / 2, 1);
}

TEST_F(FormPeer, TheKeyTableTakesItsKeysFromTheMessageLoopWhileANativeControlHasTheFocus) {
    ui::Form form(app);
    ui::ListBox list(&form);
    list.SetBounds(10, 10, 100, 80);
    list.SetTabStop(true);
    int begun = 0, all = 0, escaped = 0;
    form.AddShortcut(ui::key::kF5, ui::shift::kNone, [&] { ++begun; });
    form.AddShortcut('A', ui::shift::kCtrl, [&] { ++all; });
    form.AddShortcut(ui::key::kEscape, ui::shift::kNone, [&] { ++escaped; });
    form.ShowForm();
    list.SetFocus();
    HWND focus = GetFocus();
    ASSERT_EQ(focus, static_cast<HWND>(list.Peer()->NativeHandle()));

    auto press = [&](WPARAM key, bool ctrl) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        backend.ProcessMessages();
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    };
    press(VK_F5, false);
    press('A', true);
    press(VK_ESCAPE, false);
    EXPECT_EQ(begun, 1);
    EXPECT_EQ(all, 1);
    EXPECT_EQ(escaped, 1);
    press('A', false);  // without Ctrl, an ordinary key of the list
    EXPECT_EQ(all, 1);
}

TEST_F(FormPeer, AMainFormEnabledAgainAfterItsBlockingWindowClosedTakesTheKeyboard) {
    ui::Form main(app), tool(app);
    main.ShowForm();
    tool.ShowForm();
    main.SetEnabled(false);
    ASSERT_EQ(GetActiveWindow(), HwndOf(tool));
    tool.Hide();
    main.SetEnabled(true);
    wchar_t className[64] = L"(none)";
    if (GetActiveWindow() != nullptr) GetClassNameW(GetActiveWindow(), className, 64);
    EXPECT_EQ(GetActiveWindow(), HwndOf(main)) << "active: " << platform::win32::Narrow(className);
    EXPECT_EQ(GetFocus(), HwndOf(main));
}

// A secondary form closed gives the keyboard back to the main form, not to whatever window
// lies next below it.
TEST_F(FormPeer, AClosedSecondaryFormGivesTheKeyboardBackToTheMainForm) {
    ui::Form main(app), tool(app);
    main.ShowForm();
    tool.ShowForm();
    HWND stranger = CreateWindowExW(0, L"STATIC", L"stranger", WS_OVERLAPPED, 0, 0, 100, 100,
                                    nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(stranger, nullptr);
    SetWindowPos(stranger, HwndOf(tool), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ASSERT_EQ(GetActiveWindow(), HwndOf(tool));
    tool.Hide();
    EXPECT_EQ(GetActiveWindow(), HwndOf(main));
    DestroyWindow(stranger);
}

// A form opens maximised the first time, then as the user left it (a minimised one as it
// would be restored).
TEST_F(FormPeer, AMaximisedFormOpensMaximisedThenAsTheUserLeftIt) {
    ui::Form main(app), help(app);
    main.ShowForm();
    help.SetClientSize(809, 527);
    help.SetWindowState(ui::WindowState::Maximized);
    help.ShowForm();
    EXPECT_TRUE(IsZoomed(HwndOf(help)));
    EXPECT_FALSE(IsZoomed(HwndOf(main)));
    const struct {
        int userShows;
        bool zoomedAgain;
    } steps[] = {{SW_RESTORE, false}, {SW_MAXIMIZE, true}, {SW_MINIMIZE, true}};
    for (const auto& step : steps) {
        ShowWindow(HwndOf(help), step.userShows);
        help.Hide();
        help.ShowForm();
        EXPECT_EQ(IsZoomed(HwndOf(help)) != FALSE, step.zoomedAgain) << step.userShows;
    }
}

}  // namespace
