#include "platform/win32/services.h"

#include "platform/win32/event_log_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/folder_dialog_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/notification_area_win32.h"
#include "platform/win32/profile_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/sound_win32.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/task_scheduler_win32.h"
#include "platform/win32/url_cache_win32.h"
#include "platform/win32/volumes_win32.h"

namespace platform::win32 {

struct RealServices::Impl {
    SystemWin32 system;
    SoundWin32 sound;
    FileSystemWin32 files;
    ProfileWin32 profile;
    RegistryWin32 registry;
    ShellWin32 shell;
    UrlCacheWin32 urlCache;
    ShellFolderWin32 shellFolder;
    ProcessesWin32 processes;
    VolumesWin32 volumes;
    NotificationAreaWin32 notificationArea;
    FolderDialogWin32 folderDialog;
    TaskSchedulerWin32 taskScheduler;
    EventLogWin32 eventLog;
};

RealServices::RealServices() : impl_(std::make_unique<Impl>()) {
    services_.system = &impl_->system;
    services_.sound = &impl_->sound;
    services_.files = &impl_->files;
    services_.profile = &impl_->profile;
    services_.registry = &impl_->registry;
    services_.shell = &impl_->shell;
    services_.urlCache = &impl_->urlCache;
    services_.shellFolder = &impl_->shellFolder;
    services_.processes = &impl_->processes;
    services_.volumes = &impl_->volumes;
    services_.notificationArea = &impl_->notificationArea;
    services_.folderDialog = &impl_->folderDialog;
    services_.taskScheduler = &impl_->taskScheduler;
    services_.eventLog = &impl_->eventLog;
}

RealServices::~RealServices() = default;

}  // namespace platform::win32
