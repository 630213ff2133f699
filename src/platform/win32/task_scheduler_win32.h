#pragma once
// The Task Scheduler through its COM interface (ITaskService), in the root task folder. Needs
// COM on the calling thread.

#include "platform/task_scheduler.h"

namespace platform::win32 {

class TaskSchedulerWin32 final : public TaskScheduler {
  public:
    std::string Register(const std::string& name, const ScheduledTask& task) override;
    std::optional<ScheduledTask> Find(const std::string& name) override;
    std::string Remove(const std::string& name) override;
};

}  // namespace platform::win32
