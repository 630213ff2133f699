#include "engine/winapp2_reader.h"

#include <array>
#include <optional>
#include <unordered_map>
#include <utility>

#include "engine/registry_key_path.h"

namespace engine::winapp2 {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        std::size_t at = s.find(separator);
        parts.push_back(Trim(s.substr(0, at)));
        if (at == std::string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

std::vector<std::string> SplitMasks(std::string_view s) {
    std::vector<std::string> masks;
    for (std::string_view mask : Split(s, ';')) {
        if (!mask.empty()) masks.emplace_back(mask);
    }
    return masks;
}

// The file's text quoted in a message: long values cut (at a character boundary) so that one
// bad line cannot flood the report.
std::string Quote(std::string_view s) {
    constexpr std::size_t kMost = 80;
    std::string quoted = "'";
    if (s.size() <= kMost) {
        quoted += s;
    } else {
        std::size_t cut = kMost;
        while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;
        quoted += s.substr(0, cut);
        quoted += "...";
    }
    return quoted + "'";
}

struct Version {
    int major = 0;
    int minor = 0;
    auto operator<=>(const Version&) const = default;
};

std::optional<int> ParseNumber(std::string_view s) {
    if (s.empty() || s.size() > 4) return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// "6" or "6.1".
std::optional<Version> ParseVersion(std::string_view s) {
    std::size_t dot = s.find('.');
    auto major = ParseNumber(s.substr(0, dot));
    if (!major) return std::nullopt;
    if (dot == std::string_view::npos) return Version{*major, 0};
    auto minor = ParseNumber(s.substr(dot + 1));
    if (!minor) return std::nullopt;
    return Version{*major, *minor};
}

struct OsRange {
    std::optional<Version> low, high;  // absent: open
};

std::optional<OsRange> ParseOsRange(std::string_view s) {
    std::vector<std::string_view> ends = Split(s, '|');
    if (ends.size() != 2 || (ends[0].empty() && ends[1].empty())) return std::nullopt;
    OsRange range;
    for (int i = 0; i < 2; ++i) {
        if (ends[i].empty()) continue;
        auto version = ParseVersion(ends[i]);
        if (!version) return std::nullopt;
        (i == 0 ? range.low : range.high) = version;
    }
    if (range.low && range.high && *range.low > *range.high) return std::nullopt;
    return range;
}

// A key "<prefix>" or "<prefix><digits>".
enum class Numbered { No, WithoutNumber, WithNumber };

Numbered MatchNumbered(std::string_view key, std::string_view prefix) {
    if (key.size() < prefix.size() || !EqualNoCase(key.substr(0, prefix.size()), prefix)) {
        return Numbered::No;
    }
    std::string_view digits = key.substr(prefix.size());
    if (digits.empty()) return Numbered::WithoutNumber;
    for (char c : digits) {
        if (c < '0' || c > '9') return Numbered::No;
    }
    return Numbered::WithNumber;
}

class Reader {
  public:
    explicit Reader(Definitions& out) : out_(out) {}

    void Line(int line, std::string_view text) {
        text = Trim(text);
        if (text.empty() || text.front() == ';') return;
        if (text.front() == '[') return Section(line, text);
        std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) return Fail(line, "no '=' in " + Quote(text));
        std::string_view key = Trim(text.substr(0, equals));
        std::string_view value = Trim(text.substr(equals + 1));
        if (!inSection_) return Report(line, Quote(key) + " outside any section");
        if (key.empty()) return Fail(line, "no key before '='");
        Key(line, key, value);
    }

    void Finish() {
        if (inSection_ && !failed_) out_.entries.push_back(std::move(entry_));
        inSection_ = false;
    }

  private:
    void Report(int line, const std::string& what) {
        out_.problems.push_back({line, "line " + std::to_string(line) + ": " + what});
    }

    void Fail(int line, const std::string& what) {
        Report(line, what);
        failed_ = true;
    }

    void Section(int line, std::string_view text) {
        Finish();
        inSection_ = true;
        failed_ = false;
        entry_ = Entry{};
        entry_.line = line;
        if (text.back() != ']') return Fail(line, "no ']' at the end of the section header");
        entry_.name = Trim(text.substr(1, text.size() - 2));
        entry_.id = IdOf(entry_.name);
        if (entry_.id.size() == 3) return Fail(line, "no letter or digit in the entry's name");
        auto [first, added] = firstLines_.emplace(entry_.id, line);
        if (!added) {
            Fail(line, "entry " + Quote(entry_.id) + " already defined on line " +
                           std::to_string(first->second));
        }
    }

    void Key(int line, std::string_view key, std::string_view value) {
        static constexpr std::array<std::string_view, 2> kIgnored = {"SpecialDetect", "Default"};
        for (std::string_view ignored : kIgnored) {
            if (EqualNoCase(key, ignored)) return;
        }
        struct TextKey {
            std::string_view name;
            std::string Entry::*field;
        };
        static const std::array<TextKey, 3> kTexts = {{{"Warning", &Entry::warning},
                                                       {"Section", &Entry::section},
                                                       {"LangSecRef", &Entry::langSecRef}}};
        for (const TextKey& text : kTexts) {
            if (!EqualNoCase(key, text.name)) continue;
            std::string& field = entry_.*text.field;
            field += std::string(field.empty() ? "" : " ") + std::string(value);
            return;
        }
        if (EqualNoCase(key, "DetectOS")) {
            if (!ParseOsRange(value)) return Fail(line, "malformed DetectOS " + Quote(value));
            entry_.detectOs = value;
            return;
        }
        if (MatchNumbered(key, "DetectFile") != Numbered::No) {
            if (CheckPath(line, value)) entry_.detectFiles.emplace_back(value);
            return;
        }
        if (MatchNumbered(key, "Detect") != Numbered::No) {
            if (value.empty()) return Fail(line, "empty registry key");
            entry_.detect.emplace_back(value);
            return;
        }
        struct NumberedKey {
            std::string_view prefix;
            void (Reader::*read)(int, std::string_view);
        };
        static constexpr std::array<NumberedKey, 3> kNumbered = {{
            {"FileKey", &Reader::FileKeyLine},
            {"ExcludeKey", &Reader::ExcludeKeyLine},
            {"RegKey", &Reader::RegKeyLine},
        }};
        for (const NumberedKey& numbered : kNumbered) {
            switch (MatchNumbered(key, numbered.prefix)) {
                case Numbered::No:
                    continue;
                case Numbered::WithoutNumber:
                    return Fail(line, std::string(numbered.prefix) + " without a number");
                case Numbered::WithNumber:
                    return (this->*numbered.read)(line, value);
            }
        }
        Fail(line, "unknown key " + Quote(key));
    }

    void FileKeyLine(int line, std::string_view value) {
        std::vector<std::string_view> fields = Split(value, '|');
        if (!CheckPath(line, fields[0])) return;
        FileKey file{line, std::string(fields[0]), {}};
        if (fields.size() > 1) file.masks = SplitMasks(fields[1]);
        if (file.masks.empty()) file.masks.emplace_back("*.*");
        for (std::size_t i = 2; i < fields.size(); ++i) {
            if (EqualNoCase(fields[i], "RECURSE")) {
                file.recurse = true;
            } else if (EqualNoCase(fields[i], "REMOVESELF")) {
                // The folder goes once emptied, with everything below it.
                file.removeSelf = true;
                file.recurse = true;
            } else if (!fields[i].empty()) {
                return Fail(line, "unknown flag " + Quote(fields[i]));
            }
        }
        entry_.files.push_back(std::move(file));
    }

    void ExcludeKeyLine(int line, std::string_view value) {
        std::vector<std::string_view> fields = Split(value, '|');
        if (fields.size() > 3) return Fail(line, "too many '|' in the exclusion");
        ExcludeKey exclude{line, ExcludeKind::File, {}, {}};
        if (EqualNoCase(fields[0], "REG")) {
            exclude.kind = ExcludeKind::Registry;
            if (!CheckRegistryKey(line, fields.size() > 1 ? fields[1] : std::string_view())) return;
            exclude.path = fields[1];
            exclude.wholeKey = fields.size() < 3;
            if (!exclude.wholeKey) exclude.value = fields[2];
            entry_.excludes.push_back(std::move(exclude));
            return;
        }
        if (EqualNoCase(fields[0], "PATH")) {
            exclude.kind = ExcludeKind::Path;
        } else if (!EqualNoCase(fields[0], "FILE")) {
            return Fail(line, "unknown exclusion kind " + Quote(fields[0]));
        }
        if (!CheckPath(line, fields.size() > 1 ? fields[1] : std::string_view())) return;
        exclude.path = fields[1];
        if (fields.size() > 2) exclude.masks = SplitMasks(fields[2]);
        if (exclude.kind == ExcludeKind::File && exclude.masks.empty())
            return Fail(line, "FILE exclusion without names");
        entry_.excludes.push_back(std::move(exclude));
    }

    void RegKeyLine(int line, std::string_view value) {
        std::vector<std::string_view> fields = Split(value, '|');
        if (fields.size() > 2) return Fail(line, "too many '|' in the registry key");
        if (!CheckRegistryKey(line, fields[0])) return;
        RegKey key{line, std::string(fields[0]), {}};
        key.wholeKey = fields.size() == 1;
        if (!key.wholeKey) key.value = fields[1];
        entry_.registryKeys.push_back(std::move(key));
    }

    // A registry key must name one of the system's roots.
    bool CheckRegistryKey(int line, std::string_view key) {
        if (key.empty()) {
            Fail(line, "empty registry key");
            return false;
        }
        if (!ParseRegistryKey(key)) {
            Fail(line, "unknown registry root " + Quote(key.substr(0, key.find('\\'))));
            return false;
        }
        return true;
    }

    // A path must name something and use only the known variables; they are resolved later.
    bool CheckPath(int line, std::string_view path) {
        if (path.empty()) {
            Fail(line, "empty path");
            return false;
        }
        for (std::size_t at = path.find('%'); at != std::string_view::npos;
             at = path.find('%', at)) {
            std::size_t end = path.find('%', at + 1);
            if (end == std::string_view::npos) {
                Fail(line, "unclosed '%' in " + Quote(path));
                return false;
            }
            std::string_view name = path.substr(at + 1, end - at - 1);
            if (!IsKnownVariable(name)) {
                Fail(line, "unknown variable " + Quote("%" + std::string(name) + "%"));
                return false;
            }
            at = end + 1;
        }
        return true;
    }

    Definitions& out_;
    std::unordered_map<std::string, int> firstLines_;  // id -> line of its first header
    bool inSection_ = false;
    bool failed_ = false;
    Entry entry_{};
};

}  // namespace

Definitions ReadDefinitions(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Definitions out;
    Reader reader(out);
    int line = 0;
    while (!text.empty()) {
        ++line;
        std::size_t end = text.find('\n');
        std::string_view current = text.substr(0, end);
        if (!current.empty() && current.back() == '\r') current.remove_suffix(1);
        reader.Line(line, current);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    reader.Finish();
    return out;
}

std::string IdOf(std::string_view name) {
    std::string id = "w2-";
    bool gap = false;
    for (char c : name) {
        c = Lower(c);
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            if (gap && id.size() > 3) id += '-';
            id += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return id;
}

bool IsKnownVariable(std::string_view name) {
    static constexpr std::array<std::string_view, 21> kKnown = {
        "AppData",       "LocalAppData",    "LocalLowAppData",
        "ProgramFiles",  "ProgramFilesX86", "ProgramFiles(x86)",
        "CommonAppData", "ProgramData",     "WinDir",
        "SystemRoot",    "UserProfile",     "SystemDrive",
        "HomeDrive",     "Documents",       "Music",
        "Pictures",      "Video",           "CommonProgramFiles",
        "Public",        "UserName",        "Temp"};
    for (std::string_view known : kKnown) {
        if (EqualNoCase(name, known)) return true;
    }
    return false;
}

std::string GroupOf(const Entry& entry) {
    if (!entry.section.empty()) return entry.section;
    // The numbers of the format's groups, as its documentation names them.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kGroups = {{
        {"3021", "Applications"},
        {"3022", "Internet"},
        {"3023", "Multimedia"},
        {"3024", "Utilities"},
        {"3025", "Windows"},
        {"3026", "Firefox"},
        {"3027", "Opera"},
        {"3028", "Safari"},
        {"3029", "Google Chrome"},
        {"3030", "Thunderbird"},
        {"3031", "Windows Store"},
    }};
    for (const auto& [number, name] : kGroups)
        if (Trim(entry.langSecRef) == number) return std::string(name);
    return entry.langSecRef.empty() ? "Other" : "Other (" + entry.langSecRef + ")";
}

bool OsInRange(std::string_view detectOs, int major, int minor) {
    detectOs = Trim(detectOs);
    if (detectOs.empty()) return true;
    auto range = ParseOsRange(detectOs);
    if (!range) return false;
    Version version{major, minor};
    return (!range->low || *range->low <= version) && (!range->high || version <= *range->high);
}

}  // namespace engine::winapp2
