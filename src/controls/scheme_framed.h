#pragma once
// A standard control (list box, memo) with the scheme's two-line frame drawn over its border
// after every paint.

#include "controls/xp_scheme.h"
#include "ui/canvas.h"
#include "ui/control.h"

namespace controls {

template <typename Standard>
class SchemeFramed : public Standard {
  public:
    explicit SchemeFramed(ui::Control* parent) : Standard(parent) {}

    TXPScheme XPScheme() const { return scheme_; }
    // Stores the scheme, maps it to a palette and redraws the frame, changed or not.
    void SetXPScheme(TXPScheme scheme) {
        scheme_ = scheme;
        palette_ = PaletteIndexFor(scheme, this->App());
        this->Repaint();
    }
    int PaletteIndex() const { return palette_; }

    void PaintOverWindow(ui::Canvas& canvas, const ui::Rect& window) override {
        DrawSchemeFrame(canvas, window, this->Enabled(), palette_);
    }
    // A repaint of the window ends with the frame (PaintOverWindow).
    void EnabledChanged() override { this->Repaint(); }
    void ThemeChanged() override {
        if (scheme_ == TXPScheme::xpAutomatic) SetXPScheme(scheme_);
    }

  private:
    TXPScheme scheme_ = TXPScheme::xpBlue;
    int palette_ = kPaletteBlue;
};

}  // namespace controls
