#pragma once
// Reader of cleaner definitions in the community's winapp2.ini format: INI sections, one per
// program ("[Name *]"), holding detection keys, the files to clean and exclusions. Only reads
// and checks the text; variables stay unresolved and nothing here touches the system.

#include <string>
#include <string_view>
#include <vector>

namespace engine::winapp2 {

// FileKeyN=path|masks[|RECURSE][|REMOVESELF]
struct FileKey {
    int line;
    std::string path;                // as written, variables unresolved
    std::vector<std::string> masks;  // never empty: "*.*" when the file names none
    bool recurse = false;
    bool removeSelf = false;  // the folder itself goes too, not only the files in it
};

// ExcludeKeyN=FILE|path|masks or PATH|path[|masks]
struct ExcludeKey {
    int line;
    bool isPath;  // PATH| (a folder, with everything under it unless masks narrow it) or FILE|
    std::string path;
    std::vector<std::string> masks;  // empty for a PATH| exclusion without masks
};

struct Entry {
    int line;                              // of the section header
    std::string name;                      // as written between the brackets, trimmed
    std::string id;                        // IdOf(name)
    std::vector<std::string> detect;       // Detect, DetectN: registry keys
    std::vector<std::string> detectFiles;  // DetectFile, DetectFileN
    std::string detectOs;                  // empty: any version (see OsInRange)
    std::vector<FileKey> files;
    std::vector<ExcludeKey> excludes;
    int registryKeys = 0;  // RegKeyN lines, counted only
};

// message reads "line 12: unknown key 'Foo'", ready to show.
struct Problem {
    int line;
    std::string message;
};

struct Definitions {
    std::vector<Entry> entries;  // file order, only the entries without a problem
    std::vector<Problem> problems;
};

// Any text is accepted: a line that cannot be understood is a problem and skips its entry
// (and only its entry). UTF-8 with or without a byte order mark, CR LF or LF.
Definitions ReadDefinitions(std::string_view text);

// "w2-" + the name in lower case, each run of characters other than a-z and 0-9 as one '-',
// no '-' at either end (so the marker " *" at the end disappears): "Foo Bar 2.x *" gives
// "w2-foo-bar-2-x". Returns "w2-" alone for a name without a letter or digit.
std::string IdOf(std::string_view name);

// The variables a definition's paths may use, without the '%'s, case-insensitively.
bool IsKnownVariable(std::string_view name);

// Whether Windows major.minor lies in a DetectOS range "5.1|6.3", "6.2|" or "|6.1" (ends
// inclusive, an empty end open). An empty range holds every version; a malformed one none.
bool OsInRange(std::string_view detectOs, int major, int minor);

}  // namespace engine::winapp2
