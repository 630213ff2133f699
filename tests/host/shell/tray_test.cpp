#include "shell/tray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_notification_area.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/popup_menu.h"

namespace {

using Calls = std::vector<std::string>;

struct TrayTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form owner{app};
    ui::PopupMenu menu{app};
    fakes::FakeNotificationArea area;
    shell::TTray tray{owner, area};

    TrayTest() {
        owner.Realize();
        owner.Show();
    }
    // The shell reports MOUSE on the shown icon.
    bool Notify(std::intptr_t mouse, std::uint32_t message = shell::TTray::kCallbackMessage) {
        return area.Deliver(tray.Record().window, {message, 0, mouse});
    }
};

TEST_F(TrayTest, ShowIconFillsTheRecordAndHideIconGivesTheOwnerBack) {
    tray.SetHint(std::string(90, 'h') + std::string(10, 'x'));
    ASSERT_TRUE(tray.ShowIcon(true));
    const platform::NotifyIconRecord& r = tray.Record();
    EXPECT_NE(r.window, nullptr);
    EXPECT_EQ(r.id, 0u);
    EXPECT_EQ(r.flags, 7u);
    EXPECT_EQ(r.callbackMessage, 0x401u);
    EXPECT_EQ(r.icon, area.applicationIcon);  // no Image: the program's own icon
    EXPECT_EQ(r.tip, std::string(63, 'h'));
    EXPECT_FALSE(owner.Visible());
    ASSERT_EQ(area.icons.size(), 1u);

    EXPECT_TRUE(tray.HideIcon());
    EXPECT_TRUE(area.icons.empty());
    EXPECT_TRUE(owner.Visible());

    // With no icon shown the removal is refused and the owner is left as it is.
    owner.Hide();
    EXPECT_FALSE(tray.HideIcon());
    EXPECT_FALSE(owner.Visible());

    // A refused icon leaves the owner shown; one message window serves every icon.
    owner.Show();
    area.refuseAdd = true;
    EXPECT_FALSE(tray.ShowIcon(true));
    EXPECT_TRUE(owner.Visible());
    EXPECT_EQ(area.LiveWindows(), 1);
}

TEST_F(TrayTest, AnImageIsShownInsteadOfTheProgramsIconAndTheTipIsCutByCharacters) {
    tray.SetImage(ui::Bitmap(16, 16, ui::clRed));
    std::string cyrillic;
    for (int i = 0; i < 70; ++i) cyrillic += "ж";
    tray.SetHint(cyrillic);
    ASSERT_TRUE(tray.ShowIcon(false));
    EXPECT_NE(tray.Record().icon, area.applicationIcon);
    EXPECT_EQ(area.calls, (Calls{"make icon 16x16"}));
    EXPECT_EQ(tray.Record().tip, cyrillic.substr(0, 63 * 2));
    EXPECT_TRUE(owner.Visible());
}

TEST_F(TrayTest, TheIconsMouseMessagesFollowTheirRules) {
    menu.AddItem("Exit");
    backend.nextMenuChoice = -1;
    ASSERT_TRUE(tray.ShowIcon(true));
    const std::string ownerName = "null";  // headless windows have no native handle

    struct Case {
        const char* what;
        ui::PopupMenu* popup;
        std::intptr_t mouse;
        std::size_t menus;
        Calls calls;
    } cases[] = {
        {"right press, no menu", nullptr, 0x204, 0, {}},
        {"left press", &menu, 0x201, 0, {}},
        {"right press",
         &menu,
         0x204,
         1,
         {"foreground " + ownerName, "post " + ownerName + " 1024 0 0"}},
    };
    for (const Case& c : cases) {
        tray.SetPopupMenu(c.popup);
        area.calls.clear();
        std::size_t before = backend.Menus().size();
        EXPECT_TRUE(Notify(c.mouse)) << c.what;
        EXPECT_EQ(backend.Menus().size() - before, c.menus) << c.what;
        EXPECT_EQ(area.calls, c.calls) << c.what;
        EXPECT_EQ(area.icons.size(), 1u) << c.what;
    }
    EXPECT_FALSE(Notify(0x203, 0x400)) << "other messages get the default processing";

    // A double-click removes the icon and shows the owner.
    EXPECT_TRUE(Notify(0x203));
    EXPECT_TRUE(area.icons.empty());
    EXPECT_TRUE(owner.Visible());
}

TEST_F(TrayTest, AMenuItemChosenRunsAndAnErrorInItIsReported) {
    std::vector<std::string> reported;
    ui::ScopedErrorReport report(app, [&](const std::string& text) { reported.push_back(text); });
    int exits = 0;
    menu.AddItem("Exit", [&] {
        ++exits;
        throw std::runtime_error("boom");
    });
    tray.SetPopupMenu(&menu);
    backend.nextMenuChoice = 0;
    ASSERT_TRUE(tray.ShowIcon(false));
    EXPECT_TRUE(Notify(0x204));
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(reported, (std::vector<std::string>{"boom"}));
}

}  // namespace
