#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "fakes/fake_system.h"
#include "platform/services.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/profile_win32.h"
#include "settings/language_files.h"
#include "settings/stored_options.h"
#include "win/support/environment_folder.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

struct SettingsOnDisk : ::testing::Test {
    fs::path folder =
        fs::temp_directory_path() / ("skarvel-settings-" + std::to_string(GetCurrentProcessId()));
    // The application folder is a private temp folder; files and profiles are the real ones.
    fakes::FakeSystem system;
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

TEST_F(SettingsOnDisk, ARunLeavesTheDocumentedFileByteForByte) {
    fs::path language = folder / "Language" / "Deutsch.MordaunLang";
    std::ofstream(language, std::ios::binary) << "[MainForm]\r\nTrash=Papierkorb\r\n";

    settings::Languages languages(system, files, profile);
    languages.Switch(languages.PathOfSelection("Deutsch.MordaunLang"), {});
    settings::SettingsFile file(system, profile);
    file.WriteInteger(settings::Setting::DllCacheSize, 10);
    settings::StoreOptions(file, {});

    EXPECT_EQ(ReadAll(folder / "Mordaun.ini"),
              "[Laguage]\r\nLangResultFile=" + language.string() +
                  "\r\n[DLLCache]\r\nCache_Mb=10\r\n[tray]\r\nChecked=false\r\n[color]\r\n1=6\r\n"
                  "[view]\r\nradio=3\r\n[AutoRun]\r\n1=false\r\n[Sound]\r\nALL=true\r\n"
                  "[Log]\r\nALL=false\r\nAuto_Clear=false\r\n");
    EXPECT_EQ(languages.CurrentFile(), language.string());
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
