// The Windows side of the package test (tests/package/install_round_trip.sh runs it under
// Wine, one group at a time): what the installer left, the installed or unpacked program at
// work, and what the uninstaller took away.
//   SKARVEL_PROGRAM  the skarvel.exe under test (installed or unpacked)
//   SKARVEL_DATA     "beside": its folder can be written, settings and logs go there;
//                    "roaming": it cannot, they go to the user's application data folder

#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "win/support/capture.h"
#include "win/support/ole_environment.h"
#include "win/support/program_input.h"
#include "win/support/remote_window.h"
#include "win/support/running_program.h"
#include "platform/win32/task_scheduler_win32.h"
#include "win/support/settings_text.h"

namespace {

namespace fs = std::filesystem;

static auto* const ole = ::testing::AddGlobalTestEnvironment(new wintest::OleEnvironment);

constexpr wchar_t kInstalled[] = L"C:\\Program Files\\Skarvel\\skarvel.exe";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr wchar_t kProductsKey[] = L"Software\\Classes\\Installer\\Products";
// Client points, from the layouts: "Mechanical Options" in the main window's right panel;
// the "Cost accounting" box in its group at (184, 88) of the options window's panel at (0, 40).
constexpr POINT kMechanicalOptions{200 + 384 + 22, 40 + 123 + 10};
constexpr POINT kSaveLogBox{184 + 8 + 6, 40 + 88 + 16 + 8};

std::wstring Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::wstring(value, value + std::strlen(value)) : std::wstring();
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring RoamingData() {
    return KnownFolder(FOLDERID_RoamingAppData) + L"\\Skarvel";
}

std::vector<fs::path> Logs(const fs::path& folder) {
    std::vector<fs::path> logs;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder / L"log", ignored))
        if (entry.path().extension() == L".log") logs.push_back(entry.path());
    return logs;
}

std::optional<std::wstring> RegText(HKEY key, const wchar_t* name) {
    wchar_t data[1024] = {};
    DWORD size = sizeof(data);
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

// The subkey of HKLM\PARENT whose value NAME_VALUE is NAME, opened; null when there is none.
HKEY FindProductKey(const wchar_t* parent, const wchar_t* nameValue, const wchar_t* name) {
    HKEY root = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, parent, 0, KEY_READ | KEY_WOW64_64KEY, &root) !=
        ERROR_SUCCESS)
        return nullptr;
    HKEY found = nullptr;
    wchar_t sub[256];
    for (DWORD i = 0; !found; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(root, i, sub, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, sub, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
            continue;
        if (RegText(key, nameValue) == std::wstring(name))
            found = key;
        else
            RegCloseKey(key);
    }
    RegCloseKey(root);
    return found;
}

// The Start menu shortcut: in the machine's Programs folder, or (Wine puts a per-machine
// shortcut there) in the installing user's.
std::optional<fs::path> Shortcut() {
    for (REFKNOWNFOLDERID id : {FOLDERID_CommonPrograms, FOLDERID_Programs}) {
        const fs::path link = fs::path(KnownFolder(id)) / L"Skarvel.lnk";
        if (fs::exists(link)) return link;
    }
    return std::nullopt;
}

std::wstring ShortcutTarget(const fs::path& link) {
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        return L"<no shell link object>";
    std::wstring target = L"<unreadable>";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
            SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
        file->Release();
    }
    shellLink->Release();
    return target;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The visible main window of a running skarvel.exe started from PROGRAM, or null.
HWND MainWindowOf(const std::wstring& program) {
    struct Search {
        const std::wstring& program;
        HWND found = nullptr;
    } search{program};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            const std::wstring caption = wintest::WindowText(hwnd);
            const std::wstring suffix = L"Skarvel 1.0.7.977";
            if (!IsWindowVisible(hwnd) || !caption.ends_with(suffix)) return TRUE;
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
            wchar_t image[MAX_PATH] = {};
            DWORD size = MAX_PATH;
            if (process && QueryFullProcessImageNameW(process, 0, image, &size) &&
                SamePath(image, s.program))
                s.found = hwnd;
            if (process) CloseHandle(process);
            return s.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Closes the program that owns MAIN as a user would and waits for it to end.
bool CloseAndWait(HWND main) {
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageW(main, WM_CLOSE, 0, 0);
    const bool ended = process && WaitForSingleObject(process, 20000) == WAIT_OBJECT_0;
    if (process) CloseHandle(process);
    return ended;
}

// The options window of the process that owns MAIN, once it shows.
HWND ShownOptionsWindow(HWND main) {
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HWND options = nullptr;
    wintest::WaitFor(
        [&] {
            options = wintest::FindProcessWindow(pid, L"Mechanical Options Skarvel");
            return options != nullptr;
        },
        "the options window");
    return options;
}

TEST(Installed, FilesShortcutAndUninstallEntryAreThereAndTheProgramStarts) {
    const fs::path folder = fs::path(kInstalled).parent_path();
    for (const wchar_t* file :
         {L"skarvel.exe", L"skarvel-cli.exe", L"README.txt", L"LICENSE.txt",
          L"Language\\German.MordaunLang", L"Language\\Russian.MordaunLang", L"Sound\\1.wav",
          L"Sound\\2.wav", L"Sound\\3.wav", L"Sound\\4.wav", L"Sound\\5.wav"})
        EXPECT_TRUE(fs::is_regular_file(folder / file)) << fs::path(file).string();

    HKEY entry = FindProductKey(kUninstallKey, L"DisplayName", L"Skarvel");
    ASSERT_NE(entry, nullptr) << "no uninstall entry named Skarvel";
    EXPECT_EQ(RegText(entry, L"DisplayVersion"), std::wstring(L"1.0.7.977"));
    EXPECT_EQ(RegText(entry, L"Publisher"), std::wstring(L"Skarvel Project"));
    EXPECT_EQ(RegText(entry, L"UninstallString").value_or(L"").rfind(L"MsiExec.exe /X{", 0), 0u);
    RegCloseKey(entry);
    // Add/Remove Programs takes the icon from the product's registration.
    HKEY product = FindProductKey(kProductsKey, L"ProductName", L"Skarvel");
    ASSERT_NE(product, nullptr) << "the product is not registered for the machine";
    const std::wstring icon = RegText(product, L"ProductIcon").value_or(L"");
    RegCloseKey(product);
    EXPECT_TRUE(fs::is_regular_file(icon)) << "product icon: " << fs::path(icon).string();

    std::optional<fs::path> link = Shortcut();
    ASSERT_TRUE(link.has_value()) << "no Start menu shortcut";
    EXPECT_TRUE(SamePath(ShortcutTarget(*link), kInstalled));

    // Started from the Start menu, the program shows its main window.
    SHELLEXECUTEINFOW run{sizeof(run)};
    run.lpFile = link->c_str();
    run.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExW(&run));
    HWND main = nullptr;
    ASSERT_TRUE(wintest::WaitFor([&] { return (main = MainWindowOf(kInstalled)) != nullptr; },
                                 "the installed program's main window"))
        << "the installed program's main window did not show";
    EXPECT_TRUE(CloseAndWait(main));
}

// The program, run twice: the command-line cleaner and the first run write where this run may
// write; "Cost accounting" ticked in the first run is still on in the second, and each saves
// its log there. Nothing is written in the other place.
TEST(Program, KeepsItsOptionsAndLogsWhereItMayWrite) {
    const std::wstring program = Env("SKARVEL_PROGRAM");
    const std::wstring mode = Env("SKARVEL_DATA");
    ASSERT_FALSE(program.empty()) << "SKARVEL_PROGRAM names no program";
    ASSERT_TRUE(mode == L"beside" || mode == L"roaming") << "SKARVEL_DATA is beside or roaming";
    const fs::path folder = fs::path(program).parent_path();
    const fs::path data = mode == L"beside" ? folder : fs::path(RoamingData());
    const fs::path other = mode == L"beside" ? fs::path(RoamingData()) : folder;
    std::error_code ignored;
    fs::remove(data / L"Mordaun.ini", ignored);
    fs::remove_all(data / L"log", ignored);

    const wintest::Captured cli = wintest::RunAndCapture(
        L"\"" + (folder / L"skarvel-cli.exe").wstring() + L"\" --clean recent --quiet");
    EXPECT_EQ(cli.exitCode, 0u) << cli.output;
    EXPECT_NE(wintest::SettingsText(data / L"Mordaun.ini").find("[DLLCache]\r\nCache_Mb=10\r\n"),
              std::string::npos)
        << "the cleaning run's quota";

    {
        wintest::RunningProgram first(program);
        ASSERT_NE(first.Main(), nullptr) << "main window not found";
        wintest::ClickAt(first.Main(), kMechanicalOptions);
        HWND options = ShownOptionsWindow(first.Main());
        ASSERT_NE(options, nullptr) << "the options window did not show";
        wintest::ClickAt(options, kSaveLogBox);
        PostMessageW(options, WM_CLOSE, 0, 0);
        EXPECT_TRUE(wintest::WaitFor([&] { return IsWindowEnabled(first.Main()) != FALSE; },
                                     "the main window enabled again after the options window"));
        EXPECT_EQ(first.Close(), 0u);
    }
    const std::string settings = wintest::SettingsText(data / L"Mordaun.ini");
    EXPECT_NE(settings.find("[Log]\r\nALL=true\r\n"), std::string::npos) << settings;
    std::vector<fs::path> logs = Logs(data);
    ASSERT_EQ(logs.size(), 1u);
    const fs::path firstLog = logs[0];
    fs::rename(firstLog, data / L"log" / L"first-run.log");  // two runs may end in one second

    {
        wintest::RunningProgram second(program);
        ASSERT_NE(second.Main(), nullptr) << "main window not found";
        EXPECT_EQ(second.Close(), 0u);
    }
    logs = Logs(data);
    EXPECT_EQ(logs.size(), 2u) << "the second run saved its log too";
    EXPECT_NE(wintest::SettingsText(data / L"Mordaun.ini").find("[Log]\r\nALL=true\r\n"),
              std::string::npos);

    EXPECT_FALSE(fs::exists(other / L"Mordaun.ini")) << other.string();
    EXPECT_FALSE(fs::exists(other / L"log")) << other.string();
    if (mode == L"beside") {
        EXPECT_FALSE(fs::exists(other)) << "nothing of Skarvel in %APPDATA%";
    }
}

// A later version's package replaced this one: one entry, the later version, the program there.
TEST(Upgraded, OneEntryOfTheLaterVersion) {
    HKEY root = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | KEY_WOW64_64KEY, &root),
        ERROR_SUCCESS);
    std::vector<std::wstring> versions;
    wchar_t sub[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(root, i, sub, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, sub, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
            continue;
        if (RegText(key, L"DisplayName") == std::wstring(L"Skarvel"))
            versions.push_back(RegText(key, L"DisplayVersion").value_or(L"?"));
        RegCloseKey(key);
    }
    RegCloseKey(root);
    EXPECT_EQ(versions, std::vector<std::wstring>{Env("SKARVEL_LATER_VERSION")});
    EXPECT_TRUE(fs::is_regular_file(kInstalled));
    EXPECT_TRUE(Shortcut().has_value());
}

TEST(Uninstalled, ProgramShortcutAndEntryAreGoneTheUsersSettingsStay) {
    EXPECT_FALSE(fs::exists(kInstalled));
    EXPECT_FALSE(fs::exists(fs::path(kInstalled).parent_path()))
        << "the program's folder held nothing but what was installed";
    EXPECT_FALSE(Shortcut().has_value());
    EXPECT_EQ(FindProductKey(kUninstallKey, L"DisplayName", L"Skarvel"), nullptr);
    EXPECT_EQ(FindProductKey(kProductsKey, L"ProductName", L"Skarvel"), nullptr);
    const fs::path data = RoamingData();
    EXPECT_TRUE(fs::is_regular_file(data / L"Mordaun.ini"));
    EXPECT_EQ(Logs(data).size(), 2u);
}

// A silent install with NOSHORTCUT=1 SCHEDULE=daily SCHEDULETIME=04:15: no shortcut, the event
// source of the command-line cleaner, and the machine's scheduled cleaning; its uninstall
// takes the last two away again.
constexpr wchar_t kEventSource[] =
    L"SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Skarvel";
constexpr char kMachineTask[] = "Skarvel cleaning (SYSTEM)";

TEST(SilentInstall, NoShortcutTheEventSourceAndTheMachinesSchedule) {
    EXPECT_TRUE(fs::is_regular_file(kInstalled));
    EXPECT_FALSE(Shortcut().has_value());
    HKEY source = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEventSource, 0, KEY_READ, &source), ERROR_SUCCESS);
    const std::wstring file = RegText(source, L"EventMessageFile").value_or(L"");
    RegCloseKey(source);
    EXPECT_TRUE(SamePath(file, L"C:\\Program Files\\Skarvel\\skarvel-cli.exe")) << fs::path(file);
    const auto task = platform::win32::TaskSchedulerWin32().Find(kMachineTask);
    ASSERT_TRUE(task.has_value()) << "no scheduled cleaning";
    EXPECT_NE(task->description.find("daily at 04:15"), std::string::npos) << task->description;
}

TEST(SilentUninstall, TheScheduleAndTheEventSourceAreGone) {
    EXPECT_FALSE(fs::exists(kInstalled));
    EXPECT_FALSE(platform::win32::TaskSchedulerWin32().Find(kMachineTask).has_value());
    HKEY source = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEventSource, 0, KEY_READ, &source), ERROR_SUCCESS);
}

}  // namespace
