#include "engine/purge_target.h"

#include <vector>

#include "engine/entry_path.h"
#include "platform/portable/path_text.h"

namespace engine {

using platform::FoldCase;
using platform::StartsWithNoCase;

namespace {

// ---- Refusals by spelling ------------------------------------------------------------------

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

}  // namespace

CheckedTarget CheckPurgeTarget(platform::FileSystem& files, const std::string& folder,
                               const std::string& windowsFolder, TargetSource source) {
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
        out.refusal = ProtectedRefusal(files, target.path, *id, windowsFolder, current, source);
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
