#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fakes/fake_system.h"
#include "platform/services.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/profile_win32.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/text.h"
#include "settings/settings_encoding.h"
#include "settings/language_files.h"
#include "settings/stored_options.h"
#include "win/support/environment_folder.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// The bytes of a UTF-16 LE file with its mark.
std::string Utf16LeFile(const std::wstring& text) {
    return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// The fake's folders with the real system's code page.
struct CodePageSystem : fakes::FakeSystem {
    platform::win32::SystemWin32 real;
    std::optional<std::string> ToAnsiCodePage(const std::string& utf8) override {
        return real.ToAnsiCodePage(utf8);
    }
    std::string FromAnsiCodePage(std::string_view bytes) override {
        return real.FromAnsiCodePage(bytes);
    }
};

struct SettingsOnDisk : ::testing::Test {
    fs::path folder =
        fs::temp_directory_path() / ("skarvel-settings-" + std::to_string(GetCurrentProcessId()));
    // The application folder is a private temp folder; files and profiles are the real ones.
    CodePageSystem system;
    platform::win32::ProfileWin32 profile;
    platform::win32::FileSystemWin32 files;

    SettingsOnDisk() {
        fs::create_directories(folder / "Language");
        system.applicationFolder = (folder / "").string();
    }
    ~SettingsOnDisk() override {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

TEST_F(SettingsOnDisk, ARunLeavesTheDocumentedFileByteForByteInUnicode) {
    fs::path language = folder / "Language" / "Deutsch.MordaunLang";
    std::ofstream(language, std::ios::binary) << "[MainForm]\r\nTrash=Papierkorb\r\n";

    settings::Languages languages(system, files, profile);
    languages.Switch(languages.PathOfSelection("Deutsch.MordaunLang"), {});
    settings::SettingsFile file(system, files, profile);
    file.WriteInteger(settings::Setting::DllCacheSize, 10);
    settings::StoreOptions(file, {});

    const std::wstring text = L"[Laguage]\r\nLangResultFile=" + language.wstring() +
                              L"\r\n[DLLCache]\r\nCache_Mb=10\r\n[tray]\r\nChecked=false\r\n"
                              L"[color]\r\n1=6\r\n[view]\r\nradio=3\r\n[AutoRun]\r\n1=false\r\n"
                              L"[Sound]\r\nALL=true\r\n[Log]\r\nALL=false\r\nAuto_Clear=false\r\n";
    EXPECT_EQ(ReadAll(folder / "Mordaun.ini"), Utf16LeFile(text));
    EXPECT_EQ(languages.CurrentFile(), language.string());
}

// Through the real profile functions: an earlier version's ANSI file takes what its code page
// holds in place, and is converted whole before a path in other scripts.
TEST_F(SettingsOnDisk, AnAnsiFileIsConvertedWholeBeforeATextItsCodePageCannotHold) {
    const fs::path ini = folder / "Mordaun.ini";
    std::ofstream(ini, std::ios::binary) << "; caf\xE9\r\n[color]\r\n1=12\r\n[Laguage]\r\n";
    wchar_t cafe[8] = {};
    MultiByteToWideChar(CP_ACP, 0, "caf\xE9", 4, cafe, 8);
    settings::SettingsFile file(system, files, profile);

    file.WriteString(settings::Setting::LanguageFile, "C:\\Plain\\German.MordaunLang");
    EXPECT_EQ(ReadAll(ini),
              "; caf\xE9\r\n[color]\r\n1=12\r\n[Laguage]\r\n"
              "LangResultFile=C:\\Plain\\German.MordaunLang\r\n");

    const std::string cyrillic =
        "C:\\\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82 \xE6\x97\xA5\xE6\x9C\xAC\\G.MordaunLang";
    file.WriteString(settings::Setting::LanguageFile, cyrillic);
    EXPECT_EQ(ReadAll(ini), Utf16LeFile(std::wstring(L"; ") + cafe +
                                        L"\r\n[color]\r\n1=12\r\n[Laguage]\r\nLangResultFile=" +
                                        platform::win32::Widen(cyrillic) + L"\r\n"));
    EXPECT_EQ(file.ReadString(settings::Setting::LanguageFile), cyrillic);
    EXPECT_EQ(file.ReadInteger(settings::Setting::ColorIndex), 12);
    EXPECT_FALSE(fs::exists(settings::ConversionPath(ini.string())));
}

TEST_F(SettingsOnDisk, ShippedRussianFileReadsAsUnicode) {
    const std::wstring source = wintest::EnvironmentFolder(L"SKARVEL_SOURCE_DIR");
    ASSERT_FALSE(source.empty()) << "SKARVEL_SOURCE_DIR is not set";
    fs::path shipped = fs::path(source) / "resources/app/Language/Russian.MordaunLang";
    ASSERT_TRUE(fs::exists(shipped)) << shipped.string();
    std::string text = profile.ReadString(shipped.string(), "mainform", "trash", "");
    EXPECT_EQ(text, "\xD0\x9A\xD0\xBE\xD1\x80\xD0\xB7\xD0\xB8\xD0\xBD\xD0\xB0");
}

}  // namespace
