#include "app/window_list.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "forms/disk_manager/disk_manager_form.h"
#include "forms/help/help_form.h"
#include "forms/keep_list/keep_list_form.h"
#include "forms/log_manager/log_manager_form.h"
#include "forms/main/main_form.h"
#include "forms/options/options_form.h"
#include "forms/process_manager/process_manager_form.h"
#include "forms/type_manager/type_manager_form.h"

namespace app {

namespace {
// A service family the windows need; start-up fails plainly when it is missing.
template <typename Service>
Service& Required(Service* service, const char* family) {
    if (!service) throw std::invalid_argument(std::string("No ") + family + " service was given");
    return *service;
}

// The colour of all windows on the window F.
template <typename F>
void TakeColor(ui::Form& form, ui::Color color) {
    static_cast<F&>(form).ApplyColor(color);
}

// Opening a window: OPEN on the window F.
template <typename F, void (F::*open)()>
void Opens(ui::Form& form) {
    (static_cast<F&>(form).*open)();
}
void Shows(ui::Form& form) {
    form.ShowForm();
}
}  // namespace

template <typename F, typename... Args>
void WindowList::Add(const Entry& entry, Args&&... args) {
    // Listed before its creation handler would see it: the options window finds the windows
    // made before it, and only those.
    F& form = forms_.Create<F>(std::forward<Args>(args)...);
    windows_.push_back(
        {entry.id, &form, entry.texts, entry.takeColor, entry.blocksMainWindow, entry.open});
}

WindowList::WindowList(ui::Application& application, const platform::Services& services)
    : cleaning_{Required(services.files, "files"),     Required(services.system, "system"),
                Required(services.profile, "profile"), Required(services.registry, "registry"),
                Required(services.shell, "shell"),     Required(services.urlCache, "URL cache")},
      scheduler_(services.taskScheduler),
      policy_(engine::ReadPolicy(cleaning_.registry)),
      shellFolder_(Required(services.shellFolder, "shell folder")),
      volumes_(Required(services.volumes, "volumes")),
      notificationArea_(Required(services.notificationArea, "notification area")),
      processes_(Required(services.processes, "processes")),
      folderDialog_(Required(services.folderDialog, "folder dialog")),
      languages_(cleaning_.system, cleaning_.files, cleaning_.profile),
      cues_(Required(services.sound, "sound"), cleaning_.system, options_.sound),
      toolContext_{
          languages_, cues_, options_, {cleaning_.system, cleaning_.files, cleaning_.profile}} {
    using forms::WindowId;
    // The list, in the order of creation. The order matters: the options window applies its
    // settings to the main window. Columns: the window, its texts, how it takes the colour,
    // whether it keeps the main window disabled while visible, how it is opened.
    Add<TForm1>({WindowId::Main, &TForm1::kTexts, TakeColor<TForm1>, false, Shows}, application,
                cleaning_, shellFolder_, notificationArea_, cues_, *this, policy_);
    Add<TForm2>({WindowId::Options, &TForm2::kTexts, TakeColor<TForm2>, true, Shows}, application,
                settings::OptionsServices{cleaning_.system, cleaning_.files, cleaning_.profile,
                                          cleaning_.registry, cleaning_.shell},
                languages_, MainWindow(), *this, options_, scheduler_, policy_);
    Add<TForm3>({WindowId::Help, nullptr, nullptr, false, Opens<TForm3, &TForm3::ShowHelpPage>},
                application);
    Add<TForm4>({WindowId::LogManager, &TForm4::kTexts, TakeColor<TForm4>, true, Shows},
                application, toolContext_,
                tools::LogManagerServices{cleaning_.files, cleaning_.shell, folderDialog_,
                                          cleaning_.system});
    Add<TForm5>({WindowId::DiskManager, &TForm5::kTexts, TakeColor<TForm5>, true, Shows},
                application, toolContext_, volumes_);
    Add<TForm6>({WindowId::ProcessManager, &TForm6::kTexts, TakeColor<TForm6>, true,
                 Opens<TForm6, &TForm6::ShowAndListProcesses>},
                application, toolContext_, processes_, cleaning_.system, cleaning_.files);
    Add<TForm7>({WindowId::TypeManager, &TForm7::kTexts, TakeColor<TForm7>, true,
                 Opens<TForm7, &TForm7::ListFileTypes>},
                application, toolContext_, cleaning_.registry);
    Add<forms::KeepListForm>(
        {WindowId::KeepList, &forms::KeepListForm::kTexts, TakeColor<forms::KeepListForm>, true,
         Opens<forms::KeepListForm, &forms::KeepListForm::ShowList>},
        application, toolContext_,
        forms::KeepListServices{cleaning_.files, cleaning_.system, folderDialog_});
}

ui::Form& WindowList::Window(forms::WindowId id) const {
    for (const forms::ListedWindow& window : windows_)
        if (window.id == id) return *window.form;
    throw std::logic_error("A window that is not in the list was asked for");
}

TForm1& WindowList::MainWindow() const {
    return static_cast<TForm1&>(Window(forms::WindowId::Main));
}

TForm2& WindowList::OptionsWindow() const {
    return static_cast<TForm2&>(Window(forms::WindowId::Options));
}

void WindowList::Open(forms::WindowId id) {
    for (const forms::ListedWindow& window : windows_)
        if (window.id == id) window.open(*window.form);
}

bool WindowList::BlockingWindowVisible() const {
    for (const forms::ListedWindow& window : windows_)
        if (window.blocksMainWindow && window.form->Visible()) return true;
    return false;
}

}  // namespace app
