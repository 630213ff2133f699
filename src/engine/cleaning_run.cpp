#include "engine/cleaning_run.h"

#include "engine/cleaning_paths.h"
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
        PurgeStep(Category::TempWindows, true, false, false, log_lines::kTempWindows);
        if (Checked(Category::TempUser)) CleanUserTemp();
        PurgeStep(Category::Prefetch, false, false, false, log_lines::kPrefetch);
        PurgeStep(Category::History, false, false, true, log_lines::kHistory);
        if (view_.IsSelected(Choice::NoWriteHistory)) ApplyHistoryChoice(registry_, true);
        if (view_.IsSelected(Choice::WriteHistory)) ApplyHistoryChoice(registry_, false);
        PurgeStep(Category::Recent, false, true, true, log_lines::kRecent);
        if (view_.IsSelected(Choice::NoWriteRecent)) ApplyRecentChoice(registry_, true);
        if (view_.IsSelected(Choice::WriteRecent)) ApplyRecentChoice(registry_, false);
        PurgeStep(Category::CookiesIe, false, false, true, log_lines::kCookiesIe);
        if (Checked(Category::SpeedMemory)) {
            WriteSpeedMemory(registry_);
            view_.AppendLog(log_lines::kSpeedMemory);
        }
        OperaSteps();

        int cacheSizeMb = SettleCacheSize(files_, system_, profile_);
        if (Checked(Category::CacheDll)) {
            ApplyDllCache(registry_, files_, cacheSizeMb, paths_.CategoryFolder(Category::CacheDll),
                          paths_.WindowsDirectory());
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
        PurgeStep(Category::OfflineWebPages, false, false, false, log_lines::kOfflineWebPages);
    }

  private:
    bool Checked(Category category) { return view_.IsChecked(category); }

    // A folder category: when ticked and its folder is there, (optionally) show the folder,
    // empty it and log the line. A folder the purge refuses gets no line: nothing was cleaned.
    void PurgeStep(Category category, bool clearAttributes, bool stopOnFailure, bool show,
                   const char* line) {
        if (!Checked(category)) return;
        std::string folder = paths_.CategoryFolder(category);
        if (!files_.DirectoryExists(folder)) return;
        if (show) view_.ShowFolder(folder);
        if (PurgeFolder(files_, folder, clearAttributes, stopOnFailure, paths_.WindowsDirectory()))
            view_.AppendLog(line);
    }

    // The user's temp folder: the tree walk and the recursive pass work on the folder, the
    // mask pass on the path with its trailing backslash, which deletes the dotted files
    // directly in the folder. A temp path that names a drive root or the Windows folder (the
    // platform takes it from the environment) is refused by the purge and gets no line.
    void CleanUserTemp() {
        std::string withSlash = paths_.TempFolder();
        if (withSlash.size() < 2) return;
        std::string folder = withSlash;
        if (folder.back() == '\\' || folder.back() == '/')
            folder.pop_back();
        else
            withSlash += '\\';
        if (!files_.DirectoryExists(folder)) return;
        if (PurgeFolder(files_, withSlash, false, false, paths_.WindowsDirectory()))
            view_.AppendLog(log_lines::kTempUser);
    }

    // Deletes the profile file ITEM when it is there; returns whether it was there.
    bool DeleteOperaFile(const char* item) {
        std::string path = paths_.OperaProfileItem(item);
        if (!files_.FileExists(path)) return false;
        (void)DeleteFileChecked(files_, path);  // the line depends on the file having been there
        return true;
    }

    void OperaSteps() {
        if (Checked(Category::OperaCookies) && DeleteOperaFile("cookies4.dat")) {
            view_.AppendLog(log_lines::kOperaCookies);
        }
        if (Checked(Category::OperaPages)) {
            DeleteOperaFile("global.dat");
            DeleteOperaFile("opera.dir");
            if (DeleteOperaFile("vlink4.dat")) view_.AppendLog(log_lines::kOperaPages);
        }
        PurgeStep(Category::OperaIcons, false, false, false, log_lines::kOperaIcons);
        if (Checked(Category::OperaLoads) && DeleteOperaFile("download.dat")) {
            view_.AppendLog(log_lines::kOperaLoads);
        }
        PurgeStep(Category::OperaTemporary, false, false, false, log_lines::kOperaTemporary);
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
