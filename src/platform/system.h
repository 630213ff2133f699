#pragma once
// System facts the program reads: folders, the user, the clock, the OS version.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// Platform ids, numbered as the platform numbers them.
constexpr std::uint32_t kPlatformWindows = 1;  // the older Windows family
constexpr std::uint32_t kPlatformNt = 2;

struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t platformId = kPlatformNt;
};

class System {
  public:
    virtual ~System() = default;

    // The running executable's full path; empty when the platform cannot tell.
    virtual std::string ExecutablePath() = 0;
    // Folder of the running executable, always with a trailing backslash.
    virtual std::string ApplicationFolder() = 0;
    // Folder of the settings file and the "log" folder, with a trailing backslash: the
    // application folder when this run may create files there (portable use), else the
    // user's roaming application data folder + "Skarvel\". Decided at the first call and kept
    // for the life of the object, so every reader and writer of a run agrees. By default the
    // application folder.
    virtual std::string DataFolder() { return ApplicationFolder(); }
    // The signed-in user's own folder for this program, with a trailing backslash: their
    // roaming application data folder + "Skarvel\", the same whether this run is elevated or
    // not (an elevated run under another account takes the signed-in user's). By default the
    // data folder.
    virtual std::string UserDataFolder() { return DataFolder(); }
    // The Windows directory without trailing backslash; nullopt when the call fails.
    virtual std::optional<std::string> WindowsFolder() = 0;
    // The temp folder as the platform returns it (normally with a trailing backslash).
    virtual std::string TempFolder() = 0;
    // The log-on name; nullopt when it cannot be read.
    virtual std::optional<std::string> UserName() = 0;

    virtual LocalTime Now() = 0;
    // Today's date in the user's short date format (e.g. "06.12.2026").
    virtual std::string ShortDate() = 0;
    // The current time in the user's long time format (e.g. "9:05:07").
    virtual std::string LongTime() = 0;

    virtual OsVersion Version() = 0;
    // UTF8 in the system's ANSI code page; nullopt when that page cannot hold every character.
    virtual std::optional<std::string> ToAnsiCodePage(const std::string& utf8) = 0;
    // BYTES read in the system's ANSI code page, as UTF-8 (as the platform's own conversion
    // reads them, so any bytes decode).
    virtual std::string FromAnsiCodePage(std::string_view bytes) = 0;
    // The colour name of the running visual style ("NormalColor", "Metallic", "HomeStead"...);
    // nullopt when the theme library or its theme-name function is missing. Throws
    // std::runtime_error when the theme-name call itself fails.
    virtual std::optional<std::string> CurrentThemeColorName() = 0;
    // The environment variable NAME of this process; nullopt when it is not set.
    virtual std::optional<std::string> EnvironmentVariable(const std::string& name) {
        (void)name;
        return std::nullopt;
    }
    // Blocks the calling (interface) thread.
    virtual void Sleep(int milliseconds) = 0;
};

}  // namespace platform
