#include "engine/running_processes.h"

#include <algorithm>

#include "platform/portable/path_text.h"
#include "platform/processes.h"
#include "platform/system.h"

namespace engine {

std::vector<std::string> ListProcesses(platform::System& system, platform::Processes& processes) {
    if (system.Version().platformId == platform::kPlatformWindows)
        return processes.SnapshotExeNames().value_or(std::vector<std::string>{});

    std::vector<std::string> lines;
    for (std::uint32_t id : processes.ProcessIds().value_or(std::vector<std::uint32_t>{})) {
        std::unique_ptr<platform::ProcessQuery> process = processes.Open(id);
        if (!process) continue;  // the idle and system processes, other users' processes
        // A process whose module cannot be read (it is ending, or not yet whole) is left out.
        if (std::optional<std::string> path = process->MainModulePath())
            lines.push_back(std::move(*path));
    }
    return lines;
}

bool IsRunning(const std::vector<std::string>& lines, std::string_view exe) {
    const std::string wanted = platform::FoldCase(exe);
    return std::any_of(lines.begin(), lines.end(), [&wanted](const std::string& line) {
        const std::size_t cut = line.find_last_of("\\/");
        return platform::FoldCase(cut == std::string::npos
                                      ? std::string_view(line)
                                      : std::string_view(line).substr(cut + 1)) == wanted;
    });
}

}  // namespace engine
