#pragma once
// The cleaning categories (one check box each) and the registry choices (one radio button
// each) of the main window, in the order they appear there.

namespace engine {

enum class Category {
    TempWindows,       // "Temp (Windows)"
    TempUser,          // "Temp (User)"
    Prefetch,          // "Prefetch"
    History,           // "History"
    Recent,            // "Recent"
    TemporaryIeFiles,  // "Temporary IE Files"
    CookiesIe,         // "Cookies IE"
    OperaCookies,      // "Opera Cookies"
    OperaPages,        // "Opera Pages"
    OperaIcons,        // "Opera Icons"
    OperaLoads,        // "Opera loads"
    OperaTemporary,    // "Opera Temporary"
    OfflineWebPages,   // "Offline Web Pages"
    Trash,             // "Trash"
    WindowsMessenger,  // "Windows Messenger"
    SpeedMemory,       // "Speed Memory"
    CacheDll,          // "Cache Dll"
    // Today's disk hogs, in the group below "Offline Web Pages".
    ChromeCache,       // "Chrome Cache"
    EdgeCache,         // "Edge Cache"
    BraveCache,        // "Brave Cache"
    VivaldiCache,      // "Vivaldi Cache"
    OperaStableCache,  // "Opera Cache"
    FirefoxCache,      // "Firefox Cache"
    ErrorReports,      // "Error Reports"
    CrashDumps,        // "Crash Dumps"
    ShaderCache,       // "Shader Cache"
    ThumbnailCache,    // "Thumbnail Cache"
};

enum class Choice {
    NoWriteHistory,    // "No Write History"
    WriteHistory,      // "Write History"
    NoWriteRecent,     // "No Write Recent"
    WriteRecent,       // "Write Recent"
    CutOffDrWatson,    // "Cut off Dr. Watson"
    SwitchOnDrWatson,  // "Switch on Dr. Watson"
};

}  // namespace engine
