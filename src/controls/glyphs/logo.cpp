#include "controls/glyphs/logo.h"

#include "controls/glyphs/button_glyphs.h"
#include "ui/raster_canvas.h"

namespace glyphs {

ui::Bitmap Logo(int size) {
    ui::Bitmap logo(size, size, kTransparent);
    ui::RasterCanvas canvas(logo);
    // Coordinates on a 60-unit grid, scaled to SIZE.
    auto at = [size](int units) { return units * size / 60; };
    auto point = [&](int x, int y) { return ui::Point{at(x), at(y)}; };

    canvas.pen = {ui::Hex(0x004848), 2, ui::PenStyle::Solid};
    canvas.brush = {ui::clTeal, ui::BrushStyle::Solid};
    canvas.Ellipse({at(1), at(1), at(59), at(59)});

    // The handle, from the upper right towards the middle.
    const ui::Point handle[] = {point(44, 10), point(48, 14), point(31, 33), point(27, 29)};
    canvas.pen = {ui::Hex(0xE0E0E0), 1, ui::PenStyle::Solid};
    canvas.brush = {ui::clWhite, ui::BrushStyle::Solid};
    canvas.Polygon(handle, 4);
    // The bristles, fanning out towards the lower left.
    const ui::Point bristles[] = {point(27, 27), point(33, 33), point(26, 48), point(12, 34)};
    canvas.brush = {ui::Hex(0xF0C020), ui::BrushStyle::Solid};
    canvas.pen = {ui::Hex(0xB08000), 1, ui::PenStyle::Solid};
    canvas.Polygon(bristles, 4);
    // Three sparks swept away.
    canvas.brush = {ui::clWhite, ui::BrushStyle::Solid};
    canvas.pen = {ui::clWhite, 1, ui::PenStyle::Solid};
    for (ui::Point spark : {point(12, 46), point(18, 52), point(8, 40)})
        canvas.Ellipse({spark.x - 2, spark.y - 2, spark.x + 2, spark.y + 2});

    logo.SetPixel(0, size - 1, kTransparent);
    return logo;
}

}  // namespace glyphs
