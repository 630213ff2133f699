#include "controls/button_layout.h"

namespace controls {

ButtonLayoutResult CalcButtonLayout(const ui::Rect& client, ui::Point offset, ui::Size glyph,
                                    ui::Size text, TButtonLayout layout, int margin, int spacing,
                                    bool rightToLeft) {
    if (rightToLeft) {
        if (layout == TButtonLayout::blGlyphLeft)
            layout = TButtonLayout::blGlyphRight;
        else if (layout == TButtonLayout::blGlyphRight)
            layout = TButtonLayout::blGlyphLeft;
    }
    const int cw = client.Width(), ch = client.Height();
    const bool horizontal =
        layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;

    ui::Point g, t;
    if (horizontal) {
        g.y = (ch - glyph.height + 1) / 2;
        t.y = (ch - text.height + 1) / 2;
    } else {
        g.x = (cw - glyph.width + 1) / 2;
        t.x = (cw - text.width + 1) / 2;
    }

    // Spacing means nothing without both a glyph and a caption.
    if (text.width == 0 || glyph.width == 0) spacing = 0;

    const int clientAxis = horizontal ? cw : ch;
    const int glyphAxis = horizontal ? glyph.width : glyph.height;
    const int textAxis = horizontal ? text.width : text.height;
    if (margin == -1) {
        if (spacing == -1) {
            int total = glyphAxis + textAxis;
            margin = (clientAxis - total) / 3;
            spacing = margin;
        } else {
            int total = glyphAxis + spacing + textAxis;
            margin = (clientAxis - total + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = ((clientAxis - (margin + glyphAxis)) - textAxis) / 2;
    }

    switch (layout) {
        case TButtonLayout::blGlyphLeft:
            g.x = margin;
            t.x = g.x + glyph.width + spacing;
            break;
        case TButtonLayout::blGlyphRight:
            g.x = cw - margin - glyph.width;
            t.x = g.x - spacing - text.width;
            break;
        case TButtonLayout::blGlyphTop:
            g.y = margin;
            t.y = g.y + glyph.height + spacing;
            break;
        case TButtonLayout::blGlyphBottom:
            g.y = ch - margin - glyph.height;
            t.y = g.y - spacing - text.height;
            break;
    }

    ButtonLayoutResult r;
    ui::Point shift = client.TopLeft() + offset;
    r.glyph = g + shift;
    r.text = ui::Rect::FromSize(t.x, t.y, text.width, text.height).Offset(shift.x, shift.y);
    r.margin = margin;
    r.spacing = spacing;
    return r;
}

}  // namespace controls
