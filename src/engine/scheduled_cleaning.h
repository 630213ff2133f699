#pragma once
// Scheduled cleaning: one task in the system's task scheduler for each user who asks (and one
// for the machine), running skarvel-cli --clean with the chosen ids, quietly, into the event
// log. The task is the only record of the schedule: what it runs is read back from it.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/policy.h"
#include "platform/task_scheduler.h"

namespace platform {
class System;
}

namespace engine {

inline constexpr char kCliProgramName[] = "skarvel-cli.exe";

struct Schedule {
    platform::TaskTrigger trigger = platform::TaskTrigger::Daily;
    int hour = 3, minute = 0;  // daily and weekly
    bool system = false;       // the machine's task, run as SYSTEM
    std::vector<std::string> ids;
    std::vector<std::string> options;  // further arguments of its run (--winapp2 FILE, ...)

    bool operator==(const Schedule&) const = default;
};

// Ids in TEXT separated by blanks, commas or semicolons, in lower case.
std::vector<std::string> SplitIds(std::string_view text);
// "HH:MM" (or "H:MM") as hour and minute; nullopt when it is no time of day.
std::optional<std::pair<int, int>> ParseTimeOfDay(std::string_view text);
// "daily", "weekly" and "logon" (any case).
std::optional<platform::TaskTrigger> TriggerNamed(std::string_view name);
std::string_view TriggerName(platform::TaskTrigger trigger);

// The task's name: "Skarvel cleaning (USER)" for the signed-in user's, "Skarvel cleaning
// (SYSTEM)" for the machine's (no user may be called SYSTEM).
std::string ScheduleTaskName(platform::System& system, bool machine);
// The task that runs SCHEDULE: skarvel-cli.exe beside this program.
platform::ScheduledTask TaskOf(const Schedule& schedule, platform::System& system);
// The schedule a task of this program runs; nullopt for a task that does not run
// skarvel-cli --clean. A task whose action the scheduler does not give back is read from the
// description this program gave it.
std::optional<Schedule> ScheduleOf(const platform::ScheduledTask& task);
// When it runs: "daily at 03:00", "weekly on Mondays at 03:00", "at log-on".
std::string When(const Schedule& schedule);
// "daily at 03:00: temp-user temp-windows", "at log-on: recent".
std::string Describe(const Schedule& schedule);

// Whether a run as the machine's own account may clean ID: a folder or setting of the
// machine, not of one user (a user's folders would be SYSTEM's own, inside the Windows folder).
bool IsMachineCategory(std::string_view id);

// One argument quoted as the system's command-line parser reads it back, and the arguments
// of a command line (without the program) split as it splits them.
std::string QuoteArgument(std::string_view argument);
std::vector<std::string> SplitArguments(std::string_view line);

// Brings the signed-in user's task in line with the administrator's schedule, when one is set.
// Returns "" when it is in line (or nothing is set), else why it could not be made so.
std::string ApplySchedulePolicy(const Policy& policy, platform::TaskScheduler& scheduler,
                                platform::System& system);

}  // namespace engine
