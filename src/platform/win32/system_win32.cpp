#include "platform/win32/system_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "platform/win32/files_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace platform::win32 {

std::string SystemWin32::ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return Narrow(std::wstring_view(buffer.data(), n));
        buffer.resize(buffer.size() * 2);
    }
}

std::string SystemWin32::ApplicationFolder() {
    std::string path = ExecutablePath();
    return path.substr(0, path.find_last_of("\\/:") + 1);
}

namespace {

// Whether this process may create a file in FOLDER (with a trailing backslash): asks by
// creating one, as the folder's permissions, a read-only medium and the process's own rights
// all decide together. The file is hidden, named for this process, and deleted when closed.
bool CanCreateFileIn(const std::string& folder) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::string name = "~skarvel-write-test-" + std::to_string(GetCurrentProcessId()) +
                                 "-" + std::to_string(attempt) + ".tmp";
        const std::wstring path = FileSystemWin32::LongPath(folder + name);
        HANDLE file = CreateFileW(
            path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

// The user's roaming application data folder, made when missing; empty when there is none.
std::string RoamingAppDataFolder() {
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &path)))
        folder = Narrow(path);
    CoTaskMemFree(path);
    return folder;
}

using KernelHandle = HandleOwner<HANDLE, &CloseHandle>;

// The roaming application data folder of the user signed in at this desktop, read with the
// token of the shell's process: an elevated run under another account (an administrator who
// typed their password) reads the signed-in user's. Empty where no shell runs (a service, a
// task without a desktop).
std::string SignedInUsersRoamingAppData() {
    DWORD id = 0;
    const HWND shell = GetShellWindow();
    if (shell == nullptr || GetWindowThreadProcessId(shell, &id) == 0 || id == 0) return {};
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    HANDLE raw = nullptr;
    if (!process ||
        !OpenProcessToken(process.get(), TOKEN_QUERY | TOKEN_IMPERSONATE | TOKEN_DUPLICATE, &raw))
        return {};
    const KernelHandle token(raw);
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(
            SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, token.get(), &path)))
        folder = Narrow(path);
    CoTaskMemFree(path);
    return folder;
}

}  // namespace

std::string SystemWin32::UserDataFolder() {
    if (!userDataFolder_) {
        std::string roaming = SignedInUsersRoamingAppData();
        if (roaming.empty()) roaming = RoamingAppDataFolder();
        userDataFolder_ = roaming.empty() ? DataFolder() : roaming + "\\Skarvel\\";
    }
    return *userDataFolder_;
}

std::string SystemWin32::ChooseDataFolder(const std::string& applicationFolder) {
    if (applicationFolder.empty() || CanCreateFileIn(applicationFolder)) return applicationFolder;
    const std::string roaming = RoamingAppDataFolder();
    if (roaming.empty()) return applicationFolder;
    const std::string folder = roaming + "\\Skarvel";
    (void)CreateDirectoryW(FileSystemWin32::LongPath(folder).c_str(), nullptr);  // may be there
    const DWORD attributes = GetFileAttributesW(FileSystemWin32::LongPath(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return applicationFolder;
    return folder + "\\";
}

std::string SystemWin32::DataFolder() {
    if (!dataFolder_) dataFolder_ = ChooseDataFolder(ApplicationFolder());
    return *dataFolder_;
}

std::optional<std::string> SystemWin32::WindowsFolder() {
    wchar_t buffer[MAX_PATH + 1];
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) return std::nullopt;
    return Narrow(std::wstring_view(buffer, n));
}

std::string SystemWin32::TempFolder() {
    wchar_t buffer[MAX_PATH + 2];
    DWORD n = GetTempPathW(MAX_PATH + 2, buffer);
    if (n == 0 || n > MAX_PATH + 1) return {};
    return Narrow(std::wstring_view(buffer, n));
}

std::optional<std::string> SystemWin32::UserName() {
    wchar_t buffer[256];
    DWORD size = 256;
    if (!GetUserNameW(buffer, &size) || size == 0) return std::nullopt;
    return Narrow(std::wstring_view(buffer, size - 1));  // size counts the terminating zero
}

LocalTime SystemWin32::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

static std::string FormatNow(bool date) {
    wchar_t buffer[128];
    int n = date
                ? GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, 128)
                : GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, 128);
    if (n <= 1) return {};
    return Narrow(std::wstring_view(buffer, static_cast<size_t>(n - 1)));
}

std::string SystemWin32::ShortDate() {
    return FormatNow(true);
}
std::string SystemWin32::LongTime() {
    return FormatNow(false);
}

OsVersion SystemWin32::Version() {
    // GetVersionEx lies to programs without a compatibility manifest; RtlGetVersion does not.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        auto fn = reinterpret_cast<RtlGetVersionFn>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
        if (fn && fn(&info) == 0)
            return {info.dwMajorVersion, info.dwMinorVersion, info.dwPlatformId};
    }
    return {};
}

std::optional<std::string> SystemWin32::ToAnsiCodePage(const std::string& utf8) {
    if (GetACP() == CP_UTF8) return utf8;  // the page holds everything (and takes no default)
    std::wstring wide = Widen(utf8);
    if (wide.empty()) return std::string();
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
    if (n <= 0 || lossy) return std::nullopt;
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::string SystemWin32::FromAnsiCodePage(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), n);
    return Narrow(wide);
}

std::optional<std::string> SystemWin32::CurrentThemeColorName() {
    LibraryOwner uxtheme(LoadLibraryW(L"uxtheme.dll"));
    if (!uxtheme) return std::nullopt;
    using GetCurrentThemeNameFn = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    auto fn = reinterpret_cast<GetCurrentThemeNameFn>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme.get(), "GetCurrentThemeName")));
    if (!fn) return std::nullopt;
    wchar_t fileName[255] = {}, colorName[255] = {}, sizeName[255] = {};
    HRESULT hr = fn(fileName, 255, colorName, 255, sizeName, 255);
    if (FAILED(hr)) throw std::runtime_error(SystemErrorText(static_cast<DWORD>(hr)));
    colorName[254] = L'\0';
    return Narrow(colorName);
}

void SystemWin32::Sleep(int milliseconds) {
    ::Sleep(static_cast<DWORD>(milliseconds));
}

std::optional<std::string> SystemWin32::EnvironmentVariable(const std::string& name) {
    const std::wstring wideName = Widen(name);
    std::wstring value(256, L'\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD n = GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                static_cast<DWORD>(value.size()));
        if (n == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        if (n < value.size()) {
            value.resize(n);
            return Narrow(value);
        }
        value.resize(n);  // too small: N is the size needed, with the terminator
    }
}

}  // namespace platform::win32
