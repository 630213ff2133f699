#include "engine/folder_stack.h"

#include <algorithm>

#include "engine/entry_path.h"

namespace engine {

namespace attr = platform::attr;

namespace {

// Handles held for the innermost folders; folders further out are reopened (and checked
// again) when the walk comes back to remove them. Keeps a deep tree within handle limits.
constexpr std::size_t kHeldFolders = 64;

constexpr const char* kReasonUnconfirmed = "its deletion could not be confirmed";

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
    if (!levels_.empty()) level.indexInParent = levels_.back().next - 1;
    levels_.push_back(std::move(level));
    if (levels_.size() > kHeldFolders) levels_[levels_.size() - kHeldFolders - 1].folder.reset();
}

void FolderStack::Only(const platform::DirEntry& entry) {
    Level& level = levels_.front();
    level.listed = true;
    level.entries.Clear();
    level.entries.Add(entry);
    level.next = 0;
}

const platform::DirEntry* FolderStack::Next() {
    Level& level = levels_.back();
    if (!level.listed) {
        level.listed = true;
        if (level.folder)  // none: nothing to do
            (void)level.folder->ListEach(
                [&level](const platform::DirEntry& entry) { level.entries.Add(entry); });
        level.entries.Fit();
    }
    std::string path;
    while (level.next < level.entries.Size()) {
        const std::size_t index = level.next++;
        path.assign(path_).append(1, '\\').append(level.entries.Name(index));
        if (session_.IsPreview() && session_.Gone(path)) {
            ++level.goneBefore;
            continue;
        }
        if (session_.Kept(path)) {
            level.holdsKept = true;  // so the folder stays, and every folder above it
            continue;
        }
        level.entries.Get(index, current_);
        return &current_;
    }
    (void)Confirm(level, path_);
    return nullptr;
}

bool FolderStack::Confirm(Level& level, const std::string& path) {
    if (level.gone.empty()) return true;
    std::vector<std::uint32_t> gone = std::move(level.gone);
    std::vector<std::uint32_t> otherNames = std::move(level.otherNames);
    level.gone.clear();
    level.otherNames.clear();
    const CompactListing& entries = level.entries;
    // Read the folder again: what it still lists was not deleted, whatever was accepted.
    std::vector<bool> present(entries.Size(), false);  // by index in the listing
    bool listed = session_.IsPreview();
    if (!listed) {
        if (!level.folder) level.folder = OpenChecked(path, platform::OpenFor::Removal);
        // The entries that went, by name, to find those the folder still lists.
        std::vector<std::uint32_t> byName = gone;
        std::sort(byName.begin(), byName.end(), [&](std::uint32_t a, std::uint32_t b) {
            return entries.Name(a) < entries.Name(b);
        });
        listed = level.folder && level.folder->ListEach([&](const platform::DirEntry& entry) {
            auto it = std::lower_bound(byName.begin(), byName.end(), std::string_view(entry.name),
                                       [&](std::uint32_t index, std::string_view name) {
                                           return entries.Name(index) < name;
                                       });
            if (it != byName.end() && entries.Name(*it) == entry.name) present[*it] = true;
        });
    }
    // In a preview, a folder whose every entry would go is remembered as emptied, not entry
    // by entry: what a preview keeps does not grow with the size of a folder.
    const bool emptied = session_.IsPreview() && !level.holdsKept &&
                         level.goneBefore + gone.size() == entries.Size();
    bool all = true;
    std::string entryPath;
    for (const std::uint32_t index : gone) {
        entryPath.assign(path).append(1, '\\').append(entries.Name(index));
        if (!listed || present[index]) {
            all = false;
            session_.Failed(entryPath, listed ? kReasonStillThere : kReasonUnconfirmed);
        } else if (entries.IsFolder(index)) {
            session_.Removed(entryPath, !emptied);
        } else if (std::binary_search(otherNames.begin(), otherNames.end(), index)) {
            session_.Unlinked(entryPath, !emptied);
        } else {
            session_.Deleted(entryPath, entries.Bytes(index), !emptied);
        }
    }
    if (emptied) session_.Emptied(path);
    return all;
}

bool FolderStack::Finish() {
    bool all = true;
    for (auto level = levels_.rbegin(); level != levels_.rend(); ++level)
        all = Confirm(*level, path_.substr(0, level->pathLength)) && all;
    return all;
}

bool FolderStack::Fail(const std::string& path, const std::string& reason) {
    session_.Failed(path, reason);
    return false;
}

std::unique_ptr<platform::OpenEntry> FolderStack::OpenChecked(const std::string& path,
                                                              platform::OpenFor purpose) {
    auto entry = files_.Open(path, purpose);
    if (!entry) {
        Fail(path, files_.LastErrorText());  // a file held by another program reads "in use"
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
    // Another volume or folder mounted here, even where no link shows it: not ours to empty.
    if (folder->IsMountPoint()) return Fail(path, kReasonMountPoint);
    if (NeedsReset(entry, resetAttributes) && !session_.IsPreview())
        (void)folder->SetAttributes(attr::kArchive);
    path_ = path;
    session_.Entered(path_);
    Push(std::move(folder));
    return true;
}

bool FolderStack::Leave(bool remove) {
    if (levels_.size() < 2) return false;
    const bool holdsKept = levels_.back().holdsKept;
    bool removed = false;
    if (remove && !holdsKept) {
        std::unique_ptr<platform::OpenEntry>& folder = levels_.back().folder;
        if (!folder) folder = OpenChecked(path_, platform::OpenFor::Removal);
        if (folder && session_.IsPreview()) {
            // Removable when everything listed in it would be gone by now.
            removed = true;
            const CompactListing& entries = levels_.back().entries;
            for (std::size_t i = 0; i < entries.Size() && removed; ++i)
                removed = session_.Gone(path_ + "\\" + std::string(entries.Name(i)));
            if (removed)
                session_.ForgetBelow(path_);
            else
                Fail(path_, kReasonNotEmpty);
        } else if (folder) {
            removed = folder->MarkForDeletion();
            if (!removed) Fail(path_, files_.LastErrorText());
        }
    }
    const std::size_t index = levels_.back().indexInParent;
    levels_.pop_back();  // closing the handle completes the removal
    path_.resize(levels_.back().pathLength);
    if (removed) levels_.back().gone.push_back(static_cast<std::uint32_t>(index));
    if (holdsKept) levels_.back().holdsKept = true;
    // A folder kept for what it holds did what it should.
    return removed || (remove && holdsKept);
}

bool FolderStack::DeleteFile(const platform::DirEntry& entry, bool resetAttributes) {
    if (entry.name.empty()) return false;
    const std::string path = path_ + "\\" + entry.name;
    // A file link listed as one is left alone: deleting it is not what emptying means.
    if (IsLink(entry)) return Fail(path, kReasonLink);
    const bool readOnly = (entry.attributes & attr::kReadOnly) != 0;
    const bool reset = NeedsReset(entry, resetAttributes);
    // Where the system deletes a read-only name as it is, no attribute needs changing at all.
    const bool keepAttributes = reset && files_.DeletesReadOnlyNames();
    bool lastName = true;
    {
        auto file = OpenChecked(path, reset && !keepAttributes ? platform::OpenFor::AttributeReset
                                                               : platform::OpenFor::Deletion);
        if (!file) return false;
        bool changeAttributes = reset && !keepAttributes;
        const std::uint32_t links = file->LinkCount();
        if (changeAttributes && links != 1) {
            // The attributes are the file's, shared by every name it has (some outside the
            // folder): they stay, and a read-only file stays with them.
            changeAttributes = false;
            if (readOnly) return Fail(path, kReasonOtherNames);
        }
        if (session_.IsPreview()) {
            if (!reset && readOnly) return Fail(path, kReasonReadOnly);
        } else {
            if (changeAttributes) (void)file->SetAttributes(attr::kArchive);  // deletion tells
            if (!file->MarkForDeletion(keepAttributes)) return Fail(path, files_.LastErrorText());
        }
        lastName = session_.LastName(
            links, links > 1 && session_.IsPreview() ? file->Identity() : std::nullopt);
    }  // closed: deleted, unless the folder's next listing still shows it
    Level& level = levels_.back();
    const auto index = static_cast<std::uint32_t>(level.next - 1);
    level.gone.push_back(index);
    if (!lastName) level.otherNames.push_back(index);
    session_.FileDone(lastName ? entry.size : 0);
    return true;
}

bool FolderStack::RemoveTarget() {
    if (levels_.size() != 1 || levels_.back().holdsKept || !Confirm(levels_.back(), path_))
        return false;
    levels_.back().folder.reset();
    auto folder = files_.Open(target_.path, platform::OpenFor::Removal);
    if (!folder || folder->Identity() != target_.identity) return false;
    if (session_.IsPreview()) return true;
    return folder->MarkForDeletion();
}

}  // namespace engine
