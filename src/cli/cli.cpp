#include "cli/cli.h"

#include <optional>
#include <stdexcept>

#include "cli/clean.h"
#include "cli/command_line.h"
#include "cli/output.h"
#include "cli/preview.h"
#include "engine/cleaning_paths.h"
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
        const std::string note = std::string(exe) + " is running and keeps its open files";
        result.note = result.note.empty() ? note : result.note + "; " + note;
    }
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const engine::CleaningServices& services,
                   platform::Processes& processes, platform::Console& console) {
    CommandLine line;
    try {
        line = ParseCommandLine(args);
    } catch (const UsageError& error) {
        console.Write(platform::Stream::Error,
                      "skarvel-cli: " + error.message + "\nTry 'skarvel-cli --help'.\n");
        return kExitUsage;
    }
    engine::CleaningPaths paths(services.system, services.shell);
    auto write = [&](const std::string& text) { console.Write(platform::Stream::Out, text); };

    switch (line.command) {
        case Command::Help:
            write(HelpText());
            return kExitDone;
        case Command::List: {
            std::vector<ListedCategory> listed;
            for (const engine::CategoryRow& row : engine::CategoryTable())
                listed.push_back({&row, engine::TargetOf(row, services, paths)});
            write(line.json ? ListJson(listed) : ListText(listed));
            return kExitDone;
        }
        case Command::Preview:
        case Command::Clean:
            break;
    }

    Progress progress(console, !line.quiet && console.IsConsole(platform::Stream::Error));
    const Verb verb = line.command == Command::Preview ? Verb::Preview : Verb::Clean;
    engine::KeepList keep = engine::LoadKeepList(services.files, services.system);
    for (const std::string& pattern : line.keep)
        keep.Add(engine::ExpandVariables(pattern, services.system));
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
    const int code = ExitCodeOf(results);
    write(line.json ? ResultsJson(verb, results, code) : ResultsText(verb, results, line.verbose));
    return code;
}

}  // namespace cli
