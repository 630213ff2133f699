#include "platform/portable/ini_text.h"

#include <array>

namespace platform::portable {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Bytes 0x80..0xFF of each code page. Bytes the code page leaves undefined map to the C1
// control of the same number, as the platform's conversion does, so every byte round-trips.
constexpr std::array<char16_t, 128> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

constexpr std::array<char16_t, 128> kHigh1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const std::array<char16_t, 128>& HighHalf(AnsiCodePage codePage) {
    return codePage == AnsiCodePage::Windows1251 ? kHigh1251 : kHigh1252;
}

char AnsiByte(char16_t c, AnsiCodePage codePage) {
    if (c < 0x80) return static_cast<char>(c);
    const auto& high = HighHalf(codePage);
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendCodePoint(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

// Decodes one UTF-8 sequence at BYTES[i]; advances I past it (past one byte when invalid).
char32_t NextUtf8(std::string_view bytes, std::size_t& i) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    unsigned char lead = b(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + length > bytes.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k < length; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += length;
    return cp;
}

char16_t FoldCase(char16_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? static_cast<char16_t>(c + 32) : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x178) return 0xFF;
        bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        if (oddPairs) return (c & 1) ? static_cast<char16_t>(c + 1) : c;
        return (c & 1) ? c : static_cast<char16_t>(c + 1);
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<char16_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
    if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 32);
    return c;
}

}  // namespace

TextEncoding DetectEncoding(std::string_view bytes, std::size_t& markLength) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        markLength = 3;
        return TextEncoding::Utf8Bom;
    }
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
        markLength = 2;
        return TextEncoding::Utf16Le;
    }
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") {
        markLength = 2;
        return TextEncoding::Utf16Be;
    }
    markLength = 0;
    return TextEncoding::Ansi;
}

std::string_view ByteOrderMark(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8Bom:
            return "\xEF\xBB\xBF";
        case TextEncoding::Utf16Le:
            return "\xFF\xFE";
        case TextEncoding::Utf16Be:
            return "\xFE\xFF";
        case TextEncoding::Ansi:
            break;
    }
    return {};
}

std::u16string Decode(std::string_view bytes, TextEncoding encoding, AnsiCodePage codePage,
                      std::vector<std::uint32_t>& offsets) {
    std::u16string out;
    offsets.clear();
    switch (encoding) {
        case TextEncoding::Ansi: {
            const auto& high = HighHalf(codePage);
            out.reserve(bytes.size());
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                auto b = static_cast<unsigned char>(bytes[i]);
                offsets.push_back(static_cast<std::uint32_t>(i));
                out.push_back(b < 0x80 ? b : high[b - 0x80]);
            }
            break;
        }
        case TextEncoding::Utf8Bom: {
            std::size_t i = 0;
            while (i < bytes.size()) {
                std::size_t start = i;
                std::size_t before = out.size();
                AppendCodePoint(out, NextUtf8(bytes, i));
                for (std::size_t k = before; k < out.size(); ++k) {
                    offsets.push_back(static_cast<std::uint32_t>(start));
                }
            }
            break;
        }
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be: {
            bool little = encoding == TextEncoding::Utf16Le;
            // A trailing odd byte is not part of any unit; it is dropped.
            std::size_t i = 0;
            for (; i + 1 < bytes.size(); i += 2) {
                auto lo = static_cast<unsigned char>(bytes[little ? i : i + 1]);
                auto hi = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
                offsets.push_back(static_cast<std::uint32_t>(i));
                out.push_back(static_cast<char16_t>(lo | (hi << 8)));
            }
            offsets.push_back(static_cast<std::uint32_t>(i));
            return out;
        }
    }
    offsets.push_back(static_cast<std::uint32_t>(bytes.size()));
    return out;
}

std::string Encode(std::u16string_view text, TextEncoding encoding, AnsiCodePage codePage) {
    std::string out;
    switch (encoding) {
        case TextEncoding::Ansi:
            out.reserve(text.size());
            for (std::size_t i = 0; i < text.size(); ++i) {
                // A surrogate pair is one character and becomes one "?".
                bool pair =
                    IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
                if (pair) {
                    ++i;
                    out.push_back('?');
                    continue;
                }
                out.push_back(AnsiByte(text[i], codePage));
            }
            break;
        case TextEncoding::Utf8Bom:
            out = Utf16ToUtf8(text);
            break;
        case TextEncoding::Utf16Le:
        case TextEncoding::Utf16Be: {
            bool little = encoding == TextEncoding::Utf16Le;
            out.reserve(text.size() * 2);
            for (char16_t c : text) {
                char lo = static_cast<char>(c & 0xFF);
                char hi = static_cast<char>(c >> 8);
                out.push_back(little ? lo : hi);
                out.push_back(little ? hi : lo);
            }
            break;
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) AppendCodePoint(out, NextUtf8(utf8, i));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (IsHighSurrogate(utf16[i]) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(utf16[i]) || IsLowSurrogate(utf16[i])) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

bool IsProfileSpace(char16_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20 || c == 0x85 || c == 0xA0 ||
           c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
           c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u16string_view TrimProfileSpace(std::u16string_view s) {
    while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
    return s;
}

bool NamesEqual(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    }
    return true;
}

}  // namespace platform::portable
