#include "platform/portable/path_text.h"

namespace platform {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           LowerAscii(text.substr(0, prefix.size())) == LowerAscii(prefix);
}

std::vector<std::string> PathParts(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t cut = path.find('\\', start);
        parts.emplace_back(path.substr(start, cut - start));
        if (cut == std::string_view::npos) return parts;
        start = cut + 1;
    }
}

}  // namespace platform
