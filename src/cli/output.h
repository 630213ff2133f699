#pragma once
// The results as text for a person, or as one JSON document for a script.

#include <optional>
#include <string>
#include <vector>

#include "cli/category_result.h"

namespace cli {

enum class Verb { Preview, Clean };

struct ListedCategory {
    const engine::CategoryRow* category;
    std::string target;
    std::optional<bool> forced = {};  // forced on or off by the administrator
};

std::string ListText(const std::vector<ListedCategory>& listed);
// MORE: further members of the document ("\"name\": value"), or empty.
std::string ListJson(const std::vector<ListedCategory>& listed, const std::string& more = "");

std::string ResultsText(Verb verb, const std::vector<CategoryResult>& results, bool verbose);
std::string ResultsJson(Verb verb, const std::vector<CategoryResult>& results, int exitCode);

// "12.3 MB", "512 bytes".
std::string Size(std::uint64_t bytes);

}  // namespace cli
