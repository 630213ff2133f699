#include "ui/shell_list_view.h"

#include <gtest/gtest.h>

#include "fakes/fake_shell_folder.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

using platform::ShellItem;
namespace attr = platform::attr;

ShellItem File(std::string name, std::uint64_t size, std::uint32_t attributes = attr::kArchive) {
    ShellItem item;
    item.name = std::move(name);
    item.size = size;
    item.typeName = "File";
    item.attributes = attributes;
    return item;
}

ShellItem Folder(std::string name, std::uint32_t more = 0) {
    ShellItem item;
    item.name = std::move(name);
    item.typeName = "File folder";
    item.attributes = attr::kDirectory | more;
    return item;
}

std::vector<std::string> Names(const ui::ShellListView& view) {
    std::vector<std::string> names;
    for (const ShellItem& item : view.Items()) names.push_back(item.name);
    return names;
}

struct ShellListViewTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app};
    fakes::FakeShellFolder shell;
    ui::ShellListView view{&form, &shell};

    ShellListViewTest() {
        shell.folders["C:\\Temp"] = {File("b.txt", 10), Folder("zeta"), File("A.log", 2048),
                                     File(".hidden", 1, attr::kHidden | attr::kArchive),
                                     Folder("Alpha", attr::kHidden)};
        shell.folders["C:\\Other"] = {File("one", 1)};
        shell.recycleBin = {File("deleted.doc", 5000)};
        form.Realize();
    }
};

TEST_F(ShellListViewTest, NewRootIsReadOnceAndTheSameRootDoesNothing) {
    view.SetShowHidden(true);
    int changes = 0;
    view.OnChange = [&] { ++changes; };
    view.SetRoot("C:\\Temp");
    EXPECT_EQ(view.Root(), "C:\\Temp");
    EXPECT_EQ(view.Count(), 5);
    EXPECT_EQ(shell.listCalls, 1);
    view.SetItemIndex(2);
    view.SetRoot("C:\\Temp");
    EXPECT_EQ(shell.listCalls, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(view.ItemIndex(), 2);
    view.SetRoot("C:\\Other");
    EXPECT_EQ(Names(view), std::vector<std::string>{"one"});
    EXPECT_EQ(shell.listCalls, 2);
}

// A root set "soon" is read, and watched, at the next timer tick, once; a read meanwhile takes
// its place.
TEST_F(ShellListViewTest, ARootSetSoonIsReadAtTheNextTick) {
    view.SetRootSoon(std::string(ui::ShellListView::kRecycleBin));
    EXPECT_TRUE(view.RootIsRecycleBin());
    EXPECT_EQ(shell.listCalls, 0);
    EXPECT_EQ(shell.LiveWatches(), 0);
    backend.AdvanceTime(1);
    EXPECT_EQ(Names(view), std::vector<std::string>{"deleted.doc"});
    EXPECT_EQ(shell.LiveWatches(), 1);
    backend.AdvanceTime(ui::ShellListView::kPollInterval - 1);
    EXPECT_EQ(shell.listCalls, 1) << "one read, no change since";

    view.SetRootSoon("C:\\Other");
    view.Refresh();
    EXPECT_EQ(Names(view), std::vector<std::string>{"one"});
    backend.AdvanceTime(1);
    EXPECT_EQ(shell.listCalls, 2) << "the refresh took the tick's place";
}

TEST_F(ShellListViewTest, FoldersComeFirstThenNamesWithoutRegardToCase) {
    view.SetShowHidden(true);
    view.SetRoot("C:\\Temp");
    EXPECT_EQ(Names(view),
              (std::vector<std::string>{"Alpha", "zeta", ".hidden", "A.log", "b.txt"}));
    view.SetSorted(false);
    EXPECT_EQ(Names(view),
              (std::vector<std::string>{"b.txt", "zeta", "A.log", ".hidden", "Alpha"}));
}

TEST_F(ShellListViewTest, HiddenFoldersAndFilesFollowTheirSwitches) {
    view.SetRoot("C:\\Temp");
    EXPECT_EQ(Names(view), (std::vector<std::string>{"zeta", "A.log", "b.txt"}));
    view.SetShowHidden(true);
    EXPECT_EQ(view.Count(), 5);
    view.SetShowFolders(false);
    EXPECT_EQ(Names(view), (std::vector<std::string>{".hidden", "A.log", "b.txt"}));
    view.SetShowFolders(true);
    view.SetShowFiles(false);
    EXPECT_EQ(Names(view), (std::vector<std::string>{"Alpha", "zeta"}));
}

TEST_F(ShellListViewTest, RefreshRereadsAndKeepsTheSelectedItem) {
    view.SetRoot("C:\\Temp");
    view.SetItemIndex(2);  // b.txt
    shell.folders["C:\\Temp"].push_back(File("a-new", 1));
    view.Refresh();
    EXPECT_EQ(shell.listCalls, 2);
    EXPECT_EQ(Names(view), (std::vector<std::string>{"zeta", "a-new", "A.log", "b.txt"}));
    EXPECT_EQ(view.ItemIndex(), 3);
    shell.folders["C:\\Temp"] = {Folder("zeta")};
    view.Refresh();
    EXPECT_EQ(view.ItemIndex(), -1);
}

TEST_F(ShellListViewTest, RecycleBinRootIsNotAFolder) {
    view.SetRoot(std::string(ui::ShellListView::kRecycleBin));
    EXPECT_TRUE(view.RootIsRecycleBin());
    EXPECT_FALSE(view.RootIsFolder());
    EXPECT_EQ(Names(view), std::vector<std::string>{"deleted.doc"});
    EXPECT_EQ(view.ColumnText(0, 1), "5 KB");
    view.SetRoot("C:\\Temp");
    EXPECT_TRUE(view.RootIsFolder());
    shell.folders.erase("C:\\Temp");
    EXPECT_FALSE(view.RootIsFolder());
}

TEST_F(ShellListViewTest, AMissingFolderShowsNothingAndIsNotAnError) {
    view.SetRoot("C:\\Temp");
    view.SetRoot("C:\\Missing");
    EXPECT_EQ(view.Root(), "C:\\Missing");
    EXPECT_TRUE(view.ListingFailed());
    EXPECT_EQ(view.Count(), 0);
    EXPECT_TRUE(backend.Messages().empty());
    // Once the folder appears, a refresh lists it and starts watching it.
    shell.folders["C:\\Missing"] = {File("x", 1)};
    view.Refresh();
    EXPECT_FALSE(view.ListingFailed());
    EXPECT_EQ(view.Count(), 1);
    shell.folders["C:\\Missing"].push_back(File("y", 1));
    shell.Touch("C:\\Missing");
    backend.AdvanceTime(ui::ShellListView::kPollInterval);
    EXPECT_EQ(view.Count(), 2);
}

TEST_F(ShellListViewTest, ChangesOfTheRootAreFollowedOnTheTimerOnly) {
    view.SetRoot("C:\\Temp");
    shell.folders["C:\\Temp"].push_back(File("late", 1));
    backend.AdvanceTime(ui::ShellListView::kPollInterval * 4);
    EXPECT_EQ(view.Count(), 3);  // no change reported: no re-read
    EXPECT_EQ(shell.listCalls, 1);
    shell.Touch("C:\\Temp");
    backend.AdvanceTime(ui::ShellListView::kPollInterval);
    EXPECT_EQ(view.Count(), 4);
    // The old root's watch is dropped with it; the bin has its own.
    view.SetRoot(std::string(ui::ShellListView::kRecycleBin));
    EXPECT_EQ(shell.LiveWatches(), 1);
    shell.recycleBin.push_back(File("more", 1));
    shell.Touch(fakes::FakeShellFolder::kBinKey);
    backend.AdvanceTime(ui::ShellListView::kPollInterval);
    EXPECT_EQ(view.Count(), 2);
    view.SetAutoRefresh(false);
    EXPECT_EQ(shell.LiveWatches(), 0);
}

TEST_F(ShellListViewTest, StyleAndColumnTitles) {
    EXPECT_EQ(view.GetViewStyle(), ui::ViewStyle::Report);
    view.SetViewStyle(ui::ViewStyle::SmallIcon);
    EXPECT_EQ(view.GetViewStyle(), ui::ViewStyle::SmallIcon);
    view.SetColumnTitle(2, "Typ");
    view.SetColumnTitle(7, "ignored");
    EXPECT_EQ(view.ColumnTitle(2), "Typ");
    EXPECT_EQ(view.ColumnTitle(7), "");
    ui::ColumnTitleHost* host =
        dynamic_cast<ui::ColumnTitleHost*>(static_cast<ui::Control*>(&view));
    ASSERT_NE(host, nullptr);
}

TEST(ShellListViewSize, KilobytesRoundUpAndFoldersHaveNone) {
    EXPECT_EQ(ui::ShellListView::SizeText(File("a", 0)), "0 KB");
    EXPECT_EQ(ui::ShellListView::SizeText(File("a", 1)), "1 KB");
    EXPECT_EQ(ui::ShellListView::SizeText(File("a", 1024)), "1 KB");
    EXPECT_EQ(ui::ShellListView::SizeText(File("a", 1025)), "2 KB");
    EXPECT_EQ(ui::ShellListView::SizeText(Folder("a")), "");
}

}  // namespace
