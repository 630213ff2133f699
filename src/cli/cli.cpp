#include "cli/cli.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>

#include "cli/clean.h"
#include "cli/command_line.h"
#include "cli/event_report.h"
#include "cli/output.h"
#include "cli/preview.h"
#include "cli/restore.h"
#include "cli/schedule_command.h"
#include "engine/cleaning_paths.h"
#include "engine/definition_categories.h"
#include "engine/keep_list.h"
#include "engine/policy.h"
#include "engine/running_processes.h"
#include "engine/scheduled_cleaning.h"
#include "settings/definitions_choice.h"

namespace cli {

namespace {

int ExitCodeOf(const std::vector<CategoryResult>& results) {
    int code = kExitDone;
    for (const CategoryResult& result : results) {
        if (result.status == Status::Refused) return kExitRefused;
        if (result.status == Status::Error || !result.failures.empty()) code = kExitSomethingLeft;
    }
    return code;
}

// Adds TEXT to a result's note.
void AppendNote(CategoryResult& result, const std::string& text) {
    result.note = result.note.empty() ? text : result.note + "; " + text;
}

// Names the program that keeps the open files of a step that left some: a browser that is
// running holds its cache.
void NameRunningPrograms(std::vector<CategoryResult>& results, platform::System& system,
                         platform::Processes& processes) {
    std::optional<std::vector<std::string>> running;
    for (CategoryResult& result : results) {
        const std::string_view exe = result.category->process;
        if (exe.empty() || result.failures.empty()) continue;
        if (!running) running = engine::ListProcesses(system, processes);
        if (!engine::IsRunning(*running, exe)) continue;
        AppendNote(result, std::string(exe) + " is running and keeps its open files");
    }
}

// Reads the definitions file of LINE and adds the rows of the definitions it names (or, with
// "all", of every one present) to LINE. Problems of the file go to CONSOLE. Throws UsageError
// for a file that cannot be read or an id it does not define; the administrator's file that
// no id of this run names is only warned of.
std::unique_ptr<engine::DefinitionSet> AddDefinitions(CommandLine& line,
                                                      const engine::CleaningServices& services,
                                                      engine::CleaningPaths& paths,
                                                      platform::Console& console, bool required) {
    line.definitionsFile = settings::DefinitionsFileInUse(line.definitionsFile);
    if (line.definitionsFile.empty()) return nullptr;
    const std::optional<std::string> text = services.files.ReadFile(line.definitionsFile);
    if (!text && !required) {
        console.Write(platform::Stream::Error, "skarvel-cli: cannot read '" + line.definitionsFile +
                                                   "', the definitions file set by your "
                                                   "administrator\n");
        line.definitionsFile.clear();
        return nullptr;
    }
    if (!text) throw UsageError{"cannot read '" + line.definitionsFile + "'"};
    // Only what this run asks for is looked for on the system.
    const bool everything = line.all || line.command == Command::List;
    auto set =
        engine::LoadDefinitions(*text, services, paths, [&line, everything](std::string_view id) {
            return everything || std::find(line.definitionIds.begin(), line.definitionIds.end(),
                                           id) != line.definitionIds.end();
        });
    for (const std::string& problem : set->problems)
        console.Write(platform::Stream::Error, "skarvel-cli: " + line.definitionsFile + ": " +
                                                   problem + "; the entry is skipped\n");
    for (const std::string& id : line.definitionIds) {
        auto found =
            std::find_if(set->categories.begin(), set->categories.end(),
                         [&id](const engine::DefinitionCategory& c) { return c.id == id; });
        if (found == set->categories.end())
            throw UsageError{"'" + id + "' is not defined in '" + line.definitionsFile + "'"};
        // What its authors warn of is accepted, or it is not cleaned.
        if (line.command == Command::Clean && !found->warning.empty() && !line.acceptWarnings)
            throw UsageError{"'" + id + "' comes with a warning: " + found->warning +
                             "\nGive --accept-warnings to clean it all the same."};
        line.categories.push_back(&found->row);
    }
    if (line.all)
        for (const engine::DefinitionCategory& category : set->categories)
            if (category.present && (category.warning.empty() || line.acceptWarnings) &&
                std::find(line.categories.begin(), line.categories.end(), &category.row) ==
                    line.categories.end())
                line.categories.push_back(&category.row);
    return set;
}

// Adds what a definition's result needs said besides its counts (why it was skipped, what of
// it is left alone).
void NoteDefinitions(std::vector<CategoryResult>& results, const engine::DefinitionSet* set) {
    if (set == nullptr) return;
    for (CategoryResult& result : results)
        for (const engine::DefinitionCategory& category : set->categories)
            if (result.category == &category.row && !category.note.empty())
                AppendNote(result, category.note);
}

// The definitions file the run may read, as the administrator allows: their fixed file in
// place of none, a refusal for another or for any when definitions are turned off. Returns
// the refusal; "" when the run may go on.
std::string SettleDefinitions(CommandLine& line, const engine::Policy& policy,
                              platform::System& system, bool& required) {
    const bool asked = !line.definitionsFile.empty() || !line.definitionIds.empty();
    required = asked;
    const engine::DefinitionsFile allowed =
        engine::DefinitionsFileFor(policy, system, line.definitionsFile);
    if (!allowed.refusal.empty()) return asked ? allowed.refusal : "";
    if (allowed.overridden)
        return "the definitions file is set by your administrator: " + allowed.path;
    // The administrator's file is read only when the run can use it.
    if (asked || line.all || line.command == Command::List) line.definitionsFile = allowed.path;
    return "";
}

bool IsTableRow(const engine::CategoryRow* row) {
    const std::vector<engine::CategoryRow>& table = engine::CategoryTable();
    return !table.empty() && row >= &table.front() && row <= &table.back();
}

// The categories the administrator forces: those forced on join a clean or a preview, those
// forced off leave it (said on the error stream when asked for by name).
void ApplyForcedCategories(CommandLine& line, const engine::Policy& policy,
                           platform::Console& console) {
    std::vector<const engine::CategoryRow*> table, definitions;
    for (const engine::CategoryRow* row : line.categories) {
        if (policy.Forced(row->id) == false) {
            if (!line.all || !engine::InAll(*row))
                console.Write(platform::Stream::Error,
                              "skarvel-cli: " + std::string(row->id) +
                                  " is turned off by your administrator; it is left out\n");
            continue;
        }
        (IsTableRow(row) ? table : definitions).push_back(row);
    }
    for (const engine::CategoryRow& row : engine::CategoryTable())
        if (policy.Forced(row.id) == true &&
            std::find(table.begin(), table.end(), &row) == table.end())
            table.push_back(&row);
    std::sort(table.begin(), table.end(), std::less<const engine::CategoryRow*>());
    table.insert(table.end(), definitions.begin(), definitions.end());
    line.categories = std::move(table);
}

// Writes EVENT to the event log when there is one; returns why it could not be written.
std::string ReportEvent(const AdminServices& admin, const platform::LoggedEvent& event) {
    if (admin.eventLog == nullptr) return "the event log is not available";
    return admin.eventLog->Report(kEventSource, event);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const engine::CleaningServices& services,
                   platform::Processes& processes, platform::Console& console,
                   const AdminServices& admin) {
    CommandLine line;
    engine::CleaningPaths paths(services.system, services.shell);
    std::unique_ptr<engine::DefinitionSet> definitions;
    const engine::Policy policy = engine::ReadPolicy(services.registry);
    // A run that cannot start still leaves its event, when it was asked for one.
    const bool eventAsked = std::find(args.begin(), args.end(), "--event-log") != args.end();
    auto failStart = [&](const std::string& message, int code) {
        console.Write(platform::Stream::Error,
                      "skarvel-cli: " + message + "\n" +
                          (code == kExitUsage ? "Try 'skarvel-cli --help'.\n" : ""));
        if (eventAsked) (void)ReportEvent(admin, StartFailedEvent(message, code));
        return code;
    };
    try {
        line =
            ParseCommandLine(args, engine::DefinitionsFileFor(policy, services.system, "").fixed);
        if (line.command == Command::Restore)
            return Restore(line.restoreFile, services.files, services.registry, console);
        if (line.command != Command::Help && admin.scheduler != nullptr)
            if (std::string why =
                    engine::ApplySchedulePolicy(policy, *admin.scheduler, services.system);
                !why.empty())
                console.Write(platform::Stream::Error,
                              "skarvel-cli: the scheduled cleaning your administrator set could "
                              "not be made: " +
                                  why + "\n");
        bool required = false;
        if (std::string refusal = SettleDefinitions(line, policy, services.system, required);
            !refusal.empty())
            return failStart(refusal, kExitRefused);
        definitions = AddDefinitions(line, services, paths, console, required);
    } catch (const UsageError& error) {
        return failStart(error.message, kExitUsage);
    }
    auto write = [&](const std::string& text) { console.Write(platform::Stream::Out, text); };

    switch (line.command) {
        case Command::Help:
            write(HelpText());
            return kExitDone;
        case Command::Schedule:
        case Command::Unschedule:
            if (admin.scheduler == nullptr)
                return failStart("the Task Scheduler is not available", kExitSomethingLeft);
            try {
                return ScheduleCommand(line, {services, *admin.scheduler, policy, console});
            } catch (const UsageError& error) {
                return failStart(error.message, kExitUsage);
            }
        case Command::List: {
            std::vector<ListedCategory> listed;
            for (const engine::CategoryRow& row : engine::CategoryTable())
                listed.push_back({.category = &row,
                                  .target = engine::TargetOf(row, services, paths),
                                  .forced = policy.Forced(row.id)});
            if (definitions)
                for (const engine::DefinitionCategory& category : definitions->categories)
                    listed.push_back({&category.row,
                                      category.present ? category.row.target
                                                       : category.note + ": " + category.row.target,
                                      category.group, category.warning});
            std::optional<ScheduleContext> schedules;
            if (admin.scheduler)
                schedules.emplace(ScheduleContext{services, *admin.scheduler, policy, console});
            if (line.json)
                write(ListJson(listed, schedules ? SchedulesJson(*schedules) : ""));
            else
                write(ListText(listed) + (schedules ? SchedulesText(*schedules) : ""));
            return kExitDone;
        }
        case Command::Preview:
        case Command::Clean:
        case Command::Restore:
            break;
    }

    ApplyForcedCategories(line, policy, console);
    engine::KeepList keep = engine::LoadKeepList(services.files, services.system);
    engine::AddPolicyPatterns(keep, policy, services.files, services.system);
    for (const std::string& pattern : line.keep)
        if (std::string why = keep.AddLine(services.files, services.system, pattern); !why.empty())
            return failStart("--keep " + pattern + ": " + why, kExitUsage);
    Progress progress(console, !line.quiet && console.IsConsole(platform::Stream::Error));
    const Verb verb = line.command == Command::Preview ? Verb::Preview : Verb::Clean;
    std::vector<CategoryResult> results;
    std::string problem;  // a failure of the run outside its steps
    std::string backup;
    if (verb == Verb::Preview) {
        results = Preview(line, services, paths, keep, progress);
    } else {
        CleanOutcome outcome = Clean(line, services, paths, keep, progress);
        results = std::move(outcome.results);
        backup = std::move(outcome.registryBackup);
        if (!line.logFile.empty() && !outcome.logLines.empty()) {
            try {
                AppendToLogFile(services.files, line.logFile, outcome.logLines);
            } catch (const std::runtime_error& failure) {
                problem = failure.what();
            }
        }
    }
    progress.Clear();
    NameRunningPrograms(results, services.system, processes);
    NoteDefinitions(results, definitions.get());
    int code = ExitCodeOf(results);
    if (!problem.empty()) {
        console.Write(platform::Stream::Error, "skarvel-cli: " + problem + "\n");
        if (code == kExitDone) code = kExitSomethingLeft;
    }
    if (line.eventLog)
        if (std::string why = ReportEvent(admin, RunEvent(results, code, problem)); !why.empty()) {
            console.Write(
                platform::Stream::Error,
                "skarvel-cli: the event could not be written to the event log: " + why + "\n");
            if (code == kExitDone) code = kExitSomethingLeft;
        }
    write(line.json ? ResultsJson(verb, results, code, backup)
                    : ResultsText(verb, results, line.verbose, backup));
    return code;
}

}  // namespace cli
