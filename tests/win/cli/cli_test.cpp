// skarvel-cli.exe run for real: its preview counts exactly what its clean then deletes in the
// Windows temp folder, links lead nowhere, a locked file is listed with exit code 1, an unknown
// id gives 2; a temp folder that is a link, or that falls back to the profile, is refused (3),
// and a file with another name outside keeps its attributes.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win/cli/cli_run.h"
#include "win/support/links.h"

namespace {

using namespace wintest::cli;

// Both runs ended with exit code 0 and tell the same of every category: the preview announced
// what the clean did.
void ExpectDoneAlike(const wintest::Captured& preview, const wintest::Captured& clean) {
    EXPECT_EQ(preview.exitCode, 0u) << preview.output;
    EXPECT_EQ(clean.exitCode, 0u) << clean.output;
    const std::size_t from = clean.output.find("\"categories\"");
    ASSERT_NE(from, std::string::npos) << clean.output;
    EXPECT_EQ(preview.output.substr(preview.output.find("\"categories\"")),
              clean.output.substr(from));
}

TEST(CommandLine, PreviewCountsWhatCleanDeletesAndNothingBehindALink) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string probe = std::string(windows) + "\\temp\\skarvel-cli-probe";
    const std::string outside = std::string(windows).substr(0, 3) + "skarvel-cli-outside";
    CreateDirectoryA(outside.c_str(), nullptr);
    Write(outside + "\\precious.doc", "precious");
    CreateDirectoryA(probe.c_str(), nullptr);
    CreateDirectoryA((probe + "\\sub").c_str(), nullptr);
    Write(probe + "\\a.tmp", "aaaa");
    Write(probe + "\\sub\\b.tmp", "bb");
    Write(probe + "\\locked.tmp", "locked");
    const bool linked = wintest::WhyNoLinks(probe).empty();
    if (linked) {
        ASSERT_TRUE(wintest::MakeLink(outside, probe + "\\dirlink"));
        ASSERT_TRUE(wintest::MakeLink(outside + "\\precious.doc", probe + "\\filelink.doc"));
    }
    HANDLE locked = CreateFileA((probe + "\\locked.tmp").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);

    const wintest::Captured preview = Cli(L"--preview temp-windows --json --verbose --quiet");
    const wintest::Captured clean = Cli(L"--clean temp-windows --json --verbose --quiet");
    CloseHandle(locked);

    EXPECT_EQ(preview.exitCode, 1u) << preview.output;
    EXPECT_EQ(clean.exitCode, 1u) << clean.output;
    EXPECT_EQ(PathsOf(preview.output), PathsOf(clean.output));
    EXPECT_NE(PathsOf(clean.output).find("skarvel-cli-probe\\\\sub\\\\b.tmp"), std::string::npos)
        << clean.output;
    EXPECT_NE(clean.output.find("{\"path\": \"" + std::string(windows).replace(2, 1, "\\\\") +
                                "\\\\temp\\\\skarvel-cli-probe\\\\locked.tmp\""),
              std::string::npos)
        << clean.output;
    EXPECT_EQ(PathsOf(clean.output).find("precious"), std::string::npos);
    EXPECT_EQ(GetFileAttributesA((probe + "\\a.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA((outside + "\\precious.doc").c_str()), INVALID_FILE_ATTRIBUTES);

    const wintest::Captured unknown = Cli(L"--preview temp-windowz");
    EXPECT_EQ(unknown.exitCode, 2u);
    EXPECT_NE(unknown.output.find("unknown category 'temp-windowz'"), std::string::npos);

    if (linked) {
        wintest::RemoveTree(probe);
        wintest::RemoveTree(outside);
    }
}

// Taken as a scheduled task or a script would take it: the user's temp folder turned into a
// link to other data, and the environment without TMP and TEMP (the temp path then falls back
// to the profile). Both refused with exit code 3, preview and clean alike, nothing listed and
// nothing changed.
TEST(CommandLine, ATempFolderThatIsALinkOrTheProfileIsRefused) {
    const std::string profile = Profile();
    ASSERT_FALSE(profile.empty());
    if (const std::string why = wintest::WhyNoLinks(profile); !why.empty()) GTEST_SKIP() << why;
    const std::string data = profile.substr(0, 3) + "skarvel-cli-data";
    CreateDirectoryA(data.c_str(), nullptr);
    Write(data + "\\report.doc", "precious");
    Write(profile + "\\skarvel-profile-marker.txt", "mine");
    std::string link = profile + "\\AppData\\Local\\Temp";
    if (GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES)
        link = profile + "\\AppData\\Local\\skarvel-temp-link";
    ASSERT_TRUE(wintest::MakeLink(data, link));

    struct Case {
        std::wstring temp;  // empty: TMP and TEMP removed
        std::string reason;
    } cases[] = {
        {wintest::WideOf(link), "reached through a link: " + data},
        {L"", "a user profile: " + profile},
    };
    for (const Case& c : cases) {
        EnvironmentChange tmp(L"TMP", c.temp), temp(L"TEMP", c.temp);
        for (const wchar_t* command : {L"--preview", L"--clean"}) {
            const wintest::Captured run =
                Cli(std::wstring(command) + L" temp-user --json --verbose --quiet");
            EXPECT_EQ(run.exitCode, 3u) << run.output;
            EXPECT_NE(run.output.find("\"status\": \"refused\""), std::string::npos) << run.output;
            std::string reason = c.reason;
            for (std::size_t at = 0; (at = reason.find('\\', at)) != std::string::npos; at += 2)
                reason.insert(at, 1, '\\');
            EXPECT_NE(run.output.find("\"reason\": \"" + reason + "\""), std::string::npos)
                << run.output;
            EXPECT_EQ(PathsOf(run.output), "\"paths\": [") << run.output;
        }
    }
    EXPECT_EQ(ReadAll(data + "\\report.doc"), "precious");
    EXPECT_EQ(ReadAll(profile + "\\skarvel-profile-marker.txt"), "mine");
    DeleteFileA((profile + "\\skarvel-profile-marker.txt").c_str());
    wintest::RemoveTree(link);
    wintest::RemoveTree(data);
}

// A second name in the Windows temp folder of a read-only file elsewhere: clearing attributes
// through it would make that file writable. Its mode and bytes stay; the name stays too, with
// its reason, where the system cannot delete a read-only name as it is (Wine).
TEST(CommandLine, AHardLinkInTheTempFolderLeavesTheFileElsewhereAsItWas) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string outside = std::string(windows).substr(0, 3) + "skarvel-cli-hardlink";
    const std::string file = outside + "\\settings.ini";
    const std::string probe = std::string(windows) + "\\temp\\skarvel-cli-hardlink";
    if (wintest::UnixPath(windows).empty())
        GTEST_SKIP() << "hard links are made from the Linux side";
    CreateDirectoryA(outside.c_str(), nullptr);
    CreateDirectoryA(probe.c_str(), nullptr);
    Write(file, "read-only bytes");
    const std::string mode = outside + "\\mode.txt";
    ASSERT_TRUE(Linux("chmod 444 '" + wintest::UnixPath(file) + "' && ln '" +
                          wintest::UnixPath(file) + "' '" + wintest::UnixPath(probe) + "/link.ini'",
                      outside + "\\made"));

    const wintest::Captured clean = Cli(L"--clean temp-windows --json --quiet");
    ASSERT_TRUE(
        Linux("stat -c %a '" + wintest::UnixPath(file) + "' > '" + wintest::UnixPath(mode) + "'",
              outside + "\\stated"));
    EXPECT_EQ(ReadAll(mode), "444\n");
    EXPECT_EQ(ReadAll(file), "read-only bytes");
    EXPECT_NE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_NE(clean.output.find("has other names; left unchanged"), std::string::npos)
        << clean.output;
    wintest::LinuxRemove(probe);
    wintest::LinuxRemove(outside);
}

// Today's caches on a prepared local application data folder, made from the Linux side as a
// browser would leave it: exactly the cache files go, and every other file of each profile
// stays byte for byte; the clean frees what the preview announced.
TEST(CommandLine, BrowserAndSystemCachesGoAndTheProfilesStay) {
    char localBuffer[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("LOCALAPPDATA", localBuffer, MAX_PATH);
    ASSERT_TRUE(n > 0 && n < MAX_PATH);
    const std::string local(localBuffer, n);
    if (wintest::UnixPath(local).empty())
        GTEST_SKIP() << "the folders are made from the Linux side";
    const std::string chrome = "Google/Chrome/User Data/";
    const std::string firefox = "Mozilla/Firefox/Profiles/x.default-release/";
    const std::vector<std::string> caches = {chrome + "Default/Cache/Cache_Data/f_000001",
                                             chrome + "Default/Code Cache/js/index",
                                             chrome + "Default/GPUCache/data_0",
                                             chrome + "Profile 1/Cache/data_1",
                                             firefox + "cache2/entries/ABC",
                                             "CrashDumps/app.exe.1234.dmp",
                                             "Microsoft/Windows/Explorer/thumbcache_32.db"};
    const std::vector<std::string> kept = {
        chrome + "Default/Cookies",       chrome + "Default/History",
        chrome + "Default/Login Data",    chrome + "Default/Preferences",
        chrome + "Profile 1/Preferences", chrome + "Profile 1/Bookmarks",
        chrome + "Local State",           firefox + "places.sqlite",
        firefox + "cookies.sqlite",       "Microsoft/Windows/Explorer/other.db"};
    auto windowsPath = [&](std::string path) {
        for (char& c : path)
            if (c == '/') c = '\\';
        return local + "\\" + path;
    };
    std::string script = "cd '" + wintest::UnixPath(local) + "'";
    int size = 0;
    for (const std::vector<std::string>* list : {&caches, &kept})
        for (const std::string& path : *list) {
            const std::string folder = path.substr(0, path.rfind('/'));
            script += " && mkdir -p '" + folder + "' && printf " + std::string(++size, 'x') +
                      "- > '" + path + "'";
        }
    ASSERT_TRUE(Linux(script, local + "\\made"));

    const std::wstring ids = L"chrome-cache firefox-cache crash-dumps thumbnail-cache";
    const wintest::Captured preview = Cli(L"--preview " + ids + L" --json --verbose --quiet");
    const wintest::Captured clean = Cli(L"--clean " + ids + L" --json --verbose --quiet");
    ExpectDoneAlike(preview, clean);
    for (const std::string& path : caches)
        EXPECT_EQ(GetFileAttributesA(windowsPath(path).c_str()), INVALID_FILE_ATTRIBUTES) << path;
    size = static_cast<int>(caches.size());
    for (const std::string& path : kept)
        EXPECT_EQ(ReadAll(windowsPath(path)), std::string(++size, 'x') + "-") << path;
    wintest::LinuxRemove(local + "\\Google");
    wintest::LinuxRemove(local + "\\Mozilla");
    wintest::LinuxRemove(local + "\\CrashDumps");
    DeleteFileA(windowsPath("Microsoft/Windows/Explorer/other.db").c_str());
}

// Cleaner definitions of our own over a prepared tree: exactly what the definitions name goes;
// what they exclude and what --keep keeps stays, and an entry whose program is absent is
// skipped.
TEST(CommandLine, DefinitionsCleanWhatTheyNameAndNothingElse) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string root = std::string(windows).substr(0, 3) + "skarvel-w2";
    // A removal started for nothing could still be running when the tree is made.
    if (GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES) wintest::RemoveTree(root);
    for (const char* folder : {"", "\\Quill", "\\Quill\\Cache", "\\Quill\\Cache\\sub",
                               "\\Quill\\Logs", "\\Quill2", "\\Quill2\\Temp"})
        CreateDirectoryA((root + folder).c_str(), nullptr);
    const std::vector<std::string> gone = {"\\Quill\\Cache\\a.bin", "\\Quill\\Cache\\sub\\b.bin",
                                           "\\Quill\\Logs\\x.log", "\\Quill2\\Temp\\t.tmp"};
    const std::vector<std::string> stay = {"\\Quill\\quill.exe", "\\Quill\\Cache\\keep.dat",
                                           "\\Quill\\Cache\\mine.txt", "\\Quill\\Logs\\x.txt"};
    for (const std::vector<std::string>* list : {&gone, &stay})
        for (const std::string& file : *list) Write(root + file, file);
    Write(root + "\\defs.ini",
          "[Quill *]\r\n"
          "DetectFile=%SystemDrive%\\skarvel-w2\\Quill\\quill.exe\r\n"
          "FileKey1=%SystemDrive%\\skarvel-w2\\Quill\\Cache|*.*|RECURSE\r\n"
          "FileKey2=%SystemDrive%\\skarvel-w2\\Quill\\Logs|*.log\r\n"
          "FileKey3=%SystemDrive%\\skarvel-w2\\Quill*\\Temp|*.*|RECURSE|REMOVESELF\r\n"
          "ExcludeKey1=FILE|%SystemDrive%\\skarvel-w2\\Quill\\Cache|keep.dat\r\n"
          "[Absent *]\r\n"
          "DetectFile=%SystemDrive%\\skarvel-w2\\absent.exe\r\n"
          "FileKey1=%SystemDrive%\\skarvel-w2|*.*|RECURSE\r\n");
    const std::wstring args = L" w2-quill w2-absent --winapp2 \"" + wintest::WideOf(root) +
                              L"\\defs.ini\" --keep %SystemDrive%\\skarvel-w2\\Quill\\Cache\\"
                              L"mine.txt --json --verbose --quiet";
    const wintest::Captured preview = Cli(L"--preview" + args);
    const wintest::Captured clean = Cli(L"--clean" + args);
    ExpectDoneAlike(preview, clean);
    EXPECT_NE(clean.output.find("\"kept\": 2"), std::string::npos) << clean.output;
    EXPECT_NE(clean.output.find("\"note\": \"not present\""), std::string::npos) << clean.output;
    for (const std::string& file : gone)
        EXPECT_EQ(GetFileAttributesA((root + file).c_str()), INVALID_FILE_ATTRIBUTES) << file;
    EXPECT_EQ(GetFileAttributesA((root + "\\Quill2\\Temp").c_str()), INVALID_FILE_ATTRIBUTES);
    for (const std::string& file : stay) EXPECT_EQ(ReadAll(root + file), file) << file;
    wintest::RemoveTree(root);
}

}  // namespace
