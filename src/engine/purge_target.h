#pragma once
// The folder a purge empties, opened and checked before anything below it is touched.
//
// A folder is refused when its path is empty, names a drive or share root, the Windows folder
// or a folder holding it, or uses stream syntax (a colon after the drive); then, opened, when
// it is any of those objects by identity (volume and file index), whatever the spelling (short
// names, other drive letters for the same folder, device paths, a link to it). Its final path
// becomes the base of every path the walk builds, so that path must lead back to the same
// object, and no sibling of the target or of a folder above it may differ from it only by
// trailing dots or spaces (platforms that trim names would report both alike).

#include <memory>
#include <optional>
#include <string>

#include "platform/files.h"

namespace engine {

struct PurgeTarget {
    std::unique_ptr<platform::OpenEntry> folder;  // open for listing
    std::string path;                             // verified literal path, no trailing backslash
    platform::FileIdentity identity;
};

// Opens FOLDER as a purge target; nullopt when it must not be purged or cannot be opened.
// WINDOWSFOLDER may be empty when unknown.
std::optional<PurgeTarget> OpenPurgeTarget(platform::FileSystem& files, const std::string& folder,
                                           const std::string& windowsFolder);

inline bool IsSafePurgeTarget(platform::FileSystem& files, const std::string& folder,
                              const std::string& windowsFolder) {
    return OpenPurgeTarget(files, folder, windowsFolder).has_value();
}

}  // namespace engine
