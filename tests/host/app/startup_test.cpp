#include <gtest/gtest.h>

#include <iterator>

#include "app/window_list.h"
#include "fakes/fake_services.h"
#include "forms/disk_manager/disk_manager_form.h"
#include "forms/help/help_form.h"
#include "forms/log_manager/log_manager_form.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "forms/process_manager/process_manager_form.h"
#include "forms/type_manager/type_manager_form.h"
#include "settings/sound_cues.h"
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
Seven FormsOf(const app::WindowList& w) {
    return {&w.MainWindow(),  &w.OptionsWindow(), &w.Get<TForm3>(), &w.Get<TForm4>(),
            &w.Get<TForm5>(), &w.Get<TForm6>(),   &w.Get<TForm7>()};
}

struct StartUp : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application application{backend};
    fakes::FakeServices fakes;

    std::unique_ptr<app::WindowList> Start() {
        return std::make_unique<app::WindowList>(application, fakes.Get());
    }
};

TEST_F(StartUp, CreatesTheSevenWindowsInOrderWithTheirFrames) {
    auto windows = Start();
    Seven p = FormsOf(*windows);
    const auto& forms = application.Forms();
    ASSERT_EQ(forms.size(), 8u);  // and the keep list's window
    EXPECT_EQ(application.MainForm(), p.Form1);
    EXPECT_EQ(p.Form1->GetColor(), ui::clBlack);
    EXPECT_TRUE(p.Form1->Caption().ends_with("Skarvel 1.0.7.977"));

    namespace icon = ui::border_icon;
    const unsigned close = icon::kSystemMenu;
    struct Frame {
        ui::Form* form;
        const char* caption;
        ui::Size client;
        unsigned icons;
        bool onTop;
        ui::WindowState state;
    } frames[] = {
        {p.Form1, nullptr, {641, 504}, close | icon::kMinimize, false, ui::WindowState::Normal},
        {p.Form2, "Mechanical Options Skarvel", {361, 351}, close, true, ui::WindowState::Normal},
        // The help window opens maximised and can be restored and minimised.
        {p.Form3,
         "Help Skarvel",
         {809, 527},
         close | icon::kMinimize | icon::kMaximize,
         false,
         ui::WindowState::Maximized},
        {p.Form4, "Log Manager Skarvel", {641, 272}, close, false, ui::WindowState::Normal},
        {p.Form5, "Disk Manager Skarvel", {640, 271}, close, false, ui::WindowState::Normal},
        {p.Form6, "Process Manager Skarvel", {642, 271}, close, true, ui::WindowState::Normal},
        {p.Form7, "Type Manager Skarvel", {641, 271}, close, true, ui::WindowState::Normal},
    };
    for (std::size_t i = 0; i < std::size(frames); ++i) {
        const Frame& f = frames[i];
        SCOPED_TRACE(f.form->Caption());
        EXPECT_EQ(forms[i], f.form);
        if (f.caption) {
            EXPECT_EQ(f.form->Caption(), f.caption);
        }
        EXPECT_EQ(f.form->ClientSize(), f.client);
        EXPECT_EQ(f.form->GetBorderStyle(), ui::BorderStyle::Single);
        EXPECT_EQ(f.form->BorderIcons(), f.icons);
        EXPECT_EQ(f.form->StayOnTop(), f.onTop);
        EXPECT_EQ(f.form->GetWindowState(), f.state);
        EXPECT_FALSE(f.form->Visible());
    }
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
    EXPECT_EQ(settings::CuePath("C:\\Skarvel\\", settings::Cue::Category),
              "C:\\Skarvel\\Sound\\3.wav");
    fakes.system.applicationFolder = "D:\\Tools\\Sk\\";
    auto windows = Start();
    Seven p = FormsOf(*windows);
    p.Form1->Cues().Play(settings::Cue::Window);
    EXPECT_EQ(fakes.sound.played, (std::vector<std::string>{"D:\\Tools\\Sk\\Sound\\4.wav"}));
    windows->GetOptions().sound.Set(false);
    for (int cue = 1; cue <= 5; ++cue) p.Form1->Cues().Play(static_cast<settings::Cue>(cue));
    EXPECT_EQ(fakes.sound.played.size(), 1u);
}

// Closing the main window fades it out over 600 ms before the program ends; the tray menu's
// "Exit" ends it at once.
TEST_F(StartUp, ClosingTheMainWindowFadesItOutAndTheTraysExitDoesNot) {
    for (bool tray : {false, true}) {
        SCOPED_TRACE(tray ? "tray Exit" : "close");
        ui::HeadlessBackend fresh;
        ui::Application app{fresh};
        auto windows = std::make_unique<app::WindowList>(app, fakes.Get());
        TForm1& main = windows->MainWindow();
        main.ShowForm();
        if (tray)
            main.Exit1().OnClick();
        else
            main.Close();
        EXPECT_TRUE(app.Terminated());
        if (tray) {
            EXPECT_TRUE(fresh.Fades().empty());
            EXPECT_TRUE(main.Visible());
        } else {
            ASSERT_EQ(fresh.Fades().size(), 1u);
            EXPECT_EQ(fresh.Fades()[0].form, &main);
            EXPECT_EQ(fresh.Fades()[0].milliseconds, 600);
            EXPECT_FALSE(main.Visible());
        }
    }
}

// While the session ends nobody can answer a message box: a refused settings write ends the
// writes quietly.
TEST_F(StartUp, AFailureWhileTheSessionEndsShowsNoMessageBox) {
    const std::string ini = fakes.system.applicationFolder + "Mordaun.ini";
    fakes.files.AddFile(ini, "[Log]\r\nALL=true\r\n");
    auto windows = Start();
    fakes.files.SetInUse(ini);
    application.EndSession();
    EXPECT_TRUE(backend.Messages().empty());
    EXPECT_TRUE(application.Terminated());
}

}  // namespace
