#pragma once
// The standard list box with the scheme's two-line frame drawn over its border after every
// paint.

#include "controls/xp_scheme.h"
#include "ui/list_box.h"

namespace controls {

class TKVZXPCustomListBox : public ui::ListBox {
public:
    explicit TKVZXPCustomListBox(ui::Control* parent) : ui::ListBox(parent) {}

    TXPScheme XPScheme() const { return scheme_; }
    // Stores the scheme, maps it to a palette and redraws the frame, changed or not.
    void SetXPScheme(TXPScheme scheme);
    int PaletteIndex() const { return palette_; }

    void PaintOverWindow(ui::Canvas& canvas, const ui::Rect& window) override;
    void EnabledChanged() override;
    void ThemeChanged() override;

private:
    TXPScheme scheme_ = TXPScheme::xpBlue;
    int palette_ = kPaletteBlue;
};

class TKVZXPListBox : public TKVZXPCustomListBox {
public:
    using TKVZXPCustomListBox::TKVZXPCustomListBox;
};

}  // namespace controls
