#pragma once
// The operating-system services handed to the program at start (and, for headers that only
// name them, their declarations). The Windows entry point
// fills this with the real implementations; tests fill it with fakes. A null member is a
// family the caller does not need.

namespace platform {

class System;
class Sound;
class FileSystem;
class Profile;
class Registry;
class Shell;
class UrlCache;
class Volumes;
class Processes;
class ShellFolder;
class NotificationArea;
class FolderDialog;
class TaskScheduler;
class EventLog;

struct Services {
    System* system = nullptr;
    Sound* sound = nullptr;
    FileSystem* files = nullptr;
    Profile* profile = nullptr;
    Registry* registry = nullptr;
    Shell* shell = nullptr;
    UrlCache* urlCache = nullptr;
    Volumes* volumes = nullptr;
    Processes* processes = nullptr;
    ShellFolder* shellFolder = nullptr;
    NotificationArea* notificationArea = nullptr;
    FolderDialog* folderDialog = nullptr;
    TaskScheduler* taskScheduler = nullptr;
    EventLog* eventLog = nullptr;
};

}  // namespace platform
