#pragma once
// Colour schemes shared by the XP-style controls: the scheme enumeration, the four palettes,
// the dithered gradient painter, the tint rule and the two-line frame of lists and memos.

#include <cstdint>
#include <functional>

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/geometry.h"

namespace controls {

// The palette index is not the enumeration value: xpAutomatic sits at 3, xpOrange at 4,
// while the orange palette is index 3.
enum class TXPScheme : std::uint8_t { xpBlue = 0, xpSilver = 1, xpGreen = 2, xpAutomatic = 3, xpOrange = 4 };
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
    ui::Color headerBandEnd;       // header band gradient, right end (left end is white)
    ui::Color headerChevron;       // chevrons, enabled and not hot
    const char* headerToggleImage;  // name of the 20 x 20 round toggle image
    XPGradientColors faceDisabled;
    XPGradientColors facePressed;
    XPGradientColors faceHot;      // hot and not held
    XPGradientColors faceNormal;   // every other state
    XPGradientColors hotRing;
    XPGradientColors focusRing;    // focus or default ring
    ui::Color buttonBorder;        // enabled
    ui::Color frameBase;           // list box / memo frame base (outer line before tint)
};

// Disabled colours shared by all palettes.
constexpr ui::Color kDisabledButtonBorder = ui::Hex(0xB8AA9A);
constexpr ui::Color kDisabledHeaderText = ui::Hex(0xB8AA9A);
constexpr ui::Color kDisabledFrameBase = ui::Hex(0xB7A593);

// Palette 0..3; any other index gives the blue palette.
const XPPalette& PaletteColors(int palette);

// Decides the palette of xpAutomatic: 0, 1 or 2. The program installs one that asks the
// running desktop theme (DetectXPColorScheme); until then automatic means blue. An exception
// from it reaches whoever set the scheme.
using SchemeDetector = std::function<int()>;
void SetSchemeDetector(SchemeDetector detector);
int DetectCurrentPalette();

// The palette index for SCHEME (xpAutomatic asks the installed detector).
int PaletteIndexFor(TXPScheme scheme);

// Source of the pseudo-random offsets that fray gradient band boundaries.
class DitherGenerator {
public:
    virtual ~DitherGenerator() = default;
    // A value in [0, bound); 0 when bound <= 0.
    virtual int Below(int bound) = 0;
};
// A process-wide xorshift generator.
DitherGenerator& DefaultDither();
// Replaces the generator PaintXPGradient uses by default (nullptr restores the built-in one);
// returns the previous one. Tests install a fixed sequence to get repeatable pixels.
DitherGenerator* SetDefaultDither(DitherGenerator* generator);

// Resizes BITMAP to WIDTH x HEIGHT and paints a STEPS-colour gradient into it. Direction 0 and 2
// run left to right, others top to bottom; 2 and 3 exchange the colours. With DITHER the band
// boundaries are frayed inside a 16-pixel strip that is then tiled across the bitmap.
void PaintXPGradient(int width, int height, ui::Color colour1, ui::Color colour2,
                     std::uint8_t steps, std::uint8_t direction, bool dither, ui::Bitmap& bitmap);
void PaintXPGradient(int width, int height, ui::Color colour1, ui::Color colour2,
                     std::uint8_t steps, std::uint8_t direction, bool dither, ui::Bitmap& bitmap,
                     DitherGenerator& generator);

// The palette's base colour (or the disabled one) lightened towards white by PERCENT (0..100).
ui::Color SchemeTint(int percent, bool enabled, int palette);

// Two one-pixel outlines along the edge of WINDOW (window coordinates, border included): the
// 35 % tint outside, white inside.
void DrawSchemeFrame(ui::Canvas& canvas, const ui::Rect& window, bool enabled, int palette);

}  // namespace controls
