#pragma once
// A job on a thread of its own, waited for at the latest when it goes.

#include <functional>
#include <thread>

#include "ui/backend.h"

namespace ui {

class ThreadJob final : public JobPeer {
  public:
    explicit ThreadJob(std::function<void()> job) : thread_(std::move(job)) {}
    ~ThreadJob() override { ThreadJob::Join(); }
    void Join() override {
        if (thread_.joinable()) thread_.join();
    }

  private:
    std::thread thread_;
};

}  // namespace ui
