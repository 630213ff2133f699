#pragma once
// One job at a time away from the interface thread (a cleaning run, an analysis), so the
// windows keep painting and answering meanwhile. The job touches no control: it hands every
// effect to the interface thread through Post, where they run in the order posted; DONE runs
// there after the last of them.

#include <functional>
#include <memory>

#include "ui/backend.h"

namespace ui {

class Application;

class Worker {
  public:
    explicit Worker(Application& app);
    // Waits for the job (its owner asks it to stop first); tasks it posted that have not run
    // by then never do.
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Interface thread: from Start until DONE has run.
    bool Busy() const { return busy_; }
    // Starts JOB. An exception it raises goes to the general error report, in its place among
    // the job's tasks. Not while Busy().
    void Start(std::function<void()> job, std::function<void()> done);
    // From the job: runs TASK on the interface thread at its turn, unless this worker is gone
    // by then.
    void Post(std::function<void()> task);
    // Interface thread: handles messages (the job's tasks among them) until the job is done or
    // MILLISECONDS have passed; whether it is done.
    bool Wait(int milliseconds);

  private:
    // What posted tasks hold of the worker; cleared when it goes.
    struct Link {
        Worker* worker;
    };

    Application& app_;
    std::shared_ptr<Link> link_;
    std::unique_ptr<JobPeer> job_;
    bool busy_ = false;
};

}  // namespace ui
