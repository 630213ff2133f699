#pragma once
// --schedule and --unschedule: the user's (or, with --system, the machine's) task in the Task
// Scheduler; and the scheduled cleaning --list shows.

#include <string>

#include "cli/command_line.h"
#include "engine/cleaning_run.h"
#include "engine/policy.h"
#include "platform/console.h"
#include "platform/task_scheduler.h"

namespace cli {

struct ScheduleContext {
    const engine::CleaningServices& services;
    platform::TaskScheduler& scheduler;
    const engine::Policy& policy;
    platform::Console& console;
};

// Runs --schedule or --unschedule; returns the exit code. Throws UsageError.
int ScheduleCommand(const CommandLine& line, const ScheduleContext& context);

// The two tasks as --list shows them, as text lines and as a JSON array.
std::string SchedulesText(const ScheduleContext& context);
std::string SchedulesJson(const ScheduleContext& context);

}  // namespace cli
