#pragma once
// Text encodings of profile files, and the UTF-16 helpers the portable profile reader uses.
// Everything here accepts any input: invalid sequences decode to U+FFFD, unmappable
// characters encode to "?" (as the platform's ANSI conversion does).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::portable {

enum class TextEncoding { Ansi, Utf8Bom, Utf16Le, Utf16Be };

// The single-byte Windows code pages the portable reader knows as "ANSI".
enum class AnsiCodePage { Windows1252, Windows1251 };

// The encoding a file's leading bytes announce, and the length of that byte-order mark.
TextEncoding DetectEncoding(std::string_view bytes, std::size_t& markLength);
std::string_view ByteOrderMark(TextEncoding encoding);

// Decodes BYTES (without the mark) to UTF-16. OFFSETS receives, for every unit, the byte
// offset where it starts, plus one final entry with the end of the last unit, so that a
// range of units maps back to the bytes it came from (a trailing odd UTF-16 byte is dropped).
std::u16string Decode(std::string_view bytes, TextEncoding encoding, AnsiCodePage codePage,
                      std::vector<std::uint32_t>& offsets);
std::string Encode(std::u16string_view text, TextEncoding encoding, AnsiCodePage codePage);

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Blank as the profile parser sees it (Unicode white space and Ctrl+Z).
bool IsProfileSpace(char16_t c);
std::u16string_view TrimProfileSpace(std::u16string_view s);
// Case-insensitive equality for section and key names (ASCII, Latin-1, Latin Extended-A,
// Greek and Cyrillic letters fold).
bool NamesEqual(std::u16string_view a, std::u16string_view b);

}  // namespace platform::portable
