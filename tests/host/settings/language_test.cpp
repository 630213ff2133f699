#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "fakes/fake_services.h"
#include "settings/language_files.h"
#include "ui/application.h"
#include "ui/column_titles.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

using settings::LanguageWindow;
using settings::TextEntry;
using settings::TextKind;

struct ListProbe : ui::Control, ui::ColumnTitleHost {
    using ui::Control::Control;
    std::map<int, std::string> titles;
    void SetColumnTitle(int column, const std::string& title) override { titles[column] = title; }
};

// A window with one plain control for every target its table names, each showing "design"
// until retranslated; "Exit1" (a menu item, not a control) goes through the extra target.
struct StandIn {
    std::unique_ptr<ui::Form> form;
    std::vector<std::unique_ptr<ui::Control>> controls;
    ListProbe* list = nullptr;
    std::string menuExit = "design";
    settings::LanguageTarget target;

    StandIn(ui::Application& app, LanguageWindow window) : form(std::make_unique<ui::Form>(app)) {
        form->SetCaption("design");
        for (const TextEntry& e : settings::TextsOf(window)) {
            if (e.control.empty() || e.control == "Exit1" || form->FindControl(e.control)) continue;
            if (e.kind == TextKind::ColumnTitle) {
                auto probe = std::make_unique<ListProbe>(form.get());
                list = probe.get();
                controls.push_back(std::move(probe));
            } else {
                controls.push_back(std::make_unique<ui::Control>(form.get()));
            }
            controls.back()->SetName(std::string(e.control));
            controls.back()->SetCaption("design");
            controls.back()->SetHint("design");
        }
        target.form = form.get();
        target.extra = [this](const TextEntry& e, const std::string& text) {
            if (e.control != "Exit1") return false;
            menuExit = text;
            return true;
        };
    }
    ui::Control& operator[](std::string_view name) { return *form->FindControl(name); }
    // The text an entry's target shows now.
    std::string Shown(const TextEntry& e) {
        if (e.control.empty()) return form->Caption();
        if (e.control == "Exit1") return menuExit;
        if (e.kind == TextKind::ColumnTitle) {
            auto it = list->titles.find(e.column);
            return it == list->titles.end() ? "design" : it->second;
        }
        ui::Control& c = (*this)[e.control];
        return e.kind == TextKind::Hint ? c.Hint() : c.Caption();
    }
};

struct LanguageTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    fakes::FakeServices fake;
    settings::Languages languages{fake.system, fake.files, fake.profile};
    settings::SettingsFile settingsFile{fake.system, fake.profile};
    StandIn main{app, LanguageWindow::Main}, options{app, LanguageWindow::Options},
        log{app, LanguageWindow::LogManager}, disk{app, LanguageWindow::DiskManager},
        process{app, LanguageWindow::ProcessManager}, type{app, LanguageWindow::TypeManager};
    std::string folder = "C:\\Program Files\\Skarvel\\Language";

    LanguageTest() { fake.files.AddFolder(folder); }
    settings::LanguageTargets Targets() {
        return {main.target, options.target, log.target, disk.target, process.target, type.target};
    }
    std::string AddLanguage(const std::string& name, const std::string& text) {
        fake.files.AddFile(folder + "\\" + name, text);
        return folder + "\\" + name;
    }
    std::string Remembered() { return settingsFile.ReadString(settings::Setting::LanguageFile); }
};

TEST_F(LanguageTest, SwitchToAOneKeyFileSetsEveryOtherTextToItsDefault) {
    std::string path = AddLanguage("Korb.MordaunLang", "[MainForm]\r\nTrash=Korb\r\n");
    languages.Switch(path, Targets());
    EXPECT_EQ(main["KVZXPCheckBox4"].Caption(), "Korb");
    EXPECT_EQ(main["KVZXPCheckBox1"].Caption(), "Temp(Windows)");
    EXPECT_EQ(main["KVZXPCheckBox8"].Caption(), "Cookies");
    EXPECT_EQ(main.menuExit, "Exit");
    EXPECT_EQ(options["KVZXPGroupBox6"].Caption(), "language files");
    EXPECT_EQ(options.form->Caption(), "Mechanical Options Skarvel");
    EXPECT_EQ(Remembered(), path);

    // A second language replaces every text, whether or not it has the key.
    languages.Switch(AddLanguage("Kekse.MordaunLang", "[MainForm]\r\nCookies=Kekse\r\n"),
                     Targets());
    EXPECT_EQ(main["KVZXPCheckBox4"].Caption(), "Trash");
    EXPECT_EQ(main["KVZXPCheckBox8"].Caption(), "Kekse");
}

TEST_F(LanguageTest, ValuesShowWithoutBlanksOrQuotesAndKeysMatchInAnyCase) {
    languages.Switch(AddLanguage("x.MordaunLang",
                                 "[mainform]\r\ntrash =   Korb  \r\nCOOKIES=\"Kekse\"\r\n"
                                 "Delete=\r\n"),
                     Targets());
    EXPECT_EQ(main["KVZXPCheckBox4"].Caption(), "Korb");
    EXPECT_EQ(main["KVZXPCheckBox8"].Caption(), "Kekse");
    EXPECT_EQ(main["Label1"].Caption(), "") << "an empty value sets an empty text";
}

TEST_F(LanguageTest, NoSelectionOrMissingFileClearsTheChoiceAndKeepsTheTexts) {
    settingsFile.WriteString(settings::Setting::LanguageFile, "C:\\old.MordaunLang");
    languages.Switch(languages.PathOfSelection(std::nullopt), Targets());
    EXPECT_EQ(Remembered(), "");
    EXPECT_EQ(main["KVZXPCheckBox4"].Caption(), "design");

    settingsFile.WriteString(settings::Setting::LanguageFile, "C:\\old.MordaunLang");
    languages.Switch(languages.PathOfSelection("Gone.MordaunLang"), Targets());
    EXPECT_EQ(Remembered(), "");
    EXPECT_EQ(options.form->Caption(), "design");
}

TEST_F(LanguageTest, SharedKeysAndColumnTitles) {
    languages.Switch(AddLanguage("s.MordaunLang",
                                 "[Option Form]\r\nYes=Ja\r\n"
                                 "[MainForm]\r\nExit=Quit\r\n"
                                 "[LogForm]\r\nHint_Exit=Never read\r\n"
                                 "[DiskForm]\r\nAll Size=Gesamt\r\nSerial=Nummer\r\n"),
                     Targets());
    EXPECT_EQ(options["KVZXPCheckBox2"].Caption(), "Ja");
    EXPECT_EQ(options["KVZXPCheckBox4"].Caption(), "Ja");
    EXPECT_EQ(log["KVZXPSpeedButton3"].Hint(), "Quit");
    EXPECT_EQ(main.menuExit, "Quit");
    EXPECT_EQ(disk.list->titles[4], "Gesamt");
    EXPECT_EQ(disk.list->titles[9], "Nummer");
    EXPECT_EQ(disk.list->titles[8], "FS Flag");
    EXPECT_EQ(disk.list->titles.count(0), 0u) << "column 0 is never retitled";
}

TEST_F(LanguageTest, AFileThatIsNotAnIniGivesEveryDefault) {
    std::string junk("\x00\x01[\xFF\xFE]==\r\n\n[[]\x80\x81=\"", 18);
    languages.Switch(AddLanguage("junk.MordaunLang", junk), Targets());
    StandIn* windows[] = {&main, &options, &log, &disk, &process, &type};
    for (const settings::WindowTexts& w : settings::AllWindowTexts()) {
        StandIn& s = *windows[static_cast<int>(w.window)];
        for (const TextEntry& e : w.entries) EXPECT_EQ(s.Shown(e), e.defaultText) << e.key;
    }
}

TEST_F(LanguageTest, StartUpAppliesTheRememberedFileOnlyWhenItExists) {
    settingsFile.WriteString(settings::Setting::LanguageFile, folder + "\\Gone.MordaunLang");
    EXPECT_EQ(languages.ApplyOnOptionsCreate(main.target, options.target), "");
    EXPECT_EQ(main["KVZXPCheckBox4"].Caption(), "design");

    std::string path = AddLanguage(
        "Korb.MordaunLang", "[MainForm]\r\nTrash=Korb\r\n[TypeForm]\r\nType Manager=Typen\r\n");
    settingsFile.WriteString(settings::Setting::LanguageFile, path);
    EXPECT_EQ(languages.ApplyOnOptionsCreate(main.target, options.target), path);
    EXPECT_EQ(main["KVZXPCheckBox4"].Caption(), "Korb");
    EXPECT_EQ(options["KVZXPGroupBox6"].Caption(), "language files");
    EXPECT_EQ(type["KVZXPHeader1"].Caption(), "design");
    languages.ApplyOnToolWindowCreate(LanguageWindow::TypeManager, type.target);
    EXPECT_EQ(type["KVZXPHeader1"].Caption(), "Typen");
    EXPECT_EQ(log.form->Caption(), "design");
}

TEST_F(LanguageTest, ListShowsMatchingFilesOfAnyAttributeButNoFolders) {
    AddLanguage("Russian.MordaunLang", "");
    fake.files.AddFile(folder + "\\hidden.MordaunLang", "", platform::attr::kHidden);
    fake.files.AddFile(folder + "\\Locked.MordaunLang", "",
                       platform::attr::kReadOnly | platform::attr::kSystem);
    fake.files.AddFolder(folder + "\\Folder.MordaunLang");
    AddLanguage("notes.txt", "");
    AddLanguage("x.MordaunLang.bak", "");
    EXPECT_EQ(languages.ListFiles(),
              (std::vector<std::string>{"hidden.MordaunLang", "Locked.MordaunLang",
                                        "Russian.MordaunLang"}));
    EXPECT_EQ(languages.PathOfSelection("Russian.MordaunLang"), folder + "\\Russian.MordaunLang");

    fake.system.applicationFolder = "C:\\Nowhere\\";
    EXPECT_TRUE(languages.ListFiles().empty());
}

// The shipped files translate every text of every window.
TEST_F(LanguageTest, ShippedLanguageFilesAreComplete) {
    const char* source = std::getenv("SKARVEL_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    for (const char* name : {"Russian", "German"}) {
        std::ifstream in(std::string(source) + "/resources/app/Language/" + name + ".MordaunLang",
                         std::ios::binary);
        ASSERT_TRUE(in) << name;
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE") << name;
        std::string path = AddLanguage(std::string(name) + ".MordaunLang", bytes);
        for (const settings::WindowTexts& w : settings::AllWindowTexts()) {
            for (const TextEntry& e : w.entries) {
                std::string text = fake.profile.ReadString(path, std::string(e.section),
                                                           std::string(e.key), "<missing>");
                EXPECT_NE(text, "<missing>") << name << " [" << e.section << "] " << e.key;
                EXPECT_NE(text, "") << name << " [" << e.section << "] " << e.key;
            }
        }
    }
    languages.Switch(folder + "\\Russian.MordaunLang", Targets());
    EXPECT_EQ(main["KVZXPCheckBox4"].Caption(),
              "\xD0\x9A\xD0\xBE\xD1\x80\xD0\xB7\xD0\xB8\xD0\xBD\xD0\xB0");
}

}  // namespace
