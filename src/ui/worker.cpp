#include "ui/worker.h"

#include <chrono>
#include <exception>
#include <thread>

#include "ui/application.h"

namespace ui {

Worker::Worker(Application& app) : app_(app), link_(std::make_shared<Link>(Link{this})) {}

Worker::~Worker() {
    if (job_) job_->Join();
    link_->worker = nullptr;
}

void Worker::Start(std::function<void()> job, std::function<void()> done) {
    if (job_) job_->Join();  // done already: its last task has run
    busy_ = true;
    job_ =
        app_.GetBackend().StartJob([this, job = std::move(job), done = std::move(done)]() mutable {
            try {
                job();
            } catch (...) {
                Post([failure = std::current_exception()] { std::rethrow_exception(failure); });
            }
            Post([this, done = std::move(done)] {
                busy_ = false;
                if (done) done();
            });
        });
}

void Worker::Post(std::function<void()> task) {
    app_.Post([link = link_, task = std::move(task)] {
        if (link->worker != nullptr) task();
    });
}

bool Worker::Wait(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        app_.GetBackend().ProcessMessages();
        if (!busy_) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace ui
