#pragma once
// What the user keeps: patterns of paths no cleaning ever deletes. The list lives in keep.txt
// beside the settings file, one pattern a line; a line starting with "#" is a comment; %NAME%
// stands for an environment variable; "*" (any run) and "?" (one character) work within any
// component, and a component "**" stands for any number of folders; a pattern that names a
// folder keeps everything below it. Matching ignores case as Windows compares names (the
// Latin, Greek and Cyrillic letters), on the path the walk has checked.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"

namespace engine {

class KeepList {
  public:
    // Adds PATTERN, whose variables are already expanded; a blank one adds nothing.
    void Add(std::string_view pattern);
    bool Empty() const { return patterns_.empty(); }
    // Whether PATH (a literal walk path, "\\?\" prefix or not) or a folder above it is kept.
    bool Keeps(std::string_view path) const;
    // Adds every pattern of OTHER.
    void Merge(const KeepList& other);

  private:
    std::vector<std::vector<std::string>> patterns_;  // components, lower-cased
};

// Whether NAME matches PATTERN, "*" and "?" as above, in either case.
bool MatchesGlob(std::string_view pattern, std::string_view name);

// %NAME% in TEXT replaced by the environment variable NAME; an unknown one stays as written.
std::string ExpandVariables(std::string_view text, platform::System& system);

// The patterns of a keep file's TEXT added to LIST.
void AddKeepLines(KeepList& list, std::string_view text, platform::System& system);

// Where the keep file is: beside the settings file.
std::string KeepFilePath(platform::System& system);

// The keep file read (an empty list when there is none).
KeepList LoadKeepList(platform::FileSystem& files, platform::System& system);

}  // namespace engine
