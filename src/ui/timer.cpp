#include "ui/timer.h"

#include "ui/application.h"

namespace ui {

Timer::Timer(Application& app) : app_(app), peer_(app.GetBackend().CreateTimerPeer(*this)) {}

Timer::~Timer() {
    enabled_ = false;
    peer_.reset();
}

void Timer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    if (peer_) peer_->Reset();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (peer_) peer_->Reset();
}

void Timer::Fire() {
    if (enabled_ && OnTimer) OnTimer();
}

}  // namespace ui
