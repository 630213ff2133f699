#pragma once
// Cleaner definitions (the community's winapp2.ini format) as categories of one run: each
// entry's variables resolved here, its detection tried, its file keys turned into folder
// targets for the ordinary checked purge, its registry keys into what its step deletes from
// the registry, and its exclusions into keep patterns and kept keys of its own. Nothing a
// definition says can reach a folder the purge would refuse for any other category, nor a
// registry key at or above an anchor.

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/category_table.h"

namespace engine {

struct DefinitionCategory {
    std::string id, name;  // the row's views point here
    CategoryRow row;       // no box, no choice, no log line
    bool present = true;   // detected here (or nothing to detect)
    // What the command line says of it besides its counts: why it is skipped, paths that
    // cannot be placed here.
    std::string note;
    std::string warning;  // what a user must accept before it runs ("" for none)
    std::string group;    // the group it is listed in (winapp2::GroupOf)
};

struct DefinitionSet {
    std::deque<DefinitionCategory> categories;  // in file order; addresses stay
    std::vector<std::string> problems;          // "line N: ...", each entry skipped
};

// Reads TEXT and resolves its entries for this system: all of them, or only those whose id
// WANTED accepts (the others are listed, not present, with nothing to do; detection takes
// the system's time, parsing next to none).
std::unique_ptr<DefinitionSet> LoadDefinitions(
    std::string_view text, const CleaningServices& services, CleaningPaths& paths,
    const std::function<bool(std::string_view id)>& wanted = nullptr);

}  // namespace engine
