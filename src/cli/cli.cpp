#include "cli/cli.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>

#include "cli/clean.h"
#include "cli/command_line.h"
#include "cli/output.h"
#include "cli/preview.h"
#include "engine/cleaning_paths.h"
#include "engine/definition_categories.h"
#include "engine/keep_list.h"
#include "engine/running_processes.h"

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
// for a file that cannot be read or an id it does not define.
std::unique_ptr<engine::DefinitionSet> AddDefinitions(CommandLine& line,
                                                      const engine::CleaningServices& services,
                                                      engine::CleaningPaths& paths,
                                                      platform::Console& console) {
    if (line.definitionsFile.empty()) return nullptr;
    const std::optional<std::string> text = services.files.ReadFile(line.definitionsFile);
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
        line.categories.push_back(&found->row);
    }
    if (line.all)
        for (const engine::DefinitionCategory& category : set->categories)
            if (category.present && std::find(line.categories.begin(), line.categories.end(),
                                              &category.row) == line.categories.end())
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

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const engine::CleaningServices& services,
                   platform::Processes& processes, platform::Console& console) {
    CommandLine line;
    engine::CleaningPaths paths(services.system, services.shell);
    std::unique_ptr<engine::DefinitionSet> definitions;
    try {
        line = ParseCommandLine(args);
        definitions = AddDefinitions(line, services, paths, console);
    } catch (const UsageError& error) {
        console.Write(platform::Stream::Error,
                      "skarvel-cli: " + error.message + "\nTry 'skarvel-cli --help'.\n");
        return kExitUsage;
    }
    auto write = [&](const std::string& text) { console.Write(platform::Stream::Out, text); };

    switch (line.command) {
        case Command::Help:
            write(HelpText());
            return kExitDone;
        case Command::List: {
            std::vector<ListedCategory> listed;
            for (const engine::CategoryRow& row : engine::CategoryTable())
                listed.push_back({&row, engine::TargetOf(row, services, paths)});
            if (definitions)
                for (const engine::DefinitionCategory& category : definitions->categories)
                    listed.push_back({&category.row, category.present ? category.row.target
                                                                      : category.note + ": " +
                                                                            category.row.target});
            write(line.json ? ListJson(listed) : ListText(listed));
            return kExitDone;
        }
        case Command::Preview:
        case Command::Clean:
            break;
    }

    engine::KeepList keep = engine::LoadKeepList(services.files, services.system);
    for (const std::string& pattern : line.keep)
        if (std::string why = keep.AddLine(services.files, services.system, pattern);
            !why.empty()) {
            console.Write(platform::Stream::Error, "skarvel-cli: --keep " + pattern + ": " + why +
                                                       "\nTry 'skarvel-cli --help'.\n");
            return kExitUsage;
        }
    Progress progress(console, !line.quiet && console.IsConsole(platform::Stream::Error));
    const Verb verb = line.command == Command::Preview ? Verb::Preview : Verb::Clean;
    std::vector<CategoryResult> results;
    if (verb == Verb::Preview) {
        results = Preview(line, services, paths, keep, progress);
    } else {
        CleanOutcome outcome = Clean(line, services, paths, keep, progress);
        results = std::move(outcome.results);
        if (!line.logFile.empty() && !outcome.logLines.empty()) {
            try {
                AppendToLogFile(services.files, line.logFile, outcome.logLines);
            } catch (const std::runtime_error& failure) {
                progress.Clear();
                console.Write(platform::Stream::Error,
                              std::string("skarvel-cli: ") + failure.what() + "\n");
                write(line.json ? ResultsJson(verb, results, kExitSomethingLeft)
                                : ResultsText(verb, results, line.verbose));
                return kExitSomethingLeft;
            }
        }
    }
    progress.Clear();
    NameRunningPrograms(results, services.system, processes);
    NoteDefinitions(results, definitions.get());
    const int code = ExitCodeOf(results);
    write(line.json ? ResultsJson(verb, results, code) : ResultsText(verb, results, line.verbose));
    return code;
}

}  // namespace cli
