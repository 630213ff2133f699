#include "cli/preview.h"

#include "cli/targets.h"
#include "engine/folder_steps.h"
#include "engine/purge.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/url_cache.h"

namespace cli {

namespace {

using engine::Category;

void PreviewFolder(const engine::FolderStep& step, const engine::CleaningServices& services,
                   engine::CleaningPaths& paths, CategoryResult& result, ResultReport& report) {
    if (step.folder.empty() || !services.files.DirectoryExists(step.present)) {
        result.status = Status::Missing;
        return;
    }
    (void)engine::PurgeFolder(
        services.files, step.folder, paths.WindowsDirectory(),
        {step.clearAttributes, step.stopOnFailure, engine::PurgeMode::Preview, &report});
}

void PreviewCategory(Category category, const engine::CleaningServices& services,
                     engine::CleaningPaths& paths, CategoryResult& result, ResultReport& report) {
    if (auto step = engine::FolderStepOf(category, paths)) {
        PreviewFolder(*step, services, paths, result, report);
        if (category == Category::CacheDll) result.note = "would also write the cache quota";
        return;
    }
    const std::vector<std::string> items = engine::ProfileFilesOf(category);
    if (!items.empty()) {
        bool any = false;
        for (const std::string& item : items) {
            const std::string path = paths.OperaProfileItem(item);
            if (!services.files.FileExists(path)) continue;
            any = true;
            (void)engine::DeleteFileChecked(services.files, path, &report,
                                            engine::PurgeMode::Preview);
        }
        if (!any) result.status = Status::Missing;
        return;
    }
    switch (category) {
        case Category::Trash:
            if (auto bin = services.shell.QueryRecycleBins()) {
                result.files = bin->items;
                result.bytes = bin->bytes;
            } else {
                result.note = "the shell cannot tell what the recycle bins hold";
            }
            break;
        case Category::TemporaryIeFiles: {
            const platform::UrlCacheContents cache = services.urlCache.CountUrlCache();
            result.files = cache.entries;
            result.bytes = cache.bytes;
            break;
        }
        case Category::WindowsMessenger:
            result.note = "would start the component's removal";
            break;
        default:
            result.note = "would write its registry values";
            break;
    }
}

}  // namespace

std::vector<CategoryResult> Preview(const CommandLine& line,
                                    const engine::CleaningServices& services,
                                    engine::CleaningPaths& paths, Progress& progress) {
    std::vector<CategoryResult> results;
    results.reserve(line.categories.size());
    for (const CliCategory* entry : line.categories) {
        results.push_back({entry, TargetOf(*entry, paths)});
        CategoryResult& result = results.back();
        ResultReport report(result, line.verbose, progress);
        if (entry->category)
            PreviewCategory(*entry->category, services, paths, result, report);
        else
            result.note = "would write its registry values";
    }
    return results;
}

}  // namespace cli
