#include "cli/preview.h"

#include "engine/category_steps.h"

namespace cli {

std::vector<CategoryResult> Preview(const CommandLine& line,
                                    const engine::CleaningServices& services,
                                    engine::CleaningPaths& paths, const engine::KeepList& keep,
                                    Progress& progress) {
    std::vector<CategoryResult> results;
    results.reserve(line.categories.size());
    for (const engine::CategoryRow* row : line.categories) {
        results.push_back({row, engine::TargetOf(*row, services, paths)});
        CategoryResult& result = results.back();
        PathReport report(result, line.verbose, progress);
        Settle(result, engine::PreviewStep(*row, services, paths, &report, &keep));
    }
    return results;
}

}  // namespace cli
