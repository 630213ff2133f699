#include "engine/purge.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <utility>

#include "engine/entry_path.h"
#include "engine/mask_matcher.h"
#include "engine/purge_target.h"
#include "fakes/fake_file_system.h"
#include "recorded_report.h"

namespace {

namespace attr = platform::attr;
using engine::EraseFilesByMask;
using engine::EraseFilesRecursive;
using engine::IsSafePurgeTarget;
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
    EXPECT_TRUE(PurgeFolder(fs, "C:\\T", kWindows, {.clearAttributes = true}));
    EXPECT_TRUE(fs.DirectoryExists("C:\\T"));
    EXPECT_EQ(CountBelow("C:\\T"), 0u);
}

TEST_F(Purge, ReadOnlyAndSystemFilesNeedAttributeClearing) {
    for (bool clear : {false, true}) {
        fs.AddFile("C:\\T" + std::to_string(clear) + "\\ro.txt", "1", attr::kReadOnly);
        fs.AddFile("C:\\T" + std::to_string(clear) + "\\sys", "2",
                   attr::kHidden | attr::kSystem | attr::kReadOnly);
        fs.AddFile("C:\\T" + std::to_string(clear) + "\\plain.txt", "3");
    }
    PurgeFolder(fs, "C:\\T0\\", kWindows, {});
    EXPECT_EQ(fs.Attributes("C:\\T0\\ro.txt"), attr::kReadOnly);  // left as it was
    EXPECT_TRUE(fs.FileExists("C:\\T0\\sys"));
    EXPECT_FALSE(fs.FileExists("C:\\T0\\plain.txt"));
    PurgeFolder(fs, "C:\\T1\\", kWindows, {.clearAttributes = true});
    EXPECT_EQ(CountBelow("C:\\T1"), 0u);
}

TEST_F(Purge, StopOnFailureEndsTheWalkButLaterPassesStillDeleteFiles) {
    fs.AddFile("C:\\T\\sub1\\locked.dat");
    fs.AddFile("C:\\T\\sub1\\after.txt");
    fs.AddFile("C:\\T\\sub2\\x");
    fs.SetInUse("C:\\T\\sub1\\locked.dat");

    EXPECT_FALSE(RemoveTree(fs, "C:\\T", kWindows, {.stopOnFailure = true}));
    EXPECT_TRUE(fs.FileExists("C:\\T\\sub1\\after.txt"));  // never reached
    EXPECT_TRUE(fs.FileExists("C:\\T\\sub2\\x"));

    PurgeFolder(fs, "C:\\T", kWindows, {.stopOnFailure = true});
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

    EXPECT_TRUE(RemoveTree(fs, "C:\\T", kWindows, {}));  // the last entry went
    EXPECT_TRUE(fs.DirectoryExists("C:\\T\\keep"));      // its contents failed, so not attempted
    EXPECT_TRUE(fs.DirectoryExists("C:\\T\\stuck"));
    EXPECT_FALSE(fs.DirectoryExists("C:\\T\\empty"));
    EXPECT_FALSE(fs.FileExists("C:\\T\\ok.txt"));
    EXPECT_FALSE(RemoveTree(fs, "C:\\missing", kWindows, {}));

    fs.AddFolder("C:\\U\\sub");
    EXPECT_TRUE(RemoveTree(fs, "C:\\U", kWindows, {.removeRoot = true}));  // the root too
    EXPECT_FALSE(fs.Exists("C:\\U"));
}

TEST_F(Purge, DottedSubFolderIsOnlyEmptiedByTheTreeWalk) {
    fs.AddFile("C:\\T\\Content.IE5\\a.htm");
    fs.AddFile("C:\\T\\Content.IE5\\ABCD\\b.gif");
    fs.AddFile("C:\\T\\plain\\c");

    EraseFilesRecursive(fs, "C:\\T", kWindows);
    EXPECT_EQ(CountBelow("C:\\T\\Content.IE5"), 3u);
    EXPECT_FALSE(fs.FileExists("C:\\T\\plain\\c"));
    EXPECT_TRUE(fs.DirectoryExists("C:\\T\\plain"));  // the file pass removes no folder

    EXPECT_TRUE(RemoveTree(fs, "C:\\T", kWindows, {}));
    EXPECT_FALSE(fs.Exists("C:\\T\\Content.IE5"));
}

TEST_F(Purge, MaskPassNeedsATrailingBackslash) {
    fs.AddFile("C:\\T\\a.txt");
    fs.AddFile("C:\\T\\README");
    fs.AddFile("C:\\T\\ro.txt", "", attr::kReadOnly);
    fs.AddFile("C:\\T\\dir.x\\inner.txt");

    EraseFilesByMask(fs, "C:\\T", kWindows);
    EXPECT_TRUE(fs.log.empty());

    EraseFilesByMask(fs, "C:\\T\\", kWindows);
    EXPECT_EQ(fs.log, std::vector<std::string>{"delete C:\\T\\a.txt"});
    EXPECT_TRUE(fs.FileExists("C:\\T\\README"));
    EXPECT_TRUE(fs.FileExists("C:\\T\\ro.txt"));
    EXPECT_TRUE(fs.FileExists("C:\\T\\dir.x\\inner.txt"));

    fs.AddFile("C:\\W\\x.log");
    fs.AddFile("C:\\W\\x.txt");
    fs.SetCurrentDirectory("C:\\W");
    EraseFilesByMask(fs, "*.LOG", kWindows);  // no folder part: the current directory
    EXPECT_FALSE(fs.FileExists("C:\\W\\x.log"));
    EXPECT_TRUE(fs.FileExists("C:\\W\\x.txt"));

    EXPECT_THROW(EraseFilesByMask(fs, "C:\\W\\[a", kWindows), engine::MaskError);
    EXPECT_TRUE(fs.FileExists("C:\\W\\x.txt"));
}

// ---- Staying inside the target --------------------------------------------------------------

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
    fs.AddFileLink("C:\\T\\nested\\loop", "C:\\T\\nested\\loop");
    fs.AddFileLink("C:\\T\\dangling", "C:\\Nowhere\\x");
    auto outside = fs.Snapshot("C:\\Outside");

    for (bool clear : {false, true})
        for (bool stop : {false, true})
            PurgeFolder(fs, "C:\\T\\", kWindows, {.clearAttributes = clear, .stopOnFailure = stop});

    EXPECT_EQ(fs.Snapshot("C:\\Outside"), outside);
    EXPECT_FALSE(fs.Exists("C:\\T\\junk.tmp"));
    for (const char* link : {"C:\\T\\junction", "C:\\T\\nested\\toEmpty", "C:\\T\\file.lnk",
                             "C:\\T\\nested\\loop", "C:\\T\\dangling"})
        EXPECT_TRUE(fs.Exists(link)) << link;  // a link is never removed either
}

// The walk once made child paths through the platform's normalisation, which reads "sib."
// as "sib": with a link "sib" beside a folder "sib.", it emptied the link's target.
TEST_F(Purge, TrailingDotsAndSpacesNeverLeadToATwin) {
    for (bool trims : {true, false}) {
        FakeFileSystem files;
        files.trimsFinalNames = trims;
        files.AddFile("C:\\Outside\\a.doc", "precious");
        files.AddFile("C:\\Outside\\b.doc", "precious");
        files.AddFolderLink("C:\\T\\sib", "C:\\Outside");
        files.AddFile("\\\\?\\C:\\T\\sib.\\a.doc", "junk");
        files.AddFolderLink("C:\\T\\tw", "C:\\Outside");
        files.AddFile("\\\\?\\C:\\T\\tw \\b.doc", "junk");
        files.AddFile("\\\\?\\C:\\T\\trailingdot.", "junk");
        files.AddFile("\\\\?\\C:\\T\\trailsp ", "junk");
        files.AddFileLink("\\\\?\\C:\\T\\b.doc.", "C:\\Outside\\b.doc");
        auto outside = files.Snapshot("C:\\Outside");

        EXPECT_TRUE(PurgeFolder(files, "C:\\T", kWindows, {.clearAttributes = true}));
        EXPECT_EQ(files.Snapshot("C:\\Outside"), outside) << trims;
        for (const char* gone : {"\\\\?\\C:\\T\\sib.", "\\\\?\\C:\\T\\tw ",
                                 "\\\\?\\C:\\T\\trailingdot.", "\\\\?\\C:\\T\\trailsp "})
            EXPECT_FALSE(files.Exists(gone)) << gone << " " << trims;
        EXPECT_TRUE(files.Exists("C:\\T\\sib"));
    }
}

// A folder swapped for a link after its parent was listed, or a file swapped after its
// folder was entered: the handle shows where it leads, and nothing there is touched.
TEST_F(Purge, AnEntrySwappedForALinkAfterTheListingIsLeftAlone) {
    for (const char* swapped : {"\\victim", "\\victim\\inner", "\\victim\\f.txt"}) {
        FakeFileSystem files;
        files.AddFile("C:\\Outside\\inner\\f.txt", "precious");
        files.AddFile("C:\\Outside\\f.txt", "precious");
        files.AddFile("C:\\T\\victim\\f.txt", "junk");
        files.AddFile("C:\\T\\victim\\inner\\f.txt", "junk");
        const std::string path = std::string("C:\\T") + swapped;
        const std::string outsidePath = std::string("C:\\Outside") + (swapped + 7);
        files.beforeOpen = [&](const std::string& opened) {
            if (!opened.ends_with(swapped) || !files.Exists(path) ||
                files.Snapshot(path).begin()->second.linkTarget != "")
                return;
            files.Remove(path);
            if (files.DirectoryExists(outsidePath))
                files.AddFolderLink(path, outsidePath);
            else
                files.AddFileLink(path, outsidePath);
        };
        auto outside = files.Snapshot("C:\\Outside");
        PurgeFolder(files, "C:\\T", kWindows, {.clearAttributes = true});
        EXPECT_EQ(files.Snapshot("C:\\Outside"), outside) << swapped;
    }
}

// A thousand levels on a thread with a small stack: a walk that recursed per level would
// overflow it.
TEST_F(Purge, ADeepTreeNeedsNoDeepStack) {
    std::string path = "C:\\T";
    for (int i = 0; i < 1000; ++i) path += "\\d";
    fs.AddFile(path + "\\last.txt");
    bool purged = false;
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 128 * 1024);
    pthread_t thread;
    auto body = [](void* self) -> void* {
        auto* test = static_cast<std::pair<FakeFileSystem*, bool*>*>(self);
        *test->second = PurgeFolder(*test->first, "C:\\T", kWindows, {});
        return nullptr;
    };
    std::pair<FakeFileSystem*, bool*> arguments{&fs, &purged};
    ASSERT_EQ(pthread_create(&thread, &attributes, body, &arguments), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    EXPECT_TRUE(purged);
    EXPECT_EQ(CountBelow("C:\\T"), 0u);
}

TEST_F(Purge, RefusesRootsEmptyPathsAndTheWindowsFolderInEverySpelling) {
    fs.AddFile("C:\\a.txt");
    fs.AddFile("C:\\WINDOWS\\system.ini");
    fs.AddFile("C:\\WINDOWS\\system32\\kernel32.dll");
    fs.AddFile("\\\\server\\share\\doc.txt");
    fs.AddFile("D:\\data.bin");
    fs.SetShortName("C:\\WINDOWS", "WINDOW~1");
    fs.AddAlias("\\\\localhost\\C$", "C:\\");
    fs.AddAlias("\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1", "C:\\");
    fs.AddAlias("S:", "C:\\WINDOWS");  // subst
    fs.AddAlias("M:", "C:\\");         // a mapped drive
    fs.AddFolderLink("C:\\Temp\\win", "C:\\WINDOWS");
    fs.AddFolderLink("C:\\Temp\\root", "D:\\");
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
                             "\\\\?\\Volume{0b1c}\\",
                             "\\\\localhost\\C$\\windows",
                             "\\\\?\\UNC\\localhost\\c$\\windows",
                             "\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1\\Windows",
                             "C:\\WINDOW~1",
                             "C:\\windows::$INDEX_ALLOCATION",
                             "S:\\",
                             "S:\\system32\\..",
                             "M:\\WINDOWS",
                             "M:\\",
                             "C:\\Temp\\win",
                             "C:\\Temp\\win\\",
                             "C:\\Temp\\root"}) {
        EXPECT_FALSE(PurgeFolder(fs, path, kWindows, {.clearAttributes = true})) << path;
        EXPECT_FALSE(IsSafePurgeTarget(fs, path, kWindows)) << path;
    }
    EXPECT_EQ(fs.Snapshot("C:\\"), before);
    EXPECT_EQ(fs.Snapshot("\\\\server\\share"), share);
    EXPECT_TRUE(fs.FileExists("D:\\data.bin"));

    fs.AddFolder("C:\\OS\\WINDOWS");
    EXPECT_FALSE(IsSafePurgeTarget(fs, "C:\\OS", "C:\\OS\\WINDOWS"));  // holds it
    fs.AddFolder("C:\\WINDOWSX");
    fs.AddFolder("D:\\WINDOWS");
    fs.AddFolder("C:\\WINDOWS\\Temp");
    fs.AddFolder("C:\\WINDOWS\\system32\\Temp");
    for (const char* path : {"C:\\WINDOWS\\Temp", "C:\\WINDOWSX", "D:\\WINDOWS", "Temp"})
        EXPECT_TRUE(IsSafePurgeTarget(fs, path, kWindows)) << path;
    // Through a subst drive it is not spelled where it is.
    EXPECT_FALSE(IsSafePurgeTarget(fs, "S:\\Temp", kWindows));
    EXPECT_FALSE(IsSafePurgeTarget(fs, "C:\\Missing", kWindows));
}

// Where names are reported trimmed, "C:\T" and a sibling "C:\T." look alike: a link in the
// target could reach into the sibling unseen, so such a target is refused.
TEST_F(Purge, ATargetWithATrimmedTwinIsRefused) {
    fs.AddFolder("C:\\T");
    fs.AddFolder("\\\\?\\C:\\T.");
    fs.AddFolder("\\\\?\\C:\\U \\sub");
    EXPECT_FALSE(IsSafePurgeTarget(fs, "C:\\T", kWindows));
    EXPECT_FALSE(
        IsSafePurgeTarget(fs, "\\\\?\\C:\\U \\sub", kWindows));  // final path leads elsewhere
    fs.AddFolder("C:\\V");
    EXPECT_TRUE(IsSafePurgeTarget(fs, "C:\\V", kWindows));
}

TEST_F(Purge, DefaultWindowsTempIsPurgedRelativeToTheCurrentDirectory) {
    fs.AddFile("C:\\WINDOWS\\Temp\\x.tmp");
    fs.AddFile("C:\\WINDOWS\\keep.ini");
    fs.SetCurrentDirectory("C:\\WINDOWS");
    PurgeFolder(fs, "Temp", kWindows, {.clearAttributes = true});
    EXPECT_FALSE(fs.FileExists("C:\\WINDOWS\\Temp\\x.tmp"));
    EXPECT_TRUE(fs.DirectoryExists("C:\\WINDOWS\\Temp"));
    EXPECT_TRUE(fs.FileExists("C:\\WINDOWS\\keep.ini"));
}

using enginetest::Recorded;

void BuildMixedTree(FakeFileSystem& files) {
    files.AddFile("C:\\Outside\\keep.txt", "precious");
    files.AddFile("C:\\T\\a.txt", "12345");
    files.AddFile("C:\\T\\ro.txt", "ro", attr::kReadOnly);
    files.AddFile("C:\\T\\sub1\\locked.dat", "L");
    files.AddFile("C:\\T\\sub1\\after.txt", "after");
    files.AddFile("C:\\T\\sub2\\x", "x");
    files.AddFile("C:\\T\\Content.IE5\\y.htm", "yy");
    files.AddFolderLink("C:\\T\\junction", "C:\\Outside");
    files.AddFileLink("C:\\T\\file.lnk", "C:\\Outside\\keep.txt");
    files.SetInUse("C:\\T\\sub1\\locked.dat");
}

TEST(PurgePreview, FindsExactlyWhatTheCleanThenDeletesAndChangesNothing) {
    for (bool clear : {false, true})
        for (bool stop : {false, true})
            for (const char* folder : {"C:\\T", "C:\\T\\"}) {
                FakeFileSystem files;
                BuildMixedTree(files);
                const auto before = files.Snapshot("C:\\");
                Recorded preview, clean;
                EXPECT_TRUE(PurgeFolder(files, folder, kWindows,
                                        {.clearAttributes = clear,
                                         .stopOnFailure = stop,
                                         .mode = engine::PurgeMode::Preview,
                                         .report = &preview}));
                EXPECT_EQ(files.Snapshot("C:\\"), before);
                EXPECT_TRUE(PurgeFolder(
                    files, folder, kWindows,
                    {.clearAttributes = clear, .stopOnFailure = stop, .report = &clean}));
                const std::string what = std::string(folder) + " clear " + std::to_string(clear) +
                                         " stop " + std::to_string(stop);
                EXPECT_EQ(preview.deleted, clean.deleted) << what;
                EXPECT_EQ(preview.removed, clean.removed) << what;
                EXPECT_EQ(preview.bytes, clean.bytes) << what;
                EXPECT_EQ(clean.deleted.size(), files.log.size() - clean.removed.size()) << what;
                // Every failure is told once, with its reason; the clean's may be the system's.
                EXPECT_EQ(preview.failed.size(), clean.failed.size()) << what;
            }
}

TEST(PurgePreview, ReportsRefusalsAndWhyEntriesStay) {
    FakeFileSystem files;
    BuildMixedTree(files);
    Recorded report;
    EXPECT_FALSE(PurgeFolder(files, "C:\\", kWindows, {.report = &report}));
    EXPECT_EQ(report.refused, std::vector<std::string>{"C:\\"});
    PurgeFolder(files, "C:\\T", kWindows, {.report = &report});
    EXPECT_EQ(report.failed,
              (std::vector<std::string>{
                  "\\\\?\\C:\\T\\ro.txt: Access is denied.",
                  "\\\\?\\C:\\T\\sub1\\locked.dat: The process cannot access the file because it "
                  "is being used by another process.",
                  "\\\\?\\C:\\T\\sub1: The directory is not empty.",
                  std::string("\\\\?\\C:\\T\\junction: ") + engine::kReasonLink,
                  std::string("\\\\?\\C:\\T\\file.lnk: ") + engine::kReasonElsewhere}));
}

TEST(EntryPath, OnlyTrailingDotsAndSpacesBelowTheTargetAreForgiven) {
    const std::string t = "\\\\?\\C:\\T";
    struct Case {
        const char* final;
        const char* expected;
        bool same;
    } cases[] = {
        {"\\\\?\\C:\\T\\a", "\\\\?\\C:\\T\\a", true},
        {"\\\\?\\C:\\T\\a\\b", "\\\\?\\C:\\T\\a.\\b ", true},
        {"\\\\?\\C:\\T\\A", "\\\\?\\C:\\T\\a", false},   // another name, not another spelling
        {"\\\\?\\C:\\T.\\a", "\\\\?\\C:\\T\\a", false},  // the target's part is exact
        {"\\\\?\\C:\\Outside\\a", "\\\\?\\C:\\T\\a", false},
        {"\\\\?\\C:\\T\\a\\b", "\\\\?\\C:\\T\\a", false},
        {"\\\\?\\C:\\T", "\\\\?\\C:\\T\\a", false},
        {"\\\\?\\C:\\T\\...", "\\\\?\\C:\\T\\...", false},  // nothing left to compare
        {"", "\\\\?\\C:\\T\\a", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(engine::IsEntryAt(c.final, c.expected, t.size()), c.same) << c.final;
}

}  // namespace
