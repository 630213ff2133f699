#pragma once
// Text operations on Windows path spellings that need no file system: ASCII case folding (the
// case-blind comparison of names and prefixes such as "\\?\UNC\") and splitting at backslashes.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// TEXT with A-Z turned into a-z; other bytes as they are.
std::string LowerAscii(std::string_view text);

// TEXT (UTF-8) folded for a case-blind comparison of names: the ASCII letters and those of the
// Latin-1, Latin Extended-A, Greek, Cyrillic and Armenian blocks in lower case; everything
// else as it is. Names that differ in case elsewhere compare as different (the safe side for
// a check that two spellings name the same folder).
std::string FoldCase(std::string_view text);

// True when TEXT begins with PREFIX, ignoring the case of ASCII letters.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// PATH's components between backslashes, empty ones included ("a\\b" gives "a", "", "b").
std::vector<std::string> PathParts(std::string_view path);

}  // namespace platform
