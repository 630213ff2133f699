#include "engine/keep_list.h"

#include "platform/files.h"
#include "platform/portable/path_text.h"
#include "platform/system.h"

namespace engine {

namespace {

// The components of PATH between backslashes (or slashes), without empty ones; "\\?\" and
// "\\?\UNC\" prefixes are dropped so both spellings of a path compare alike.
std::vector<std::string_view> Components(std::string_view path) {
    if (path.starts_with("\\\\?\\UNC\\"))
        path.remove_prefix(8);
    else if (path.starts_with("\\\\?\\"))
        path.remove_prefix(4);
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '\\' && path[i] != '/') continue;
        if (i > start) parts.push_back(path.substr(start, i - start));
        start = i + 1;
    }
    return parts;
}

// "*" and "?" against one component, both folded already.
bool Glob(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

// Whether PATTERN from component P on matches a beginning of PARTS from component S on.
bool MatchesFrom(const std::vector<std::string>& pattern, std::size_t p,
                 const std::vector<std::string>& parts, std::size_t s) {
    for (; p < pattern.size(); ++p, ++s) {
        if (pattern[p] == "**")
            return MatchesFrom(pattern, p + 1, parts, s) ||
                   (s < parts.size() && MatchesFrom(pattern, p, parts, s + 1));
        if (s == parts.size() || !Glob(pattern[p], parts[s])) return false;
    }
    return true;
}

}  // namespace

bool MatchesGlob(std::string_view pattern, std::string_view name) {
    return Glob(platform::FoldCase(pattern), platform::FoldCase(name));
}

void KeepList::Merge(const KeepList& other) {
    patterns_.insert(patterns_.end(), other.patterns_.begin(), other.patterns_.end());
}

void KeepList::Add(std::string_view pattern) {
    std::vector<std::string> parts;
    for (std::string_view part : Components(pattern)) parts.push_back(platform::FoldCase(part));
    if (!parts.empty()) patterns_.push_back(std::move(parts));
}

bool KeepList::Keeps(std::string_view path) const {
    if (patterns_.empty()) return false;
    std::vector<std::string> parts;
    for (std::string_view part : Components(path)) parts.push_back(platform::FoldCase(part));
    for (const std::vector<std::string>& pattern : patterns_)
        if (MatchesFrom(pattern, 0, parts, 0)) return true;
    return false;
}

std::string ExpandVariables(std::string_view text, platform::System& system) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t open = text.find('%', i);
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, open - i);
        const std::string name(text.substr(open + 1, close - open - 1));
        std::optional<std::string> value =
            name.empty() ? std::nullopt : system.EnvironmentVariable(name);
        if (value) {
            out += *value;
            i = close + 1;
        } else {
            out += '%';  // not a variable: the second '%' may open one
            i = open + 1;
        }
    }
    return out;
}

void AddKeepLines(KeepList& list, std::string_view text, platform::System& system) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        // A comment is a line of its own: a name may hold a "#".
        if (!line.empty() && line.front() != '#') list.Add(ExpandVariables(line, system));
    }
}

std::string KeepFilePath(platform::System& system) {
    return system.DataFolder() + "keep.txt";
}

KeepList LoadKeepList(platform::FileSystem& files, platform::System& system) {
    KeepList list;
    if (std::optional<std::string> text = files.ReadFile(KeepFilePath(system)))
        AddKeepLines(list, *text, system);
    return list;
}

}  // namespace engine
