#pragma once
// Profile files read and written by our own parser, over any platform::FileSystem. Used
// where the platform's profile functions are not available (the host build and its tests);
// it keeps their semantics (see platform/profile.h).

#include "platform/files.h"
#include "platform/portable/ini_text.h"
#include "platform/profile.h"

namespace platform::portable {

class IniProfile final : public Profile {
  public:
    explicit IniProfile(FileSystem& files, AnsiCodePage codePage = AnsiCodePage::Windows1252);

    std::string ReadString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool SectionExists(const std::string& path, const std::string& section) override;

  protected:
    void WriteValue(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value) override;

  private:
    FileSystem& files_;
    AnsiCodePage codePage_;
};

// What a read returns for a stored VALUE: one pair of enclosing quotes removed, cut at
// kProfileValueLimit units (as a 2048-unit buffer of the platform's function holds them).
std::u16string ProfileResult(std::u16string_view value);

}  // namespace platform::portable
