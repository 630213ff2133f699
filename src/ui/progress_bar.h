#pragma once
// A progress bar (standard control): a position within a range. The native bar holds the same
// numbers, so the platform's progress-bar messages and screen readers read them; what shows
// is the control's own Paint, which a control set may override with its look.

#include "ui/control.h"

namespace ui {

class ProgressBar : public Control {
  public:
    explicit ProgressBar(Control* parent);
    ~ProgressBar() override;

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // MAX below MIN is taken as MIN; the position is kept within the range.
    void SetRange(int min, int max);
    void SetPosition(int position);

    // A plain look: a frame, and the done part filled in the highlight colour.
    void Paint(Canvas& canvas) override;

  protected:
    std::unique_ptr<ControlPeer> CreatePeer(PeerFactory& factory) override;
    // The width of the done part within WIDTH.
    int DoneWidth(int width) const;

  private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

}  // namespace ui
