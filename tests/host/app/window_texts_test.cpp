// Every listed window's text table against its real window: a language file with its own text
// for every key, chosen in the options window, shows each row's text on that row's place (a
// row bound to the wrong place, or two rows on one place, shows another text); the shipped
// language files have every key.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "forms/options/options_form.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

TEST(WindowTexts, EveryRowOfEveryWindowReachesItsOwnPlace) {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;
    const std::string path = fakes.system.applicationFolder + "Language\\All.MordaunLang";
    fakes.files.AddFile(path);
    app::WindowList windows(application, fakes.Get());

    // A distinct text per section and key (a key shared by two rows gives both the same text).
    std::map<std::string, std::map<std::string, std::string>> file;
    int translated = 0;
    for (const forms::ListedWindow& w : windows.Windows()) {
        if (!w.texts) continue;
        ++translated;
        EXPECT_FALSE(w.texts->rows.empty());
        for (const settings::TextRow& row : w.texts->rows) {
            std::string& text = file[std::string(w.texts->SectionOf(row))][std::string(row.key)];
            if (text.empty()) text = "T" + std::to_string(file.size()) + "." + std::string(row.key);
        }
    }
    EXPECT_EQ(translated, 7);
    std::string bytes;
    for (const auto& [section, keys] : file) {
        bytes += "[" + section + "]\r\n";
        for (const auto& [key, text] : keys) bytes += key + "=" + text + "\r\n";
    }
    std::string error;
    ASSERT_TRUE(fakes.files.WriteFile(path, bytes, error)) << error;

    TForm2& options = windows.OptionsWindow();
    ASSERT_EQ(options.FileListBox1.Count(), 1);
    options.FileListBox1.SetItemIndex(0);
    options.FileListBox1DblClick();
    for (const forms::ListedWindow& w : windows.Windows()) {
        if (!w.texts) continue;
        for (const settings::TextRow& row : w.texts->rows) {
            EXPECT_EQ(row.shown(*w.form),
                      file[std::string(w.texts->SectionOf(row))][std::string(row.key)])
                << w.form->Name() << ": " << row.key;
        }
    }
    EXPECT_TRUE(backend.Messages().empty());
}

TEST(WindowTexts, TheShippedLanguageFilesHaveEveryKey) {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;
    app::WindowList windows(application, fakes.Get());
    const char* source = std::getenv("SKARVEL_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    for (const char* name : {"Russian", "German"}) {
        std::ifstream in(std::string(source) + "/resources/app/Language/" + name + ".MordaunLang",
                         std::ios::binary);
        ASSERT_TRUE(in) << name;
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE") << name;
        const std::string path = "C:\\" + std::string(name) + ".MordaunLang";
        fakes.files.AddFile(path, bytes);
        for (const forms::ListedWindow& w : windows.Windows()) {
            if (!w.texts) continue;
            for (const settings::TextRow& row : w.texts->rows) {
                const std::string section(w.texts->SectionOf(row));
                std::string text =
                    fakes.profile.ReadString(path, section, std::string(row.key), "<missing>");
                EXPECT_NE(text, "<missing>") << name << " [" << section << "] " << row.key;
                EXPECT_NE(text, "") << name << " [" << section << "] " << row.key;
            }
        }
    }
}

}  // namespace
