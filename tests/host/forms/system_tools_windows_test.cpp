// The main window's "Help", "process Manager" and "Type Manager" buttons and launchers, and the
// process and type managers' own buttons, on fakes.

#include "forms/help/help_form.h"
#include "forms/help/help_page.h"
#include "forms/main/main_form.h"
#include "forms/process_manager/process_manager_form.h"
#include "forms/type_manager/type_manager_form.h"
#include "host/forms/tools_fixture.h"

namespace {

using platform::RegistryRoot;
using platform::RegistryType;
using toolstest::ToolsTest;
using Lines = std::vector<std::string>;

class SystemToolsTest : public ToolsTest {
  protected:
    SystemToolsTest() {
        fakes.processes.ids = std::vector<std::uint32_t>{4, 8, 12, 16};
        fakes.processes.paths = {{8, "C:\\b.exe"}, {12, "c:\\A.exe"}, {16, "C:\\b.exe"}};
        fakes.files.AddFolder("C:\\out");
    }
    std::vector<std::string> Errors() const {
        std::vector<std::string> texts;
        for (const auto& m : backend.Messages()) texts.push_back(m.text);
        return texts;
    }
    void Type(const std::string& key, const std::string& text,
              RegistryType type = RegistryType::String) {
        fakes.registry.SetValue(RegistryRoot::ClassesRoot, key, "", type,
                                {text.begin(), text.end()});
    }
};

TEST_F(SystemToolsTest, TheProcessAndTypeManagersTakeTheirLanguageSections) {
    ChooseLanguage(
        "[ProcessForm]\nProcess Manager Skarvel=Prozesse Skarvel\nProcess Manager=Prozesse\n"
        "Hint_List Refresh=Neu\nHint_Exit=Ende\nHint_Save to file=Sichern\n"
        "[TypeForm]\nType Manager Skarvel=Typen Skarvel\nType Manager=Typen\nHint_Exit=Aus\n");
    app::WindowList& w = Start();
    TForm6& process = w.Get<TForm6>();
    EXPECT_EQ(process.Caption(), "Prozesse Skarvel");
    EXPECT_EQ(process.KVZXPHeader1.Caption(), "Prozesse");
    EXPECT_EQ(process.KVZXPSpeedButton13.Hint(), "Neu");
    EXPECT_EQ(process.KVZXPSpeedButton1.Hint(), "Sichern");
    EXPECT_EQ(process.KVZXPSpeedButton3.Hint(), "Ende");
    TForm7& type = w.Get<TForm7>();
    EXPECT_EQ(type.Caption(), "Typen Skarvel");
    EXPECT_EQ(type.KVZXPHeader1.Caption(), "Typen");
    EXPECT_EQ(type.KVZXPSpeedButton3.Hint(), "Aus");
}

TEST_F(SystemToolsTest, ProcessManagerButtonAlwaysRefillsTheSortedListOtherShowingsDoNot) {
    app::WindowList& w = Start();
    TForm6& form = w.Get<TForm6>();
    TakeCues();
    Click(w.MainWindow().KVZXPSpeedButton13);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(TakeCues(), "4");
    EXPECT_EQ(form.KVZXPListBox1.Items(), (Lines{"c:\\A.exe", "C:\\b.exe", "C:\\b.exe"}));

    fakes.processes.paths[4] = "C:\\c.exe";
    form.Hide();
    form.ShowForm();
    EXPECT_EQ(form.KVZXPListBox1.Count(), 3) << "showing by other means does not refill";
    Click(form.KVZXPSpeedButton13);  // "List Refresh"
    EXPECT_EQ(TakeCues(), "4");
    EXPECT_EQ(form.KVZXPListBox1.Count(), 4);
    fakes.processes.paths.erase(4);
    Click(w.MainWindow().KVZXPSpeedButton13);
    EXPECT_EQ(form.KVZXPListBox1.Count(), 3);

    Click(form.KVZXPSpeedButton3);  // "Exit"
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(TakeCues(), "44");
}

TEST_F(SystemToolsTest, SaveToFileAppendsTxtWritesTheListAndReportsAFileItCannotCreate) {
    app::WindowList& w = Start();
    TForm6& form = w.Get<TForm6>();
    w.Open(forms::WindowId::ProcessManager);
    TakeCues();

    backend.nextSaveFileName = std::nullopt;  // cancelled
    Click(form.KVZXPSpeedButton1);
    EXPECT_EQ(TakeCues(), "4");
    ASSERT_EQ(backend.SaveDialogRuns().size(), 1u);
    EXPECT_EQ(backend.SaveDialogRuns()[0].filter, "txt|*.txt");
    EXPECT_EQ(backend.SaveDialogRuns()[0].owner, &form);

    backend.nextSaveFileName = "C:\\out\\list.txt";
    Click(form.KVZXPSpeedButton1);
    EXPECT_EQ(fakes.files.ReadFile("C:\\out\\list.txt.txt"),
              "c:\\A.exe\r\nC:\\b.exe\r\nC:\\b.exe\r\n");
    EXPECT_FALSE(fakes.files.FileExists("C:\\out\\list.txt"));

    backend.nextSaveFileName = "C:\\missing\\list";
    Click(form.KVZXPSpeedButton1);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0].rfind("Cannot create file \"C:\\missing\\list.txt\". ", 0), 0u)
        << Errors()[0];
    EXPECT_EQ(form.KVZXPListBox1.Count(), 3);
}

TEST_F(SystemToolsTest, TypeManagerButtonShowsTheListingOnceAndANonTextValueIsReported) {
    (void)fakes.registry.OpenKey(RegistryRoot::ClassesRoot, "", platform::KeyMode::CreateIfMissing);
    Type(".a", "afile");
    Type("afile\\shell\\open\\command", "a.exe %1");
    app::WindowList& w = Start();
    TForm7& form = w.Get<TForm7>();
    TakeCues();

    Click(w.MainWindow().KVZXPSpeedButton14);
    Click(w.MainWindow().KVZXPSpeedButton14);
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(TakeCues(), "44");
    EXPECT_EQ(form.KVZXPMemo1.Lines(),
              (Lines{"Extension:  \".a\"", "Typename:  \"afile\", Displayname:  \"\"",
                     "Server: a.exe %1", "", "-----------------------------", ""}));

    Type(".b", "\x01", RegistryType::Binary);
    Click(w.MainWindow().KVZXPSpeedButton14);
    EXPECT_EQ(Errors(), Lines{"Invalid data type for ''"});
    EXPECT_EQ(form.KVZXPMemo1.Lines().size(), 6u) << "the entry before it stays";

    Click(form.KVZXPSpeedButton3);  // "Exit", silent
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(TakeCues(), "4");
}

TEST_F(SystemToolsTest, HelpButtonWritesThePageAndTheTimerKeepsTheBrowserSized) {
    app::WindowList& w = Start();
    TForm3& help = w.Get<TForm3>();
    TakeCues();
    Click(w.MainWindow().KVZXPSpeedButton1);
    EXPECT_EQ(TakeCues(), "4");
    EXPECT_TRUE(help.Visible());
    EXPECT_EQ(help.WebBrowser1.Page(), tools::HelpPage());
    EXPECT_EQ(backend.PeerKind(help.WebBrowser1), "webbrowser");

    help.SetBounds(0, 0, 1000, 700);
    backend.AdvanceTime(50);
    EXPECT_EQ(help.WebBrowser1.Bounds(), ui::Rect::FromSize(0, 0, 990, 673));
    help.Hide();
    help.SetBounds(0, 0, 500, 400);
    backend.AdvanceTime(50);
    EXPECT_EQ(help.WebBrowser1.Bounds(), ui::Rect::FromSize(0, 0, 490, 373)) << "also hidden";
}

TEST_F(SystemToolsTest, EachLauncherStartsItsToolThenMinimisesTheProgramEvenWhenTheStartFails) {
    app::WindowList& w = Start();
    TForm1& main = w.MainWindow();
    main.ShowForm();
    const std::pair<controls::TKVZXPSpeedButton*, const char*> launchers[] = {
        {&main.KVZXPSpeedButton2, "regedit"},
        {&main.KVZXPSpeedButton5, "cleanmgr.exe"},
        {&main.KVZXPSpeedButton6, "dxdiag"},
        {&main.KVZXPSpeedButton7, "msconfig"},
        {&main.KVZXPSpeedButton8, "services.msc"}};
    for (bool succeeds : {true, false}) {
        fakes.shell.startSucceeds = succeeds;
        for (const auto& [button, target] : launchers) {
            SCOPED_TRACE(target);
            TakeCues();
            fakes.shell.started.clear();
            const size_t shows = backend.ShowCommands().size();
            Click(*button);
            EXPECT_EQ(TakeCues(), "4");
            ASSERT_EQ(fakes.shell.started.size(), 1u);
            EXPECT_EQ(fakes.shell.started[0].file, target);
            EXPECT_EQ(fakes.shell.started[0].parameters, "");
            EXPECT_EQ(fakes.shell.started[0].showMode, 1);
            EXPECT_EQ(fakes.shell.started[0].owner, application.MainWindowHandle());
            ASSERT_EQ(backend.ShowCommands().size(), shows + 1);
            EXPECT_EQ(backend.ShowCommands().back().form, &main);
            EXPECT_EQ(backend.ShowCommands().back().how, ui::ShowCommand::MinimizedNoActivate);
        }
    }
    EXPECT_TRUE(Errors().empty());
}

}  // namespace
