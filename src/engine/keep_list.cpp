#include "engine/keep_list.h"

#include <algorithm>

#include "engine/path_place.h"
#include "platform/files.h"
#include "platform/portable/path_text.h"
#include "platform/system.h"

namespace engine {

namespace {

using platform::StartsWithNoCase;

// The components of PATH between backslashes (or slashes), without empty ones; "\\?\",
// "\\.\" and "\\?\UNC\" prefixes are dropped so every spelling of a path compares alike.
std::vector<std::string_view> Components(std::string_view path) {
    if (StartsWithNoCase(path, "\\\\?\\UNC\\"))
        path.remove_prefix(8);
    else if (path.starts_with("\\\\?\\") || path.starts_with("\\\\.\\"))
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

// The length of the UTF-8 character at TEXT[I].
std::size_t CharLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(n, text.size() - i);
}

// Whether PATTERN matches PARTS or the components at their start: "**" stands for any number
// of components, any other component for one (GlobMatches). Greedy, going back to the latest
// "**" alone on a mismatch, so the work grows with the product of the two lengths, never
// exponentially.
bool MatchesStart(const std::vector<std::string>& pattern, const std::vector<std::string>& parts) {
    std::size_t p = 0, s = 0, star = std::string::npos, resume = 0;
    while (s < parts.size()) {
        if (p < pattern.size() && pattern[p] == "**") {
            star = p++;
            resume = s;
        } else if (p < pattern.size() && GlobMatches(pattern[p], parts[s])) {
            ++p;
            ++s;
        } else if (p == pattern.size()) {
            return true;  // what is left lies below what the pattern names
        } else if (star != std::string::npos) {
            p = star + 1;
            s = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == "**") ++p;
    return p == pattern.size();
}

bool HasWildcard(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

// A pattern taken apart: the root to look it up from ("C:\", "\\server\share\",
// "\\?\Volume{...}\") and the components below it.
struct Placed {
    std::string root;
    std::vector<std::string> parts;
    bool network = false;
};

// PATTERN placed as the system places a path: "." and ".." applied and trailing dots and
// spaces dropped, unless it is a literal "\\?\" one. Nullopt for a pattern that is not a full
// path.
std::optional<Placed> PlacePattern(std::string pattern) {
    std::replace(pattern.begin(), pattern.end(), '/', '\\');
    Placed placed;
    std::string rest;
    bool literal = false;
    if (pattern.starts_with("\\\\?\\") || pattern.starts_with("\\\\.\\")) {
        literal = true;
        rest = pattern.substr(4);
        if (StartsWithNoCase(rest, "UNC\\")) {
            pattern = "\\\\" + rest.substr(4);
        } else {
            const std::size_t cut = rest.find('\\');
            if (cut == std::string::npos || cut == 0) return std::nullopt;
            placed.root = (IsDriveSpec(rest) ? "" : pattern.substr(0, 4)) + rest.substr(0, cut + 1);
            rest = rest.substr(cut + 1);
        }
    }
    if (placed.root.empty() && pattern.starts_with("\\\\")) {
        const std::vector<std::string> parts = platform::PathParts(pattern.substr(2));
        if (parts.size() < 2 || parts[0].empty() || parts[1].empty()) return std::nullopt;
        placed.root = "\\\\" + parts[0] + "\\" + parts[1] + "\\";
        placed.network = true;
        for (std::size_t i = 2; i < parts.size(); ++i) rest += parts[i] + "\\";
    } else if (placed.root.empty()) {
        if (!IsDriveSpec(pattern) || pattern.size() < 3 || pattern[2] != '\\') return std::nullopt;
        placed.root = pattern.substr(0, 3);
        rest = pattern.substr(3);
    }
    for (std::string part : platform::PathParts(rest)) {
        if (!literal) {
            if (part == ".") continue;
            if (part == "..") {
                if (!placed.parts.empty()) placed.parts.pop_back();
                continue;
            }
            while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
        }
        if (!part.empty()) placed.parts.push_back(std::move(part));
    }
    return placed;
}

std::string Joined(const Placed& placed, std::size_t count) {
    std::string path = placed.root;
    for (std::size_t i = 0; i < count; ++i) path += (i == 0 ? "" : "\\") + placed.parts[i];
    return path;
}

// The final path of the longest part of PLACED before its first wildcard that is there, with
// the rest of PLACED after it; "" when none of it is (or it is on a network share, which is
// not reached just to read the list).
std::string Resolved(platform::FileSystem& files, const Placed& placed) {
    if (placed.network) return {};
    std::size_t literal = 0;
    while (literal < placed.parts.size() && !HasWildcard(placed.parts[literal])) ++literal;
    for (std::size_t count = literal + 1; count-- > 0;) {
        auto entry = files.Open(Joined(placed, count), platform::OpenFor::Listing);
        std::string final = entry ? entry->FinalPath() : std::string();
        if (final.empty()) continue;
        while (final.ends_with('\\')) final.pop_back();
        for (std::size_t i = count; i < placed.parts.size(); ++i) final += "\\" + placed.parts[i];
        return final;
    }
    return {};
}

}  // namespace

bool GlobMatches(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += CharLength(name, n);
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            resume += CharLength(name, resume);
            n = resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

void KeepList::AddKeyed(const std::vector<std::string>& parts) {
    if (!parts.empty() && std::find(patterns_.begin(), patterns_.end(), parts) == patterns_.end())
        patterns_.push_back(parts);
}

std::string KeepList::Add(platform::FileSystem& files, std::string_view pattern) {
    if (pattern.find_first_not_of(" \t") == std::string_view::npos) return {};
    const std::optional<Placed> placed = PlacePattern(std::string(pattern));
    if (!placed)
        return "not a full path, so it cannot be told what it keeps: " + std::string(pattern);
    files_ = &files;
    // As written, and as the file system resolves it: either spelling keeps.
    for (const std::string& path :
         {Joined(*placed, placed->parts.size()), Resolved(files, *placed)}) {
        const std::string key = files.NameKey(path);
        std::vector<std::string> parts;
        for (std::string_view part : Components(key)) parts.emplace_back(part);
        AddKeyed(parts);
    }
    return {};
}

std::string KeepList::AddLine(platform::FileSystem& files, platform::System& system,
                              std::string_view text) {
    std::string missing;
    const std::optional<std::string> pattern = ExpandVariables(text, system, missing);
    if (!pattern) return missing + " is not set, so it cannot be told what the line keeps";
    return Add(files, *pattern);
}

void KeepList::AddProblem(std::string text) {
    problems_.push_back(std::move(text));
}

void KeepList::Merge(const KeepList& other) {
    if (files_ == nullptr) files_ = other.files_;
    for (const std::vector<std::string>& pattern : other.patterns_) AddKeyed(pattern);
    problems_.insert(problems_.end(), other.problems_.begin(), other.problems_.end());
}

bool KeepList::Keeps(std::string_view path) const {
    if (patterns_.empty() || files_ == nullptr) return false;
    const std::string key = files_->NameKey(path);
    std::vector<std::string> parts;
    for (std::string_view part : Components(key)) parts.emplace_back(part);
    return std::any_of(patterns_.begin(), patterns_.end(),
                       [&parts](const auto& pattern) { return MatchesStart(pattern, parts); });
}

std::optional<std::string> ExpandVariables(std::string_view text, platform::System& system,
                                           std::string& missing) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t open = text.find('%', i);
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        const std::string_view name = close == std::string_view::npos
                                          ? std::string_view()
                                          : text.substr(open + 1, close - open - 1);
        // A "%" that opens no name (none follows, or a folder separator comes first) is text.
        if (name.empty() || name.find_first_of("\\/") != std::string_view::npos) {
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            out += text.substr(i, end - i);
            i = end;
            continue;
        }
        out += text.substr(i, open - i);
        const std::optional<std::string> value = system.EnvironmentVariable(std::string(name));
        if (!value || value->empty()) {
            missing = "%" + std::string(name) + "%";
            return std::nullopt;
        }
        out += *value;
        i = close + 1;
    }
    return out;
}

std::vector<std::string> KeepFilePaths(platform::System& system) {
    std::vector<std::string> paths;
    const std::string user = system.UserDataFolder();
    if (!user.empty()) paths.push_back(user + "keep.txt");
    const std::string program = system.ApplicationFolder() + "keep.txt";
    if (paths.empty() || platform::LowerAscii(program) != platform::LowerAscii(paths.front()))
        paths.push_back(program);
    return paths;
}

KeepList LoadKeepList(platform::FileSystem& files, platform::System& system) {
    KeepList list;
    for (const std::string& path : KeepFilePaths(system)) {
        std::optional<std::string> text = files.ReadFile(path);
        if (!text) {
            if (files.FileExists(path)) list.AddProblem(path + " cannot be read");
            continue;
        }
        std::string_view rest = *text;
        if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
        for (int number = 1; !rest.empty(); ++number) {
            const std::size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            while (!line.empty() &&
                   (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
                line.remove_suffix(1);
            while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
                line.remove_prefix(1);
            // A comment is a line of its own: a name may hold a "#".
            if (line.empty() || line.front() == '#') continue;
            const std::string problem = list.AddLine(files, system, line);
            if (!problem.empty())
                list.AddProblem(path + ", line " + std::to_string(number) + ": " + problem);
        }
    }
    return list;
}

}  // namespace engine
