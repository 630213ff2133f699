#pragma once
// Where a path's spelling puts it, without asking the file system: its root and the folder
// names below it as the platform would apply them, and the parts of a final path
// ("\\?\C:\...", "\\?\UNC\server\share\...").

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// "C:" or "c:" at the start of S.
bool IsDriveSpec(const std::string& s);

// A path reduced to what decides which folder it names: a lower-case root ("c:",
// "\\server\share", "\\?\volume{...}") and the folder names below it, with "." and ".."
// applied and the trailing dots and spaces the platform ignores removed.
struct CanonicalPath {
    std::string root;
    std::vector<std::string> parts;
    bool operator==(const CanonicalPath&) const = default;
};

// Nullopt when the path cannot be placed (relative, and no absolute CURRENT directory).
std::optional<CanonicalPath> Canonicalize(std::string path,
                                          const std::optional<CanonicalPath>& current);

// True when OUTER is INNER or a folder that holds it.
bool Holds(const CanonicalPath& outer, const CanonicalPath& inner);

// The length of the root part of a final path: "\\?\C:\", "\\?\UNC\server\share\" or
// "\\?\Volume{...}\"; 0 when it has none.
std::size_t RootLength(const std::string& final);

// A final path taken apart literally: its root (with its backslash) and the names below it.
struct Way {
    std::string root;
    std::vector<std::string> names;

    // The root and the first COUNT names.
    std::string Upto(std::size_t count) const;
};

Way WayOf(const std::string& final);

// Why PATH, read from another program's file, must not be reached at all, judged by its
// spelling before anything is looked up: it names a network share (reaching one hands the
// user's credentials to that host) or a device, or climbs out of where it is written ("..").
// Empty when none.
std::string SpellingRefusal(std::string path);

}  // namespace engine
