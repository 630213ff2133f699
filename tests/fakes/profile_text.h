#pragma once
// What a test reads back from a profile file: its text as UTF-8, decoded as its byte-order
// mark says (a file without one in Windows-1252).

#include <string>
#include <string_view>
#include <vector>

#include "platform/portable/ini_text.h"

namespace fakes {

inline std::string ProfileText(std::string_view bytes) {
    namespace portable = platform::portable;
    std::size_t markLength = 0;
    const portable::TextEncoding encoding = portable::DetectEncoding(bytes, markLength);
    std::vector<std::uint32_t> offsets;
    return portable::Utf16ToUtf8(portable::Decode(bytes.substr(markLength), encoding,
                                                  portable::AnsiCodePage::Windows1252, offsets));
}

}  // namespace fakes
