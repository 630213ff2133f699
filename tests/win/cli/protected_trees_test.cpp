// skarvel-cli.exe run for real on what an attacker or a new user would try: TEMP and a shell
// folder pointed into the trees no one may empty, cleaner definitions that reach for a whole
// folder of programs or users, keep patterns in other scripts' case and in a shape that would
// take a naive matcher forever, and a --log file that is a link. Nothing they aim at changes;
// what is legitimately disposable still goes.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "win/cli/cli_run.h"
#include "win/support/links.h"

namespace {

using namespace wintest::cli;
using wintest::WideOf;

std::string Env(const char* name) {
    char value[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA(name, value, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(value, n) : std::string();
}

std::string WindowsFolder() {
    char windows[MAX_PATH];
    const UINT n = GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows, n);
}

// Makes PATH's folders and the file PATH with BYTES (UTF-8 path).
void Put(const std::string& path, const std::string& bytes) {
    for (std::size_t cut = path.find('\\', 3); cut != std::string::npos;
         cut = path.find('\\', cut + 1))
        CreateDirectoryW(WideOf(path.substr(0, cut)).c_str(), nullptr);
    Write(path, bytes);
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(WideOf(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Removes what an earlier run left at PATH. Only what is there: a removal from the Linux side
// runs on its own, and one started for nothing could take what the test makes next.
void Fresh(const std::string& path) {
    if (Exists(path)) wintest::RemoveTree(path);
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// A string value of the user's shell folders, set for the life of the object and put back.
class ShellFolderValue {
  public:
    ShellFolderValue(const wchar_t* name, const std::wstring& value) : name_(name) {
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
        wchar_t old[MAX_PATH];
        DWORD size = sizeof old;
        if (RegQueryValueExW(key_, name, nullptr, &type_, reinterpret_cast<BYTE*>(old), &size) ==
            ERROR_SUCCESS)
            old_ = std::wstring(old, size / sizeof(wchar_t));
        RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    ~ShellFolderValue() {
        if (old_)
            RegSetValueExW(key_, name_, 0, type_, reinterpret_cast<const BYTE*>(old_->data()),
                           static_cast<DWORD>(old_->size() * sizeof(wchar_t)));
        else
            RegDeleteValueW(key_, name_);
        RegCloseKey(key_);
    }

  private:
    static constexpr const wchar_t* kKey =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    const wchar_t* name_;
    HKEY key_ = nullptr;
    DWORD type_ = REG_SZ;
    std::optional<std::wstring> old_;
};

// TMP and TEMP set by anything running as the user, and the user's History folder: pointed
// inside Program Files, ProgramData, a key store, the installer cache, a cloud folder, another
// user's profile or the profile outside its application data, each is refused (exit code 3)
// and nothing in it changes. A temp folder outside every profile and system tree still
// empties.
TEST(ProtectedTrees, TempAndShellFoldersInsideTheNoGoTreesAreRefused) {
    const std::string profile = Profile(), appData = Env("APPDATA");
    ASSERT_FALSE(profile.empty() || appData.empty());
    const std::string oneDrive = "C:\\skarvel-onedrive";
    EnvironmentChange cloud(L"OneDrive", WideOf(oneDrive));
    const std::string users = profile.substr(0, profile.rfind('\\'));
    struct Case {
        std::string folder;
        const char* reason;
    } cases[] = {
        {"C:\\Program Files\\skarvel-vendor", "inside Program Files"},
        {"C:\\ProgramData\\skarvel-vendor", "inside the ProgramData folder"},
        {appData + "\\Microsoft", "holds a key or credential store"},
        {profile + "\\.ssh", "a key or credential store"},
        {WindowsFolder() + "\\Installer", "the installer cache"},
        {oneDrive + "\\Docs", "inside a folder kept in sync with the cloud"},
        {users + "\\skarvel-other\\Documents", "inside another user's profile"},
        {profile + "\\skarvel-dotfolder", "inside your profile, outside its application data"},
    };
    for (const Case& c : cases) {
        Put(c.folder + "\\precious.dat", "mine");
        EnvironmentChange tmp(L"TMP", WideOf(c.folder)), temp(L"TEMP", WideOf(c.folder));
        const wintest::Captured run = Cli(L"--clean temp-user --json --quiet");
        EXPECT_EQ(run.exitCode, 3u) << c.folder << ": " << run.output;
        EXPECT_NE(run.output.find("\"reason\": \"" + std::string(c.reason)), std::string::npos)
            << run.output;
        EXPECT_EQ(ReadAll(c.folder + "\\precious.dat"), "mine") << c.folder;
    }
    {
        ShellFolderValue history(L"History", L"C:\\ProgramData\\skarvel-vendor");
        const wintest::Captured run = Cli(L"--clean history --json --quiet");
        EXPECT_EQ(run.exitCode, 3u) << run.output;
        EXPECT_NE(run.output.find("inside the ProgramData folder"), std::string::npos)
            << run.output;
        EXPECT_EQ(ReadAll("C:\\ProgramData\\skarvel-vendor\\precious.dat"), "mine");
    }
    Put("C:\\skarvel-temp-ok\\junk.tmp", "junk");
    {
        EnvironmentChange tmp(L"TMP", L"C:\\skarvel-temp-ok"),
            temp(L"TEMP", L"C:\\skarvel-temp-ok");
        const wintest::Captured run = Cli(L"--clean temp-user --json --quiet");
        EXPECT_EQ(run.exitCode, 0u) << run.output;
    }
    EXPECT_FALSE(Exists("C:\\skarvel-temp-ok\\junk.tmp"));
    for (const std::string& folder :
         {std::string("C:\\Program Files\\skarvel-vendor"),
          std::string("C:\\ProgramData\\skarvel-vendor"), oneDrive, users + "\\skarvel-other",
          profile + "\\skarvel-dotfolder", std::string("C:\\skarvel-temp-ok")})
        Fresh(folder);
    for (const Case& c : {cases[2], cases[3], cases[4]})
        DeleteFileW(WideOf(c.folder + "\\precious.dat").c_str());
}

// Definitions that reach for a whole folder of programs, data or users, into a key store or
// another user's profile, climb out with "..", or name a share even just to detect: refused
// whole (a good key beside a bad one runs neither), and nothing of what they aim at changes.
// A program's cache under the local application data and a log folder named literally under
// ProgramData still clean.
TEST(ProtectedTrees, DefinitionsThatReachTooFarRunNotAtAllAndNormalEntriesStillClean) {
    const std::string profile = Profile(), appData = Env("APPDATA"), local = Env("LOCALAPPDATA");
    ASSERT_FALSE(profile.empty() || appData.empty() || local.empty());
    const std::string users = profile.substr(0, profile.rfind('\\'));
    const std::vector<std::string> precious = {
        "C:\\Program Files\\skarvel-vendor\\app.exe",
        "C:\\ProgramData\\skarvel-vendor\\data.db",
        "C:\\ProgramData\\skarvel-vendor\\Logs\\notes.txt",
        appData + "\\Microsoft\\Protect\\S-1-5-21-skarvel\\masterkey",
        users + "\\skarvel-other\\Documents\\thesis.doc",
        profile + "\\.ssh\\id_ed25519",
    };
    for (const std::string& path : precious) Put(path, "mine");
    const std::string cache = local + "\\skarvel-vendor\\Cache\\sub\\c.bin";
    const std::string log = "C:\\ProgramData\\skarvel-vendor\\Logs\\today.log";
    Put(cache, "0123");
    Put(log, "0123");
    const std::string defs = "C:\\skarvel-w2r\\defs.ini";
    Put(defs,
        "[PF *]\r\nFileKey1=%ProgramFiles%\\*|*.*|RECURSE\r\n"
        "[PD *]\r\nFileKey1=%CommonAppData%\\*|*.*|RECURSE\r\n"
        "[AD *]\r\nFileKey1=%AppData%\\*|*.*|RECURSE\r\n"
        "[UP *]\r\nFileKey1=%UserProfile%\\*|*.*|RECURSE\r\n"
        "[UD *]\r\nFileKey1=%SystemDrive%\\Users\\*\\Documents|*.*|RECURSE\r\n"
        "[UU *]\r\nFileKey1=%UserProfile%\\..\\*|*.*|RECURSE\r\n"
        "[PR *]\r\nFileKey1=%AppData%\\Microsoft\\Protect|*.*|RECURSE\r\n"
        "[OT *]\r\nFileKey1=%SystemDrive%\\Users\\skarvel-other\\Documents|*.*|RECURSE\r\n"
        "[SS *]\r\nFileKey1=%UserProfile%\\.ssh|*.*\r\n"
        "[MX *]\r\nFileKey1=%LocalAppData%\\skarvel-vendor\\Cache|*.*|RECURSE\r\n"
        "FileKey2=%ProgramFiles%\\*|*.exe\r\n"
        "[NET *]\r\nDetectFile=\\\\skarvel-no-such-host\\share\\app.exe\r\n"
        "FileKey1=%LocalAppData%\\skarvel-vendor\\Cache|*.*|RECURSE\r\n"
        "[Good *]\r\nFileKey1=%LocalAppData%\\skarvel-vendor\\Cache|*.*|RECURSE\r\n"
        "FileKey2=%CommonAppData%\\skarvel-vendor\\Logs|*.log\r\n");
    const std::wstring bad =
        L" w2-pf w2-pd w2-ad w2-up w2-ud w2-uu w2-pr w2-ot w2-ss w2-mx w2-net"
        L" --winapp2 " +
        WideOf(defs) + L" --json --quiet";
    const wintest::Captured preview = Cli(L"--preview" + bad);
    EXPECT_EQ(preview.exitCode, 3u) << preview.output;
    // Only when the preview refuses every one is a clean tried: a fault would empty the prefix.
    ASSERT_EQ(Count(preview.output, "\"status\": \"refused\""), 11u) << preview.output;
    const wintest::Captured clean = Cli(L"--clean" + bad);
    EXPECT_EQ(clean.exitCode, 3u) << clean.output;
    EXPECT_EQ(Count(clean.output, "\"status\": \"refused\""), 11u) << clean.output;
    for (const std::string& path : precious) EXPECT_EQ(ReadAll(path), "mine") << path;
    EXPECT_EQ(ReadAll(cache), "0123") << "an entry with a refused key ran its good one";

    const wintest::Captured good =
        Cli(L"--clean w2-good --winapp2 " + WideOf(defs) + L" --json --quiet");
    EXPECT_EQ(good.exitCode, 0u) << good.output;
    EXPECT_NE(good.output.find("\"files\": 2"), std::string::npos) << good.output;
    EXPECT_FALSE(Exists(cache));
    EXPECT_FALSE(Exists(log));
    EXPECT_EQ(ReadAll("C:\\ProgramData\\skarvel-vendor\\Logs\\notes.txt"), "mine");

    for (const std::string& folder :
         {std::string("C:\\Program Files\\skarvel-vendor"),
          std::string("C:\\ProgramData\\skarvel-vendor"),
          appData + "\\Microsoft\\Protect\\S-1-5-21-skarvel", users + "\\skarvel-other",
          local + "\\skarvel-vendor", std::string("C:\\skarvel-w2r")})
        Fresh(folder);
    DeleteFileW(WideOf(profile + "\\.ssh\\id_ed25519").c_str());
}

// The keep list as the system compares names and without a naive matcher's blow-up: patterns
// in another case of Vietnamese and Azerbaijani letters, one from keep.txt in the user's data
// folder, and one of twelve "**" over a forty-level tree (the clean ends in seconds). A line
// that cannot be placed stops the clean and names its line; a kept empty folder stays though
// its definition removes itself; an exclusion whose variable is not set refuses its entry.
TEST(ProtectedTrees, TheKeepListMatchesAsTheSystemDoesAndFailsClosed) {
    const std::string temp = "C:\\skarvel-keep-w";
    const std::string keepFile = Env("APPDATA") + "\\Skarvel\\keep.txt";
    const std::string unixTemp = wintest::UnixPath("C:\\");
    if (unixTemp.empty()) GTEST_SKIP() << "the deep tree is made from the Linux side";
    Fresh(temp);
    for (const char* name : {"\xe1\xba\xa1.txt", "\xc9\x99.txt", "file-kept.txt", "drop.txt"})
        Put(temp + "\\" + name, name);
    ASSERT_TRUE(Linux("cd '" + wintest::UnixPath(temp) +
                          "' && mkdir -p $(printf 'level/%.0s' $(seq 40)) && touch "
                          "$(printf 'level/%.0s' $(seq 40))leaf.tmp",
                      temp + "\\made"));
    Put(keepFile, "# kept\r\n%TEMP%\\FILE-KEPT.TXT\r\n");
    std::wstring stars = L"C:";
    for (int i = 0; i < 12; ++i) stars += L"\\**";
    {
        EnvironmentChange tmp(L"TMP", WideOf(temp)), tempVar(L"TEMP", WideOf(temp));
        const wintest::Captured run =
            Cli(L"--clean temp-user --keep %TEMP%\\\x1EA0.TXT --keep %TEMP%\\\x018F.txt --keep " +
                    stars + L"\\none --json --quiet",
                20000);
        EXPECT_FALSE(run.timedOut) << run.output;
        EXPECT_EQ(run.exitCode, 0u) << run.output;
        EXPECT_NE(run.output.find("\"kept\": 3"), std::string::npos) << run.output;
        for (const char* name : {"\xe1\xba\xa1.txt", "\xc9\x99.txt", "file-kept.txt"})
            EXPECT_TRUE(Exists(temp + "\\" + name)) << name;
        EXPECT_FALSE(Exists(temp + "\\drop.txt"));
        EXPECT_FALSE(Exists(temp + "\\level"));

        Put(temp + "\\drop.txt", "drop");
        Put(keepFile, "# kept\r\n%NOSUCHVAR%\\x\r\n");
        const wintest::Captured stopped = Cli(L"--clean temp-user --json --quiet");
        EXPECT_EQ(stopped.exitCode, 1u) << stopped.output;
        EXPECT_NE(stopped.output.find("keep.txt, line 2: %NOSUCHVAR% is not set"),
                  std::string::npos)
            << stopped.output;
        EXPECT_TRUE(Exists(temp + "\\drop.txt"));
    }
    DeleteFileW(WideOf(keepFile).c_str());

    const std::string root = "C:\\skarvel-w2k";
    Fresh(root);
    Put(root + "\\Excl\\file.bin", "mine");
    CreateDirectoryW(WideOf(root + "\\Quill").c_str(), nullptr);
    CreateDirectoryW(WideOf(root + "\\Quill\\Temp").c_str(), nullptr);
    Put(root + "\\defs.ini",
        "[Quill *]\r\nFileKey1=%SystemDrive%\\skarvel-w2k\\Quill\\Temp|*.*|RECURSE|REMOVESELF\r\n"
        "[Excl *]\r\nFileKey1=%SystemDrive%\\skarvel-w2k\\Excl|*.*|RECURSE\r\n"
        "ExcludeKey1=PATH|%UserProfile%\\skarvel-excluded\r\n");
    const std::wstring defs = L" --winapp2 " + WideOf(root) + L"\\defs.ini --json --quiet";
    const wintest::Captured kept =
        Cli(L"--clean w2-quill --keep " + WideOf(root) + L"\\QUILL\\temp" + defs);
    EXPECT_EQ(kept.exitCode, 0u) << kept.output;
    EXPECT_TRUE(Exists(root + "\\Quill\\Temp"));
    {
        EnvironmentChange noProfile(L"USERPROFILE", L"");
        const wintest::Captured refused = Cli(L"--clean w2-excl" + defs);
        EXPECT_EQ(refused.exitCode, 3u) << refused.output;
        EXPECT_NE(refused.output.find("names nothing here"), std::string::npos) << refused.output;
    }
    EXPECT_EQ(ReadAll(root + "\\Excl\\file.bin"), "mine");
    Fresh(root);
    Fresh(temp);
}

// The --log file is appended to in place; a name that is a link to another file, or another
// name of one, is refused with its reason and the file behind it stays as it was.
TEST(ProtectedTrees, TheLogIsAppendedInPlaceAndNeverWrittenThroughALink) {
    const std::string folder = "C:\\skarvel-logs";
    if (wintest::UnixPath(folder.substr(0, 3)).empty())
        GTEST_SKIP() << "the links are made from the Linux side";
    Fresh(folder);
    Put(folder + "\\victim.ini", "[settings]\r\n");
    Put(folder + "\\run.log", "earlier\r\n");
    const std::string unix = wintest::UnixPath(folder);
    ASSERT_TRUE(Linux("cd '" + unix + "' && ln -s victim.ini link.log && ln victim.ini hard.log",
                      folder + "\\made"));
    for (const char* log : {"link.log", "hard.log"}) {
        const wintest::Captured run =
            Cli(L"--clean drwatson-off --quiet --log " + WideOf(folder + "\\" + log));
        EXPECT_EQ(run.exitCode, 1u) << log << ": " << run.output;
        EXPECT_NE(run.output.find("nothing is written through one"), std::string::npos)
            << run.output;
    }
    EXPECT_EQ(ReadAll(folder + "\\victim.ini"), "[settings]\r\n");
    const wintest::Captured run =
        Cli(L"--clean drwatson-off --quiet --log " + WideOf(folder) + L"\\run.log");
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_EQ(ReadAll(folder + "\\run.log").substr(0, 29), "earlier\r\nCut off Dr. Watson (");
    Fresh(folder);
}

}  // namespace
