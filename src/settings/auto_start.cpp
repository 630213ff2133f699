#include "settings/auto_start.h"

#include <stdexcept>

#include "platform/registry.h"

namespace settings {

using platform::KeyMode;
using platform::RegistryRoot;

void WriteAutoStart(platform::Registry& registry, const std::string& executable) {
    auto key = registry.OpenKey(RegistryRoot::LocalMachine, std::string(kRunKey),
                                KeyMode::CreateIfMissing);
    // A key that cannot be opened is a write that failed.
    if (!key || !key->WriteString(executable, executable))
        throw std::runtime_error("Failed to set data for '" + executable + "'");
}

void RemoveAutoStart(platform::Registry& registry, const std::string& executable) {
    {
        auto key =
            registry.OpenKey(RegistryRoot::LocalMachine, std::string(kRunKey), KeyMode::ReadOnly);
        if (!key || !key->ValueExists(executable)) return;
    }
    auto key = registry.OpenKey(RegistryRoot::LocalMachine, std::string(kRunKey),
                                KeyMode::CreateIfMissing);
    if (key && key->ValueExists(executable)) (void)key->DeleteValue(executable);
}

}  // namespace settings
