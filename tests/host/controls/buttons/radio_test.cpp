#include "controls/kvzxp_check_box.h"
#include "controls/kvzxp_radio_button.h"
#include "controls/kvzxp_radio_group.h"
#include "controls/xp_radio_images.h"
#include "fixture.h"

using controls::TKVZXPRadioButton;
using controls::TKVZXPRadioGroup;
using ui::Hex;

namespace {

struct RadioTest : ButtonsFixture {
    TKVZXPRadioButton first{&form};
    TKVZXPRadioButton second{&form};
    int firstClicks = 0, secondClicks = 0;
    RadioTest() {
        first.SetBounds(10, 10, 120, 17);  // circle at (2..14, 2..14)
        second.SetBounds(10, 40, 120, 17);
        first.SetColor(ui::clWhite);
        first.SetCaption("First");
        second.SetCaption("Second");
        first.OnClick = [this] { ++firstClicks; };
        second.OnClick = [this] { ++secondClicks; };
        Show();
    }
};

}  // namespace

TEST(RadioImages, ThirteenPixelCirclesOnMagenta) {
    for (const char* name : {"KVZ_XPRBUP", "KVZ_XPRBHOT", "KVZ_XPRBDOWN", "KVZ_XPRBDIS"}) {
        const ui::Bitmap* image = controls::RadioImageByName(name);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(image->GetSize(), (ui::Size{13, 13}));
        EXPECT_EQ(image->Pixel(0, 12), Hex(0xFF00FF));
        EXPECT_EQ(image->Pixel(0, 0), Hex(0xFF00FF));
        EXPECT_NE(image->Pixel(6, 6), Hex(0xFF00FF));
    }
    EXPECT_EQ(controls::RadioImageByName("KVZ_XPRB"), nullptr);
    // The hot picture differs from the plain one only by its amber ring.
    const ui::Bitmap& up = controls::RadioImage(controls::XPRadioImage::Up);
    const ui::Bitmap& hot = controls::RadioImage(controls::XPRadioImage::Hot);
    EXPECT_EQ(up.Pixel(6, 0), hot.Pixel(6, 0));
    EXPECT_NE(up.Pixel(6, 2), hot.Pixel(6, 2));
}

TEST_F(RadioTest, DotBoxesAndTransparentCorners) {
    first.SetChecked(true);
    ui::Bitmap b = Render(first);
    const ui::Color dot = Hex(0x28B033), light = Hex(0xBAEFBE);
    // Dot: (L + 4, T + 4) to (R - 2, B - 3) exclusive = x, y 6..10.
    EXPECT_EQ(b.Pixel(6, 8), dot);
    EXPECT_EQ(b.Pixel(10, 8), dot);
    EXPECT_EQ(b.Pixel(8, 6), dot);
    EXPECT_EQ(b.Pixel(8, 10), dot);
    EXPECT_NE(b.Pixel(11, 8), dot);
    EXPECT_NE(b.Pixel(8, 11), dot);
    // Highlight: 3 x 3 at 6..8, its centre light; (8, 8) is the dot's fill.
    EXPECT_EQ(b.Pixel(7, 7), light);
    EXPECT_EQ(b.Pixel(8, 8), dot);
    // The magenta corners of the picture show the control's colour.
    EXPECT_EQ(b.Pixel(2, 2), ui::clWhite);
    EXPECT_EQ(b.Pixel(2, 14), ui::clWhite);

    // Pressed: the highlight box grows to 4 x 4 (6..9).
    backend.MouseDown(first, {5, 5});
    b = Render(first);
    EXPECT_EQ(b.Pixel(8, 8), light);
    backend.MouseUp(first, {200, 5});

    first.SetEnabled(false);
    b = Render(first);
    EXPECT_EQ(b.Pixel(6, 8), Hex(0xCBC1B6));
}

TEST_F(RadioTest, UserClickOnUncheckedRaisesOnClickTwice) {
    backend.Click(first, {5, 5});
    EXPECT_TRUE(first.Checked());
    EXPECT_EQ(firstClicks, 2);
    backend.Click(first, {5, 5});
    EXPECT_EQ(firstClicks, 3);

    backend.Click(second, {5, 5});
    EXPECT_TRUE(second.Checked());
    EXPECT_FALSE(first.Checked());
    EXPECT_EQ(secondClicks, 2);
    EXPECT_EQ(firstClicks, 3);
    EXPECT_TRUE(second.TabStop());
    EXPECT_FALSE(first.TabStop());
}

TEST_F(RadioTest, CheckingFromCodeRaisesOnClickOnce) {
    first.SetChecked(true);
    EXPECT_EQ(firstClicks, 1);
    first.SetChecked(true);
    EXPECT_EQ(firstClicks, 1);
    second.SetChecked(true);
    EXPECT_FALSE(first.Checked());
    EXPECT_EQ(secondClicks, 1);
    first.SetChecked(false);  // unchecking never clicks
    EXPECT_EQ(firstClicks, 1);
}

// The keyboard alone reaches every choice: Tab the checked button, the arrow keys the others
// round the group, each checked as it is reached (one OnClick), never the check box beside
// them; a key with a modifier and a mouse press move no choice.
struct RadioKeys : ButtonsFixture {
    controls::TKVZXPCheckBox box{&form};
    TKVZXPRadioButton a{&form}, b{&form}, c{&form};
};

TEST_F(RadioKeys, ArrowKeysChooseWithinTheGroupAndTheMouseFocusesWithoutChoosing) {
    std::string clicks;
    const std::pair<TKVZXPRadioButton*, char> buttons[] = {{&a, 'a'}, {&b, 'b'}, {&c, 'c'}};
    for (auto [button, name] : buttons) {
        button->SetBounds(10, 20 + 20 * (name - 'a'), 120, 17);
        button->OnClick = [&clicks, name] { clicks += name; };
    }
    a.SetChecked(true);
    clicks.clear();
    Show();
    auto press = [&](int key, ui::Shift s = ui::shift::kNone) {
        backend.PressKey(key, s);
        ui::Control* focused = backend.Focused();
        return focused == &a ? 'a' : focused == &b ? 'b' : focused == &c ? 'c' : '?';
    };

    backend.PressKey(ui::key::kTab);  // the check box
    EXPECT_EQ(press(ui::key::kTab), 'a') << "Tab reaches the checked button";
    EXPECT_EQ(press(ui::key::kDown), 'b');
    EXPECT_EQ(press(ui::key::kRight), 'c');
    EXPECT_EQ(press(ui::key::kDown), 'a') << "round the group";
    EXPECT_EQ(press(ui::key::kUp), 'c');
    EXPECT_EQ(press(ui::key::kLeft), 'b');
    EXPECT_EQ(press(ui::key::kDown, ui::shift::kCtrl), 'b');
    EXPECT_EQ(clicks, "bcacb");
    EXPECT_TRUE(b.Checked() && !a.Checked() && !c.Checked());
    EXPECT_EQ(press(ui::key::kTab), '?') << "Tab leaves the group from the checked button";
    EXPECT_FALSE(box.Checked());

    backend.MouseDown(c, {5, 5});
    backend.MouseUp(c, {200, 5});  // released outside: no click
    EXPECT_EQ(backend.Focused(), &c);
    EXPECT_FALSE(c.Checked());
    // The accelerator of an unchecked button checks it (one OnClick, from the focus).
    a.SetCaption("&First");
    EXPECT_TRUE(form.HandleAccelerator(U'f'));
    EXPECT_TRUE(a.Checked());
    EXPECT_EQ(clicks, "bcacba");
}

namespace {

struct GroupTest : ButtonsFixture {
    TKVZXPRadioGroup group{&form};
    int clicks = 0;
    GroupTest() {
        group.SetBounds(10, 10, 215, 105);
        group.OnClick = [this] { ++clicks; };
        Show();
    }
};

}  // namespace

TEST_F(GroupTest, ItemIndexAndColumnsAreClamped) {
    group.SetItems({"a", "b", "c"});
    group.SetItemIndex(7);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_TRUE(group.Buttons()[2]->Checked());
    EXPECT_EQ(clicks, 1);
    group.SetItemIndex(-5);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.Buttons()[2]->Checked());
    group.SetColumns(0);
    EXPECT_EQ(group.Columns(), 1);
    group.SetColumns(20);
    EXPECT_EQ(group.Columns(), 16);

    group.SetItemIndex(2);
    group.SetItems({"a"});  // fewer lines pull ItemIndex back
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_TRUE(group.Buttons()[0]->Checked());
}

TEST_F(GroupTest, FourItemsInTwoColumns) {
    group.SetColumns(2);
    group.SetItems({"Icon", "Report", "List", "Small icon"});
    const int h = backend.CreateMeasureCanvas()->TextHeight("0");
    const int width = (215 - 15) / 2, inner = 105 - h - 5;
    ASSERT_EQ(group.Buttons().size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const auto& b = *group.Buttons()[static_cast<size_t>(i)];
        EXPECT_TRUE(b.Visible());
        EXPECT_EQ(b.Caption(), group.Items()[static_cast<size_t>(i)]);
        EXPECT_EQ(b.Left(), (i / 2) * width + 8) << i;
        EXPECT_EQ(b.Top(), (i % 2) * (inner / 2) + h + 1 + (inner % 2) / 2) << i;
        EXPECT_EQ(b.Width(), width);
        EXPECT_EQ(b.Height(), inner / 2);
    }
    EXPECT_EQ(group.Buttons()[2]->Left(), (215 - 15) / 2 + 8);
}

TEST_F(GroupTest, ClickingAnItemRaisesTheGroupClickTwice) {
    group.SetItems({"a", "b"});
    backend.Click(*group.Buttons()[1], {5, 5});
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks, 2);
    backend.Click(*group.Buttons()[1], {5, 5});
    EXPECT_EQ(clicks, 3);
    group.SetEnabled(false);
    EXPECT_FALSE(group.Buttons()[0]->Enabled());
}

TEST_F(GroupTest, LoadingKeepsItemIndexUntilTheEnd) {
    group.BeginLoad();
    group.SetItemIndex(1);
    group.SetItems({"a", "b", "c"});
    EXPECT_TRUE(group.Buttons().empty());
    group.EndLoad();
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_TRUE(group.Buttons()[1]->Checked());
    EXPECT_EQ(clicks, 0);  // checked while updating
}

TEST_F(GroupTest, ItemsPaintInTheGroupsColourAndFontAndFollowThem) {
    group.SetColor(ui::clWhite);
    group.SetItems({"a", "b"});
    auto& item = *group.Buttons()[0];
    auto captionPixel = [&] { return Render(item).Pixel(item.Width() - 2, 1); };
    EXPECT_EQ(captionPixel(), ui::clWhite);
    group.SetColor(ui::clNavy);
    EXPECT_EQ(captionPixel(), ui::clNavy);
    ui::Font bold = group.GetFont();
    bold.bold = true;
    group.SetFont(bold);
    EXPECT_TRUE(item.GetFont().bold);
    EXPECT_TRUE(item.ParentFont());
    // An item given its own colour keeps it.
    item.SetColor(ui::clYellow);
    EXPECT_FALSE(item.ParentColor());
    group.SetColor(ui::clWhite);
    EXPECT_EQ(captionPixel(), ui::clYellow);
    EXPECT_EQ(Render(*group.Buttons()[1]).Pixel(1, 1), ui::clWhite);
}
