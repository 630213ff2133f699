#pragma once
// Registry files as the registry editor writes and imports them ("Windows Registry Editor
// Version 5.00", UTF-16 LE with a byte-order mark): the backup of what a cleaning deletes from
// the registry, and its reading back for a restore. Every value type is written so that an
// import gives back its bytes exactly: strings as text where that is exact, expandable and
// multi-strings as hex(2) and hex(7), DWORDs as dword, binary as hex, QWORDs as hex(b), any
// other type as hex(N).

#include <string>
#include <string_view>
#include <vector>

#include "engine/registry_key_path.h"
#include "platform/registry.h"

namespace engine {

// One key as a registry file holds it: its full name ("HKEY_CURRENT_USER\Software\x") and
// values.
struct KeyRecord {
    std::string name;
    std::vector<platform::StoredValue> values;
};

// The first line of the file, with its line break.
std::string RegFileHeader();
// RECORDS as the file's text (UTF-8): a blank line, then "[name]" and a line per value, for
// each record; records of the same key one after another make one block.
std::string RegFileText(const std::vector<KeyRecord>& records);
// TEXT in the file's bytes: UTF-16 LE, with the byte-order mark when MARK.
std::string RegFileBytes(std::string_view text, bool mark);

// A registry file read back: its keys and values in file order, and what could not be read,
// "line N: ..." each. A file with a problem is not to be imported at all.
struct ImportedKey {
    int line = 0;
    RegistryKeyPath key;
    std::vector<platform::StoredValue> values;
};
struct ParsedRegFile {
    std::vector<ImportedKey> keys;
    std::vector<std::string> problems;
};

// Reads BYTES: UTF-16 LE with its mark, or UTF-8 (with or without a mark), CR LF or LF.
// Deletions ("[-key]", "name"=-) are not taken: a backup never holds them.
ParsedRegFile ParseRegFile(std::string_view bytes);

}  // namespace engine
