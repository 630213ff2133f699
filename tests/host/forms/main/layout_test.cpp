// What the main window is built with: names the language files and the options window find,
// sizes, colours, hints, the order of the groups and the initial choices.

#include "main_form_fixture.h"

namespace mainformtest {
namespace {

using LayoutTest = MainFormTest;

TEST_F(LayoutTest, TheProcessingHeaderCarriesItsPanelAndTheListShowsTheRecycleBin) {
    TForm1& form = Start();
    EXPECT_EQ(form.KVZXPCollapsePanel2.Bounds(), ui::Rect::FromSize(200, 40, 441, 449));
    form.KVZXPHeader2.SetColor(ui::clNavy);  // as the options window recolours it
    EXPECT_EQ(form.KVZXPCollapsePanel2.ColorBackground(), ui::clNavy);
    EXPECT_GT(form.ScrollBox1.MaxScroll(), 0) << "eleven groups need scrolling";
    EXPECT_TRUE(form.ShellListView1.RootIsRecycleBin());
    EXPECT_FALSE(form.Memo1.Visible());
}

TEST_F(LayoutTest, GroupsStackInTheirOrderWithTheirButtonsAndControls) {
    TForm1& form = Start();
    const std::vector<std::string> order = {
        "KVZXPGroupBox1",  "KVZXPGroupBox8",  "KVZXPGroupBox9", "KVZXPGroupBox6", "KVZXPGroupBox5",
        "KVZXPGroupBox11", "KVZXPGroupBox2",  "KVZXPGroupBox3", "KVZXPGroupBox4", "KVZXPGroupBox7",
        "KVZXPGroupBox10", "KVZXPGroupBox12", "KVZXPGroupBox13"};
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
    // Today's caches: at the bottom, and the scroll box reaches the last of them.
    EXPECT_EQ(form.KVZXPCheckBox27.Parent(), &form.KVZXPGroupBox13);
    EXPECT_EQ(form.KVZXPCheckBox27.Caption(), "Thumbnail Cache");
    form.ScrollBox1.SetScrollPos(form.ScrollBox1.MaxScroll());
    EXPECT_EQ(form.KVZXPGroupBox13.Bounds().bottom, form.ScrollBox1.ClientRect().Height());
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

TEST_F(LayoutTest, TrayMenuExitEndsTheProgramAndMechanicalOptionsShowsTheOptions) {
    TForm1& form = Start();
    ASSERT_EQ(form.PopupMenu1.Items().size(), 1u);
    EXPECT_FALSE(form.PopupMenu1.AutoPopup());
    ClickOn(form.KVZXPSpeedButton9);
    EXPECT_TRUE(windows->OptionsWindow().Visible());
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{"cue 4 []"}));
    form.Exit1().OnClick();
    EXPECT_TRUE(application.Terminated());
}

}  // namespace
}  // namespace mainformtest

namespace mainformtest {
namespace {

TEST_F(LayoutTest, EveryGroupFrameIsWholeBesideItsControls) {
    TForm1& form = Start();
    const ui::Color frame = controls::TKVZXPGroupBox::kFrameColor;
    for (ui::Control* box : form.ScrollBox1.Children()) {
        ui::Bitmap b = backend.Render(*box);
        // The straight parts of the left and right lines, clear of the rounded corners.
        for (int y = 12; y < box->Height() - 8; ++y) {
            EXPECT_EQ(b.Pixel(2, y), frame) << box->Name() << " left, y " << y;
            EXPECT_EQ(b.Pixel(box->Width() - 3, y), frame) << box->Name() << " right, y " << y;
        }
    }
}

}  // namespace
}  // namespace mainformtest
