#pragma once
// The file-protection cache quota a cleaning run writes, as the settings file holds it.

#include "platform/services.h"

namespace settings {

inline constexpr int kDefaultCacheSizeMb = 10;

// The quota in MB from the settings file (section "DLLCache", key "Cache_Mb", default 10).
// Writes the default into the file when the file or the section is missing; a file that
// cannot be written leaves the default.
int SettleCacheSize(platform::FileSystem& files, platform::System& system,
                    platform::Profile& profile);

}  // namespace settings
