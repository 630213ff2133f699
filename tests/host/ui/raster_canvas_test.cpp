#include "ui/raster_canvas.h"

#include <gtest/gtest.h>

namespace {

using ui::Bitmap;
using ui::clBlack;
using ui::clRed;
using ui::clWhite;
using ui::RasterCanvas;

TEST(RasterCanvas, LinesExcludeTheirEndPoint) {
    Bitmap b(10, 10, clWhite);
    RasterCanvas c(b);
    c.pen.color = clBlack;
    c.MoveTo(1, 1);
    c.LineTo(5, 1);  // horizontal: 1..4
    EXPECT_EQ(b.Pixel(1, 1), clBlack);
    EXPECT_EQ(b.Pixel(4, 1), clBlack);
    EXPECT_EQ(b.Pixel(5, 1), clWhite);
    c.LineTo(5, 6);  // vertical from the pen position: rows 1..5 at x = 5
    EXPECT_EQ(b.Pixel(5, 1), clBlack);
    EXPECT_EQ(b.Pixel(5, 5), clBlack);
    EXPECT_EQ(b.Pixel(5, 6), clWhite);
    c.MoveTo(0, 9);
    c.LineTo(3, 6);  // diagonal up-right: (0,9) (1,8) (2,7)
    EXPECT_EQ(b.Pixel(2, 7), clBlack);
    EXPECT_EQ(b.Pixel(3, 6), clWhite);
    EXPECT_EQ(c.PenPosition(), (ui::Point{3, 6}));
}

TEST(RasterCanvas, RectangleOutlinesWithPenAndFillsWithBrush) {
    Bitmap b(8, 8, clWhite);
    RasterCanvas c(b);
    c.pen.color = clBlack;
    c.brush.color = clRed;
    c.Rectangle({1, 1, 6, 5});
    EXPECT_EQ(b.Pixel(1, 1), clBlack);
    EXPECT_EQ(b.Pixel(5, 4), clBlack);
    EXPECT_EQ(b.Pixel(6, 4), clWhite);
    EXPECT_EQ(b.Pixel(2, 2), clRed);
    // Without a pen the fill stops one pixel short on the right and bottom.
    Bitmap d(8, 8, clWhite);
    RasterCanvas e(d);
    e.pen.style = ui::PenStyle::Clear;
    e.brush.color = clRed;
    e.Rectangle({1, 1, 6, 5});
    EXPECT_EQ(d.Pixel(4, 3), clRed);
    EXPECT_EQ(d.Pixel(5, 3), clWhite);
    EXPECT_EQ(d.Pixel(4, 4), clWhite);
}

TEST(RasterCanvas, RoundRectCutsItsCornersSymmetrically) {
    Bitmap b(20, 12, clWhite);
    RasterCanvas c(b);
    c.pen.color = clBlack;
    c.brush.color = clRed;
    c.RoundRect({0, 0, 20, 12}, 6, 6);
    // Corners are outside; the middle of every edge is outline; the centre is filled.
    for (auto [x, y] : {std::pair{0, 0}, {19, 0}, {0, 11}, {19, 11}})
        EXPECT_EQ(b.Pixel(x, y), clWhite);
    EXPECT_EQ(b.Pixel(10, 0), clBlack);
    EXPECT_EQ(b.Pixel(10, 11), clBlack);
    EXPECT_EQ(b.Pixel(0, 6), clBlack);
    EXPECT_EQ(b.Pixel(19, 6), clBlack);
    EXPECT_EQ(b.Pixel(10, 6), clRed);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(b.Pixel(x, y), b.Pixel(19 - x, y)) << x << "," << y;
            EXPECT_EQ(b.Pixel(x, y), b.Pixel(x, 11 - y)) << x << "," << y;
        }
}

TEST(RasterCanvas, EllipseTouchesItsBoxAtTheEdgeMiddles) {
    Bitmap b(11, 11, clWhite);
    RasterCanvas c(b);
    c.pen.color = clBlack;
    c.brush.color = clRed;
    c.Ellipse({0, 0, 11, 11});
    EXPECT_EQ(b.Pixel(5, 0), clBlack);
    EXPECT_EQ(b.Pixel(0, 5), clBlack);
    EXPECT_EQ(b.Pixel(10, 5), clBlack);
    EXPECT_EQ(b.Pixel(5, 10), clBlack);
    EXPECT_EQ(b.Pixel(1, 1), clWhite);
    EXPECT_EQ(b.Pixel(5, 5), clRed);
}

TEST(RasterCanvas, TransparentBlitLeavesKeyColourPixels) {
    Bitmap glyph(3, 2, ui::clFuchsia);
    glyph.SetPixel(1, 0, clBlack);
    glyph.SetPixel(2, 1, clRed);
    Bitmap b(5, 5, clWhite);
    RasterCanvas c(b);
    c.DrawBitmapTransparent(1, 1, glyph, ui::clFuchsia);
    EXPECT_EQ(b.Pixel(1, 1), clWhite);
    EXPECT_EQ(b.Pixel(2, 1), clBlack);
    EXPECT_EQ(b.Pixel(3, 2), clRed);
    c.DrawBitmap(0, 3, glyph);
    EXPECT_EQ(b.Pixel(0, 3), ui::clFuchsia);
}

TEST(RasterCanvas, OriginAndClipConfineNestedPainting) {
    Bitmap b(10, 10, clWhite);
    RasterCanvas c(b);
    {
        ui::CanvasStateGuard guard(c);
        c.SetClip({2, 2, 6, 6});
        c.SetOrigin({2, 2});
        c.FillRect({0, 0, 100, 100}, clRed);
    }
    EXPECT_EQ(b.Pixel(2, 2), clRed);
    EXPECT_EQ(b.Pixel(5, 5), clRed);
    EXPECT_EQ(b.Pixel(6, 6), clWhite);
    EXPECT_EQ(b.Pixel(1, 1), clWhite);
    c.FillRect({0, 0, 1, 1}, clBlack);  // state restored: origin 0, no clip
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
}

TEST(RasterCanvas, FocusRectangleIsDottedAndUndoneByRedrawing) {
    Bitmap b(6, 4, clWhite);
    RasterCanvas c(b);
    c.DrawFocusRect({0, 0, 6, 4});
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
    EXPECT_EQ(b.Pixel(1, 0), clWhite);
    EXPECT_EQ(b.Pixel(2, 0), clBlack);
    c.DrawFocusRect({0, 0, 6, 4});
    EXPECT_EQ(b, Bitmap(6, 4, clWhite));
}

TEST(RasterCanvas, DrawTextLaysOutLikeTheSystem) {
    Bitmap b(100, 40, clWhite);
    RasterCanvas c(b);
    int cw = c.FontCellWidth();
    ui::Rect r{0, 0, 100, 40};
    ui::Rect calc = r;
    c.DrawTextIn("&Hello", calc, ui::text::kCalcRect | ui::text::kSingleLine);
    EXPECT_EQ(calc.Width(), 5 * cw);  // the prefix is not drawn
    calc = {0, 0, 3 * cw, 40};
    c.DrawTextIn("aa bb cc", calc, ui::text::kCalcRect | ui::text::kWordBreak);
    EXPECT_EQ(calc.Height(), 3 * c.FontCellHeight());
    calc = {0, 0, 4 * cw, 40};
    c.DrawTextIn("abcdefgh", calc,
                 ui::text::kCalcRect | ui::text::kSingleLine | ui::text::kEndEllipsis);
    EXPECT_LE(calc.Width(), 4 * cw);
}

}  // namespace
