#pragma once
// The run's folder categories: which folder each one empties and how. The cleaning run and
// the command-line preview both take them from here, so the two cannot drift apart.

#include <optional>
#include <string>
#include <vector>

#include "engine/categories.h"
#include "engine/cleaning_paths.h"

namespace engine {

struct FolderStep {
    std::string folder;   // the path given to the purge; "" when it cannot be placed here
    std::string present;  // the path that must be a folder for the step to run
    bool clearAttributes = false;
    bool stopOnFailure = false;
};

// The step of a folder category; nullopt for the others (Opera files, the recycle bin, the
// Internet cache, the tweaks).
std::optional<FolderStep> FolderStepOf(Category category, CleaningPaths& paths);

// The Opera profile files a file category deletes, in the run's order (none for the others).
// "Opera Pages" logs its line when the last of them was there.
std::vector<std::string> ProfileFilesOf(Category category);

}  // namespace engine
