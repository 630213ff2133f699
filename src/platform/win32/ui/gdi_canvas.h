#pragma once
// Canvas over a GDI device context. Pens, brushes and fonts are created per call from the
// canvas state and released at once, so the DC is left as it was given.

#include <windows.h>

#include <map>

#include "platform/win32/ui/gdi.h"
#include "ui/canvas.h"

namespace platform::win32 {

class GdiCanvas final : public ui::Canvas {
  public:
    GdiCanvas(HDC dc, const ui::ColorResolver& colors);
    ~GdiCanvas() override;

    HDC Dc() const { return dc_; }

    using Canvas::DrawBitmap;
    using Canvas::DrawBitmapTransparent;

    void FillRect(const ui::Rect& r, ui::Color c) override;
    void SetPixel(int x, int y, ui::Color c) override;
    ui::Color GetPixel(int x, int y) override;
    void FrameRect(const ui::Rect& r, ui::Color c) override;
    void LineTo(int x, int y) override;
    void Rectangle(const ui::Rect& r) override;
    void RoundRect(const ui::Rect& r, int ellipseWidth, int ellipseHeight) override;
    void Ellipse(const ui::Rect& r) override;
    void Polygon(const ui::Point* points, int count) override;
    void DrawFocusRect(const ui::Rect& r) override;
    void DrawBitmap(int x, int y, const ui::Bitmap& bitmap, const ui::Rect& source) override;
    void DrawBitmapTransparent(int x, int y, const ui::Bitmap& bitmap, const ui::Rect& source,
                               ui::Color transparent) override;
    ui::Size TextExtent(std::string_view text) override;
    void TextAt(int x, int y, std::string_view text) override;
    int DrawTextIn(std::string_view text, ui::Rect& r, std::uint32_t flags) override;

    // A GDI font for FONT (cached per canvas).
    static FontOwner CreateGdiFont(const ui::Font& font);

  private:
    void OnStateChanged() override;
    PenOwner MakePen() const;
    BrushOwner MakeBrush() const;
    HFONT CurrentFont();
    void PrepareText();
    // Draws one line of TEXT with its cell's top-left corner at (X, Y), the character at byte
    // UNDERLINE (or none when -1) underlined; returns the line's width.
    int DrawTextLine(int x, int y, std::string_view text, int underline);

    HDC dc_;
    int savedDc_;
    std::map<std::string, FontOwner> fonts_;
};

// Copies a toolkit bitmap into a new top-down 32-bit DIB section.
BitmapOwner ToDib(HDC reference, const ui::Bitmap& bitmap);
// Copies the top-left WIDTH x HEIGHT pixels of a device context into a toolkit bitmap
// (screenshots and pixel tests).
ui::Bitmap CopyFromDc(HDC source, int width, int height);

}  // namespace platform::win32
