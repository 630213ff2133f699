#pragma once
// The settings file: its location and every section and key it holds, as one table.

#include <array>
#include <string>
#include <string_view>

namespace platform {
class System;
}

namespace settings {

enum class ValueKind { Path, Flag, Integer };

enum class Setting {
    LanguageFile,  // the language file in use, or empty
    TrayIcon,      // "Visible in tray"
    ColorIndex,    // position in the colour list
    ViewStyle,     // 1 List, 2 Icon, 3 Report, 4 Small icon
    AutoRun,       // "AutoRun with system"
    Sound,         // "Sound in Skarvel"
    SaveLog,       // "Cost accounting": save the activity log at exit
    AutoClearLog,  // "Automatic Clear Log"
    DllCacheSize,  // system DLL cache quota in MB
};

struct SettingKey {
    Setting id;
    std::string_view section;
    std::string_view key;
    ValueKind kind;
    std::string_view defaultValue;  // as stored text
    std::string_view readBy;
    std::string_view writtenBy;
};

inline constexpr std::array<SettingKey, 9> kSettingsSchema = {{
    {Setting::LanguageFile, "Laguage", "LangResultFile", ValueKind::Path, "",
     "options window creation; log, disk, process and type manager creation",
     "double-click in the language list; Default Click (empty)"},
    {Setting::TrayIcon, "tray", "Checked", ValueKind::Flag, "false", "options window creation",
     "options window destruction"},
    {Setting::ColorIndex, "color", "1", ValueKind::Integer, "6",
     "options window creation; log, process and type manager creation",
     "options window destruction"},
    {Setting::ViewStyle, "view", "radio", ValueKind::Integer, "3", "options window creation",
     "options window destruction, when a view button is checked"},
    {Setting::AutoRun, "AutoRun", "1", ValueKind::Flag, "false", "options window creation",
     "options window destruction"},
    {Setting::Sound, "Sound", "ALL", ValueKind::Flag, "true", "options window creation",
     "options window destruction"},
    {Setting::SaveLog, "Log", "ALL", ValueKind::Flag, "false", "options window creation",
     "options window destruction"},
    {Setting::AutoClearLog, "Log", "Auto_Clear", ValueKind::Flag, "false",
     "options window creation, only when [Log] ALL is \"true\"", "options window destruction"},
    {Setting::DllCacheSize, "DLLCache", "Cache_Mb", ValueKind::Integer, "10", "the cleaning run",
     "the cleaning run, when the file or the section is missing"},
}};

constexpr const SettingKey& KeyOf(Setting id) {
    return kSettingsSchema[static_cast<std::size_t>(id)];
}

inline constexpr std::string_view kSettingsFileName = "Mordaun.ini";

// The settings file's full path: the data folder (beside the program, or the user's own when
// the program's folder cannot be written) + "Mordaun.ini". Asked anew at each access, so
// nothing holds a stale copy.
std::string SettingsFilePath(platform::System& system);

}  // namespace settings
