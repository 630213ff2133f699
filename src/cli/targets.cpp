#include "cli/targets.h"

#include "engine/folder_steps.h"
#include "engine/tweaks.h"

namespace cli {

using engine::Category;
using engine::Choice;

namespace {

std::string Key(const char* root, const char* path, const char* values) {
    return std::string(root) + path + ": " + values;
}

// The registry values a choice writes or removes.
std::string ChoiceTarget(Choice choice) {
    switch (choice) {
        case Choice::NoWriteHistory:
        case Choice::WriteHistory:
            return Key("HKEY_CURRENT_USER", engine::kPoliciesKey, "NoRecentDocsHistory");
        case Choice::NoWriteRecent:
        case Choice::WriteRecent:
            return Key("HKEY_CURRENT_USER", engine::kExplorerPoliciesKey,
                       "NoRecentDocsHistory, NoRecentDocsMenu");
        case Choice::CutOffDrWatson:
        case Choice::SwitchOnDrWatson:
            return Key("HKEY_LOCAL_MACHINE", engine::kAeDebugKey, "Auto");
    }
    return {};
}

}  // namespace

std::string TargetOf(const CliCategory& entry, engine::CleaningPaths& paths) {
    if (entry.choice) return ChoiceTarget(*entry.choice);
    if (!entry.category) return {};
    const Category category = *entry.category;
    if (auto step = engine::FolderStepOf(category, paths)) {
        std::string folder = step->folder.empty() ? "(no folder here)" : step->folder;
        return category == Category::CacheDll
                   ? folder + "; " + Key("HKEY_LOCAL_MACHINE", engine::kWinlogonKey, "SfcQuota")
                   : folder;
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
            return "the Windows Messenger component (" + std::string(engine::kMessengerCommand) +
                   ")";
        case Category::SpeedMemory:
            return Key("HKEY_LOCAL_MACHINE", engine::kMemoryManagementKey,
                       "IoPageLockLimit, DisablePagingExecutive, LargeSystemCache");
        default:
            return {};
    }
}

}  // namespace cli
