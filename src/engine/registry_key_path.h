#pragma once
// Registry keys as definitions and backup files spell them ("HKCU\Software\x",
// "HKEY_CURRENT_USER\Software\x"), and the keys no definition may delete: a definition comes
// from the internet, so it may name a program's own key, never a hive, the keys every program
// lives under, nor the system's configuration.

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace engine {

struct RegistryKeyPath {
    platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
    std::string path;  // below the root, as spelled, without separators at either end
};

// SPELLED taken apart at its first backslash; nullopt when it names no root this system has
// (HKCU, HKLM, HKCR, HKU, HKCC or their long names, in any case).
std::optional<RegistryKeyPath> ParseRegistryKey(std::string_view spelled);

// "HKEY_CURRENT_USER\Software\x", as the registry editor names keys.
std::string FullKeyName(const RegistryKeyPath& key);

// Why a definition may not delete KEY, or a value in it ("" when it may): the key is at or
// above an anchor (a hive's root, "Software", "Software\Microsoft", "Software\Policies", a key
// directly in "Software\Classes" or in HKEY_CLASSES_ROOT, one directly in Windows' own
// "CurrentVersion" keys such as "Run"), or lies in the system's configuration
// (HKEY_LOCAL_MACHINE\SYSTEM, SAM, SECURITY, HARDWARE, the boot data, HKEY_CURRENT_CONFIG).
std::string RegistryAnchorRefusal(const RegistryKeyPath& key);

}  // namespace engine
