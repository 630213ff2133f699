#pragma once
// The entry that starts the program with the system: a string value under the machine's Run
// key whose name and data are both the executable's full path.

#include <string>
#include <string_view>

namespace platform {
class Registry;
}

namespace settings {

inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Writes the entry for EXECUTABLE, creating the Run key when missing. Throws
// std::runtime_error("Failed to set data for '<executable>'") when refused.
void WriteAutoStart(platform::Registry& registry, const std::string& executable);
// Removes the entry for EXECUTABLE when there is one; a refusal leaves it.
void RemoveAutoStart(platform::Registry& registry, const std::string& executable);

}  // namespace settings
