#include <gtest/gtest.h>

#include "controls/kvzxp_button.h"
#include "controls/kvzxp_group_box.h"
#include "controls/kvzxp_list_box.h"
#include "controls/kvzxp_memo.h"
#include "host/tab_to.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

using controls::TKVZXPButton;
using ui::Hex;

namespace {

// A focusable control that is not a push button.
struct Plain : ui::Control {
    using ui::Control::Control;
};

struct FormFixture : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app};
    FormFixture() {
        form.SetClientSize(300, 200);
        form.SetColor(ui::clWhite);
        form.ShowForm();
    }
};

struct ButtonFixture : FormFixture {
    TKVZXPButton ok{&form};
    TKVZXPButton other{&form};
    Plain box{&form};
    int okClicks = 0, otherClicks = 0;
    ButtonFixture() {
        ok.SetBounds(10, 10, 75, 25);
        other.SetBounds(100, 10, 75, 25);
        box.SetBounds(10, 100, 50, 20);
        box.SetTabStop(true);
        ok.OnClick = [&] { ++okClicks; };
        other.OnClick = [&] { ++otherClicks; };
        form.Realize();
    }
    // Row 1 of a whole-button face: 255 steps over 25 rows scatter nothing at random.
    ui::Color Face(std::uint32_t top, std::uint32_t bottom) {
        ui::Bitmap face;
        controls::PaintXPGradient(75, 25, Hex(top), Hex(bottom), 255, 1, true, face,
                                  controls::DitherFor(app));
        return face.Pixel(10, 1);
    }
    ui::Color At(TKVZXPButton& b, int x, int y) {
        return backend.Render(form).Pixel(b.Left() + x, b.Top() + y);
    }
};

}  // namespace

TEST_F(ButtonFixture, DefaultButtonShowsFocusRingUntilAnotherButtonIsFocused) {
    ok.SetDefault(true);
    ASSERT_TRUE(hosttest::TabTo(backend, box));
    EXPECT_TRUE(ok.Active());
    EXPECT_FALSE(other.Active());
    // The focus ring (light blue at the top) shows around an inset face.
    EXPECT_EQ(At(ok, 10, 1), Hex(0xCEE7FF));
    EXPECT_EQ(At(other, 10, 1), Face(0xFFFFFF, 0xEFEBE7));

    ASSERT_TRUE(hosttest::TabTo(backend, other));
    EXPECT_FALSE(ok.Active());
    EXPECT_TRUE(other.Active());
    EXPECT_EQ(At(ok, 10, 1), Face(0xFFFFFF, 0xEFEBE7));
    EXPECT_EQ(At(other, 10, 1), Hex(0xCEE7FF));
}

TEST_F(ButtonFixture, RingsByState) {
    ASSERT_TRUE(hosttest::TabTo(backend, box));
    // Hot: amber ring, hot face inset by 3.
    backend.MoveMouse(ok, {30, 12});
    ASSERT_TRUE(ok.Hot());
    EXPECT_EQ(At(ok, 10, 1), Hex(0xFFDD9D));
    EXPECT_EQ(At(ok, 10, 3), Hex(0xFFFFFF));
    // Held and dragged out: still the amber ring, face back up inset.
    backend.MouseDown(ok, {30, 12});
    backend.MoveMouse(ok, {30, 40});
    EXPECT_TRUE(ok.Held());
    EXPECT_FALSE(ok.Pressed());
    EXPECT_EQ(At(ok, 10, 1), Hex(0xFFDD9D));
    // Back inside: pressed face over the whole button.
    backend.MoveMouse(ok, {30, 25});  // the bottom row counts as inside
    EXPECT_TRUE(ok.Pressed());
    EXPECT_EQ(At(ok, 10, 1), Face(0xD9D8CE, 0xE4E4E4));
    backend.MouseUp(ok, {75, 12});  // the right column does not
    EXPECT_EQ(okClicks, 0);
    // Disabled: disabled border, no ring.
    ok.SetEnabled(false);
    EXPECT_EQ(At(ok, 10, 0), Hex(0xB8AA9A));
    EXPECT_EQ(At(ok, 1, 0), Hex(0xEEEBE8));
    EXPECT_EQ(At(ok, 10, 1), Face(0xFFFFFF, 0xEFEBE7));
}

TEST_F(ButtonFixture, BorderAndCorners) {
    form.SetColor(ui::clTeal);
    EXPECT_EQ(At(ok, 0, 0), ui::clTeal);
    EXPECT_EQ(At(ok, 74, 24), ui::clTeal);
    EXPECT_EQ(At(ok, 1, 1), Hex(0x333399));
    EXPECT_EQ(At(ok, 73, 23), Hex(0x333399));
    EXPECT_EQ(At(ok, 1, 0), Hex(0x9898DC));
    EXPECT_EQ(At(ok, 74, 23), Hex(0x9898DC));
    EXPECT_EQ(At(ok, 0, 12), Hex(0x333399));
    EXPECT_EQ(At(ok, 74, 12), Hex(0x333399));
}

TEST_F(ButtonFixture, DoubleClickClicksThreeTimes) {
    backend.DoubleClick(ok, {20, 10});
    EXPECT_EQ(okClicks, 3);
}

TEST_F(ButtonFixture, EnterClicksTheFocusedButtonOnce) {
    ok.SetDefault(true);
    ASSERT_TRUE(hosttest::TabTo(backend, other));
    backend.PressKey(ui::key::kReturn);
    EXPECT_EQ(otherClicks, 1);
    EXPECT_EQ(okClicks, 0);
    // Focus elsewhere: Enter goes to the default button.
    ASSERT_TRUE(hosttest::TabTo(backend, box));
    backend.PressKey(ui::key::kReturn);
    EXPECT_EQ(okClicks, 1);
    // Escape to the cancel button; Space clicks on release.
    other.SetCancel(true);
    backend.PressKey(ui::key::kEscape);
    EXPECT_EQ(otherClicks, 2);
    ASSERT_TRUE(hosttest::TabTo(backend, ok));
    backend.KeyDown(ui::key::kSpace);
    EXPECT_TRUE(ok.Pressed());
    EXPECT_EQ(okClicks, 1);
    backend.KeyUp(ui::key::kSpace);
    EXPECT_EQ(okClicks, 2);
}

TEST_F(ButtonFixture, EnterAndEscapeClickOnlyWithoutModifiers) {
    ok.SetDefault(true);
    other.SetCancel(true);
    ASSERT_TRUE(hosttest::TabTo(backend, box));
    for (ui::Shift held : {ui::shift::kShift, ui::shift::kCtrl, ui::shift::kAlt}) {
        backend.PressKey(ui::key::kReturn, held);
        backend.PressKey(ui::key::kEscape, held);
    }
    EXPECT_EQ(okClicks, 0);
    EXPECT_EQ(otherClicks, 0);
    backend.PressKey(ui::key::kReturn);
    backend.PressKey(ui::key::kEscape);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(otherClicks, 1);
}

// The window's own Escape and Enter keys give way to its cancel and default buttons while
// those can be clicked.
TEST_F(ButtonFixture, TheCancelAndDefaultButtonsTakeTheirKeysBeforeTheWindowsKeyTable) {
    int table = 0;
    form.AddShortcut(ui::key::kEscape, ui::shift::kNone, [&] { ++table; });
    form.AddShortcut(ui::key::kReturn, ui::shift::kNone, [&] { ++table; });
    ok.SetDefault(true);
    other.SetCancel(true);
    ASSERT_TRUE(hosttest::TabTo(backend, box));
    backend.PressKey(ui::key::kEscape);
    backend.PressKey(ui::key::kReturn);
    EXPECT_EQ(otherClicks, 1);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(table, 0);
    other.SetEnabled(false);
    backend.PressKey(ui::key::kEscape);
    EXPECT_EQ(table, 1) << "a cancel button that cannot be clicked leaves Escape to the window";
}

TEST_F(ButtonFixture, ClickSetsModalResultAndAcceleratorClicks) {
    ok.SetModalResult(1);
    ok.SetCaption("&Go");
    ASSERT_TRUE(hosttest::TabTo(backend, box));
    backend.Char(U'g', true);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(form.ModalResult(), 1);
    EXPECT_EQ(backend.Focused(), &ok);
}

TEST_F(FormFixture, SchemeFrameOverListBoxAndMemo) {
    controls::TKVZXPListBox list(&form);
    controls::TKVZXPMemo memo(&form);
    list.SetBounds(0, 0, 100, 60);
    memo.SetBounds(120, 0, 100, 60);
    list.SetStyle(ui::ListBoxStyle::OwnerDrawFixed);
    list.SetItemHeight(16);
    list.SetItems({"b", "a"});
    list.OnDrawItem = [](ui::Canvas& c, int, const ui::Rect& r, bool) { c.FillRect(r, ui::clRed); };
    form.Realize();
    ui::Bitmap b = backend.Render(form);
    // Owner-drawn items paint first; the frame stays on top.
    EXPECT_EQ(b.Pixel(0, 5), Hex(0x7CA1DF));
    EXPECT_EQ(b.Pixel(1, 5), Hex(0xFFFFFF));
    EXPECT_EQ(b.Pixel(2, 5), ui::clRed);
    EXPECT_EQ(b.Pixel(219, 59), Hex(0x7CA1DF));

    memo.SetXPScheme(controls::TXPScheme::xpGreen);
    memo.SetEnabled(false);
    list.SetXPScheme(controls::TXPScheme::xpSilver);
    b = backend.Render(form);
    EXPECT_EQ(b.Pixel(120, 30), Hex(0xD0C4B9));
    EXPECT_EQ(b.Pixel(99, 30), Hex(0xA8A8D4));
}

TEST_F(FormFixture, GroupBoxCaptionInFixedBlue) {
    controls::TKVZXPGroupBox group(&form);
    group.SetBounds(0, 0, 120, 80);
    group.SetColor(ui::clWhite);
    ui::Font f = group.GetFont();
    f.color = ui::clTeal;
    group.SetFont(f);
    group.SetCaption("Tray");
    form.Realize();
    ui::Bitmap b = backend.Render(form);
    bool blue = false, teal = false;
    for (int x = 10; x < 60; ++x)
        for (int y = 0; y < 12; ++y) {
            blue |= b.Pixel(x, y) == Hex(0x2956CB);
            teal |= b.Pixel(x, y) == ui::clTeal;
        }
    EXPECT_TRUE(blue);
    EXPECT_FALSE(teal);
    // Silver frame: left side at x = 2, bottom line at height - 3.
    EXPECT_EQ(b.Pixel(2, 40), Hex(0xC0C0C0));
    EXPECT_EQ(b.Pixel(60, 77), Hex(0xC0C0C0));
    EXPECT_EQ(b.Pixel(60, 78), ui::clWhite);

    group.SetCaption("");
    b = backend.Render(form);
    for (int x = 10; x < 60; ++x) ASSERT_NE(b.Pixel(x, 2), Hex(0x2956CB));
}
