#include "platform/portable/path_text.h"

namespace platform {

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

namespace {

// The lower-case letter of the upper-case letter CP, for code points U+0080 to U+07FF; CP
// itself when it is none.
char32_t FoldTwoByte(char32_t cp) {
    auto pairs = [cp](char32_t first, char32_t last, bool evenUpper) {
        return cp >= first && cp <= last && ((cp % 2 == 0) == evenUpper);
    };
    if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) || (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2) ||
        (cp >= 0x410 && cp <= 0x42F))
        return cp + 0x20;
    if (cp >= 0x400 && cp <= 0x40F) return cp + 0x50;
    if (cp >= 0x531 && cp <= 0x556) return cp + 0x30;
    if (cp == 0x178) return 0xFF;
    if (cp == 0x386) return 0x3AC;
    if (cp >= 0x388 && cp <= 0x38A) return cp + 0x25;
    if (cp == 0x38C) return 0x3CC;
    if (cp == 0x38E || cp == 0x38F) return cp + 0x3F;
    if (pairs(0x100, 0x12F, true) || pairs(0x132, 0x137, true) || pairs(0x139, 0x148, false) ||
        pairs(0x14A, 0x177, true) || pairs(0x179, 0x17E, false) || pairs(0x460, 0x481, true) ||
        pairs(0x48A, 0x4BF, true) || pairs(0x4C1, 0x4CE, false) || pairs(0x4D0, 0x52F, true))
        return cp + 1;
    return cp;
}

}  // namespace

std::string FoldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 'A' && lead <= 'Z') {
            out += static_cast<char>(lead - 'A' + 'a');
        } else if (lead >= 0xC2 && lead <= 0xDF && i + 1 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const char32_t cp = FoldTwoByte(((lead & 0x1Fu) << 6) |
                                            (static_cast<unsigned char>(text[i + 1]) & 0x3Fu));
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
            ++i;
        } else {
            out += static_cast<char>(lead);
        }
    }
    return out;
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
