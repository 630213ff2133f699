#include "controls/kvzxp_memo.h"

namespace controls {

void TKVZXPCustomMemo::SetXPScheme(TXPScheme scheme) {
    scheme_ = scheme;
    palette_ = PaletteIndexFor(scheme);
    Repaint();
}

void TKVZXPCustomMemo::PaintOverWindow(ui::Canvas& canvas, const ui::Rect& window) {
    DrawSchemeFrame(canvas, window, Enabled(), palette_);
}

// A repaint of the window ends with the frame (PaintOverWindow).
void TKVZXPCustomMemo::EnabledChanged() { Repaint(); }

void TKVZXPCustomMemo::ThemeChanged() {
    if (scheme_ == TXPScheme::xpAutomatic) SetXPScheme(scheme_);
}

}  // namespace controls
