// The GDI canvas and the raster canvas draw the same pixels for fills, pixels, lines,
// rectangles and bitmaps.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "platform/win32/ui/gdi.h"
#include "platform/win32/ui/gdi_canvas.h"
#include "ui/raster_canvas.h"

namespace {

constexpr int kW = 64, kH = 48;

// Draws with DRAW on a real GDI device (a DIB section) and returns the pixels.
ui::Bitmap DrawWithGdi(const std::function<void(ui::Canvas&)>& draw) {
    using namespace platform::win32;
    WindowDc screen(nullptr, WindowDc::Area::Client);
    BitmapOwner target = ToDib(screen.get(), ui::Bitmap(kW, kH));
    CompatibleDc dc(screen.get(), target.get());
    {
        GdiCanvas canvas(dc.Get(), ui::DefaultColorResolver());
        canvas.FillRect({0, 0, kW, kH}, ui::clWhite);
        draw(canvas);
    }
    return CopyFromDc(dc.Get(), kW, kH);
}

ui::Bitmap DrawWithRaster(const std::function<void(ui::Canvas&)>& draw) {
    ui::Bitmap out(kW, kH, ui::clWhite);
    ui::RasterCanvas canvas(out);
    draw(canvas);
    return out;
}

void ExpectSamePixels(const std::function<void(ui::Canvas&)>& draw) {
    ui::Bitmap gdi = DrawWithGdi(draw), raster = DrawWithRaster(draw);
    int differences = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (gdi.Pixel(x, y) != raster.Pixel(x, y) && differences++ < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << ": gdi " << std::hex
                              << gdi.Pixel(x, y) << " raster " << raster.Pixel(x, y);
    EXPECT_EQ(differences, 0);
}

TEST(GdiCanvas, FillsAndFramesMatchTheRasterCanvas) {
    ExpectSamePixels([](ui::Canvas& c) {
        c.FillRect({3, 4, 20, 30}, ui::Hex(0x366FCD));
        c.FrameRect({10, 10, 40, 20}, ui::clRed);
        c.FillRect({50, 40, 80, 90}, ui::clBtnFace);  // clipped by the bitmap, system colour
    });
}

TEST(GdiCanvas, PixelsMatchTheRasterCanvas) {
    ExpectSamePixels([](ui::Canvas& c) {
        for (int i = 0; i < 40; ++i) c.SetPixel(i, (i * 7) % kH, ui::Rgb(i * 5, 255 - i, 3 * i));
    });
}

TEST(GdiCanvas, PenLinesMatchTheRasterCanvas) {
    ExpectSamePixels([](ui::Canvas& c) {
        c.pen.color = ui::clBlack;
        c.MoveTo(2, 2);
        c.LineTo(30, 2);   // horizontal
        c.LineTo(30, 40);  // vertical
        c.LineTo(10, 40);  // right to left
        c.LineTo(10, 20);  // upwards
        c.MoveTo(40, 5);
        c.LineTo(55, 20);  // 45 degrees down
        c.MoveTo(40, 40);
        c.LineTo(55, 25);  // 45 degrees up
        c.pen.color = ui::Hex(0x055CE0);
        c.MoveTo(5, 45);
        c.LineTo(6, 45);  // a single pixel
    });
}

TEST(GdiCanvas, RectanglesMatchTheRasterCanvas) {
    ExpectSamePixels([](ui::Canvas& c) {
        c.pen.color = ui::Hex(0x333399);
        c.brush.color = ui::Hex(0xEFEBE7);
        c.Rectangle({2, 2, 30, 20});
        c.brush.style = ui::BrushStyle::Clear;
        c.Rectangle({35, 5, 60, 25});
        c.pen.style = ui::PenStyle::Clear;
        c.brush.style = ui::BrushStyle::Solid;
        c.brush.color = ui::clGreen;
        c.Rectangle({5, 25, 25, 45});
    });
}

TEST(GdiCanvas, BitmapsMatchTheRasterCanvasOpaqueAndTransparent) {
    ui::Bitmap glyph(9, 7, ui::clFuchsia);
    for (int i = 0; i < 7; ++i) {
        glyph.SetPixel(i, i, ui::clNavy);
        glyph.SetPixel(8 - i, i, ui::Hex(0x87A058));
    }
    ExpectSamePixels([&](ui::Canvas& c) {
        c.FillRect({0, 0, kW, kH}, ui::Hex(0xC6D7F7));
        c.DrawBitmap(2, 3, glyph);
        c.DrawBitmapTransparent(20, 3, glyph, ui::clFuchsia);
        c.DrawBitmapTransparent(40, 10, glyph, {2, 1, 7, 6}, ui::clFuchsia);
        c.DrawBitmapTransparent(60, 40, glyph, ui::clFuchsia);  // clipped at the edge
    });
}

TEST(GdiCanvas, OriginAndClipMatchTheRasterCanvas) {
    ExpectSamePixels([](ui::Canvas& c) {
        ui::CanvasStateGuard guard(c);
        c.SetClip({10, 10, 30, 30});
        c.SetOrigin({10, 10});
        c.FillRect({-5, -5, 50, 50}, ui::clRed);
        c.pen.color = ui::clBlack;
        c.MoveTo(0, 5);
        c.LineTo(40, 5);
    });
}

}  // namespace
