#pragma once
// Conversion between the program's UTF-8 text and the Windows-1251 (Cyrillic) bytes of the
// saved activity logs.

#include <string>
#include <string_view>

namespace engine {

// UTF-8 to Windows-1251. Characters the code page lacks, and malformed UTF-8 sequences,
// become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// True when Windows-1251 holds every character of UTF8 (well-formed UTF-8 only).
bool Cp1251Holds(std::string_view utf8);

// Windows-1251 to UTF-8. The one byte the code page leaves unassigned (0x98) becomes '?'.
std::string Cp1251ToUtf8(std::string_view bytes);

}  // namespace engine
