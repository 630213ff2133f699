#pragma once
// Emptying a folder: the tree walk, the mask pass and the recursive file pass, and the unit
// that runs all three. None of them ever leaves the folder it was given:
// - the folder is opened and checked first (see purge_target.h), and refused when it was
//   reached through a link or is, or holds, a folder the system or the user lives in;
// - every path below it is built literally from the verified folder and the names its
//   listing gave, never normalised;
// - each sub-folder is listed, and each file and folder deleted, through a handle whose final
//   path shows it is the entry listed in its place (links resolve elsewhere and are refused);
// - links, junctions and mount points are neither entered nor removed;
// - a file with more than one name keeps its attributes (they are shared by its names), and
//   counts as deleted, with its bytes, when its last name goes;
// - an entry is reported deleted only once its folder no longer lists it;
// - the walks keep their own stack, so a tree of any depth cannot exhaust the thread's.
// Failures are passed over; only an invalid mask raises (MaskError).

#include <atomic>
#include <string>
#include <vector>

#include "engine/keep_list.h"
#include "engine/protected_trees.h"
#include "engine/purge_report.h"
#include "platform/files.h"

namespace engine {

// A preview walks exactly as a clean does (same opens, same checks) but changes nothing,
// and reports what the clean would delete.
enum class PurgeMode { Clean, Preview };

struct PurgeOptions {
    bool clearAttributes = false;  // as in TreeOptions
    bool stopOnFailure = false;
    PurgeMode mode = PurgeMode::Clean;
    PurgeReport* report = nullptr;   // may be null
    const KeepList* keep = nullptr;  // what is never deleted; may be null
    bool removeFolder = false;       // remove the folder itself once nothing is left in it
    TargetSource source = TargetSource::System;  // who names the folder
    // Set from another thread to end the purge after the entry at hand (reported Stopped);
    // may be null.
    const std::atomic<bool>* stop = nullptr;
};

struct TreeOptions {
    bool clearAttributes = false;  // set every entry to archive alone before deleting it
    bool stopOnFailure = false;    // end the whole walk at the first failure
    bool removeRoot = false;       // remove the folder itself at the end
};

// Deletes the files and sub-folders of PATH. Returns false when PATH is refused or not a
// folder, or the latest step failed (a failure followed by a success leaves the result true).
bool RemoveTree(platform::FileSystem& files, const std::string& path,
                const std::string& windowsFolder, const TreeOptions& options);

// Deletes the files (not folders) of the folder part of FOLDERANDMASK whose names match its
// file-name part (after the last backslash or colon; "*.*" when empty). An empty folder part
// means the current directory. Attributes are left alone. Throws MaskError on a bad mask.
void EraseFilesByMask(platform::FileSystem& files, const std::string& folderAndMask,
                      const std::string& windowsFolder);

// Deletes every file below FOLDER, entering sub-folders whose names contain no dot.
void EraseFilesRecursive(platform::FileSystem& files, const std::string& folder,
                         const std::string& windowsFolder);

// Empties FOLDER and keeps it: RemoveTree (root kept), then the mask pass, then the
// recursive file pass. Returns false, having done nothing, when FOLDER is refused or cannot
// be opened, or when the keep list has a line it cannot place (reported stopped: what that
// line keeps cannot be told); a FOLDER the keep list holds is reported kept and left whole, and
// false when a later pass cannot open it again as the same folder (the passes after it do not run).
// The mask pass runs only for a FOLDER with a trailing separator: without one it could only match
// entries of the parent folder, which lies outside the target. OPTIONS: the flags of RemoveTree,
// where every entry is reported, and whether it is a preview.
bool PurgeFolder(platform::FileSystem& files, const std::string& folder,
                 const std::string& windowsFolder, const PurgeOptions& options);

// Deletes the files directly in FOLDER (with RECURSE, in every folder below it too) whose names
// match one of MASKS, FOLDER checked as PurgeFolder does. With RECURSE and
// OPTIONS.removeFolder, every folder below that ends empty is removed, then FOLDER itself if it
// ends empty; otherwise no folder is removed. A kept entry keeps its folders. Attributes are
// left alone. Returns false when FOLDER is refused or cannot be opened. Throws MaskError on a
// bad mask.
bool PurgeMatchingFiles(platform::FileSystem& files, const std::string& folder,
                        const std::vector<std::string>& masks, bool recurse,
                        const std::string& windowsFolder, const PurgeOptions& options);

// Deletes the file PATH when it is a file in its place, not a link leading elsewhere, in a
// folder that may be purged (in a preview, tells whether it would).
bool DeleteFileChecked(platform::FileSystem& files, const std::string& path,
                       PurgeReport* report = nullptr, PurgeMode mode = PurgeMode::Clean,
                       const KeepList* keep = nullptr);

}  // namespace engine
