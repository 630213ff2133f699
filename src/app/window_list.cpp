#include "app/window_list.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "forms/disk_manager/disk_manager_form.h"
#include "forms/help/help_form.h"
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
}  // namespace

Windows::Windows(ui::Application& application, const platform::Services& services)
    : cleaning_{Required(services.files, "files"),     Required(services.system, "system"),
                Required(services.profile, "profile"), Required(services.registry, "registry"),
                Required(services.shell, "shell"),     Required(services.urlCache, "URL cache")},
      shellFolder_(Required(services.shellFolder, "shell folder")),
      volumes_(Required(services.volumes, "volumes")),
      notificationArea_(Required(services.notificationArea, "notification area")),
      processes_(Required(services.processes, "processes")),
      languages_(cleaning_.system, cleaning_.files, cleaning_.profile),
      cues_(Required(services.sound, "sound"), cleaning_.system, options_.sound),
      toolContext_{languages_, cues_, options_, {cleaning_.system, cleaning_.profile}} {
    // The order matters: the options window applies its settings to the main window.
    main_ = &forms_.Create<TForm1>(application, cleaning_, shellFolder_, notificationArea_, cues_,
                                   *this);
    optionsWindow_ = &forms_.Create<TForm2>(
        application,
        settings::OptionsServices{cleaning_.system, cleaning_.files, cleaning_.profile,
                                  cleaning_.registry, cleaning_.shell},
        languages_, *main_, *this, options_);
    help_ = &forms_.Create<TForm3>(application);
    logManager_ = &forms_.Create<TForm4>(
        application, toolContext_,
        tools::LogManagerServices{cleaning_.files, cleaning_.shell,
                                  Required(services.folderDialog, "folder dialog"),
                                  cleaning_.system});
    diskManager_ = &forms_.Create<TForm5>(application, toolContext_, volumes_);
    processManager_ = &forms_.Create<TForm6>(application, toolContext_, processes_,
                                             cleaning_.system, cleaning_.files);
    typeManager_ = &forms_.Create<TForm7>(application, toolContext_, cleaning_.registry);
}

void Windows::ShowOptions() {
    optionsWindow_->ShowForm();
}
void Windows::ShowLogManager() {
    logManager_->ShowForm();
}
void Windows::ShowDiskManager() {
    diskManager_->ShowForm();
}
void Windows::ShowHelp() {
    help_->ShowHelpPage();
}
void Windows::ShowProcessManager() {
    processManager_->ShowAndListProcesses();
}
void Windows::ShowTypeManager() {
    typeManager_->ListFileTypes();
}

ui::Form* Windows::ToolWindow(settings::LanguageWindow which) {
    switch (which) {
        case settings::LanguageWindow::LogManager:
            return logManager_;
        case settings::LanguageWindow::DiskManager:
            return diskManager_;
        case settings::LanguageWindow::ProcessManager:
            return processManager_;
        case settings::LanguageWindow::TypeManager:
            return typeManager_;
        default:
            return nullptr;
    }
}

bool Windows::BlockingWindowVisible() const {
    for (const ui::Form* form : std::initializer_list<const ui::Form*>{
             optionsWindow_, logManager_, diskManager_, processManager_, typeManager_})
        if (form && form->Visible()) return true;
    return false;
}

}  // namespace app
