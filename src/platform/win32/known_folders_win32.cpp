// Where the system keeps the folders no purge may empty: from the system's own calls, the
// shell's known-folder lookup and the profile list in the registry. A folder the system does
// not know (or not here: SysWOW64 on a 32-bit system) gives no path.
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

using DirectoryCall = UINT(WINAPI*)(LPWSTR, UINT);
using KeyOwner = HandleOwner<HKEY, &RegCloseKey>;

// A folder from one of the system's "GetXxxDirectoryW" calls; empty when it fails.
std::string SystemDirectory(DirectoryCall call) {
    wchar_t buffer[MAX_PATH + 1];
    const UINT n = call(buffer, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) return {};
    return Narrow(std::wstring_view(buffer, n));
}

// The current user's known folder ID, as the shell spells it (whether or not it exists).
std::string ShellFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    constexpr DWORD kDontVerify = 0x4000;  // KF_FLAG_DONT_VERIFY
    const HRESULT result = SHGetKnownFolderPath(id, kDontVerify, nullptr, &path);
    std::string out = SUCCEEDED(result) && path != nullptr ? Narrow(path) : std::string();
    CoTaskMemFree(path);
    return out;
}

std::string Expanded(const std::wstring& text) {
    const DWORD n = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (n == 0) return Narrow(text);
    std::wstring out(n, L'\0');
    const DWORD m = ExpandEnvironmentStringsW(text.c_str(), out.data(), n);
    out.resize(m > 0 ? m - 1 : 0);
    return Narrow(out);
}

// A string value of KEY (expanded when it is REG_EXPAND_SZ); empty when missing.
std::string RegistryText(HKEY key, const wchar_t* subKey, const wchar_t* value) {
    DWORD size = 0;
    constexpr DWORD kFlags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (RegGetValueW(key, subKey, value, kFlags, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(key, subKey, value, kFlags, nullptr, text.data(), &size) != ERROR_SUCCESS)
        return {};
    text.resize(wcsnlen(text.c_str(), text.size()));
    return Expanded(text);
}

enum class NameKind { SubKeys, Values };

// The names of KEY's sub-keys or values; a name longer than 255 characters is passed over.
std::vector<std::wstring> Names(HKEY key, NameKind kind) {
    std::vector<std::wstring> names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        const LONG result =
            kind == NameKind::SubKeys
                ? RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr)
                : RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_SUCCESS) names.emplace_back(name, length);
    }
    return names;
}

constexpr const wchar_t* kProfileList =
    L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList";

// Every profile the system lists (each user's, the system's and the services'), the default
// and public profiles, and the current user's own.
std::vector<std::string> Profiles() {
    std::vector<std::string> out;
    HKEY list = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProfileList, 0, KEY_READ, &list) == ERROR_SUCCESS) {
        KeyOwner owner(list);
        for (const std::wstring& name : Names(list, NameKind::SubKeys))
            out.push_back(RegistryText(list, name.c_str(), L"ProfileImagePath"));
        out.push_back(RegistryText(list, nullptr, L"Default"));
        out.push_back(RegistryText(list, nullptr, L"Public"));
    }
    out.push_back(ShellFolder(FOLDERID_Profile));
    out.push_back(ShellFolder(FOLDERID_Public));
    return out;
}

// The folders of every value of KEY\SUBKEY (each a folder path), or of the value VALUE of
// each of its sub-keys.
void AddFolderValues(HKEY root, const wchar_t* path, const wchar_t* value,
                     std::vector<std::string>& out) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    KeyOwner owner(key);
    for (const std::wstring& name : Names(key, NameKind::SubKeys))
        out.push_back(RegistryText(key, name.c_str(), value));
}

// Every value of each sub-key's UserSyncRoots key: the folders the cloud providers
// registered with the system, for every user.
void AddSyncRootManagerFolders(std::vector<std::string>& out) {
    HKEY manager = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\SyncRootManager", 0,
                      KEY_READ, &manager) != ERROR_SUCCESS)
        return;
    KeyOwner owner(manager);
    for (const std::wstring& provider : Names(manager, NameKind::SubKeys)) {
        HKEY roots = nullptr;
        const std::wstring sub = provider + L"\\UserSyncRoots";
        if (RegOpenKeyExW(manager, sub.c_str(), 0, KEY_READ, &roots) != ERROR_SUCCESS) continue;
        KeyOwner rootsOwner(roots);
        for (const std::wstring& value : Names(roots, NameKind::Values))
            out.push_back(RegistryText(roots, nullptr, value.c_str()));
    }
}

std::string EnvironmentFolder(const wchar_t* name) {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD n = GetEnvironmentVariableW(name, buffer, MAX_PATH + 1);
    return n > 0 && n <= MAX_PATH ? Narrow(std::wstring_view(buffer, n)) : std::string();
}

// The folders cloud services keep in sync: OneDrive's (from its variables, the shell and its
// accounts) and every sync root the system lists.
std::vector<std::string> SyncRoots() {
    std::vector<std::string> out = {
        EnvironmentFolder(L"OneDrive"), EnvironmentFolder(L"OneDriveConsumer"),
        EnvironmentFolder(L"OneDriveCommercial"), ShellFolder(FOLDERID_SkyDrive)};
    AddFolderValues(HKEY_CURRENT_USER, L"Software\\Microsoft\\OneDrive\\Accounts", L"UserFolder",
                    out);
    AddSyncRootManagerFolders(out);
    return out;
}

std::vector<std::string> DriveRoots() {
    std::vector<std::string> roots;
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((drives & (1u << i)) == 0) continue;
        const wchar_t root[] = {static_cast<wchar_t>(L'A' + i), L':', L'\\', 0};
        const UINT type = GetDriveTypeW(root);
        if (type == DRIVE_FIXED || type == DRIVE_RAMDISK) roots.push_back(Narrow(root));
    }
    return roots;
}

std::string ProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            std::wstring path(buffer.data(), n);
            return Narrow(path.substr(0, path.find_last_of(L"\\/") + 1));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::vector<std::string> FileSystemWin32::KnownFolderPaths(KnownFolder id) {
    std::vector<std::string> paths;
    switch (id) {
        case KnownFolder::DriveRoots:
            paths = DriveRoots();
            break;
        case KnownFolder::Windows:
            paths = {SystemDirectory(GetWindowsDirectoryW),
                     SystemDirectory(GetSystemWindowsDirectoryW)};
            break;
        case KnownFolder::System:
            paths = {SystemDirectory(GetSystemDirectoryW)};
            break;
        case KnownFolder::SystemX86:
            paths = {SystemDirectory(GetSystemWow64DirectoryW)};
            break;
        case KnownFolder::ProgramFiles:
            paths = {ShellFolder(FOLDERID_ProgramFiles), ShellFolder(FOLDERID_ProgramFilesX64)};
            break;
        case KnownFolder::ProgramFilesX86:
            paths = {ShellFolder(FOLDERID_ProgramFilesX86)};
            break;
        case KnownFolder::ProgramData:
            paths = {ShellFolder(FOLDERID_ProgramData)};
            break;
        case KnownFolder::ProfilesRoot:
            paths = {ShellFolder(FOLDERID_UserProfiles),
                     RegistryText(HKEY_LOCAL_MACHINE, kProfileList, L"ProfilesDirectory")};
            break;
        case KnownFolder::Profiles:
            paths = Profiles();
            break;
        case KnownFolder::Desktop:
            paths = {ShellFolder(FOLDERID_Desktop)};
            break;
        case KnownFolder::Documents:
            paths = {ShellFolder(FOLDERID_Documents)};
            break;
        case KnownFolder::Downloads:
            paths = {ShellFolder(FOLDERID_Downloads)};
            break;
        case KnownFolder::Pictures:
            paths = {ShellFolder(FOLDERID_Pictures)};
            break;
        case KnownFolder::Music:
            paths = {ShellFolder(FOLDERID_Music)};
            break;
        case KnownFolder::Videos:
            paths = {ShellFolder(FOLDERID_Videos)};
            break;
        case KnownFolder::RoamingAppData:
            paths = {ShellFolder(FOLDERID_RoamingAppData)};
            break;
        case KnownFolder::LocalAppData:
            paths = {ShellFolder(FOLDERID_LocalAppData)};
            break;
        case KnownFolder::LocalLowAppData:
            paths = {ShellFolder(FOLDERID_LocalAppDataLow)};
            break;
        case KnownFolder::Favorites:
            paths = {ShellFolder(FOLDERID_Favorites)};
            break;
        case KnownFolder::Contacts:
            paths = {ShellFolder(FOLDERID_Contacts)};
            break;
        case KnownFolder::Links:
            paths = {ShellFolder(FOLDERID_Links)};
            break;
        case KnownFolder::SavedGames:
            paths = {ShellFolder(FOLDERID_SavedGames)};
            break;
        case KnownFolder::Searches:
            paths = {ShellFolder(FOLDERID_SavedSearches)};
            break;
        case KnownFolder::CurrentProfile:
            paths = {ShellFolder(FOLDERID_Profile)};
            break;
        case KnownFolder::SyncRoots:
            paths = SyncRoots();
            break;
        case KnownFolder::Program:
            paths = {ProgramFolder()};
            break;
    }
    std::erase(paths, std::string());
    return paths;
}

}  // namespace platform::win32
