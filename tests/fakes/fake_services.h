#pragma once
// One bundle of fakes wired into a platform::Services.

#include "fakes/fake_event_log.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_folder_dialog.h"
#include "fakes/fake_notification_area.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_shell_folder.h"
#include "fakes/fake_sound.h"
#include "fakes/fake_system.h"
#include "fakes/fake_task_scheduler.h"
#include "fakes/fake_url_cache.h"
#include "fakes/fake_volumes.h"
#include "platform/portable/ini_profile.h"
#include "platform/services.h"

namespace fakes {

struct FakeServices {
    FakeSystem system;
    FakeSound sound;
    FakeFileSystem files;
    // Profile files (settings, language files) live in the fake file system.
    platform::portable::IniProfile profile{files};
    FakeRegistry registry;
    FakeShell shell;
    FakeUrlCache urlCache;
    FakeShellFolder shellFolder;
    FakeProcesses processes;
    FakeVolumes volumes;
    FakeNotificationArea notificationArea;
    FakeFolderDialog folderDialog;
    FakeTaskScheduler taskScheduler;
    FakeEventLog eventLog;

    platform::Services Get() {
        platform::Services s;
        s.system = &system;
        s.sound = &sound;
        s.files = &files;
        s.profile = &profile;
        s.registry = &registry;
        s.shell = &shell;
        s.urlCache = &urlCache;
        s.shellFolder = &shellFolder;
        s.processes = &processes;
        s.volumes = &volumes;
        s.notificationArea = &notificationArea;
        s.folderDialog = &folderDialog;
        s.taskScheduler = &taskScheduler;
        s.eventLog = &eventLog;
        return s;
    }
};

}  // namespace fakes
