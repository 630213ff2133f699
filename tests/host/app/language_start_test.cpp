// The shipped language files, chosen in the settings file, retranslate the main window at
// start-up: every text of its table, and every key name of the hints, comes from the file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "settings/key_name_texts.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

struct LanguageStart : ::testing::TestWithParam<const char*> {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;

    // Puts the shipped file into the fake application folder and chooses it.
    std::string ChooseShippedFile(const std::string& name) {
        const char* source = std::getenv("SKARVEL_SOURCE_DIR");
        EXPECT_NE(source, nullptr);
        std::ifstream in(std::string(source ? source : ".") + "/resources/app/Language/" + name,
                         std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        EXPECT_FALSE(bytes.empty()) << name;
        const std::string app = fakes.system.applicationFolder;
        fakes.files.AddFolder(app.substr(0, app.size() - 1));
        fakes.files.AddFolder(app + "Language");
        std::string path = app + "Language\\" + name;
        fakes.files.AddFile(path, bytes);
        fakes.profile.WriteString(app + "Mordaun.ini", "Laguage", "LangResultFile", path);
        return path;
    }
};

TEST_P(LanguageStart, EveryMainWindowTextComesFromTheFile) {
    std::string path = ChooseShippedFile(std::string(GetParam()) + ".MordaunLang");
    app::WindowList windows(application, fakes.Get());
    TForm1& form = windows.MainWindow();
    // The key names of the hints come with the window's texts.
    for (const settings::TextTable* table : {&TForm1::kTexts, &settings::kKeyNameTexts}) {
        for (const settings::TextRow& row : table->rows) {
            std::string expected = fakes.profile.ReadString(
                path, std::string(table->SectionOf(row)), std::string(row.key), "<missing>");
            ASSERT_NE(expected, "<missing>") << row.key;
            EXPECT_EQ(row.shown(form), expected) << row.key;
        }
    }
    EXPECT_GT(TForm1::kTexts.rows.size(), 30u);
    EXPECT_TRUE(backend.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageStart, ::testing::Values("Russian", "German"));

TEST(LanguageStartMissing, ARememberedFileThatIsGoneLeavesTheEnglishTexts) {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;
    const std::string app = fakes.system.applicationFolder;
    fakes.files.AddFolder(app.substr(0, app.size() - 1));
    fakes.profile.WriteString(app + "Mordaun.ini", "Laguage", "LangResultFile",
                              app + "Language\\Gone.MordaunLang");
    app::WindowList windows(application, fakes.Get());
    EXPECT_EQ(windows.MainWindow().FindControl("KVZXPCheckBox4")->Caption(), "Trash");
    EXPECT_TRUE(backend.Messages().empty());
}

// Without a language file in force the windows keep the texts they were built with, also where
// a language file's default differs ("Temp (Windows)" against "Temp(Windows)").
TEST(LanguageStartNone, TheDesignTextsStayWhereTheFilesDefaultsDiffer) {
    const settings::TextTable& main = TForm1::kTexts;
    const settings::TextTable& options = TForm2::kTexts;
    struct Text {
        const settings::TextTable& table;
        const char* key;
        const char* design;
    } texts[] = {
        {main, "Temp(Windows)", "Temp (Windows)"},
        {main, "Temp(User)", "Temp (User)"},
        {main, "Cookies", "Cookies IE"},
        {main, "Opera Loads", "Opera loads"},
        {main, "Hint_Disk Manager", "DIsk Manager"},
        {main, "Hint_DirectX", "DirectX Options"},
        {main, "Process Manager", "process Manager"},
        {options, "Small Icon", "Small icon"},
        {options, "language", "Language files"},
        {options, "Default Options", "Default options"},
    };
    // No file chosen, and a remembered file that is gone.
    for (const char* remembered :
         {static_cast<const char*>(nullptr), "Language\\Gone.MordaunLang"}) {
        SCOPED_TRACE(remembered ? remembered : "none chosen");
        ui::HeadlessBackend backend;
        ui::Application application{backend};
        fakes::FakeServices fakes;
        const std::string app = fakes.system.applicationFolder;
        fakes.files.AddFolder(app.substr(0, app.size() - 1));
        if (remembered)
            fakes.profile.WriteString(app + "Mordaun.ini", "Laguage", "LangResultFile",
                                      app + remembered);
        app::WindowList windows(application, fakes.Get());
        for (const Text& t : texts) {
            const settings::TextRow* row = nullptr;
            for (const settings::TextRow& r : t.table.rows)
                if (r.key == t.key) row = &r;
            ASSERT_NE(row, nullptr) << t.key;
            EXPECT_NE(row->defaultText, t.design) << t.key << ": nothing to tell apart";
            ui::Form& form = &t.table == &main ? static_cast<ui::Form&>(windows.MainWindow())
                                               : static_cast<ui::Form&>(windows.OptionsWindow());
            EXPECT_EQ(row->shown(form), t.design) << t.key;
        }
        EXPECT_TRUE(backend.Messages().empty());
    }
}

}  // namespace
