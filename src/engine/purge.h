#pragma once
// Emptying a folder: the tree walk, the mask pass and the recursive file pass, and the unit
// that runs all three. None of them ever leaves the folder it was given: reparse-point
// folders (symbolic links, junctions, mount points) are neither entered nor removed, and
// files are deleted through FileSystem::DeleteFileAt, which refuses links that resolve
// elsewhere. Failures are passed over; only an invalid mask raises (MaskError).

#include <string>

#include "platform/files.h"

namespace engine {

// Deletes the files and sub-folders of PATH. CLEARATTRIBUTES sets every entry to archive
// alone before deleting it; STOPONFAILURE ends the whole walk at the first failure;
// REMOVEROOT removes PATH itself at the end. Returns false when PATH is not a folder or the
// latest step failed (a failure followed by a success leaves the result true).
bool RemoveTree(platform::FileSystem& files, const std::string& path, bool clearAttributes,
                bool stopOnFailure, bool removeRoot);

// Deletes the files (not folders) of the folder part of FOLDERANDMASK whose names match its
// file-name part (after the last backslash or colon; "*.*" when empty). An empty folder part
// means the current directory. Attributes are left alone. Throws MaskError on a bad mask.
void EraseFilesByMask(platform::FileSystem& files, const std::string& folderAndMask);

// Deletes every file below FOLDER, entering sub-folders whose names contain no dot.
void EraseFilesRecursive(platform::FileSystem& files, const std::string& folder);

// True when FOLDER may be purged: not empty, not a drive or share root in any spelling, and
// neither WINDOWSFOLDER nor a folder that contains it. A relative FOLDER is judged by where
// it resolves against the current directory. WINDOWSFOLDER may be empty when unknown.
bool IsSafePurgeTarget(platform::FileSystem& files, const std::string& folder,
                       const std::string& windowsFolder);

// Empties FOLDER and keeps it: RemoveTree (root kept), then the mask pass, then the
// recursive file pass. Does nothing when IsSafePurgeTarget refuses FOLDER. The mask pass
// runs only for a FOLDER with a trailing separator: without one it could only match
// entries of the parent folder, which lies outside the target.
void PurgeFolder(platform::FileSystem& files, const std::string& folder, bool clearAttributes,
                 bool stopOnFailure, const std::string& windowsFolder);

}  // namespace engine
