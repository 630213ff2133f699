#pragma once
// Shared machinery of the Windows gallery tests: a form of controls is painted into a real
// window, captured, and compared with the raster canvas's rendering of the same controls.
// Text is masked out of that comparison (the two canvases draw different fonts); captions are
// compared on their own with the caption drawn alone in the same font. Every capture is
// written to <build>/gallery/<name>.png and, at the end of the run, all of them into
// gallery.png.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/xp_scheme.h"
#include "platform/win32/ui/win32_backend.h"
#include "ui/application.h"
#include "ui/bitmap.h"
#include "ui/form.h"

namespace gallery {

// No fraying: both renderings then paint the same gradients whatever their order.
struct NoDither final : controls::DitherGenerator {
    int Below(int) override { return 0; }
};

// The client area of HWND, W x H pixels, as it is on the screen.
ui::Bitmap Capture(HWND hwnd, int w, int h);

// The window tree painted on the raster canvas, as the headless backend does.
void RenderRaster(ui::Control& windowed, ui::Bitmap& target, ui::Point at,
                  const ui::ColorResolver& colors);

// The larger of the GDI and the raster canvas's extent of TEXT in FONT.
ui::Size TextBound(const ui::Font& font, std::string_view text, const ui::ColorResolver& colors);
// The extent GDI measures for TEXT in FONT.
ui::Size GdiTextExtent(const ui::Font& font, std::string_view text,
                       const ui::ColorResolver& colors);

struct Compared {
    ui::Control* control;
    ui::Rect area;                // control coordinates; empty: the whole control
    std::vector<ui::Rect> masks;  // text, control coordinates: not compared
    std::string what;
    int tolerance = 0;  // pixels allowed to differ
};

// A caption: its pixels of FONT's colour, looked for in SEARCH, must be those of TEXT drawn
// alone in FONT (nothing cut, nothing added) and lie inside LAID_OUT, the rectangle the
// control measured for it (control coordinates both).
struct ComparedCaption {
    ui::Control* control;
    std::string text;
    ui::Font font;
    ui::Rect laidOut;
    ui::Rect search;
    std::string what;
};

class GalleryTest : public ::testing::Test {
  protected:
    GalleryTest();
    ~GalleryTest() override;

    template <typename T>
    T& Add(ui::Control* parent, int x, int y, int w, int h) {
        auto control = std::make_unique<T>(parent);
        control->SetBounds(x, y, w, h);
        T& ref = *control;
        owned.push_back(std::move(control));
        return ref;
    }
    // Compares AREA of C (the whole control, as it is at capture, when empty) outside MASKS.
    void Compare(ui::Control& c, const std::string& what, std::vector<ui::Rect> masks = {},
                 int tolerance = 0, ui::Rect area = {});
    void CompareCaption(ui::Control& c, const std::string& what, std::string text,
                        const ui::Font& font, ui::Rect laidOut, ui::Rect search) {
        captions.push_back({&c, std::move(text), font, laidOut, search, what});
    }
    ui::Size TextBound(const ui::Font& font, std::string_view text) {
        return gallery::TextBound(font, text, backend.Colors());
    }
    ui::Size GdiTextExtent(const ui::Font& font, std::string_view text) {
        return gallery::GdiTextExtent(font, text, backend.Colors());
    }
    // Lets the form paint, captures W x H of its client area, writes the pictures under NAME
    // and checks every compared control and caption. The compared lists are emptied.
    void CaptureAndCompare(const std::string& name, int w, int h);

    platform::win32::Win32Backend backend;
    ui::Application app{backend};
    ui::Form form{app};
    std::vector<std::unique_ptr<ui::Control>> owned;
    std::vector<Compared> compared;
    std::vector<ComparedCaption> captions;

  private:
    void CheckCaption(const ComparedCaption& c, const ui::Bitmap& real);

    NoDither noDither_;
    controls::ScopedDither dither_{app, noDither_};
};

}  // namespace gallery
