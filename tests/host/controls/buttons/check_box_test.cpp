#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "controls/kvzxp_check_box.h"
#include "fixture.h"
#include "host/tab_to.h"

using controls::TCheckBoxState;
using controls::TKVZXPCheckBox;
using ui::Hex;

namespace {

struct CheckBoxTest : ButtonsFixture {
    TKVZXPCheckBox box{&form};
    int clicks = 0;
    CheckBoxTest() {
        box.SetBounds(10, 10, 120, 17);  // box square at (2..14, 2..14)
        box.SetColor(ui::clWhite);
        box.SetCaption("&Trash");
        box.OnClick = [this] { ++clicks; };
        Show();
    }
};

// The tick: six lines relative to the inner corner (3, 3), end points excluded.
std::set<std::pair<int, int>> TickPixels() {
    std::set<std::pair<int, int>> s;
    const int lines[6][4] = {{2, 4, 6, 8}, {2, 5, 5, 8}, {2, 6, 5, 9},
                             {8, 2, 4, 6}, {8, 3, 4, 7}, {8, 4, 5, 7}};
    for (const auto& l : lines) {
        int n = std::abs(l[2] - l[0]);
        int sx = l[2] > l[0] ? 1 : -1, sy = l[3] > l[1] ? 1 : -1;
        for (int i = 0; i < n; ++i) s.insert({3 + l[0] + i * sx, 3 + l[1] + i * sy});
    }
    return s;
}

}  // namespace

TEST_F(CheckBoxTest, FrameClosesTheThirteenPixelSquare) {
    for (bool enabled : {true, false}) {
        box.SetEnabled(enabled);
        ui::Bitmap b = Render(box);
        const ui::Color frame = enabled ? Hex(0x006C6C) : Hex(0xB8AA9A);
        for (int i = 2; i <= 14; ++i) {
            EXPECT_EQ(b.Pixel(2, i), frame) << "left " << i;
            EXPECT_EQ(b.Pixel(14, i), frame) << "right " << i;
            EXPECT_EQ(b.Pixel(i, 2), frame) << "top " << i;
            EXPECT_EQ(b.Pixel(i, 14), frame) << "bottom " << i;
        }
        EXPECT_NE(b.Pixel(13, 13), frame);
        // Nothing outside the square.
        EXPECT_EQ(b.Pixel(1, 8), ui::clWhite);
        EXPECT_EQ(b.Pixel(15, 8), ui::clWhite);
        EXPECT_EQ(b.Pixel(8, 15), ui::clWhite);
    }
}

// A hot, pressed or state change repaints only the box strip (on Win32 only that strip is
// copied to the screen): every pixel outside it must stay as it was, the box's right column
// included.
TEST_F(CheckBoxTest, BoxChangesStayInsideTheRefreshedStrip) {
    for (auto alignment :
         {controls::TLeftRight::taRightJustify, controls::TLeftRight::taLeftJustify}) {
        box.SetAlignment(alignment);
        const ui::Rect strip = box.BoxStrip();
        const ui::Point in{strip.left + 5, 8}, out{60, 40};
        const std::vector<std::pair<const char*, std::function<void()>>> steps = {
            {"enter", [&] { backend.MoveMouse(box, in); }},
            {"press", [&] { backend.MouseDown(box, in); }},
            {"drag out", [&] { backend.MoveMouse(box, out); }},
            {"drag in", [&] { backend.MoveMouse(box, in); }},
            {"release", [&] { backend.MouseUp(box, in); }},
            {"leave", [&] { backend.MouseLeave(box); }},
            {"grayed", [&] { box.SetState(TCheckBoxState::cbGrayed); }},
        };
        // The focus rectangle changes with the focus, not with the box.
        ASSERT_TRUE(hosttest::TabTo(backend, box));
        ui::Bitmap before = Render(box);
        for (const auto& [what, step] : steps) {
            step();
            ui::Bitmap after = Render(box);
            for (int y = 0; y < box.Height(); ++y)
                for (int x = 0; x < box.Width(); ++x)
                    if (x < strip.left || x >= strip.right) {
                        ASSERT_EQ(after.Pixel(x, y), before.Pixel(x, y))
                            << what << " at " << x << "," << y;
                    }
            before = after;
        }
        box.SetChecked(false);
    }
}

TEST_F(CheckBoxTest, TickIsSixGreenLinesGreyWhenDisabled) {
    box.SetChecked(true);
    const auto tick = TickPixels();
    EXPECT_EQ(tick.size(), 21u);
    for (bool enabled : {true, false}) {
        box.SetEnabled(enabled);
        ui::Bitmap b = Render(box);
        const ui::Color c = enabled ? Hex(0x28B033) : Hex(0xB4B4B4);
        for (auto [x, y] : tick) EXPECT_EQ(b.Pixel(x, y), c) << x << "," << y;
        int count = 0;
        for (int y = 3; y < 14; ++y)
            for (int x = 3; x < 14; ++x) count += b.Pixel(x, y) == c;
        EXPECT_EQ(count, 21);
    }
}

TEST_F(CheckBoxTest, GrayedSquareColoursByInsetAndEnabled) {
    box.SetState(TCheckBoxState::cbGrayed);
    auto square = [&](ui::Color c) {
        ui::Bitmap b = Render(box);
        for (int y = 5; y <= 11; ++y)
            for (int x = 5; x <= 11; ++x) EXPECT_EQ(b.Pixel(x, y), c) << x << "," << y;
        EXPECT_NE(b.Pixel(12, 8), c);
        EXPECT_NE(b.Pixel(8, 12), c);
        EXPECT_NE(b.Pixel(4, 8), c);
    };
    square(Hex(0x2BBD35));
    backend.MoveMouse(box, {50, 8});  // hot: 7 x 7 face inside the amber ring
    ASSERT_TRUE(box.Hot());
    square(Hex(0x208A28));
    ui::Bitmap hot = Render(box);
    EXPECT_EQ(ui::RedOf(hot.Pixel(3, 3)), 0xFF);  // ring between frame and face
    EXPECT_LT(ui::BlueOf(hot.Pixel(3, 3)), 0xA0);
    box.SetEnabled(false);
    EXPECT_FALSE(box.Hot());
    square(Hex(0xB4B4B4));
}

TEST_F(CheckBoxTest, BoxMovesRightWithLeftJustifiedCaption) {
    box.SetAlignment(controls::TLeftRight::taLeftJustify);
    EXPECT_EQ(box.BoxRect(), (ui::Rect{105, 2, 116, 14}));
    ui::Bitmap b = Render(box);
    EXPECT_EQ(b.Pixel(105, 5), Hex(0x006C6C));
    EXPECT_EQ(b.Pixel(117, 5), Hex(0x006C6C));
}

TEST_F(CheckBoxTest, PressDragAndReleaseClickOnlyInside) {
    backend.MouseDown(box, {5, 5});
    EXPECT_TRUE(box.IsPressed());
    EXPECT_TRUE(box.Held());
    EXPECT_EQ(backend.Focused(), &box);
    backend.MoveMouse(box, {120, 5});  // the right column is outside
    EXPECT_FALSE(box.IsPressed());
    backend.MoveMouse(box, {119, 17});  // the bottom row is inside
    EXPECT_TRUE(box.IsPressed());
    backend.MouseUp(box, {120, 5});
    EXPECT_FALSE(box.Held());
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(box.Checked());

    backend.MouseDown(box, {5, 5});
    backend.MouseUp(box, {60, 17});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box.Checked());
}

TEST_F(CheckBoxTest, SpaceClicksOnReleaseButNotWithModifiers) {
    ASSERT_TRUE(hosttest::TabTo(backend, box));
    backend.KeyDown(ui::key::kSpace);
    EXPECT_TRUE(box.IsPressed());
    EXPECT_TRUE(box.SpaceDown());
    EXPECT_EQ(clicks, 0);
    backend.KeyUp(ui::key::kSpace);
    EXPECT_FALSE(box.IsPressed());
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box.Checked());

    backend.KeyDown(ui::key::kSpace, ui::shift::kCtrl);
    EXPECT_FALSE(box.IsPressed());
    backend.KeyUp(ui::key::kSpace, ui::shift::kCtrl);
    EXPECT_EQ(clicks, 1);

    // Losing the focus with Space down releases the box but no click follows.
    TKVZXPCheckBox other{&form};
    other.Realize();
    backend.KeyDown(ui::key::kSpace);
    backend.PressKey(ui::key::kTab);
    ASSERT_EQ(backend.Focused(), &other);
    EXPECT_FALSE(box.IsPressed());
    EXPECT_FALSE(box.Held());
    EXPECT_EQ(clicks, 1);
}

TEST_F(CheckBoxTest, CodeSetsStateSilentlyAndClicksCycleThroughGrayed) {
    box.SetChecked(true);
    box.SetState(TCheckBoxState::cbGrayed);
    box.SetChecked(false);
    EXPECT_EQ(clicks, 0);

    box.SetAllowGrayed(true);
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        backend.Click(box, {5, 5});
        seen.push_back(box.State());
    }
    EXPECT_EQ(seen,
              (std::vector<TCheckBoxState>{TCheckBoxState::cbGrayed, TCheckBoxState::cbChecked,
                                           TCheckBoxState::cbUnchecked}));
    EXPECT_EQ(clicks, 3);
}

TEST_F(CheckBoxTest, AcceleratorFocusesAndTogglesWithoutClick) {
    EXPECT_TRUE(form.HandleAccelerator(U'T'));
    EXPECT_EQ(backend.Focused(), &box);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(form.HandleAccelerator(U'x'));
    box.SetEnabled(false);
    EXPECT_FALSE(form.HandleAccelerator(U't'));
    EXPECT_TRUE(box.Checked());
}

TEST_F(CheckBoxTest, EveryKeyReachesOnKeyDownAndOnKeyUpSpaceIncluded) {
    ASSERT_TRUE(hosttest::TabTo(backend, box));
    std::vector<std::string> seen;
    box.OnKeyDown = [&](int& key, ui::Shift) { seen.push_back("down " + std::to_string(key)); };
    box.OnKeyUp = [&](int& key, ui::Shift) { seen.push_back("up " + std::to_string(key)); };
    for (int key : {ui::key::kSpace, int{'A'}}) {
        backend.KeyDown(key);
        backend.KeyUp(key);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"down 32", "up 32", "down 65", "up 65"}));
    EXPECT_EQ(clicks, 1);
}
