#pragma once
// The command line of skarvel-cli: one command, its category ids and its options.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/category_table.h"
#include "platform/task_scheduler.h"

namespace cli {

enum class Command { Help, List, Preview, Clean, Restore, Schedule, Unschedule };

struct CommandLine {
    Command command = Command::Help;
    std::vector<const engine::CategoryRow*> categories;  // in the run's order, each once
    bool json = false;
    bool verbose = false;
    bool quiet = false;
    std::string logFile;                     // empty: no log file
    std::vector<std::string> keep;           // --keep patterns, for this run only
    std::string definitionsFile;             // --winapp2
    std::vector<std::string> definitionIds;  // "w2-..." ids, in the order given
    bool all = false;                        // "all" was given
    bool acceptWarnings = false;             // --accept-warnings
    std::string restoreFile;                 // --restore
    // --schedule daily|weekly|logon and its --at HH:MM; --system: the machine's task.
    platform::TaskTrigger trigger = platform::TaskTrigger::Daily;
    std::optional<std::pair<int, int>> at;
    bool system = false;
    bool eventLog = false;  // --event-log: one event per run in the Application log
};

// Bad usage: an unknown option or id, a missing value, no command or two. The text names
// what was wrong.
struct UsageError {
    std::string message;
};

// Parses ARGS (without the program name); throws UsageError. With DEFINITIONS_FIXED the
// administrator names the definitions file, so "w2-" ids need no --winapp2.
CommandLine ParseCommandLine(const std::vector<std::string>& args, bool definitionsFixed = false);

// The text of --help.
std::string HelpText();

}  // namespace cli
