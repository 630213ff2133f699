#pragma once
// Where today's disk hogs live, as they are here now: the caches of the Chromium browsers and
// of Firefox (one set per profile, found by listing), the error-report queues, crash dumps,
// shader caches and the shell's thumbnail databases. Each function gives the folders a step
// empties (all take the same arguments, so a row names them directly); the purge checks every
// one of them as it checks any other target.

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace engine {

class CleaningPaths;
struct CleaningServices;

struct FolderTarget {
    std::string folder;
    // Empty: the folder is emptied. Otherwise only the files whose names match one of these
    // masks are deleted: directly in the folder, or with RECURSE in every folder below it too
    // (the folders stay).
    std::vector<std::string> masks;
    bool recurse = false;
    // The folder itself is removed too, once nothing is left in it.
    bool removeSelf = false;
    // Why it must not be emptied, found while it was looked for (a path that is a network or
    // device path, say): it is reported refused and never reached.
    std::string refusal = {};
};

// The first path the platform gives for ID, without a trailing backslash; "" when it gives none.
std::string KnownFolderPath(platform::FileSystem& files, platform::KnownFolder id);

// The names of FOLDER's sub-folders, in the platform's order; links and junctions among them
// only with LINKS.
std::vector<std::string> SubFolderNames(platform::FileSystem& files, const std::string& folder,
                                        bool links);

// The cache folders ("Cache", "Code Cache", "GPUCache") of every profile below a Chromium
// browser's "User Data" folder, USERDATA being its path below the local application data.
// A profile is a sub-folder named "Default", "Profile <n>", "Guest Profile" or "System
// Profile", or one that holds a "Preferences" file.
std::vector<FolderTarget> ChromiumCaches(const CleaningServices& services,
                                         std::string_view userData);
// Opera's caches: it keeps one profile, in the local and the roaming application data.
std::vector<FolderTarget> OperaCaches(const CleaningServices& services, CleaningPaths& paths);
// "cache2" of every Firefox profile: the folders below its local "Profiles" folder, and the
// profiles its roaming "profiles.ini" lists (relative ones below the local Firefox folder).
std::vector<FolderTarget> FirefoxCaches(const CleaningServices& services, CleaningPaths& paths);
// Windows Error Reporting: the user's queue and archive, and the machine's.
std::vector<FolderTarget> ErrorReportFolders(const CleaningServices& services,
                                             CleaningPaths& paths);
// The user's crash dumps and the system's minidumps.
std::vector<FolderTarget> CrashDumpFolders(const CleaningServices& services, CleaningPaths& paths);
// The system's and the graphics vendors' shader caches.
std::vector<FolderTarget> ShaderCacheFolders(const CleaningServices& services,
                                             CleaningPaths& paths);
// The shell's thumbnail and icon databases ("thumbcache_*.db", "iconcache_*.db").
std::vector<FolderTarget> ThumbnailCacheFiles(const CleaningServices& services,
                                              CleaningPaths& paths);

}  // namespace engine
