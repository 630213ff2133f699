#pragma once
// The system tweaks a cleaning run applies: Explorer policy values for the history and
// recent-documents lists, memory-manager values, the file-protection cache quota and its
// folder, the debugger auto-start value, and the Windows Messenger removal.
//
// Registry failures: a key that cannot be opened is passed over silently; a value that
// cannot be written into an opened key throws std::runtime_error("Failed to set data for
// '<name>'"), and a sub-key that cannot be created throws "Failed to create key <name>".

#include <cstdint>
#include <string>

#include "platform/window_handle.h"

namespace platform {
class Registry;
class Shell;
}  // namespace platform

namespace engine {

// "No Write History" (NOWRITE true) writes the history policy value; "Write History"
// removes it when present.
void ApplyHistoryChoice(platform::Registry& registry, bool noWrite);

// "No Write Recent" (NOWRITE true) writes the two recent-documents policy values;
// "Write Recent" removes each one that is present.
void ApplyRecentChoice(platform::Registry& registry, bool noWrite);

// "Speed Memory": the memory-manager values.
void WriteSpeedMemory(platform::Registry& registry);

// "Cache Dll": writes the quota SIZEMB. Returns whether the key opened, which is when the
// run goes on to empty the cache folder.
bool ApplyDllCacheQuota(platform::Registry& registry, int sizeMb);

// "Cut off Dr. Watson" (CUTOFF true) sets the debugger auto-start value to "0",
// "Switch on Dr. Watson" to "1".
void ApplyDrWatsonChoice(platform::Registry& registry, bool cutOff);

// "Windows Messenger": starts the component's uninstall command without waiting.
// WINDOWSFOLDER stands in for %windir% in the command.
void StartMessengerRemoval(platform::Shell& shell, platform::WindowHandle owner,
                           const std::string& windowsFolder);

// Key paths, absolute from their root key.
inline constexpr const char* kPoliciesKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies";
inline constexpr const char* kExplorerPoliciesKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr const char* kSessionManagerKey =
    "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager";
inline constexpr const char* kMemoryManagementKey =
    "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
inline constexpr const char* kWinlogonKey =
    "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
inline constexpr const char* kAeDebugKey =
    "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug";

// The uninstall command as the system documents it; %windir% is the Windows folder.
inline constexpr const char* kMessengerCommand =
    "RunDll32 advpack.dll,LaunchINFSection %windir%\\INF\\msmsgs.inf,BLC.Remove";

}  // namespace engine
