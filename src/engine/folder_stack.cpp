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

}  // namespace

FolderStack::FolderStack(platform::FileSystem& files, PurgeTarget& target)
    : files_(files), target_(target), path_(target.path) {
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
    if (level.next == level.entries.size()) return nullptr;
    return &level.entries[level.next++];
}

std::unique_ptr<platform::OpenEntry> FolderStack::OpenChecked(const std::string& path,
                                                              platform::OpenFor purpose) {
    auto entry = files_.Open(path, purpose);
    if (!entry || !IsEntryAt(entry->FinalPath(), path, target_.path.size())) return nullptr;
    return entry;
}

bool FolderStack::Enter(const platform::DirEntry& entry, bool resetAttributes) {
    if (entry.name.empty()) return false;
    const std::string path = path_ + "\\" + entry.name;
    auto folder = OpenChecked(path, platform::OpenFor::Removal);
    if (!folder) return false;
    if (NeedsReset(entry, resetAttributes)) (void)folder->SetAttributes(attr::kArchive);
    path_ = path;
    Push(std::move(folder));
    return true;
}

bool FolderStack::Leave(bool remove) {
    if (levels_.size() < 2) return false;
    bool removed = false;
    if (remove) {
        std::unique_ptr<platform::OpenEntry>& folder = levels_.back().folder;
        if (!folder) folder = OpenChecked(path_, platform::OpenFor::Removal);
        removed = folder && folder->MarkForDeletion();
    }
    levels_.pop_back();  // closing the handle completes the removal
    path_.resize(levels_.back().pathLength);
    return removed;
}

bool FolderStack::DeleteFile(const platform::DirEntry& entry, bool resetAttributes) {
    // A file link listed as one is left alone: deleting it is not what emptying means.
    if (entry.name.empty() || (entry.attributes & attr::kReparsePoint) != 0) return false;
    const bool reset = NeedsReset(entry, resetAttributes);
    auto file = OpenChecked(path_ + "\\" + entry.name,
                            reset ? platform::OpenFor::AttributeReset : platform::OpenFor::Deletion);
    if (!file) return false;
    if (reset) (void)file->SetAttributes(attr::kArchive);  // deletion below tells
    return file->MarkForDeletion();
}

bool FolderStack::RemoveTarget() {
    if (levels_.size() != 1) return false;
    levels_.back().folder.reset();
    auto folder = files_.Open(target_.path, platform::OpenFor::Removal);
    return folder && folder->Identity() == target_.identity && folder->MarkForDeletion();
}

}  // namespace engine
