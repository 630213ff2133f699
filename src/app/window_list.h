#pragma once
// The seven windows of a program run and what they share, made at start-up: the services are
// unpacked here into the references each window takes, the options model and the sound cues
// are owned here, and the windows are created in their fixed order and destroyed in reverse.
// This is the one place that names every window's class.

#include "engine/cleaning_run.h"
#include "forms/options/options_links.h"
#include "forms/tool_window.h"
#include "forms/window_links.h"
#include "platform/services.h"
#include "settings/language_files.h"
#include "settings/options.h"
#include "settings/sound_cues.h"
#include "ui/form_owner.h"

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

namespace ui {
class Application;
}

namespace app {

class Windows final : public ToolWindows, public settings::ToolWindowLinks {
  public:
    // Unpacks SERVICES; raises std::invalid_argument when a family the windows use (system,
    // sound, files, profile, registry, shell, urlCache, shellFolder, volumes,
    // notificationArea, folderDialog, processes) is missing.
    Windows(ui::Application& application, const platform::Services& services);
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    TForm1& MainWindow() const { return *main_; }
    TForm2& OptionsWindow() const { return *optionsWindow_; }
    TForm3& HelpWindow() const { return *help_; }
    TForm4& LogManager() const { return *logManager_; }
    TForm5& DiskManager() const { return *diskManager_; }
    TForm6& ProcessManager() const { return *processManager_; }
    TForm7& TypeManager() const { return *typeManager_; }
    settings::Options& GetOptions() { return options_; }

    // ToolWindows
    void ShowOptions() override;
    void ShowLogManager() override;
    void ShowDiskManager() override;
    void ShowHelp() override;
    void ShowProcessManager() override;
    void ShowTypeManager() override;
    bool BlockingWindowVisible() const override;
    // settings::ToolWindowLinks
    ui::Form* ToolWindow(settings::LanguageWindow which) override;

  private:
    engine::CleaningServices cleaning_;
    platform::ShellFolder& shellFolder_;
    platform::Volumes& volumes_;
    platform::NotificationArea& notificationArea_;
    platform::Processes& processes_;
    settings::Languages languages_;
    settings::Options options_;
    settings::SoundCues cues_;
    tools::ToolWindowContext toolContext_;
    ui::FormOwner forms_;  // last: the windows borrow everything above
    TForm1* main_ = nullptr;
    TForm2* optionsWindow_ = nullptr;
    TForm3* help_ = nullptr;
    TForm4* logManager_ = nullptr;
    TForm5* diskManager_ = nullptr;
    TForm6* processManager_ = nullptr;
    TForm7* typeManager_ = nullptr;
};

}  // namespace app
