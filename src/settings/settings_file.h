#pragma once
// Typed access to the settings file. Each call opens, reads or writes and closes the file.

#include <optional>
#include <string>

#include "settings/settings_schema.h"

namespace platform {
class FileSystem;
class Profile;
}  // namespace platform

namespace settings {

// Integers as the settings file holds them: decimal with an optional minus sign, or
// hexadecimal after "0x"/"0X" (longer than two characters) or "$". Nullopt for anything else
// or a value outside 32 bits.
std::optional<int> ParseInteger(std::string_view text);

class SettingsFile {
  public:
    SettingsFile(platform::System& system, platform::FileSystem& files, platform::Profile& profile);

    std::string Path() const;

    std::string ReadString(Setting id) const;
    // True for exactly "true", false for exactly "false", nullopt for anything else (the
    // caller then keeps its design state).
    std::optional<bool> ReadFlag(Setting id) const;
    // The stored integer, or the schema's default when it does not parse.
    int ReadInteger(Setting id) const;
    // True when the setting's section holds at least one key.
    bool SectionExists(Setting id) const;

    // A write that creates the file creates it in Unicode, and one that an ANSI file cannot
    // hold converts it first (settings_encoding.h). Throw std::runtime_error("Unable to write
    // to <path>") when refused.
    void WriteString(Setting id, const std::string& value);
    void WriteFlag(Setting id, bool value);
    void WriteInteger(Setting id, int value);

    // A key of a section of the program's own outside the schema, read and written as the
    // schema's are.
    std::string ReadKey(std::string_view section, std::string_view key,
                        const std::string& fallback) const;
    void WriteKey(std::string_view section, std::string_view key, const std::string& value);

  private:
    platform::System& system_;
    platform::FileSystem& files_;
    platform::Profile& profile_;
};

}  // namespace settings
