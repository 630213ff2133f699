#include "ui/progress_bar.h"

#include <algorithm>

#include "ui/peer_factory.h"

namespace ui {

ProgressBar::ProgressBar(Control* parent) : Control(parent) {}

ProgressBar::~ProgressBar() {
    ReleasePeer();
}

std::unique_ptr<ControlPeer> ProgressBar::CreatePeer(PeerFactory& factory) {
    return factory.MakeProgressBar(*this);
}

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    NotifyPeer(Change::Model);
    Invalidate();
}

void ProgressBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    NotifyPeer(Change::Model);
    Invalidate();
}

int ProgressBar::DoneWidth(int width) const {
    if (max_ == min_) return 0;
    return static_cast<int>(static_cast<long long>(width) * (position_ - min_) / (max_ - min_));
}

void ProgressBar::Paint(Canvas& canvas) {
    const Rect r = ClientRect();
    canvas.FillRect(r, GetColor());
    canvas.FrameRect(r, clBtnShadow);
    const Rect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    canvas.FillRect({inner.left, inner.top, inner.left + DoneWidth(inner.Width()), inner.bottom},
                    clHighlight);
}

}  // namespace ui
