#pragma once
// What a category works on, here and now, in words a user can check.

#include <string>

#include "cli/cli_categories.h"
#include "engine/cleaning_paths.h"

namespace cli {

std::string TargetOf(const CliCategory& entry, engine::CleaningPaths& paths);

}  // namespace cli
