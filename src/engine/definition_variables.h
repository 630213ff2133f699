#pragma once
// The values of the variables a cleaner definition's paths use, here and now. A variable may
// stand for several folders: %ProgramFiles% and %CommonProgramFiles% are both the 64-bit and
// the 32-bit folder on a 64-bit system.

#include <string>
#include <string_view>
#include <vector>

namespace engine {

class CleaningPaths;
struct CleaningServices;

// The folders (or, for %UserName% and %HomeDrive%, the text) variable NAME ("LocalAppData",
// case-insensitive) stands for here, without a trailing backslash, each once; none when it
// names nothing here.
std::vector<std::string> DefinitionVariableValues(std::string_view name,
                                                  const CleaningServices& services,
                                                  CleaningPaths& paths);

}  // namespace engine
