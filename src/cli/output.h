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
    std::string group;                // a definition's group ("" for the built-in categories)
    std::string warning;              // a definition's warning
    std::optional<bool> forced = {};  // forced on or off by the administrator
};

std::string ListText(const std::vector<ListedCategory>& listed);
// MORE: further members of the document ("\"name\": value"), or empty.
std::string ListJson(const std::vector<ListedCategory>& listed, const std::string& more = "");

// BACKUP: the registry backup a clean wrote ("" for none).
std::string ResultsText(Verb verb, const std::vector<CategoryResult>& results, bool verbose,
                        const std::string& backup = {});
std::string ResultsJson(Verb verb, const std::vector<CategoryResult>& results, int exitCode,
                        const std::string& backup = {});

// "12.3 MB", "512 bytes".
std::string Size(std::uint64_t bytes);

}  // namespace cli
