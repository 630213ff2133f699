#include "engine/category_table.h"

#include <stdexcept>

#include "engine/category_steps.h"
#include "engine/cleaning_paths.h"
#include "engine/cleaning_run.h"
#include "engine/recycle_bin.h"
#include "engine/tweaks.h"
#include "platform/shell.h"
#include "platform/url_cache.h"

namespace engine {

namespace {

namespace csidl = platform::csidl;

std::string Key(const char* root, const char* path, const char* values) {
    return std::string(root) + path + ": " + values;
}

std::string ReplaceAll(std::string text, std::string_view token, const std::string& value) {
    for (std::size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
    return text;
}

const std::string kRegistryNote = "would write its registry values";

// A Chromium browser's caches: its "User Data" folder below the local application data.
CategoryRow ChromiumRow(std::string_view id, std::string_view name, Category category,
                        const char* userData, std::string_view line, std::string_view process) {
    return {.id = id,
            .name = name,
            .category = category,
            .folders = [userData](const CleaningServices& services,
                                  CleaningPaths&) { return ChromiumCaches(services, userData); },
            .line = line,
            .target = std::string("%LOCALAPPDATA%\\") + userData +
                      ": Cache, Code Cache and GPUCache of every profile",
            .process = process};
}

std::vector<CategoryRow> BuildTable() {
    const std::string historyValue = Key("HKEY_CURRENT_USER", kPoliciesKey, "NoRecentDocsHistory");
    const std::string recentValues =
        Key("HKEY_CURRENT_USER", kExplorerPoliciesKey, "NoRecentDocsHistory, NoRecentDocsMenu");
    const std::string debuggerValue = Key("HKEY_LOCAL_MACHINE", kAeDebugKey, "Auto");
    return {
        {.id = "messenger",
         .name = "Windows Messenger",
         .category = Category::WindowsMessenger,
         .action =
             [](StepContext& step, std::string&) {
                 StartMessengerRemoval(step.services.shell, step.input.owner,
                                       step.paths.WindowsDirectory());
                 return true;
             },
         .line = "Delete Windows Messenger (Windows Messenger)",
         .previewNote = "would start the component's removal",
         .target = "the Windows Messenger component (" + std::string(kMessengerCommand) + ")",
         .changesSystem = true},
        {.id = "recycle-bin",
         .name = "Trash",
         .category = Category::Trash,
         .action =
             [](StepContext& step, std::string& error) {
                 EmptyRecycleBin(step.services.shell, step.input.owner,
                                 [&error](const std::string& text) { error = text; });
                 return true;
             },
         .line = "Trash (Корзина)",
         .measure = [](const CleaningServices& services) -> std::optional<Holdings> {
             auto bins = services.shell.QueryRecycleBins();
             if (!bins) return std::nullopt;
             return Holdings{bins->items, bins->bytes};
         },
         .previewNote = "the shell cannot tell what the recycle bins hold",
         .target = "the recycle bins of every drive"},
        {.id = "ie-cache",
         .name = "Temporary IE Files",
         .category = Category::TemporaryIeFiles,
         .folder = [](CleaningPaths& paths) { return paths.SpecialFolder(csidl::kInternetCache); },
         .folderShownOnly = true,
         .action =
             [](StepContext& step, std::string&) {
                 (void)step.services.urlCache.ClearUrlCache();
                 return true;
             },
         .line = "Temporary IE Files (Временные файлы IE)",
         .measure = [](const CleaningServices& services) -> std::optional<Holdings> {
             const platform::UrlCacheContents cache = services.urlCache.CountUrlCache();
             return Holdings{cache.entries, cache.bytes};
         },
         .target = "the Internet cache ({folder})",
         .leftoverName = "the Internet cache"},
        {.id = "temp-windows",
         .name = "Temp (Windows)",
         .category = Category::TempWindows,
         .folder = [](CleaningPaths& paths) { return paths.UnderWindows("\\temp"); },
         .purge = {.clearAttributes = true},
         .line = "Temp(Windows) (Временные файлы системы)"},
        {.id = "temp-user",
         .name = "Temp (User)",
         .category = Category::TempUser,
         .folder = [](CleaningPaths& paths) { return paths.TempFolder(); },
         .purge = {.throughSeparator = true},
         .line = "Temp(User) (Временные файлы системы)"},
        {.id = "prefetch",
         .name = "Prefetch",
         .category = Category::Prefetch,
         .folder = [](CleaningPaths& paths) { return paths.UnderWindows("\\Prefetch"); },
         .line = "Prefetch (Ссылки системы)"},
        {.id = "history",
         .name = "History",
         .category = Category::History,
         .folder = [](CleaningPaths& paths) { return paths.SpecialFolder(csidl::kHistory); },
         .showWhileCleaning = true,
         .line = "History (История)"},
        {.id = "no-write-history",
         .name = "No Write History",
         .choice = Choice::NoWriteHistory,
         .action =
             [](StepContext& step, std::string&) {
                 ApplyHistoryChoice(step.services.registry, true);
                 return false;
             },
         .previewNote = kRegistryNote,
         .target = historyValue},
        {.id = "write-history",
         .name = "Write History",
         .choice = Choice::WriteHistory,
         .action =
             [](StepContext& step, std::string&) {
                 ApplyHistoryChoice(step.services.registry, false);
                 return false;
             },
         .previewNote = kRegistryNote,
         .target = historyValue},
        {.id = "recent",
         .name = "Recent",
         .category = Category::Recent,
         .folder = [](CleaningPaths& paths) { return paths.SpecialFolder(csidl::kRecent); },
         .purge = {.stopOnFailure = true},
         .showWhileCleaning = true,
         .line = "Recent (Недавние документы)"},
        {.id = "no-write-recent",
         .name = "No Write Recent",
         .choice = Choice::NoWriteRecent,
         .action =
             [](StepContext& step, std::string&) {
                 ApplyRecentChoice(step.services.registry, true);
                 return false;
             },
         .previewNote = kRegistryNote,
         .target = recentValues},
        {.id = "write-recent",
         .name = "Write Recent",
         .choice = Choice::WriteRecent,
         .action =
             [](StepContext& step, std::string&) {
                 ApplyRecentChoice(step.services.registry, false);
                 return false;
             },
         .previewNote = kRegistryNote,
         .target = recentValues},
        {.id = "ie-cookies",
         .name = "Cookies IE",
         .category = Category::CookiesIe,
         .folder = [](CleaningPaths& paths) { return paths.SpecialFolder(csidl::kCookies); },
         .showWhileCleaning = true,
         .line = "Cookies IE (Куки IE)"},
        {.id = "speed-memory",
         .name = "Speed Memory",
         .category = Category::SpeedMemory,
         .action =
             [](StepContext& step, std::string&) {
                 WriteSpeedMemory(step.services.registry);
                 return true;
             },
         .line = "Speed Memory (Ускорение памяти)",
         .previewNote = kRegistryNote,
         .target = Key("HKEY_LOCAL_MACHINE", kMemoryManagementKey,
                       "IoPageLockLimit, DisablePagingExecutive, LargeSystemCache"),
         .changesSystem = true},
        {.id = "opera-cookies",
         .name = "Opera Cookies",
         .category = Category::OperaCookies,
         .profileFiles = {"cookies4.dat"},
         .line = "Opera Cookies (Куки Opera)"},
        {.id = "opera-pages",
         .name = "Opera Pages",
         .category = Category::OperaPages,
         .profileFiles = {"global.dat", "opera.dir", "vlink4.dat"},
         .line = "Opera Pages (Ссылки Opera)"},
        {.id = "opera-icons",
         .name = "Opera Icons",
         .category = Category::OperaIcons,
         .folder = [](CleaningPaths& paths) { return paths.OperaProfileItem("images"); },
         .line = "Opera Icon (Иконки Opera)"},
        {.id = "opera-loads",
         .name = "Opera loads",
         .category = Category::OperaLoads,
         .profileFiles = {"download.dat"},
         .line = "Opera Loads (Загрузки оперы)"},
        {.id = "opera-temporary",
         .name = "Opera Temporary",
         .category = Category::OperaTemporary,
         .folder = [](CleaningPaths& paths) { return paths.OperaProfileItem("cache4"); },
         .line = "Temporary (кэш Opera)"},
        // The cache is emptied only when its quota could be written; the line tells the
        // quota, so it comes either way.
        {.id = "dll-cache",
         .name = "Cache Dll",
         .category = Category::CacheDll,
         .folder = [](CleaningPaths& paths) { return paths.UnderWindows("\\system32\\dllcache"); },
         .purge = {.clearAttributes = true},
         .action =
             [](StepContext& step, std::string&) {
                 if (ApplyDllCacheQuota(step.services.registry, step.input.cacheQuotaMb))
                     (void)EmptyFolderOf(RowOf(Category::CacheDll), step);
                 return true;
             },
         .line = "Dll Cache ={quota} Mb (Dll Кэш ={quota} Mb)",
         .previewNote = "would also write the cache quota",
         .target = "{folder}; " + Key("HKEY_LOCAL_MACHINE", kWinlogonKey, "SfcQuota"),
         .changesSystem = true},
        // Today's disk hogs: every cache of every browser profile, error reports, crash dumps,
        // shader and thumbnail caches. Cookies, history, logins and storage beside the caches
        // stay. They come after the other cleaning steps, before the settings and the cue.
        ChromiumRow("chrome-cache", "Chrome Cache", Category::ChromeCache,
                    "Google\\Chrome\\User Data", "Chrome Cache (Кэш Chrome)", "chrome.exe"),
        ChromiumRow("edge-cache", "Edge Cache", Category::EdgeCache, "Microsoft\\Edge\\User Data",
                    "Edge Cache (Кэш Edge)", "msedge.exe"),
        ChromiumRow("brave-cache", "Brave Cache", Category::BraveCache,
                    "BraveSoftware\\Brave-Browser\\User Data", "Brave Cache (Кэш Brave)",
                    "brave.exe"),
        ChromiumRow("vivaldi-cache", "Vivaldi Cache", Category::VivaldiCache, "Vivaldi\\User Data",
                    "Vivaldi Cache (Кэш Vivaldi)", "vivaldi.exe"),
        {.id = "opera-stable-cache",
         .name = "Opera Cache",
         .category = Category::OperaStableCache,
         .folders = OperaCaches,
         .line = "Opera Cache (Кэш Opera)",
         .target = "Opera Software\\Opera Stable in %LOCALAPPDATA% and %APPDATA%: Cache, Code "
                   "Cache and GPUCache",
         .process = "opera.exe"},
        {.id = "firefox-cache",
         .name = "Firefox Cache",
         .category = Category::FirefoxCache,
         .folders = FirefoxCaches,
         .line = "Firefox Cache (Кэш Firefox)",
         .target = "%LOCALAPPDATA%\\Mozilla\\Firefox: cache2 of every profile",
         .process = "firefox.exe"},
        {.id = "error-reports",
         .name = "Error Reports",
         .category = Category::ErrorReports,
         .folders = ErrorReportFolders,
         .line = "Error Reports (Отчёты об ошибках)",
         .target = "%LOCALAPPDATA%\\Microsoft\\Windows\\WER; %ProgramData%\\Microsoft\\Windows\\"
                   "WER\\ReportArchive and ReportQueue"},
        {.id = "crash-dumps",
         .name = "Crash Dumps",
         .category = Category::CrashDumps,
         .folders = CrashDumpFolders,
         .line = "Crash Dumps (Дампы сбоев)",
         .target = "%LOCALAPPDATA%\\CrashDumps; %SystemRoot%\\Minidump"},
        {.id = "shader-cache",
         .name = "Shader Cache",
         .category = Category::ShaderCache,
         .folders = ShaderCacheFolders,
         .line = "Shader Cache (Кэш шейдеров)",
         .target = "%LOCALAPPDATA%\\D3DSCache, NVIDIA\\DXCache, NVIDIA\\GLCache, AMD\\DxCache"},
        {.id = "thumbnail-cache",
         .name = "Thumbnail Cache",
         .category = Category::ThumbnailCache,
         .folders = ThumbnailCacheFiles,
         .line = "Thumbnail Cache (Кэш эскизов)",
         .target = "%LOCALAPPDATA%\\Microsoft\\Windows\\Explorer\\thumbcache_*.db, iconcache_*.db"},
        {.id = "drwatson-off",
         .name = "Cut off Dr. Watson",
         .choice = Choice::CutOffDrWatson,
         .phase = Phase::Settings,
         .action =
             [](StepContext& step, std::string&) {
                 ApplyDrWatsonChoice(step.services.registry, true);
                 return true;
             },
         .line = "Cut off Dr. Watson (Отключить Dr. Watson)",
         .previewNote = kRegistryNote,
         .target = debuggerValue},
        {.id = "drwatson-on",
         .name = "Switch on Dr. Watson",
         .choice = Choice::SwitchOnDrWatson,
         .phase = Phase::Settings,
         .action =
             [](StepContext& step, std::string&) {
                 ApplyDrWatsonChoice(step.services.registry, false);
                 return true;
             },
         .line = "Switch on Dr. Watson (Включить Dr. Watson)",
         .previewNote = kRegistryNote,
         .target = debuggerValue},
        {.id = "offline-pages",
         .name = "Offline Web Pages",
         .category = Category::OfflineWebPages,
         .phase = Phase::AfterCompletion,
         .folder = [](CleaningPaths& paths) { return paths.UnderWindows("\\Offline Web Pages"); },
         .line = "Offline Web Pages (Offline Веб Страницы)"},
    };
}

}  // namespace

const std::vector<CategoryRow>& CategoryTable() {
    static const std::vector<CategoryRow> table = BuildTable();
    return table;
}

const CategoryRow& RowOf(Category category) {
    for (const CategoryRow& row : CategoryTable())
        if (row.category == category) return row;
    throw std::logic_error("a category without a row");
}

const CategoryRow& RowOf(Choice choice) {
    for (const CategoryRow& row : CategoryTable())
        if (row.choice == choice) return row;
    throw std::logic_error("a choice without a row");
}

bool InAll(const CategoryRow& row) {
    return row.category.has_value() && !row.changesSystem;
}

const CategoryRow* FindRow(std::string_view id) {
    for (const CategoryRow& row : CategoryTable())
        if (row.id == id) return &row;
    return nullptr;
}

std::optional<FolderStep> FolderStepOf(const CategoryRow& row, CleaningPaths& paths) {
    if (row.folder == nullptr || row.folderShownOnly) return std::nullopt;
    std::string folder = row.folder(paths);
    if (!row.purge.throughSeparator) return FolderStep{folder, folder, row.purge};
    // Present as the folder itself, purged through the path with its trailing separator so
    // that the mask pass deletes the dotted files directly in it. A path of fewer than two
    // characters names no folder.
    if (folder.size() < 2) return FolderStep{{}, {}, row.purge};
    std::string withSeparator = folder;
    if (folder.back() == '\\' || folder.back() == '/')
        folder.pop_back();
    else
        withSeparator += '\\';
    return FolderStep{withSeparator, folder, row.purge};
}

std::string LineOf(const CategoryRow& row, const RunInput& input) {
    return ReplaceAll(std::string(row.line), "{quota}", std::to_string(input.cacheQuotaMb));
}

std::string TargetOf(const CategoryRow& row, const CleaningServices& services,
                     CleaningPaths& paths) {
    if (row.folders) {
        std::string out;
        for (const FolderTarget& target : row.folders(services, paths)) {
            out += (out.empty() ? "" : "; ") + target.folder;
            for (const std::string& mask : target.masks)
                out += (mask == target.masks.front() ? "\\" : ", ") + mask;
        }
        return out.empty() ? "(none here) " + row.target : out;
    }
    if (auto step = FolderStepOf(row, paths)) {
        const std::string folder = step->folder.empty() ? "(no folder here)" : step->folder;
        return row.target.empty() ? folder : ReplaceAll(row.target, "{folder}", folder);
    }
    if (!row.profileFiles.empty()) {
        std::string out;
        for (const char* item : row.profileFiles)
            out += (out.empty() ? "" : ", ") + paths.OperaProfileItem(item);
        return out;
    }
    if (row.folder == nullptr) return row.target;
    return ReplaceAll(row.target, "{folder}", row.folder(paths));
}

}  // namespace engine
