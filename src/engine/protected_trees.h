#pragma once
// Where a purge target may not lie, whoever names it: three rings of folders, each compared by
// identity (volume and file index) with the target and every folder above it, and by
// spelling as a first line.
// - Whatever names it: never a folder the system or a user lives in, nor one holding such a
//   folder (drive roots, Windows and its system folders, Program Files, ProgramData, the
//   profiles and their root, the user's own folders, this program's folder); and never
//   anything inside, or holding, the system folders, the component store, the installer
//   cache, the servicing folder, a recycle bin, the system volume information, another
//   user's profile, the user's key and credential stores, a cloud sync folder, or this
//   program's own and data folders.
// - A folder named by the environment, the user's settings or another program's files (every
//   built-in category): also never inside the Windows folder (but its temp, prefetch,
//   minidump, offline-pages and DLL-cache folders), Program Files, ProgramData (but the
//   error-report queues), the user's profile outside its application data, or the user's
//   own folders wherever they are.
// - A cleaner definition may name a program's folder inside those (its own rules for
//   wildcards are the definitions' business).

#include <optional>
#include <string>

#include "engine/path_place.h"
#include "platform/files.h"

namespace engine {

// Who names a purge target, which decides the rings it is held to.
enum class TargetSource {
    System,      // a built-in category: the environment, the user's settings, other programs
    Definition,  // a cleaner definition's file key
    OwnLog,      // this program's own log folder, which its log manager empties
};

// Why the target at FINAL (its verified final path, identity ID) must not be emptied as one
// named by SOURCE; empty when it may be. WINDOWSFOLDER is the Windows folder the caller knows
// ("" when none); CURRENT places relative spellings of the system's folders.
std::string ProtectedRefusal(platform::FileSystem& files, const std::string& final,
                             const platform::FileIdentity& id, const std::string& windowsFolder,
                             const std::optional<CanonicalPath>& current, TargetSource source);

// What the folder PATH is among the places a definition's wildcard may not stand directly in
// (a drive root, the Windows folder, Program Files, ProgramData, the profiles and their root,
// the application data folders, the user's own folders), in a user's words; "" when none.
std::string AnchorName(platform::FileSystem& files, const std::string& path);

}  // namespace engine
