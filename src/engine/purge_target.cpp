#include "engine/purge_target.h"

#include <vector>

#include "engine/entry_path.h"
#include "platform/portable/path_text.h"

namespace engine {

using platform::LowerAscii;
using platform::PathParts;
using platform::StartsWithNoCase;

namespace {

// ---- Refusals by spelling ------------------------------------------------------------------

bool IsDriveSpec(const std::string& s) {
    return s.size() >= 2 && s[1] == ':' &&
           ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

// A path reduced to what decides which folder it names: a lower-case root ("c:",
// "\\server\share", "\\?\volume{...}") and the folder names below it, with "." and ".."
// applied and the trailing dots and spaces the platform ignores removed.
struct CanonicalPath {
    std::string root;
    std::vector<std::string> parts;
};

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

// Nullopt when the path cannot be placed (relative, and no absolute current directory).
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

// True when OUTER is INNER or a folder that holds it.
bool Holds(const CanonicalPath& outer, const CanonicalPath& inner) {
    if (outer.root != inner.root || outer.parts.size() > inner.parts.size()) return false;
    for (std::size_t i = 0; i < outer.parts.size(); ++i)
        if (outer.parts[i] != inner.parts[i]) return false;
    return true;
}

// A colon anywhere but after a drive letter names a stream ("x::$INDEX_ALLOCATION" is the
// folder x itself).
bool HasStreamSyntax(const std::string& path) {
    std::size_t start = 0;
    if (StartsWithNoCase(path, "\\\\?\\") || StartsWithNoCase(path, "\\\\.\\")) start = 4;
    if (IsDriveSpec(path.substr(start))) start += 2;
    return path.find(':', start) != std::string::npos;
}

bool RefusedBySpelling(const std::string& folder, const std::optional<CanonicalPath>& current,
                       const std::string& windowsFolder) {
    if (folder.empty() || HasStreamSyntax(folder)) return true;
    const std::optional<CanonicalPath> target = Canonicalize(folder, current);
    if (!target || target->parts.empty()) return true;  // unplaceable, or a root
    if (windowsFolder.empty()) return false;
    const std::optional<CanonicalPath> windows = Canonicalize(windowsFolder, current);
    return windows && Holds(*target, *windows);
}

// ---- Refusals by identity ------------------------------------------------------------------

// The length of the root part of a final path: "\\?\C:\", "\\?\UNC\server\share\" or
// "\\?\Volume{...}\"; 0 when it has none.
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

std::optional<platform::FileIdentity> IdentityOf(platform::FileSystem& files,
                                                 const std::string& path) {
    auto entry = files.Open(path, platform::OpenFor::Listing);
    if (!entry) return std::nullopt;
    return entry->Identity();
}

// Paths of objects no purge may empty, whatever they are called: the fixed drives' roots,
// the root of the target's own volume, and each folder above the Windows folder.
std::vector<std::string> ProtectedPaths(platform::FileSystem& files, const std::string& targetFinal,
                                        std::string windowsFinal) {
    std::vector<std::string> paths = files.FixedDriveRoots();
    if (std::size_t root = RootLength(targetFinal)) paths.push_back(targetFinal.substr(0, root));
    const std::size_t root = RootLength(windowsFinal);
    while (root != 0 && windowsFinal.size() > root) {
        std::size_t cut = windowsFinal.find_last_of('\\');
        windowsFinal.resize(cut < root ? root : cut);
        paths.push_back(windowsFinal);
    }
    return paths;
}

// False when a folder on the way to FINAL has a sibling whose name differs from it only by
// trailing dots or spaces. A level that cannot be listed is passed over: platforms that
// report names exactly need no such check, and under one that trims, every level lists.
bool HasNoTrimmedTwins(platform::FileSystem& files, const std::string& final) {
    std::size_t start = RootLength(final);
    if (start == 0) return false;
    while (start < final.size()) {
        std::size_t cut = final.find('\\', start);
        if (cut == std::string::npos) cut = final.size();
        std::string_view name = TrimmedName(std::string_view(final).substr(start, cut - start));
        std::string parent = final.substr(0, start == RootLength(final) ? start : start - 1);
        std::vector<platform::DirEntry> entries;
        auto folder = files.Open(parent, platform::OpenFor::Listing);
        if (folder && folder->List(entries)) {
            int alike = 0;
            for (const platform::DirEntry& entry : entries)
                if (TrimmedName(entry.name) == name) ++alike;
            if (alike > 1) return false;
        }
        start = cut + 1;
    }
    return true;
}

}  // namespace

std::optional<PurgeTarget> OpenPurgeTarget(platform::FileSystem& files, const std::string& folder,
                                           const std::string& windowsFolder) {
    const std::optional<CanonicalPath> current = Canonicalize(files.CurrentDirectory(), {});
    if (RefusedBySpelling(folder, current, windowsFolder)) return std::nullopt;

    PurgeTarget target{files.Open(folder, platform::OpenFor::Listing), {}, {}};
    if (!target.folder) return std::nullopt;
    target.path = target.folder->FinalPath();
    const std::optional<platform::FileIdentity> id = target.folder->Identity();
    if (target.path.empty() || !id || RefusedBySpelling(target.path, {}, "")) return std::nullopt;
    target.identity = *id;

    // The walk builds every path on the final path: it must lead back here.
    if (IdentityOf(files, target.path) != id) return std::nullopt;

    auto windows =
        windowsFolder.empty() ? nullptr : files.Open(windowsFolder, platform::OpenFor::Listing);
    const std::string windowsFinal = windows ? windows->FinalPath() : std::string();
    if (windows && windows->Identity() == id) return std::nullopt;
    if (!windowsFinal.empty() && RefusedBySpelling(target.path, {}, windowsFinal))
        return std::nullopt;
    for (const std::string& path : ProtectedPaths(files, target.path, windowsFinal))
        if (IdentityOf(files, path) == id) return std::nullopt;
    if (!HasNoTrimmedTwins(files, target.path)) return std::nullopt;
    return target;
}

}  // namespace engine
