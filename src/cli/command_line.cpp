#include "cli/command_line.h"

#include <algorithm>
#include <functional>

#include "engine/scheduled_cleaning.h"

namespace cli {

namespace {

void SetCommand(CommandLine& line, bool& given, Command command, const std::string& option) {
    if (given)
        throw UsageError{
            "only one of --list, --preview, --clean, --restore, --schedule, --unschedule and "
            "--help may be given ('" +
            option + "' is a second)"};
    given = true;
    line.command = command;
}

void AddOnce(std::vector<const engine::CategoryRow*>& rows, const engine::CategoryRow* row) {
    if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
}

// The value after the option at ARGS[I], which it consumes; throws WHAT when there is none.
const std::string& ValueOf(const std::vector<std::string>& args, std::size_t& i, const char* what) {
    if (i + 1 == args.size() || args[i + 1].starts_with("--")) throw UsageError{what};
    return args[++i];
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, bool definitionsFixed) {
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
        } else if (arg == "--schedule") {
            SetCommand(line, commandGiven, Command::Schedule, arg);
            const std::string& kind = ValueOf(args, i, "--schedule needs daily, weekly or logon");
            const auto trigger = engine::TriggerNamed(kind);
            if (!trigger)
                throw UsageError{"--schedule takes daily, weekly or logon, not '" + kind + "'"};
            line.trigger = *trigger;
        } else if (arg == "--unschedule") {
            SetCommand(line, commandGiven, Command::Unschedule, arg);
        } else if (arg == "--at") {
            const std::string& time = ValueOf(args, i, "--at needs a time of day (HH:MM)");
            line.at = engine::ParseTimeOfDay(time);
            if (!line.at)
                throw UsageError{"--at takes a time of day such as 03:00, not '" + time + "'"};
        } else if (arg == "--system") {
            line.system = true;
        } else if (arg == "--event-log") {
            line.eventLog = true;
        } else if (arg == "--json") {
            line.json = true;
        } else if (arg == "--verbose") {
            line.verbose = true;
        } else if (arg == "--quiet") {
            line.quiet = true;
        } else if (arg == "--log") {
            line.logFile = ValueOf(args, i, "--log needs a file name");
        } else if (arg == "--winapp2") {
            line.definitionsFile = ValueOf(args, i, "--winapp2 needs a file name");
        } else if (arg == "--accept-warnings") {
            line.acceptWarnings = true;
        } else if (arg == "--restore") {
            SetCommand(line, commandGiven, Command::Restore, arg);
            line.restoreFile = ValueOf(args, i, "--restore needs a file name");
        } else if (arg == "--keep") {
            line.keep.push_back(ValueOf(args, i, "--keep needs a pattern"));
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
    const bool takesIds = line.command == Command::Preview || line.command == Command::Clean ||
                          line.command == Command::Schedule;
    if (!line.definitionIds.empty() && line.definitionsFile.empty() && !definitionsFixed)
        throw UsageError{"ids starting with w2- need --winapp2 FILE"};
    if (takesIds && line.categories.empty() && line.definitionIds.empty())
        throw UsageError{std::string(line.command == Command::Preview    ? "--preview"
                                     : line.command == Command::Schedule ? "--schedule"
                                                                         : "--clean") +
                         " needs at least one category id"};
    if (!takesIds && (!line.categories.empty() || !line.definitionIds.empty()))
        throw UsageError{"category ids go with --preview, --clean or --schedule"};
    const bool cleans = line.command == Command::Clean || line.command == Command::Schedule;
    if (!line.logFile.empty() && !cleans) throw UsageError{"--log goes with --clean"};
    if (line.eventLog && line.command != Command::Clean)
        throw UsageError{"--event-log goes with --clean"};
    if (line.at &&
        (line.command != Command::Schedule || line.trigger == platform::TaskTrigger::Logon))
        throw UsageError{"--at goes with --schedule daily or --schedule weekly"};
    if (line.system && line.command != Command::Schedule && line.command != Command::Unschedule)
        throw UsageError{"--system goes with --schedule or --unschedule"};
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
  --list            every category: its id, its name and what it works on here; the
                    categories and the schedule your administrator sets; the scheduled
                    cleaning
  --preview ID...   what a clean of those categories would delete; nothing is changed
  --clean ID...     cleans those categories, in the order the window's run takes them
  --schedule daily|weekly|logon ID...
                    creates (or replaces) your scheduled cleaning in the Task Scheduler: it
                    runs "skarvel-cli --clean ID... --quiet --event-log" as you, daily or on
                    Mondays at 03:00 (--at HH:MM), or when you sign in
  --unschedule      removes your scheduled cleaning
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
  --event-log       with --clean: one event in the Application log under the source
                    "Skarvel", with the summary and the JSON document as its data
  --at HH:MM        with --schedule daily or weekly: the time of day (default 03:00)
  --system          with --schedule or --unschedule: the machine's task, run as SYSTEM,
                    for the machine's folders only (temp-windows, prefetch, offline-pages,
                    dll-cache, speed-memory); needs an administrator

Exit codes:
  0  everything done
  1  some items could not be deleted (they are listed; a browser that is running keeps its
     open cache files, and is named), or a step failed
  2  bad usage (an unknown id or option, or a definition with a warning not accepted)
  3  refused by your administrator's policy, or a target folder was refused: reached
     through a link, junction or mount point, or a
     folder the system or a user lives in (a drive root, Windows, Program Files, ProgramData,
     a profile, Documents...) or one holding it
)";
}

}  // namespace cli
