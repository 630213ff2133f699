#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/text.h"
#include "shellview_test_support.h"

namespace fs = std::filesystem;
using platform::ShellItem;

namespace {

const ShellItem* Find(const std::vector<ShellItem>& items, const std::string& name) {
    auto it = std::find_if(items.begin(), items.end(),
                           [&](const ShellItem& i) { return i.name == name; });
    return it == items.end() ? nullptr : &*it;
}

TEST(ShellFolderWin32, ListsFilesHiddenFilesAndSubFolders) {
    shellview::Scratch scratch("sv-list");
    platform::win32::ShellFolderWin32 shell;
    auto items = shell.ListFolder(scratch.Path());
    ASSERT_TRUE(items.has_value());
    ASSERT_EQ(items->size(), 3u);

    const ShellItem* text = Find(*items, "notes.txt");
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(text->IsFolder());
    EXPECT_EQ(text->size, 1500u);
    EXPECT_GT(text->modified, 0);
    EXPECT_FALSE(text->typeName.empty());
    EXPECT_GE(text->iconIndex, 0);
    EXPECT_EQ(fs::path(platform::win32::Widen(text->path)), scratch.folder / "notes.txt");

    const ShellItem* hidden = Find(*items, "secret.dat");
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->IsHidden());

    const ShellItem* sub = Find(*items, "sub");
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->IsFolder());

    EXPECT_TRUE(shell.FolderExists(scratch.Path()));
    EXPECT_FALSE(shell.FolderExists(scratch.Path() + "\\notes.txt"));
    EXPECT_FALSE(shell.ListFolder(scratch.Path() + "\\missing").has_value());
    EXPECT_FALSE(shell.ListFolder("").has_value());
    EXPECT_EQ(shell.WatchFolder(scratch.Path() + "\\missing"), nullptr);

    auto empty = shell.ListFolder(scratch.Path() + "\\sub");
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->empty());
}

TEST(ShellFolderWin32, AWatchReportsANewFileOnceAndNothingBefore) {
    shellview::Scratch scratch("sv-watch");
    platform::win32::ShellFolderWin32 shell;
    auto watch = shell.WatchFolder(scratch.Path());
    ASSERT_NE(watch, nullptr);
    Sleep(100);
    EXPECT_FALSE(watch->Changed());
    std::ofstream(scratch.folder / "new.txt") << "x";
    bool seen = false;
    for (int i = 0; i < 40 && !seen; ++i) {
        seen = watch->Changed();
        if (!seen) Sleep(50);
    }
    EXPECT_TRUE(seen) << "timed out after 2 s waiting for the watch to see the new file";
    Sleep(200);
    EXPECT_FALSE(watch->Changed());
}

TEST(ShellFolderWin32, TheRecycleBinListsADeletedFile) {
    if (!shellview::TrashIsPrivate()) GTEST_SKIP() << "HOME is not a private test folder";
    shellview::Scratch scratch("sv-bin");
    fs::path file = scratch.folder / "binned-by-shellview.txt";
    std::ofstream(file) << std::string(3000, 'b');
    platform::win32::ShellFolderWin32 shell;
    auto watch = shell.WatchRecycleBin();
    ASSERT_NE(watch, nullptr);

    std::wstring from = file.wstring() + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(SHFileOperationW(&op), 0);

    auto items = shell.ListRecycleBin();
    ASSERT_TRUE(items.has_value());
    const ShellItem* binned = Find(*items, "binned-by-shellview.txt");
    ASSERT_NE(binned, nullptr);
    EXPECT_FALSE(binned->IsFolder());
    EXPECT_FALSE(binned->typeName.empty());
    // The bin's summary is compared at most every two seconds.
    bool seen = false;
    // A loaded machine (tests run side by side) may take more than a period or two.
    for (int i = 0; i < 300 && !seen; ++i) {
        seen = watch->Changed();
        if (!seen) Sleep(50);
    }
    EXPECT_TRUE(seen) << "timed out after 15 s waiting for the watch to see the bin change";
    SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
}

}  // namespace
