// The Win32 file system against real files, and the purge over it: attributes, files in
// use, long paths, and links (made from the Linux side under Wine, by Windows itself there).
#include "platform/win32/files_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "engine/purge.h"
#include "engine/purge_report.h"
#include "engine/purge_target.h"
#include "platform/win32/text.h"
#include "win/support/links.h"

namespace {

namespace attr = platform::attr;
using engine::DeleteFileChecked;
const std::string kWindows = "C:\\windows";
using platform::win32::FileSystemWin32;
using platform::win32::Narrow;
using platform::win32::Widen;
using wintest::MakeLink;
using wintest::Present;
using wintest::RunLinux;
using wintest::UnixPath;
using wintest::WaitFor;

struct HandleGuard {
    HANDLE h;
    ~HandleGuard() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

class Win32Files : public ::testing::Test {
  protected:
    FileSystemWin32 fs;
    std::string root;  // a fresh folder for this test, without trailing backslash

    void SetUp() override {
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        root = Narrow(temp) + "skarvel-files-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(GetTickCount64()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(fs.CreateFolder(root)) << root;
    }

    void TearDown() override {
        // Links, names a plain path cannot reach and deep trees: Linux removes them all; on
        // Windows the purge takes the names, the shell the links.
        if (!wintest::RemoveTree(root)) {
            engine::RemoveTree(fs, root, kWindows, {.clearAttributes = true, .removeRoot = true});
            wintest::RemoveTree(root);
        }
    }

    void Write(const std::string& path, const std::string& bytes,
               std::uint32_t attributes = attr::kArchive) {
        std::string error;
        ASSERT_TRUE(fs.WriteFile(path, bytes, error)) << path << ": " << error;
        if (attributes != attr::kArchive) {
            ASSERT_TRUE(fs.SetAttributes(path, attributes));
        }
    }
};

TEST_F(Win32Files, AttributesEnumerationAndReadOnlyFiles) {
    Write(root + "\\ro.txt", "r", attr::kReadOnly);
    Write(root + "\\hs.dat", "h", attr::kHidden | attr::kSystem);
    ASSERT_TRUE(fs.CreateFolder(root + "\\sub"));
    EXPECT_FALSE(fs.CreateFolder(root + "\\sub"));

    std::vector<platform::DirEntry> entries;
    ASSERT_TRUE(fs.Enumerate(root + "\\*", entries));
    std::map<std::string, std::uint32_t> seen;
    for (const auto& e : entries) seen[e.name] = e.attributes;
    EXPECT_TRUE(seen.count(".") && seen.count(".."));
    EXPECT_EQ(seen["ro.txt"] & attr::kReadOnly, attr::kReadOnly);
    EXPECT_EQ(seen["hs.dat"] & (attr::kHidden | attr::kSystem), attr::kHidden | attr::kSystem);
    EXPECT_EQ(seen["sub"] & attr::kDirectory, attr::kDirectory);
    EXPECT_FALSE(fs.Enumerate(root + "\\missing\\*", entries));

    EXPECT_TRUE(fs.DirectoryExists(root + "\\sub") && !fs.FileExists(root + "\\sub"));
    EXPECT_TRUE(fs.FileExists(root + "\\ro.txt") && !fs.DirectoryExists(root + "\\ro.txt"));
    EXPECT_FALSE(fs.Attributes(root + "\\nothing").has_value());

    EXPECT_FALSE(DeleteFileChecked(fs, root + "\\ro.txt"));  // read-only: refused
    EXPECT_FALSE(DeleteFileChecked(fs, root + "\\sub"));     // a folder is not a file
    EXPECT_TRUE(fs.FileExists(root + "\\ro.txt"));
    ASSERT_TRUE(fs.SetAttributes(root + "\\ro.txt", attr::kArchive));
    EXPECT_EQ(fs.Attributes(root + "\\ro.txt"), attr::kArchive);
    EXPECT_TRUE(DeleteFileChecked(fs, root + "\\ro.txt"));
    EXPECT_FALSE(fs.FileExists(root + "\\ro.txt"));
    EXPECT_TRUE(DeleteFileChecked(fs, root + "\\hs.dat"));  // hidden and system do not stop it
}

TEST_F(Win32Files, FileInUseIsLeftAndPurgeClearsAttributes) {
    Write(root + "\\busy.log", "busy");
    Write(root + "\\a\\..\\ro.txt", "r", attr::kReadOnly | attr::kHidden | attr::kSystem);
    ASSERT_TRUE(fs.CreateFolder(root + "\\Content.IE5"));
    Write(root + "\\Content.IE5\\x.htm", "x");
    HandleGuard other{CreateFileW(Widen(root + "\\busy.log").c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                  nullptr)};
    ASSERT_NE(other.h, INVALID_HANDLE_VALUE);

    EXPECT_FALSE(DeleteFileChecked(fs, root + "\\busy.log"));
    engine::PurgeFolder(fs, root, kWindows, {.clearAttributes = true});
    EXPECT_EQ(fs.ReadFile(root + "\\busy.log"), "busy");
    EXPECT_FALSE(fs.FileExists(root + "\\ro.txt"));
    EXPECT_FALSE(fs.DirectoryExists(root + "\\Content.IE5"));
    EXPECT_TRUE(fs.DirectoryExists(root));

    CloseHandle(other.h);
    other.h = INVALID_HANDLE_VALUE;
    EXPECT_TRUE(DeleteFileChecked(fs, root + "\\busy.log"));
}

TEST_F(Win32Files, PathsLongerThanTheOldLimit) {
    std::string deep = root;
    const std::string segment(60, 'd');
    for (int i = 0; i < 6; ++i) {
        deep += "\\" + segment + std::to_string(i);
        ASSERT_TRUE(fs.CreateFolder(deep)) << deep.size();
    }
    ASSERT_GT(deep.size(), 300u);
    Write(deep + "\\long.txt", "far down");
    Write(deep + "\\gone.txt", "x");
    EXPECT_TRUE(DeleteFileChecked(fs, deep + "\\gone.txt"));
    EXPECT_EQ(fs.ReadFile(deep + "\\long.txt"), "far down");
    EXPECT_TRUE(fs.CopyFileTo(deep + "\\long.txt", deep + "\\copy.txt", false));
    EXPECT_FALSE(fs.CopyFileTo(deep + "\\long.txt", deep + "\\copy.txt", false));
    EXPECT_TRUE(fs.CopyFileTo(deep + "\\long.txt", deep + "\\copy.txt", true));
    std::vector<platform::DirEntry> entries;
    EXPECT_TRUE(fs.Enumerate(deep + "\\*.txt", entries));
    EXPECT_EQ(entries.size(), 2u);

    EXPECT_TRUE(engine::PurgeFolder(fs, root, kWindows, {}));
    EXPECT_FALSE(fs.DirectoryExists(root + "\\" + segment + "0"));
    EXPECT_TRUE(fs.DirectoryExists(root));
}

TEST_F(Win32Files, WholeFileAccessAndItsErrors) {
    std::string bytes(200000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    Write(root + "\\data.bin", bytes);
    EXPECT_EQ(fs.ReadFile(root + "\\data.bin"), bytes);
    EXPECT_FALSE(fs.ReadFile(root + "\\none.bin").has_value());
    EXPECT_FALSE(fs.CopyFileTo(root + "\\none.bin", root + "\\copy.bin", true));

    ASSERT_TRUE(fs.CreateFolder(root + "\\dir"));
    std::string error;
    EXPECT_FALSE(fs.WriteFile(root + "\\dir", "x", error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(fs.WriteFile(root + "\\no\\such\\file.txt", "x", error));
    EXPECT_FALSE(error.empty());

    HandleGuard holder{CreateFileW(Widen(root + "\\data.bin").c_str(), GENERIC_READ,
                                   FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)};
    error.clear();
    EXPECT_FALSE(fs.WriteFile(root + "\\data.bin", "y", error));
    EXPECT_FALSE(error.empty());
}

TEST_F(Win32Files, ShortAndRelativeSpellingsStillDelete) {
    ASSERT_TRUE(fs.CreateFolder(root + "\\A Long Folder Name"));
    Write(root + "\\A Long Folder Name\\one.txt", "1");
    Write(root + "\\A Long Folder Name\\two.txt", "2");
    wchar_t shortPath[1024];
    DWORD n = GetShortPathNameW(Widen(root + "\\A Long Folder Name").c_str(), shortPath, 1024);
    ASSERT_GT(n, 0u);
    EXPECT_TRUE(DeleteFileChecked(fs, Narrow(shortPath) + "\\one.txt"));

    std::string saved = fs.CurrentDirectory();
    ASSERT_TRUE(SetCurrentDirectoryW(Widen(root).c_str()));
    EXPECT_EQ(FileSystemWin32::LongPath("x").substr(0, 4), L"\\\\?\\");
    EXPECT_TRUE(DeleteFileChecked(fs, "A Long Folder Name\\two.txt"));
    SetCurrentDirectoryW(Widen(saved).c_str());
    EXPECT_FALSE(fs.FileExists(root + "\\A Long Folder Name\\two.txt"));
}

TEST_F(Win32Files, LinksToOutsideDataSurviveAPurge) {
    if (const std::string why = wintest::WhyNoLinks(root); !why.empty()) GTEST_SKIP() << why;
    const std::string outside = root + "\\outside";
    const std::string target = root + "\\target";
    const std::string literal = "\\\\?\\" + target;
    ASSERT_TRUE(fs.CreateFolder(outside) && fs.CreateFolder(outside + "\\sub"));
    Write(outside + "\\precious.doc", "precious bytes");
    Write(outside + "\\ro.ini", "read-only bytes", attr::kReadOnly);
    Write(outside + "\\sub\\deep.dat", "deep bytes");
    ASSERT_TRUE(fs.CreateFolder(target) && fs.CreateFolder(target + "\\nested"));
    Write(target + "\\junk.tmp", "junk");
    Write(target + "\\nested\\junk2", "junk");
    ASSERT_TRUE(MakeLink(outside, target + "\\dirlink"));
    ASSERT_TRUE(MakeLink(outside + "\\sub", target + "\\nested\\sublink"));
    ASSERT_TRUE(MakeLink(outside + "\\precious.doc", target + "\\filelink.doc"));
    ASSERT_TRUE(MakeLink(outside + "\\ro.ini", target + "\\rolink"));
    ASSERT_TRUE(MakeLink(outside + "\\sub\\deep.dat", target + "\\nested\\deeplink"));
    ASSERT_TRUE(MakeLink(target + "\\nested\\loop", target + "\\nested\\loop"));
    ASSERT_TRUE(MakeLink(root + "\\nowhere", target + "\\dangling"));
    // The twins a normalising walk mistook for the links beside them: "sib." and "tw ".
    ASSERT_TRUE(MakeLink(outside, target + "\\sib"));
    ASSERT_TRUE(fs.CreateFolder(literal + "\\sib."));
    Write(literal + "\\sib.\\precious.doc", "junk");
    ASSERT_TRUE(MakeLink(outside + "\\sub", target + "\\tw"));
    ASSERT_TRUE(fs.CreateFolder(literal + "\\tw "));
    Write(literal + "\\tw \\deep.dat", "junk");
    Write(literal + "\\trailingdot.", "junk");
    Write(literal + "\\trailsp ", "junk");
    ASSERT_TRUE(MakeLink(outside + "\\precious.doc", literal + "\\linkdot."));

    // A directory link is a reparse point. Under Wine a file link looks like a plain file whose
    // final path is its target's, so it is refused; Windows deletes the link itself.
    EXPECT_EQ(
        fs.Attributes(target + "\\dirlink").value_or(0) & (attr::kDirectory | attr::kReparsePoint),
        attr::kDirectory | attr::kReparsePoint);
    EXPECT_EQ(DeleteFileChecked(fs, target + "\\filelink.doc"), !wintest::UnderWine());

    for (bool clear : {true, false})
        for (bool stop : {false, true}) {
            engine::PurgeFolder(fs, target, kWindows,
                                {.clearAttributes = clear, .stopOnFailure = stop});
            engine::PurgeFolder(fs, target + "\\", kWindows,
                                {.clearAttributes = clear, .stopOnFailure = stop});
        }

    EXPECT_EQ(fs.ReadFile(outside + "\\precious.doc"), "precious bytes");
    EXPECT_EQ(fs.ReadFile(outside + "\\ro.ini"), "read-only bytes");
    EXPECT_EQ(fs.Attributes(outside + "\\ro.ini").value_or(0) & attr::kReadOnly, attr::kReadOnly);
    EXPECT_EQ(fs.ReadFile(outside + "\\sub\\deep.dat"), "deep bytes");
    for (const char* gone :
         {"\\junk.tmp", "\\nested\\junk2", "\\sib.", "\\tw ", "\\trailingdot.", "\\trailsp "})
        EXPECT_FALSE(fs.Attributes(literal + gone).has_value()) << gone;
    for (const char* kept : {"\\dirlink", "\\sib", "\\tw", "\\nested\\sublink"})
        EXPECT_TRUE(fs.DirectoryExists(target + kept)) << kept;

    // A target that is itself a link is not emptied: it is not where it is spelled.
    ASSERT_TRUE(MakeLink(target + "\\nested", root + "\\rootlink"));
    Write(target + "\\nested\\fresh.txt", "fresh");
    EXPECT_FALSE(engine::PurgeFolder(fs, root + "\\rootlink", kWindows, {.clearAttributes = true}));
    EXPECT_EQ(fs.ReadFile(target + "\\nested\\fresh.txt"), "fresh");
}

// A folder of the same file system bind-mounted inside the target shows no sign of itself
// through any handle (a plain folder, the volume serial and file index of its source): only
// the Unix mount table tells. It is neither entered nor removed, nor reported removed.
TEST_F(Win32Files, ABindMountInsideTheTargetIsNotEntered) {
    const std::string unixRoot = UnixPath(root);
    if (unixRoot.empty()) GTEST_SKIP() << "mounts are made from the Linux side";
    ASSERT_TRUE(fs.CreateFolder(root + "\\outside") && fs.CreateFolder(root + "\\T") &&
                fs.CreateFolder(root + "\\T\\sub") && fs.CreateFolder(root + "\\T\\sub\\bound"));
    Write(root + "\\outside\\precious.doc", "precious");
    Write(root + "\\T\\junk.tmp", "junk");
    RunLinux(L"Z:\\bin\\sh -c \"cd '" + Widen(unixRoot) +
             L"' && mount --bind outside T/sub/bound && touch mounted\"");
    if (!WaitFor(root + "\\mounted", true, 3000))
        GTEST_SKIP() << "no bind mount can be made here (it needs root or a mount namespace)";
    // Unmounted before the folder is removed, whatever the test found.
    struct Unmount {
        std::string root;
        ~Unmount() {
            RunLinux(L"Z:\\bin\\sh -c \"cd '" + Widen(UnixPath(root)) +
                     L"' && umount T/sub/bound && rm mounted\"");
            (void)WaitFor(root + "\\mounted", false);
        }
    } unmount{root};

    struct Report : engine::PurgeReport {
        std::vector<std::string> removed, failed;
        void Deleted(const std::string&, std::uint64_t) override {}
        void Removed(const std::string& path) override { removed.push_back(path); }
        void Failed(const std::string& path, const std::string& reason) override {
            failed.push_back(path + ": " + reason);
        }
        void Refused(const std::string&, const std::string&) override {}
        void Stopped(const std::string&, const std::string&) override {}
        void Entered(const std::string&) override {}
    } report;
    EXPECT_TRUE(engine::PurgeFolder(fs, root + "\\T\\", kWindows,
                                    {.clearAttributes = true, .report = &report}));
    EXPECT_EQ(fs.ReadFile(root + "\\outside\\precious.doc"), "precious");
    EXPECT_EQ(fs.ReadFile(root + "\\T\\sub\\bound\\precious.doc"), "precious");
    EXPECT_FALSE(fs.FileExists(root + "\\T\\junk.tmp"));
    EXPECT_TRUE(report.removed.empty());
    ASSERT_EQ(report.failed.size(), 1u);
    EXPECT_NE(report.failed[0].find(engine::kReasonMountPoint), std::string::npos)
        << report.failed[0];
}

// A folder turns into a link to outside data and back, again and again, from the Linux side
// while the purge runs over and over: whatever the timing, nothing outside is lost. The swaps
// go on until the purges are done, however long a loaded machine makes them take.
TEST_F(Win32Files, AFolderSwappedForALinkMidWalkLeadsNowhere) {
    const std::string unixRoot = UnixPath(root);
    if (unixRoot.empty()) GTEST_SKIP() << "links are made from the Linux side";
    ASSERT_TRUE(fs.CreateFolder(root + "\\outside") && fs.CreateFolder(root + "\\T"));
    for (const char* name : {"junk", "a.tmp", "b.tmp"})
        Write(root + "\\outside\\" + name, "precious");
    const std::string script =
        "cd '" + unixRoot +
        "' && end=$(( $(date +%s) + 120 )); "
        "while [ ! -e stop ] && [ $(date +%s) -lt $end ]; do "
        "mkdir -p T/victim && touch T/victim/junk T/victim/a.tmp T/victim/b.tmp; "
        "mv -T T/victim T/held; ln -s ../outside T/victim; rm T/victim; mv -T T/held T/victim; "
        "done; touch done";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring command = L"Z:\\bin\\sh -c \"" + Widen(script) + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    wintest::CloseProcessHandles(pi);
    ASSERT_TRUE(WaitFor(root + "\\T\\victim", true)) << "the swaps did not start";
    for (int run = 0; run < 30 && !Present(root + "\\done"); ++run)
        engine::PurgeFolder(fs, root + "\\T", kWindows, {.clearAttributes = run % 2 == 0});
    EXPECT_FALSE(Present(root + "\\done")) << "the swaps ended before the purges";
    Write(root + "\\stop", "");
    EXPECT_TRUE(WaitFor(root + "\\done", true)) << "the swaps did not stop";
    for (const char* name : {"junk", "a.tmp", "b.tmp"})
        EXPECT_EQ(fs.ReadFile(root + "\\outside\\" + name), "precious") << name;
}

// Ten thousand nested folders, made from the Linux side: the walk keeps its own stack. Wine
// reaches only as deep as a Unix path may be long; what it cannot reach stays.
TEST_F(Win32Files, ATenThousandLevelTreeIsPurgedWithoutACrash) {
    const std::string unixRoot = UnixPath(root);
    if (unixRoot.empty()) GTEST_SKIP() << "the tree is made from the Linux side";
    RunLinux(L"Z:\\bin\\sh -c \"cd '" + Widen(unixRoot) +
             L"' && mkdir -p deep/$(printf 'eleven_char/%.0s' $(seq 10000)) && touch made\"");
    ASSERT_TRUE(WaitFor(root + "\\made", true)) << "timed out waiting for the deep tree's marker";
    EXPECT_TRUE(engine::PurgeFolder(fs, root + "\\deep", kWindows, {}));
    EXPECT_TRUE(fs.DirectoryExists(root + "\\deep"));
}

// The Windows folder behind every spelling Wine can open, and a stand-in for it that may be
// put at risk: refused, and nothing in it touched.
TEST_F(Win32Files, TheWindowsFolderIsRefusedHoweverItIsSpelt) {
    for (const std::string& path :
         {std::string("C:\\windows"), std::string("c:\\WINDOWS\\"),
          std::string("\\\\?\\C:\\windows"), std::string("\\\\.\\C:\\windows"),
          std::string("C:\\windows\\system32\\.."), std::string("C:\\windows."),
          std::string("C:\\windows::$INDEX_ALLOCATION"), std::string("C:\\"), std::string("Z:\\"),
          std::string("\\\\?\\Z:\\")})
        EXPECT_FALSE(engine::IsSafePurgeTarget(fs, path, kWindows)) << path;

    const std::string w = root + "\\W";
    ASSERT_TRUE(fs.CreateFolder(w) && fs.CreateFolder(w + "\\sub"));
    Write(w + "\\system.ini", "keep");
    const std::string final = "\\\\?\\" + w;
    std::vector<std::string> spellings = {
        w,   w + "\\", final, "\\\\.\\" + w, w + "\\sub\\..", w + ".", w + "::$INDEX_ALLOCATION",
        root};
    if (wintest::WhyNoLinks(root).empty()) {
        ASSERT_TRUE(MakeLink(w, root + "\\wlink"));
        spellings.push_back(root + "\\wlink");
    }
    for (const std::string& path : spellings) {
        EXPECT_FALSE(engine::PurgeFolder(fs, path, w, {.clearAttributes = true})) << path;
        EXPECT_EQ(fs.ReadFile(w + "\\system.ini"), "keep") << path;
    }
    EXPECT_TRUE(engine::IsSafePurgeTarget(fs, w + "\\sub", w));
}

// The system's own folders, as the known-folder lookup finds them here, and every folder
// holding one: refused, each by its path as the system spells it.
TEST_F(Win32Files, TheKnownFoldersAreFoundAndRefused) {
    using platform::KnownFolder;
    for (KnownFolder id :
         {KnownFolder::DriveRoots, KnownFolder::Windows, KnownFolder::System,
          KnownFolder::ProgramFiles, KnownFolder::ProgramData, KnownFolder::ProfilesRoot,
          KnownFolder::Profiles, KnownFolder::Desktop, KnownFolder::Documents,
          KnownFolder::RoamingAppData, KnownFolder::LocalAppData, KnownFolder::Program}) {
        const std::vector<std::string> paths = fs.KnownFolderPaths(id);
        EXPECT_FALSE(paths.empty()) << static_cast<int>(id);
        for (const std::string& path : paths) {
            EXPECT_TRUE(fs.DirectoryExists(path)) << path;
            EXPECT_FALSE(engine::IsSafePurgeTarget(fs, path, kWindows)) << path;
            const std::string parent = path.substr(0, path.find_last_of('\\', path.size() - 2));
            EXPECT_FALSE(engine::IsSafePurgeTarget(fs, parent, kWindows)) << parent;
        }
    }
    EXPECT_TRUE(engine::IsSafePurgeTarget(fs, root, kWindows));
}

}  // namespace
