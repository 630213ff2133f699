// The XP-style progress bar: the done part in green blocks across the share of the width its
// position gives, the rest white, in a frame of the scheme's button border; the numbers kept
// within the range.

#include <gtest/gtest.h>

#include "controls/kvzxp_progress_bar.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

bool Green(ui::Color c) {
    const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return g > r + 40 && g > b + 40;
}

TEST(ProgressBar, PaintsItsPositionsShareAndKeepsItWithinTheRange) {
    ui::HeadlessBackend backend;
    ui::Application app{backend};
    ui::Form form{app};
    form.SetClientSize(120, 40);
    form.SetVisible(true);
    controls::TKVZXPProgressBar bar{&form};
    bar.SetBounds(10, 10, 104, 14);
    bar.SetRange(0, 4);
    for (int position : {0, 1, 2, 4}) {
        bar.SetPosition(position);
        const ui::Bitmap shot = backend.Render(form);
        // The greens of the middle row, block gaps aside: the done part is position / 4 of
        // the 100 pixels inside the frame.
        int last = -1;
        for (int x = 0; x < 100; ++x)
            if (Green(shot.Pixel(10 + 2 + x, 17))) last = x;
        EXPECT_NEAR(last + 1, 25 * position, 3) << position;
        EXPECT_EQ(shot.Pixel(10, 17), controls::PaletteColors(controls::kPaletteBlue).buttonBorder);
        if (position < 4) EXPECT_EQ(shot.Pixel(10 + 2 + 99, 17), ui::clWhite);
    }
    bar.SetPosition(9);
    EXPECT_EQ(bar.Position(), 4);
    bar.SetRange(0, 2);
    EXPECT_EQ(bar.Position(), 2);
}

}  // namespace
