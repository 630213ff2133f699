#pragma once
// The drawing surface every control paints on. Two implementations: RasterCanvas (into a
// Bitmap, headless) and the GDI canvas of the Win32 backend. Semantics follow GDI:
//  - LineTo draws from the current position up to, not including, the end point;
//  - Rectangle/RoundRect/Ellipse outline with the pen and fill the inside with the brush;
//  - FrameRect draws a one-pixel outline inside the rectangle;
//  - coordinates are relative to the origin; drawing is clipped to the clip rectangle.

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/bitmap.h"
#include "ui/color.h"
#include "ui/font.h"
#include "ui/geometry.h"

namespace ui {

enum class PenStyle { Solid, Dot, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
    Color color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

struct Brush {
    Color color = clWhite;
    BrushStyle style = BrushStyle::Solid;
};

// Text layout options, in the manner of the platform's DrawText.
namespace text {
constexpr std::uint32_t kLeft = 0;
constexpr std::uint32_t kCenter = 1u << 0;
constexpr std::uint32_t kRight = 1u << 1;
constexpr std::uint32_t kVCenter = 1u << 2;
constexpr std::uint32_t kBottom = 1u << 3;
constexpr std::uint32_t kWordBreak = 1u << 4;
constexpr std::uint32_t kSingleLine = 1u << 5;
constexpr std::uint32_t kEndEllipsis = 1u << 6;
constexpr std::uint32_t kNoPrefix = 1u << 7;    // '&' is an ordinary character
constexpr std::uint32_t kHidePrefix = 1u << 8;  // '&' is removed but no underline is drawn
constexpr std::uint32_t kCalcRect = 1u << 9;    // measure only: the rectangle is adjusted
constexpr std::uint32_t kExpandTabs = 1u << 10;
}  // namespace text

class Canvas {
  public:
    virtual ~Canvas() = default;

    // Drawing state.
    Pen pen;
    Brush brush;
    Font font;
    // Background behind text: clNone draws text transparently.
    Color textBackground = clNone;

    const ColorResolver& Colors() const { return *colors_; }
    Color Resolve(Color c) const { return colors_->Resolve(c); }

    // Origin and clipping. The origin is added to every coordinate. SetClip narrows the
    // current clip to R (given relative to the current origin); State/Restore bracket a
    // nested paint.
    struct State {
        Point origin;
        Rect clip;
        bool clipped = false;
    };
    void SetOrigin(Point origin) {
        state_.origin = origin;
        OnStateChanged();
    }
    Point Origin() const { return state_.origin; }
    void SetClip(const Rect& r) {
        Rect absolute = r.Offset(state_.origin.x, state_.origin.y);
        state_.clip = state_.clipped ? state_.clip.Intersect(absolute) : absolute;
        if (state_.clip.IsEmpty()) state_.clip = {};
        state_.clipped = true;
        OnStateChanged();
    }
    State SaveState() const { return state_; }
    void RestoreState(const State& s) {
        state_ = s;
        OnStateChanged();
    }

    // Pixels and areas.
    virtual void FillRect(const Rect& r, Color c) = 0;
    virtual void SetPixel(int x, int y, Color c) = 0;
    virtual Color GetPixel(int x, int y) = 0;
    virtual void FrameRect(const Rect& r, Color c) = 0;

    // Pen and brush shapes.
    void MoveTo(int x, int y) { position_ = {x, y}; }
    Point PenPosition() const { return position_; }
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(const Rect& r) = 0;
    virtual void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight) = 0;
    virtual void Ellipse(const Rect& r) = 0;
    virtual void Polygon(const Point* points, int count) = 0;
    virtual void DrawFocusRect(const Rect& r) = 0;

    // Bitmaps: opaque, or with every pixel of colour TRANSPARENT left out.
    virtual void DrawBitmap(int x, int y, const Bitmap& bitmap, const Rect& source) = 0;
    virtual void DrawBitmapTransparent(int x, int y, const Bitmap& bitmap, const Rect& source,
                                       Color transparent) = 0;
    void DrawBitmap(int x, int y, const Bitmap& bitmap) {
        DrawBitmap(x, y, bitmap, {0, 0, bitmap.Width(), bitmap.Height()});
    }
    void DrawBitmapTransparent(int x, int y, const Bitmap& bitmap, Color transparent) {
        DrawBitmapTransparent(x, y, bitmap, {0, 0, bitmap.Width(), bitmap.Height()}, transparent);
    }

    // Text in the current font (UTF-8).
    virtual Size TextExtent(std::string_view text) = 0;
    virtual void TextAt(int x, int y, std::string_view text) = 0;
    // Lays out TEXT in R with the text:: flags; returns the text height. With kCalcRect, R is
    // adjusted to the bounds the text needs and nothing is drawn. Glyphs are clipped by the
    // canvas clip only, not by R.
    virtual int DrawTextIn(std::string_view text, Rect& r, std::uint32_t flags) = 0;
    int TextWidth(std::string_view t) { return TextExtent(t).width; }
    int TextHeight(std::string_view t) { return TextExtent(t).height; }

  protected:
    explicit Canvas(const ColorResolver& colors) : colors_(&colors) {}
    // Lets a backend push origin and clip to the device.
    virtual void OnStateChanged() {}
    const State& CurrentState() const { return state_; }
    Point position_;
    State state_;

  private:
    const ColorResolver* colors_;
};

// Restores origin and clip when it goes out of scope.
class CanvasStateGuard {
  public:
    explicit CanvasStateGuard(Canvas& c) : canvas_(c), state_(c.SaveState()) {}
    ~CanvasStateGuard() { canvas_.RestoreState(state_); }
    CanvasStateGuard(const CanvasStateGuard&) = delete;
    CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

  private:
    Canvas& canvas_;
    Canvas::State state_;
};

}  // namespace ui
