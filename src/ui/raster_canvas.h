#pragma once
// A Canvas that draws into a Bitmap, with the GDI rules for lines and shapes. The headless
// backend paints with it, and tests check pixels on it.
//
// Text uses a fixed-metric block font: every character cell is FontCellWidth() wide and
// FontCellHeight() high, and a visible character is drawn as a solid block inside its cell.
// Layout (alignment, word breaks, ellipsis, accelerator underline) follows DrawText.

#include "ui/canvas.h"

namespace ui {

class RasterCanvas : public Canvas {
  public:
    explicit RasterCanvas(Bitmap& target, const ColorResolver& colors = DefaultColorResolver());

    Bitmap& Target() { return target_; }
    // Where the window being painted sits in the target: dotted focus rectangles align to the
    // window, as they align to the device on a screen.
    void SetDeviceOrigin(Point origin) { deviceOrigin_ = origin; }

    using Canvas::DrawBitmap;
    using Canvas::DrawBitmapTransparent;

    void FillRect(const Rect& r, Color c) override;
    void SetPixel(int x, int y, Color c) override;
    Color GetPixel(int x, int y) override;
    void FrameRect(const Rect& r, Color c) override;
    void LineTo(int x, int y) override;
    void Rectangle(const Rect& r) override;
    void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight) override;
    void Ellipse(const Rect& r) override;
    void Polygon(const Point* points, int count) override;
    void DrawFocusRect(const Rect& r) override;
    void DrawBitmap(int x, int y, const Bitmap& bitmap, const Rect& source) override;
    void DrawBitmapTransparent(int x, int y, const Bitmap& bitmap, const Rect& source,
                               Color transparent) override;
    Size TextExtent(std::string_view text) override;
    void TextAt(int x, int y, std::string_view text) override;
    int DrawTextIn(std::string_view text, Rect& r, std::uint32_t flags) override;

    int FontCellWidth() const;
    int FontCellHeight() const;

  private:
    // Writes one pixel in canvas coordinates, honouring origin and clip.
    void Plot(int x, int y, Color rgb);
    // XORs one pixel (focus rectangles).
    void Invert(int x, int y);
    void Span(int x0, int x1, int y, Color rgb);  // [x0, x1)
    // Draws a pen line from A to B, B excluded.
    void PenLine(Point a, Point b, Color rgb, bool dotted);
    void DrawTextLine(int x, int y, std::string_view text, int underlineIndex);

    Bitmap& target_;
    Point deviceOrigin_;
};

}  // namespace ui
