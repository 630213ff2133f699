#pragma once
// The system's task scheduler: a task by name, created or replaced, read back and removed.

#include <optional>
#include <string>

namespace platform {

enum class TaskTrigger { Daily, Weekly, Logon };

struct ScheduledTask {
    TaskTrigger trigger = TaskTrigger::Daily;
    // Daily and weekly: the time of day it starts (a weekly task on Mondays).
    int hour = 3;
    int minute = 0;
    // Runs as the machine's own account (SYSTEM), whoever is signed in; else as the user who
    // registers it, while they are signed in. A run that was due while it could not start
    // (the machine off, the user away) starts as soon as it can.
    bool system = false;
    std::string program;  // full path
    std::string arguments;
    std::string description;

    bool operator==(const ScheduledTask&) const = default;
};

class TaskScheduler {
  public:
    virtual ~TaskScheduler() = default;
    // Creates the task NAME in the scheduler's root folder, or replaces the one of that name.
    // Returns "" when registered, else the system's reason.
    virtual std::string Register(const std::string& name, const ScheduledTask& task) = 0;
    // The task NAME as the scheduler holds it; nullopt when there is none. A task it cannot
    // read whole (another program's, or changed by hand) comes back with what could be read.
    virtual std::optional<ScheduledTask> Find(const std::string& name) = 0;
    // Removes the task NAME. Returns "" when it is gone (or was not there), else the reason.
    virtual std::string Remove(const std::string& name) = 0;
};

}  // namespace platform
