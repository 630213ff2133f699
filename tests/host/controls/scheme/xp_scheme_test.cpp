#include "controls/xp_scheme.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "controls/xp_theme_detect.h"
#include "fakes/fake_system.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"
#include "ui/raster_canvas.h"

using controls::PaintXPGradient;
using ui::Hex;

namespace {

// Always the smallest offset: the frayed pixels sit exactly on each band's first line.
struct ZeroDither final : controls::DitherGenerator {
    int Below(int) override { return 0; }
};
// Always the largest offset.
struct MaxDither final : controls::DitherGenerator {
    int Below(int bound) override { return bound > 0 ? bound - 1 : 0; }
};
// Cycles through values so rows of a strip differ.
struct CountingDither final : controls::DitherGenerator {
    int n = 0;
    int Below(int bound) override { return bound > 0 ? (n++ * 7) % bound : 0; }
};

ui::Color Grey(int v) {
    return ui::Rgb(v, v, v);
}

}  // namespace

TEST(PaintXPGradient, BandsFollowRoundedMulDivBoundaries) {
    ui::Bitmap b;
    ZeroDither zero;
    // 7 pixels in 3 steps: bands [0,2) [2,5) [5,7).
    PaintXPGradient(7, 3, Grey(0), Grey(10), 3, 0, false, b, zero);
    ASSERT_EQ(b.GetSize(), (ui::Size{7, 3}));
    std::vector<ui::Color> expected = {Grey(0), Grey(0),  Grey(5), Grey(5),
                                       Grey(5), Grey(10), Grey(10)};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(b.Pixel(x, y), expected[size_t(x)]) << x << "," << y;

    // Dithered, the first column of every band after the first takes the previous entry.
    PaintXPGradient(7, 3, Grey(0), Grey(10), 3, 0, true, b, zero);
    EXPECT_EQ(b.Pixel(2, 1), Grey(0));
    EXPECT_EQ(b.Pixel(3, 1), Grey(5));
    EXPECT_EQ(b.Pixel(5, 2), Grey(5));
    EXPECT_EQ(b.Pixel(6, 2), Grey(10));
}

TEST(PaintXPGradient, ColourTableRoundsHalvesToEven) {
    ui::Bitmap b;
    ZeroDither zero;
    // Steps of 2.5 and 1.5: 0, 2.5 -> 2, 5 and 0, 1.5 -> 2, 3.
    PaintXPGradient(3, 1, ui::Rgb(0, 0, 0), ui::Rgb(5, 3, 0), 3, 0, false, b, zero);
    EXPECT_EQ(b.Pixel(1, 0), ui::Rgb(2, 2, 0));
    EXPECT_EQ(b.Pixel(2, 0), ui::Rgb(5, 3, 0));
}

TEST(PaintXPGradient, ManyStepsOverFewRowsKeepTheLastBandOfEachRow) {
    ui::Bitmap b;
    ZeroDither zero;
    // Black to white in 255 steps: entry i is round(i * 255 / 254).
    PaintXPGradient(20, 13, Grey(0), Grey(255), 255, 1, false, b, zero);
    // Row 0 holds bands 0..9, row 12 bands 226..245 (246..254 start below the bitmap).
    EXPECT_EQ(b.Pixel(0, 0), Grey(9));
    EXPECT_EQ(b.Pixel(19, 0), Grey(9));
    EXPECT_EQ(b.Pixel(5, 12), Grey(246));
    // Dithered, the scatter lands on the band's own first row and leaves the previous entry.
    PaintXPGradient(20, 13, Grey(0), Grey(255), 255, 1, true, b, zero);
    EXPECT_EQ(b.Pixel(0, 0), Grey(8));
    EXPECT_EQ(b.Pixel(19, 12), Grey(245));
    for (int y = 0; y < 13; ++y)
        for (int x = 1; x < 20; ++x) ASSERT_EQ(b.Pixel(x, y), b.Pixel(0, y));
}

TEST(PaintXPGradient, DitherFraysIntoTheNextBandOnly) {
    ui::Bitmap b;
    MaxDither max;
    // 40 pixels, 5 steps: bands of 8; scatter j = 0..10 reaches 9 pixels past each band start,
    // and the next band's fill paints over what crossed into it.
    PaintXPGradient(40, 2, Grey(0), Grey(200), 5, 0, true, b, max);
    EXPECT_EQ(b.Pixel(15, 0), Grey(0));   // band 1 wholly frayed with entry 0
    EXPECT_EQ(b.Pixel(16, 0), Grey(50));  // band 2 holds entry 1, not entry 0
    EXPECT_EQ(b.Pixel(24, 1), Grey(100));
    EXPECT_EQ(b.Pixel(39, 1), Grey(150));  // the last band, frayed up to the edge
}

TEST(PaintXPGradient, StripIsTiledAcrossTheBitmap) {
    ui::Bitmap b;
    CountingDither counting;
    PaintXPGradient(30, 45, Grey(0), Grey(255), 16, 0, true, b, counting);
    for (int y = 16; y < 45; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(b.Pixel(x, y), b.Pixel(x, y % 16)) << x << "," << y;
    PaintXPGradient(45, 30, Grey(0), Grey(255), 16, 3, true, b, counting);
    for (int x = 16; x < 45; ++x)
        for (int y = 0; y < 30; ++y) ASSERT_EQ(b.Pixel(x, y), b.Pixel(x % 16, y)) << x << "," << y;
}

TEST(PaintXPGradient, SmallSizesStayInsideTheBitmap) {
    ui::Bitmap b;
    CountingDither counting;
    for (int w = 0; w < 18; ++w)
        for (int h = 0; h < 18; ++h) {
            PaintXPGradient(w, h, Grey(0), Grey(255), 255, 1, true, b, counting);
            ASSERT_EQ(b.GetSize(), (ui::Size{w, h}));
            PaintXPGradient(w, h, Grey(0), Grey(255), 16, 0, true, b, counting);
            ASSERT_EQ(b.GetSize(), (ui::Size{w, h}));
        }
    // Fewer than two steps is taken as two instead of dividing by zero.
    PaintXPGradient(4, 4, Grey(0), Grey(255), 1, 0, false, b, counting);
    EXPECT_EQ(b.Pixel(3, 0), Grey(255));
}

TEST(PaintXPGradient, DirectionThreeRunsColourTwoAtTheTop) {
    ui::Bitmap b;
    ZeroDither zero;
    PaintXPGradient(20, 16, Hex(0xFFFFFF), Hex(0xEFEBE7), 16, 3, false, b, zero);
    EXPECT_EQ(b.Pixel(0, 0), Hex(0xEFEBE7));
    EXPECT_EQ(b.Pixel(19, 15), Hex(0xFFFFFF));
    PaintXPGradient(16, 20, Hex(0xFFFFFF), Hex(0xEFEBE7), 16, 2, false, b, zero);
    EXPECT_EQ(b.Pixel(0, 19), Hex(0xEFEBE7));
    EXPECT_EQ(b.Pixel(15, 0), Hex(0xFFFFFF));
    PaintXPGradient(20, 16, Hex(0xFFFFFF), Hex(0xEFEBE7), 16, 1, false, b, zero);
    EXPECT_EQ(b.Pixel(0, 0), Hex(0xFFFFFF));
    EXPECT_EQ(b.Pixel(0, 15), Hex(0xEFEBE7));
}

TEST(SchemeTint, MatchesTheFrameColours) {
    EXPECT_EQ(controls::SchemeTint(35, false, 0), Hex(0xD0C4B9));
    EXPECT_EQ(controls::SchemeTint(35, false, 2), Hex(0xD0C4B9));
    EXPECT_EQ(controls::SchemeTint(35, true, 0), Hex(0x7CA1DF));
    EXPECT_EQ(controls::SchemeTint(35, true, 1), Hex(0xA8A8D4));
    EXPECT_EQ(controls::SchemeTint(35, true, 2), Hex(0xB1C192));
    EXPECT_EQ(controls::SchemeTint(35, true, 3), Hex(0xFBB167));
    EXPECT_EQ(controls::SchemeTint(0, true, 0), Hex(0x366FCD));
    EXPECT_EQ(controls::SchemeTint(150, true, 0), Hex(0xFFFFFF));
    EXPECT_EQ(controls::SchemeTint(10, true, 9), Hex(0xFFFFFF));
}

TEST(DrawSchemeFrame, TwoOutlinesOverTheBorder) {
    ui::Bitmap b(6, 5, ui::clBlack);
    ui::RasterCanvas canvas(b);
    controls::DrawSchemeFrame(canvas, {0, 0, 6, 5}, true, 0);
    EXPECT_EQ(b.Pixel(0, 0), Hex(0x7CA1DF));
    EXPECT_EQ(b.Pixel(5, 4), Hex(0x7CA1DF));
    EXPECT_EQ(b.Pixel(1, 1), Hex(0xFFFFFF));
    EXPECT_EQ(b.Pixel(4, 3), Hex(0xFFFFFF));
    EXPECT_EQ(b.Pixel(2, 2), ui::clBlack);
}

TEST(DetectXPColorScheme, FollowsVersionAndThemeName) {
    fakes::FakeSystem system;
    system.themeColorName = "Metallic";
    EXPECT_EQ(controls::DetectXPColorScheme(system), 1);
    system.themeColorName = "homestead";
    EXPECT_EQ(controls::DetectXPColorScheme(system), 2);
    system.themeColorName = "Royale";
    EXPECT_EQ(controls::DetectXPColorScheme(system), 0);
    system.themeColorName.reset();
    EXPECT_EQ(controls::DetectXPColorScheme(system), 0);

    system.themeColorName = "Metallic";
    system.themeCalls = 0;
    for (platform::OsVersion v : {platform::OsVersion{6, 0}, {4, 10}, {10, 0}}) {
        system.version = v;
        EXPECT_EQ(controls::DetectXPColorScheme(system), 0);
    }
    EXPECT_EQ(system.themeCalls, 0);
    system.version = {6, 1};
    EXPECT_EQ(controls::DetectXPColorScheme(system), 1);

    system.themeCallFails = true;
    EXPECT_THROW(controls::DetectXPColorScheme(system), std::runtime_error);
}

TEST(PaletteIndexFor, MapsSchemesAndAsksTheApplicationsDetectorForAutomatic) {
    using controls::TXPScheme;
    ui::HeadlessBackend backend;
    ui::Application app(backend), other(backend);
    EXPECT_EQ(controls::PaletteIndexFor(TXPScheme::xpOrange, app), 3);
    EXPECT_EQ(controls::PaletteIndexFor(TXPScheme::xpGreen, app), 2);
    EXPECT_EQ(controls::PaletteIndexFor(TXPScheme::xpAutomatic, app), 0);
    {
        controls::ScopedSchemeDetector detector(app, [] { return 2; });
        EXPECT_EQ(controls::PaletteIndexFor(TXPScheme::xpAutomatic, app), 2);
        EXPECT_EQ(controls::PaletteIndexFor(TXPScheme::xpAutomatic, other), 0);
    }
    EXPECT_EQ(controls::PaletteIndexFor(TXPScheme::xpAutomatic, app), 0);
}

// Every palette's colours as the design gives them, by value (the renderings only compare
// the controls against the same table).
TEST(PaletteColors, EachPaletteHoldsItsDesignColours) {
    struct Row {
        int palette;
        std::uint32_t bandEnd, chevron;
        const char* toggle;
        std::uint32_t disabled[2], pressed[2], hot[2], normal[2], hotRing[2], focusRing[2];
        std::uint32_t border, frameBase;
    } rows[] = {
        {0,
         0xC6D7F7,
         0x055CE0,
         "KVZ_XPHBNOR",
         {0xFFFFFF, 0xEFEBE7},
         {0xD9D8CE, 0xE4E4E4},
         {0xFFFFFF, 0xEFEBE7},
         {0xFFFFFF, 0xEFEBE7},
         {0xFFDD9D, 0xFFBE46},
         {0xCEE7FF, 0x6D84EF},
         0x333399,
         0x366FCD},
        {1,
         0xD0D2D9,
         0x314473,
         "KVZ_XPHBNORS",
         {0xFFFFFF, 0xEFEBE7},
         {0xCDCCDF, 0xFDFDFD},
         {0xFDFDFD, 0xD6D7E7},
         {0xFDFDFD, 0xCDCCDF},
         {0xFFDD9D, 0xFFBE46},
         {0xCEE7FF, 0x6D84EF},
         0x333399,
         0x7979BD},
        {2,
         0xDAE2A9,
         0x4B671C,
         "KVZ_XPHBNORG",
         {0xF6F2E9, 0xF6F2E9},
         {0xECE3CC, 0xECE3CC},
         {0xFEFFF2, 0xF3EEDB},
         {0xFEFFF2, 0xF3EEDB},
         {0xFFD382, 0xE79600},
         {0xC2D89C, 0x8DB447},
         0x516828,
         0x87A058},
        // The header never shows orange; its fields there are not used.
        {3,
         0,
         0,
         nullptr,
         {0xF6F2E9, 0xF6F2E9},
         {0xFBB56F, 0xFFF4EA},
         {0xFFF4EA, 0xFCBF83},
         {0xFFF4EA, 0xFBB56F},
         {0xFFFFFF, 0xBEBEBE},
         {0xCEE7FF, 0x6D84EF},
         0x333399,
         0xF98715},
    };
    const auto same = [](const controls::XPGradientColors& g, const std::uint32_t(&rgb)[2]) {
        return g.top == Hex(rgb[0]) && g.bottom == Hex(rgb[1]);
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.palette);
        const controls::XPPalette& p = controls::PaletteColors(r.palette);
        if (r.toggle) {
            EXPECT_EQ(p.headerBandEnd, Hex(r.bandEnd));
            EXPECT_EQ(p.headerChevron, Hex(r.chevron));
            EXPECT_STREQ(p.headerToggleImage, r.toggle);
        }
        EXPECT_TRUE(same(p.faceDisabled, r.disabled));
        EXPECT_TRUE(same(p.facePressed, r.pressed));
        EXPECT_TRUE(same(p.faceHot, r.hot));
        EXPECT_TRUE(same(p.faceNormal, r.normal));
        EXPECT_TRUE(same(p.hotRing, r.hotRing));
        EXPECT_TRUE(same(p.focusRing, r.focusRing));
        EXPECT_EQ(p.buttonBorder, Hex(r.border));
        EXPECT_EQ(p.frameBase, Hex(r.frameBase));
    }
    EXPECT_EQ(&controls::PaletteColors(7), &controls::PaletteColors(0));
}
