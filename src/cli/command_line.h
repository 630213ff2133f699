#pragma once
// The command line of skarvel-cli: one command, its category ids and its options.

#include <string>
#include <vector>

#include "engine/category_table.h"

namespace cli {

enum class Command { Help, List, Preview, Clean, Restore };

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
};

// Bad usage: an unknown option or id, a missing value, no command or two. The text names
// what was wrong.
struct UsageError {
    std::string message;
};

// Parses ARGS (without the program name); throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string HelpText();

}  // namespace cli
