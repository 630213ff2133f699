#pragma once
// The command line's names for the run's categories and registry choices: a stable id each,
// its caption in the main window, in the order the run takes them.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/categories.h"

namespace cli {

struct CliCategory {
    std::string_view id;
    std::string_view name;
    std::optional<engine::Category> category;  // set for a check box
    std::optional<engine::Choice> choice;      // set for a radio choice (a registry tweak)
};

// Every category and choice, in the run's order.
const std::vector<CliCategory>& AllCategories();
// The entry with ID, or nullptr.
const CliCategory* FindCategory(std::string_view id);

}  // namespace cli
