#pragma once
// skarvel-cli: the window's cleaning run from a command line, with a preview and exit codes
// that tell what happened.

#include <string>
#include <vector>

#include "engine/cleaning_run.h"
#include "platform/console.h"
#include "platform/event_log.h"
#include "platform/services.h"
#include "platform/task_scheduler.h"

namespace cli {

// Exit codes.
inline constexpr int kExitDone = 0;
inline constexpr int kExitSomethingLeft = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;

// What the scheduled cleaning and --event-log reach; null: not there (the commands that need
// it fail saying so).
struct AdminServices {
    platform::TaskScheduler* scheduler = nullptr;
    platform::EventLog* eventLog = nullptr;
};

// Runs the command in ARGS (without the program name), writing to CONSOLE; returns the exit
// code. PROCESSES tells which browser keeps a cache it could not empty. The administrator's
// policy is read from the registry first.
int RunCommandLine(const std::vector<std::string>& args, const engine::CleaningServices& services,
                   platform::Processes& processes, platform::Console& console,
                   const AdminServices& admin = {});

}  // namespace cli
