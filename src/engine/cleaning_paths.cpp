#include "engine/cleaning_paths.h"

#include "platform/shell.h"
#include "platform/system.h"

namespace engine {

std::string CleaningPaths::WindowsDirectory() {
    if (auto folder = system_.WindowsFolder()) windowsDirectory_ = *folder;
    return windowsDirectory_;
}

std::string CleaningPaths::WindowsDriveRoot() {
    std::string root = system_.WindowsFolder().value_or(std::string());
    if (!root.empty() && root.back() != '\\') {
        root += '\\';
        root.resize(3);
    }
    return root;
}

std::string CleaningPaths::CurrentUserName() {
    return system_.UserName().value_or(std::string("No"));
}

std::string CleaningPaths::TempFolder() {
    return system_.TempFolder();
}

std::string CleaningPaths::SpecialFolder(int number) {
    return shell_.SpecialFolderPath(number);
}

std::string CleaningPaths::OperaProfileItem(const std::string& item) {
    std::string root = WindowsDriveRoot();
    if (root.empty()) return {};  // no drive to build on: the item counts as missing
    return root + "Documents and Settings\\" + CurrentUserName() +
           "\\Application Data\\Opera\\Opera\\profile\\" + item;
}

// A folder below the Windows directory; "" while that is unknown, so the target counts as
// missing instead of turning into a folder at the root of the current drive.
std::string CleaningPaths::UnderWindows(const char* relative) {
    std::string windows = WindowsDirectory();
    return windows.empty() ? std::string() : windows + relative;
}

std::string CleaningPaths::CategoryFolder(Category category) {
    switch (category) {
        case Category::TempWindows:
            return UnderWindows("\\temp");
        case Category::TempUser:
            return TempFolder();
        case Category::Prefetch:
            return UnderWindows("\\Prefetch");
        case Category::History:
            return SpecialFolder(platform::csidl::kHistory);
        case Category::Recent:
            return SpecialFolder(platform::csidl::kRecent);
        case Category::TemporaryIeFiles:
            return SpecialFolder(platform::csidl::kInternetCache);
        case Category::CookiesIe:
            return SpecialFolder(platform::csidl::kCookies);
        case Category::OperaIcons:
            return OperaProfileItem("images");
        case Category::OperaTemporary:
            return OperaProfileItem("cache4");
        case Category::OfflineWebPages:
            return UnderWindows("\\Offline Web Pages");
        case Category::CacheDll:
            return UnderWindows("\\system32\\dllcache");
        case Category::OperaCookies:
        case Category::OperaPages:
        case Category::OperaLoads:
        case Category::Trash:
        case Category::WindowsMessenger:
        case Category::SpeedMemory:
            return {};
    }
    return {};
}

}  // namespace engine
