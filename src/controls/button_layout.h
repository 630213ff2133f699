#pragma once
// Where a speed button puts its glyph and caption.

#include <cstdint>

#include "ui/geometry.h"

namespace controls {

enum class TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ButtonLayoutResult {
    ui::Point glyph;  // top-left corner of the glyph
    ui::Rect text;    // caption rectangle
    int margin = 0;   // margin and spacing as finally used
    int spacing = 0;
};

// CLIENT is the button's client rectangle, OFFSET the press offset, GLYPH the cell size (0 x 0
// without a glyph) and TEXT the measured caption (0 x 0 without one). MARGIN -1 centres the
// pair; SPACING -1 spreads glyph and caption evenly.
ButtonLayoutResult CalcButtonLayout(const ui::Rect& client, ui::Point offset, ui::Size glyph,
                                    ui::Size text, TButtonLayout layout, int margin, int spacing,
                                    bool rightToLeft);

}  // namespace controls
