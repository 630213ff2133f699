#pragma once
// The windows of a program run, made at start-up from one list: each entry says what the other
// windows need of it (its texts and language section, whether it takes the colour, whether it
// keeps the main window disabled, how it is opened). The services are unpacked here into the
// references each window takes; the options model and the sound cues are owned here; the
// windows are created in the list's order and destroyed in reverse. This is the one place that
// names every window's class.

#include <optional>
#include <stdexcept>
#include <vector>

#include "engine/cleaning_run.h"
#include "engine/policy.h"
#include "forms/tool_window.h"
#include "forms/window_links.h"
#include "platform/services.h"
#include "settings/language_files.h"
#include "settings/options.h"
#include "settings/sound_cues.h"
#include "ui/form_owner.h"

class TForm1;
class TForm2;

namespace ui {
class Application;
}

namespace app {

class WindowList final : public forms::WindowLinks {
  public:
    // Unpacks SERVICES; raises std::invalid_argument when a family the windows use (system,
    // sound, files, profile, registry, shell, urlCache, shellFolder, volumes,
    // notificationArea, folderDialog, processes) is missing.
    WindowList(ui::Application& application, const platform::Services& services);
    WindowList(const WindowList&) = delete;
    WindowList& operator=(const WindowList&) = delete;

    // The window ID; it must be in the list.
    ui::Form& Window(forms::WindowId id) const;
    // The listed window of class F.
    template <typename F>
    F& Get() const {
        for (const forms::ListedWindow& window : windows_)
            if (auto* form = dynamic_cast<F*>(window.form)) return *form;
        throw std::logic_error("A window that is not in the list was asked for");
    }
    TForm1& MainWindow() const;
    TForm2& OptionsWindow() const;
    settings::Options& GetOptions() { return options_; }

    // forms::WindowLinks
    void Open(forms::WindowId id) override;
    bool BlockingWindowVisible() const override;
    std::span<const forms::ListedWindow> Windows() const override { return windows_; }

  private:
    // What the others need of a window, as its line in the list says it.
    struct Entry {
        std::optional<forms::WindowId> id;
        const settings::TextTable* texts;
        void (*takeColor)(ui::Form& form, ui::Color color);
        bool blocksMainWindow;
        void (*open)(ui::Form& form);
    };
    // Makes the window F (running its creation handler) and lists it.
    template <typename F, typename... Args>
    void Add(const Entry& entry, Args&&... args);

    engine::CleaningServices cleaning_;
    platform::TaskScheduler* scheduler_;
    engine::Policy policy_;  // the administrator's, read once at start
    platform::ShellFolder& shellFolder_;
    platform::Volumes& volumes_;
    platform::NotificationArea& notificationArea_;
    platform::Processes& processes_;
    platform::FolderDialog& folderDialog_;
    settings::Languages languages_;
    settings::Options options_;
    settings::SoundCues cues_;
    tools::ToolWindowContext toolContext_;
    ui::FormOwner forms_;  // the windows borrow everything above
    std::vector<forms::ListedWindow> windows_;
};

}  // namespace app
