// A cleaning run on the real services: the registry values it writes, read back with
// "reg query", and the settings file it settles the cache size in.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>

#include "engine/cleaning_paths.h"
#include "engine/category_table.h"
#include "engine/cleaning_run.h"
#include "engine/tweaks.h"
#include "settings/cache_quota.h"
#include "platform/system.h"
#include "platform/win32/services.h"
#include "platform/win32/text.h"
#include "win/support/settings_text.h"
#include "win_helpers.h"

namespace {

namespace fs = std::filesystem;
using engine::Category;
using engine::Choice;

// The real system, with the application folder moved to a scratch folder so the settings
// file lands there.
class ScratchSystem : public platform::System {
  public:
    ScratchSystem(platform::System& real, std::string folder)
        : real_(real), folder_(std::move(folder)) {}
    std::string ExecutablePath() override { return folder_ + "skarvel.exe"; }
    std::string ApplicationFolder() override { return folder_; }
    std::optional<std::string> WindowsFolder() override { return real_.WindowsFolder(); }
    std::string TempFolder() override { return real_.TempFolder(); }
    std::optional<std::string> UserName() override { return real_.UserName(); }
    platform::LocalTime Now() override { return real_.Now(); }
    std::string ShortDate() override { return real_.ShortDate(); }
    std::string LongTime() override { return real_.LongTime(); }
    platform::OsVersion Version() override { return real_.Version(); }
    std::optional<std::string> ToAnsiCodePage(const std::string& utf8) override {
        return real_.ToAnsiCodePage(utf8);
    }
    std::string FromAnsiCodePage(std::string_view bytes) override {
        return real_.FromAnsiCodePage(bytes);
    }
    std::optional<std::string> CurrentThemeColorName() override {
        return real_.CurrentThemeColorName();
    }
    void Sleep(int milliseconds) override { real_.Sleep(milliseconds); }

  private:
    platform::System& real_;
    std::string folder_;
};

class View : public engine::RunSink {
  public:
    std::set<Category> checked;
    std::set<Choice> selected;
    std::vector<std::string> lines;
    bool completed = false;
    bool IsChecked(Category c) override { return checked.count(c) != 0; }
    bool IsSelected(Choice c) override { return selected.count(c) != 0; }
    void Finished(const engine::StepFinished& step) override {
        if (!step.error.empty()) lines.push_back("error " + step.error);
        if (!step.line.empty()) lines.push_back(step.line);
    }
    void PhaseDone(engine::Phase phase) override {
        completed = completed || phase == engine::Phase::Settings;
    }
};

void CleanWith(const engine::CleaningServices& services, engine::CleaningPaths& paths, View& view) {
    const engine::RunInput input{.cacheQuotaMb = settings::SettleCacheSize(
                                     services.files, services.system, services.profile)};
    engine::RunCleaning(services, paths, input, view);
}

const wchar_t* kPolicies = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies";
const wchar_t* kExplorer = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const wchar_t* kMemory = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const wchar_t* kWinlogon = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const wchar_t* kAeDebug = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";

std::string Query(const std::wstring& key, const std::wstring& value) {
    return wintest::Squeeze(wintest::Capture(L"reg.exe query \"" + key + L"\" /v " + value));
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(RunOnRealServices, WritesTheRegistryValuesAndTheSettingsFile) {
    using wintest::SavedValue;
    // Put the prefix back as it was afterwards: Wine reads the debugger value on a crash.
    SavedValue saved[] = {
        {HKEY_CURRENT_USER, kPolicies, L"NoRecentDocsHistory"},
        {HKEY_CURRENT_USER, kExplorer, L"NoRecentDocsHistory"},
        {HKEY_CURRENT_USER, kExplorer, L"NoRecentDocsMenu"},
        {HKEY_LOCAL_MACHINE, kMemory, L"IoPageLockLimit"},
        {HKEY_LOCAL_MACHINE, kMemory, L"DisablePagingExecutive"},
        {HKEY_LOCAL_MACHINE, kMemory, L"LargeSystemCache"},
        {HKEY_LOCAL_MACHINE, kWinlogon, L"SfcQuota"},
        {HKEY_LOCAL_MACHINE, kAeDebug, L"Auto"},
    };
    (void)saved;

    fs::path folder =
        fs::temp_directory_path() / ("skarvel-run-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    { std::ofstream(folder / "Mordaun.ini") << "[DLLCache]\r\nCache_Mb=25\r\n"; }

    platform::win32::RealServices real;
    ScratchSystem system(*real.Get().system, platform::win32::Narrow(folder.wstring()) + "\\");
    const platform::Services& all = real.Get();
    engine::CleaningServices services{*all.files,    system,     *all.profile,
                                      *all.registry, *all.shell, *all.urlCache};
    engine::CleaningPaths paths(system, services.shell);
    View view;
    view.checked = {Category::SpeedMemory, Category::CacheDll};
    view.selected = {Choice::NoWriteHistory, Choice::NoWriteRecent, Choice::CutOffDrWatson};
    CleanWith(services, paths, view);

    EXPECT_TRUE(view.completed);
    EXPECT_EQ(view.lines, (std::vector<std::string>{"Speed Memory (Ускорение памяти)",
                                                    "Dll Cache =25 Mb (Dll Кэш =25 Mb)",
                                                    "Cut off Dr. Watson (Отключить Dr. Watson)"}));
    EXPECT_TRUE(Has(Query(std::wstring(L"HKCU\\") + kPolicies, L"NoRecentDocsHistory"),
                    "NoRecentDocsHistory REG_DWORD 0x1"));
    EXPECT_TRUE(Has(Query(std::wstring(L"HKCU\\") + kExplorer, L"NoRecentDocsHistory"),
                    "NoRecentDocsHistory REG_BINARY 01000000"));
    EXPECT_TRUE(Has(Query(std::wstring(L"HKCU\\") + kExplorer, L"NoRecentDocsMenu"),
                    "NoRecentDocsMenu REG_BINARY 01000000"));
    EXPECT_TRUE(Has(Query(std::wstring(L"HKLM\\") + kMemory, L"IoPageLockLimit"),
                    "IoPageLockLimit REG_SZ 65536000"));
    EXPECT_TRUE(Has(Query(std::wstring(L"HKLM\\") + kMemory, L"LargeSystemCache"),
                    "LargeSystemCache REG_BINARY 01000000"));
    EXPECT_TRUE(
        Has(Query(std::wstring(L"HKLM\\") + kWinlogon, L"SfcQuota"), "SfcQuota REG_DWORD 0x19"));
    EXPECT_TRUE(Has(Query(std::wstring(L"HKLM\\") + kAeDebug, L"Auto"), "Auto REG_SZ 0"));

    // The other choices take the policy values away again.
    view.checked.clear();
    view.selected = {Choice::WriteHistory, Choice::WriteRecent, Choice::SwitchOnDrWatson};
    CleanWith(services, paths, view);
    EXPECT_FALSE(
        Has(Query(std::wstring(L"HKCU\\") + kPolicies, L"NoRecentDocsHistory"), "REG_DWORD"));
    EXPECT_FALSE(
        Has(Query(std::wstring(L"HKCU\\") + kExplorer, L"NoRecentDocsMenu"), "REG_BINARY"));
    EXPECT_TRUE(Has(Query(std::wstring(L"HKLM\\") + kAeDebug, L"Auto"), "Auto REG_SZ 1"));

    std::error_code ec;
    fs::remove_all(folder, ec);
}

TEST(RunOnRealServices, AMissingSettingsFileIsCreatedWithTheDefault) {
    fs::path folder =
        fs::temp_directory_path() / ("skarvel-ini-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    platform::win32::RealServices real;
    ScratchSystem system(*real.Get().system, platform::win32::Narrow(folder.wstring()) + "\\");
    EXPECT_EQ(settings::SettleCacheSize(*real.Get().files, system, *real.Get().profile), 10);
    const std::string text = wintest::SettingsText(folder / "Mordaun.ini");
    EXPECT_EQ(text, "[DLLCache]\r\nCache_Mb=10\r\n");
    std::error_code ec;
    fs::remove_all(folder, ec);
}

}  // namespace
