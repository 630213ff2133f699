// Any bytes as keep-list lines and walk paths (the two parts split at the first NUL byte, each
// one a line): loading and matching must neither crash nor take long (the runner's time limit
// per input catches a matcher that goes back over every way of splitting a path), and must
// agree with a plain, slow matcher that tries every way. A full path written plainly keeps
// itself and what lies below it.

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/keep_list.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_system.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::vector<std::string> Parts(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '\\' || path[i] == '/') {
            if (i > start) parts.emplace_back(path.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

// "C:\..." with names that no spelling rule changes: no wildcard, variable, "/", nor a name
// that ends in a dot or a space.
bool IsPlain(std::string_view path) {
    if (path.size() < 4 || path.substr(1, 2) != ":\\" || path[0] < 'A' || path[0] > 'Z')
        return false;
    if (path.find_first_of("*?%/") != std::string_view::npos) return false;
    if (path.find(std::string_view("\0", 1)) != std::string_view::npos) return false;
    for (const std::string& part : Parts(path.substr(3)))
        if (part.back() == '.' || part.back() == ' ') return false;
    return true;
}

// The slow matcher: "*" and "?" over characters, "**" over components, tried every way.
std::size_t CharLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return n < text.size() - i ? n : text.size() - i;
}

// Whether PATTERN from P matches NAME from S; MEMO holds what each pair gave (-1: not yet), so
// a run of stars tries every way without trying any one twice.
bool GlobFrom(std::string_view pattern, std::size_t p, std::string_view name, std::size_t s,
              std::vector<signed char>& memo) {
    signed char& seen = memo[p * (name.size() + 1) + s];
    if (seen >= 0) return seen != 0;
    bool result;
    if (p == pattern.size())
        result = s == name.size();
    else if (pattern[p] == '*')
        result = GlobFrom(pattern, p + 1, name, s, memo) ||
                 (s < name.size() && GlobFrom(pattern, p, name, s + CharLength(name, s), memo));
    else if (s == name.size())
        result = false;
    else if (pattern[p] == '?')
        result = GlobFrom(pattern, p + 1, name, s + CharLength(name, s), memo);
    else
        result = pattern[p] == name[s] && GlobFrom(pattern, p + 1, name, s + 1, memo);
    seen = result ? 1 : 0;
    return result;
}

bool SlowGlob(std::string_view pattern, std::string_view name) {
    std::vector<signed char> memo((pattern.size() + 1) * (name.size() + 1), -1);
    return GlobFrom(pattern, 0, name, 0, memo);
}

bool SlowKeeps(const std::vector<std::string>& pattern, std::size_t p,
               const std::vector<std::string>& path, std::size_t s,
               std::map<std::pair<std::size_t, std::size_t>, bool>& seen) {
    if (p == pattern.size()) return true;
    auto [it, added] = seen.try_emplace({p, s}, false);
    if (!added) return it->second;
    bool result;
    if (pattern[p] == "**")
        result = SlowKeeps(pattern, p + 1, path, s, seen) ||
                 (s < path.size() && SlowKeeps(pattern, p, path, s + 1, seen));
    else
        result = s < path.size() && SlowGlob(pattern[p], path[s]) &&
                 SlowKeeps(pattern, p + 1, path, s + 1, seen);
    return seen[{p, s}] = result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::vector<std::string_view> patterns = Lines(input.substr(0, split));
    const std::vector<std::string_view> paths = split == std::string_view::npos
                                                    ? std::vector<std::string_view>()
                                                    : Lines(input.substr(split + 1));

    fakes::FakeFileSystem files;
    fakes::FakeSystem system;
    system.environment["TEMP"] = "C:\\Users\\Anna\\AppData\\Local\\Temp";
    engine::KeepList list;
    for (std::string_view line : patterns) (void)list.AddLine(files, system, line);

    // The patterns no spelling rule rewrites ("**" and wildcards allowed in their names).
    std::vector<std::string> plain;
    bool allPlain = true;
    for (std::string_view line : patterns) {
        std::string wildFree(line);
        for (char& c : wildFree)
            if (c == '*' || c == '?') c = 'x';
        if (IsPlain(wildFree))
            plain.emplace_back(line);
        else
            allPlain = allPlain && line.empty();
    }
    for (std::string_view path : paths) {
        const bool kept = list.Keeps(path);
        bool slow = false;
        for (const std::string& line : plain) {
            std::map<std::pair<std::size_t, std::size_t>, bool> seen;
            std::string pathKey = files.NameKey(path);
            // Every spelling of a path compares alike: "\\?\UNC\server" as "\\server", and
            // components are compared without the empty ones a leading "\\" makes.
            if (pathKey.starts_with("\\\\?\\UNC\\"))
                pathKey.erase(0, 8);
            else if (pathKey.starts_with("\\\\?\\") || pathKey.starts_with("\\\\.\\"))
                pathKey.erase(0, 4);
            slow = slow || SlowKeeps(Parts(files.NameKey(line)), 0, Parts(pathKey), 0, seen);
        }
        Check(allPlain ? slow == kept : !slow || kept);
    }
    // A plain full path keeps itself and what is below it.
    for (std::string_view line : patterns) {
        if (!IsPlain(line)) continue;
        engine::KeepList one;
        Check(one.Add(files, line).empty());
        Check(one.Keeps(line));
        Check(one.Keeps(std::string(line) + "\\below"));
        Check(one.Keeps("\\\\?\\" + std::string(line)));
    }
    return 0;
}
