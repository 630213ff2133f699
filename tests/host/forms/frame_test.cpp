// The frame the tool windows share: header and panel, colour, language section, exit button,
// close box; and the main window's buttons that show them.

#include "forms/disk_manager/disk_manager_form.h"
#include "forms/log_manager/log_manager_form.h"
#include "forms/process_manager/process_manager_form.h"
#include "forms/type_manager/type_manager_form.h"
#include "host/forms/tools_fixture.h"
#include "settings/color_list.h"

namespace {

using toolstest::ToolsTest;

struct FrameCase {
    const char* name;
    tools::ToolWindow& (*window)(app::WindowList&);
    const char* header;
    ui::Rect panel;
    const char* exitName;
    ui::Rect exitBounds;
};

tools::ToolWindow& LogWindow(app::WindowList& w) {
    return w.Get<TForm4>();
}
tools::ToolWindow& DiskWindow(app::WindowList& w) {
    return w.Get<TForm5>();
}
tools::ToolWindow& ProcessWindow(app::WindowList& w) {
    return w.Get<TForm6>();
}
tools::ToolWindow& TypeWindow(app::WindowList& w) {
    return w.Get<TForm7>();
}

const FrameCase kFrames[] = {
    {"log", LogWindow, "Log Manager", ui::Rect::FromSize(0, 40, 641, 233), "KVZXPSpeedButton3",
     ui::Rect::FromSize(584, 192, 48, 35)},
    {"disk", DiskWindow, "Disk Manager", ui::Rect::FromSize(0, 40, 641, 233), "KVZXPSpeedButton1",
     ui::Rect::FromSize(584, 191, 48, 35)},
    {"process", ProcessWindow, "Process Manager", ui::Rect::FromSize(0, 40, 643, 231),
     "KVZXPSpeedButton3", ui::Rect::FromSize(584, 189, 48, 35)},
    {"type", TypeWindow, "Type Manager", ui::Rect::FromSize(0, 40, 641, 233), "KVZXPSpeedButton3",
     ui::Rect::FromSize(584, 189, 48, 35)},
};

TEST_F(ToolsTest, FrameHeaderPanelAndExitButtonOfEachWindow) {
    app::WindowList& w = Start();
    for (const FrameCase& c : kFrames) {
        SCOPED_TRACE(c.name);
        tools::ToolWindow& form = c.window(w);
        EXPECT_EQ(form.KVZXPHeader1.Caption(), c.header);
        EXPECT_FALSE(form.KVZXPHeader1.Enabled());
        EXPECT_EQ(form.KVZXPHeader1.Bounds(), ui::Rect::FromSize(0, 0, c.panel.Width(), 40));
        EXPECT_EQ(form.KVZXPCollapsePanel1.Bounds(), c.panel);
        auto* exit = dynamic_cast<controls::TKVZXPSpeedButton*>(form.FindControl(c.exitName));
        ASSERT_NE(exit, nullptr);
        EXPECT_EQ(exit->Parent(), &form.KVZXPCollapsePanel1);
        EXPECT_EQ(exit->Bounds(), c.exitBounds);
        EXPECT_TRUE(exit->Flat());
        EXPECT_EQ(exit->Hint(), "Exit");
    }
}

// The log manager reads the stored index and selects it in the options; the disk manager,
// created after it, takes that selection as it stands.
TEST_F(ToolsTest, ColourFromTheStoredIndexOrTheScrollBarColourWhenItSelectsNothing) {
    struct Case {
        const char* stored;
        int selected;
    } cases[] = {{nullptr, 6}, {"2", 2}, {"49", 49}, {"50", -1}, {"-1", -1}, {"x", 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "missing");
        if (c.stored) WriteSetting("color", "1", c.stored);
        app::WindowList& w = Start();
        EXPECT_EQ(w.GetOptions().color.Index(), c.selected);
        const ui::Color expected = settings::ColorForIndex(c.selected);
        for (const FrameCase& f : kFrames) {
            EXPECT_EQ(f.window(w).KVZXPHeader1.GetColor(), expected) << f.name;
            EXPECT_EQ(f.window(w).KVZXPCollapsePanel1.ColorBackground(), expected) << f.name;
        }
    }
}

// The log manager's exit hint follows the main window's "Exit", not its own section.
TEST_F(ToolsTest, LanguageSectionsAtCreation) {
    ChooseLanguage(
        "[MainForm]\nExit=Beenden\n"
        "[LogForm]\nLog Manager Skarvel=Protokolle\nLog Manager=Protokoll\nHint_Exit=Nein\n"
        "[DiskForm]\nDisk Manager=Laufwerke\nHint_Exit=Ende\n");
    app::WindowList& w = Start();
    EXPECT_EQ(w.Get<TForm4>().Caption(), "Protokolle");
    EXPECT_EQ(w.Get<TForm4>().KVZXPHeader1.Caption(), "Protokoll");
    EXPECT_EQ(w.Get<TForm4>().KVZXPSpeedButton3.Hint(), "Beenden");
    EXPECT_EQ(w.Get<TForm5>().Caption(), "Disk Manager Skarvel");  // missing key: default
    EXPECT_EQ(w.Get<TForm5>().KVZXPHeader1.Caption(), "Laufwerke");
    EXPECT_EQ(w.Get<TForm5>().KVZXPSpeedButton1.Hint(), "Ende");
}

// The main window's buttons show the windows with cue 4; "Exit" hides with cue 4 (the log
// manager also restores the program's window); the close box hides without a sound.
TEST_F(ToolsTest, ShownByTheMainWindowHiddenByExitAndByTheCloseBox) {
    app::WindowList& w = Start();
    TForm1& main = w.MainWindow();
    main.ShowForm();
    TakeCues();

    Click(main.KVZXPSpeedButton11);
    EXPECT_TRUE(w.Get<TForm4>().Visible());
    EXPECT_EQ(TakeCues(), "4");
    Click(w.Get<TForm4>().KVZXPSpeedButton3);
    EXPECT_FALSE(w.Get<TForm4>().Visible());
    EXPECT_EQ(TakeCues(), "4");
    ASSERT_FALSE(backend.ShowCommands().empty());
    EXPECT_EQ(backend.ShowCommands().back().form, &main);
    EXPECT_EQ(backend.ShowCommands().back().how, ui::ShowCommand::Normal);

    const std::size_t shows = backend.ShowCommands().size();
    Click(main.KVZXPSpeedButton12);
    EXPECT_TRUE(w.Get<TForm5>().Visible());
    EXPECT_EQ(TakeCues(), "4");
    Click(w.Get<TForm5>().KVZXPSpeedButton1);
    EXPECT_FALSE(w.Get<TForm5>().Visible());
    EXPECT_EQ(TakeCues(), "4");
    EXPECT_EQ(backend.ShowCommands().size(), shows);

    for (ui::Form* form :
         {static_cast<ui::Form*>(&w.Get<TForm4>()), static_cast<ui::Form*>(&w.Get<TForm5>())}) {
        form->ShowForm();
        form->Close();
        EXPECT_FALSE(form->Visible());
    }
    EXPECT_EQ(TakeCues(), "");
}

}  // namespace
