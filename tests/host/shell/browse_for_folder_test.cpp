// The folder browser component against a scripted dialog: the flags it asks for, what its
// callback sends and in which order, the OK rule, the position hook, and Path kept from one
// Execute to the next.

#include "shell/browse_for_folder.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_folder_dialog.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

using platform::browse::kInitialized;
using platform::browse::kSelChanged;

struct BrowseTest : ::testing::Test {
    BrowseTest() { files.AddFolder("C:\\Logs"); }
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeFileSystem files;
    fakes::FakeFolderDialog dialog;
    TBrowseForFolder browser{application, dialog, files};
};

TEST_F(BrowseTest, FlagsForEachPropertyCombination) {
    struct Case {
        bool status, newStyle, editBox;
        std::uint32_t flags;
    } cases[] = {{false, false, false, 0x00}, {true, false, false, 0x04},
                 {false, false, true, 0x10},  {true, false, true, 0x14},
                 {false, true, false, 0x40},  {true, true, false, 0x40},
                 {false, true, true, 0x50},   {true, true, true, 0x50}};
    for (const Case& c : cases) {
        browser.SetStatusText(c.status ? "Pick one" : "");
        browser.SetNewDialogStyle(c.newStyle);
        browser.SetEditBox(c.editBox);
        EXPECT_EQ(browser.Flags(), c.flags) << c.status << c.newStyle << c.editBox;
        (void)browser.Execute();
        EXPECT_EQ(dialog.requests.back().flags, c.flags);
    }
}

// At opening: the status text (even in the new style), then the preselection; at each
// selection change OK follows whether the item is an existing folder, so the computer
// (no path) and a vanished folder disable it.
TEST_F(BrowseTest, CallbackMessagesInOrderAndTheResult) {
    browser.SetTitle("Save Logs in...");
    browser.SetStatusText("Where to?");
    browser.SetNewDialogStyle(true);
    browser.SetPath("C:\\Old");
    dialog.script = {{kInitialized, ""},
                     {kSelChanged, "C:\\Logs"},
                     {kSelChanged, ""},
                     {kSelChanged, "C:\\Gone"},
                     {7, "C:\\Logs"}};
    dialog.choice = "C:\\Logs";
    ASSERT_TRUE(browser.Execute());
    EXPECT_EQ(browser.Path(), "C:\\Logs");
    EXPECT_EQ(dialog.sent, (std::vector<std::string>{"status Where to?", "select C:\\Old", "ok 1",
                                                     "ok 0", "ok 0"}));
    EXPECT_EQ(dialog.answers, (std::vector<int>{0, 0, 0, 0, 0}));
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(dialog.requests[0].title, "Save Logs in...");
    EXPECT_EQ(dialog.requests[0].owner, application.MainWindowHandle());
}

// OnSelChanged sees the path and the preset, may enable OK for an item without a path, and
// may reach the dialog through DialogHandle; a subclass's DoSelChanged comes after it.
TEST_F(BrowseTest, SelectionHandlersDecideOk) {
    struct Subclass : TBrowseForFolder {
        using TBrowseForFolder::TBrowseForFolder;
        std::vector<std::string> seen;
        void DoSelChanged(const std::string& path, bool& enableOk) override {
            seen.push_back("do " + path + (enableOk ? " 1" : " 0"));
        }
    } sub{application, dialog, files};
    sub.OnSelChanged = [&](TBrowseForFolder& sender, const std::string& path, bool& enableOk) {
        EXPECT_EQ(&sender, &sub);
        EXPECT_EQ(sender.DialogHandle(), fakes::FakeFolderDialog::DialogHandleValue());
        sub.seen.push_back("on " + path + (enableOk ? " 1" : " 0"));
        enableOk = true;
    };
    dialog.script = {{kSelChanged, ""}};
    (void)sub.Execute();
    EXPECT_EQ(sub.seen, (std::vector<std::string>{"on  0", "do  1"}));
    EXPECT_EQ(dialog.sent, (std::vector<std::string>{"ok 1"}));
    EXPECT_EQ(sub.DialogHandle(), nullptr);
}

// The dialog moves only when the handlers change Left or Top, keeping its size.
TEST_F(BrowseTest, SetPositionMovesOnlyWhenChanged) {
    struct Case {
        int dx, dy;
        std::vector<std::string> sent;
    } cases[] = {{0, 0, {}}, {5, 0, {"move 105,80,320,360"}}, {0, -30, {"move 100,50,320,360"}}};
    for (const Case& c : cases) {
        dialog.sent.clear();
        dialog.rect = {100, 80, 320, 360};
        browser.OnSetPosition = [&](TBrowseForFolder&, int& left, int& top, int width, int height) {
            EXPECT_EQ(width, 320);
            EXPECT_EQ(height, 360);
            left += c.dx;
            top += c.dy;
        };
        (void)browser.Execute();
        EXPECT_EQ(dialog.sent, c.sent);
    }
}

// A confirmed choice opens the next Execute on it; a cancel keeps Path.
TEST_F(BrowseTest, PathCarriedFromOneExecuteToTheNext) {
    dialog.choice = "C:\\Logs";
    ASSERT_TRUE(browser.Execute());
    EXPECT_EQ(dialog.sent, std::vector<std::string>{});
    dialog.choice = std::nullopt;
    EXPECT_FALSE(browser.Execute());
    EXPECT_EQ(browser.Path(), "C:\\Logs");
    EXPECT_EQ(dialog.sent, (std::vector<std::string>{"select C:\\Logs"}));
}

}  // namespace
