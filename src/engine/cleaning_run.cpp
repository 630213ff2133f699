#include "engine/cleaning_run.h"

#include "engine/cleaning_paths.h"
#include "engine/folder_steps.h"
#include "engine/log_lines.h"
#include "engine/purge.h"
#include "engine/recycle_bin.h"
#include "engine/tweaks.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/url_cache.h"

namespace engine {

namespace {

class Run {
  public:
    Run(const CleaningServices& services, CleaningPaths& paths, CleaningView& view)
        : files_(services.files),
          system_(services.system),
          profile_(services.profile),
          registry_(services.registry),
          shell_(services.shell),
          urlCache_(services.urlCache),
          paths_(paths),
          view_(view) {}

    void Execute() {
        view_.SetStatus(kStatusWorking);
        if (Checked(Category::WindowsMessenger)) {
            StartMessengerRemoval(shell_, view_.OwnerWindow(), paths_.WindowsDirectory());
            view_.AppendLog(log_lines::kWindowsMessenger);
        }
        if (Checked(Category::Trash)) {
            EmptyRecycleBin(shell_, view_.OwnerWindow(),
                            [this](const std::string& text) { view_.ShowError(text); });
            view_.AppendLog(log_lines::kTrash);
        }
        if (Checked(Category::TemporaryIeFiles)) {
            (void)urlCache_.ClearUrlCache();
            view_.AppendLog(log_lines::kTemporaryIeFiles);
        }
        PurgeStep(Category::TempWindows, false, log_lines::kTempWindows);
        PurgeStep(Category::TempUser, false, log_lines::kTempUser);
        PurgeStep(Category::Prefetch, false, log_lines::kPrefetch);
        PurgeStep(Category::History, true, log_lines::kHistory);
        if (view_.IsSelected(Choice::NoWriteHistory)) ApplyHistoryChoice(registry_, true);
        if (view_.IsSelected(Choice::WriteHistory)) ApplyHistoryChoice(registry_, false);
        PurgeStep(Category::Recent, true, log_lines::kRecent);
        if (view_.IsSelected(Choice::NoWriteRecent)) ApplyRecentChoice(registry_, true);
        if (view_.IsSelected(Choice::WriteRecent)) ApplyRecentChoice(registry_, false);
        PurgeStep(Category::CookiesIe, true, log_lines::kCookiesIe);
        if (Checked(Category::SpeedMemory)) {
            WriteSpeedMemory(registry_);
            view_.AppendLog(log_lines::kSpeedMemory);
        }
        OperaSteps();

        int cacheSizeMb = SettleCacheSize(files_, system_, profile_);
        if (Checked(Category::CacheDll)) {
            // The cache is emptied only when its quota could be written; the line tells the
            // quota, so it comes either way.
            if (ApplyDllCacheQuota(registry_, cacheSizeMb)) (void)Purge(Category::CacheDll);
            view_.AppendLog(log_lines::DllCache(cacheSizeMb));
        }
        if (files_.DirectoryExists(view_.FileListRoot())) view_.RefreshFileList();
        if (view_.IsSelected(Choice::CutOffDrWatson)) {
            ApplyDrWatsonChoice(registry_, true);
            view_.AppendLog(log_lines::kCutOffDrWatson);
        }
        if (view_.IsSelected(Choice::SwitchOnDrWatson)) {
            ApplyDrWatsonChoice(registry_, false);
            view_.AppendLog(log_lines::kSwitchOnDrWatson);
        }
        view_.SetStatus(kStatusDone);
        view_.PlayCue(kCueRunFinished);
        view_.RefreshFileList();
        PurgeStep(Category::OfflineWebPages, false, log_lines::kOfflineWebPages);
    }

  private:
    bool Checked(Category category) { return view_.IsChecked(category); }

    // Empties CATEGORY's folder when it is there; false when it is missing or refused.
    bool Purge(Category category, bool show = false) {
        const std::optional<FolderStep> step = FolderStepOf(category, paths_);
        if (!step || step->folder.empty() || !files_.DirectoryExists(step->present)) return false;
        if (show) view_.ShowFolder(step->folder);
        return PurgeFolder(files_, step->folder, paths_.WindowsDirectory(),
                           {step->clearAttributes, step->stopOnFailure, PurgeMode::Clean,
                            view_.ReportFor(category)});
    }

    // A folder category: when ticked and its folder is there, (optionally) show the folder,
    // empty it and log the line. A folder the purge refuses (a temp path from the
    // environment that names a drive root, say) gets no line: nothing was cleaned.
    void PurgeStep(Category category, bool show, const char* line) {
        if (Checked(category) && Purge(category, show)) view_.AppendLog(line);
    }

    // Deletes the profile file ITEM when it is there; returns whether it was there.
    bool DeleteOperaFile(Category category, const std::string& item) {
        std::string path = paths_.OperaProfileItem(item);
        if (!files_.FileExists(path)) return false;
        // The line depends on the file having been there, not on its deletion.
        (void)DeleteFileChecked(files_, path, view_.ReportFor(category));
        return true;
    }

    // An Opera file category: its files deleted in order, the line when the last was there.
    void ProfileFileStep(Category category, const char* line) {
        if (!Checked(category)) return;
        bool lastThere = false;
        for (const std::string& item : ProfileFilesOf(category))
            lastThere = DeleteOperaFile(category, item);
        if (lastThere) view_.AppendLog(line);
    }

    void OperaSteps() {
        ProfileFileStep(Category::OperaCookies, log_lines::kOperaCookies);
        ProfileFileStep(Category::OperaPages, log_lines::kOperaPages);
        PurgeStep(Category::OperaIcons, false, log_lines::kOperaIcons);
        ProfileFileStep(Category::OperaLoads, log_lines::kOperaLoads);
        PurgeStep(Category::OperaTemporary, false, log_lines::kOperaTemporary);
    }

    platform::FileSystem& files_;
    platform::System& system_;
    platform::Profile& profile_;
    platform::Registry& registry_;
    platform::Shell& shell_;
    platform::UrlCache& urlCache_;
    CleaningPaths& paths_;
    CleaningView& view_;
};

}  // namespace

void RunCleaning(const CleaningServices& services, CleaningPaths& paths, CleaningView& view) {
    Run(services, paths, view).Execute();
}

}  // namespace engine
