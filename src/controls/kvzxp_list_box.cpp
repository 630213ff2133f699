#include "controls/kvzxp_list_box.h"

namespace controls {

void TKVZXPCustomListBox::SetXPScheme(TXPScheme scheme) {
    scheme_ = scheme;
    palette_ = PaletteIndexFor(scheme);
    Repaint();
}

void TKVZXPCustomListBox::PaintOverWindow(ui::Canvas& canvas, const ui::Rect& window) {
    DrawSchemeFrame(canvas, window, Enabled(), palette_);
}

// A repaint of the window ends with the frame (PaintOverWindow).
void TKVZXPCustomListBox::EnabledChanged() { Repaint(); }

void TKVZXPCustomListBox::ThemeChanged() {
    if (scheme_ == TXPScheme::xpAutomatic) SetXPScheme(scheme_);
}

}  // namespace controls
