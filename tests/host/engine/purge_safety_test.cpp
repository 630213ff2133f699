// Where a purge target comes from is not to be trusted: a folder is emptied only where it is
// spelled, never when it is or holds a folder the system or a user lives in, and a purge
// tells only what it really deleted.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/purge.h"
#include "engine/purge_target.h"
#include "fakes/fake_file_system.h"
#include "platform/portable/path_text.h"
#include "recorded_report.h"

namespace {

namespace attr = platform::attr;
using engine::PurgeFolder;
using engine::PurgeMode;
using enginetest::Recorded;
using fakes::FakeFileSystem;
using platform::KnownFolder;

const std::string kWindows = "C:\\WINDOWS";

Recorded Clean(FakeFileSystem& files, const std::string& folder, bool clearAttributes = true,
               PurgeMode mode = PurgeMode::Clean) {
    Recorded report;
    (void)PurgeFolder(files, folder, kWindows,
                      {.clearAttributes = clearAttributes, .mode = mode, .report = &report});
    return report;
}

// A target that is a link, a link on its way, a subst drive or a mount point leads somewhere
// the caller did not name: refused, saying where it leads. Case, short names, a trailing
// separator and the literal prefix are only other spellings of the same place.
TEST(PurgeTarget, IsEmptiedOnlyWhereItIsSpelled) {
    struct Case {
        const char* path;
        const char* refusal;  // empty: emptied
    } cases[] = {
        {"C:\\p\\T", "reached through a link: C:\\data"},
        {"C:\\p\\T\\", "reached through a link: C:\\data"},
        {"C:\\l\\T", "reached through a link: C:\\real\\T"},
        {"S:\\T", "reached through a link: C:\\real\\T"},
        {"C:\\m", "a link, junction or mount point: C:\\m"},
        {"C:\\n", "a link, junction or mount point: C:\\n"},
        {"C:\\real\\T", ""},
        {"c:\\REAL\\t\\", ""},
        {"\\\\?\\C:\\real\\T", ""},
        {"C:\\LONGFO~1\\T", ""},
        {"C:\\Long Folder\\T\\..\\T\\.", ""},
    };
    for (const Case& c : cases) {
        FakeFileSystem files;
        files.AddFile("C:\\data\\report.doc", "precious");
        files.AddFile("C:\\data\\sub\\deep.doc", "precious");
        files.AddFolderLink("C:\\p\\T", "C:\\data");
        files.AddFile("C:\\real\\T\\junk.tmp", "junk");
        files.AddFolderLink("C:\\l", "C:\\real");
        files.AddAlias("S:", "C:\\real");
        files.AddFile("\\\\?\\Volume{b}\\volume.doc", "precious");
        files.AddMountPoint("C:\\m", "\\\\?\\Volume{b}");  // as Wine shows a bind mount
        files.AddFile("\\\\?\\Volume{e}\\volume.doc", "precious");
        files.AddMountPoint("C:\\n", "\\\\?\\Volume{e}", true);  // as Windows shows one
        files.AddFile("C:\\Long Folder\\T\\junk.tmp", "junk");
        files.SetShortName("C:\\Long Folder", "LONGFO~1");
        const auto before = files.Snapshot("C:\\");

        const Recorded report = Clean(files, c.path);
        if (*c.refusal != '\0') {
            EXPECT_EQ(report.reasons, std::vector<std::string>{c.refusal}) << c.path;
            EXPECT_EQ(files.Snapshot("C:\\"), before) << c.path;
            EXPECT_EQ(files.ReadFile("\\\\?\\Volume{b}\\volume.doc"), "precious");
            EXPECT_EQ(files.ReadFile("\\\\?\\Volume{e}\\volume.doc"), "precious");
        } else {
            EXPECT_TRUE(report.refused.empty()) << c.path << ": " << report.reasons[0];
            EXPECT_EQ(report.deleted.size(), 1u) << c.path;
        }
    }
}

// Every folder of the table, and every folder holding one, in the spellings a caller may use;
// folders inside them may still be emptied.
TEST(PurgeTarget, ProtectedFoldersAndTheFoldersHoldingThemAreRefused) {
    FakeFileSystem files;
    const std::map<KnownFolder, std::vector<std::string>> known = {
        {KnownFolder::Windows, {"C:\\WINDOWS"}},
        {KnownFolder::System, {"C:\\WINDOWS\\system32"}},
        {KnownFolder::SystemX86, {"C:\\WINDOWS\\SysWOW64"}},
        {KnownFolder::ProgramFiles, {"C:\\Program Files"}},
        {KnownFolder::ProgramFilesX86, {"C:\\Program Files (x86)"}},
        {KnownFolder::ProgramData, {"C:\\ProgramData"}},
        {KnownFolder::ProfilesRoot, {"C:\\Users"}},
        {KnownFolder::Profiles,
         {"C:\\Users\\me", "C:\\Users\\other", "C:\\WINDOWS\\ServiceProfiles\\LocalService"}},
        {KnownFolder::Desktop, {"C:\\Users\\me\\Desktop"}},
        {KnownFolder::Documents, {"D:\\Redirected\\Documents"}},
        {KnownFolder::Downloads, {"C:\\Users\\me\\Downloads"}},
        {KnownFolder::Pictures, {"C:\\Users\\me\\Pictures"}},
        {KnownFolder::Music, {"C:\\Users\\me\\Music"}},
        {KnownFolder::Videos, {"C:\\Users\\me\\Videos"}},
        {KnownFolder::RoamingAppData, {"C:\\Users\\me\\AppData\\Roaming"}},
        {KnownFolder::LocalAppData, {"C:\\Users\\me\\AppData\\Local"}},
        {KnownFolder::Program, {"C:\\Tools\\Skarvel\\"}},
    };
    for (const auto& [id, paths] : known) {
        files.knownFolders[id] = paths;
        for (const std::string& path : paths) files.AddFile(path + "\\keep.dat", "precious");
    }
    files.knownFolders[KnownFolder::CurrentProfile] = {"C:\\Users\\me"};
    files.AddFile("C:\\Users\\me\\AppData\\Local\\Temp\\junk.tmp");
    files.AddFile("C:\\WINDOWS\\Temp\\junk.tmp");
    files.AddFile("C:\\Tools\\Skarvel\\log\\old.log");
    files.SetShortName("C:\\Program Files", "PROGRA~1");
    files.SetShortName("C:\\Users\\me\\AppData", "APPDAT~1");
    files.AddFolderLink("C:\\Temp\\docs", "D:\\Redirected\\Documents");
    files.SetCurrentDirectory("C:\\Users\\me\\AppData\\Local\\Temp");
    files.AddAlias("\\\\localhost\\C$", "C:\\");
    files.AddAlias("\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1", "C:\\");
    files.AddAlias("M:", "C:\\");  // a mapped drive
    const auto before = files.Snapshot("C:\\");
    const auto documents = files.Snapshot("D:\\");

    auto refused = [&](const std::string& path) {
        const Recorded report = Clean(files, path);
        return report.reasons.empty() ? std::string() : report.reasons[0];
    };
    for (const auto& [id, paths] : known)
        for (std::string path : paths) {
            if (path.back() == '\\') path.pop_back();
            std::vector<std::string> spellings = {path,
                                                  path + "\\",
                                                  path + "\\.",
                                                  path + "\\none\\..",
                                                  platform::LowerAscii(path),
                                                  "\\\\?\\" + path + "\\",
                                                  "\\\\.\\" + path,
                                                  path + "::$INDEX_ALLOCATION"};
            if (path.starts_with("C:"))  // the other names of drive C:
                for (const char* drive :
                     {"\\\\localhost\\C$", "\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1", "M:"})
                    spellings.push_back(drive + path.substr(2));
            for (const std::string& spelling : spellings)
                EXPECT_NE(refused(spelling), "") << spelling;
        }
    for (const char* path : {"C:\\Users\\me\\AppData", "C:\\Users\\me\\APPDAT~1", "D:\\Redirected",
                             "C:\\Tools", "C:\\WINDOWS\\ServiceProfiles", "C:\\PROGRA~1", "..\\..",
                             "..", "C:\\Temp\\docs", "C:\\Users\\me\\AppData\\Local\\Temp\\.."})
        EXPECT_NE(refused(path), "") << path;
    EXPECT_EQ(refused("C:\\Users\\me"), "a user profile: C:\\Users\\me");
    EXPECT_EQ(refused("D:\\Redirected"), "holds the Documents folder: D:\\Redirected\\Documents");
    EXPECT_EQ(files.Snapshot("C:\\"), before);
    EXPECT_EQ(files.Snapshot("D:\\"), documents);

    for (const char* path : {"C:\\Users\\me\\AppData\\Local\\Temp\\", "C:\\WINDOWS\\Temp", "."})
        EXPECT_EQ(refused(path), "") << path;
    EXPECT_EQ(files.Snapshot("C:\\Users\\me\\AppData\\Local\\Temp").size(), 1u);
}

// Protected trees, not folders: what lies inside the folders no one may empty is refused
// whoever names it; a folder from the environment or another program's files may also not lie
// in the system's, the programs' or the user's own trees; a definition may name a program's
// folder there. Each by identity: a short name does not get past.
TEST(PurgeTarget, ThreeRingsByWhoNamesTheTarget) {
    FakeFileSystem files;
    files.knownFolders = {
        {KnownFolder::Windows, {"C:\\WINDOWS"}},
        {KnownFolder::System, {"C:\\WINDOWS\\system32"}},
        {KnownFolder::SystemX86, {"C:\\WINDOWS\\SysWOW64"}},
        {KnownFolder::ProgramFiles, {"C:\\Program Files"}},
        {KnownFolder::ProgramFilesX86, {"C:\\Program Files (x86)"}},
        {KnownFolder::ProgramData, {"C:\\ProgramData"}},
        {KnownFolder::ProfilesRoot, {"C:\\Users"}},
        {KnownFolder::Profiles, {"C:\\Users\\me", "C:\\Users\\other", "C:\\Users\\Public"}},
        {KnownFolder::CurrentProfile, {"C:\\Users\\me"}},
        {KnownFolder::Desktop, {"C:\\Users\\me\\Desktop"}},
        {KnownFolder::Documents, {"D:\\Redirected\\Documents"}},
        {KnownFolder::RoamingAppData, {"C:\\Users\\me\\AppData\\Roaming"}},
        {KnownFolder::LocalAppData, {"C:\\Users\\me\\AppData\\Local"}},
        {KnownFolder::LocalLowAppData, {"C:\\Users\\me\\AppData\\LocalLow"}},
        {KnownFolder::SyncRoots, {"C:\\Users\\me\\OneDrive"}},
        {KnownFolder::Program, {"C:\\Tools\\Skarvel\\"}},
    };
    files.AddFolder("C:\\Program Files");
    files.SetShortName("C:\\Program Files", "PROGRA~1");
    struct Case {
        const char* path;
        const char* system;      // refusal (its start) for a built-in category; "" emptied
        const char* definition;  // for a definition
    } cases[] = {
        {"C:\\WINDOWS\\system32\\LogFiles", "inside the system folder", "inside the system folder"},
        {"C:\\WINDOWS\\system32\\dllcache", "", ""},
        {"C:\\WINDOWS\\SysWOW64\\x", "inside the 32-bit system folder", "inside the 32-bit"},
        {"C:\\WINDOWS\\WinSxS\\Temp", "inside the component store", "inside the component"},
        {"C:\\WINDOWS\\Installer\\x", "inside the installer cache", "inside the installer"},
        {"C:\\WINDOWS\\servicing\\x", "inside the servicing folder", "inside the servicing"},
        {"C:\\$Recycle.Bin\\S-1-5-21", "inside the recycle bin", "inside the recycle bin"},
        {"C:\\System Volume Information\\x", "inside the system volume",
         "inside the system volume"},
        {"C:\\Users\\other\\Documents", "inside another user's profile: C:\\Users\\other",
         "inside another user's profile"},
        {"C:\\Users\\stray\\x", "inside another user's profile: C:\\Users\\stray",
         "inside another user's profile"},
        {"C:\\Users\\Public\\Documents", "inside another user's profile", "inside another"},
        {"C:\\Users\\me\\AppData\\Roaming\\Microsoft\\Protect\\S-1",
         "inside a key or credential store", "inside a key or credential store"},
        {"C:\\Users\\me\\AppData\\Roaming\\Microsoft", "holds a key or credential store",
         "holds a key"},
        {"C:\\Users\\me\\AppData\\Local\\Microsoft\\Vault\\x", "inside a key", "inside a key"},
        {"C:\\Users\\me\\.ssh", "a key or credential store", "a key or credential store"},
        {"C:\\Users\\me\\OneDrive\\Docs", "inside a folder kept in sync", "inside a folder kept"},
        {"C:\\Tools\\Skarvel\\log", "inside this program's folder", "inside this program's folder"},
        {"C:\\Users\\me\\AppData\\Roaming\\Skarvel\\log", "inside this program's data",
         "inside this program's data"},
        {"C:\\WINDOWS\\Vendor", "inside the Windows folder: C:\\WINDOWS", ""},
        {"C:\\WINDOWS\\Logs\\CBS", "inside the Windows folder", ""},
        {"C:\\Program Files\\Vendor", "inside Program Files: C:\\Program Files", ""},
        {"C:\\PROGRA~1\\Vendor\\tmp", "inside Program Files", ""},
        {"C:\\Program Files (x86)\\Vendor", "inside Program Files (x86)", ""},
        {"C:\\ProgramData\\Vendor", "inside the ProgramData folder", ""},
        {"C:\\Users\\me\\.config", "inside your profile, outside its application data", ""},
        {"C:\\Users\\me\\Desktop\\x", "inside your", ""},
        {"D:\\Redirected\\Documents\\3DMark", "inside your own folders", ""},
        // What every built-in category empties, and the places people set TEMP to.
        {"C:\\WINDOWS\\Temp", "", ""},
        {"C:\\WINDOWS\\Prefetch", "", ""},
        {"C:\\WINDOWS\\Minidump", "", ""},
        {"C:\\WINDOWS\\Offline Web Pages", "", ""},
        {"C:\\ProgramData\\Microsoft\\Windows\\WER\\ReportQueue", "", ""},
        {"C:\\Users\\me\\AppData\\Local\\Temp", "", ""},
        {"C:\\Users\\me\\AppData\\Local\\Google\\Chrome\\User Data\\Default\\Cache", "", ""},
        {"C:\\Users\\me\\AppData\\LocalLow\\Vendor", "", ""},
        {"C:\\Users\\me\\AppData\\Roaming\\Microsoft\\Windows\\Recent", "", ""},
        {"C:\\Temp", "", ""},
        {"D:\\Temp", "", ""},
    };
    for (const Case& c : cases) files.AddFile(std::string(c.path) + "\\x.tmp");
    for (const Case& c : cases)
        for (const auto& [source, want] :
             {std::pair{engine::TargetSource::System, c.system},
              std::pair{engine::TargetSource::Definition, c.definition}}) {
            const std::string refusal =
                engine::CheckPurgeTarget(files, c.path, kWindows, source).refusal;
            if (*want == '\0')
                EXPECT_EQ(refusal, "") << c.path;
            else
                EXPECT_TRUE(refusal.starts_with(want)) << c.path << ": " << refusal;
        }
    // The log manager empties the program's own log folder, and nothing else of it.
    for (const char* log :
         {"C:\\Tools\\Skarvel\\log", "C:\\Users\\me\\AppData\\Roaming\\Skarvel\\log"})
        EXPECT_EQ(
            engine::CheckPurgeTarget(files, log, kWindows, engine::TargetSource::OwnLog).refusal,
            "")
            << log;
    EXPECT_NE(engine::CheckPurgeTarget(files, "C:\\Users\\me\\.ssh", kWindows,
                                       engine::TargetSource::OwnLog)
                  .refusal,
              "");
}

// Attributes are the file's, shared by every name it has: a name inside the target of a
// read-only file outside must not make that file writable. Where the system deletes a
// read-only name as it is, the name goes; elsewhere the file stays, and says why.
TEST(PurgeSafety, AFileWithOtherNamesKeepsItsAttributes) {
    for (bool deletesReadOnlyNames : {false, true})
        for (PurgeMode mode : {PurgeMode::Preview, PurgeMode::Clean}) {
            FakeFileSystem files;
            files.deletesReadOnlyNames = deletesReadOnlyNames;
            files.AddFile("C:\\Outside\\ro.ini", "read-only", attr::kReadOnly);
            files.AddFile("C:\\Outside\\hs.sys", "hidden", attr::kHidden | attr::kSystem);
            files.AddHardLink("C:\\T\\ro-name", "C:\\Outside\\ro.ini");
            files.AddHardLink("C:\\T\\sub\\hs-name", "C:\\Outside\\hs.sys");
            files.AddFile("C:\\T\\own.tmp", "own", attr::kReadOnly);
            const auto outside = files.Snapshot("C:\\Outside");

            const Recorded report = Clean(files, "C:\\T", true, mode);
            const std::string what = std::to_string(deletesReadOnlyNames) + " " +
                                     (mode == PurgeMode::Clean ? "clean" : "preview");
            EXPECT_EQ(files.Snapshot("C:\\Outside"), outside) << what;
            const std::vector<std::string> left =
                deletesReadOnlyNames
                    ? std::vector<std::string>{}
                    : std::vector<std::string>{"\\\\?\\C:\\T\\ro-name: " +
                                               std::string(engine::kReasonOtherNames)};
            EXPECT_EQ(report.failed, left) << what;
            EXPECT_EQ(report.deleted.size(), deletesReadOnlyNames ? 3u : 2u) << what;
            if (mode == PurgeMode::Clean) {
                EXPECT_EQ(files.Exists("C:\\T\\ro-name"), !deletesReadOnlyNames) << what;
                EXPECT_FALSE(files.Exists("C:\\T\\sub")) << what;
            }
        }
}

// A mount point may list as a plain folder: its volume, not its listing, shows that its
// contents belong elsewhere. Neither entered nor removed.
TEST(PurgeSafety, AMountPointInsideTheTargetIsNeitherEnteredNorRemoved) {
    for (bool asReparsePoint : {false, true}) {
        FakeFileSystem files;
        const std::string volumeRoot = "\\\\?\\Volume{d}";
        files.AddFile(volumeRoot + "\\data\\precious.doc", "precious");
        files.AddFile("C:\\T\\junk.tmp");
        files.AddMountPoint("C:\\T\\sub\\mnt", volumeRoot, asReparsePoint);
        const auto volume = files.Snapshot(volumeRoot);

        const Recorded report = Clean(files, "C:\\T\\");
        EXPECT_EQ(files.Snapshot(volumeRoot), volume) << asReparsePoint;
        EXPECT_TRUE(files.Exists("C:\\T\\sub\\mnt"));
        EXPECT_FALSE(files.Exists("C:\\T\\junk.tmp"));
        EXPECT_EQ(report.failed.size(), 1u) << asReparsePoint;  // the mount point
        EXPECT_EQ(report.removed, std::vector<std::string>{}) << asReparsePoint;
    }
}

// Only what the folder no longer lists is reported gone; a pass that cannot open the target
// again as itself (swapped for a link, or given a trimmed twin meanwhile) ends the purge, which
// then fails.
TEST(PurgeSafety, ReportsOnlyWhatIsGoneAndFailsWhenAPassCannotReopenTheTarget) {
    FakeFileSystem files;
    files.AddFile("C:\\T\\stays.tmp", "x");
    files.AddFile("C:\\T\\goes.tmp", "x");
    files.AddFolder("C:\\T\\sticky");
    files.SetDeletionIgnored("C:\\T\\stays.tmp");
    files.SetDeletionIgnored("C:\\T\\sticky");
    Recorded report;
    EXPECT_TRUE(PurgeFolder(files, "C:\\T", kWindows, {.report = &report}));
    EXPECT_EQ(report.deleted, std::vector<std::string>{"\\\\?\\C:\\T\\goes.tmp"});
    EXPECT_TRUE(report.removed.empty());
    EXPECT_EQ(report.failed,
              (std::vector<std::string>{
                  "\\\\?\\C:\\T\\stays.tmp: " + std::string(engine::kReasonStillThere),
                  "\\\\?\\C:\\T\\sticky: " + std::string(engine::kReasonStillThere)}));

    for (const char* change : {"swapped for a link", "a trimmed twin"}) {
        FakeFileSystem changed;
        changed.AddFile("C:\\Outside\\keep.txt", "precious");
        changed.AddFile("C:\\T\\a.txt");
        int walks = 0;
        changed.beforeOpen = [&](const std::string& path) {
            if (path != "\\\\?\\C:\\T" || ++walks != 3) return;  // the check, the first pass
            if (std::string(change) == "a trimmed twin") {
                changed.AddFolderLink("\\\\?\\C:\\T.", "C:\\Outside");
            } else {
                changed.Remove("C:\\T");
                changed.AddFolderLink("C:\\T", "C:\\Outside");
            }
        };
        Recorded stopped;
        EXPECT_FALSE(PurgeFolder(changed, "C:\\T\\", kWindows, {.report = &stopped})) << change;
        EXPECT_EQ(stopped.stopped.size(), 1u) << change;
        EXPECT_EQ(changed.ReadFile("C:\\Outside\\keep.txt"), "precious") << change;
    }
}

}  // namespace
