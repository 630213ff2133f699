#include <gtest/gtest.h>

#include <memory>

#include "controls/kvzxp_collapse_panel.h"
#include "controls/kvzxp_header.h"
#include "ui/application.h"
#include "ui/dispatch.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/image_list.h"

using controls::TKVZXPCollapsePanel;
using controls::TKVZXPHeader;
using ui::Hex;

namespace {

struct HeaderFixture : ::testing::Test {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app};
    TKVZXPHeader header{&form};
    TKVZXPCollapsePanel panel{&form};

    HeaderFixture() {
        form.SetClientSize(300, 300);
        form.SetColor(ui::clWhite);
        header.SetName("KVZXPHeader1");
        panel.SetName("KVZXPCollapsePanel1");
        header.SetBounds(10, 20, 200, 40);
        panel.SetBounds(0, 200, 170, 90);
        form.Realize();
    }
    ui::Bitmap Render() { return backend.Render(form); }
    ui::Color At(const ui::Bitmap& b, int x, int y) { return b.Pixel(10 + x, 20 + y); }
};

}  // namespace

TEST_F(HeaderFixture, ChevronsPointDownWhenShownAndUpWhenHidden) {
    // Band: x 4..196, y 14..40; chevron origin (R - 20, T + 8) = (176, 22).
    ui::Bitmap b = Render();
    const ui::Color blue = Hex(0x055CE0);
    for (int dy : {1, 5}) {
        EXPECT_EQ(At(b, 177, 22 + dy), blue);
        EXPECT_EQ(At(b, 183, 22 + dy), blue);
        EXPECT_NE(At(b, 180, 22 + dy), blue);
    }
    EXPECT_EQ(At(b, 180, 22 + 4), blue);
    EXPECT_EQ(At(b, 180, 22 + 8), blue);
    EXPECT_NE(At(b, 180, 22), blue);

    header.SetCollapsed(false);
    b = Render();
    EXPECT_EQ(At(b, 180, 22), blue);
    EXPECT_EQ(At(b, 180, 26), blue);
    EXPECT_EQ(At(b, 177, 25), blue);
    EXPECT_EQ(At(b, 183, 29), blue);
    EXPECT_NE(At(b, 180, 30), blue);
}

TEST_F(HeaderFixture, BandCornersBackgroundAndGradient) {
    header.SetColor(ui::clTeal);
    ui::Bitmap b = Render();
    // The strip above the band and the cut corners are the header colour.
    EXPECT_EQ(At(b, 100, 0), ui::clTeal);
    EXPECT_EQ(At(b, 100, 13), ui::clTeal);
    for (ui::Point p : {ui::Point{4, 14}, {5, 14}, {4, 15}, {195, 14}, {194, 14}, {195, 15}})
        EXPECT_EQ(At(b, p.x, p.y), ui::clTeal) << p.x << "," << p.y;
    EXPECT_EQ(At(b, 6, 14), ui::clWhite);
    EXPECT_EQ(At(b, 4, 16), ui::clWhite);
    // The left 40 pixels of the band stay white; the gradient ends near the palette colour.
    EXPECT_EQ(At(b, 43, 30), ui::clWhite);
    EXPECT_EQ(At(b, 2, 30), ui::clTeal);  // outside the band (border 4)
}

TEST_F(HeaderFixture, BorderZeroSpansTheFullWidth) {
    header.SetBorder(0);
    header.SetColor(ui::clTeal);
    ui::Bitmap b = Render();
    EXPECT_EQ(At(b, 2, 30), ui::clWhite);
    EXPECT_EQ(At(b, 0, 14), ui::clTeal);
    EXPECT_EQ(At(b, 199, 15), ui::clTeal);
}

TEST_F(HeaderFixture, DisabledHeaderIgnoresHotColour) {
    backend.MoveMouse(header, {100, 30});
    ASSERT_TRUE(header.Hot());
    ui::Bitmap b = Render();
    EXPECT_EQ(At(b, 180, 26), header.HotColor());
    header.SetEnabled(false);
    b = Render();
    EXPECT_EQ(At(b, 180, 26), Hex(0xB8AA9A));
}

// The image of Images/ImageIndex sits at the band's left end, 5 pixels above the bottom; the
// caption moves right of it; any change of the list repaints the header.
TEST_F(HeaderFixture, TheImageListsImageSitsLeftOfTheCaptionAndItsChangesRepaint) {
    header.SetCaption("W");
    const ui::Color captionColour = Hex(0x055CE0);
    // The first caption pixel of the band, left of the chevrons.
    const auto captionStart = [&](const ui::Bitmap& b) {
        for (int x = 4; x < 150; ++x)
            for (int y = 14; y < 40; ++y)
                if (At(b, x, y) == captionColour) return x;
        return -1;
    };
    const int plain = captionStart(Render());
    ASSERT_GE(plain, 14);

    auto images = std::make_unique<ui::ImageList>(16, 16);
    images->Add(ui::Bitmap(16, 16, ui::clRed));
    header.SetImages(images.get());
    header.SetImageIndex(1);  // not there yet: nothing drawn, the caption moves all the same
    ui::Bitmap b = Render();
    EXPECT_EQ(At(b, 7, 19), ui::clWhite);
    EXPECT_EQ(captionStart(b), plain + 11);  // from L + 10 to L + 3 + 16 + 2

    const int before = backend.InvalidationCount();
    images->Add(ui::Bitmap(16, 16, ui::clLime));
    EXPECT_GT(backend.InvalidationCount(), before) << "the list's change repaints";
    b = Render();
    // Band left L = 4, height H = 40: the image at (L + 3, H - 5 - 16).
    EXPECT_EQ(At(b, 7, 19), ui::clLime);
    EXPECT_EQ(At(b, 22, 34), ui::clLime);
    EXPECT_NE(At(b, 6, 19), ui::clLime);
    EXPECT_NE(At(b, 7, 18), ui::clLime);
    EXPECT_NE(At(b, 23, 34), ui::clLime);
    EXPECT_NE(At(b, 22, 35), ui::clLime);

    const int beforeGone = backend.InvalidationCount();
    images.reset();
    EXPECT_EQ(header.Images(), nullptr);
    EXPECT_GT(backend.InvalidationCount(), beforeGone);
    EXPECT_EQ(captionStart(Render()), plain);
}

TEST_F(HeaderFixture, ClickTogglesOnlyInsideTheBand) {
    header.SetKVZXPCollapsePanel(&panel);
    header.Loaded();
    int clicks = 0;
    header.OnClick = [&] { ++clicks; };
    backend.Click(header, {100, 13});  // the upper 14 pixels
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(header.Collapsed());
    EXPECT_TRUE(panel.Visible());
    backend.Click(header, {100, 14});
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(header.Collapsed());
    EXPECT_FALSE(panel.Visible());
}

TEST_F(HeaderFixture, PointerPositionAtClickTimeDecides) {
    header.SetKVZXPCollapsePanel(&panel);
    int clicks = 0;
    header.OnClick = [&] { ++clicks; };
    // Pressed outside the band, released inside it.
    backend.MouseDown(header, {100, 5});
    backend.MouseUp(header, {100, 30});
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(header.Collapsed());
    // Released outside the header: no click at all.
    backend.MouseDown(header, {100, 30});
    backend.MouseUp(header, {100, 45});
    EXPECT_EQ(clicks, 1);
}

TEST_F(HeaderFixture, HotTrackingAndHandCursor) {
    int moves = 0;
    header.OnMouseMove = [&](ui::Shift, ui::Point) { ++moves; };
    backend.MoveMouse(header, {100, 5});
    EXPECT_EQ(moves, 1);
    EXPECT_FALSE(header.Hot());
    EXPECT_EQ(header.GetCursor(), ui::Cursor::Default);
    backend.MoveMouse(header, {100, 20});  // becomes hot: no OnMouseMove for this one
    EXPECT_TRUE(header.Hot());
    EXPECT_EQ(header.GetCursor(), ui::Cursor::Hand);
    EXPECT_EQ(moves, 1);
    backend.MoveMouse(header, {101, 20});
    EXPECT_EQ(moves, 2);
    backend.MoveMouse(header, {100, 5});
    EXPECT_FALSE(header.Hot());
    EXPECT_EQ(header.GetCursor(), ui::Cursor::Default);
    EXPECT_EQ(moves, 3);

    backend.MoveMouse(header, {100, 20});
    backend.MouseLeave(header);
    EXPECT_FALSE(header.Hot());
    EXPECT_EQ(header.GetCursor(), ui::Cursor::Default);

    header.SetHotOverlay(false);
    header.SetHandCursor(false);
    backend.MoveMouse(header, {100, 20});
    EXPECT_FALSE(header.Hot());
    EXPECT_EQ(header.GetCursor(), ui::Cursor::Default);
}

TEST_F(HeaderFixture, LinkedPanelFollowsTheHeader) {
    panel.SetBounds(0, 0, 50, 77);
    header.SetColor(ui::clTeal);
    header.SetBorder(7);
    header.SetKVZXPCollapsePanel(&panel);
    EXPECT_EQ(panel.Bounds(), ui::Rect::FromSize(10, 60, 200, 77));
    EXPECT_EQ(panel.ColorBackground(), ui::clTeal);
    EXPECT_EQ(panel.Border(), 7);

    header.SetBounds(30, 40, 120, 40);
    EXPECT_EQ(panel.Bounds(), ui::Rect::FromSize(30, 80, 120, 77));
    header.SetColor(ui::clRed);
    EXPECT_EQ(panel.ColorBackground(), ui::clRed);
    header.SetBorder(99);
    EXPECT_EQ(panel.Border(), 30);
    header.SetEnabled(false);
    EXPECT_FALSE(panel.Enabled());

    // Setting the current value still drives the panel's visibility.
    panel.Hide();
    header.SetCollapsed(true);
    EXPECT_TRUE(panel.Visible());
}

TEST_F(HeaderFixture, PanelOfAnotherParentIsRefused) {
    TKVZXPCollapsePanel inner(&panel);
    inner.SetName("Inner");
    header.SetKVZXPCollapsePanel(&inner);
    EXPECT_EQ(header.KVZXPCollapsePanel(), nullptr);
    ASSERT_EQ(backend.Messages().size(), 1u);
    EXPECT_EQ(backend.Messages()[0].text, "Selected (Inner) must had same parent as KVZXPHeader1");
    EXPECT_EQ(backend.Messages()[0].kind, ui::MessageKind::Information);
}

TEST_F(HeaderFixture, DestroyedPanelIsDropped) {
    auto extra = std::make_unique<TKVZXPCollapsePanel>(&form);
    header.SetKVZXPCollapsePanel(extra.get());
    extra.reset();
    EXPECT_EQ(header.KVZXPCollapsePanel(), nullptr);
    backend.Click(header, {100, 30});  // no dangling panel
    EXPECT_FALSE(header.Collapsed());
}

TEST_F(HeaderFixture, OrangeKeepsThePreviousPalette) {
    header.SetXPScheme(controls::THXPScheme::xpGreen);
    header.SetXPScheme(controls::THXPScheme::xpOrange);
    EXPECT_EQ(header.PaletteIndex(), 2);
    ui::Bitmap b = Render();
    EXPECT_EQ(At(b, 177, 23), Hex(0x4B671C));
}

TEST_F(HeaderFixture, PanelPaintShowsFrameSidesAndBottom) {
    panel.SetBounds(0, 100, 60, 40);
    panel.SetColorBackground(ui::clTeal);
    ui::Bitmap b = Render();
    auto px = [&](int x, int y) { return b.Pixel(x, 100 + y); };
    EXPECT_EQ(px(3, 10), ui::clTeal);
    EXPECT_EQ(px(4, 10), ui::clWhite);   // left frame line
    EXPECT_EQ(px(5, 0), Hex(0xCBDBF8));  // no top line
    EXPECT_EQ(px(55, 10), ui::clWhite);  // right frame line at width - border - 1
    EXPECT_EQ(px(56, 10), ui::clTeal);
    EXPECT_EQ(px(30, 35), ui::clWhite);  // bottom line, 4 pixels above the edge
    EXPECT_EQ(px(30, 36), ui::clTeal);
}

TEST_F(HeaderFixture, PanelLaysOutItsAlignedChildrenInsideTheFrame) {
    ui::Control top(&panel), fill(&panel), placed(&panel);
    top.SetBounds(0, 0, 10, 20);
    top.SetAlign(ui::Align::Top);
    fill.SetAlign(ui::Align::Client);
    placed.SetBounds(3, 4, 5, 6);
    panel.SetBounds(0, 100, 170, 90);
    for (int border : {4, 10, 0}) {
        panel.SetBorder(border);
        EXPECT_EQ(top.Bounds(), (ui::Rect{border + 1, 1, 170 - border - 1, 21})) << border;
        EXPECT_EQ(fill.Bounds(), (ui::Rect{border + 1, 21, 170 - border - 1, 85})) << border;
    }
    panel.SetBounds(0, 100, 100, 50);  // a resize lays them out again too
    EXPECT_EQ(fill.Bounds(), (ui::Rect{1, 21, 99, 45}));
    top.Hide();
    EXPECT_EQ(fill.Bounds(), (ui::Rect{1, 1, 99, 45}));
    EXPECT_EQ(placed.Bounds(), ui::Rect::FromSize(3, 4, 5, 6)) << "unaligned children stay";
}

// The header has no window of its own: its windowed parent passes the theme change on.
TEST_F(HeaderFixture, ThemeChangeReachesTheHeaderThroughItsWindow) {
    int palette = 0;
    controls::ScopedSchemeDetector detector(app, [&] { return palette; });
    header.SetXPScheme(controls::THXPScheme::xpAutomatic);
    palette = 1;
    ui::DispatchThemeChanged(form);
    EXPECT_EQ(header.PaletteIndex(), 1);
}
