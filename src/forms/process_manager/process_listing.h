#pragma once
// The process manager's saved file (the listing is engine::ListProcesses).

#include <string>
#include <vector>

#include "platform/services.h"

namespace tools {

// The file "Save to file" writes for the name chosen in the dialog: ".txt" is always appended.
std::string ProcessListFileName(const std::string& chosen);

// The saved list: every line ended by CR LF, in the system's ANSI code page; a list that the
// page cannot hold (a path with characters outside it) is written as UTF-8 after a byte-order
// mark instead, so no character turns into "?".
std::string ProcessListBytes(platform::System& system, const std::vector<std::string>& lines);

// Writes LINES to PATH, replacing any file there. A file that cannot be created raises
// "Cannot create file "PATH". REASON".
void SaveProcessList(platform::FileSystem& files, platform::System& system, const std::string& path,
                     const std::vector<std::string>& lines);

}  // namespace tools
