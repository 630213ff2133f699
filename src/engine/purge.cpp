#include "engine/purge.h"

#include <optional>
#include <vector>

#include "engine/mask_matcher.h"

namespace engine {

namespace attr = platform::attr;

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

std::string Join(const std::string& folder, const std::string& name) {
    if (!folder.empty() && IsSeparator(folder.back())) return folder + name;
    return folder + "\\" + name;
}

bool IsFolder(const platform::DirEntry& entry) {
    return (entry.attributes & attr::kDirectory) != 0;
}

// A link, junction or mount point: its contents belong to another folder.
bool IsReparsePoint(const platform::DirEntry& entry) {
    return (entry.attributes & attr::kReparsePoint) != 0;
}

// Sets the entry to archive alone, skipping the call when it is that already (most files
// are, and the call costs a file open).
void ClearAttributes(platform::FileSystem& files, const std::string& path,
                     const platform::DirEntry& entry) {
    if ((entry.attributes & ~attr::kDirectory) != attr::kArchive)
        (void)files.SetAttributes(path, attr::kArchive);
}

bool IsDotEntry(const std::string& name) {
    return name.empty() || name == "." || name == "..";
}

// ---- Path identity for the purge guard ------------------------------------------------------

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool StartsWithNoCase(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && LowerAscii(s.substr(0, prefix.size())) == prefix;
}

std::vector<std::string> SplitPath(const std::string& s) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : s) {
        if (c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

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
    for (std::string part : SplitPath(rest)) {
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
            std::vector<std::string> parts = SplitPath(rest);
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
        std::vector<std::string> parts = SplitPath(path.substr(2));
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

}  // namespace

bool RemoveTree(platform::FileSystem& files, const std::string& path, bool clearAttributes,
                bool stopOnFailure, bool removeRoot) {
    if (!files.DirectoryExists(path)) return false;
    bool result = true;
    const std::string folder = (!path.empty() && path.back() == '\\') ? path : path + "\\";

    std::vector<platform::DirEntry> entries;
    (void)files.Enumerate(folder + "*", entries);  // nothing listed: nothing to delete
    for (const platform::DirEntry& entry : entries) {
        const std::string full = folder + entry.name;
        if (IsFolder(entry)) {
            if (IsDotEntry(entry.name)) continue;
            if (IsReparsePoint(entry)) {
                // Its contents live elsewhere: neither entered nor removed, so this tree
                // cannot be removed completely.
                result = false;
            } else {
                if (clearAttributes) ClearAttributes(files, full, entry);
                result = RemoveTree(files, full, clearAttributes, stopOnFailure, true);
            }
        } else {
            if (clearAttributes) ClearAttributes(files, full, entry);
            result = files.DeleteFileAt(full);
        }
        if (!result && stopOnFailure) return false;
    }

    if (result && removeRoot) result = files.RemoveFolder(folder);
    return result;
}

void EraseFilesByMask(platform::FileSystem& files, const std::string& folderAndMask) {
    const std::size_t cut = folderAndMask.find_last_of("\\:");
    std::string folder = cut == std::string::npos ? "" : folderAndMask.substr(0, cut + 1);
    std::string mask = cut == std::string::npos ? folderAndMask : folderAndMask.substr(cut + 1);
    if (mask.empty()) mask = "*.*";
    if (folder.empty()) {
        folder = files.CurrentDirectory();
        if (folder.empty() || folder.back() != '\\') folder += "\\";
    }
    const MaskMatcher matcher(mask);

    std::vector<platform::DirEntry> entries;
    (void)files.Enumerate(folder + "*.*", entries);
    std::vector<std::string> names;
    for (const platform::DirEntry& entry : entries)
        if (!IsFolder(entry) && matcher.Matches(entry.name)) names.push_back(entry.name);
    for (const std::string& name : names) (void)files.DeleteFileAt(folder + name);
}

void EraseFilesRecursive(platform::FileSystem& files, const std::string& folder) {
    std::vector<platform::DirEntry> entries;
    (void)files.Enumerate(Join(folder, "*.*"), entries);
    for (const platform::DirEntry& entry : entries) {
        if (!IsFolder(entry)) {
            (void)files.DeleteFileAt(Join(folder, entry.name));
        } else if (!entry.name.empty() && entry.name.find('.') == std::string::npos &&
                   !IsReparsePoint(entry)) {
            EraseFilesRecursive(files, Join(folder, entry.name));
        }
    }
}

bool IsSafePurgeTarget(platform::FileSystem& files, const std::string& folder,
                       const std::string& windowsFolder) {
    if (folder.empty()) return false;
    const std::optional<CanonicalPath> current = Canonicalize(files.CurrentDirectory(), {});
    const std::optional<CanonicalPath> target = Canonicalize(folder, current);
    if (!target || target->parts.empty()) return false;  // unplaceable, or a root
    if (windowsFolder.empty()) return true;
    const std::optional<CanonicalPath> windows = Canonicalize(windowsFolder, current);
    if (!windows || windows->root != target->root) return true;
    // The Windows folder itself, or a folder that holds it.
    if (target->parts.size() > windows->parts.size()) return true;
    for (std::size_t i = 0; i < target->parts.size(); ++i)
        if (target->parts[i] != windows->parts[i]) return true;
    return false;
}

void PurgeFolder(platform::FileSystem& files, const std::string& folder, bool clearAttributes,
                 bool stopOnFailure, const std::string& windowsFolder) {
    if (!IsSafePurgeTarget(files, folder, windowsFolder)) return;
    (void)RemoveTree(files, folder, clearAttributes, stopOnFailure, false);
    // Without a trailing backslash the mask would be the folder's own name, matched in the
    // parent folder: it can find nothing inside the target, only neighbours outside it.
    if (folder.back() == '\\') EraseFilesByMask(files, folder);
    EraseFilesRecursive(files, folder);
}

}  // namespace engine
