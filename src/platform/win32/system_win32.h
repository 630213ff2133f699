#pragma once
#include "platform/system.h"

namespace platform::win32 {

class SystemWin32 final : public System {
  public:
    std::string ExecutablePath() override;
    std::string ApplicationFolder() override;
    std::string DataFolder() override;
    std::string UserDataFolder() override;
    std::optional<std::string> WindowsFolder() override;
    std::string TempFolder() override;
    std::optional<std::string> UserName() override;
    LocalTime Now() override;
    std::string ShortDate() override;
    std::string LongTime() override;
    OsVersion Version() override;
    std::optional<std::string> ToAnsiCodePage(const std::string& utf8) override;
    std::string FromAnsiCodePage(std::string_view bytes) override;
    std::optional<std::string> CurrentThemeColorName() override;
    void Sleep(int milliseconds) override;
    std::optional<std::string> EnvironmentVariable(const std::string& name) override;

    // The data folder for a program in APPLICATION_FOLDER (with a trailing backslash): that
    // folder when a file can be created in it, else the user's roaming application data
    // folder + "Skarvel\" (made when missing), else APPLICATION_FOLDER.
    static std::string ChooseDataFolder(const std::string& applicationFolder);

  private:
    std::optional<std::string> dataFolder_;
    std::optional<std::string> userDataFolder_;
};

}  // namespace platform::win32
