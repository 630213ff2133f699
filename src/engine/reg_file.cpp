#include "engine/reg_file.h"

#include <cstdio>
#include <optional>

#include "platform/portable/ini_text.h"

namespace engine {

namespace {

using platform::RegistryType;
namespace portable = platform::portable;

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
// The registry editor wraps hex data after this many characters of a line.
constexpr std::size_t kWrapAt = 76;

std::string Utf16Bytes(std::string_view utf8) {
    return portable::Encode(portable::Utf8ToUtf16(utf8), portable::TextEncoding::Utf16Le,
                            portable::AnsiCodePage::Windows1252);
}

std::u16string UnitsOf(const std::vector<std::uint8_t>& bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return units;
}

// A quoted name or string: backslashes and quotes escaped, line breaks as \n and \r.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        if (c == '\n' || c == '\r') {
            out += c == '\n' ? "\\n" : "\\r";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

// The text of a string value's BYTES, when writing it as text gives back exactly these bytes:
// UTF-16 that converts both ways, ending in one terminator, holding no other NUL and no
// control character.
std::optional<std::string> ExactText(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 2 || bytes.size() % 2 != 0) return std::nullopt;
    std::u16string units = UnitsOf(bytes);
    if (units.back() != 0) return std::nullopt;
    units.pop_back();
    for (char16_t unit : units)
        if (unit < 0x20) return std::nullopt;
    std::string text = portable::Utf16ToUtf8(units);
    if (portable::Utf8ToUtf16(text) != units) return std::nullopt;  // a lone surrogate
    return text;
}

// "hex(2):41,00,..." with the registry editor's line wrapping after PREFIX already written.
std::string Hex(const std::string& tag, const std::vector<std::uint8_t>& bytes,
                std::size_t column) {
    std::string out = tag;
    column += tag.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        out += digits;
        column += 2;
        if (i + 1 == bytes.size()) break;
        out += ',';
        ++column;
        if (column > kWrapAt) {
            out += "\\\r\n  ";
            column = 2;
        }
    }
    return out;
}

std::string ValueLine(const platform::StoredValue& value) {
    std::string line = value.name.empty() ? "@=" : Quoted(value.name) + "=";
    const auto type = static_cast<std::uint32_t>(value.type);
    if (value.type == RegistryType::String)
        if (std::optional<std::string> text = ExactText(value.bytes)) return line + Quoted(*text);
    if (value.type == RegistryType::Dword && value.bytes.size() == 4) {
        char digits[16];
        std::snprintf(
            digits, sizeof digits, "dword:%08x",
            static_cast<unsigned>(value.bytes[0] | (value.bytes[1] << 8) | (value.bytes[2] << 16) |
                                  (static_cast<std::uint32_t>(value.bytes[3]) << 24)));
        return line + digits;
    }
    std::string tag = "hex:";
    if (value.type != RegistryType::Binary) {
        char number[24];
        std::snprintf(number, sizeof number, "hex(%x):", type);
        tag = number;
    }
    return line + Hex(tag, value.bytes, line.size());
}

// The file's bytes as text: UTF-16 LE after its mark, else UTF-8 (a mark skipped).
std::string TextOf(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) {
        std::vector<std::uint32_t> offsets;
        return portable::Utf16ToUtf8(
            portable::Decode(bytes.substr(2), portable::TextEncoding::Utf16Le,
                             portable::AnsiCodePage::Windows1252, offsets));
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return std::string(bytes);
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Reads a quoted string at the start of TEXT (its opening quote included) into OUT; the rest
// after the closing quote, or nullopt when it does not close.
std::optional<std::string_view> ReadQuoted(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') return text.substr(i + 1);
        if (c == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
            continue;
        }
        out += c;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> HexNumber(std::string_view digits, std::size_t most) {
    if (digits.empty() || digits.size() > most) return std::nullopt;
    std::uint32_t n = 0;
    for (char c : digits) {
        int d = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
        if (d < 0) return std::nullopt;
        n = n * 16 + static_cast<std::uint32_t>(d);
    }
    return n;
}

std::optional<std::vector<std::uint8_t>> HexBytes(std::string_view list) {
    std::vector<std::uint8_t> bytes;
    if (Trim(list).empty()) return bytes;
    for (;;) {
        const std::size_t comma = list.find(',');
        const auto byte = HexNumber(Trim(list.substr(0, comma)), 2);
        if (!byte) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*byte));
        if (comma == std::string_view::npos) return bytes;
        list.remove_prefix(comma + 1);
    }
}

// The value DATA stands for (after the "="), or why not.
std::optional<platform::StoredValue> ValueOf(std::string_view data, std::string& why) {
    data = Trim(data);
    platform::StoredValue value;
    if (data.starts_with('"')) {
        std::string text;
        const std::optional<std::string_view> rest = ReadQuoted(data, text);
        if (!rest || !Trim(*rest).empty()) {
            why = "a string that does not end with its quote";
            return std::nullopt;
        }
        const std::string bytes = Utf16Bytes(text) + std::string(2, '\0');
        value.type = RegistryType::String;
        value.bytes.assign(bytes.begin(), bytes.end());
        return value;
    }
    if (data == "-") {
        why = "a value deletion, which a restore does not make";
        return std::nullopt;
    }
    if (data.starts_with("dword:")) {
        const auto number = HexNumber(data.substr(6), 8);
        if (!number) {
            why = "a malformed dword";
            return std::nullopt;
        }
        value.type = RegistryType::Dword;
        for (int shift = 0; shift < 32; shift += 8)
            value.bytes.push_back(static_cast<std::uint8_t>(*number >> shift));
        return value;
    }
    std::optional<std::uint32_t> type;
    const std::size_t colon = data.find(':');
    if (data.starts_with("hex:")) {
        type = static_cast<std::uint32_t>(RegistryType::Binary);
    } else if (data.starts_with("hex(") && colon != std::string_view::npos && colon > 5 &&
               data[colon - 1] == ')') {
        type = HexNumber(data.substr(4, colon - 5), 8);
    }
    std::optional<std::vector<std::uint8_t>> bytes;
    if (type) bytes = HexBytes(data.substr(colon + 1));
    if (!bytes) {
        why = "value data that is neither a string, a dword nor hex bytes";
        return std::nullopt;
    }
    value.type = static_cast<RegistryType>(*type);
    value.bytes = std::move(*bytes);
    return value;
}

// The file's lines with continued lines (ending in a backslash) joined, each with the number
// of its first line.
std::vector<std::pair<int, std::string>> LogicalLines(const std::string& text) {
    std::vector<std::pair<int, std::string>> lines;
    bool continued = false;
    int number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line = Trim(std::string_view(text).substr(start, end - start));
        ++number;
        start = end + 1;
        if (continued)
            lines.back().second += line;
        else
            lines.emplace_back(number, std::string(line));
        std::string& whole = lines.back().second;
        continued =
            !whole.empty() && whole.front() != '[' && whole.front() != ';' && whole.back() == '\\';
        if (continued) whole.pop_back();
    }
    return lines;
}

}  // namespace

std::string RegFileHeader() {
    return std::string(kHeader) + "\r\n";
}

std::string RegFileText(const std::vector<KeyRecord>& records) {
    std::string text;
    const KeyRecord* previous = nullptr;
    for (const KeyRecord& record : records) {
        if (previous == nullptr || previous->name != record.name)
            text += "\r\n[" + record.name + "]\r\n";
        for (const platform::StoredValue& value : record.values) text += ValueLine(value) + "\r\n";
        previous = &record;
    }
    return text;
}

std::string RegFileBytes(std::string_view text, bool mark) {
    return (mark ? std::string("\xFF\xFE") : std::string()) + Utf16Bytes(text);
}

ParsedRegFile ParseRegFile(std::string_view bytes) {
    ParsedRegFile out;
    const std::vector<std::pair<int, std::string>> lines = LogicalLines(TextOf(bytes));
    bool header = false;
    for (const auto& [number, line] : lines) {
        auto problem = [&out, number = number](const std::string& what) {
            out.problems.push_back("line " + std::to_string(number) + ": " + what);
        };
        if (line.empty() || line.front() == ';') continue;
        if (!header) {
            if (line != kHeader) {
                problem("not a registry file: it does not begin with \"" + std::string(kHeader) +
                        "\"");
                return out;
            }
            header = true;
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            const std::string_view name = close == std::string::npos
                                              ? std::string_view()
                                              : std::string_view(line).substr(1, close - 1);
            if (close == std::string::npos ||
                !Trim(std::string_view(line).substr(close + 1)).empty())
                problem("a key without its closing bracket");
            else if (name.starts_with('-'))
                problem("a key deletion, which a restore does not make");
            else if (const auto key = ParseRegistryKey(name))
                out.keys.push_back({number, *key, {}});
            else
                problem("an unknown registry root in [" + std::string(name) + "]");
            continue;
        }
        if (out.keys.empty()) {
            problem("a value before any key");
            continue;
        }
        std::string name;
        std::string_view rest;
        if (line.front() == '@') {
            rest = std::string_view(line).substr(1);
        } else if (line.front() == '"') {
            const auto after = ReadQuoted(line, name);
            if (!after) {
                problem("a value name that does not end with its quote");
                continue;
            }
            rest = *after;
        }
        rest = Trim(rest);
        if (!rest.starts_with('=')) {
            problem("a line that is neither a key nor a value");
            continue;
        }
        std::string why;
        std::optional<platform::StoredValue> value = ValueOf(rest.substr(1), why);
        if (!value) {
            problem(why);
            continue;
        }
        value->name = std::move(name);
        out.keys.back().values.push_back(std::move(*value));
    }
    if (!header) out.problems.push_back("line 1: an empty file, not a registry file");
    return out;
}

}  // namespace engine
