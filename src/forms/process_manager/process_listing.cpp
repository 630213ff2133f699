#include "forms/process_manager/process_listing.h"

#include <stdexcept>

#include "platform/files.h"
#include "platform/system.h"

namespace tools {

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
