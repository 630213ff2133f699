#include "forms/process_manager/process_listing.h"

#include <stdexcept>

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/system.h"

namespace tools {

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

std::string ProcessListFileName(const std::string& chosen) {
    return chosen + ".txt";
}

std::string ProcessListBytes(platform::System& system, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (std::optional<std::string> ansi = system.ToAnsiCodePage(text)) return *ansi;
    return "\xEF\xBB\xBF" + text;
}

void SaveProcessList(platform::FileSystem& files, platform::System& system, const std::string& path,
                     const std::vector<std::string>& lines) {
    std::string reason;
    if (!files.WriteFile(path, ProcessListBytes(system, lines), reason))
        throw std::runtime_error("Cannot create file \"" + path + "\". " + reason);
}

}  // namespace tools
