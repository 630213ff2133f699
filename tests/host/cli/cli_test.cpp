// The command-line cleaner against fakes: its arguments, its output, and that its preview
// finds what its clean then deletes.

#include "cli/cli.h"

#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "command_line_fixture.h"
#include "fakes/fake_services.h"

namespace {

namespace attr = platform::attr;
using cli::Command;
using platform::KnownFolder;

// The per-category part of a JSON result, which a preview and its clean share.
std::string CategoriesOf(const std::string& json) {
    return json.substr(json.find("\"categories\""));
}

TEST(CliArguments, ParseOrNameWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        std::string error;  // empty: parses
    } cases[] = {
        {{"--list"}, ""},
        {{"--preview", "temp-user", "temp-windows", "temp-user", "--verbose"}, ""},
        {{"--clean", "recent", "--log", "run.log", "--json", "--quiet"}, ""},
        {{}, "no command"},
        {{"--list", "--clean", "recent"}, "only one of"},
        {{"--preview"}, "needs at least one category id"},
        {{"--list", "recent"}, "category ids go with"},
        {{"--preview", "temp-windows", "--log", "x"}, "--log goes with --clean"},
        {{"--clean", "recent", "--log"}, "--log needs a file name"},
        {{"--preview", "tmp-windows"}, "unknown category 'tmp-windows'"},
        {{"--preview", "recent", "--fast"}, "unknown option '--fast'"},
    };
    for (const Case& c : cases) {
        try {
            cli::CommandLine line = cli::ParseCommandLine(c.args);
            EXPECT_EQ(c.error, "") << c.args.size();
        } catch (const cli::UsageError& error) {
            EXPECT_NE(c.error, "");
            EXPECT_NE(error.message.find(c.error), std::string::npos) << error.message;
        }
    }
    // Ids come back once each, in the run's order.
    cli::CommandLine line =
        cli::ParseCommandLine({"--clean", "offline-pages", "temp-user", "messenger", "temp-user"});
    ASSERT_EQ(line.categories.size(), 3u);
    EXPECT_EQ(line.categories[0]->id, "messenger");
    EXPECT_EQ(line.categories[1]->id, "temp-user");
    EXPECT_EQ(line.categories[2]->id, "offline-pages");
}

class Cli : public clitest::CommandLineTest {
  protected:
    Cli() {
        fake.system.tempFolder = "C:\\Temp\\";
        fake.files.AddFile("C:\\Outside\\keep.doc", "precious");
        fake.files.AddFile("C:\\WINDOWS\\temp\\a.tmp", "12345");
        fake.files.AddFile("C:\\WINDOWS\\temp\\ro.tmp", "ro", attr::kReadOnly);
        fake.files.AddFile("C:\\WINDOWS\\temp\\sub\\b.tmp", "67");
        fake.files.AddFolderLink("C:\\WINDOWS\\temp\\link", "C:\\Outside");
        fake.files.AddFileLink("C:\\WINDOWS\\temp\\keep.lnk", "C:\\Outside\\keep.doc");
        fake.files.AddFile("C:\\Temp\\x.txt", "x");
    }
};

TEST_F(Cli, PreviewFindsWhatTheCleanDeletesAndTouchesNothing) {
    const auto before = fake.files.Snapshot("C:\\");
    // The two links stay: exit code 1 in both.
    EXPECT_EQ(Run({"--preview", "temp-windows", "temp-user", "--json", "--verbose"}), 1);
    EXPECT_EQ(fake.files.Snapshot("C:\\"), before);
    std::string preview = console.out;
    EXPECT_EQ(Run({"--clean", "temp-windows", "temp-user", "--json", "--verbose"}), 1);
    std::string clean = console.out;
    EXPECT_EQ(CategoriesOf(preview), CategoriesOf(clean));
    EXPECT_NE(clean.find("\"files\": 3, \"folders\": 1, \"bytes\": 9"), std::string::npos)
        << clean;  // a.tmp, ro.tmp (attributes cleared), sub\b.tmp and sub
    EXPECT_EQ(fake.files.ReadFile("C:\\Outside\\keep.doc"), "precious");
    EXPECT_TRUE(fake.files.Exists("C:\\WINDOWS\\temp\\link"));
}

TEST_F(Cli, JsonShape) {
    fake.files.SetInUse("C:\\Temp\\x.txt");
    EXPECT_EQ(Run({"--clean", "temp-user", "--json"}), 1);
    EXPECT_EQ(
        console.out,
        "{\"command\": \"clean\", \"exitCode\": 1, \"categories\": [{\"id\": \"temp-user\", "
        "\"name\": \"Temp (User)\", \"target\": \"C:\\\\Temp\\\\\", \"status\": \"done\", "
        "\"files\": 0, \"folders\": 0, \"bytes\": 0, \"kept\": 0, \"paths\": [], \"failures\": "
        "[{\"path\": \"C:\\\\Temp\\\\x.txt\", \"reason\": \"The process cannot access the "
        "file because it is being used by another process.\"}]}]}\n");
}

TEST_F(Cli, ExitCodesTellWhatHappened) {
    EXPECT_EQ(Run({"--preview", "nothing-such"}), cli::kExitUsage);
    EXPECT_NE(console.err.find("unknown category 'nothing-such'"), std::string::npos);
    EXPECT_EQ(Run({"--list"}), cli::kExitDone);
    EXPECT_NE(console.out.find("temp-windows      Temp (Windows)        C:\\WINDOWS\\temp"),
              std::string::npos);
    fake.system.tempFolder = "C:\\";
    EXPECT_EQ(Run({"--preview", "temp-user"}), cli::kExitRefused);
    EXPECT_EQ(Run({"--clean", "temp-user", "prefetch"}), cli::kExitRefused);
    EXPECT_NE(console.out.find("REFUSED"), std::string::npos);
    EXPECT_EQ(Run({"--clean", "temp-windows"}), cli::kExitSomethingLeft);  // the links stay
    EXPECT_NE(console.out.find("left: C:\\WINDOWS\\temp\\keep.lnk"), std::string::npos);
    EXPECT_EQ(Run({"--clean", "prefetch", "drwatson-on", "--log", "C:\\run.log"}), cli::kExitDone);
    EXPECT_EQ(fake.files.ReadFile("C:\\run.log"),
              "Switch on Dr. Watson (\xc2\xea\xeb\xfe\xf7\xe8\xf2\xfc Dr. Watson)\r\n");
}

// A temp path that falls back to the profile, or leads through a link, is refused with its
// reason (exit code 3), and nothing of the profile is listed; a purge that cannot open its
// folder again for a later pass is an error (exit code 1).
TEST_F(Cli, RefusalsSayWhyAndAStoppedPurgeIsAnError) {
    fake.files.knownFolders[platform::KnownFolder::Profiles] = {"C:\\Users\\me"};
    fake.files.AddFile("C:\\Users\\me\\Documents\\cv.doc", "mine");
    fake.files.AddFolderLink("C:\\Link", "C:\\Users\\me\\Documents");
    struct Case {
        const char* temp;
        const char* text;
        const char* json;
    } cases[] = {
        {"C:\\Users\\me\\", "REFUSED: a user profile: C:\\Users\\me\n",
         "\"reason\": \"a user profile: C:\\\\Users\\\\me\""},
        {"C:\\Link\\", "REFUSED: reached through a link: C:\\Users\\me\\Documents\n",
         "\"reason\": \"reached through a link: C:\\\\Users\\\\me\\\\Documents\""},
    };
    const auto before = fake.files.Snapshot("C:\\Users");
    for (const Case& c : cases) {
        fake.system.tempFolder = c.temp;
        EXPECT_EQ(Run({"--preview", "temp-user", "--verbose"}), cli::kExitRefused);
        EXPECT_NE(console.out.find(c.text), std::string::npos) << console.out;
        EXPECT_EQ(console.out.find("cv.doc"), std::string::npos) << console.out;
        EXPECT_EQ(Run({"--clean", "temp-user", "--json"}), cli::kExitRefused);
        EXPECT_NE(console.out.find(c.json), std::string::npos) << console.out;
    }
    EXPECT_EQ(fake.files.Snapshot("C:\\Users"), before);

    fake.system.tempFolder = "C:\\Temp\\";
    int walks = 0;
    fake.files.beforeOpen = [&](const std::string& path) {
        if (path == "\\\\?\\C:\\Temp" && ++walks == 2) {  // the first pass done
            fake.files.Remove("C:\\Temp");
            fake.files.AddFolder("C:\\Temp");
        }
    };
    EXPECT_EQ(Run({"--clean", "temp-user", "--json"}), cli::kExitSomethingLeft);
    EXPECT_NE(console.out.find("\"status\": \"error\", \"files\": 1"), std::string::npos)
        << console.out;
    EXPECT_NE(console.out.find("\"note\": \"stopped: is not the same folder any more"),
              std::string::npos)
        << console.out;
}

TEST_F(Cli, ARegistryFailureEndsTheRunAndSaysWhere) {
    fake.registry.RefuseValueWrite("Auto");
    EXPECT_EQ(Run({"--clean", "drwatson-off", "offline-pages"}), cli::kExitSomethingLeft);
    EXPECT_NE(console.out.find("FAILED\n    Failed to set data for 'Auto'"), std::string::npos)
        << console.out;
    EXPECT_NE(console.out.find("not run"), std::string::npos);
}

}  // namespace

namespace {

constexpr char kLocal[] = "C:\\Users\\u\\AppData\\Local\\";
constexpr char kChrome[] = "C:\\Users\\u\\AppData\\Local\\Google\\Chrome\\User Data\\";

// Two Chrome profiles and a Firefox profile with their caches, and beside the caches what a
// browser keeps of its user: none of that may go.
class BrowserCaches : public Cli {
  protected:
    BrowserCaches() {
        fake.files.knownFolders[platform::KnownFolder::LocalAppData] = {kLocal};
        fake.files.knownFolders[platform::KnownFolder::RoamingAppData] = {
            "C:\\Users\\u\\AppData\\Roaming"};
        const std::string chrome = kChrome;
        for (const char* cache :
             {"Default\\Cache\\Cache_Data\\f_000001", "Default\\Code Cache\\js\\a",
              "Default\\GPUCache\\data_0", "Profile 2\\Cache\\Cache_Data\\f_2"})
            fake.files.AddFile(chrome + cache, "0123456789");
        for (const char* kept :
             {"Default\\Cookies", "Default\\History", "Default\\Login Data",
              "Profile 2\\Preferences", "Crashpad\\Cache\\not-a-profile", "Local State"})
            keep.push_back(chrome + kept);
        const std::string firefox =
            std::string(kLocal) + "Mozilla\\Firefox\\Profiles\\ab.default\\";
        fake.files.AddFile(firefox + "cache2\\entries\\E1", "0123456789");
        keep.push_back(firefox + "startupCache\\s.bin");
        keep.push_back(
            "C:\\Users\\u\\AppData\\Roaming\\Mozilla\\Firefox\\Profiles\\ab.default\\"
            "cookies.sqlite");
        for (const std::string& path : keep) fake.files.AddFile(path, "mine");
    }

    void ExpectKeptUnchanged() {
        for (const std::string& path : keep) EXPECT_EQ(fake.files.ReadFile(path), "mine") << path;
    }

    std::vector<std::string> keep;
};

TEST_F(BrowserCaches, PreviewAndCleanTakeTheCachesOnlyAndNameTheRunningBrowser) {
    fake.files.SetInUse(std::string(kChrome) + "Profile 2\\Cache\\Cache_Data\\f_2");
    fake.processes.ids = std::vector<std::uint32_t>{7};
    fake.processes.paths[7] = "C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe";
    const auto before = fake.files.Snapshot("C:\\");
    EXPECT_EQ(Run({"--preview", "chrome-cache", "firefox-cache", "edge-cache", "--json"}), 1);
    EXPECT_EQ(fake.files.Snapshot("C:\\"), before);
    const std::string preview = console.out;
    EXPECT_EQ(Run({"--clean", "chrome-cache", "firefox-cache", "edge-cache", "--json"}), 1);
    const std::string clean = console.out;
    EXPECT_EQ(CategoriesOf(preview), CategoriesOf(clean));
    // Chrome: three cache files of Default (the locked one of Profile 2 stays and is named).
    EXPECT_NE(clean.find("\"id\": \"chrome-cache\""), std::string::npos);
    EXPECT_NE(clean.find("chrome.exe is running and keeps its open files"), std::string::npos)
        << clean;
    EXPECT_NE(clean.find("\"status\": \"missing\""), std::string::npos) << "no Edge here";
    EXPECT_FALSE(fake.files.Exists(std::string(kChrome) + "Default\\Cache\\Cache_Data\\f_000001"));
    EXPECT_TRUE(fake.files.Exists(std::string(kChrome) + "Default\\Cache"));
    EXPECT_FALSE(fake.files.Exists(std::string(kLocal) +
                                   "Mozilla\\Firefox\\Profiles\\ab.default\\cache2\\entries\\E1"));
    ExpectKeptUnchanged();
}

TEST_F(BrowserCaches, FirefoxProfilesListedElsewhereAreFoundAndNoneClimbsOut) {
    fake.files.AddFile("C:\\Users\\u\\AppData\\Roaming\\Mozilla\\Firefox\\profiles.ini",
                       "[Profile0]\r\nPath=Profiles/ab.default\r\nIsRelative=1\r\n"
                       "[Profile1]\r\nPath=D:\\Fox\r\nIsRelative=0\r\n"
                       "[Profile2]\r\nPath=../../../Outside\r\nIsRelative=1\r\n");
    fake.files.AddFile("D:\\Fox\\cache2\\x", "0123");
    fake.files.AddFile("D:\\Fox\\prefs.js", "mine");
    fake.files.AddFile("C:\\Users\\u\\Outside\\cache2\\keep", "mine");
    EXPECT_EQ(Run({"--clean", "firefox-cache", "--json"}), 0) << console.out;
    EXPECT_FALSE(fake.files.Exists("D:\\Fox\\cache2\\x"));
    EXPECT_EQ(fake.files.ReadFile("D:\\Fox\\prefs.js"), "mine");
    EXPECT_EQ(fake.files.ReadFile("C:\\Users\\u\\Outside\\cache2\\keep"), "mine");
    EXPECT_NE(console.out.find("\"files\": 2"), std::string::npos) << console.out;
}

TEST_F(BrowserCaches, AProfileReachedThroughALinkIsRefused) {
    fake.files.AddFile("C:\\Elsewhere\\Cache\\precious", "mine");
    fake.files.AddFolderLink(std::string(kChrome) + "Profile 3", "C:\\Elsewhere");
    EXPECT_EQ(Run({"--clean", "all"}), cli::kExitRefused);
    EXPECT_EQ(fake.files.ReadFile("C:\\Elsewhere\\Cache\\precious"), "mine");
    EXPECT_FALSE(fake.files.Exists(std::string(kChrome) + "Default\\GPUCache\\data_0"));
    ExpectKeptUnchanged();
    // "all" takes every category that only deletes files.
    const cli::CommandLine line = cli::ParseCommandLine({"--preview", "all"});
    for (const engine::CategoryRow* row : line.categories)
        EXPECT_TRUE(row->category && !row->changesSystem) << row->id;
    EXPECT_EQ(line.categories.size(), 24u);
}

// The keep list in a run: kept entries stay, the folders that hold them stay without a
// failure, the preview and the clean agree, and --keep adds patterns for one run.
TEST_F(Cli, KeptEntriesStayWithTheFoldersThatHoldThem) {
    fake.files.AddFile("C:\\Program Files\\Skarvel\\keep.txt",
                       "# kept\r\nc:\\windows\\TEMP\\sub\\*.tmp\r\n");
    fake.system.environment["TEMP"] = "C:\\Temp";
    EXPECT_EQ(Run({"--preview", "temp-windows", "temp-user", "--keep", "%TEMP%\\x.txt", "--json",
                   "--verbose"}),
              1);
    const std::string preview = console.out;
    EXPECT_EQ(Run({"--clean", "temp-windows", "temp-user", "--keep", "%TEMP%\\x.txt", "--json",
                   "--verbose"}),
              1);  // the two links stay, as always
    const std::string clean = console.out;
    EXPECT_EQ(CategoriesOf(preview), CategoriesOf(clean));
    EXPECT_TRUE(fake.files.Exists("C:\\WINDOWS\\temp\\sub\\b.tmp"));
    EXPECT_TRUE(fake.files.Exists("C:\\Temp\\x.txt"));
    EXPECT_FALSE(fake.files.Exists("C:\\WINDOWS\\temp\\a.tmp"));
    EXPECT_NE(clean.find("\"files\": 2, \"folders\": 0, \"bytes\": 7, \"kept\": 1"),
              std::string::npos)
        << clean;  // a.tmp and ro.tmp; sub stays for b.tmp
    EXPECT_EQ(clean.find("not empty"), std::string::npos) << "a kept folder is no failure";
    EXPECT_EQ(Run({"--clean", "temp-user", "--keep"}), cli::kExitUsage);
}

// Cleaner definitions: each entry a category, its exclusions kept, its detection tried, and
// nothing outside what the target rules allow.
class Definitions : public BrowserCaches {
  protected:
    // Everything but the files a test writes for the program to read, and its settings.
    std::map<std::string, fakes::FakeFileSystem::Item> Untouched() {
        auto all = fake.files.Snapshot("C:\\");
        all.erase("c:\\defs.ini");
        all.erase("c:\\program files\\skarvel\\keep.txt");
        all.erase("c:\\program files\\skarvel\\mordaun.ini");
        return all;
    }

    Definitions() {
        fake.files.knownFolders[platform::KnownFolder::Windows] = {"C:\\WINDOWS"};
        fake.registry.SetValue(platform::RegistryRoot::CurrentUser, "Software\\Quill", "v",
                               platform::RegistryType::Dword, {1, 0, 0, 0});
        const std::string local = kLocal;
        for (const char* file : {"Quill\\Cache\\a.bin", "Quill\\Cache\\sub\\b.bin",
                                 "Quill\\Logs\\today.log", "Quill2\\Temp\\t.tmp"})
            fake.files.AddFile(local + file, "0123456789");
        for (const char* file : {"Quill\\Cache\\keep.dat", "Quill\\Cache\\Sticky\\s.bin",
                                 "Quill\\Logs\\notes.txt", "Quill\\Logs\\deep\\old.log"}) {
            keep.push_back(local + file);
            fake.files.AddFile(keep.back(), "mine");
        }
        fake.files.AddFile("C:\\defs.ini",
                           "; ours\n"
                           "[Quill *]\n"
                           "Detect=HKCU\\Software\\Quill\n"
                           "FileKey1=%LocalAppData%\\Quill\\Cache|*.*|RECURSE\n"
                           "FileKey2=%LocalAppData%\\Quill\\Logs|*.log\n"
                           "FileKey3=%LocalAppData%\\Quill?\\Temp|*.*|RECURSE|REMOVESELF\n"
                           "ExcludeKey1=FILE|%LocalAppData%\\Quill\\Cache|keep.dat\n"
                           "ExcludeKey2=PATH|%LocalAppData%\\Quill\\Cache\\Sticky\n"
                           "RegKey1=HKCU\\Software\\Quill\\Recent\n"
                           "[Absent *]\n"
                           "DetectFile=%ProgramFiles%\\Absent\\absent.exe\n"
                           "FileKey1=%LocalAppData%\\Quill|*.*|RECURSE\n"
                           "[Greedy *]\n"
                           "FileKey1=%WinDir%|*.*|RECURSE\n"
                           "FileKey2=%SystemDrive%|*.*|RECURSE\n"
                           "FileKey3=Quill\\Cache|*.*|RECURSE\n"
                           "[Broken *]\n"
                           "FileKey1=\n");
    }
};

TEST_F(Definitions, EntriesCleanWhatTheyNameAndKeepTheirExclusions) {
    EXPECT_EQ(Run({"--list", "--winapp2", "C:\\defs.ini"}), 0);
    EXPECT_NE(console.out.find("w2-absent         Absent                not present: "),
              std::string::npos)
        << console.out;
    EXPECT_NE(console.err.find("C:\\defs.ini: line 18: empty path"), std::string::npos)
        << console.err;
    EXPECT_EQ(console.out.find("w2-broken"), std::string::npos);

    const auto before = fake.files.Snapshot("C:\\");
    EXPECT_EQ(Run({"--preview", "w2-quill", "w2-absent", "--winapp2", "C:\\defs.ini", "--json"}),
              0);
    EXPECT_EQ(fake.files.Snapshot("C:\\"), before);
    const std::string preview = console.out;
    EXPECT_EQ(Run({"--clean", "w2-quill", "w2-absent", "--winapp2", "C:\\defs.ini", "--json"}), 0);
    const std::string clean = console.out;
    EXPECT_EQ(CategoriesOf(preview), CategoriesOf(clean));
    EXPECT_NE(clean.find("\"files\": 4, \"folders\": 2, \"bytes\": 40, \"kept\": 2"),
              std::string::npos)
        << clean;  // a.bin, sub\b.bin, today.log, t.tmp; sub and Quill2\Temp
    EXPECT_EQ(clean.find("\"registry\""), std::string::npos) << "its registry key is not there";
    EXPECT_NE(clean.find("\"status\": \"missing\", \"files\": 0, \"folders\": 0, \"bytes\": 0, "
                         "\"kept\": 0, \"note\": \"not present\""),
              std::string::npos)
        << clean;
    EXPECT_FALSE(fake.files.Exists(std::string(kLocal) + "Quill2\\Temp"));
    EXPECT_TRUE(fake.files.Exists(std::string(kLocal) + "Quill2"));
    EXPECT_TRUE(fake.files.Exists(std::string(kLocal) + "Quill\\Cache"));
    ExpectKeptUnchanged();
}

TEST_F(Definitions, ADefinitionNamingAProtectedFolderIsRefused) {
    const auto before = fake.files.Snapshot("C:\\WINDOWS");
    // The Windows folder, the drive's root ("C:" alone is not the current folder) and a path
    // that is not a full one (it would depend on the current folder): none is emptied.
    fake.files.AddFile("C:\\Program Files\\Skarvel\\Quill\\Cache\\mine", "mine");
    fake.files.SetCurrentDirectory("C:\\Program Files\\Skarvel");
    EXPECT_EQ(Run({"--clean", "w2-greedy", "--winapp2", "C:\\defs.ini", "--json"}),
              cli::kExitRefused);
    EXPECT_EQ(fake.files.Snapshot("C:\\WINDOWS"), before);
    EXPECT_EQ(fake.files.ReadFile("C:\\Program Files\\Skarvel\\Quill\\Cache\\mine"), "mine");
    EXPECT_NE(console.out.find("Quill\\\\Cache is not a full path"), std::string::npos)
        << console.out;
    EXPECT_EQ(Run({"--clean", "w2-nothing", "--winapp2", "C:\\defs.ini"}), cli::kExitUsage);
    EXPECT_EQ(Run({"--clean", "w2-quill"}), cli::kExitUsage);
}

}  // namespace

namespace {

// Where a definition may not reach: a bare wildcard directly in a folder the system or a user
// lives in, a network, device or climbing path, another user's profile, a key store. Each
// refuses its whole entry (exit code 3) beside a key that alone would clean, nothing of the
// entry runs, and no share is reached, even to detect.
TEST_F(Definitions, AnEntryThatReachesTooFarRunsNotAtAll) {
    fake.files.knownFolders[KnownFolder::ProgramFiles] = {"C:\\Program Files"};
    fake.files.knownFolders[KnownFolder::ProgramData] = {"C:\\ProgramData"};
    fake.files.knownFolders[KnownFolder::ProfilesRoot] = {"C:\\Users"};
    fake.files.knownFolders[KnownFolder::Profiles] = {"C:\\Users\\u", "C:\\Users\\other"};
    fake.files.knownFolders[KnownFolder::CurrentProfile] = {"C:\\Users\\u"};
    fake.files.knownFolders[KnownFolder::Documents] = {"C:\\Users\\u\\Documents"};
    fake.system.environment["USERPROFILE"] = "C:\\Users\\u";
    for (const char* file :
         {"C:\\Program Files\\Vendor\\app.exe", "C:\\ProgramData\\Vendor\\data.db",
          "C:\\Users\\u\\AppData\\Roaming\\Microsoft\\Protect\\S-1\\key",
          "C:\\Users\\u\\Documents\\cv.doc", "C:\\Users\\other\\Documents\\thesis.doc",
          "C:\\Users\\u\\.ssh\\id_ed25519", "C:\\WINDOWS\\win.ini"})
        fake.files.AddFile(file, "mine");
    struct Case {
        const char* line;
        const char* reason;
    } cases[] = {
        {"FileKey2=%ProgramFiles%\\*|*.*|RECURSE", "directly in Program Files"},
        {"FileKey2=%CommonAppData%\\*|*.*|RECURSE", "directly in the ProgramData folder"},
        {"FileKey2=%AppData%\\*|*.*|RECURSE", "directly in the roaming application data"},
        {"FileKey2=%UserProfile%\\*|*.*|RECURSE", "directly in a user profile"},
        {"FileKey2=%SystemDrive%\\Users\\*\\Documents|*.*", "directly in the folder of the user"},
        {"FileKey2=%SystemDrive%\\*.*|*.*|RECURSE", "directly in a drive root"},
        {"FileKey2=%WinDir%\\?*|*.*", "directly in the Windows folder"},
        {"FileKey2=%Documents%\\*|*.*", "directly in the Documents folder"},
        {"FileKey2=%UserProfile%\\..\\*|*.*|RECURSE", "climbs out of its folder"},
        {"FileKey2=\\\\host\\share\\x|*.*", "a network path"},
        {"FileKey2=\\\\?\\C:\\Users\\u\\Documents|*.*", "a device path"},
        {"DetectFile=\\\\host\\share\\quill.exe", "a network path"},
        {"ExcludeKey2=PATH|\\\\host\\share", "a network path"},
        {"FileKey2=%AppData%\\Microsoft\\Protect\\S-1|*.*|RECURSE", "inside a key or credential"},
        {"FileKey2=%UserProfile%\\.ssh|*.*", "a key or credential store"},
        {"FileKey2=%SystemDrive%\\Users\\other\\Documents|*.*", "inside another user's profile"},
    };
    const auto before = Untouched();
    for (const Case& c : cases) {
        std::string error;
        fake.files.Remove("C:\\defs.ini");
        ASSERT_TRUE(fake.files.WriteFile(
            "C:\\defs.ini",
            std::string("[Quill *]\nFileKey1=%LocalAppData%\\Quill\\Cache|*.*|RECURSE\n") + c.line +
                "\n",
            error));
        fake.files.reached.clear();
        for (const char* command : {"--preview", "--clean"}) {
            EXPECT_EQ(Run({command, "w2-quill", "--winapp2", "C:\\defs.ini", "--json"}),
                      cli::kExitRefused)
                << c.line;
            EXPECT_NE(console.out.find("\"status\": \"refused\""), std::string::npos) << c.line;
            EXPECT_NE(console.out.find(c.reason), std::string::npos) << c.line << console.out;
        }
        EXPECT_EQ(Untouched(), before) << c.line;
        for (const std::string& path : fake.files.reached)
            EXPECT_FALSE(path.starts_with("\\\\host")) << c.line;
    }
}

// Definitions name literal program folders where a built-in category may not go: inside
// Program Files, ProgramData, the Windows folder and Documents. Those still clean, and a
// wildcard with text of its own is no bare one.
TEST_F(Definitions, LiteralProgramFoldersStillClean) {
    fake.files.knownFolders[KnownFolder::ProgramFiles] = {"C:\\Program Files"};
    fake.files.knownFolders[KnownFolder::ProgramData] = {"C:\\ProgramData"};
    fake.files.knownFolders[KnownFolder::Documents] = {"C:\\Users\\u\\Documents"};
    for (const char* file :
         {"C:\\Program Files\\ABBYY FineReader 15\\Temp\\a.tmp",
          "C:\\ProgramData\\Vendor\\Logs\\b.log", "C:\\WINDOWS\\Logs\\CBS\\c.log",
          "C:\\Users\\u\\Documents\\3DMark\\d.log"})
        fake.files.AddFile(file, "0123456789");
    fake.files.AddFile("C:\\ProgramData\\Vendor\\Logs\\keep.txt", "mine");
    std::string error;
    fake.files.Remove("C:\\defs.ini");
    ASSERT_TRUE(fake.files.WriteFile("C:\\defs.ini",
                                     "[Legit *]\n"
                                     "FileKey1=%ProgramFiles%\\ABBYY FineReader*\\Temp|*.*\n"
                                     "FileKey2=%CommonAppData%\\Vendor\\Logs|*.log\n"
                                     "FileKey3=%WinDir%\\Logs\\CBS|*.log\n"
                                     "FileKey4=%Documents%\\3DMark|*.log\n",
                                     error));
    EXPECT_EQ(Run({"--clean", "w2-legit", "--winapp2", "C:\\defs.ini", "--json"}), 0)
        << console.out;
    EXPECT_NE(console.out.find("\"files\": 4"), std::string::npos) << console.out;
    EXPECT_EQ(fake.files.ReadFile("C:\\ProgramData\\Vendor\\Logs\\keep.txt"), "mine");
}

// What cannot be placed is never taken to keep nothing: an exclusion whose variable is not
// set refuses its entry; a keep.txt line that cannot be placed stops every category that walks
// (not the recycle bin), naming the line once; a bad --keep is bad usage; a folder the keep
// list holds stays, REMOVESELF or not.
TEST_F(Definitions, WhatCannotBePlacedStopsWhatItCouldKeep) {
    std::string error;
    fake.files.Remove("C:\\defs.ini");
    ASSERT_TRUE(fake.files.WriteFile("C:\\defs.ini",
                                     "[Quill *]\n"
                                     "FileKey1=%LocalAppData%\\Quill\\Cache|*.*|RECURSE\n"
                                     "ExcludeKey1=PATH|%UserProfile%\\Quill\\Cache\n",
                                     error));
    const auto before = Untouched();
    EXPECT_EQ(Run({"--clean", "w2-quill", "--winapp2", "C:\\defs.ini", "--json"}),
              cli::kExitRefused);
    EXPECT_NE(console.out.find("line 3: %UserProfile%\\\\Quill\\\\Cache names nothing here"),
              std::string::npos)
        << console.out;
    EXPECT_EQ(Untouched(), before);

    fake.files.AddFile("C:\\Program Files\\Skarvel\\keep.txt", "C:\\Fine\r\n%NOSUCHVAR%\\x\r\n");
    EXPECT_EQ(Run({"--clean", "temp-windows", "chrome-cache", "recycle-bin", "--json"}),
              cli::kExitSomethingLeft);
    EXPECT_EQ(Untouched(), before);
    const std::string line = "keep.txt, line 2: %NOSUCHVAR% is not set";
    EXPECT_NE(console.out.find("\"status\": \"error\""), std::string::npos) << console.out;
    EXPECT_NE(console.out.find("stopped: C:\\\\Program Files\\\\Skarvel\\\\" + line),
              std::string::npos)
        << console.out;
    EXPECT_NE(console.out.find("\"id\": \"recycle-bin\", \"name\": \"Trash\", \"target\": \"the "
                               "recycle bins of every drive\", \"status\": \"done\""),
              std::string::npos)
        << console.out;
    fake.files.Remove("C:\\Program Files\\Skarvel\\keep.txt");
    EXPECT_EQ(Run({"--clean", "temp-user", "--keep", "x.txt"}), cli::kExitUsage);
    EXPECT_NE(console.err.find("--keep x.txt: not a full path"), std::string::npos);

    fake.files.Remove("C:\\defs.ini");
    ASSERT_TRUE(fake.files.WriteFile(
        "C:\\defs.ini", "[Quill *]\nFileKey1=%LocalAppData%\\Quill?\\Temp|*.*|RECURSE|REMOVESELF\n",
        error));
    fake.files.AddFolder(std::string(kLocal) + "Quill3\\Temp");
    EXPECT_EQ(Run({"--clean", "w2-quill", "--winapp2", "C:\\defs.ini", "--keep",
                   std::string(kLocal) + "Quill2\\Temp", "--keep",
                   std::string(kLocal) + "QUILL3\\temp", "--json"}),
              0)
        << console.out;
    EXPECT_TRUE(fake.files.Exists(std::string(kLocal) + "Quill2\\Temp\\t.tmp"));
    EXPECT_TRUE(fake.files.Exists(std::string(kLocal) + "Quill3\\Temp"));
}

// %Temp% stands only for a temp folder "Temp (User)" would empty.
TEST_F(Definitions, TempStandsOnlyForAnAcceptedTempFolder) {
    fake.files.knownFolders[KnownFolder::ProgramFiles] = {"C:\\Program Files"};
    fake.files.AddFile("C:\\Program Files\\Vendor\\Quill\\app.exe", "mine");
    std::string error;
    fake.files.Remove("C:\\defs.ini");
    ASSERT_TRUE(
        fake.files.WriteFile("C:\\defs.ini", "[Quill *]\nFileKey1=%Temp%\\Quill|*.*\n", error));
    fake.system.tempFolder = "C:\\Program Files\\Vendor\\";
    EXPECT_EQ(Run({"--clean", "w2-quill", "temp-user", "--winapp2", "C:\\defs.ini"}),
              cli::kExitRefused);
    EXPECT_NE(console.out.find("%Temp% is a temp folder that is refused (inside Program Files"),
              std::string::npos)
        << console.out;
    EXPECT_EQ(fake.files.ReadFile("C:\\Program Files\\Vendor\\Quill\\app.exe"), "mine");
    fake.system.tempFolder = std::string(kLocal) + "Temp\\";
    fake.files.AddFile(std::string(kLocal) + "Temp\\Quill\\q.tmp", "x");
    EXPECT_EQ(Run({"--clean", "w2-quill", "--winapp2", "C:\\defs.ini"}), 0) << console.out;
    EXPECT_FALSE(fake.files.Exists(std::string(kLocal) + "Temp\\Quill\\q.tmp"));
}

// The --log file is appended to in place; a name that is a link or another name of a file is
// refused with its reason, and nothing is written through it.
TEST_F(Cli, TheLogFileIsAppendedInPlaceAndNeverThroughALink) {
    fake.files.AddFile("C:\\Logs\\run.log", "earlier\r\n");
    fake.files.AddFile("C:\\victim.ini", "[settings]\r\n");
    fake.files.AddFileLink("C:\\Logs\\link.log", "C:\\victim.ini");
    fake.files.AddHardLink("C:\\Logs\\hard.log", "C:\\victim.ini");
    EXPECT_EQ(Run({"--clean", "drwatson-off", "--log", "C:\\Logs\\run.log"}), cli::kExitDone);
    EXPECT_TRUE(fake.files.ReadFile("C:\\Logs\\run.log")->starts_with("earlier\r\nCut off"));
    for (const char* log : {"C:\\Logs\\link.log", "C:\\Logs\\hard.log"}) {
        EXPECT_EQ(Run({"--clean", "drwatson-off", "--log", log}), cli::kExitSomethingLeft) << log;
        EXPECT_NE(console.err.find("nothing is written through one"), std::string::npos)
            << console.err;
    }
    EXPECT_EQ(fake.files.ReadFile("C:\\victim.ini"), "[settings]\r\n");
}

}  // namespace
