#include <gtest/gtest.h>

#include "fakes/fake_services.h"
#include "settings/language_files.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/list_view.h"

namespace {

// A window with a text table of every kind: its caption, a control's caption and hint, a
// column title, and a key read from another window's section.
struct Probe : ui::Form {
    explicit Probe(ui::Application& app) : ui::Form(app) {
        SetCaption("design");
        Box.SetCaption("design");
        Other.SetCaption("design");
        Button.SetHint("design");
        for (int i = 0; i < 3; ++i) List.AddColumn({"design", 10});
    }
    ui::Control Box{this};
    ui::Control Other{this};
    ui::Control Button{this};
    ui::ListView List{this};
};

constexpr settings::TextRow kRows[] = {
    settings::FormCaption("Form Caption", "Window"),
    settings::Caption<&Probe::Box>("Trash", "Trash"),
    settings::Caption<&Probe::Other>("Yes", "Yes"),
    settings::Hint<&Probe::Button>("Exit", "Exit", "MainForm"),
    settings::ColumnTitle<&Probe::List, 2>("All Size", "All Size"),
};
constexpr settings::TextTable kTexts{"Probe", kRows};

struct LanguageTest : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    fakes::FakeServices fake;
    settings::Languages languages{fake.system, fake.files, fake.profile};
    settings::SettingsFile settingsFile{fake.system, fake.files, fake.profile};
    Probe probe{app};
    const settings::TranslatedWindow windows[2] = {{&probe, &kTexts}, {nullptr, &kTexts}};
    std::string folder = "C:\\Program Files\\Skarvel\\Language";

    LanguageTest() { fake.files.AddFolder(folder); }
    std::string AddLanguage(const std::string& name, const std::string& text) {
        fake.files.AddFile(folder + "\\" + name, text);
        return folder + "\\" + name;
    }
    std::string Remembered() { return settingsFile.ReadString(settings::Setting::LanguageFile); }
    std::vector<std::string> Shown() {
        std::vector<std::string> shown;
        for (const settings::TextRow& row : kRows) shown.push_back(row.shown(probe));
        return shown;
    }
};

using Texts = std::vector<std::string>;

TEST_F(LanguageTest, SwitchSetsEveryTextFromTheFileOrItsDefaultAndRemembersTheFile) {
    std::string path = AddLanguage("Korb.MordaunLang",
                                   "[Probe]\r\nTrash=Korb\r\nAll Size=Gesamt\r\nExit=Never read\r\n"
                                   "[MainForm]\r\nExit=Quit\r\n");
    languages.Switch(path, windows);
    EXPECT_EQ(Shown(), (Texts{"Window", "Korb", "Yes", "Quit", "Gesamt"}));
    EXPECT_EQ(probe.List.Columns()[1].title, "design") << "only the row's column";
    EXPECT_EQ(Remembered(), path);

    // A second language replaces every text, whether or not it has the key.
    languages.Switch(AddLanguage("Ja.MordaunLang", "[Probe]\r\nYes=Ja\r\n"), windows);
    EXPECT_EQ(Shown(), (Texts{"Window", "Trash", "Ja", "Exit", "All Size"}));
}

TEST_F(LanguageTest, ValuesShowWithoutBlanksOrQuotesAndKeysMatchInAnyCase) {
    languages.Switch(AddLanguage("x.MordaunLang",
                                 "[probe]\r\ntrash =   Korb  \r\nYES=\"Ja\"\r\nForm Caption=\r\n"),
                     windows);
    EXPECT_EQ(Shown(), (Texts{"", "Korb", "Ja", "Exit", "All Size"}));
}

TEST_F(LanguageTest, NoSelectionOrMissingFileClearsTheChoiceAndKeepsTheTexts) {
    for (const std::optional<std::string>& selection :
         {std::optional<std::string>(), std::optional<std::string>("Gone.MordaunLang")}) {
        settingsFile.WriteString(settings::Setting::LanguageFile, "C:\\old.MordaunLang");
        languages.Switch(languages.PathOfSelection(selection), windows);
        EXPECT_EQ(Remembered(), "");
        EXPECT_EQ(Shown(), Texts(5, "design"));
    }
}

TEST_F(LanguageTest, AFileThatIsNotAnIniGivesEveryDefault) {
    std::string junk("\x00\x01[\xFF\xFE]==\r\n\n[[]\x80\x81=\"", 18);
    languages.Switch(AddLanguage("junk.MordaunLang", junk), windows);
    EXPECT_EQ(Shown(), (Texts{"Window", "Trash", "Yes", "Exit", "All Size"}));
}

TEST_F(LanguageTest, CreationAppliesTheRememberedFileOnlyWhenItExists) {
    settingsFile.WriteString(settings::Setting::LanguageFile, folder + "\\Gone.MordaunLang");
    EXPECT_EQ(languages.ApplyCurrent(windows), "");
    EXPECT_EQ(Shown(), Texts(5, "design"));

    std::string path = AddLanguage("Korb.MordaunLang", "[Probe]\r\nTrash=Korb\r\n");
    settingsFile.WriteString(settings::Setting::LanguageFile, path);
    EXPECT_EQ(languages.ApplyCurrent(windows), path);
    EXPECT_EQ(probe.Box.Caption(), "Korb");
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

}  // namespace
