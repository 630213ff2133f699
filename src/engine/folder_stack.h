#pragma once
// The position of a walk below a verified purge target: the folders entered, innermost last,
// each with what remains of its listing. Paths are built literally from the target's path and
// the listed names; every entry is opened, checked to be the entry listed in its place, and
// changed through that same handle (in a preview, opened and checked the same way, and left).
// The walk's depth is bounded by memory only, not by the thread's stack; handles are held for
// the innermost folders alone.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/purge_session.h"
#include "engine/purge_target.h"
#include "platform/files.h"

namespace engine {

class FolderStack {
  public:
    // Starts at TARGET's folder, which is listed when the walk first asks for an entry.
    FolderStack(platform::FileSystem& files, PurgeTarget& target, PurgeSession& session);

    // The number of folders entered below the target (0 at the target itself).
    std::size_t Depth() const { return levels_.size() - 1; }
    // The next entry of the innermost folder, or nullptr when its listing is done. In a
    // preview, entries an earlier pass would have deleted are passed over.
    const platform::DirEntry* Next();
    // The innermost folder's result, for walks that keep one (starts true).
    bool& Result() { return levels_.back().result; }

    // Enters the sub-folder ENTRY of the innermost folder when it opens as the folder listed
    // there; with RESETATTRIBUTES it is set to archive alone first. False when refused (a
    // link is never entered).
    bool Enter(const platform::DirEntry& entry, bool resetAttributes);
    // Leaves the innermost folder (never the target); with REMOVE removes it, and returns
    // whether that worked.
    bool Leave(bool remove);
    // Deletes the file ENTRY of the innermost folder, setting it to archive alone first with
    // RESETATTRIBUTES. False when refused (a link, or not the entry listed) or when deletion
    // failed.
    bool DeleteFile(const platform::DirEntry& entry, bool resetAttributes);
    // Removes the target folder itself.
    bool RemoveTarget();

  private:
    struct Level {
        std::unique_ptr<platform::OpenEntry> folder;  // released on deep walks, reopened
        std::vector<platform::DirEntry> entries;
        bool listed = false;  // listed at the first Next()
        std::size_t next = 0;
        std::size_t pathLength = 0;
        bool result = true;
    };

    std::unique_ptr<platform::OpenEntry> OpenChecked(const std::string& path,
                                                     platform::OpenFor purpose);
    void Push(std::unique_ptr<platform::OpenEntry> folder);
    bool Fail(const std::string& path, const std::string& reason);

    platform::FileSystem& files_;
    PurgeTarget& target_;
    PurgeSession& session_;
    std::string path_;  // the innermost folder's literal path
    std::vector<Level> levels_;
};

}  // namespace engine
