#include "controls/kvzxp_progress_bar.h"

#include <algorithm>
#include <cstdlib>

namespace controls {

namespace {

constexpr int kBlock = 6;  // width of one block
constexpr int kGap = 2;    // between blocks
constexpr ui::Color kLight = ui::Hex(0xB6EEB2), kFull = ui::Hex(0x2FB73A);

// The colour of row Y of H rows: light at the top and bottom edges, full in the middle.
ui::Color RowColor(int y, int h) {
    const int middle = (h - 1) / 2;
    const int distance = std::abs(y - middle);
    const int span = std::max(1, middle);
    auto mix = [&](int shift) {
        const int a = (kFull >> shift) & 0xFF, b = (kLight >> shift) & 0xFF;
        return a + (b - a) * distance / span;
    };
    return ui::Rgb(static_cast<std::uint8_t>(mix(0)), static_cast<std::uint8_t>(mix(8)),
                   static_cast<std::uint8_t>(mix(16)));
}

}  // namespace

TKVZXPProgressBar::TKVZXPProgressBar(ui::Control* parent) : ui::ProgressBar(parent) {
    SetColor(ui::clWhite);
}

void TKVZXPProgressBar::SetXPScheme(TXPScheme scheme) {
    scheme_ = scheme;
    Invalidate();
}

void TKVZXPProgressBar::Paint(ui::Canvas& canvas) {
    const ui::Rect r = ClientRect();
    const XPPalette& palette = PaletteColors(PaletteIndexFor(scheme_, App()));
    canvas.FillRect(r, GetColor());
    canvas.FrameRect(r, Enabled() ? palette.buttonBorder : kDisabledButtonBorder);
    const ui::Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    if (inner.Width() <= 0 || inner.Height() <= 0) return;
    const int done = DoneWidth(inner.Width());
    for (int y = inner.top; y < inner.bottom; ++y) {
        const ui::Color row = RowColor(y - inner.top, inner.Height());
        for (int x = inner.left; x < inner.left + done; x += kBlock + kGap)
            canvas.FillRect({x, y, std::min(x + kBlock, inner.left + done), y + 1}, row);
    }
}

}  // namespace controls
