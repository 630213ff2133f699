#pragma once
// A settable System for tests. Sleep records the pauses instead of waiting.

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/system.h"

namespace fakes {

class FakeSystem : public platform::System {
  public:
    std::string applicationFolder = "C:\\Program Files\\Skarvel\\";
    std::string executableName = "skarvel.exe";
    std::string dataFolder;      // empty: the application folder
    std::string userDataFolder;  // empty: the data folder
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
    std::string DataFolder() override {
        return dataFolder.empty() ? applicationFolder : dataFolder;
    }
    std::string UserDataFolder() override {
        return userDataFolder.empty() ? DataFolder() : userDataFolder;
    }
    std::optional<std::string> WindowsFolder() override { return windowsFolder; }
    std::string TempFolder() override { return tempFolder; }
    std::optional<std::string> UserName() override { return userName; }
    platform::LocalTime Now() override { return now; }
    std::string ShortDate() override { return shortDate; }
    std::string LongTime() override { return longTime; }
    platform::OsVersion Version() override { return version; }
    // The fake's ANSI code page is Latin-1: code points up to U+00FF are one byte each.
    std::optional<std::string> ToAnsiCodePage(const std::string& utf8) override {
        std::string bytes;
        for (size_t i = 0; i < utf8.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(utf8[i]);
            if (c < 0x80) {
                bytes += static_cast<char>(c);
            } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
                bytes += static_cast<char>(((c & 0x03) << 6) | (utf8[++i] & 0x3F));
            } else {
                return std::nullopt;
            }
        }
        return bytes;
    }
    std::string FromAnsiCodePage(std::string_view bytes) override {
        std::string utf8;
        for (char byte : bytes) {
            unsigned char c = static_cast<unsigned char>(byte);
            if (c < 0x80) {
                utf8 += byte;
            } else {
                utf8 += static_cast<char>(0xC0 | (c >> 6));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return utf8;
    }
    std::optional<std::string> CurrentThemeColorName() override {
        ++themeCalls;
        if (themeCallFails) throw std::runtime_error("Catastrophic failure");
        return themeColorName;
    }
    // Runs after each pause is recorded (another program letting go of a file meanwhile).
    std::function<void()> onSleep;
    void Sleep(int milliseconds) override {
        sleeps.push_back(milliseconds);
        if (onSleep) onSleep();
    }
    std::map<std::string, std::string> environment;
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        auto it = environment.find(name);
        if (it == environment.end()) return std::nullopt;
        return it->second;
    }
};

}  // namespace fakes
