#pragma once
#include "platform/profile.h"

namespace platform::win32 {

// The platform's own profile functions (wide-character versions).
class ProfileWin32 final : public Profile {
  public:
    std::string ReadString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool SectionExists(const std::string& path, const std::string& section) override;

  protected:
    void WriteValue(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value) override;
};

}  // namespace platform::win32
