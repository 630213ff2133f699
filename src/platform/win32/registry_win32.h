#pragma once
#include "platform/registry.h"

namespace platform::win32 {

// Keys opened with RegCreateKeyExW / RegOpenKeyExW; full access unless opened read-only.
class RegistryWin32 final : public Registry {
  public:
    std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, const std::string& path,
                                         KeyMode mode) override;
    // RegDeleteTreeW on the key itself.
    bool DeleteKeyTree(RegistryRoot root, const std::string& path) override;
};

}  // namespace platform::win32
