#include <gtest/gtest.h>

#include "controls/glyphs/button_glyphs.h"

using glyphs::kTransparent;

namespace {

// Pixels other than the transparent colour.
int Opaque(const ui::Bitmap& b) {
    int n = 0;
    for (ui::Color c : b.Pixels()) n += c != kTransparent;
    return n;
}

}  // namespace

TEST(Glyphs, SizesTransparencyAndDistinctArtwork) {
    std::vector<ui::Bitmap> all;
    for (int t = 0; t <= static_cast<int>(glyphs::Tool::RemoveItem); ++t)
        all.push_back(glyphs::ToolGlyph(static_cast<glyphs::Tool>(t)));
    all.push_back(glyphs::GroupSelectGlyph(false));
    all.push_back(glyphs::GroupSelectGlyph(true));
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].GetSize(), (ui::Size{16, 16})) << i;
        EXPECT_EQ(all[i].Pixel(0, 15), kTransparent) << i;
        EXPECT_GT(Opaque(all[i]), 20) << i;
        for (size_t j = 0; j < i; ++j) EXPECT_NE(all[i], all[j]) << i << " " << j;
    }
    for (const ui::Bitmap& big : {glyphs::BeginGlyph(), glyphs::StopGlyph(), glyphs::ExitGlyph()}) {
        EXPECT_EQ(big.GetSize(), (ui::Size{32, 32}));
        EXPECT_EQ(big.Pixel(0, 31), kTransparent);
        EXPECT_GT(Opaque(big), 400);
    }
    glyphs::CursorImage hand = glyphs::HandCursor();
    EXPECT_EQ(hand.image.GetSize(), (ui::Size{32, 32}));
    EXPECT_EQ(hand.image.Pixel(hand.hotSpot.x, hand.hotSpot.y), ui::clBlack);  // the fingertip
}
