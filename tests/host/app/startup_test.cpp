#include <gtest/gtest.h>

#include "app/main_form.h"
#include "app/windows.h"
#include "fakes/fake_services.h"
#include "settings/options_form.h"
#include "settings/sound_cues.h"
#include "tools/disk_manager_form.h"
#include "tools/help_form.h"
#include "tools/log_manager_form.h"
#include "tools/process_manager_form.h"
#include "tools/type_manager_form.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

// The seven windows by their numbers.
struct Seven {
    TForm1* Form1;
    TForm2* Form2;
    TForm3* Form3;
    TForm4* Form4;
    TForm5* Form5;
    TForm6* Form6;
    TForm7* Form7;
};
Seven FormsOf(const app::Windows& w) {
    return {&w.MainWindow(),  &w.OptionsWindow(),  &w.HelpWindow(), &w.LogManager(),
            &w.DiskManager(), &w.ProcessManager(), &w.TypeManager()};
}

struct StartUp : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;

    std::unique_ptr<app::Windows> Start() {
        return std::make_unique<app::Windows>(application, fakes.Get());
    }
};

TEST_F(StartUp, CreatesTheSevenWindowsInOrderWithTheirFrames) {
    auto windows = Start();
    Seven p = FormsOf(*windows);
    const auto& forms = application.Forms();
    ASSERT_EQ(forms.size(), 7u);
    EXPECT_EQ(forms[0], p.Form1);
    EXPECT_EQ(forms[1], p.Form2);
    EXPECT_EQ(forms[6], p.Form7);
    EXPECT_EQ(application.MainForm(), p.Form1);
    EXPECT_EQ(p.Form1->ClientSize(), (ui::Size{641, 504}));
    EXPECT_EQ(p.Form1->GetColor(), ui::clBlack);
    EXPECT_TRUE(p.Form1->Caption().ends_with("Skarvel 1.0.7.977"));
    EXPECT_EQ(p.Form2->Caption(), "Mechanical Options Skarvel");
    EXPECT_EQ(p.Form3->Caption(), "Help Skarvel");
    EXPECT_EQ(p.Form4->Caption(), "Log Manager Skarvel");
    EXPECT_EQ(p.Form5->Caption(), "Disk Manager Skarvel");
    EXPECT_EQ(p.Form6->Caption(), "Process Manager Skarvel");
    EXPECT_EQ(p.Form7->Caption(), "Type Manager Skarvel");
    EXPECT_EQ(p.Form6->ClientSize(), (ui::Size{642, 271}));
    EXPECT_TRUE(p.Form6->StayOnTop());
    EXPECT_FALSE(p.Form5->StayOnTop());
    EXPECT_EQ(p.Form3->GetWindowState(), ui::WindowState::Maximized);
    EXPECT_EQ(p.Form1->GetWindowState(), ui::WindowState::Normal);
    for (ui::Form* f : forms) EXPECT_FALSE(f->Visible());
}

TEST_F(StartUp, WritesTheTwelveLineHeaderAfterTheMemosEmptyLine) {
    fakes.system.shortDate = "06.12.2026";
    fakes.system.longTime = "9:05:07";
    fakes.system.userName = "anna";
    auto windows = Start();
    const auto& lines = windows->MainWindow().Memo1.Lines();
    ASSERT_EQ(lines.size(), 13u);
    const std::string rule(51, '_');
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], rule);
    EXPECT_EQ(lines[2], "");
    EXPECT_TRUE(lines[3].starts_with("Skarvel 1.0.7.977"));
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "06.12.2026");
    EXPECT_EQ(lines[6], "9:05:07");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "Name User:   anna");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], rule);
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "");
    EXPECT_FALSE(windows->MainWindow().Memo1.Visible());
}

TEST_F(StartUp, AnUnreadableUserNameIsLoggedAsNo) {
    fakes.system.userName.reset();
    auto windows = Start();
    EXPECT_EQ(windows->MainWindow().Memo1.Lines()[8], "Name User:   No");
}

TEST_F(StartUp, TheTimerDisablesTheMainWindowWhileAToolWindowIsOpen) {
    auto windows = Start();
    Seven p = FormsOf(*windows);
    p.Form1->ShowForm();
    backend.AdvanceTime(250);
    EXPECT_TRUE(p.Form1->Enabled());
    for (ui::Form* tool :
         std::initializer_list<ui::Form*>{p.Form2, p.Form4, p.Form5, p.Form6, p.Form7}) {
        tool->ShowForm();
        backend.AdvanceTime(250);
        EXPECT_FALSE(p.Form1->Enabled()) << tool->Caption();
        tool->Hide();
        backend.AdvanceTime(249);
        EXPECT_FALSE(p.Form1->Enabled()) << "re-enabled only at the next tick";
        backend.AdvanceTime(1);
        EXPECT_TRUE(p.Form1->Enabled()) << tool->Caption();
    }
    p.Form3->ShowForm();  // the help window leaves the main window usable
    backend.AdvanceTime(250);
    EXPECT_TRUE(p.Form1->Enabled());
}

TEST_F(StartUp, CuesPlayFromTheSoundFolderOnlyWhileSoundIsOn) {
    EXPECT_EQ(settings::CuePath("C:\\Skarvel\\", 3), "C:\\Skarvel\\Sound\\3.wav");
    fakes.system.applicationFolder = "D:\\Tools\\Sk\\";
    auto windows = Start();
    Seven p = FormsOf(*windows);
    p.Form1->Cues().Play(4);
    EXPECT_EQ(fakes.sound.played, (std::vector<std::string>{"D:\\Tools\\Sk\\Sound\\4.wav"}));
    windows->GetOptions().sound.Set(false);
    for (int cue = 1; cue <= 5; ++cue) p.Form1->Cues().Play(cue);
    EXPECT_EQ(fakes.sound.played.size(), 1u);
}

TEST_F(StartUp, ClosingTheMainWindowFadesItOutAndEndsTheProgram) {
    auto windows = Start();
    Seven p = FormsOf(*windows);
    p.Form1->ShowForm();
    p.Form1->Close();
    EXPECT_FALSE(p.Form1->Visible());  // the headless fade hides the window
    EXPECT_TRUE(application.Terminated());
}

}  // namespace
