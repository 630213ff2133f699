#include "engine/folder_stack.h"

#include "engine/entry_path.h"

namespace engine {

namespace attr = platform::attr;

namespace {

// Handles held for the innermost folders; folders further out are reopened (and checked
// again) when the walk comes back to remove them. Keeps a deep tree within handle limits.
constexpr std::size_t kHeldFolders = 64;

// Most entries are archive alone already; setting that again would cost a call each.
bool NeedsReset(const platform::DirEntry& entry, bool resetAttributes) {
    return resetAttributes && (entry.attributes & ~attr::kDirectory) != attr::kArchive;
}

bool IsLink(const platform::DirEntry& entry) {
    return (entry.attributes & attr::kReparsePoint) != 0;
}

}  // namespace

FolderStack::FolderStack(platform::FileSystem& files, PurgeTarget& target, PurgeSession& session)
    : files_(files), target_(target), session_(session), path_(target.path) {
    Push(std::move(target.folder));
}

void FolderStack::Push(std::unique_ptr<platform::OpenEntry> folder) {
    Level level;
    level.pathLength = path_.size();
    level.folder = std::move(folder);
    levels_.push_back(std::move(level));
    if (levels_.size() > kHeldFolders) levels_[levels_.size() - kHeldFolders - 1].folder.reset();
}

const platform::DirEntry* FolderStack::Next() {
    Level& level = levels_.back();
    if (!level.listed) {
        level.listed = true;
        if (level.folder) (void)level.folder->List(level.entries);  // none: nothing to do
    }
    while (level.next < level.entries.size()) {
        const platform::DirEntry& entry = level.entries[level.next++];
        if (!session_.IsPreview() || !session_.Gone(path_ + "\\" + entry.name)) return &entry;
    }
    return nullptr;
}

bool FolderStack::Fail(const std::string& path, const std::string& reason) {
    session_.Failed(path, reason);
    return false;
}

std::unique_ptr<platform::OpenEntry> FolderStack::OpenChecked(const std::string& path,
                                                              platform::OpenFor purpose) {
    auto entry = files_.Open(path, purpose);
    if (!entry) {
        Fail(path, files_.LastErrorText());
        return nullptr;
    }
    if (!IsEntryAt(entry->FinalPath(), path, target_.path.size())) {
        Fail(path, kReasonElsewhere);
        return nullptr;
    }
    return entry;
}

bool FolderStack::Enter(const platform::DirEntry& entry, bool resetAttributes) {
    if (entry.name.empty()) return false;
    const std::string path = path_ + "\\" + entry.name;
    if (IsLink(entry)) return Fail(path, kReasonLink);
    auto folder = OpenChecked(path, platform::OpenFor::Removal);
    if (!folder) return false;
    if (NeedsReset(entry, resetAttributes) && !session_.IsPreview())
        (void)folder->SetAttributes(attr::kArchive);
    path_ = path;
    session_.Entered(path_);
    Push(std::move(folder));
    return true;
}

bool FolderStack::Leave(bool remove) {
    if (levels_.size() < 2) return false;
    bool removed = false;
    if (remove) {
        std::unique_ptr<platform::OpenEntry>& folder = levels_.back().folder;
        if (!folder) folder = OpenChecked(path_, platform::OpenFor::Removal);
        if (folder && session_.IsPreview()) {
            // Removable when everything listed in it would be gone by now.
            removed = true;
            for (const platform::DirEntry& entry : levels_.back().entries)
                if (!session_.Gone(path_ + "\\" + entry.name)) removed = false;
            if (!removed) Fail(path_, kReasonNotEmpty);
        } else if (folder) {
            removed = folder->MarkForDeletion();
            if (!removed) Fail(path_, files_.LastErrorText());
        }
    }
    const std::string path = path_;
    levels_.pop_back();  // closing the handle completes the removal
    path_.resize(levels_.back().pathLength);
    if (removed) session_.Removed(path);
    return removed;
}

bool FolderStack::DeleteFile(const platform::DirEntry& entry, bool resetAttributes) {
    if (entry.name.empty()) return false;
    const std::string path = path_ + "\\" + entry.name;
    // A file link listed as one is left alone: deleting it is not what emptying means.
    if (IsLink(entry)) return Fail(path, kReasonLink);
    const bool reset = NeedsReset(entry, resetAttributes);
    {
        auto file = OpenChecked(
            path, reset ? platform::OpenFor::AttributeReset : platform::OpenFor::Deletion);
        if (!file) return false;
        if (session_.IsPreview()) {
            if (!reset && (entry.attributes & attr::kReadOnly) != 0)
                return Fail(path, kReasonReadOnly);
        } else {
            if (reset) (void)file->SetAttributes(attr::kArchive);  // deletion below tells
            if (!file->MarkForDeletion()) return Fail(path, files_.LastErrorText());
        }
    }  // closed: deleted
    session_.Deleted(path, entry.size);
    return true;
}

bool FolderStack::RemoveTarget() {
    if (levels_.size() != 1) return false;
    levels_.back().folder.reset();
    auto folder = files_.Open(target_.path, platform::OpenFor::Removal);
    if (!folder || folder->Identity() != target_.identity) return false;
    if (session_.IsPreview()) return true;
    return folder->MarkForDeletion();
}

}  // namespace engine
