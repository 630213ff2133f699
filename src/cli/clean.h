#pragma once
// --clean: the window's run over the chosen categories, in its order, with every entry
// reported. The registry choices not named are left alone (the window always applies one of
// each pair; a script says which it wants).

#include <vector>

#include "cli/category_result.h"
#include "cli/command_line.h"
#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "engine/keep_list.h"

namespace cli {

struct CleanOutcome {
    std::vector<CategoryResult> results;
    std::vector<std::string> logLines;  // the activity-log lines the run appended
    std::string registryBackup;         // the backup of what went from the registry, if any
};

CleanOutcome Clean(const CommandLine& line, const engine::CleaningServices& services,
                   engine::CleaningPaths& paths, const engine::KeepList& keep, Progress& progress);

// Appends LINES to the activity-log file PATH (created when missing), in the log's own
// bytes, in place: a PATH that is a link or another name of a file is refused, never written
// through. Throws std::runtime_error("Cannot create file ...") when it cannot be written.
void AppendToLogFile(platform::FileSystem& files, const std::string& path,
                     const std::vector<std::string>& lines);

}  // namespace cli
