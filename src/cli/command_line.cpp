#include "cli/command_line.h"

#include <algorithm>
#include <functional>

namespace cli {

namespace {

void SetCommand(CommandLine& line, bool& given, Command command, const std::string& option) {
    if (given)
        throw UsageError{
            "only one of --list, --preview, --clean, --restore and --help may be given ('" +
            option + "' is a second)"};
    given = true;
    line.command = command;
}

void AddOnce(std::vector<const engine::CategoryRow*>& rows, const engine::CategoryRow* row) {
    if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool commandGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h" || arg == "/?") {
            SetCommand(line, commandGiven, Command::Help, arg);
        } else if (arg == "--list") {
            SetCommand(line, commandGiven, Command::List, arg);
        } else if (arg == "--preview") {
            SetCommand(line, commandGiven, Command::Preview, arg);
        } else if (arg == "--clean") {
            SetCommand(line, commandGiven, Command::Clean, arg);
        } else if (arg == "--json") {
            line.json = true;
        } else if (arg == "--verbose") {
            line.verbose = true;
        } else if (arg == "--quiet") {
            line.quiet = true;
        } else if (arg == "--log") {
            if (i + 1 == args.size() || args[i + 1].starts_with("--"))
                throw UsageError{"--log needs a file name"};
            line.logFile = args[++i];
        } else if (arg == "--winapp2") {
            if (i + 1 == args.size() || args[i + 1].starts_with("--"))
                throw UsageError{"--winapp2 needs a file name"};
            line.definitionsFile = args[++i];
        } else if (arg == "--accept-warnings") {
            line.acceptWarnings = true;
        } else if (arg == "--restore") {
            SetCommand(line, commandGiven, Command::Restore, arg);
            if (i + 1 == args.size() || args[i + 1].starts_with("--"))
                throw UsageError{"--restore needs a file name"};
            line.restoreFile = args[++i];
        } else if (arg == "--keep") {
            if (i + 1 == args.size() || args[i + 1].starts_with("--"))
                throw UsageError{"--keep needs a pattern"};
            line.keep.push_back(args[++i]);
        } else if (arg.starts_with("-")) {
            throw UsageError{"unknown option '" + arg + "'"};
        } else if (arg == "all") {
            line.all = true;
            for (const engine::CategoryRow& row : engine::CategoryTable())
                if (engine::InAll(row)) AddOnce(line.categories, &row);
        } else if (const engine::CategoryRow* category = engine::FindRow(arg)) {
            AddOnce(line.categories, category);
        } else if (arg.starts_with("w2-")) {
            // A definition's id: known once the definitions are read.
            if (std::find(line.definitionIds.begin(), line.definitionIds.end(), arg) ==
                line.definitionIds.end())
                line.definitionIds.push_back(arg);
        } else {
            throw UsageError{"unknown category '" + arg + "' (--list shows them all)"};
        }
    }
    if (!commandGiven)
        throw UsageError{"no command: give --list, --preview, --clean, --restore or --help"};
    const bool takesIds = line.command == Command::Preview || line.command == Command::Clean;
    if (!line.definitionIds.empty() && line.definitionsFile.empty())
        throw UsageError{"ids starting with w2- need --winapp2 FILE"};
    if (takesIds && line.categories.empty() && line.definitionIds.empty())
        throw UsageError{std::string(line.command == Command::Preview ? "--preview" : "--clean") +
                         " needs at least one category id"};
    if (!takesIds && (!line.categories.empty() || !line.definitionIds.empty()))
        throw UsageError{"category ids go with --preview or --clean"};
    if (!line.logFile.empty() && line.command != Command::Clean)
        throw UsageError{"--log goes with --clean"};
    // The run's order, whatever order they were given in: the table is in that order, and
    // every pointer points into it.
    std::sort(line.categories.begin(), line.categories.end(),
              std::less<const engine::CategoryRow*>());
    return line;
}

std::string HelpText() {
    return R"(Usage: skarvel-cli COMMAND [ID...] [OPTIONS]

Cleans what Skarvel's window cleans, from a script or a scheduled task.

Commands:
  --list            every category: its id, its name and what it works on here
  --preview ID...   what a clean of those categories would delete; nothing is changed
  --clean ID...     cleans those categories, in the order the window's run takes them
  --restore FILE    puts back the registry keys and values of a backup (a .reg file that a
                    clean of definitions wrote before deleting them)
  --help            this text

ID "all" stands for every category that only deletes files: not the registry choices, not
"speed-memory", "dll-cache" (it writes the cache quota) or "messenger".

Options:
  --json            the results as one JSON document
  --verbose         every file and folder, not only the totals and what stays
  --quiet           no progress on the error stream
  --log FILE        with --clean: append the activity-log lines to FILE
  --winapp2 FILE    read cleaner definitions in the winapp2.ini format: each entry becomes a
                    category "w2-<name>" (--list shows them by group, "all" takes those
                    present); the registry keys they clean are saved to a backup first
  --accept-warnings with --clean: also clean the definitions that carry a warning (without it,
                    naming one is bad usage and "all" leaves them out)
  --keep PATTERN    also keep what PATTERN matches, for this run (may be repeated); the
                    keep list keep.txt beside the settings file always applies

Exit codes:
  0  everything done
  1  some items could not be deleted (they are listed; a browser that is running keeps its
     open cache files, and is named), or a step failed
  2  bad usage (an unknown id or option, or a definition with a warning not accepted)
  3  a target folder was refused: reached through a link, junction or mount point, or a
     folder the system or a user lives in (a drive root, Windows, Program Files, ProgramData,
     a profile, Documents...) or one holding it
)";
}

}  // namespace cli
