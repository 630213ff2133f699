#pragma once
// The type manager's listing of the registered file types: for every extension key under
// HKEY_CLASSES_ROOT whose type has an open command, six lines: the extension, the type and its
// display name, the command (as stored: variables are not expanded), an empty line, a rule and
// an empty line. Every key is opened for reading only: the listing changes nothing.

#include <string>
#include <vector>

namespace platform {
class Registry;
}

namespace tools {

struct TypeListing {
    std::vector<std::string> lines;
    // Set when a default value that is not text ended the listing early; LINES then holds the
    // entries read before it.
    std::string failure;
};

TypeListing ListFileTypes(platform::Registry& registry);

}  // namespace tools
