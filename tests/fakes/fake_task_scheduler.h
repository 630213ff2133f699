#pragma once
// A task scheduler for tests: the registered tasks by name, and a reason to refuse with.

#include <map>
#include <string>

#include "platform/task_scheduler.h"

namespace fakes {

class FakeTaskScheduler : public platform::TaskScheduler {
  public:
    std::map<std::string, platform::ScheduledTask> tasks;
    // When set, every registration and removal fails with this reason.
    std::string refusal;
    // When set, only a task running as the user may be registered (a standard user's rights).
    bool standardUser = false;
    int registrations = 0;

    std::string Register(const std::string& name, const platform::ScheduledTask& task) override {
        if (!refusal.empty()) return refusal;
        if (standardUser && task.system) return "Access is denied.";
        ++registrations;
        tasks[name] = task;
        return "";
    }
    std::optional<platform::ScheduledTask> Find(const std::string& name) override {
        auto found = tasks.find(name);
        if (found == tasks.end()) return std::nullopt;
        return found->second;
    }
    std::string Remove(const std::string& name) override {
        if (!refusal.empty()) return refusal;
        tasks.erase(name);
        return "";
    }
};

}  // namespace fakes
