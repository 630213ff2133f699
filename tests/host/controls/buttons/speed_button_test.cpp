#include <stdexcept>

#include "controls/button_layout.h"
#include "controls/kvzxp_speed_button.h"
#include "controls/wqm_speed_button.h"
#include "fixture.h"
#include "ui/popup_menu.h"

using controls::ButtonGlyph;
using controls::CalcButtonLayout;
using controls::GlyphCache;
using controls::TButtonLayout;
using controls::TButtonState;
using controls::TKVZXPSpeedButton;
using controls::TWQMSpeedButton;
using ui::Hex;

namespace {

constexpr ui::Color kMagenta = Hex(0xFF00FF);

// CELLS cells of 16 x 16, cell i filled with COLOURS[i]; the bottom-left pixel is magenta.
ui::Bitmap Cells(std::initializer_list<ui::Color> colours) {
    ui::Bitmap b(16 * static_cast<int>(colours.size()), 16, kMagenta);
    int i = 0;
    for (ui::Color c : colours) b.FillRect(ui::Rect::FromSize(16 * i++, 0, 16, 15), c);
    return b;
}

struct SpeedTest : ButtonsFixture {
    TKVZXPSpeedButton button{&form};
    int clicks = 0;
    SpeedTest() {
        button.SetBounds(20, 20, 45, 21);
        button.OnClick = [this] { ++clicks; };
        Show();
    }
};

}  // namespace

TEST(ButtonLayout, MarginAndSpacingRules) {
    const ui::Rect client{0, 0, 45, 21};
    // A glyph alone: spacing is dropped and the glyph centred.
    auto r = CalcButtonLayout(client, {0, 0}, {16, 16}, {0, 0}, TButtonLayout::blGlyphLeft, -1, -1,
                              false);
    EXPECT_EQ(r.spacing, 0);
    EXPECT_EQ(r.margin, 15);
    EXPECT_EQ(r.glyph, (ui::Point{15, 3}));
    // Glyph and caption spread evenly.
    r = CalcButtonLayout({0, 0, 100, 20}, {1, 1}, {16, 16}, {30, 13}, TButtonLayout::blGlyphLeft,
                         -1, -1, false);
    EXPECT_EQ(r.margin, 18);
    EXPECT_EQ(r.spacing, 18);
    EXPECT_EQ(r.glyph, (ui::Point{19, 3}));
    EXPECT_EQ(r.text, ui::Rect::FromSize(1 + 18 + 16 + 18, 1 + 4, 30, 13));
    // Fixed margin, even spacing, glyph on the right.
    r = CalcButtonLayout({0, 0, 100, 20}, {0, 0}, {16, 16}, {30, 13}, TButtonLayout::blGlyphRight,
                         2, -1, false);
    EXPECT_EQ(r.spacing, (100 - 18 - 30) / 2);
    EXPECT_EQ(r.glyph.x, 100 - 2 - 16);
    EXPECT_EQ(r.text.left, r.glyph.x - r.spacing - 30);
    // Right-to-left swaps left and right; top layouts centre across.
    r = CalcButtonLayout({0, 0, 48, 35}, {0, 0}, {32, 32}, {0, 0}, TButtonLayout::blGlyphLeft, 2, 4,
                         true);
    EXPECT_EQ(r.glyph, (ui::Point{48 - 2 - 32, 2}));
    r = CalcButtonLayout({0, 0, 48, 35}, {0, 0}, {16, 16}, {20, 13}, TButtonLayout::blGlyphTop, -1,
                         4, false);
    EXPECT_EQ(r.glyph, (ui::Point{16, (35 - 33 + 1) / 2}));
}

TEST(ButtonGlyphs, NumGlyphsFromWidthAndCacheBySize) {
    GlyphCache cache;
    ButtonGlyph holder(cache, false);
    holder.SetGlyph(ui::Bitmap(64, 16));
    EXPECT_EQ(holder.NumGlyphs(), 4);
    holder.SetGlyph(ui::Bitmap(80, 16));
    EXPECT_EQ(holder.NumGlyphs(), 1);
    holder.SetNumGlyphs(2);
    holder.SetGlyph(ui::Bitmap(30, 16));
    EXPECT_EQ(holder.NumGlyphs(), 2);

    ButtonGlyph a(cache, false), b(cache, true);
    a.SetGlyph(Cells({ui::clRed}));
    b.SetGlyph(Cells({ui::clRed, ui::clBlue}));
    const auto& colors = ui::DefaultColorResolver();
    int slotA = a.ImageFor(TButtonState::bsUp, colors);
    int slotB = b.ImageFor(TButtonState::bsUp, colors);
    ASSERT_NE(a.List(), nullptr);
    EXPECT_EQ(a.List(), b.List());  // one list per cell size
    EXPECT_NE(slotA, slotB);
    EXPECT_EQ(a.List()->Count(), 2);
    // Per-state cells: the disabled image comes from cell 1 (blue).
    int disabled = b.ImageFor(TButtonState::bsDisabled, colors);
    EXPECT_EQ(b.List()->Image(disabled).Pixel(5, 5), ui::clBlue);
    // Down with fewer than three cells reuses the up image.
    EXPECT_EQ(b.ImageFor(TButtonState::bsDown, colors), slotB);
    // A freed slot is taken again; the list is dropped once empty.
    b.SetGlyph(ui::Bitmap());
    EXPECT_EQ(a.List()->Count(), 1);
    ButtonGlyph c(cache, false);
    c.SetGlyph(Cells({ui::clLime}));
    EXPECT_EQ(c.ImageFor(TButtonState::bsUp, colors), slotB);
    EXPECT_EQ(cache.ListCount(), 2 - 1);
}

TEST(ButtonGlyphs, CacheGoesAwayWithTheLastHolder) {
    GlyphCache cache;
    {
        ButtonGlyph a(cache, false);
        a.SetGlyph(Cells({ui::clRed}));
        (void)a.ImageFor(TButtonState::bsUp, ui::DefaultColorResolver());
        ButtonGlyph big(cache, false);
        big.SetGlyph(ui::Bitmap(32, 32, ui::clRed));
        (void)big.ImageFor(TButtonState::bsUp, ui::DefaultColorResolver());
        EXPECT_EQ(cache.ListCount(), 2);
    }
    EXPECT_EQ(cache.ListCount(), -1);
}

TEST_F(SpeedTest, RaisedBorderPixels) {
    form.SetColor(Hex(0x123456));
    ui::Bitmap b = Render(button);
    const int w = 45, h = 21;
    const ui::Color line = Hex(0x244E93), a = Hex(0x9898DC), c = Hex(0xCFCFEF);
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_EQ(b.Pixel(x, y), Hex(0x123456));
    for (auto [x, y] : {std::pair{1, 1},
                        {w - 2, 1},
                        {1, h - 2},
                        {w - 2, h - 2},
                        {20, 0},
                        {0, 10},
                        {20, h - 1},
                        {w - 1, 10}})
        EXPECT_EQ(b.Pixel(x, y), line) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 0},
                        {w - 2, 0},
                        {1, h - 1},
                        {w - 2, h - 1},
                        {0, 1},
                        {w - 1, 1},
                        {0, h - 2},
                        {w - 1, h - 2}})
        EXPECT_EQ(b.Pixel(x, y), a) << x << "," << y;
    for (auto [x, y] : {std::pair{2, 1},
                        {w - 3, 1},
                        {2, h - 2},
                        {1, 2},
                        {w - 2, 2},
                        {1, h - 3},
                        {w - 3, h - 2},
                        {w - 2, h - 3}})
        EXPECT_EQ(b.Pixel(x, y), c) << x << "," << y;
    // Disabled: no border at all.
    button.SetEnabled(false);
    b = Render(button);
    EXPECT_NE(b.Pixel(20, 0), line);
    EXPECT_NE(b.Pixel(0, 0), Hex(0x123456));
}

TEST_F(SpeedTest, FlatBorderOnlyUnderThePointer) {
    button.SetFlat(true);
    ui::Bitmap b = Render(button);
    EXPECT_EQ(b.Pixel(20, 0), Hex(0x008080));  // nothing drawn: the form shows
    backend.MoveMouse(button, {10, 10});
    ASSERT_TRUE(button.MouseInControl());
    b = Render(button);
    EXPECT_EQ(b.Pixel(20, 0), Hex(0xC8C8C8));
    EXPECT_EQ(b.Pixel(1, 0), Hex(0xE0E0E0));
    EXPECT_EQ(b.Pixel(2, 1), Hex(0xF2F2F2));
    EXPECT_NE(b.Pixel(42, 19), Hex(0xF2F2F2));  // raised-only corner pixel
    backend.MouseLeave(button);
    EXPECT_FALSE(button.MouseInControl());

    button.SetGroupIndex(1);
    button.SetDown(true);
    b = Render(button);
    EXPECT_EQ(b.Pixel(20, 0), Hex(0xB8AA9A));
}

TEST_F(SpeedTest, GlyphCentredFirstCellInEveryStateGreyWhenDisabled) {
    button.SetGlyph(Cells({ui::clRed, ui::clBlue, ui::clLime, ui::clYellow}));
    EXPECT_EQ(button.NumGlyphs(), 4);
    ui::Bitmap b = Render(button);
    EXPECT_EQ(b.Pixel(15, 3), ui::clRed);
    EXPECT_NE(b.Pixel(14, 3), ui::clRed);
    EXPECT_NE(b.Pixel(15, 18), ui::clRed);  // the magenta row stays transparent
    backend.MouseDown(button, {5, 5});
    b = Render(button);
    EXPECT_EQ(b.Pixel(16, 4), ui::clRed);  // pressed: one pixel right and down
    backend.MouseUp(button, {5, 5});
    button.SetEnabled(false);
    b = Render(button);
    EXPECT_EQ(b.Pixel(15, 3), ui::DefaultColorResolver().SystemRgb(ui::sys::kBtnShadow));
}

TEST_F(SpeedTest, ReleaseInsideClicksBottomRowCountsRightColumnDoesNot) {
    backend.MouseDown(button, {5, 5});
    EXPECT_EQ(button.State(), TButtonState::bsDown);
    backend.MoveMouse(button, {45, 5});
    EXPECT_EQ(button.State(), TButtonState::bsUp);
    backend.MouseUp(button, {45, 5});
    EXPECT_EQ(clicks, 0);
    backend.MouseDown(button, {5, 5});
    backend.MoveMouse(button, {44, 21});
    EXPECT_EQ(button.State(), TButtonState::bsDown);
    backend.MouseUp(button, {44, 21});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), TButtonState::bsUp);
}

TEST_F(SpeedTest, GroupsLatchOneButtonDown) {
    TKVZXPSpeedButton second{&form};
    TWQMSpeedButton otherKind{&form};
    second.SetBounds(80, 20, 45, 21);
    otherKind.SetBounds(140, 20, 23, 22);
    for (controls::SpeedButtonBase* b : {static_cast<controls::SpeedButtonBase*>(&button),
                                         static_cast<controls::SpeedButtonBase*>(&second),
                                         static_cast<controls::SpeedButtonBase*>(&otherKind)})
        b->SetGroupIndex(1);
    otherKind.SetDown(true);

    backend.Click(button, {5, 5});
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(button.State(), TButtonState::bsExclusive);
    backend.Click(second, {5, 5});
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(button.State(), TButtonState::bsUp);
    EXPECT_TRUE(otherKind.Down());  // another kind of button is not in the group
    backend.Click(second, {5, 5});
    EXPECT_TRUE(second.Down());  // the last one down stays down
    EXPECT_EQ(clicks, 1);

    second.SetAllowAllUp(true);
    EXPECT_TRUE(button.AllowAllUp());  // adopted from the sender
    backend.Click(second, {5, 5});
    EXPECT_FALSE(second.Down());

    TKVZXPSpeedButton plain{&form};
    plain.SetDown(true);  // no group: never down
    EXPECT_FALSE(plain.Down());
}

TEST_F(SpeedTest, AutoRepeatClicksWhileHeldAndStopsOnError) {
    button.SetRepeatAction(true);
    backend.MouseDown(button, {5, 5});
    backend.AdvanceTime(399);
    EXPECT_EQ(clicks, 0);
    backend.AdvanceTime(1);
    EXPECT_EQ(clicks, 1);
    backend.AdvanceTime(250);
    EXPECT_EQ(clicks, 3);
    backend.MouseUp(button, {5, 5});
    EXPECT_EQ(clicks, 4);
    backend.AdvanceTime(1000);
    EXPECT_EQ(clicks, 4);

    std::vector<std::string> errors;
    ui::ScopedErrorReport report(app, [&](const std::string& e) { errors.push_back(e); });
    button.OnClick = [] { throw std::runtime_error("stop"); };
    backend.MouseDown(button, {5, 5});
    backend.AdvanceTime(1000);
    EXPECT_EQ(errors, std::vector<std::string>{"stop"});
    EXPECT_FALSE(button.RepeatTimer()->Enabled());
    backend.MouseUp(button, {60, 5});
}

TEST_F(SpeedTest, DropDownMenuShowsUnderTheButtonOnAnyRelease) {
    int chosen = 0;
    {
        ui::PopupMenu menu(app);
        menu.AddItem("One", [&] { chosen = 1; });
        button.SetDropDownMenu(&menu);
        backend.nextMenuChoice = 0;
        backend.Click(button, {5, 5});
        ASSERT_EQ(backend.Menus().size(), 1u);
        EXPECT_EQ(backend.Menus()[0].screen, (ui::Point{20 - 1, 20 + 21}));
        EXPECT_EQ(chosen, 1);
        EXPECT_EQ(clicks, 1);
        EXPECT_TRUE(menu.AutoPopup());
        EXPECT_EQ(menu.PopupComponent(), &button);

        backend.MouseDown(button, {5, 5}, ui::MouseButton::Right);
        backend.MouseUp(button, {5, 5}, ui::MouseButton::Right);
        EXPECT_EQ(backend.Menus().size(), 2u);
        EXPECT_EQ(clicks, 1);
    }
    EXPECT_EQ(button.DropDownMenu(), nullptr);  // the menu is gone
    backend.Click(button, {5, 5});
    EXPECT_EQ(backend.Menus().size(), 2u);
}

TEST_F(SpeedTest, DoubleClickReachesOnDblClickOnlyWhenDown) {
    int doubles = 0;
    button.OnDblClick = [&] { ++doubles; };
    backend.DoubleClick(button, {5, 5});
    EXPECT_EQ(doubles, 0);
    button.SetGroupIndex(3);
    button.SetDown(true);
    backend.DoubleClick(button, {5, 5});
    EXPECT_EQ(doubles, 1);
}

namespace {

struct WqmTest : ButtonsFixture {
    TWQMSpeedButton button{&form};
    int clicks = 0;
    WqmTest() {
        button.SetBounds(30, 30, 23, 22);
        button.SetFlat(true);
        button.SetFlatStyle(controls::TWQMSpeedBtnFlatStyle::bfsBorderless);
        button.SetGlyph(Cells({ui::clRed}));
        button.SetHotGlyph(Cells({ui::clYellow}));
        button.OnClick = [this] { ++clicks; };
        Show();
    }
};

}  // namespace

TEST_F(WqmTest, HotGlyphUnderThePointerAndNoBorder) {
    ui::Bitmap b = Render(button);
    EXPECT_EQ(b.Pixel(4, 3), ui::clRed);  // glyph at ((23 - 16 + 1) / 2, (22 - 16 + 1) / 2)
    EXPECT_EQ(b.Pixel(0, 0), Hex(0x008080));
    backend.MoveMouse(button, {5, 5});
    b = Render(button);
    EXPECT_EQ(b.Pixel(4, 3), ui::clYellow);
    EXPECT_EQ(b.Pixel(0, 0), Hex(0x008080));
    backend.MouseDown(button, {5, 5});
    b = Render(button);
    EXPECT_EQ(b.Pixel(5, 4), ui::clYellow);
    backend.MouseUp(button, {5, 5});
    EXPECT_EQ(clicks, 1);
    backend.MouseLeave(button);
    b = Render(button);
    EXPECT_EQ(b.Pixel(4, 3), ui::clRed);
}

TEST_F(WqmTest, DisabledSingleCellIsEmbossedAlongTheWholeMask) {
    button.SetEnabled(false);
    const auto& colors = ui::DefaultColorResolver();
    // White pixels belong to the mask like any other colour.
    for (ui::Color glyph : {ui::clRed, ui::clWhite}) {
        button.SetGlyph(Cells({glyph}));
        ui::Bitmap b = Render(button);
        EXPECT_EQ(b.Pixel(4, 3), colors.SystemRgb(ui::sys::kBtnShadow)) << glyph;
        // The highlight shows below the silhouette's last row (image row 15, screen row 18).
        EXPECT_EQ(b.Pixel(19, 18), colors.SystemRgb(ui::sys::kBtnHighlight)) << glyph;
    }
}

TEST_F(WqmTest, DropDownMenuOpensOnPressAndCanBeVetoed) {
    ui::PopupMenu menu(app);
    menu.AddItem("A");
    menu.AddItem("B");
    button.SetDropDownMenu(&menu);
    bool droppedWhileShown = false;
    backend.OnMenuShown = [&](const ui::PopupMenu&) { droppedWhileShown = button.MenuDropped(); };
    backend.MouseDown(button, {5, 5});
    ASSERT_EQ(backend.Menus().size(), 1u);
    EXPECT_TRUE(droppedWhileShown);
    EXPECT_FALSE(button.MenuDropped());
    EXPECT_EQ(backend.Menus()[0].screen, (ui::Point{30, 52}));
    backend.MouseUp(button, {5, 5});
    EXPECT_EQ(clicks, 0);

    // Near the bottom of the screen the menu opens above the button.
    backend.SetScreenSize({800, 70});
    backend.MouseDown(button, {5, 5});
    backend.MouseUp(button, {5, 5});
    const int estimate = 2 * backend.menuMetrics.borderWidth + 2 * backend.menuMetrics.itemHeight;
    EXPECT_EQ(backend.Menus()[1].screen, (ui::Point{30, 52 - estimate - 22 - 2}));

    button.OnBeforeDropDownMenu = [](ui::Control&, bool& allow) { allow = false; };
    backend.MouseDown(button, {5, 5});
    backend.MouseUp(button, {5, 5});
    EXPECT_EQ(backend.Menus().size(), 2u);
}
