#include "engine/purge_target.h"

#include <map>
#include <vector>

#include "engine/entry_path.h"
#include "platform/portable/path_text.h"

namespace engine {

using platform::FoldCase;
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

// Why FOLDER must not be purged, judged by its spelling alone; empty when it may be opened.
std::string RefusalBySpelling(const std::string& folder,
                              const std::optional<CanonicalPath>& current,
                              const std::string& windowsFolder) {
    if (folder.empty()) return "an empty path";
    if (HasStreamSyntax(folder)) return "names a stream, not a folder";
    const std::optional<CanonicalPath> target = Canonicalize(folder, current);
    if (!target) return "a relative path with no current folder to place it";
    if (target->parts.empty()) return "a drive root";
    if (windowsFolder.empty()) return {};
    const std::optional<CanonicalPath> windows = Canonicalize(windowsFolder, current);
    if (windows && Holds(*target, *windows)) return "the Windows folder or a folder holding it";
    return {};
}

// ---- Where the target really is ------------------------------------------------------------

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

// A final path taken apart literally: its root (with its backslash) and the names below it.
struct Way {
    std::string root;
    std::vector<std::string> names;

    // The root and the first COUNT names.
    std::string Upto(std::size_t count) const {
        std::string path = root;
        for (std::size_t i = 0; i < count; ++i) path += (i == 0 ? "" : "\\") + names[i];
        return path;
    }
};

Way WayOf(const std::string& final) {
    Way way;
    const std::size_t root = RootLength(final);
    if (root == 0) return way;
    way.root = final.substr(0, root);
    for (std::string& name : PathParts(final.substr(root)))
        if (!name.empty()) way.names.push_back(std::move(name));
    return way;
}

bool List(platform::FileSystem& files, const std::string& folder,
          std::vector<platform::DirEntry>& entries) {
    auto handle = files.Open(folder, platform::OpenFor::Listing);
    return handle && handle->List(entries);
}

// True when SPELLED, the path given, names FINAL directly: the same root and the same names
// but for case, trailing dots and spaces, and short names (which the parent's listing tells).
// Anything else (a link, a junction, a subst or mapped drive on the way) spells another place.
bool SpelledAsFinal(platform::FileSystem& files, const CanonicalPath& spelled,
                    const std::string& final) {
    const std::optional<CanonicalPath> placed = Canonicalize(final, {});
    const Way way = WayOf(final);
    if (!placed || placed->root != spelled.root || way.names.size() != spelled.parts.size())
        return false;
    for (std::size_t i = 0; i < way.names.size(); ++i) {
        const std::string want = FoldCase(spelled.parts[i]);
        const std::string_view name = TrimmedName(way.names[i]);
        if (FoldCase(name) == want) continue;
        std::vector<platform::DirEntry> entries;
        if (!List(files, way.Upto(i), entries)) return false;
        bool shortName = false;
        for (const platform::DirEntry& entry : entries)
            if (TrimmedName(entry.name) == name && !entry.shortName.empty() &&
                FoldCase(entry.shortName) == want)
                shortName = true;
        if (!shortName) return false;
    }
    return true;
}

std::string LinkRefusal(const std::string& final) {
    return "a link, junction or mount point: " + DisplayPath(final);
}

// Why the target at FINAL must not be emptied, from the listings of the folders on its way: a
// name there has a twin that differs only by trailing dots or spaces, or the target itself is
// listed as a link, junction or mount point. A level that cannot be listed is passed over:
// platforms that report names exactly need no twin check, and under one that trims, every
// level lists. Empty when neither.
std::string RefusalOnTheWay(platform::FileSystem& files, const std::string& final) {
    const Way way = WayOf(final);
    if (way.root.empty()) return "its place cannot be told";
    for (std::size_t i = 0; i < way.names.size(); ++i) {
        std::vector<platform::DirEntry> entries;
        if (!List(files, way.Upto(i), entries)) continue;
        const std::string_view name = TrimmedName(way.names[i]);
        int alike = 0;
        bool link = false;
        for (const platform::DirEntry& entry : entries) {
            if (TrimmedName(entry.name) != name) continue;
            ++alike;
            link = link || (entry.attributes & platform::attr::kReparsePoint) != 0;
        }
        if (alike > 1)
            return "a folder on its way has a twin that differs only by trailing dots or "
                   "spaces: " +
                   DisplayPath(way.Upto(i + 1));
        if (i + 1 == way.names.size() && link) return LinkRefusal(final);
    }
    return {};
}

// Why TARGET (open at FINAL) must not be emptied as a mount point: the platform says so, or it
// lies on another volume than the folder that holds it. Empty when neither.
std::string RefusalAsMountPoint(platform::FileSystem& files, platform::OpenEntry& target,
                                const std::string& final, const platform::FileIdentity& id) {
    if (target.IsMountPoint()) return LinkRefusal(final);
    const Way way = WayOf(final);
    if (way.names.empty()) return {};
    auto parent = files.Open(way.Upto(way.names.size() - 1), platform::OpenFor::Listing);
    const auto parentId = parent ? parent->Identity() : std::nullopt;
    if (parentId && parentId->volume != id.volume) return LinkRefusal(final);
    return {};
}

// ---- Protected folders ---------------------------------------------------------------------

struct ProtectedFolder {
    platform::KnownFolder id;
    const char* name;
};

// The folders no purge may empty, nor any folder holding one: where the system and its
// programs live, and where the users keep what is theirs. A temp path that falls back to the
// profile or the Windows folder, or a shell-folder value pointed at any of these, meets them.
constexpr ProtectedFolder kProtectedFolders[] = {
    {platform::KnownFolder::DriveRoots, "a drive root"},
    {platform::KnownFolder::Windows, "the Windows folder"},
    {platform::KnownFolder::System, "the system folder"},
    {platform::KnownFolder::SystemX86, "the 32-bit system folder"},
    {platform::KnownFolder::ProgramFiles, "Program Files"},
    {platform::KnownFolder::ProgramFilesX86, "Program Files (x86)"},
    {platform::KnownFolder::ProgramData, "the ProgramData folder"},
    {platform::KnownFolder::ProfilesRoot, "the folder of the user profiles"},
    {platform::KnownFolder::Profiles, "a user profile"},
    {platform::KnownFolder::Desktop, "the Desktop"},
    {platform::KnownFolder::Documents, "the Documents folder"},
    {platform::KnownFolder::Downloads, "the Downloads folder"},
    {platform::KnownFolder::Pictures, "the Pictures folder"},
    {platform::KnownFolder::Music, "the Music folder"},
    {platform::KnownFolder::Videos, "the Videos folder"},
    {platform::KnownFolder::RoamingAppData, "the roaming application data"},
    {platform::KnownFolder::LocalAppData, "the local application data"},
    {platform::KnownFolder::Program, "this program's folder"},
};

// Compares a target with protected folders, by their paths and by the identities of the
// folders and of every folder above them. Identities are asked once per path.
class ProtectedCheck {
  public:
    ProtectedCheck(platform::FileSystem& files, const std::string& final,
                   const platform::FileIdentity& id, const std::optional<CanonicalPath>& current)
        : files_(files), target_(Canonicalize(final, {})), id_(id), current_(current) {}

    // Why the target must not be emptied for the protected folder PATH called NAME; empty when
    // it is neither that folder nor holds it.
    std::string Refusal(const std::string& path, const char* name) {
        const std::string what = std::string(name) + ": " + DisplayPath(path);
        if (auto spelled = Canonicalize(path, current_); spelled && target_) {
            if (Holds(*target_, *spelled))
                return target_->parts.size() == spelled->parts.size() ? what : "holds " + what;
        }
        auto folder = files_.Open(path, platform::OpenFor::Listing);
        if (!folder) return {};
        if (folder->Identity() == id_) return what;
        // The folders above it, up to its volume's root: one of them may be the target under
        // another name.
        std::string above = folder->FinalPath();
        if (auto final = Canonicalize(above, {}); final && target_ && Holds(*target_, *final))
            return "holds " + what;
        const std::size_t root = RootLength(above);
        while (root != 0 && above.size() > root) {
            const std::size_t cut = above.find_last_of('\\');
            above.resize(cut < root ? root : cut);
            if (IdentityAt(above) == id_) return "holds " + what;
        }
        return {};
    }

  private:
    std::optional<platform::FileIdentity> IdentityAt(const std::string& path) {
        auto [it, added] = identities_.try_emplace(LowerAscii(path));
        if (added) {
            auto folder = files_.Open(path, platform::OpenFor::Listing);
            if (folder) it->second = folder->Identity();
        }
        return it->second;
    }

    platform::FileSystem& files_;
    std::optional<CanonicalPath> target_;
    platform::FileIdentity id_;
    const std::optional<CanonicalPath>& current_;
    std::map<std::string, std::optional<platform::FileIdentity>> identities_;
};

std::string ProtectedRefusal(platform::FileSystem& files, const std::string& final,
                             const platform::FileIdentity& id, const std::string& windowsFolder,
                             const std::optional<CanonicalPath>& current) {
    ProtectedCheck check(files, final, id, current);
    // The root of the target's own volume, and the Windows folder the caller names.
    if (const std::size_t root = RootLength(final)) {
        std::string why = check.Refusal(final.substr(0, root), "a drive root");
        if (!why.empty()) return why;
    }
    if (!windowsFolder.empty()) {
        std::string why = check.Refusal(windowsFolder, "the Windows folder");
        if (!why.empty()) return why;
    }
    for (const ProtectedFolder& folder : kProtectedFolders)
        for (const std::string& path : files.KnownFolderPaths(folder.id)) {
            std::string why = check.Refusal(path, folder.name);
            if (!why.empty()) return why;
        }
    return {};
}

}  // namespace

CheckedTarget CheckPurgeTarget(platform::FileSystem& files, const std::string& folder,
                               const std::string& windowsFolder) {
    CheckedTarget out;
    const std::optional<CanonicalPath> current = Canonicalize(files.CurrentDirectory(), {});
    out.refusal = RefusalBySpelling(folder, current, windowsFolder);
    if (!out.refusal.empty()) return out;

    PurgeTarget target{files.Open(folder, platform::OpenFor::Walking), {}, {}};
    if (!target.folder) {
        out.error = files.LastErrorText();
        return out;
    }
    target.path = target.folder->FinalPath();
    const std::optional<platform::FileIdentity> id = target.folder->Identity();
    if (target.path.empty() || !id) {
        out.refusal = "its place cannot be told";
        return out;
    }
    target.identity = *id;
    out.refusal = RefusalBySpelling(target.path, {}, "");
    if (!out.refusal.empty()) return out;
    // Emptied only where it is spelled: a link anywhere on the way leads somewhere else.
    if (!SpelledAsFinal(files, *Canonicalize(folder, current), target.path)) {
        out.refusal = "reached through a link: " + DisplayPath(target.path);
        return out;
    }
    // The walk builds every path on the final path: it must lead back here.
    auto again = files.Open(target.path, platform::OpenFor::Listing);
    if (!again || again->Identity() != id) {
        out.refusal = "its path leads elsewhere: " + DisplayPath(target.path);
        return out;
    }
    out.refusal = RefusalAsMountPoint(files, *target.folder, target.path, *id);
    if (out.refusal.empty()) out.refusal = RefusalOnTheWay(files, target.path);
    if (out.refusal.empty())
        out.refusal = ProtectedRefusal(files, target.path, *id, windowsFolder, current);
    if (out.refusal.empty()) out.target = std::move(target);
    return out;
}

std::optional<PurgeTarget> ReopenPurgeTarget(platform::FileSystem& files, const PurgeTarget& target,
                                             std::string& why) {
    PurgeTarget again{files.Open(target.path, platform::OpenFor::Walking), target.path,
                      target.identity};
    if (!again.folder) {
        why = "could not be opened again: " + files.LastErrorText();
        return std::nullopt;
    }
    if (again.folder->Identity() != target.identity || again.folder->FinalPath() != target.path) {
        why = "is not the same folder any more: " + DisplayPath(target.path);
        return std::nullopt;
    }
    why = RefusalAsMountPoint(files, *again.folder, target.path, target.identity);
    if (why.empty()) why = RefusalOnTheWay(files, target.path);
    if (!why.empty()) return std::nullopt;
    return again;
}

}  // namespace engine
