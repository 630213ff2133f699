#pragma once
// A 24-bit pixel bitmap both backends can draw. Pixels are plain RGB colour values
// (0x00BBGGRR), stored row by row from the top.

#include <cstdint>
#include <vector>

#include "ui/color.h"
#include "ui/geometry.h"

namespace ui {

class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Color fill = 0) { Resize(width, height, fill); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    Size GetSize() const { return {width_, height_}; }

    // Sets the size; the pixels are reset to FILL.
    void Resize(int width, int height, Color fill = 0);

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Color Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, Color c) { pixels_[Index(x, y)] = c & 0xFFFFFF; }
    // Writes when (x, y) is inside; ignored otherwise.
    void PutPixel(int x, int y, Color c) {
        if (Inside(x, y)) SetPixel(x, y, c);
    }
    void FillRect(const Rect& r, Color c);
    // Copies SOURCE's rectangle SRC to (x, y), clipped to this bitmap.
    void CopyFrom(const Bitmap& source, const Rect& src, int x, int y);

    const std::vector<Color>& Pixels() const { return pixels_; }
    std::vector<Color>& Pixels() { return pixels_; }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

  private:
    size_t Index(int x, int y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

}  // namespace ui
