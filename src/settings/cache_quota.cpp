#include "settings/cache_quota.h"

#include <stdexcept>

#include "platform/files.h"
#include "settings/settings_file.h"

namespace settings {

int SettleCacheSize(platform::FileSystem& files, platform::System& system,
                    platform::Profile& profile) {
    SettingsFile file(system, files, profile);
    // Writing the default is a courtesy to the user who wants to edit it: a settings file
    // that cannot be written must not stop the cleaning run.
    auto writeDefault = [&] {
        try {
            file.WriteInteger(Setting::DllCacheSize, kDefaultCacheSizeMb);
        } catch (const std::runtime_error&) {
        }
    };

    if (!files.FileExists(file.Path())) writeDefault();
    if (!files.FileExists(file.Path())) return kDefaultCacheSizeMb;
    if (!file.SectionExists(Setting::DllCacheSize)) {
        writeDefault();
        return kDefaultCacheSizeMb;
    }
    return file.ReadInteger(Setting::DllCacheSize);
}

}  // namespace settings
