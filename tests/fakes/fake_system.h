#pragma once
// A settable System for tests. Sleep records the pauses instead of waiting.

#include <stdexcept>
#include <vector>

#include "platform/system.h"

namespace fakes {

class FakeSystem : public platform::System {
public:
    std::string applicationFolder = "C:\\Program Files\\Skarvel\\";
    std::string executableName = "skarvel.exe";
    std::optional<std::string> windowsFolder = std::string("C:\\WINDOWS");
    std::string tempFolder = "C:\\DOCUME~1\\user\\LOCALS~1\\Temp\\";
    std::optional<std::string> userName = std::string("user");
    platform::LocalTime now{2026, 12, 6, 9, 5, 7};
    std::string shortDate = "06.12.2026";
    std::string longTime = "9:05:07";
    platform::OsVersion version{5, 1};
    std::optional<std::string> themeColorName = std::string("NormalColor");
    bool themeCallFails = false;
    int themeCalls = 0;
    std::vector<int> sleeps;

    std::string ExecutablePath() override { return applicationFolder + executableName; }
    std::string ApplicationFolder() override { return applicationFolder; }
    std::optional<std::string> WindowsFolder() override { return windowsFolder; }
    std::string TempFolder() override { return tempFolder; }
    std::optional<std::string> UserName() override { return userName; }
    platform::LocalTime Now() override { return now; }
    std::string ShortDate() override { return shortDate; }
    std::string LongTime() override { return longTime; }
    platform::OsVersion Version() override { return version; }
    std::optional<std::string> CurrentThemeColorName() override {
        ++themeCalls;
        if (themeCallFails) throw std::runtime_error("Catastrophic failure");
        return themeColorName;
    }
    void Sleep(int milliseconds) override { sleeps.push_back(milliseconds); }
};

}  // namespace fakes
