#include "controls/xp_scheme.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "ui/application.h"

namespace controls {

using ui::Hex;

namespace {

constexpr XPPalette kPalettes[4] = {
    // 0 blue
    {Hex(0xC6D7F7),
     Hex(0x055CE0),
     "KVZ_XPHBNOR",
     {Hex(0xFFFFFF), Hex(0xEFEBE7)},
     {Hex(0xD9D8CE), Hex(0xE4E4E4)},
     {Hex(0xFFFFFF), Hex(0xEFEBE7)},
     {Hex(0xFFFFFF), Hex(0xEFEBE7)},
     {Hex(0xFFDD9D), Hex(0xFFBE46)},
     {Hex(0xCEE7FF), Hex(0x6D84EF)},
     Hex(0x333399),
     Hex(0x366FCD)},
    // 1 silver
    {Hex(0xD0D2D9),
     Hex(0x314473),
     "KVZ_XPHBNORS",
     {Hex(0xFFFFFF), Hex(0xEFEBE7)},
     {Hex(0xCDCCDF), Hex(0xFDFDFD)},
     {Hex(0xFDFDFD), Hex(0xD6D7E7)},
     {Hex(0xFDFDFD), Hex(0xCDCCDF)},
     {Hex(0xFFDD9D), Hex(0xFFBE46)},
     {Hex(0xCEE7FF), Hex(0x6D84EF)},
     Hex(0x333399),
     Hex(0x7979BD)},
    // 2 green
    {Hex(0xDAE2A9),
     Hex(0x4B671C),
     "KVZ_XPHBNORG",
     {Hex(0xF6F2E9), Hex(0xF6F2E9)},
     {Hex(0xECE3CC), Hex(0xECE3CC)},
     {Hex(0xFEFFF2), Hex(0xF3EEDB)},
     {Hex(0xFEFFF2), Hex(0xF3EEDB)},
     {Hex(0xFFD382), Hex(0xE79600)},
     {Hex(0xC2D89C), Hex(0x8DB447)},
     Hex(0x516828),
     Hex(0x87A058)},
    // 3 orange (the header never uses this palette; its header fields repeat blue's)
    {Hex(0xC6D7F7),
     Hex(0x055CE0),
     "KVZ_XPHBNOR",
     {Hex(0xF6F2E9), Hex(0xF6F2E9)},
     {Hex(0xFBB56F), Hex(0xFFF4EA)},
     {Hex(0xFFF4EA), Hex(0xFCBF83)},
     {Hex(0xFFF4EA), Hex(0xFBB56F)},
     {Hex(0xFFFFFF), Hex(0xBEBEBE)},
     {Hex(0xCEE7FF), Hex(0x6D84EF)},
     Hex(0x333399),
     Hex(0xF98715)},
};

class XorShiftDither final : public DitherGenerator {
  public:
    int Below(int bound) override {
        if (bound <= 0) return 0;
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<int>(state_ % static_cast<std::uint64_t>(bound));
    }

  private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

// What the controls of one application share about schemes (ui::Application::Shared).
struct SchemeState {
    SchemeDetector detector;
    XorShiftDither builtInDither;
    DitherGenerator* dither = &builtInDither;
};

SchemeState& StateOf(ui::Application& app) {
    return app.Shared<SchemeState>();
}

// a * b / c rounded to the nearest integer (halves away from zero), for non-negative values.
int MulDiv(int a, int b, int c) {
    long long product = static_cast<long long>(a) * b;
    return static_cast<int>((product + c / 2) / c);
}

}  // namespace

const XPPalette& PaletteColors(int palette) {
    if (palette < 0 || palette > 3) palette = kPaletteBlue;
    return kPalettes[palette];
}

SchemeDetector SetSchemeDetector(ui::Application& app, SchemeDetector detector) {
    return std::exchange(StateOf(app).detector, std::move(detector));
}

int DetectCurrentPalette(ui::Application& app) {
    const SchemeDetector& detector = StateOf(app).detector;
    if (!detector) return kPaletteBlue;
    int palette = detector();
    return (palette >= 0 && palette <= 2) ? palette : kPaletteBlue;
}

int PaletteIndexFor(TXPScheme scheme, ui::Application& app) {
    switch (scheme) {
        case TXPScheme::xpBlue:
            return kPaletteBlue;
        case TXPScheme::xpSilver:
            return kPaletteSilver;
        case TXPScheme::xpGreen:
            return kPaletteGreen;
        case TXPScheme::xpAutomatic:
            return DetectCurrentPalette(app);
        case TXPScheme::xpOrange:
            return kPaletteOrange;
    }
    return kPaletteBlue;
}

DitherGenerator& DitherFor(ui::Application& app) {
    return *StateOf(app).dither;
}

ScopedDither::ScopedDither(ui::Application& app, DitherGenerator& generator)
    : app_(app), previous_(std::exchange(StateOf(app).dither, &generator)) {}

ScopedDither::~ScopedDither() {
    StateOf(app_).dither = previous_;
}

void PaintXPGradient(int width, int height, ui::Color colour1, ui::Color colour2,
                     std::uint8_t steps, std::uint8_t direction, bool dither, ui::Bitmap& bitmap,
                     DitherGenerator& generator) {
    colour1 &= 0xFFFFFF;
    colour2 &= 0xFFFFFF;
    width = std::max(width, 0);
    height = std::max(height, 0);
    // Fewer than two steps would divide by zero below; one band is still a gradient of one.
    const int count = std::max<int>(steps, 2);

    if (bitmap.Width() != width || bitmap.Height() != height)
        bitmap.Resize(width, height, colour1);
    else
        bitmap.FillRect({0, 0, width, height}, colour1);
    if (width == 0 || height == 0) return;

    // Colour table, rounded to nearest with ties to even (the default floating-point mode).
    std::array<ui::Color, 256> table{};
    const ui::Color start = direction >= 2 ? colour2 : colour1;
    const ui::Color end = direction >= 2 ? colour1 : colour2;
    const double dr = (double(ui::RedOf(end)) - ui::RedOf(start)) / (count - 1);
    const double dg = (double(ui::GreenOf(end)) - ui::GreenOf(start)) / (count - 1);
    const double db = (double(ui::BlueOf(end)) - ui::BlueOf(start)) / (count - 1);
    for (int i = 0; i < count; ++i) {
        auto channel = [&](std::uint8_t base, double step) {
            long v = base + std::lrint(i * step);
            return static_cast<std::uint8_t>(std::clamp<long>(v, 0, 255));
        };
        table[static_cast<size_t>(i)] =
            ui::Rgb(channel(ui::RedOf(start), dr), channel(ui::GreenOf(start), dg),
                    channel(ui::BlueOf(start), db));
    }

    // Bands are filled only inside the first 16-pixel strip across the gradient: the tiling at
    // the end overwrites everything beyond it.
    const bool horizontal = direction == 0 || direction == 2;
    const int length = horizontal ? width : height;  // along the gradient
    const int across = horizontal ? height : width;  // across it
    const int strip = std::min(across, 16);
    auto put = [&](int along, int at, ui::Color c) {
        if (horizontal)
            bitmap.SetPixel(along, at, c);
        else
            bitmap.SetPixel(at, along, c);
    };
    const int scatter = length / (count - 1);
    for (int i = 0; i < count; ++i) {
        const int from = MulDiv(i, length, count);
        const int to = MulDiv(i + 1, length, count);
        const ui::Color c = table[static_cast<size_t>(i)];
        if (horizontal)
            bitmap.FillRect({from, 0, to, strip}, c);
        else
            bitmap.FillRect({0, from, strip, to}, c);
        if (!dither || i == 0) continue;
        const ui::Color previous = table[static_cast<size_t>(i - 1)];
        for (int at = 0; at < strip; ++at) {
            for (int j = 0; j <= scatter; ++j) {
                const int along = from + (j > 0 ? generator.Below(j) : 0);
                if (along >= 0 && along < length) put(along, at, previous);
            }
        }
    }

    // Tile the strip across the rest of the bitmap.
    if (horizontal) {
        for (int k = 1; k <= height / 16; ++k)
            bitmap.CopyFrom(bitmap, {0, 0, width, 16}, 0, 16 * k);
    } else {
        for (int k = 1; k <= width / 16; ++k)
            bitmap.CopyFrom(bitmap, {0, 0, 16, height}, 16 * k, 0);
    }
}

ui::Color SchemeTint(int percent, bool enabled, int palette) {
    ui::Color base;
    if (!enabled) {
        base = kDisabledFrameBase;
    } else {
        switch (palette) {
            case 0:
                base = Hex(0x366FCD);
                break;
            case 1:
                base = Hex(0x7979BD);
                break;
            case 2:
                base = Hex(0x87A058);
                break;
            case 3:
                base = Hex(0xF98715);
                break;
            default:
                base = Hex(0xFFFFFF);
                break;
        }
    }
    percent = std::clamp(percent, 0, 100);
    // The fraction is taken first: 35 / 100 is slightly below 0.35 in binary, which decides
    // the halves (0xA5 lightens to 0xC4, not 0xC5).
    const double fraction = percent / 100.0;
    auto lighten = [fraction](std::uint8_t c) {
        long v = c + std::lrint((255.0 - c) * fraction);
        return static_cast<std::uint8_t>(std::clamp<long>(v, 0, 255));
    };
    return ui::Rgb(lighten(ui::RedOf(base)), lighten(ui::GreenOf(base)), lighten(ui::BlueOf(base)));
}

void DrawSchemeFrame(ui::Canvas& canvas, const ui::Rect& window, bool enabled, int palette) {
    canvas.FrameRect(window, SchemeTint(35, enabled, palette));
    canvas.FrameRect(window.Inflate(-1, -1), ui::clWhite);
}

}  // namespace controls
