#include "ui/file_list_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

namespace attr = platform::attr;
using Names = std::vector<std::string>;

constexpr char kFolder[] = "C:\\App\\log";

struct FileListBoxTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    fakes::FakeFileSystem files;
    ui::Form form{app};
    ui::FileListBox list{&form, &files};

    FileListBoxTest() {
        files.AddFile(std::string(kFolder) + "\\b.log");
        files.AddFile(std::string(kFolder) + "\\A.LOG");
        files.AddFile(std::string(kFolder) + "\\c.txt");
        files.AddFile(std::string(kFolder) + "\\x.logx");
        files.AddFile(std::string(kFolder) + "\\ж.log");
        files.AddFile(std::string(kFolder) + "\\ro.log", "", attr::kReadOnly);
        files.AddFile(std::string(kFolder) + "\\hid.log", "", attr::kHidden);
        files.AddFile(std::string(kFolder) + "\\sys.log", "", attr::kSystem | attr::kArchive);
        files.AddFolder(std::string(kFolder) + "\\dir.log");
        form.SetBounds(0, 0, 300, 300);
        list.SetBounds(0, 0, 200, 160);
        form.Realize();
    }
};

TEST_F(FileListBoxTest, ListsTheNamesThatPassMaskAndFilterSortedWithoutRegardToCase) {
    struct Case {
        const char* mask;
        std::uint32_t filter;
        Names expected;
    } cases[] = {
        {"*.log",
         ui::FileListBox::kDefaultFilter,
         {"A.LOG", "b.log", "hid.log", "ro.log", "ж.log"}},
        {"*.log",
         attr::kReadOnly | attr::kHidden | attr::kSystem,
         {"A.LOG", "b.log", "hid.log", "ro.log", "sys.log", "ж.log"}},
        {"*.LOG", attr::kDirectory, {"A.LOG", "b.log", "dir.log", "ж.log"}},
        {"?.log;*.txt", 0, {"A.LOG", "b.log", "c.txt", "ж.log"}},
        {"*.*", 0, {"A.LOG", "b.log", "c.txt", "x.logx", "ж.log"}},
    };
    list.SetDirectory(kFolder);
    for (const Case& c : cases) {
        list.SetMask(c.mask);
        list.SetAttributeFilter(c.filter);
        EXPECT_EQ(list.Items(), c.expected) << c.mask << " filter " << c.filter;
    }
}

TEST_F(FileListBoxTest, TheSameFolderChangesNothingAnotherFolderOrRefreshReadsAgain) {
    list.SetMask("*.log");
    list.SetDirectory(kFolder);
    list.SetItemIndex(0);
    files.AddFile(std::string(kFolder) + "\\new.log");

    list.SetDirectory("c:\\APP\\LOG\\");
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.FileName(), std::string(kFolder) + "\\A.LOG");

    list.SetDirectory("C:\\App");
    EXPECT_TRUE(list.Items().empty());
    list.SetDirectory(kFolder);
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.FileName(), "");

    files.Remove(std::string(kFolder) + "\\new.log");
    list.Refresh();
    EXPECT_EQ(list.Count(), 5);

    list.SetDirectory("C:\\Missing");
    EXPECT_TRUE(list.Items().empty());
    list.SetDirectory(kFolder);
    list.Clear();
    EXPECT_TRUE(list.Items().empty());
    EXPECT_EQ(list.Directory(), "");
}

TEST_F(FileListBoxTest, APressSelectsAsTheUserAndADoubleClickFollowsTheSelection) {
    list.SetMask("*.log");
    list.SetDirectory(kFolder);
    std::vector<std::string> events;
    list.OnChange = [&] { events.push_back("change " + list.FileName()); };
    list.OnDblClick = [&] { events.push_back("double " + list.FileName()); };

    backend.DoubleClick(list, {20, ui::FileListBox::kGlyphSize + 3});  // second row
    backend.Click(list, {20, 150});                                    // below the last row

    std::string second = std::string(kFolder) + "\\b.log";
    EXPECT_EQ(events, (Names{"change " + second, "double " + second}));
    EXPECT_EQ(backend.PeerKind(list), "filelistbox");
}

}  // namespace
