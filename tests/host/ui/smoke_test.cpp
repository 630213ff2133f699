#include <gtest/gtest.h>

#include "ui/bitmap.h"

TEST(Bitmap, FillsAndClips) {
    ui::Bitmap b(4, 3, ui::clWhite);
    b.FillRect({-2, 1, 2, 9}, ui::clRed);
    EXPECT_EQ(b.Pixel(0, 1), ui::clRed);
    EXPECT_EQ(b.Pixel(1, 2), ui::clRed);
    EXPECT_EQ(b.Pixel(2, 1), ui::clWhite);
    EXPECT_EQ(b.Pixel(0, 0), ui::clWhite);
}
