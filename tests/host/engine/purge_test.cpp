#include "engine/purge.h"

#include <gtest/gtest.h>

#include "engine/mask_matcher.h"
#include "fakes/fake_file_system.h"

namespace {

namespace attr = platform::attr;
using engine::EraseFilesByMask;
using engine::EraseFilesRecursive;
using engine::PurgeFolder;
using engine::RemoveTree;
using fakes::FakeFileSystem;

const std::string kWindows = "C:\\WINDOWS";

class Purge : public ::testing::Test {
  protected:
    FakeFileSystem fs;

    // Every entry strictly below FOLDER.
    std::size_t CountBelow(const std::string& folder) { return fs.Snapshot(folder).size() - 1; }
};

TEST_F(Purge, NestedEmptyFoldersGoAndTheTargetStays) {
    fs.AddFolder("C:\\T\\a\\b\\c");
    fs.AddFolder("C:\\T\\d", attr::kDirectory | attr::kHidden | attr::kReadOnly);
    fs.AddFile("C:\\T\\a\\b\\file.txt", "x");
    PurgeFolder(fs, "C:\\T", true, false, kWindows);
    EXPECT_TRUE(fs.DirectoryExists("C:\\T"));
    EXPECT_EQ(CountBelow("C:\\T"), 0u);
}

TEST_F(Purge, ReadOnlyAndSystemFilesNeedAttributeClearing) {
    auto build = [&] {
        fs.AddFile("C:\\T\\ro.txt", "1", attr::kReadOnly);
        fs.AddFile("C:\\T\\sys", "2", attr::kHidden | attr::kSystem | attr::kReadOnly);
        fs.AddFile("C:\\T\\plain.txt", "3");
    };
    build();
    PurgeFolder(fs, "C:\\T\\", false, false, kWindows);
    EXPECT_TRUE(fs.FileExists("C:\\T\\ro.txt"));
    EXPECT_EQ(fs.Attributes("C:\\T\\ro.txt"), attr::kReadOnly);  // left as it was
    EXPECT_TRUE(fs.FileExists("C:\\T\\sys"));
    EXPECT_FALSE(fs.FileExists("C:\\T\\plain.txt"));

    fs.DeleteFileAt("C:\\T\\ro.txt");  // refused: still read-only
    fs.SetAttributes("C:\\T\\ro.txt", 0);
    fs.SetAttributes("C:\\T\\sys", 0);
    ASSERT_TRUE(fs.DeleteFileAt("C:\\T\\ro.txt") && fs.DeleteFileAt("C:\\T\\sys"));
    build();
    PurgeFolder(fs, "C:\\T\\", true, false, kWindows);
    EXPECT_EQ(CountBelow("C:\\T"), 0u);
}

TEST_F(Purge, StopOnFailureEndsTheWalkButLaterPassesStillDeleteFiles) {
    fs.AddFile("C:\\T\\sub1\\locked.dat");
    fs.AddFile("C:\\T\\sub1\\after.txt");
    fs.AddFile("C:\\T\\sub2\\x");
    fs.SetInUse("C:\\T\\sub1\\locked.dat");

    EXPECT_FALSE(RemoveTree(fs, "C:\\T", false, true, false));
    EXPECT_TRUE(fs.FileExists("C:\\T\\sub1\\after.txt"));  // never reached
    EXPECT_TRUE(fs.FileExists("C:\\T\\sub2\\x"));

    PurgeFolder(fs, "C:\\T", false, true, kWindows);
    EXPECT_TRUE(fs.FileExists("C:\\T\\sub1\\locked.dat"));
    EXPECT_FALSE(fs.FileExists("C:\\T\\sub1\\after.txt"));
    EXPECT_FALSE(fs.FileExists("C:\\T\\sub2\\x"));
    EXPECT_TRUE(fs.DirectoryExists("C:\\T\\sub1"));
    EXPECT_TRUE(fs.DirectoryExists("C:\\T\\sub2"));
}

TEST_F(Purge, TheResultFollowsTheLatestStep) {
    fs.AddFile("C:\\T\\locked");
    fs.AddFile("C:\\T\\ok.txt");
    fs.AddFile("C:\\T\\keep\\busy");
    fs.AddFolder("C:\\T\\stuck");
    fs.AddFolder("C:\\T\\empty");
    fs.SetInUse("C:\\T\\locked");
    fs.SetInUse("C:\\T\\keep\\busy");
    fs.SetUnremovable("C:\\T\\stuck");

    EXPECT_TRUE(RemoveTree(fs, "C:\\T", false, false, false));  // the last entry went
    EXPECT_TRUE(fs.DirectoryExists("C:\\T\\keep"));  // its contents failed, so not attempted
    EXPECT_TRUE(fs.DirectoryExists("C:\\T\\stuck"));
    EXPECT_FALSE(fs.DirectoryExists("C:\\T\\empty"));
    EXPECT_FALSE(fs.FileExists("C:\\T\\ok.txt"));
    EXPECT_FALSE(RemoveTree(fs, "C:\\missing", false, false, false));
}

TEST_F(Purge, DottedSubFolderIsOnlyEmptiedByTheTreeWalk) {
    fs.AddFile("C:\\T\\Content.IE5\\a.htm");
    fs.AddFile("C:\\T\\Content.IE5\\ABCD\\b.gif");
    fs.AddFile("C:\\T\\plain\\c");

    EraseFilesRecursive(fs, "C:\\T");
    EXPECT_EQ(CountBelow("C:\\T\\Content.IE5"), 3u);
    EXPECT_FALSE(fs.FileExists("C:\\T\\plain\\c"));
    EXPECT_TRUE(fs.DirectoryExists("C:\\T\\plain"));  // the file pass removes no folder

    EXPECT_TRUE(RemoveTree(fs, "C:\\T", false, false, false));
    EXPECT_FALSE(fs.Exists("C:\\T\\Content.IE5"));
}

TEST_F(Purge, MaskPassNeedsATrailingBackslash) {
    fs.AddFile("C:\\T\\a.txt");
    fs.AddFile("C:\\T\\README");
    fs.AddFile("C:\\T\\ro.txt", "", attr::kReadOnly);
    fs.AddFile("C:\\T\\dir.x\\inner.txt");

    EraseFilesByMask(fs, "C:\\T");
    EXPECT_TRUE(fs.log.empty());

    EraseFilesByMask(fs, "C:\\T\\");
    EXPECT_EQ(fs.log, std::vector<std::string>{"delete C:\\T\\a.txt"});
    EXPECT_TRUE(fs.FileExists("C:\\T\\README"));
    EXPECT_TRUE(fs.FileExists("C:\\T\\ro.txt"));
    EXPECT_TRUE(fs.FileExists("C:\\T\\dir.x\\inner.txt"));
}

TEST_F(Purge, MaskPassWithoutFolderUsesTheCurrentDirectory) {
    fs.AddFile("C:\\W\\x.log");
    fs.AddFile("C:\\W\\x.txt");
    fs.SetCurrentDirectory("C:\\W");
    EraseFilesByMask(fs, "*.LOG");
    EXPECT_FALSE(fs.FileExists("C:\\W\\x.log"));
    EXPECT_TRUE(fs.FileExists("C:\\W\\x.txt"));
}

TEST_F(Purge, BadMaskRaisesBeforeDeletingAnything) {
    fs.AddFile("C:\\T\\a.txt");
    EXPECT_THROW(EraseFilesByMask(fs, "C:\\T\\[a"), engine::MaskError);
    EXPECT_TRUE(fs.FileExists("C:\\T\\a.txt"));
}

TEST_F(Purge, NothingOutsideTheTargetIsTouchedThroughLinks) {
    fs.AddFile("C:\\Outside\\keep.txt", "precious", attr::kReadOnly);
    fs.AddFile("C:\\Outside\\sub\\deep.dat", "deep");
    fs.AddFolder("C:\\Outside\\empty");
    fs.AddFile("C:\\T\\junk.tmp", "junk");
    fs.AddFolderLink("C:\\T\\junction", "C:\\Outside");
    fs.AddFolderLink("C:\\T\\dotted.link", "C:\\Outside\\sub");
    fs.AddFolderLink("C:\\T\\nested\\toEmpty", "C:\\Outside\\empty");
    fs.AddFileLink("C:\\T\\file.lnk", "C:\\Outside\\keep.txt");
    fs.AddFileLink("C:\\T\\deep", "C:\\Outside\\sub\\deep.dat", true);
    auto outside = fs.Snapshot("C:\\Outside");

    for (bool clear : {false, true})
        for (bool stop : {false, true}) PurgeFolder(fs, "C:\\T\\", clear, stop, kWindows);

    EXPECT_EQ(fs.Snapshot("C:\\Outside"), outside);
    EXPECT_FALSE(fs.Exists("C:\\T\\junk.tmp"));
    EXPECT_TRUE(fs.Exists("C:\\T\\junction"));  // a link is never removed either
    EXPECT_TRUE(fs.Exists("C:\\T\\nested\\toEmpty"));
    EXPECT_TRUE(fs.Exists("C:\\T\\file.lnk"));
}

TEST_F(Purge, RefusesRootsEmptyPathsAndTheWindowsFolder) {
    fs.AddFile("C:\\a.txt");
    fs.AddFile("C:\\WINDOWS\\system.ini");
    fs.AddFile("C:\\WINDOWS\\system32\\kernel32.dll");
    fs.AddFile("\\\\server\\share\\doc.txt");
    fs.AddFile("D:\\data.bin");
    fs.SetCurrentDirectory("C:\\WINDOWS\\system32");
    auto before = fs.Snapshot("C:\\");
    auto share = fs.Snapshot("\\\\server\\share");

    for (const char* path : {"",
                             "C:",
                             "C:\\",
                             "c:/",
                             "C:\\.",
                             "C:\\ ",
                             "\\\\?\\C:\\",
                             "\\\\.\\C:",
                             "\\",
                             "..\\..",
                             "C:\\WINDOWS\\system32\\..\\..",
                             "C:\\WINDOWS",
                             "c:\\windows\\",
                             "C:/Windows/.",
                             "\\\\?\\C:\\WINDOWS",
                             "C:\\WINDOWS\\system32\\..",
                             "C:..",
                             "\\\\server\\share",
                             "\\\\server\\share\\",
                             "\\\\?\\UNC\\server\\share\\",
                             "\\\\server",
                             "D:\\",
                             "\\\\?\\Volume{0b1c}\\"}) {
        PurgeFolder(fs, path, true, false, kWindows);
        EXPECT_FALSE(engine::IsSafePurgeTarget(fs, path, kWindows)) << path;
    }
    EXPECT_EQ(fs.Snapshot("C:\\"), before);
    EXPECT_EQ(fs.Snapshot("\\\\server\\share"), share);
    EXPECT_TRUE(fs.FileExists("D:\\data.bin"));

    EXPECT_FALSE(engine::IsSafePurgeTarget(fs, "C:\\OS", "C:\\OS\\WINDOWS"));  // holds it
    for (const char* path : {"C:\\WINDOWS\\Temp", "C:\\WINDOWSX", "D:\\WINDOWS", "Temp", "C:x"})
        EXPECT_TRUE(engine::IsSafePurgeTarget(fs, path, kWindows)) << path;
    EXPECT_TRUE(engine::IsSafePurgeTarget(fs, "C:\\Temp", ""));
}

TEST_F(Purge, DefaultWindowsTempIsPurgedRelativeToTheCurrentDirectory) {
    fs.AddFile("C:\\WINDOWS\\Temp\\x.tmp");
    fs.AddFile("C:\\WINDOWS\\keep.ini");
    fs.SetCurrentDirectory("C:\\WINDOWS");
    PurgeFolder(fs, "Temp", true, false, kWindows);
    EXPECT_FALSE(fs.FileExists("C:\\WINDOWS\\Temp\\x.tmp"));
    EXPECT_TRUE(fs.DirectoryExists("C:\\WINDOWS\\Temp"));
    EXPECT_TRUE(fs.FileExists("C:\\WINDOWS\\keep.ini"));
}

}  // namespace
