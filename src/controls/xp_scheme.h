#pragma once
// Colour schemes shared by the XP-style controls: the scheme enumeration, the four palettes,
// the dithered gradient painter, the tint rule and the two-line frame of lists and memos.

#include <cstdint>
#include <functional>

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/geometry.h"

namespace ui {
class Application;
}

namespace controls {

// The palette index is not the enumeration value: xpAutomatic sits at 3, xpOrange at 4,
// while the orange palette is index 3.
enum class TXPScheme : std::uint8_t {
    xpBlue = 0,
    xpSilver = 1,
    xpGreen = 2,
    xpAutomatic = 3,
    xpOrange = 4
};
using THXPScheme = TXPScheme;

constexpr int kPaletteBlue = 0;
constexpr int kPaletteSilver = 1;
constexpr int kPaletteGreen = 2;
constexpr int kPaletteOrange = 3;

// A vertical gradient from top to bottom; a flat face has top == bottom.
struct XPGradientColors {
    ui::Color top;
    ui::Color bottom;
};

// Every colour that depends on the palette.
struct XPPalette {
    ui::Color headerBandEnd;        // header band gradient, right end (left end is white)
    ui::Color headerChevron;        // chevrons, enabled and not hot
    const char* headerToggleImage;  // name of the 20 x 20 round toggle image
    XPGradientColors faceDisabled;
    XPGradientColors facePressed;
    XPGradientColors faceHot;     // hot and not held
    XPGradientColors faceNormal;  // every other state
    XPGradientColors hotRing;
    XPGradientColors focusRing;  // focus or default ring
    ui::Color buttonBorder;      // enabled
    ui::Color frameBase;         // list box / memo frame base (outer line before tint)
};

// Disabled colours shared by all palettes.
constexpr ui::Color kDisabledButtonBorder = ui::Hex(0xB8AA9A);
constexpr ui::Color kDisabledHeaderText = ui::Hex(0xB8AA9A);
constexpr ui::Color kDisabledFrameBase = ui::Hex(0xB7A593);

// Palette 0..3; any other index gives the blue palette.
const XPPalette& PaletteColors(int palette);

// Decides the palette of xpAutomatic: 0, 1 or 2. Each application has one: the program installs
// one that asks the running desktop theme (DetectXPColorScheme); until then automatic means
// blue. An exception from it reaches whoever set the scheme.
using SchemeDetector = std::function<int()>;
// Installs DETECTOR for the controls of APP and returns the one it replaces.
SchemeDetector SetSchemeDetector(ui::Application& app, SchemeDetector detector);
int DetectCurrentPalette(ui::Application& app);

// The palette index for SCHEME (xpAutomatic asks APP's detector).
int PaletteIndexFor(TXPScheme scheme, ui::Application& app);

// Installs a detector for as long as it lives (tests).
class ScopedSchemeDetector {
  public:
    ScopedSchemeDetector(ui::Application& app, SchemeDetector detector)
        : app_(app), previous_(SetSchemeDetector(app, std::move(detector))) {}
    ~ScopedSchemeDetector() { SetSchemeDetector(app_, std::move(previous_)); }
    ScopedSchemeDetector(const ScopedSchemeDetector&) = delete;
    ScopedSchemeDetector& operator=(const ScopedSchemeDetector&) = delete;

  private:
    ui::Application& app_;
    SchemeDetector previous_;
};

// Source of the pseudo-random offsets that fray gradient band boundaries.
class DitherGenerator {
  public:
    virtual ~DitherGenerator() = default;
    // A value in [0, bound); 0 when bound <= 0.
    virtual int Below(int bound) = 0;
};
// The generator the controls of APP fray their gradients with: an xorshift sequence of its own
// unless one is installed (ScopedDither).
DitherGenerator& DitherFor(ui::Application& app);

// Makes the controls of APP use GENERATOR for as long as it lives: tests install a fixed
// sequence to get repeatable pixels.
class ScopedDither {
  public:
    ScopedDither(ui::Application& app, DitherGenerator& generator);
    ~ScopedDither();
    ScopedDither(const ScopedDither&) = delete;
    ScopedDither& operator=(const ScopedDither&) = delete;

  private:
    ui::Application& app_;
    DitherGenerator* previous_;
};

// Resizes BITMAP to WIDTH x HEIGHT and paints a STEPS-colour gradient into it. Direction 0 and 2
// run left to right, others top to bottom; 2 and 3 exchange the colours. With DITHER the band
// boundaries are frayed inside a 16-pixel strip that is then tiled across the bitmap.
void PaintXPGradient(int width, int height, ui::Color colour1, ui::Color colour2,
                     std::uint8_t steps, std::uint8_t direction, bool dither, ui::Bitmap& bitmap,
                     DitherGenerator& generator);

// The palette's base colour (or the disabled one) lightened towards white by PERCENT (0..100).
ui::Color SchemeTint(int percent, bool enabled, int palette);

// Two one-pixel outlines along the edge of WINDOW (window coordinates, border included): the
// 35 % tint outside, white inside.
void DrawSchemeFrame(ui::Canvas& canvas, const ui::Rect& window, bool enabled, int palette);

}  // namespace controls
