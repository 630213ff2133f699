#pragma once
// A repeating timer on the interface thread.

#include <functional>
#include <memory>

#include "ui/backend.h"

namespace ui {

class Application;

class Timer {
  public:
    explicit Timer(Application& app);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Called by the backend when the interval has passed: runs OnTimer (the backend catches
    // what it raises).
    void Fire();
    Application& App() const { return app_; }

    std::function<void()> OnTimer;

  private:
    Application& app_;
    int interval_ = 1000;
    bool enabled_ = true;
    std::unique_ptr<TimerPeer> peer_;
};

}  // namespace ui
