// skarvel-cli.exe with our own definitions file, for real: it cleans exactly the files, folders,
// registry keys and values the file names, writes the registry's backup first, puts it back
// with --restore, refuses a key Windows relies on, and cleans an entry with a warning only when
// the warning is accepted.

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <map>
#include <optional>
#include <string>

#include "definitions/our_definitions.h"
#include "win/cli/cli_run.h"
#include "win/support/links.h"

namespace {

using namespace wintest::cli;

std::string KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::string utf8;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        char buffer[MAX_PATH * 3];
        const int n =
            WideCharToMultiByte(CP_UTF8, 0, path, -1, buffer, sizeof buffer, nullptr, nullptr);
        if (n > 0) utf8.assign(buffer, n - 1);
    }
    CoTaskMemFree(path);
    return utf8;
}

std::string UserName() {
    char name[256];
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

void MakeFolders(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

// Every value below HKCU\Software\SkarvelW2 (and the Run value), with its type and bytes.
using Values = std::map<std::string, std::string>;

void Collect(HKEY root, const std::string& key, Values& out) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return;
    char name[256];
    BYTE data[512];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (RegEnumValueA(opened, i, name, &nameSize, nullptr, &type, data, &dataSize) !=
            ERROR_SUCCESS)
            break;
        out[key + "|" + name] =
            std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), dataSize);
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(opened, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        out[key + "\\" + name] = "key";
        Collect(root, key + "\\" + name, out);
    }
    RegCloseKey(opened);
}

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

Values Registry() {
    Values all;
    Collect(HKEY_CURRENT_USER, "Software\\SkarvelW2", all);
    Collect(HKEY_CURRENT_USER, kRun, all);
    for (auto it = all.begin(); it != all.end();)
        it = it->first.starts_with(kRun) && it->first.find("SkarvelW2") == std::string::npos
                 ? all.erase(it)
                 : std::next(it);
    return all;
}

void SetValue(HKEY root, const std::string& key, const char* name, DWORD type,
              const std::string& data) {
    HKEY opened = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
        ERROR_SUCCESS)
        << key;
    RegSetValueExA(opened, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
    RegCloseKey(opened);
}

class OurDefinitionsForReal : public ::testing::Test {
  protected:
    std::map<std::string, std::string> roots_;
    std::string definitions_;
    std::optional<EnvironmentChange> tmp_, temp_;

    void SetUp() override {
        const std::string local = KnownFolder(FOLDERID_LocalAppData);
        roots_ = {{"LocalAppData", local},
                  {"AppData", KnownFolder(FOLDERID_RoamingAppData)},
                  {"LocalLowAppData", KnownFolder(FOLDERID_LocalAppDataLow)},
                  {"ProgramData", KnownFolder(FOLDERID_ProgramData)},
                  {"ProgramFiles", KnownFolder(FOLDERID_ProgramFiles)},
                  {"ProgramFilesX86", KnownFolder(FOLDERID_ProgramFilesX86)},
                  {"WinDir", KnownFolder(FOLDERID_Windows)},
                  {"UserProfile", KnownFolder(FOLDERID_Profile)},
                  {"SystemDrive", KnownFolder(FOLDERID_Windows).substr(0, 2)},
                  {"Temp", local + "\\Temp"}};
        // The user's temp folder where Windows keeps it (Wine's own lies outside AppData).
        MakeFolders(roots_["Temp"]);
        tmp_.emplace(L"TMP", wintest::WideOf(roots_["Temp"]));
        temp_.emplace(L"TEMP", wintest::WideOf(roots_["Temp"]));
        RemoveOurs();
        for (const testdefs::OurFile& file : testdefs::kOurFiles) {
            const std::string path = PathOf(file);
            if (path.ends_with('\\')) {
                MakeFolders(path.substr(0, path.size() - 1));
            } else {
                MakeFolders(path.substr(0, path.rfind('\\')));
                Write(path, file.path);
            }
        }
        definitions_ = roots_["LocalAppData"] + "\\skarvel-w2-definitions.ini";
        Write(definitions_, testdefs::kOurDefinitions);
        const std::string ours = "Software\\SkarvelW2";
        SetValue(HKEY_CURRENT_USER, ours, "LastFile", REG_SZ, std::string("C:\\x.txt", 9));
        SetValue(HKEY_CURRENT_USER, ours, "Other", REG_DWORD, std::string("\1\0\0\0", 4));
        SetValue(HKEY_CURRENT_USER, ours + "\\Recent", "a", REG_EXPAND_SZ,
                 std::string("%TEMP%\\a", 9));
        SetValue(HKEY_CURRENT_USER, ours + "\\Recent", "Pinned", REG_SZ, std::string("mine", 5));
        SetValue(HKEY_CURRENT_USER, ours + "\\Recent\\Sub", "b", REG_BINARY, "\x01\x02");
        SetValue(HKEY_CURRENT_USER, ours + "\\Settings\\A", "c", REG_QWORD, std::string(8, '\7'));
        SetValue(HKEY_CURRENT_USER, ours + "\\Settings\\Keep", "k", REG_SZ, std::string("kept", 5));
        SetValue(HKEY_CURRENT_USER, kRun, "SkarvelW2", REG_SZ, std::string("x.exe", 6));
        SetValue(HKEY_USERS, ".DEFAULT\\Software\\SkarvelW2", "", REG_SZ, std::string(1, '\0'));
    }
    void TearDown() override {
        RemoveOurs();
        DeleteFileA(definitions_.c_str());
    }

    std::string PathOf(const testdefs::OurFile& file) {
        std::string path = roots_.at(file.variable) + "\\" + file.path;
        const std::size_t user = path.find("%UserName%");
        if (user != std::string::npos) path.replace(user, 10, UserName());
        return path;
    }
    void RemoveOurs() {
        for (const char* root :
             {"LocalAppData", "AppData", "LocalLowAppData", "ProgramData", "ProgramFiles",
              "ProgramFilesX86", "WinDir", "UserProfile", "SystemDrive", "Temp"}) {
            const std::string folder = roots_[root] + "\\SkarvelW2";
            if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES)
                wintest::RemoveTree(folder);
        }
        for (const char* common : {"ProgramFiles", "ProgramFilesX86"}) {
            const std::string folder = roots_[common] + "\\Common Files\\SkarvelW2";
            if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES)
                wintest::RemoveTree(folder);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\SkarvelW2");
        RegDeleteTreeA(HKEY_USERS, ".DEFAULT\\Software\\SkarvelW2");
        HKEY run = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kRun, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
            RegDeleteValueA(run, "SkarvelW2");
            RegCloseKey(run);
        }
    }
    wintest::Captured Run(const std::string& arguments) {
        return Cli(wintest::WideOf(arguments + " --winapp2 \"" + definitions_ + "\""));
    }
};

TEST_F(OurDefinitionsForReal, CleansWhatItNamesAfterTheBackupWhichRestores) {
    const Values before = Registry();
    ASSERT_EQ(before.size(), 13u);
    std::string ids;
    for (const char* id : testdefs::kOurCleanIds) ids += std::string(" ") + id;

    const wintest::Captured preview = Run("--preview" + ids);
    EXPECT_EQ(preview.exitCode, 0u) << preview.output;
    EXPECT_NE(preview.output.find("HKEY_CURRENT_USER\\Software\\SkarvelW2|LastFile"),
              std::string::npos)
        << preview.output;
    EXPECT_EQ(Registry(), before);
    for (const testdefs::OurFile& file : testdefs::kOurFiles)
        EXPECT_NE(GetFileAttributesA(PathOf(file).c_str()), INVALID_FILE_ATTRIBUTES);

    const wintest::Captured clean = Run("--clean" + ids);
    EXPECT_EQ(clean.exitCode, 0u) << clean.output;
    for (const testdefs::OurFile& file : testdefs::kOurFiles)
        EXPECT_EQ(GetFileAttributesA(PathOf(file).c_str()) == INVALID_FILE_ATTRIBUTES, file.gone)
            << PathOf(file);
    Values left;
    for (const auto& [name, value] : Registry())
        if (value != "key") left[name] = value;
    EXPECT_EQ(left,
              (Values{{"Software\\SkarvelW2|Other", before.at("Software\\SkarvelW2|Other")},
                      {"Software\\SkarvelW2\\Recent|Pinned", "1:mine" + std::string(1, '\0')},
                      {"Software\\SkarvelW2\\Settings\\Keep|k", "1:kept" + std::string(1, '\0')},
                      {std::string(kRun) + "|SkarvelW2", "1:x.exe" + std::string(1, '\0')}}));

    const std::size_t at = clean.output.find("Registry backup: ");
    ASSERT_NE(at, std::string::npos) << clean.output;
    const std::size_t from = at + 17;
    const std::string backup = clean.output.substr(from, clean.output.find(" (", from) - from);
    const std::string bytes = ReadAll(backup);
    // The form regedit imports: UTF-16 LE with its byte-order mark, and its header line.
    const std::wstring header = L"\xFEFFWindows Registry Editor Version 5.00\r\n";
    EXPECT_EQ(bytes.substr(0, header.size() * 2),
              std::string(reinterpret_cast<const char*>(header.data()), header.size() * 2))
        << backup;

    const wintest::Captured restore = Cli(L"--restore \"" + wintest::WideOf(backup) + L"\"");
    EXPECT_EQ(restore.exitCode, 0u) << restore.output;
    EXPECT_EQ(Registry(), before);
    DeleteFileA(backup.c_str());
}

// A key Windows relies on is refused; a warning is accepted or the entry stays.
TEST_F(OurDefinitionsForReal, RefusesAnchorsAndAsksForWarnings) {
    const std::string sessions = roots_["LocalAppData"] + "\\SkarvelW2\\Sessions\\s.dat";
    const wintest::Captured anchor = Run("--clean w2-skarvel-autostart");
    EXPECT_EQ(anchor.exitCode, 3u) << anchor.output;
    EXPECT_NE(anchor.output.find("REFUSED"), std::string::npos) << anchor.output;
    EXPECT_EQ(Registry().count(std::string(kRun) + "|SkarvelW2"), 1u);
    EXPECT_NE(GetFileAttributesA(sessions.c_str()), INVALID_FILE_ATTRIBUTES);

    const wintest::Captured warned = Run("--clean w2-skarvel-sessions");
    EXPECT_EQ(warned.exitCode, 2u) << warned.output;
    EXPECT_NE(warned.output.find("This deletes the saved sessions of SkarvelW2."),
              std::string::npos)
        << warned.output;
    EXPECT_NE(GetFileAttributesA(sessions.c_str()), INVALID_FILE_ATTRIBUTES);
    const wintest::Captured accepted = Run("--clean w2-skarvel-sessions --accept-warnings");
    EXPECT_EQ(accepted.exitCode, 0u) << accepted.output;
    EXPECT_EQ(GetFileAttributesA(sessions.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
