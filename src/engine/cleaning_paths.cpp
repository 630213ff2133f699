#include "engine/cleaning_paths.h"

#include "engine/category_table.h"
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

std::string CleaningPaths::UnderWindows(const char* relative) {
    std::string windows = WindowsDirectory();
    return windows.empty() ? std::string() : windows + relative;
}

std::string CleaningPaths::CategoryFolder(Category category) {
    const CategoryRow& row = RowOf(category);
    return row.folder ? row.folder(*this) : std::string();
}

}  // namespace engine
