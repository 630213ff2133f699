#pragma once
// Profile (INI) files. Each call names its file and opens, reads or writes and closes it
// again, so nothing is cached between calls. Paths, sections, keys and values are UTF-8.
//
// Semantics shared by every implementation:
// - section and key names match without regard to case, surrounding blanks ignored; the
//   first matching section, and in it the first matching key, wins;
// - a value is the text after the first "=", blanks trimmed, one pair of enclosing quotes
//   (double or single) removed, cut at 2047 characters;
// - a missing file, section or key (or a key line without "=") yields the default; a key with
//   an empty value yields the empty string;
// - a write creates the file, section and key as needed, replaces an existing key in place,
//   appends a new key at the end of its section and a new section at the end of the file;
// - files with a UTF-16 LE/BE or UTF-8 byte-order mark are read and written in that encoding,
//   other files in the system's ANSI code page.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

class Profile {
  public:
    virtual ~Profile() = default;

    virtual std::string ReadString(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    // Throws std::runtime_error("Unable to write to " + path) when the platform refuses, and
    // before any implementation sees the write when it could add lines of its own to the
    // file: a line break in the section, key or value, a "=" in the key, a "]" in the section.
    void WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) {
        if (!IsSafeProfileWrite(section, key, value))
            throw std::runtime_error("Unable to write to " + path);
        WriteValue(path, section, key, value);
    }
    // True when the first section of that name holds at least one key.
    virtual bool SectionExists(const std::string& path, const std::string& section) = 0;

    static bool IsSafeProfileWrite(std::string_view section, std::string_view key,
                                   std::string_view value) {
        constexpr std::string_view kBreaks = "\r\n";
        return section.find_first_of(kBreaks) == std::string_view::npos &&
               key.find_first_of(kBreaks) == std::string_view::npos &&
               value.find_first_of(kBreaks) == std::string_view::npos &&
               key.find('=') == std::string_view::npos &&
               section.find(']') == std::string_view::npos;
    }

  protected:
    // The write itself, once it is known to be safe.
    virtual void WriteValue(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& value) = 0;
};

// The longest value a read returns, in UTF-16 code units.
constexpr std::size_t kProfileValueLimit = 2047;

}  // namespace platform
