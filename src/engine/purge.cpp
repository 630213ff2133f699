#include "engine/purge.h"

#include <algorithm>
#include <vector>

#include "engine/entry_path.h"
#include "engine/folder_stack.h"
#include "engine/mask_matcher.h"
#include "engine/purge_session.h"
#include "engine/purge_target.h"

namespace engine {

namespace attr = platform::attr;

namespace {

bool IsFolder(const platform::DirEntry& entry) {
    return (entry.attributes & attr::kDirectory) != 0;
}

bool RemoveTreeIn(platform::FileSystem& files, PurgeTarget& target, PurgeSession& session,
                  const TreeOptions& options) {
    const bool clearAttributes = options.clearAttributes;
    FolderStack stack(files, target, session);
    for (;;) {
        const platform::DirEntry* entry = stack.Next();
        if (entry != nullptr && session.StopNow()) return false;
        bool result = false;
        if (entry == nullptr) {
            // The innermost folder is done: remove it when everything in it went.
            result = stack.Result();
            if (stack.Depth() == 0)
                return result && options.removeRoot ? stack.RemoveTarget() : result;
            result = stack.Leave(result);
        } else if (!IsFolder(*entry)) {
            result = stack.DeleteFile(*entry, clearAttributes);
        } else if (stack.Enter(*entry, clearAttributes)) {
            continue;  // its result comes when it is left
        }
        // A link is never entered nor removed, so its folder cannot be removed either.
        stack.Result() = result;
        if (!result && options.stopOnFailure) return false;
    }
}

// Deletes the files matching MATCHERS (with RECURSE, in the folders below too). With
// REMOVEEMPTIED, a folder below the target that ends empty is removed as the walk leaves it;
// one that keeps anything (a file that does not match, one that could not go, a kept entry)
// stays, and so does every folder above it.
void EraseFilesByMaskIn(platform::FileSystem& files, PurgeTarget& target, PurgeSession& session,
                        const std::vector<MaskMatcher>& matchers, bool recurse = false,
                        bool removeEmptied = false) {
    FolderStack stack(files, target, session);
    for (;;) {
        const platform::DirEntry* entry = stack.Next();
        if (entry != nullptr && session.StopNow()) return;
        bool gone = false;
        if (entry == nullptr) {
            if (stack.Depth() == 0) return;
            const bool emptied = removeEmptied && stack.Result();
            gone = stack.Leave(emptied) && emptied;
        } else if (IsFolder(*entry)) {
            if (recurse && stack.Enter(*entry, false)) continue;  // its result comes when left
        } else if (std::any_of(matchers.begin(), matchers.end(),
                               [entry](const MaskMatcher& m) { return m.Matches(entry->name); })) {
            gone = stack.DeleteFile(*entry, false);
        }
        if (!gone) stack.Result() = false;
    }
}

void EraseFilesRecursiveIn(platform::FileSystem& files, PurgeTarget& target,
                           PurgeSession& session) {
    FolderStack stack(files, target, session);
    for (;;) {
        const platform::DirEntry* entry = stack.Next();
        if (entry != nullptr && session.StopNow()) return;
        if (entry == nullptr) {
            if (stack.Depth() == 0) return;
            (void)stack.Leave(false);
        } else if (!IsFolder(*entry)) {
            (void)stack.DeleteFile(*entry, false);
        } else if (entry->name.find('.') == std::string::npos) {
            (void)stack.Enter(*entry, false);  // a dotted folder name is not entered
        }
    }
}

// The folder and mask parts of a mask-pass argument.
struct MaskArgument {
    std::string folder;
    std::string mask;
};

MaskArgument SplitMask(platform::FileSystem& files, const std::string& folderAndMask) {
    const std::size_t cut = folderAndMask.find_last_of("\\:");
    MaskArgument out;
    out.folder = cut == std::string::npos ? "" : folderAndMask.substr(0, cut + 1);
    out.mask = cut == std::string::npos ? folderAndMask : folderAndMask.substr(cut + 1);
    if (out.mask.empty()) out.mask = "*.*";
    if (out.folder.empty()) {
        out.folder = files.CurrentDirectory();
        if (out.folder.empty() || out.folder.back() != '\\') out.folder += "\\";
    }
    return out;
}

// FOLDER opened as a purge target; nullopt, with the refusal or the failure reported, when it
// may not or cannot be. Nothing is opened while the keep list has a line it cannot place:
// what that line keeps cannot be told.
std::optional<PurgeTarget> OpenReported(platform::FileSystem& files, const std::string& folder,
                                        const std::string& windowsFolder,
                                        const PurgeOptions& options) {
    PurgeReport* report = options.report;
    if (options.keep != nullptr && !options.keep->Problem().empty()) {
        if (report != nullptr) report->Stopped(folder, options.keep->Problem());
        return std::nullopt;
    }
    CheckedTarget checked = CheckPurgeTarget(files, folder, windowsFolder, options.source);
    if (!checked.target && report != nullptr) {
        if (checked.refusal.empty())
            report->Stopped(folder, "could not be opened: " + checked.error);
        else
            report->Refused(folder, checked.refusal);
    }
    return std::move(checked.target);
}

// A fresh handle on the same verified target, for the next pass; nullopt, with the purge
// reported stopped, when the target is not there as itself any more.
std::optional<PurgeTarget> Reopen(platform::FileSystem& files, const PurgeTarget& target,
                                  const std::string& folder, PurgeReport* report) {
    std::string why;
    std::optional<PurgeTarget> again = ReopenPurgeTarget(files, target, why);
    if (!again && report != nullptr) report->Stopped(folder, why);
    return again;
}

// Whether the purge of FOLDER is to end here at a stop request (and then reports it stopped).
bool EndsAtStop(const PurgeSession& session, const std::string& folder, PurgeReport* report) {
    if (!session.StoppedEarly()) return false;
    if (report != nullptr) report->Stopped(folder, kReasonStopRequested);
    return true;
}

// With OPTIONS.removeFolder, removes the purged folder once nothing is left in it (in a
// preview, once everything in it would be gone); a folder holding a kept entry stays. False
// when the folder cannot be opened again as itself.
bool RemoveWhenAsked(platform::FileSystem& files, const PurgeTarget& base,
                     const std::string& folder, const PurgeOptions& options,
                     PurgeSession& session) {
    if (!options.removeFolder) return true;
    auto last = Reopen(files, base, folder, options.report);
    if (!last) return false;
    FolderStack stack(files, *last, session);
    if (stack.Next() == nullptr && stack.RemoveTarget()) session.Removed(last->path);
    return true;
}

}  // namespace

bool RemoveTree(platform::FileSystem& files, const std::string& path,
                const std::string& windowsFolder, const TreeOptions& options) {
    std::optional<PurgeTarget> target = OpenPurgeTarget(files, path, windowsFolder);
    PurgeSession session(PurgeMode::Clean, nullptr);
    return target && RemoveTreeIn(files, *target, session, options);
}

void EraseFilesByMask(platform::FileSystem& files, const std::string& folderAndMask,
                      const std::string& windowsFolder) {
    const MaskArgument argument = SplitMask(files, folderAndMask);
    // A bad mask raises before anything is touched.
    const std::vector<MaskMatcher> matchers{MaskMatcher(argument.mask)};
    PurgeSession session(PurgeMode::Clean, nullptr);
    if (auto target = OpenPurgeTarget(files, argument.folder, windowsFolder))
        EraseFilesByMaskIn(files, *target, session, matchers);
}

void EraseFilesRecursive(platform::FileSystem& files, const std::string& folder,
                         const std::string& windowsFolder) {
    PurgeSession session(PurgeMode::Clean, nullptr);
    if (auto target = OpenPurgeTarget(files, folder, windowsFolder))
        EraseFilesRecursiveIn(files, *target, session);
}

bool PurgeFolder(platform::FileSystem& files, const std::string& folder,
                 const std::string& windowsFolder, const PurgeOptions& options) {
    std::optional<PurgeTarget> opened = OpenReported(files, folder, windowsFolder, options);
    if (!opened) return false;
    PurgeTarget& target = *opened;
    const PurgeTarget base{nullptr, target.path, target.identity};
    PurgeSession session(options.mode, options.report, options.keep, options.stop);
    // A folder the keep list holds stays whole, itself included.
    if (session.Kept(target.path)) return true;
    (void)RemoveTreeIn(
        files, target, session,
        {.clearAttributes = options.clearAttributes, .stopOnFailure = options.stopOnFailure});
    if (EndsAtStop(session, folder, options.report)) return false;
    // Without a trailing backslash the mask would be the folder's own name, matched in the
    // parent folder: it can find nothing inside the target, only neighbours outside it.
    if (folder.back() == '\\' || folder.back() == '/') {
        auto again = Reopen(files, base, folder, options.report);
        if (!again) return false;
        EraseFilesByMaskIn(files, *again, session, {MaskMatcher("*.*")});
        if (EndsAtStop(session, folder, options.report)) return false;
    }
    auto again = Reopen(files, base, folder, options.report);
    if (!again) return false;
    EraseFilesRecursiveIn(files, *again, session);
    if (EndsAtStop(session, folder, options.report)) return false;
    return RemoveWhenAsked(files, base, folder, options, session);
}

bool PurgeMatchingFiles(platform::FileSystem& files, const std::string& folder,
                        const std::vector<std::string>& masks, bool recurse,
                        const std::string& windowsFolder, const PurgeOptions& options) {
    std::vector<MaskMatcher> matchers;
    for (const std::string& mask : masks) matchers.emplace_back(mask);
    std::optional<PurgeTarget> target = OpenReported(files, folder, windowsFolder, options);
    if (!target) return false;
    const PurgeTarget base{nullptr, target->path, target->identity};
    PurgeSession session(options.mode, options.report, options.keep, options.stop);
    if (session.Kept(target->path)) return true;
    EraseFilesByMaskIn(files, *target, session, matchers, recurse, recurse && options.removeFolder);
    if (EndsAtStop(session, folder, options.report)) return false;
    return RemoveWhenAsked(files, base, folder, options, session);
}

bool DeleteFileChecked(platform::FileSystem& files, const std::string& path, PurgeReport* report,
                       PurgeMode mode, const KeepList* keep) {
    const std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos || cut + 1 == path.size()) return false;
    std::optional<PurgeTarget> folder =
        OpenReported(files, path.substr(0, cut + 1), "", {.report = report, .keep = keep});
    if (!folder) return false;
    // A plain path loses its name's trailing dots and spaces, as the platform reads it.
    std::string name = path.substr(cut + 1);
    if (!path.starts_with("\\\\?\\")) name = std::string(TrimmedName(name));
    std::vector<platform::DirEntry> entries;
    if (report != nullptr) (void)files.Enumerate(path, entries);  // its size, for the report
    const std::uint64_t size = entries.size() == 1 ? entries.front().size : 0;
    PurgeSession session(mode, report, keep);
    FolderStack stack(files, *folder, session);
    stack.Only({name, attr::kArchive, size});
    const platform::DirEntry* entry = stack.Next();
    return entry != nullptr && stack.DeleteFile(*entry, false) && stack.Finish();
}

}  // namespace engine
