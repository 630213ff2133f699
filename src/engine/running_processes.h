#pragma once
// The running processes by name: the process manager's listing, and whether a program whose
// open files keep a cache is running.

#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace engine {

// One line per running process, in the platform's order: on the older Windows family the
// executable names of a process snapshot; on the NT family the main module path of every
// process that can be opened for query and read (the others give no line). Empty when the
// processes cannot be enumerated.
std::vector<std::string> ListProcesses(platform::System& system, platform::Processes& processes);

// Whether one of LINES (as ListProcesses gives them) is the executable EXE, by its file name,
// case-insensitively.
bool IsRunning(const std::vector<std::string>& lines, std::string_view exe);

}  // namespace engine
