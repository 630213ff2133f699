#include "ui/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "ui/text_layout.h"

namespace ui {

RasterCanvas::RasterCanvas(Bitmap& target, const ColorResolver& colors)
    : Canvas(colors), target_(target) {}

void RasterCanvas::Plot(int x, int y, Color rgb) {
    int ax = x + state_.origin.x;
    int ay = y + state_.origin.y;
    if (state_.clipped && !state_.clip.Contains({ax, ay})) return;
    target_.PutPixel(ax, ay, rgb);
}

void RasterCanvas::Invert(int x, int y) {
    int ax = x + state_.origin.x;
    int ay = y + state_.origin.y;
    if (state_.clipped && !state_.clip.Contains({ax, ay})) return;
    if (!target_.Inside(ax, ay)) return;
    target_.SetPixel(ax, ay, target_.Pixel(ax, ay) ^ 0xFFFFFF);
}

void RasterCanvas::Span(int x0, int x1, int y, Color rgb) {
    Rect r{x0 + state_.origin.x, y + state_.origin.y, x1 + state_.origin.x,
           y + 1 + state_.origin.y};
    if (state_.clipped) r = r.Intersect(state_.clip);
    target_.FillRect(r, rgb);
}

void RasterCanvas::FillRect(const Rect& r, Color c) {
    Rect a = r.Offset(state_.origin.x, state_.origin.y);
    if (state_.clipped) a = a.Intersect(state_.clip);
    target_.FillRect(a, Resolve(c));
}

void RasterCanvas::SetPixel(int x, int y, Color c) {
    Plot(x, y, Resolve(c));
}

Color RasterCanvas::GetPixel(int x, int y) {
    int ax = x + state_.origin.x;
    int ay = y + state_.origin.y;
    if (!target_.Inside(ax, ay)) return clNone;
    return target_.Pixel(ax, ay);
}

void RasterCanvas::FrameRect(const Rect& r, Color c) {
    if (r.IsEmpty()) return;
    Color rgb = Resolve(c);
    Span(r.left, r.right, r.top, rgb);
    Span(r.left, r.right, r.bottom - 1, rgb);
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        Plot(r.left, y, rgb);
        Plot(r.right - 1, y, rgb);
    }
}

void RasterCanvas::PenLine(Point a, Point b, Color rgb, bool dotted) {
    // Bresenham along the major axis; the end point is not drawn.
    int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
    int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int x = a.x, y = a.y;
    int steps = std::max(dx, dy);
    if (dx >= dy) {
        int err = 2 * dy - dx;
        for (int i = 0; i < steps; ++i) {
            if (!dotted || i % 2 == 0) Plot(x, y, rgb);
            if (err > 0 || (err == 0 && sx < 0)) {
                y += sy;
                err -= 2 * dx;
            }
            err += 2 * dy;
            x += sx;
        }
    } else {
        int err = 2 * dx - dy;
        for (int i = 0; i < steps; ++i) {
            if (!dotted || i % 2 == 0) Plot(x, y, rgb);
            if (err > 0 || (err == 0 && sy < 0)) {
                x += sx;
                err -= 2 * dy;
            }
            err += 2 * dx;
            y += sy;
        }
    }
}

void RasterCanvas::LineTo(int x, int y) {
    if (pen.style != PenStyle::Clear) {
        Color rgb = Resolve(pen.color);
        for (int w = 0; w < std::max(1, pen.width); ++w) {
            // Wide pens: parallel lines, spread across the minor axis.
            int off = w - (std::max(1, pen.width) - 1) / 2;
            bool horizontal = std::abs(x - position_.x) >= std::abs(y - position_.y);
            Point d = horizontal ? Point{0, off} : Point{off, 0};
            PenLine(position_ + d, Point{x, y} + d, rgb, pen.style == PenStyle::Dot);
        }
    }
    position_ = {x, y};
}

void RasterCanvas::Rectangle(const Rect& r) {
    if (r.IsEmpty()) return;
    bool outline = pen.style != PenStyle::Clear;
    if (brush.style == BrushStyle::Solid) {
        // Without a pen GDI fills one pixel less to the right and bottom.
        Rect inside = outline ? r.Inflate(-1, -1) : Rect{r.left, r.top, r.right - 1, r.bottom - 1};
        FillRect(inside, brush.color);
    }
    if (outline) FrameRect(r, pen.color);
}

namespace {

// Per-row inclusive extents of a rounded rectangle (an ellipse when the corner sizes equal the
// rectangle's), by the pixel-centre rule.
struct RowExtent {
    int x0, x1;
};

std::vector<RowExtent> RoundedRows(const Rect& r, int ellipseWidth, int ellipseHeight) {
    std::vector<RowExtent> rows;
    double a = std::min(ellipseWidth, r.Width()) / 2.0;
    double b = std::min(ellipseHeight, r.Height()) / 2.0;
    for (int y = r.top; y < r.bottom; ++y) {
        double yc = y + 0.5;
        double dy = 0;
        if (b > 0 && yc < r.top + b) dy = (r.top + b) - yc;
        if (b > 0 && yc > r.bottom - b) dy = yc - (r.bottom - b);
        double dx = (b > 0 && dy > 0) ? a * std::sqrt(std::max(0.0, 1.0 - (dy / b) * (dy / b))) : a;
        double left = r.left + a - dx, right = r.right - a + dx;
        int x0 = static_cast<int>(std::ceil(left - 0.5));
        int x1 = static_cast<int>(std::floor(right - 0.5 - 1e-9));
        rows.push_back({x0, x1});
    }
    return rows;
}

}  // namespace

void RasterCanvas::RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight) {
    if (r.IsEmpty()) return;
    std::vector<RowExtent> rows = RoundedRows(r, ellipseWidth, ellipseHeight);
    auto inside = [&](int x, int y) {
        if (y < r.top || y >= r.bottom) return false;
        const RowExtent& e = rows[static_cast<size_t>(y - r.top)];
        return x >= e.x0 && x <= e.x1;
    };
    bool outline = pen.style != PenStyle::Clear;
    Color penRgb = Resolve(pen.color), brushRgb = Resolve(brush.color);
    for (int y = r.top; y < r.bottom; ++y) {
        const RowExtent& e = rows[static_cast<size_t>(y - r.top)];
        for (int x = e.x0; x <= e.x1; ++x) {
            bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (edge && outline)
                Plot(x, y, penRgb);
            else if (brush.style == BrushStyle::Solid)
                Plot(x, y, brushRgb);
        }
    }
}

void RasterCanvas::Ellipse(const Rect& r) {
    RoundRect(r, r.Width(), r.Height());
}

void RasterCanvas::Polygon(const Point* points, int count) {
    if (count < 2) return;
    if (brush.style == BrushStyle::Solid && count >= 3) {
        // Even-odd scanline fill by pixel centres.
        int top = points[0].y, bottom = points[0].y;
        for (int i = 1; i < count; ++i) {
            top = std::min(top, points[i].y);
            bottom = std::max(bottom, points[i].y);
        }
        Color rgb = Resolve(brush.color);
        for (int y = top; y <= bottom; ++y) {
            double yc = y + 0.5;
            std::vector<double> xs;
            for (int i = 0; i < count; ++i) {
                Point p = points[i], q = points[(i + 1) % count];
                if ((p.y <= yc && q.y > yc) || (q.y <= yc && p.y > yc))
                    xs.push_back(p.x + (yc - p.y) * (q.x - p.x) / double(q.y - p.y));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                int x0 = static_cast<int>(std::ceil(xs[i] - 0.5));
                int x1 = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
                Span(x0, x1, y, rgb);
            }
        }
    }
    if (pen.style != PenStyle::Clear) {
        Point saved = position_;
        MoveTo(points[0].x, points[0].y);
        for (int i = 1; i <= count; ++i) LineTo(points[i % count].x, points[i % count].y);
        // Closing segment ends where it started; GDI draws that pixel too.
        Plot(points[0].x, points[0].y, Resolve(pen.color));
        position_ = saved;
    }
}

void RasterCanvas::DrawFocusRect(const Rect& r) {
    if (r.IsEmpty()) return;
    // Every other pixel, aligned to the device, inverted: drawing twice removes it.
    auto dot = [&](int x, int y) {
        int ax = x + state_.origin.x - deviceOrigin_.x, ay = y + state_.origin.y - deviceOrigin_.y;
        if (((ax + ay) & 1) == 0) Invert(x, y);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 != r.top) dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 != r.left) dot(r.right - 1, y);
    }
}

void RasterCanvas::DrawBitmap(int x, int y, const Bitmap& bitmap, const Rect& source) {
    Rect src = source.Intersect({0, 0, bitmap.Width(), bitmap.Height()});
    for (int row = src.top; row < src.bottom; ++row)
        for (int col = src.left; col < src.right; ++col)
            Plot(x + col - source.left, y + row - source.top, bitmap.Pixel(col, row));
}

void RasterCanvas::DrawBitmapTransparent(int x, int y, const Bitmap& bitmap, const Rect& source,
                                         Color transparent) {
    Color key = Resolve(transparent);
    Rect src = source.Intersect({0, 0, bitmap.Width(), bitmap.Height()});
    for (int row = src.top; row < src.bottom; ++row)
        for (int col = src.left; col < src.right; ++col) {
            Color c = bitmap.Pixel(col, row);
            if (c != key) Plot(x + col - source.left, y + row - source.top, c);
        }
}

int RasterCanvas::FontCellWidth() const {
    return std::max(1, (font.PixelHeight() + 1) / 2) + (font.bold ? 1 : 0);
}

int RasterCanvas::FontCellHeight() const {
    return font.PixelHeight() + 2;
}

Size RasterCanvas::TextExtent(std::string_view text) {
    return {CodePoints(text) * FontCellWidth(), FontCellHeight()};
}

void RasterCanvas::DrawTextLine(int x, int y, std::string_view text, int underlineIndex) {
    int w = FontCellWidth(), h = FontCellHeight();
    if (textBackground != clNone)
        FillRect(Rect::FromSize(x, y, TextExtent(text).width, h), textBackground);
    Color rgb = Resolve(font.color);
    int cell = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;
        int cx = x + cell * w;
        if (c != ' ' && c != '\t') {
            for (int yy = y + 3; yy < y + h - 3; ++yy) Span(cx + 1, cx + w - 1, yy, rgb);
        }
        if (static_cast<int>(i) == underlineIndex || font.underline)
            Span(cx, cx + w, y + h - 2, rgb);
        ++cell;
    }
}

void RasterCanvas::TextAt(int x, int y, std::string_view text) {
    DrawTextLine(x, y, text, -1);
    position_ = {x + TextExtent(text).width, y};
}

int RasterCanvas::DrawTextIn(std::string_view text, Rect& r, std::uint32_t flags) {
    TextBlock block = LayOutText(text, r, flags, FontCellHeight(),
                                 [this](std::string_view s) { return TextExtent(s).width; });
    if (flags & text::kCalcRect) {
        r = block.bounds;
    } else {
        for (const PlacedLine& l : block.lines)
            DrawTextLine(l.at.x, l.at.y, l.line.text, l.line.underline);
    }
    return block.bounds.Height();
}

}  // namespace ui
