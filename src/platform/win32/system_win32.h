#pragma once
#include "platform/system.h"

namespace platform::win32 {

class SystemWin32 final : public System {
  public:
    std::string ExecutablePath() override;
    std::string ApplicationFolder() override;
    std::optional<std::string> WindowsFolder() override;
    std::string TempFolder() override;
    std::optional<std::string> UserName() override;
    LocalTime Now() override;
    std::string ShortDate() override;
    std::string LongTime() override;
    OsVersion Version() override;
    std::optional<std::string> ToAnsiCodePage(const std::string& utf8) override;
    std::optional<std::string> CurrentThemeColorName() override;
    void Sleep(int milliseconds) override;
};

}  // namespace platform::win32
