#pragma once
// One cleaning pass over the categories ticked in the main window, in a fixed order, with
// one activity-log line per category cleaned.

#include <string>

#include "engine/categories.h"
#include "platform/window_handle.h"

namespace platform {
class FileSystem;
class Profile;
class Registry;
class Shell;
class System;
class UrlCache;
}  // namespace platform

namespace engine {

class CleaningPaths;
class PurgeReport;

// The operating-system services a run uses.
struct CleaningServices {
    platform::FileSystem& files;
    platform::System& system;
    platform::Profile& profile;
    platform::Registry& registry;
    platform::Shell& shell;
    platform::UrlCache& urlCache;
};

// What the run needs from the main window. Boxes are read at the moment their step comes up.
class CleaningView {
  public:
    virtual ~CleaningView() = default;

    virtual bool IsChecked(Category category) = 0;
    virtual bool IsSelected(Choice choice) = 0;
    // The status line.
    virtual void SetStatus(const std::string& text) = 0;
    virtual void AppendLog(const std::string& line) = 0;
    // Sets the file list's root folder (no change when it is the root already).
    virtual void ShowFolder(const std::string& folder) = 0;
    // The file list's root folder ("" when it shows no folder, e.g. the recycle bin).
    virtual std::string FileListRoot() = 0;
    // Re-reads the file list's current root and repaints it.
    virtual void RefreshFileList() = 0;
    virtual void PlayCue(int cue) = 0;
    // An error message box (caption "Error", error icon, one "OK" button).
    virtual void ShowError(const std::string& text) = 0;
    // Owner for shell calls.
    virtual platform::WindowHandle OwnerWindow() = 0;
    // Where the files and folders of CATEGORY's step are reported, entry by entry; none when
    // null.
    virtual PurgeReport* ReportFor(Category category) {
        (void)category;
        return nullptr;
    }
};

inline constexpr const char* kStatusWorking = "Wait please";
inline constexpr const char* kStatusDone = "Completed clean";
inline constexpr int kCueRunFinished = 1;

// Runs the pass. An error of a step (a refused registry write) propagates as std::runtime_error and
// ends the run there: lines appended so far stay, the status keeps "Wait please".
void RunCleaning(const CleaningServices& services, CleaningPaths& paths, CleaningView& view);

}  // namespace engine
