#pragma once
// The position of a walk below a verified purge target: the folders entered, innermost last,
// each with what remains of its listing. Paths are built literally from the target's path and
// the listed names; every entry is opened, checked to be the entry listed in its place, and
// changed through that same handle (in a preview, opened and checked the same way, and left).
// A folder where another volume or folder is mounted is not entered; a file with more than one
// name never has its attributes changed, since they are the file's, not the name's, and counts
// as deleted when its last name goes.
// What was deleted or removed is told once the folder that held it is done and its listing,
// read again, no longer shows it: a deletion the system accepted may still not happen.
// The walk's depth is bounded by memory only, not by the thread's stack; handles are held for
// the innermost folders alone.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/compact_listing.h"
#include "engine/purge_session.h"
#include "engine/purge_target.h"
#include "platform/files.h"

namespace engine {

class FolderStack {
  public:
    // Starts at TARGET's folder, which is listed when the walk first asks for an entry.
    FolderStack(platform::FileSystem& files, PurgeTarget& target, PurgeSession& session);
    ~FolderStack() { (void)Finish(); }
    FolderStack(const FolderStack&) = delete;
    FolderStack& operator=(const FolderStack&) = delete;

    // Takes ENTRY as the target folder's only entry instead of listing it: for deleting one
    // known name.
    void Only(const platform::DirEntry& entry);

    // The number of folders entered below the target (0 at the target itself).
    std::size_t Depth() const { return levels_.size() - 1; }
    // The next entry of the innermost folder, or nullptr when its listing is done (and what
    // went from it has been told). In a preview, entries an earlier pass would have deleted
    // are passed over, and so are entries on the keep list (reported kept). The entry stays
    // valid until the next call; it carries no 8.3 name.
    const platform::DirEntry* Next();
    // The innermost folder's result, for walks that keep one (starts true).
    bool& Result() { return levels_.back().result; }

    // Enters the sub-folder ENTRY of the innermost folder when it opens as the folder listed
    // there; with RESETATTRIBUTES it is set to archive alone first. False when refused (a
    // link is never entered).
    bool Enter(const platform::DirEntry& entry, bool resetAttributes);
    // Leaves the innermost folder (never the target); with REMOVE removes it, and returns
    // whether that worked. A folder that holds a kept entry stays, and that counts as done.
    bool Leave(bool remove);
    // Deletes the file ENTRY of the innermost folder, setting it to archive alone first with
    // RESETATTRIBUTES. False when refused (a link, or not the entry listed) or when deletion
    // failed.
    bool DeleteFile(const platform::DirEntry& entry, bool resetAttributes);
    // Removes the target folder itself.
    bool RemoveTarget();
    // Tells what went from every folder still entered, innermost first; true when every
    // deletion and removal was confirmed. Called when a walk ends early, and on destruction.
    bool Finish();

  private:
    struct Level {
        std::unique_ptr<platform::OpenEntry> folder;  // released on deep walks, reopened
        CompactListing entries;
        bool listed = false;  // listed at the first Next()
        std::size_t next = 0;
        std::size_t pathLength = 0;
        std::size_t indexInParent = 0;          // its place in its parent's entries
        std::vector<std::uint32_t> gone;        // entries deleted or removed, not yet confirmed
        std::vector<std::uint32_t> otherNames;  // those of GONE whose file keeps another name
        std::size_t goneBefore = 0;             // in a preview: entries an earlier pass took
        bool result = true;
        bool holdsKept = false;  // an entry in it, or below it, is on the keep list
    };

    std::unique_ptr<platform::OpenEntry> OpenChecked(const std::string& path,
                                                     platform::OpenFor purpose);
    void Push(std::unique_ptr<platform::OpenEntry> folder);
    bool Fail(const std::string& path, const std::string& reason);
    // Tells what went from LEVEL (whose path is PATH) once its listing no longer shows it.
    bool Confirm(Level& level, const std::string& path);

    platform::FileSystem& files_;
    PurgeTarget& target_;
    PurgeSession& session_;
    std::string path_;  // the innermost folder's literal path
    std::vector<Level> levels_;
    platform::DirEntry current_;  // what Next() returned last
};

}  // namespace engine
