#include "controls/xp_radio_images.h"

#include <array>
#include <cmath>

namespace controls {

namespace {

using ui::Hex;

// Linear blend of A and B at T (0..1) per channel.
ui::Color Mix(ui::Color a, ui::Color b, double t) {
    auto ch = [&](int ca, int cb) {
        return static_cast<std::uint8_t>(std::lround(ca + (cb - ca) * t));
    };
    return ui::Rgb(ch(ui::RedOf(a), ui::RedOf(b)), ch(ui::GreenOf(a), ui::GreenOf(b)),
                   ch(ui::BlueOf(a), ui::BlueOf(b)));
}

struct Look {
    ui::Color rim;
    ui::Color faceTop, faceBottom;
    bool amberRing;
};

ui::Bitmap Draw(const Look& look) {
    constexpr int kSize = 13;
    constexpr double kCentre = 6.0;
    ui::Bitmap image(kSize, kSize, kRadioTransparent);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            double d = std::hypot(x - kCentre, y - kCentre);
            if (d > 6.5) continue;
            double t = y / double(kSize - 1);
            ui::Color c;
            if (d > 5.45)
                c = look.rim;
            else if (look.amberRing && d > 3.9)
                c = Mix(Hex(0xFFE7A2), Hex(0xF8B330), t);
            else
                c = Mix(look.faceTop, look.faceBottom, t);
            image.SetPixel(x, y, c);
        }
    return image;
}

const std::array<ui::Bitmap, 4>& Images() {
    static const std::array<ui::Bitmap, 4> images = {
        Draw({Hex(0x1C5180), Hex(0xDCDCD7), Hex(0xFFFFFF), false}),
        Draw({Hex(0x1C5180), Hex(0xDCDCD7), Hex(0xFFFFFF), true}),
        Draw({Hex(0x1C5180), Hex(0xB0B0A7), Hex(0xE3E2DA), false}),
        Draw({Hex(0xCAC8BB), Hex(0xFFFFFF), Hex(0xFFFFFF), false}),
    };
    return images;
}

}  // namespace

const ui::Bitmap& RadioImage(XPRadioImage which) {
    return Images()[static_cast<size_t>(which)];
}

const ui::Bitmap* RadioImageByName(std::string_view name) {
    if (name == "KVZ_XPRBUP") return &RadioImage(XPRadioImage::Up);
    if (name == "KVZ_XPRBHOT") return &RadioImage(XPRadioImage::Hot);
    if (name == "KVZ_XPRBDOWN") return &RadioImage(XPRadioImage::Down);
    if (name == "KVZ_XPRBDIS") return &RadioImage(XPRadioImage::Disabled);
    return nullptr;
}

}  // namespace controls
