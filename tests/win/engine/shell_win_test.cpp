// The shell and URL cache implementations against the real system.

// <windows.h> must come first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
#include <wininet.h>
// clang-format on
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/shell.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text.h"
#include "platform/win32/url_cache_win32.h"

namespace {

namespace fs = std::filesystem;

fs::path ScratchFolder(const char* name) {
    fs::path folder = fs::temp_directory_path() /
                      (std::string(name) + "-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    return folder;
}

TEST(ShellWin32, SpecialFolders) {
    platform::win32::ShellWin32 shell;
    for (int number : {platform::csidl::kRecent, platform::csidl::kInternetCache,
                       platform::csidl::kCookies, platform::csidl::kHistory}) {
        std::string path = shell.SpecialFolderPath(number);
        EXPECT_GT(path.size(), 3u) << number;
        EXPECT_EQ(path.back() == '\\', false) << path;
    }
    EXPECT_EQ(shell.SpecialFolderPath(0x7F), "");  // no such folder
}

TEST(ShellWin32, StartProgramRunsWithItsParameters) {
    platform::win32::ShellWin32 shell;
    fs::path folder = ScratchFolder("skarvel-start");
    fs::path marker = folder / "started.txt";
    std::string parameters =
        "/c echo started> \"" + platform::win32::Narrow(marker.wstring()) + "\"";
    EXPECT_TRUE(shell.StartProgram(nullptr, "cmd.exe", parameters, platform::kShowNormal));
    for (int i = 0; i < 100 && !fs::exists(marker); ++i) Sleep(100);
    EXPECT_TRUE(fs::exists(marker))
        << "timed out after 10 s waiting for the started program's file";
    EXPECT_FALSE(
        shell.StartProgram(nullptr, "no-such-program-skarvel.exe", "", platform::kShowNormal));
    Sleep(200);
    std::error_code ec;
    fs::remove_all(folder, ec);
}

// The recycle bin under Wine is the Linux user's Trash; only run where the test environment
// (scripts/wine-env) has moved HOME and XDG_DATA_HOME away from the real ones. Wine passes
// HOME on as WINEHOMEDIR ("\\??\\Z:\\...").
bool TrashIsPrivate() {
    const char* real = std::getenv("SKARVEL_REAL_HOME");
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* wineHome = std::getenv("WINEHOMEDIR");
    if (!real || !data || !wineHome || !*real) return false;
    std::string realHome = std::string("\\??\\Z:") + real;
    for (char& c : realHome)
        if (c == '/') c = '\\';
    return std::string(data) != std::string(real) + "/.local/share" && wineHome != realHome;
}

// The Trash's "files" folder as a Windows path (Z: is the Linux root).
fs::path TrashFiles() {
    std::string unix = std::string(std::getenv("XDG_DATA_HOME")) + "/Trash/files";
    for (char& c : unix)
        if (c == '/') c = '\\';
    return fs::path(platform::win32::Widen("Z:" + unix));
}

int CountEntries(const fs::path& folder) {
    std::error_code ec;
    int n = 0;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator(); ++it)
        ++n;
    return n;
}

TEST(ShellWin32, EmptyRecycleBinsEmptiesTheBin) {
    if (!TrashIsPrivate()) GTEST_SKIP() << "HOME is not a private test folder";
    fs::path folder = ScratchFolder("skarvel-bin");
    fs::path file = folder / "to-the-bin.txt";
    std::ofstream(file) << "bin me";
    std::wstring from = file.wstring() + L'\0';  // double-terminated list
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(SHFileOperationW(&op), 0);
    ASSERT_FALSE(fs::exists(file));
    ASSERT_GT(CountEntries(TrashFiles()), 0) << "the file did not reach the bin";

    platform::win32::ShellWin32 shell;
    EXPECT_EQ(shell.EmptyRecycleBins(nullptr), platform::RecycleBinStatus::Called);
    EXPECT_EQ(CountEntries(TrashFiles()), 0);
    std::error_code ec;
    fs::remove_all(folder, ec);
}

int CountCacheEntries() {
    int n = 0;
    DWORD size = 0;
    HANDLE find = FindFirstUrlCacheEntryW(nullptr, nullptr, &size);
    if (!find && GetLastError() != ERROR_INSUFFICIENT_BUFFER) return 0;
    std::vector<std::uint64_t> buffer(size / 8 + 1);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    find = FindFirstUrlCacheEntryW(nullptr, info, &size);
    while (find) {
        ++n;
        size = 0;
        if (!FindNextUrlCacheEntryW(find, nullptr, &size) &&
            GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
            buffer.assign(size / 8 + 1, 0);
            info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
            if (FindNextUrlCacheEntryW(find, info, &size)) continue;
        }
        break;
    }
    if (find) FindCloseUrlCache(find);
    return n;
}

bool CommitEntry(const std::wstring& url, const std::string& body) {
    wchar_t file[MAX_PATH] = {};
    if (!CreateUrlCacheEntryW(url.c_str(), 0, L"htm", file, 0)) return false;
    std::ofstream(fs::path(file), std::ios::binary) << body;
    FILETIME never{};
    return CommitUrlCacheEntryW(url.c_str(), file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0,
                                nullptr, nullptr) != FALSE;
}

TEST(UrlCacheWin32, ClearDeletesEveryEntry) {
    platform::win32::UrlCacheWin32 cache;
    // Entries of very different record sizes, so each fetch needs its own buffer size.
    ASSERT_TRUE(CommitEntry(L"http://skarvel.test/a", "a"));
    ASSERT_TRUE(CommitEntry(L"http://skarvel.test/" + std::wstring(600, L'b'), "bb"));
    ASSERT_TRUE(CommitEntry(L"http://skarvel.test/c?q=1", "ccc"));
    ASSERT_GE(CountCacheEntries(), 3);

    EXPECT_GE(cache.ClearUrlCache(), 3u);
    EXPECT_EQ(CountCacheEntries(), 0);
    // An empty cache is a walk of nothing.
    EXPECT_EQ(cache.ClearUrlCache(), 0u);
}

}  // namespace
