// The Win32 file system against real files, and the purge over it: attributes, files in
// use, long paths, and links made from the Linux side when running under Wine.
#include "platform/win32/files_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

#include "engine/purge.h"
#include "platform/win32/text.h"

namespace {

namespace attr = platform::attr;
using platform::win32::FileSystemWin32;
using platform::win32::Narrow;
using platform::win32::Widen;

struct HandleGuard {
    HANDLE h;
    ~HandleGuard() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

// The Unix path of a Windows path, when running under Wine; empty elsewhere.
std::string UnixPath(const std::string& path) {
    using Fn = char*(__cdecl*)(const wchar_t*);
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (fn == nullptr) return {};
    char* unix = fn(Widen(path).c_str());
    if (unix == nullptr) return {};
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

// Runs a Linux program under Wine. The process handle Wine returns for it does not wait for
// the program, so callers poll for its effect.
void RunLinux(std::wstring commandLine) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return;
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

bool Present(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WaitFor(const std::string& path, bool present) {
    for (int i = 0; i < 500 && Present(path) != present; ++i) Sleep(10);
    return Present(path) == present;
}

// Makes a Unix symbolic link LINK -> TARGET (Windows paths) with the Linux ln.
bool LinuxSymlink(const std::string& target, const std::string& link) {
    RunLinux(L"Z:\\bin\\ln -s \"" + Widen(UnixPath(target)) + L"\" \"" + Widen(UnixPath(link)) +
             L"\"");
    return WaitFor(link, true);
}

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
        // Clean up with the code under test, links are left alone: drop them first.
        RemoveLinks(root);
        engine::RemoveTree(fs, root, true, false, true);
    }

    void RemoveLinks(const std::string& folder) {
        std::vector<platform::DirEntry> entries;
        fs.Enumerate(folder + "\\*", entries);
        for (const auto& e : entries) {
            if (e.name == "." || e.name == "..") continue;
            std::string full = folder + "\\" + e.name;
            std::string unix = UnixPath(full);
            if (e.name.find("link") != std::string::npos && !unix.empty()) {
                RunLinux(L"Z:\\bin\\rm -f \"" + Widen(unix) + L"\"");
                WaitFor(full, false);
            } else if (e.attributes & attr::kDirectory) {
                RemoveLinks(full);
            }
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

    EXPECT_FALSE(fs.DeleteFileAt(root + "\\ro.txt"));  // read-only: refused
    EXPECT_FALSE(fs.DeleteFileAt(root + "\\sub"));     // a folder is not a file
    EXPECT_TRUE(fs.FileExists(root + "\\ro.txt"));
    ASSERT_TRUE(fs.SetAttributes(root + "\\ro.txt", attr::kArchive));
    EXPECT_EQ(fs.Attributes(root + "\\ro.txt"), attr::kArchive);
    EXPECT_TRUE(fs.DeleteFileAt(root + "\\ro.txt"));
    EXPECT_FALSE(fs.FileExists(root + "\\ro.txt"));

    EXPECT_TRUE(fs.DeleteFileAt(root + "\\hs.dat"));  // hidden and system alone do not stop it
    EXPECT_FALSE(fs.RemoveFolder(root));              // not empty
    EXPECT_TRUE(fs.RemoveFolder(root + "\\sub\\"));
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

    EXPECT_FALSE(fs.DeleteFileAt(root + "\\busy.log"));
    engine::PurgeFolder(fs, root, true, false, "C:\\windows");
    EXPECT_EQ(fs.ReadFile(root + "\\busy.log"), "busy");
    EXPECT_FALSE(fs.FileExists(root + "\\ro.txt"));
    EXPECT_FALSE(fs.DirectoryExists(root + "\\Content.IE5"));
    EXPECT_TRUE(fs.DirectoryExists(root));

    CloseHandle(other.h);
    other.h = INVALID_HANDLE_VALUE;
    EXPECT_TRUE(fs.DeleteFileAt(root + "\\busy.log"));
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
    EXPECT_TRUE(fs.DeleteFileAt(deep + "\\gone.txt"));
    EXPECT_EQ(fs.ReadFile(deep + "\\long.txt"), "far down");
    EXPECT_TRUE(fs.CopyFileTo(deep + "\\long.txt", deep + "\\copy.txt", false));
    EXPECT_FALSE(fs.CopyFileTo(deep + "\\long.txt", deep + "\\copy.txt", false));
    EXPECT_TRUE(fs.CopyFileTo(deep + "\\long.txt", deep + "\\copy.txt", true));
    std::vector<platform::DirEntry> entries;
    EXPECT_TRUE(fs.Enumerate(deep + "\\*.txt", entries));
    EXPECT_EQ(entries.size(), 2u);

    engine::PurgeFolder(fs, root, false, false, "C:\\windows");
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
    EXPECT_TRUE(fs.DeleteFileAt(Narrow(shortPath) + "\\one.txt"));

    std::string saved = fs.CurrentDirectory();
    ASSERT_TRUE(SetCurrentDirectoryW(Widen(root).c_str()));
    EXPECT_EQ(FileSystemWin32::LongPath("x").substr(0, 4), L"\\\\?\\");
    EXPECT_TRUE(fs.DeleteFileAt("A Long Folder Name\\two.txt"));
    SetCurrentDirectoryW(Widen(saved).c_str());
    EXPECT_FALSE(fs.FileExists(root + "\\A Long Folder Name\\two.txt"));
}

TEST_F(Win32Files, LinksToOutsideDataSurviveAPurge) {
    if (UnixPath(root).empty()) GTEST_SKIP() << "links are made from the Linux side";
    const std::string outside = root + "\\outside";
    const std::string target = root + "\\target";
    ASSERT_TRUE(fs.CreateFolder(outside) && fs.CreateFolder(outside + "\\sub"));
    Write(outside + "\\precious.doc", "precious bytes");
    Write(outside + "\\ro.ini", "read-only bytes", attr::kReadOnly);
    Write(outside + "\\sub\\deep.dat", "deep bytes");
    ASSERT_TRUE(fs.CreateFolder(target) && fs.CreateFolder(target + "\\nested"));
    Write(target + "\\junk.tmp", "junk");
    Write(target + "\\nested\\junk2", "junk");
    ASSERT_TRUE(LinuxSymlink(outside, target + "\\dirlink"));
    ASSERT_TRUE(LinuxSymlink(outside + "\\sub", target + "\\nested\\sublink"));
    ASSERT_TRUE(LinuxSymlink(outside + "\\precious.doc", target + "\\filelink.doc"));
    ASSERT_TRUE(LinuxSymlink(outside + "\\ro.ini", target + "\\rolink"));
    ASSERT_TRUE(LinuxSymlink(outside + "\\sub\\deep.dat", target + "\\nested\\deeplink"));

    // Under Wine a directory link is a reparse point, a file link looks like a plain file.
    EXPECT_EQ(
        fs.Attributes(target + "\\dirlink").value_or(0) & (attr::kDirectory | attr::kReparsePoint),
        attr::kDirectory | attr::kReparsePoint);
    EXPECT_FALSE(fs.DeleteFileAt(target + "\\filelink.doc"));
    EXPECT_FALSE(fs.SetAttributes(target + "\\rolink", attr::kArchive));
    EXPECT_FALSE(fs.RemoveFolder(target + "\\dirlink"));

    for (bool clear : {true, false})
        for (bool stop : {false, true}) {
            engine::PurgeFolder(fs, target, clear, stop, "C:\\windows");
            engine::PurgeFolder(fs, target + "\\", clear, stop, "C:\\windows");
        }

    EXPECT_EQ(fs.ReadFile(outside + "\\precious.doc"), "precious bytes");
    EXPECT_EQ(fs.ReadFile(outside + "\\ro.ini"), "read-only bytes");
    EXPECT_EQ(fs.Attributes(outside + "\\ro.ini").value_or(0) & attr::kReadOnly, attr::kReadOnly);
    EXPECT_EQ(fs.ReadFile(outside + "\\sub\\deep.dat"), "deep bytes");
    EXPECT_FALSE(fs.FileExists(target + "\\junk.tmp"));
    EXPECT_FALSE(fs.FileExists(target + "\\nested\\junk2"));

    // A target that is itself a link is purged where it leads.
    ASSERT_TRUE(LinuxSymlink(target + "\\nested", root + "\\rootlink"));
    Write(target + "\\nested\\fresh.txt", "fresh");
    engine::PurgeFolder(fs, root + "\\rootlink", true, false, "C:\\windows");
    EXPECT_FALSE(fs.FileExists(target + "\\nested\\fresh.txt"));
    EXPECT_EQ(fs.ReadFile(outside + "\\sub\\deep.dat"), "deep bytes");
}

}  // namespace
