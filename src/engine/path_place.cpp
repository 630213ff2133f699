#include "engine/path_place.h"

#include "platform/portable/path_text.h"

namespace engine {

using platform::LowerAscii;
using platform::PathParts;
using platform::StartsWithNoCase;

namespace {

void AppendParts(CanonicalPath& path, const std::string& rest) {
    for (std::string part : PathParts(rest)) {
        if (part == "..") {
            if (!path.parts.empty()) path.parts.pop_back();
            continue;
        }
        while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
        if (!part.empty()) path.parts.push_back(LowerAscii(part));
    }
}

}  // namespace

bool IsDriveSpec(const std::string& s) {
    return s.size() >= 2 && s[1] == ':' &&
           ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

std::optional<CanonicalPath> Canonicalize(std::string path,
                                          const std::optional<CanonicalPath>& current) {
    for (char& c : path)
        if (c == '/') c = '\\';
    CanonicalPath out;
    if (StartsWithNoCase(path, "\\\\?\\") || StartsWithNoCase(path, "\\\\.\\")) {
        std::string rest = path.substr(4);
        if (StartsWithNoCase(rest, "unc\\")) {
            path = "\\\\" + rest.substr(4);
        } else if (IsDriveSpec(rest)) {
            path = rest;
        } else {
            // A device or volume name: its first component (three for the global root)
            // is the root.
            std::vector<std::string> parts = PathParts(rest);
            std::size_t rootParts = StartsWithNoCase(rest, "globalroot\\") ? 3 : 1;
            out.root = "\\\\?";
            std::string tail;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                if (i < rootParts)
                    out.root += "\\" + LowerAscii(parts[i]);
                else
                    tail += "\\" + parts[i];
            }
            AppendParts(out, tail);
            return out;
        }
    }
    if (IsDriveSpec(path)) {
        out.root = LowerAscii(path.substr(0, 2));
        std::string rest = path.substr(2);
        // A bare "C:" counts as the root: the routines append a backslash to it.
        if (!rest.empty() && rest[0] != '\\') {
            // Drive-relative: only placeable against a current directory on that drive.
            if (!current || current->root != out.root) return std::nullopt;
            out.parts = current->parts;
        }
        AppendParts(out, rest);
        return out;
    }
    if (path.starts_with("\\\\")) {
        std::vector<std::string> parts = PathParts(path.substr(2));
        out.root = "\\\\" + LowerAscii(parts[0]);
        std::string tail;
        for (std::size_t i = 1; i < parts.size(); ++i) {
            if (i == 1)
                out.root += "\\" + LowerAscii(parts[i]);
            else
                tail += "\\" + parts[i];
        }
        AppendParts(out, tail);
        return out;
    }
    if (!current) return std::nullopt;
    out.root = current->root;
    if (!path.starts_with("\\")) out.parts = current->parts;
    AppendParts(out, path);
    return out;
}

bool Holds(const CanonicalPath& outer, const CanonicalPath& inner) {
    if (outer.root != inner.root || outer.parts.size() > inner.parts.size()) return false;
    for (std::size_t i = 0; i < outer.parts.size(); ++i)
        if (outer.parts[i] != inner.parts[i]) return false;
    return true;
}

std::size_t RootLength(const std::string& final) {
    if (!final.starts_with("\\\\?\\")) return 0;
    std::size_t start = 4;
    if (StartsWithNoCase(final, "\\\\?\\unc\\")) {
        std::size_t server = final.find('\\', 8);
        if (server == std::string::npos) return 0;
        start = server + 1;
    }
    std::size_t cut = final.find('\\', start);
    return cut == std::string::npos ? 0 : cut + 1;
}

std::string Way::Upto(std::size_t count) const {
    std::string path = root;
    for (std::size_t i = 0; i < count; ++i) path += (i == 0 ? "" : "\\") + names[i];
    return path;
}

Way WayOf(const std::string& final) {
    Way way;
    const std::size_t root = RootLength(final);
    if (root == 0) return way;
    way.root = final.substr(0, root);
    for (std::string& name : PathParts(final.substr(root)))
        if (!name.empty()) way.names.push_back(std::move(name));
    return way;
}

std::string SpellingRefusal(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    if (path.starts_with("\\\\?\\") || path.starts_with("\\\\.\\")) return "a device path";
    if (path.starts_with("\\\\")) return "a network path";
    for (const std::string& part : PathParts(path))
        if (part.size() > 1 && part.find_first_not_of(". ") == std::string::npos &&
            part.front() == '.')
            return "it climbs out of its folder (\"" + part + "\")";
    return {};
}

}  // namespace engine
