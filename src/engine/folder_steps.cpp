#include "engine/folder_steps.h"

namespace engine {

namespace {

// The user's temp folder: present as the folder itself, purged through the path with its
// trailing backslash so that the mask pass deletes the dotted files directly in it. A path
// of fewer than two characters names no folder.
FolderStep UserTempStep(CleaningPaths& paths) {
    std::string withSlash = paths.TempFolder();
    if (withSlash.size() < 2) return {};
    std::string folder = withSlash;
    if (folder.back() == '\\' || folder.back() == '/')
        folder.pop_back();
    else
        withSlash += '\\';
    return {withSlash, folder, false, false};
}

}  // namespace

std::optional<FolderStep> FolderStepOf(Category category, CleaningPaths& paths) {
    auto step = [&](bool clearAttributes, bool stopOnFailure) {
        std::string folder = paths.CategoryFolder(category);
        return FolderStep{folder, folder, clearAttributes, stopOnFailure};
    };
    switch (category) {
        case Category::TempWindows:
        case Category::CacheDll:
            return step(true, false);
        case Category::Recent:
            return step(false, true);
        case Category::TempUser:
            return UserTempStep(paths);
        case Category::Prefetch:
        case Category::History:
        case Category::CookiesIe:
        case Category::OperaIcons:
        case Category::OperaTemporary:
        case Category::OfflineWebPages:
            return step(false, false);
        case Category::TemporaryIeFiles:
        case Category::OperaCookies:
        case Category::OperaPages:
        case Category::OperaLoads:
        case Category::Trash:
        case Category::WindowsMessenger:
        case Category::SpeedMemory:
            return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string> ProfileFilesOf(Category category) {
    switch (category) {
        case Category::OperaCookies:
            return {"cookies4.dat"};
        case Category::OperaPages:
            return {"global.dat", "opera.dir", "vlink4.dat"};
        case Category::OperaLoads:
            return {"download.dat"};
        default:
            return {};
    }
}

}  // namespace engine
