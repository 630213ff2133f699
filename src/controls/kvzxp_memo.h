#pragma once
// The standard multi-line edit with the scheme's two-line frame drawn over its border after
// every paint.

#include "controls/xp_scheme.h"
#include "ui/memo.h"

namespace controls {

class TKVZXPCustomMemo : public ui::Memo {
public:
    explicit TKVZXPCustomMemo(ui::Control* parent) : ui::Memo(parent) {}

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

class TKVZXPMemo : public TKVZXPCustomMemo {
public:
    using TKVZXPCustomMemo::TKVZXPCustomMemo;
};

}  // namespace controls
