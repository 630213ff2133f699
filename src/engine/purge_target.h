#pragma once
// The folder a purge empties, opened and checked before anything below it is touched.
//
// Targets come from places any user can change (TMP and TEMP, the user's own shell-folder
// values, other programs' profiles) while the run is often elevated, so a folder is emptied
// only where it is spelled and only when it is no folder the system or the user lives in.
// It is refused when:
// - its path is empty, names a drive or share root, the Windows folder or a folder holding
//   it, or uses stream syntax (a colon after the drive): by spelling, before anything opens;
// - opened, its final path differs from the path given other than by case, short (8.3)
//   names, a trailing separator and the "\\?\" prefix (it was reached through a link), or its
//   own name is a link, junction or mount point, or it lies on another volume than its parent;
// - it is, holds or lies inside a folder that whoever names it may not reach there
//   (protected_trees.h), compared by identity (volume and file index), so short names, other
//   drive letters and links do not hide one;
// - a folder on the way to it has a sibling whose name differs only by trailing dots or
//   spaces (platforms that trim names would report both alike).
// Its final path becomes the base of every path the walk builds.

#include <memory>
#include <optional>
#include <string>

#include "engine/protected_trees.h"
#include "platform/files.h"

namespace engine {

struct PurgeTarget {
    std::unique_ptr<platform::OpenEntry> folder;  // held for walking
    std::string path;                             // verified literal path, no trailing backslash
    platform::FileIdentity identity;
};

// The outcome of opening a purge target: the target, or why not.
struct CheckedTarget {
    std::optional<PurgeTarget> target;
    std::string refusal;  // set when it must not be purged: why, in a user's words
    std::string error;    // set when it could not be opened: the system's reason
};

// Opens FOLDER, named by SOURCE, as a purge target. WINDOWSFOLDER may be empty when unknown.
CheckedTarget CheckPurgeTarget(platform::FileSystem& files, const std::string& folder,
                               const std::string& windowsFolder,
                               TargetSource source = TargetSource::System);

inline std::optional<PurgeTarget> OpenPurgeTarget(platform::FileSystem& files,
                                                  const std::string& folder,
                                                  const std::string& windowsFolder,
                                                  TargetSource source = TargetSource::System) {
    return CheckPurgeTarget(files, folder, windowsFolder, source).target;
}

inline bool IsSafePurgeTarget(platform::FileSystem& files, const std::string& folder,
                              const std::string& windowsFolder,
                              TargetSource source = TargetSource::System) {
    return OpenPurgeTarget(files, folder, windowsFolder, source).has_value();
}

// Opens TARGET's folder again, for a later pass: the same object at the same final path, still
// no link, mount point or trimmed twin on the way. Nullopt, with the reason in WHY, when it is
// not so any more.
std::optional<PurgeTarget> ReopenPurgeTarget(platform::FileSystem& files, const PurgeTarget& target,
                                             std::string& why);

}  // namespace engine
