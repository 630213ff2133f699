#pragma once
// --preview: what a clean of the chosen categories would do, walked with the clean's own
// rules and checks, changing nothing.

#include <vector>

#include "cli/category_result.h"
#include "cli/command_line.h"
#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "engine/keep_list.h"

namespace cli {

std::vector<CategoryResult> Preview(const CommandLine& line,
                                    const engine::CleaningServices& services,
                                    engine::CleaningPaths& paths, const engine::KeepList& keep,
                                    Progress& progress);

}  // namespace cli
