#include "ui/bitmap.h"

namespace ui {

void Bitmap::Resize(int width, int height, Color fill) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill & 0xFFFFFF);
}

void Bitmap::FillRect(const Rect& r, Color c) {
    Rect clip = r.Intersect({0, 0, width_, height_});
    for (int y = clip.top; y < clip.bottom; ++y) {
        auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(Index(clip.left, y));
        std::fill(row, row + clip.Width(), c & 0xFFFFFF);
    }
}

void Bitmap::CopyFrom(const Bitmap& source, const Rect& src, int x, int y) {
    Rect from = src.Intersect({0, 0, source.width_, source.height_});
    // Shift the destination by what clipping removed from the source.
    x += from.left - src.left;
    y += from.top - src.top;
    for (int row = 0; row < from.Height(); ++row) {
        int dy = y + row;
        if (dy < 0 || dy >= height_) continue;
        for (int col = 0; col < from.Width(); ++col) {
            int dx = x + col;
            if (dx < 0 || dx >= width_) continue;
            pixels_[Index(dx, dy)] = source.Pixel(from.left + col, from.top + row);
        }
    }
}

}  // namespace ui
