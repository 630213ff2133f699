// The shipped language files, chosen in the settings file, retranslate the main window at
// start-up: every text of its table comes from the file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "settings/language_tables.h"
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
    app::Windows windows(application, fakes.Get());
    TForm1& form = windows.MainWindow();
    int checked = 0;
    for (const settings::WindowTexts& w : settings::AllWindowTexts()) {
        if (w.window != settings::LanguageWindow::Main) continue;
        for (const settings::TextEntry& e : w.entries) {
            std::string expected = fakes.profile.ReadString(path, std::string(e.section),
                                                            std::string(e.key), "<missing>");
            ASSERT_NE(expected, "<missing>") << e.key;
            if (e.control == "Exit1") {
                EXPECT_EQ(form.Exit1().caption, expected);
                continue;
            }
            ui::Control* target = e.control.empty() ? &form : form.FindControl(e.control);
            ASSERT_NE(target, nullptr) << e.control;
            if (e.kind == settings::TextKind::Caption) {
                EXPECT_EQ(target->Caption(), expected) << e.key;
            } else if (e.kind == settings::TextKind::Hint) {
                EXPECT_EQ(target->Hint(), expected) << e.key;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
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
    app::Windows windows(application, fakes.Get());
    EXPECT_EQ(windows.MainWindow().FindControl("KVZXPCheckBox4")->Caption(), "Trash");
    EXPECT_TRUE(backend.Messages().empty());
}

// Without a language file in force the windows keep the texts they were built with, also where
// a language file's default differs ("Temp (Windows)" against "Temp(Windows)").
TEST(LanguageStartNone, TheDesignTextsStayWhereTheFilesDefaultsDiffer) {
    struct Text {
        settings::LanguageWindow window;
        const char* control;
        const char* design;
    } texts[] = {
        {settings::LanguageWindow::Main, "KVZXPCheckBox1", "Temp (Windows)"},
        {settings::LanguageWindow::Main, "KVZXPCheckBox2", "Temp (User)"},
        {settings::LanguageWindow::Main, "KVZXPCheckBox8", "Cookies IE"},
        {settings::LanguageWindow::Main, "KVZXPCheckBox14", "Opera loads"},
        {settings::LanguageWindow::Main, "KVZXPSpeedButton12", "DIsk Manager"},
        {settings::LanguageWindow::Main, "KVZXPSpeedButton6", "DirectX Options"},
        {settings::LanguageWindow::Main, "KVZXPSpeedButton13", "process Manager"},
        {settings::LanguageWindow::Options, "KVZXPRadioButton4", "Small icon"},
        {settings::LanguageWindow::Options, "KVZXPGroupBox6", "Language files"},
        {settings::LanguageWindow::Options, "KVZXPGroupBox5", "Default options"},
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
        app::Windows windows(application, fakes.Get());
        for (const Text& t : texts) {
            const settings::TextEntry* entry = nullptr;
            for (const settings::TextEntry& e : settings::TextsOf(t.window))
                if (e.control == t.control) entry = &e;
            ASSERT_NE(entry, nullptr) << t.control;
            EXPECT_NE(entry->defaultText, t.design) << t.control << ": nothing to tell apart";
            ui::Form& form = t.window == settings::LanguageWindow::Main
                                 ? static_cast<ui::Form&>(windows.MainWindow())
                                 : static_cast<ui::Form&>(windows.OptionsWindow());
            const ui::Control* control = form.FindControl(t.control);
            ASSERT_NE(control, nullptr) << t.control;
            const std::string shown =
                entry->kind == settings::TextKind::Hint ? control->Hint() : control->Caption();
            EXPECT_EQ(shown, t.design) << t.control;
        }
        EXPECT_TRUE(backend.Messages().empty());
    }
}

}  // namespace
