#include "cli/targets.h"

#include "engine/folder_steps.h"

namespace cli {

using engine::Category;

std::string TargetOf(const CliCategory& entry, engine::CleaningPaths& paths) {
    if (!entry.category) return "registry";
    const Category category = *entry.category;
    if (auto step = engine::FolderStepOf(category, paths)) {
        std::string folder = step->folder.empty() ? "(no folder here)" : step->folder;
        return category == Category::CacheDll ? folder + " and the registry" : folder;
    }
    const std::vector<std::string> items = engine::ProfileFilesOf(category);
    if (!items.empty()) {
        std::string out;
        for (const std::string& item : items)
            out += (out.empty() ? "" : ", ") + paths.OperaProfileItem(item);
        return out;
    }
    switch (category) {
        case Category::Trash:
            return "the recycle bins of every drive";
        case Category::TemporaryIeFiles:
            return "the Internet cache (" + paths.CategoryFolder(category) + ")";
        case Category::WindowsMessenger:
            return "the Windows Messenger component (removed by its own setup)";
        default:
            return "registry";
    }
}

}  // namespace cli
