// The real System, Sound and folder check against the running Windows (Wine).

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <chrono>

#include "platform/win32/files_win32.h"
#include "platform/win32/sound_win32.h"
#include "platform/win32/system_function.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/text.h"

namespace {

using platform::win32::FileSystemWin32;
using platform::win32::SoundWin32;
using platform::win32::SystemWin32;

TEST(SystemWin32, FoldersHaveTheShapesTheProgramRelies) {
    SystemWin32 system;
    std::string app = system.ApplicationFolder();
    ASSERT_FALSE(app.empty());
    EXPECT_EQ(app.back(), '\\');
    FileSystemWin32 files;
    EXPECT_TRUE(files.DirectoryExists(app));

    auto windows = system.WindowsFolder();
    ASSERT_TRUE(windows.has_value());
    EXPECT_NE(windows->back(), '\\');
    EXPECT_TRUE(files.DirectoryExists(*windows));
    EXPECT_TRUE(files.DirectoryExists(*windows + "\\system32"));

    std::string temp = system.TempFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
}

TEST(SystemWin32, UserNameAndClockAreReadable) {
    SystemWin32 system;
    auto user = system.UserName();
    ASSERT_TRUE(user.has_value());
    EXPECT_FALSE(user->empty());
    EXPECT_EQ(user->find('\0'), std::string::npos);

    platform::LocalTime now = system.Now();
    EXPECT_GE(now.year, 2020);
    std::string date = system.ShortDate();
    EXPECT_NE(date.find(std::to_string(now.year % 100)), std::string::npos) << date;
    std::string time = system.LongTime();
    EXPECT_NE(time.find(':'), std::string::npos) << time;

    platform::OsVersion v = system.Version();
    EXPECT_GE(v.major, 5u);
}

// Settings and logs stay beside a program whose folder can be written, and go to the user's own
// folder when it cannot (here a folder that does not exist; the installed program in a
// read-only folder is the package test's case). The check leaves nothing behind.
TEST(SystemWin32, TheDataFolderIsTheProgramsWhenWritableElseTheUsersOwn) {
    wchar_t temp[MAX_PATH + 1];
    ASSERT_GT(GetTempPathW(MAX_PATH + 1, temp), 0u);
    const std::wstring folder =
        std::wstring(temp) + L"skarvel-data-" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::string writable = platform::win32::Narrow(folder) + "\\";
    EXPECT_EQ(SystemWin32::ChooseDataFolder(writable), writable);
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    int entries = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do ++entries;
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    EXPECT_EQ(entries, 2) << "only . and .. may be left";

    PWSTR roaming = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming)));
    const std::string own = platform::win32::Narrow(roaming) + "\\Skarvel\\";
    CoTaskMemFree(roaming);
    EXPECT_EQ(SystemWin32::ChooseDataFolder(writable + "missing\\"), own);
    FileSystemWin32 files;
    EXPECT_TRUE(files.DirectoryExists(own));
    EXPECT_TRUE(RemoveDirectoryW(folder.c_str()));

    SystemWin32 system;  // this test's own folder can be written
    EXPECT_EQ(system.DataFolder(), system.ApplicationFolder());
}

TEST(SystemWin32, SleepBlocksForTheGivenTime) {
    SystemWin32 system;
    auto start = std::chrono::steady_clock::now();
    system.Sleep(50);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(45));
}

TEST(SoundWin32, AMissingSoundFileReturnsAtOnce) {
    SoundWin32 sound;
    auto start = std::chrono::steady_clock::now();
    sound.PlayAsync("C:\\no such folder\\Sound\\3.wav");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(FileSystemWin32, DirectoryExistsOnlyForFolders) {
    FileSystemWin32 files;
    SystemWin32 system;
    std::string windows = *system.WindowsFolder();
    EXPECT_TRUE(files.DirectoryExists(windows));
    EXPECT_FALSE(files.DirectoryExists(windows + "\\system32\\kernel32.dll"));
    EXPECT_FALSE(files.DirectoryExists(windows + "\\no such folder"));
    EXPECT_FALSE(files.DirectoryExists(""));
}

// Functions of the DLLs loaded on first use: found in the system folder, null when the
// function or the DLL is missing.
TEST(SystemFunction, FindsSystemFunctionsAndNothingElse) {
    using platform::win32::FindSystemFunction;
    EXPECT_NE(FindSystemFunction(L"winmm.dll", "PlaySoundW"), nullptr);
    EXPECT_NE(FindSystemFunction(L"wininet.dll", "FindFirstUrlCacheEntryW"), nullptr);
    EXPECT_EQ(FindSystemFunction(L"winmm.dll", "NoSuchFunction"), nullptr);
    EXPECT_EQ(FindSystemFunction(L"no-such-library.dll", "PlaySoundW"), nullptr);
}

}  // namespace
