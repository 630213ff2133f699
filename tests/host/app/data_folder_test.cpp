// A program whose own folder cannot be written keeps its settings and logs in the data folder:
// every reader and writer goes there, and nothing is written beside the program.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "forms/log_manager/log_manager_form.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "settings/cache_quota.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

TEST(DataFolder, SettingsLanguageChoiceCacheQuotaAndLogsLiveThereAndNotBesideTheProgram) {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    std::vector<std::string> reported;
    ui::ScopedErrorReport report{application, [&](const std::string& t) { reported.push_back(t); }};
    fakes::FakeServices fakes;
    const std::string app = fakes.system.applicationFolder;  // C:\Program Files\Skarvel\ .
    const std::string data = "C:\\Users\\user\\AppData\\Roaming\\Skarvel\\";
    fakes.system.dataFolder = data;
    fakes.files.AddFolder(app.substr(0, app.size() - 1));
    fakes.files.AddFolder(data.substr(0, data.size() - 1));
    // The language files ship with the program; the choice is the user's.
    const std::string language = app + "Language\\Russian.MordaunLang";
    fakes.files.AddFile(language, "[MainForm]\r\nTrash=Korzina\r\n");
    const std::string besideProgram = "[color]\r\n1=3\r\n";
    fakes.files.AddFile(app + "Mordaun.ini", besideProgram);
    fakes.files.AddFile(data + "Mordaun.ini", "[Laguage]\r\nLangResultFile=" + language +
                                                  "\r\n[color]\r\n1=12\r\n[Log]\r\nALL=true\r\n"
                                                  "Auto_Clear=true\r\n");
    for (int i = 0; i < tools::kAutoClearThreshold; ++i)
        fakes.files.AddFile(data + "log\\old" + std::to_string(i) + ".log", "old");

    auto windows = std::make_unique<app::WindowList>(application, fakes.Get());
    EXPECT_EQ(windows->MainWindow().KVZXPCheckBox4.Caption(), "Korzina");
    EXPECT_EQ(windows->OptionsWindow().ColorBox1.ItemIndex(), 12);
    EXPECT_TRUE(windows->OptionsWindow().KVZXPCheckBox4.Checked());
    EXPECT_EQ(windows->Get<TForm4>().LogFolder(), data + "log");
    std::vector<platform::DirEntry> logs;
    EXPECT_FALSE(fakes.files.Enumerate(data + "log\\*.log", logs) && !logs.empty())
        << "the clear-out ran on the data folder's logs";
    EXPECT_EQ(settings::SettleCacheSize(fakes.files, fakes.system, fakes.profile), 10);
    windows->MainWindow().AppendLog("this run");
    windows.reset();  // the program ends: settings written, the log saved

    const std::string ini = fakes.files.ReadFile(data + "Mordaun.ini").value_or("");
    for (const char* written : {"[DLLCache]\r\nCache_Mb=10\r\n", "[color]\r\n1=12\r\n",
                                "[Log]\r\nALL=true\r\nAuto_Clear=true\r\n"})
        EXPECT_NE(ini.find(written), std::string::npos) << written;
    EXPECT_TRUE(fakes.files.FileExists(data + "log\\06.12.2026_9-5-7.log"));
    EXPECT_EQ(fakes.files.ReadFile(app + "Mordaun.ini"), besideProgram);
    EXPECT_FALSE(fakes.files.Exists(app + "log"));

    // "Default Click" forgets the language there and starts the program itself again.
    windows = std::make_unique<app::WindowList>(application, fakes.Get());
    backend.Click(windows->OptionsWindow().KVZXPButton1, {5, 5});
    EXPECT_NE(fakes.files.ReadFile(data + "Mordaun.ini").value_or("").find("LangResultFile=\r\n"),
              std::string::npos);
    ASSERT_EQ(fakes.shell.started.size(), 1u);
    EXPECT_EQ(fakes.shell.started[0].file, app + "skarvel.exe");
    windows.reset();
    EXPECT_EQ(fakes.files.ReadFile(app + "Mordaun.ini"), besideProgram);
    EXPECT_TRUE(reported.empty());
}

}  // namespace
