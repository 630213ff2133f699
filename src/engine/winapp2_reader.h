#pragma once
// Reader of cleaner definitions in the community's winapp2.ini format: INI sections, one per
// program ("[Name *]"), holding detection keys, the files and registry keys to clean and
// exclusions. Only reads and checks the text; variables stay unresolved and nothing here
// touches the system.

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

enum class ExcludeKind {
    File,     // FILE|folder|masks: files directly in the folder
    Path,     // PATH|folder[|masks]: the folder with everything under it (unless masks narrow it)
    Registry  // REG|key[|value]: a registry key with everything under it, or one value
};

// ExcludeKeyN=FILE|path|masks, PATH|path[|masks] or REG|key[|value]
struct ExcludeKey {
    int line;
    ExcludeKind kind;
    std::string path;                // a folder, or the registry key of a REG| exclusion
    std::vector<std::string> masks;  // empty for a PATH| exclusion without masks and for REG|
    std::string value;               // REG|key|value: the value's name
    bool wholeKey = true;            // REG|key without a value: the key and all below it
};

// RegKeyN=key (the key with everything under it) or key|value (that value alone; an empty
// name is the key's default value)
struct RegKey {
    int line;
    std::string key;  // as written: "HKCU\Software\x"
    std::string value;
    bool wholeKey = true;
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
    std::vector<RegKey> registryKeys;
    std::string warning;     // Warning=: what a user must accept before it runs
    std::string section;     // Section=: the group it belongs to, by name
    std::string langSecRef;  // LangSecRef=: the group it belongs to, by number
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

// The group ENTRY is listed in: its Section= name, else the name of its LangSecRef= number
// ("Google Chrome", "Windows", "Games"...), else "Other".
std::string GroupOf(const Entry& entry);

// Whether Windows major.minor lies in a DetectOS range "5.1|6.3", "6.2|" or "|6.1" (ends
// inclusive, an empty end open). An empty range holds every version; a malformed one none.
bool OsInRange(std::string_view detectOs, int major, int minor);

}  // namespace engine::winapp2
