#pragma once
// The settings file's encoding. A settings file the program creates is UTF-16 LE with a
// byte-order mark, which the profile functions then read and write in Unicode, so a path in
// any script survives. A file without a mark (an earlier version's, in the ANSI code page)
// stays as it is until a write brings a text its code page cannot hold; it is converted then.

#include <string>
#include <string_view>

namespace platform {
class FileSystem;
class System;
}  // namespace platform

namespace settings {

// The file a conversion writes beside PATH before moving it into PATH's place.
std::string ConversionPath(const std::string& path);

// Readies the settings file PATH for a write of TEXT (its section, key and value): creates a
// missing file with the mark alone, and converts an ANSI file that cannot hold TEXT to UTF-16
// LE, every byte of it decoded as the profile functions decode it (sections, keys, values,
// comments and line breaks kept). The converted file is written beside and moved into place.
// Throws std::runtime_error("Unable to write to PATH") when that fails; PATH is then as it was.
void PrepareSettingsWrite(platform::FileSystem& files, platform::System& system,
                          const std::string& path, std::string_view text);

}  // namespace settings
