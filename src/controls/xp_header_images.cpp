#include "controls/xp_header_images.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

ui::Color Mix(ui::Color a, ui::Color b, double t) {
    auto ch = [t](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
    return ui::Rgb(ch(ui::RedOf(a), ui::RedOf(b)), ch(ui::GreenOf(a), ui::GreenOf(b)),
                   ch(ui::BlueOf(a), ui::BlueOf(b)));
}

}  // namespace

ui::Bitmap HeaderToggleImage(std::string_view name) {
    ui::Color background = ui::Hex(0xD0D8FF);
    ui::Color ring = ui::Hex(0x9AAAD8);
    if (name == "KVZ_XPHBNORS") {
        background = ui::Hex(0xDADAE3);
        ring = ui::Hex(0xA4A4B4);
    } else if (name == "KVZ_XPHBNORG") {
        background = ui::Hex(0xE2E9BC);
        ring = ui::Hex(0xAAB67E);
    }
    ui::Bitmap image(kHeaderToggleSize, kHeaderToggleSize, background);
    const double centre = (kHeaderToggleSize - 1) / 2.0;
    const double outer = 9.0, inner = 8.0;
    for (int y = 0; y < kHeaderToggleSize; ++y)
        for (int x = 0; x < kHeaderToggleSize; ++x) {
            double d = std::hypot(x - centre, y - centre);
            if (d <= inner - 0.5) {
                image.SetPixel(x, y, ui::clWhite);
            } else if (d <= inner + 0.5) {
                // Soft inner edge between the white face and the ring.
                image.SetPixel(x, y, Mix(ui::clWhite, ring, d - (inner - 0.5)));
            } else if (d <= outer + 0.5) {
                // Soft outer edge between the ring and the background.
                image.SetPixel(x, y, Mix(ring, background, std::max(0.0, d - outer)));
            }
        }
    return image;
}

}  // namespace controls
