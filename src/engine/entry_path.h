#pragma once
// How the purge tells that an opened entry is the entry it meant to open. The platform reports
// where an open object really is (its final path, links resolved); the walk builds the path it
// expects from the verified target and the names its listings gave. Some platforms report
// names without their trailing dots and spaces, so those are ignored in the comparison, but
// only below the target: the target's own part must match exactly.

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

// The name as platforms that trim names report it: trailing dots and spaces dropped.
std::string_view TrimmedName(std::string_view name);

// A literal path as a user writes it: without the "\\?\" prefix ("\\?\UNC\s\x" reads
// "\\s\x").
std::string DisplayPath(std::string_view literal);

// True when FINAL, the final path of an object opened at EXPECTED, names that object in its
// place: EXPECTED's first TARGETLENGTH characters (the verified target) are FINAL's first
// characters exactly, and the components below agree with trailing dots and spaces ignored.
bool IsEntryAt(std::string_view final, std::string_view expected, std::size_t targetLength);

}  // namespace engine
