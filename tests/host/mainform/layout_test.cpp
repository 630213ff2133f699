// What the main window is built with: names the language files and the options window find,
// sizes, colours, hints, the order of the groups and the initial choices.

#include "main_form_fixture.h"
#include "settings/language_tables.h"

namespace mainformtest {
namespace {

using LayoutTest = MainFormTest;

TEST_F(LayoutTest, EveryTextTargetOfTheLanguageTableIsAControlOfTheWindow) {
    TForm1& form = Start();
    for (const settings::TextEntry& entry : settings::TextsOf(settings::LanguageWindow::Main)) {
        if (entry.control == "Exit1") {
            EXPECT_EQ(form.Exit1().caption, entry.defaultText);
            continue;
        }
        ui::Control* control = form.FindControl(entry.control);
        ASSERT_NE(control, nullptr) << entry.control;
    }
}

TEST_F(LayoutTest, ColumnsHeadersAndPanels) {
    TForm1& form = Start();
    EXPECT_EQ(form.KVZXPHeader1.Bounds(), ui::Rect::FromSize(0, 0, 201, 40));
    EXPECT_EQ(form.KVZXPCollapsePanel1.Bounds(), ui::Rect::FromSize(0, 40, 201, 449));
    EXPECT_EQ(form.KVZXPHeader2.Bounds(), ui::Rect::FromSize(200, 0, 441, 40));
    EXPECT_EQ(form.KVZXPCollapsePanel2.Bounds(), ui::Rect::FromSize(200, 40, 441, 449));
    EXPECT_EQ(form.KVZXPHeader2.KVZXPCollapsePanel(), &form.KVZXPCollapsePanel2);
    EXPECT_EQ(form.KVZXPHeader1.KVZXPCollapsePanel(), nullptr);
    for (controls::TKVZXPHeader* h : {&form.KVZXPHeader1, &form.KVZXPHeader2}) {
        EXPECT_EQ(h->GetColor(), ui::clTeal);
        EXPECT_FALSE(h->Enabled());
    }
    EXPECT_EQ(form.KVZXPHeader1.Caption(), "Delete Options");
    EXPECT_EQ(form.KVZXPHeader2.Caption(), "Processing");
    EXPECT_EQ(form.KVZXPCollapsePanel1.ColorBackground(), ui::clTeal);
    EXPECT_EQ(form.KVZXPCollapsePanel2.ColorBackground(), ui::clTeal);
    EXPECT_EQ(form.ScrollBox1.Width(), 189);
    EXPECT_EQ(form.ScrollBox1.Height(), 409);
    EXPECT_GT(form.ScrollBox1.MaxScroll(), 0) << "eleven groups need scrolling";
    EXPECT_EQ(form.Label2.Bounds().Width(), 633);
    EXPECT_EQ(form.Label2.Caption(), "");
}

TEST_F(LayoutTest, GroupsStackInTheirOrderWithTheirButtonsAndControls) {
    TForm1& form = Start();
    const std::vector<std::string> order = {"KVZXPGroupBox1", "KVZXPGroupBox8", "KVZXPGroupBox9",
                                            "KVZXPGroupBox6", "KVZXPGroupBox5", "KVZXPGroupBox11",
                                            "KVZXPGroupBox2", "KVZXPGroupBox3", "KVZXPGroupBox4",
                                            "KVZXPGroupBox7", "KVZXPGroupBox10"};
    const auto& boxes = form.ScrollBox1.Children();
    ASSERT_EQ(boxes.size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(boxes[i]->Name(), order[i]);
        if (i > 0) {
            EXPECT_GE(boxes[i]->Top(), boxes[i - 1]->Top() + boxes[i - 1]->Height());
        }
        auto* button = dynamic_cast<controls::TWQMSpeedButton*>(boxes[i]->Children().front());
        ASSERT_NE(button, nullptr) << order[i];
        EXPECT_EQ(button->Width(), 23);
        EXPECT_EQ(button->Height(), 22);
        EXPECT_EQ(button->FlatStyle(), controls::TWQMSpeedBtnFlatStyle::bfsBorderless);
        EXPECT_FALSE(button->HotGlyph().Empty());
    }
    EXPECT_EQ(form.KVZXPCheckBox15.Parent(), &form.KVZXPGroupBox5);
    EXPECT_EQ(form.KVZXPCheckBox15.Caption(), "Opera Temporary");
    EXPECT_EQ(form.KVZXPRadioButton6.Caption(), "Switch on Dr. Watson");
    EXPECT_EQ(form.KVZXPCheckBox1.GetFont().name, "Arial");
    EXPECT_EQ(form.KVZXPCheckBox1.GetFont().color, ui::clTeal);
}

TEST_F(LayoutTest, StartsWithNothingCheckedAndTheFirstChoiceOfEachPair) {
    TForm1& form = Start();
    EXPECT_EQ(CheckedBoxes(), "");
    EXPECT_TRUE(form.KVZXPRadioButton1.Checked());
    EXPECT_FALSE(form.KVZXPRadioButton2.Checked());
    EXPECT_TRUE(form.KVZXPRadioButton3.Checked());
    EXPECT_FALSE(form.KVZXPRadioButton4.Checked());
    EXPECT_TRUE(form.KVZXPRadioButton5.Checked());
    EXPECT_FALSE(form.KVZXPRadioButton6.Checked());
    EXPECT_TRUE(trace.empty()) << "building the window sounds no cue";
}

TEST_F(LayoutTest, ToolColumnHintsPositionsAndTheFileList) {
    TForm1& form = Start();
    struct Expected {
        controls::TKVZXPSpeedButton& button;
        const char* hint;
        int top;
    };
    for (const Expected& e : {Expected{form.KVZXPSpeedButton1, "Help", 3},
                              Expected{form.KVZXPSpeedButton11, "Log Manager", 27},
                              Expected{form.KVZXPSpeedButton12, "DIsk Manager", 51},
                              Expected{form.KVZXPSpeedButton13, "process Manager", 75},
                              Expected{form.KVZXPSpeedButton14, "Type Manager", 99},
                              Expected{form.KVZXPSpeedButton9, "Mechanical Options", 123},
                              Expected{form.KVZXPSpeedButton2, "Regedit", 275},
                              Expected{form.KVZXPSpeedButton5, "Clean Disk", 299},
                              Expected{form.KVZXPSpeedButton6, "DirectX Options", 323},
                              Expected{form.KVZXPSpeedButton7, "System Options", 347},
                              Expected{form.KVZXPSpeedButton8, "System Services", 371}}) {
        EXPECT_EQ(e.button.Hint(), e.hint);
        EXPECT_EQ(e.button.Bounds(), ui::Rect::FromSize(384, e.top, 45, 21)) << e.hint;
        EXPECT_FALSE(e.button.Glyph().Empty()) << e.hint;
    }
    EXPECT_EQ(form.KVZXPSpeedButton10.Hint(), "Begin");
    EXPECT_EQ(form.KVZXPSpeedButton10.Width(), 48);
    EXPECT_EQ(form.KVZXPSpeedButton10.Height(), 35);
    EXPECT_TRUE(form.KVZXPSpeedButton10.Flat());
    EXPECT_EQ(form.KVZXPSpeedButton3.Hint(), "All");
    EXPECT_EQ(form.KVZXPSpeedButton4.Hint(), "Nothing");

    const ui::ShellListView& list = form.ShellListView1;
    EXPECT_EQ(list.Width(), 375);
    EXPECT_EQ(list.Height(), 441);
    EXPECT_EQ(list.GetViewStyle(), ui::ViewStyle::Report);
    EXPECT_TRUE(list.GridLines() && list.HotTrack() && list.Sorted() && list.ShowHidden());
    EXPECT_TRUE(list.GetFont().bold);
    EXPECT_EQ(list.GetFont().color, ui::clTeal);
    EXPECT_TRUE(list.RootIsRecycleBin()) << "the recycle bin is shown at start";
    EXPECT_FALSE(form.Memo1.Visible());
}

TEST_F(LayoutTest, TrayMenuExitEndsTheProgramAndMechanicalOptionsShowsTheOptions) {
    TForm1& form = Start();
    ASSERT_EQ(form.PopupMenu1.Items().size(), 1u);
    EXPECT_FALSE(form.PopupMenu1.AutoPopup());
    ClickOn(form.KVZXPSpeedButton9);
    EXPECT_TRUE(windows->GetProgram().Form2->Visible());
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"cue 4 []"}));
    form.Exit1().OnClick();
    EXPECT_TRUE(application.Terminated());
}

}  // namespace
}  // namespace mainformtest
