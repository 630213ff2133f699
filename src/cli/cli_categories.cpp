#include "cli/cli_categories.h"

namespace cli {

using engine::Category;
using engine::Choice;

const std::vector<CliCategory>& AllCategories() {
    static const std::vector<CliCategory> table = {
        {"messenger", "Windows Messenger", Category::WindowsMessenger, {}},
        {"recycle-bin", "Trash", Category::Trash, {}},
        {"ie-cache", "Temporary IE Files", Category::TemporaryIeFiles, {}},
        {"temp-windows", "Temp (Windows)", Category::TempWindows, {}},
        {"temp-user", "Temp (User)", Category::TempUser, {}},
        {"prefetch", "Prefetch", Category::Prefetch, {}},
        {"history", "History", Category::History, {}},
        {"no-write-history", "No Write History", {}, Choice::NoWriteHistory},
        {"write-history", "Write History", {}, Choice::WriteHistory},
        {"recent", "Recent", Category::Recent, {}},
        {"no-write-recent", "No Write Recent", {}, Choice::NoWriteRecent},
        {"write-recent", "Write Recent", {}, Choice::WriteRecent},
        {"ie-cookies", "Cookies IE", Category::CookiesIe, {}},
        {"speed-memory", "Speed Memory", Category::SpeedMemory, {}},
        {"opera-cookies", "Opera Cookies", Category::OperaCookies, {}},
        {"opera-pages", "Opera Pages", Category::OperaPages, {}},
        {"opera-icons", "Opera Icons", Category::OperaIcons, {}},
        {"opera-loads", "Opera loads", Category::OperaLoads, {}},
        {"opera-temporary", "Opera Temporary", Category::OperaTemporary, {}},
        {"dll-cache", "Cache Dll", Category::CacheDll, {}},
        {"drwatson-off", "Cut off Dr. Watson", {}, Choice::CutOffDrWatson},
        {"drwatson-on", "Switch on Dr. Watson", {}, Choice::SwitchOnDrWatson},
        {"offline-pages", "Offline Web Pages", Category::OfflineWebPages, {}},
    };
    return table;
}

const CliCategory* FindCategory(std::string_view id) {
    for (const CliCategory& entry : AllCategories())
        if (entry.id == id) return &entry;
    return nullptr;
}

}  // namespace cli
