// The options window in the running program (headless): what it reads at creation, what its
// controls do, and what it leaves in the settings file, the registry and the log folder.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "fakes/profile_text.h"
#include "forms/log_manager/log_manager_form.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "host/tab_to.h"
#include "settings/auto_start.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

using platform::RegistryRoot;

struct OptionsWindow : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;
    std::unique_ptr<app::WindowList> windows;
    std::vector<std::string> reported;
    ui::ScopedErrorReport report{application,
                                 [this](const std::string& t) { reported.push_back(t); }};
    const std::string app = fakes.system.applicationFolder;
    const std::string ini = app + "Mordaun.ini";
    const std::string exe = app + "skarvel.exe";

    OptionsWindow() { fakes.files.AddFolder(app.substr(0, app.size() - 1)); }

    TForm1& Main() { return windows->MainWindow(); }
    TForm2& Options() { return windows->OptionsWindow(); }
    void Start() { windows = std::make_unique<app::WindowList>(application, fakes.Get()); }
    // The program ends: every window's destruction handler runs, then the windows go.
    void Exit() { windows.reset(); }
    std::string IniText() {
        std::optional<std::string> bytes = fakes.files.ReadFile(ini);
        return bytes ? fakes::ProfileText(*bytes) : "<no file>";
    }
    const fakes::FakeRegistry::Value* AutoStartEntry() {
        return fakes.registry.Find(RegistryRoot::LocalMachine, std::string(settings::kRunKey), exe);
    }
};

TEST_F(OptionsWindow, FirstStartWithoutASettingsFileUsesTheDesignStateAndWritesTheSevenKeys) {
    Start();
    EXPECT_TRUE(fakes.notificationArea.icons.empty());
    EXPECT_EQ(Options().ColorBox1.ItemIndex(), 6);
    EXPECT_EQ(Options().KVZXPHeader1.GetColor(), ui::Hex(0x008080));
    EXPECT_EQ(Main().KVZXPCollapsePanel2.ColorBackground(), ui::Hex(0x008080));
    EXPECT_TRUE(Options().KVZXPRadioButton3.Checked());
    EXPECT_EQ(Main().ShellListView1.GetViewStyle(), ui::ViewStyle::Report);
    EXPECT_FALSE(Options().KVZXPCheckBox1.Checked());
    EXPECT_FALSE(Options().KVZXPCheckBox2.Checked());
    EXPECT_TRUE(Options().KVZXPCheckBox3.Checked());
    EXPECT_FALSE(Options().KVZXPCheckBox4.Checked());
    EXPECT_FALSE(Options().KVZXPCheckBox5.Checked());
    EXPECT_FALSE(Options().KVZXPCheckBox5.Enabled()) << "only while the log is saved";
    EXPECT_TRUE(Options().FileListBox1.Items().empty());
    Exit();
    EXPECT_EQ(IniText(),
              "[tray]\r\nChecked=false\r\n[color]\r\n1=6\r\n[view]\r\nradio=3\r\n[AutoRun]\r\n"
              "1=false\r\n[Sound]\r\nALL=true\r\n[Log]\r\nALL=false\r\nAuto_Clear=false\r\n");
    EXPECT_FALSE(fakes.files.Exists(app + "log"));
    EXPECT_TRUE(reported.empty());
}

// From the keyboard alone: the arrow keys choose the view (the list follows at once, the choice
// is stored at exit); Escape with the colour list dropped closes the list, not the window.
TEST_F(OptionsWindow, TheKeyboardChoosesTheViewAndEscapeClosesTheDroppedListFirst) {
    Start();
    Main().ShowForm();
    backend.PressKey('O', ui::shift::kCtrl);
    ASSERT_TRUE(Options().Visible());
    ASSERT_TRUE(hosttest::TabTo(backend, Options().KVZXPRadioButton3));
    for (ui::ViewStyle view :
         {ui::ViewStyle::Icon, ui::ViewStyle::List, ui::ViewStyle::SmallIcon}) {
        backend.PressKey(ui::key::kUp);
        EXPECT_EQ(Main().ShellListView1.GetViewStyle(), view);
    }
    ASSERT_TRUE(hosttest::TabTo(backend, Options().ColorBox1));
    Options().ColorBox1.SetDroppedDownFromPeer(true);  // the user opens the list
    backend.PressKey(ui::key::kEscape);
    EXPECT_TRUE(Options().Visible()) << "Escape belongs to the open list";
    Options().ColorBox1.SetDroppedDownFromPeer(false);  // which closes
    backend.PressKey(ui::key::kEscape);
    EXPECT_FALSE(Options().Visible());
    Exit();
    EXPECT_NE(IniText().find("[view]\r\nradio=4\r\n"), std::string::npos) << IniText();
}

TEST_F(OptionsWindow, StoredOptionsAreAppliedAtCreationAndOddValuesKeepTheDesignState) {
    struct Case {
        const char* ini;
        int color;
        ui::ViewStyle view;
        bool tray, autoRun, sound, log, autoClear;
        const char* writtenBack;
    } cases[] = {
        {"[tray]\r\nChecked=true\r\n[color]\r\n1=12\r\n[view]\r\nradio=2\r\n[AutoRun]\r\n1=true\r\n"
         "[Sound]\r\nALL=false\r\n[Log]\r\nALL=true\r\nAuto_Clear=true\r\n",
         12, ui::ViewStyle::Icon, true, true, false, true, true,
         "[tray]\r\nChecked=true\r\n[color]\r\n1=12\r\n[view]\r\nradio=2\r\n[AutoRun]\r\n1=true\r\n"
         "[Sound]\r\nALL=false\r\n[Log]\r\nALL=true\r\nAuto_Clear=true\r\n"},
        {"[color]\r\n1=60\r\n[view]\r\nradio=7\r\n[Sound]\r\nALL=True\r\n[tray]\r\nChecked=yes\r\n"
         "[Log]\r\nALL=false\r\nAuto_Clear=true\r\n",
         -1, ui::ViewStyle::Report, false, false, true, false, false,
         "[color]\r\n1=-1\r\n[view]\r\nradio=3\r\n[Sound]\r\nALL=true\r\n[tray]\r\nChecked="
         "false\r\n"
         "[Log]\r\nALL=false\r\nAuto_Clear=false\r\n[AutoRun]\r\n1=false\r\n"},
    };
    for (const Case& c : cases) {
        if (fakes.files.Exists(ini)) fakes.files.Remove(ini);
        fakes.files.AddFile(ini, c.ini);
        fakes.notificationArea.icons.clear();
        Start();
        SCOPED_TRACE(c.ini);
        ui::Color expected = c.color < 0 ? ui::SystemColor(ui::sys::kScrollBar) : ui::clBlue;
        EXPECT_EQ(Options().ColorBox1.ItemIndex(), c.color);
        EXPECT_EQ(Main().KVZXPHeader1.GetColor(), expected);
        EXPECT_EQ(Options().KVZXPCollapsePanel1.ColorBackground(), expected);
        // The list takes its style before any window was shown.
        EXPECT_EQ(Main().ShellListView1.GetViewStyle(), c.view);
        EXPECT_FALSE(Options().Visible());
        EXPECT_EQ(fakes.notificationArea.icons.size(), c.tray ? 1u : 0u);
        EXPECT_EQ(Options().KVZXPCheckBox1.Checked(), c.tray);
        EXPECT_EQ(Options().KVZXPCheckBox2.Checked(), c.autoRun);
        EXPECT_EQ(AutoStartEntry(), nullptr) << "the registry is not touched at creation";
        EXPECT_EQ(windows->GetOptions().sound.On(), c.sound);
        EXPECT_EQ(Options().KVZXPCheckBox4.Checked(), c.log);
        EXPECT_EQ(windows->GetOptions().autoClearLog.On(), c.autoClear);
        Exit();
        EXPECT_EQ(IniText(), c.writtenBack);
        EXPECT_TRUE(fakes.notificationArea.icons.empty()) << "the icon goes at exit";
    }
}

TEST_F(OptionsWindow, TheTrayBoxShowsTheIconAndUncheckingItBringsTheMainWindowBack) {
    Start();
    Main().ShowForm();
    backend.Click(Options().KVZXPCheckBox1, {5, 5});
    ASSERT_EQ(fakes.notificationArea.icons.size(), 1u);
    EXPECT_TRUE(Main().Visible()) << "shown with the main window left visible";
    // A double-click on the icon removes it and leaves the box ticked.
    Main().Hide();
    fakes.notificationArea.Deliver(Main().Tray1.Record().window, {0x401, 0, 0x203});
    EXPECT_TRUE(fakes.notificationArea.icons.empty());
    EXPECT_TRUE(Main().Visible());
    EXPECT_TRUE(Options().KVZXPCheckBox1.Checked());

    backend.Click(Options().KVZXPCheckBox1, {5, 5});  // off: nothing to remove
    backend.Click(Options().KVZXPCheckBox1, {5, 5});  // on
    Main().Hide();
    backend.Click(Options().KVZXPCheckBox1, {5, 5});  // off
    EXPECT_TRUE(fakes.notificationArea.icons.empty());
    EXPECT_TRUE(Main().Visible());
    EXPECT_FALSE(windows->GetOptions().trayIcon.On());
}

TEST_F(OptionsWindow, TheChosenColourReachesEveryWindowInTurn) {
    Start();
    Options().ColorBox1.SetItemIndexFromPeer(9);  // the user picks clRed
    for (ui::Color c :
         {Options().KVZXPHeader1.GetColor(), Main().KVZXPHeader1.GetColor(),
          Main().KVZXPHeader2.GetColor(), windows->Get<TForm4>().KVZXPHeader1.GetColor()})
        EXPECT_EQ(c, ui::Hex(0xFF0000));
    EXPECT_EQ(windows->Get<TForm4>().KVZXPCollapsePanel1.ColorBackground(), ui::Hex(0xFF0000));
    EXPECT_EQ(windows->GetOptions().color.Index(), 9);
}

TEST_F(OptionsWindow, TheAutoStartBoxWritesAndRemovesTheEntryAndAReportedRefusalKeepsItTicked) {
    Start();
    backend.Click(Options().KVZXPCheckBox2, {5, 5});
    ASSERT_NE(AutoStartEntry(), nullptr);
    EXPECT_EQ(AutoStartEntry()->type, platform::RegistryType::String);
    EXPECT_EQ(std::string(AutoStartEntry()->data.begin(), AutoStartEntry()->data.end()), exe);
    backend.Click(Options().KVZXPCheckBox2, {5, 5});
    EXPECT_EQ(AutoStartEntry(), nullptr);

    fakes.registry.localMachineReadOnly = true;
    backend.Click(Options().KVZXPCheckBox2, {5, 5});
    EXPECT_EQ(reported, (std::vector<std::string>{"Failed to set data for '" + exe + "'"}));
    EXPECT_TRUE(Options().KVZXPCheckBox2.Checked());
    Exit();
    EXPECT_NE(IniText().find("[AutoRun]\r\n1=true\r\n"), std::string::npos);
}

TEST_F(OptionsWindow, DefaultClickRestoresTheDefaultsAndStartsTheProgramAgain) {
    fakes.files.AddFile(ini,
                        "[Laguage]\r\nLangResultFile=C:\\x.MordaunLang\r\n[Sound]\r\nALL=false\r\n"
                        "[tray]\r\nChecked=true\r\n[Log]\r\nALL=true\r\n");
    Start();
    backend.Click(Options().KVZXPCheckBox2, {5, 5});  // an auto-start entry exists
    Options().ColorBox1.SetItemIndexFromPeer(1);

    backend.Click(Options().KVZXPButton1, {5, 5});
    EXPECT_EQ(fakes.notificationArea.icons.size(), 1u);
    EXPECT_EQ(AutoStartEntry(), nullptr);
    EXPECT_FALSE(Options().KVZXPCheckBox2.Checked());
    EXPECT_TRUE(windows->GetOptions().sound.On());
    EXPECT_EQ(Main().KVZXPHeader1.GetColor(), ui::Hex(0x008080));
    EXPECT_EQ(Main().ShellListView1.GetViewStyle(), ui::ViewStyle::List);
    EXPECT_EQ(IniText(),
              "[Laguage]\r\nLangResultFile=\r\n[Sound]\r\nALL=true\r\n[tray]\r\nChecked=true\r\n"
              "[Log]\r\nALL=true\r\nAuto_Clear=false\r\n[color]\r\n1=6\r\n[view]\r\nradio=1\r\n"
              "[AutoRun]\r\n1=false\r\n");
    ASSERT_EQ(fakes.shell.started.size(), 1u);
    EXPECT_EQ(fakes.shell.started[0].file, exe);
    EXPECT_EQ(fakes.shell.started[0].parameters, "");
    EXPECT_EQ(fakes.shell.started[0].showMode, platform::kShowNormal);
    EXPECT_TRUE(backend.TerminateRequested());
    EXPECT_TRUE(reported.empty());
}

TEST_F(OptionsWindow, ARestartThatCannotStartKeepsTheProgramRunning) {
    fakes.shell.startSucceeds = false;
    Start();
    backend.Click(Options().KVZXPButton1, {5, 5});
    EXPECT_EQ(reported,
              (std::vector<std::string>{"Cannot start \"" + exe + "\"; Skarvel goes on running."}));
    EXPECT_FALSE(backend.TerminateRequested());
}

TEST_F(OptionsWindow, ADoubleClickInTheLanguageListSwitchesEveryWindowAndIsRemembered) {
    const std::string folder = app + "Language";
    fakes.files.AddFile(folder + "\\Russian.MordaunLang",
                        "[MainForm]\r\nTrash=Korzina\r\n[Option Form]\r\nTray=Lotok\r\n"
                        "[LogForm]\r\nLog Manager Skarvel=Zhurnaly\r\n");
    fakes.files.AddFile(folder + "\\deutsch.MordaunLang", "", platform::attr::kSystem);
    fakes.files.AddFile(folder + "\\notes.txt");
    Start();
    ui::FileListBox& list = Options().FileListBox1;
    EXPECT_EQ(list.Items(),
              (std::vector<std::string>{"deutsch.MordaunLang", "Russian.MordaunLang"}));

    backend.DoubleClick(list, {30, ui::FileListBox::kGlyphSize + 3});
    EXPECT_EQ(Main().KVZXPCheckBox4.Caption(), "Korzina");
    EXPECT_EQ(Options().KVZXPGroupBox1.Caption(), "Lotok");
    EXPECT_EQ(windows->Get<TForm4>().Caption(), "Zhurnaly");
    EXPECT_NE(IniText().find("LangResultFile=" + folder + "\\Russian.MordaunLang"),
              std::string::npos);

    // With nothing selected the choice is forgotten and no text changes.
    list.SetItemIndex(-1);
    Options().FileListBox1DblClick();
    EXPECT_NE(IniText().find("LangResultFile=\r\n"), std::string::npos);
    EXPECT_EQ(Main().KVZXPCheckBox4.Caption(), "Korzina");
}

TEST_F(OptionsWindow, TheLogIsSavedAtExitOnlyWhenAskedAndTwoExitsInOneSecondLeaveTheLastRun) {
    Start();
    Exit();
    EXPECT_FALSE(fakes.files.Exists(app + "log"));
    for (const char* marker : {"first run", "second run"}) {
        Start();
        if (!Options().KVZXPCheckBox4.Checked()) backend.Click(Options().KVZXPCheckBox4, {5, 5});
        EXPECT_TRUE(Options().KVZXPCheckBox5.Enabled());
        Main().AppendLog(marker);
        Exit();
    }
    std::vector<platform::DirEntry> logs;
    ASSERT_TRUE(fakes.files.Enumerate(app + "log\\*.log", logs));
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].name, "06.12.2026_9-5-7.log");
    std::string text = fakes.files.ReadFile(app + "log\\" + logs[0].name).value_or("");
    EXPECT_EQ(text.find("first run"), std::string::npos);
    EXPECT_TRUE(text.ends_with("second run\r\n"));
}

TEST_F(OptionsWindow, AutoClearTickedWithTheLogOffIsWrittenButNotReadBack) {
    fakes.files.AddFile(ini, "[Log]\r\nALL=true\r\n");
    Start();
    backend.Click(Options().KVZXPCheckBox5, {5, 5});
    backend.Click(Options().KVZXPCheckBox4, {5, 5});  // the log off
    EXPECT_FALSE(Options().KVZXPCheckBox5.Enabled());
    EXPECT_TRUE(Options().KVZXPCheckBox5.Checked());
    Exit();
    EXPECT_NE(IniText().find("[Log]\r\nALL=false\r\nAuto_Clear=true\r\n"), std::string::npos);
    Start();
    EXPECT_FALSE(windows->GetOptions().autoClearLog.On());
}

TEST_F(OptionsWindow, ARefusedSettingsWriteAtExitIsReportedAndSkipsTheRestAndTheLog) {
    fakes.files.AddFile(ini, "[Log]\r\nALL=true\r\n");
    Start();
    fakes.files.SetInUse(ini);
    Exit();
    EXPECT_EQ(reported, (std::vector<std::string>{"Unable to write to " + ini}));
    EXPECT_FALSE(fakes.files.Exists(app + "log"));
}

// Log-off or shut-down ends the program as an exit does: the settings, then the log, written
// while the system waits, once; the program's own end later writes nothing again.
TEST_F(OptionsWindow, TheEndOfTheSessionWritesWhatAnExitWritesOnlyOnce) {
    fakes.files.AddFile(ini, "[color]\r\n1=12\r\n[Log]\r\nALL=true\r\n");
    Start();
    Main().ShowForm();
    Main().AppendLog("this run");
    application.EndSession();
    EXPECT_TRUE(application.Terminated());
    EXPECT_TRUE(Main().Visible()) << "no fade while the session ends";
    EXPECT_EQ(IniText(),
              "[color]\r\n1=12\r\n[Log]\r\nALL=true\r\nAuto_Clear=false\r\n[tray]\r\n"
              "Checked=false\r\n[view]\r\nradio=3\r\n[AutoRun]\r\n1=false\r\n[Sound]\r\n"
              "ALL=true\r\n");
    std::vector<platform::DirEntry> logs;
    ASSERT_TRUE(fakes.files.Enumerate(app + "log\\*.log", logs));
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_TRUE(
        fakes.files.ReadFile(app + "log\\" + logs[0].name).value_or("").ends_with("this run\r\n"));

    fakes.files.Remove(ini);
    fakes.files.Remove(app + "log");
    application.EndSession();  // every window hears the end
    Exit();
    EXPECT_FALSE(fakes.files.Exists(ini));
    EXPECT_FALSE(fakes.files.Exists(app + "log"));
    EXPECT_TRUE(reported.empty());
}

}  // namespace
