#pragma once
// A progress bar in the XP look: a white trough in a frame of the scheme's button border, the
// done part in green blocks shaded from light at the edges to full in the middle. The bar
// itself is the platform's, so its numbers are read as any progress bar's.

#include "controls/xp_scheme.h"
#include "ui/progress_bar.h"

namespace controls {

class TKVZXPProgressBar : public ui::ProgressBar {
  public:
    explicit TKVZXPProgressBar(ui::Control* parent);

    TXPScheme XPScheme() const { return scheme_; }
    void SetXPScheme(TXPScheme scheme);

    void Paint(ui::Canvas& canvas) override;

  private:
    TXPScheme scheme_ = TXPScheme::xpBlue;
};

}  // namespace controls
