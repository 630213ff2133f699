#include "cli/clean.h"

#include <map>
#include <memory>
#include <stdexcept>

#include "engine/activity_log_file.h"
#include "engine/category_steps.h"
#include "engine/registry_backup.h"
#include "platform/files.h"
#include "settings/cache_quota.h"

namespace cli {

namespace {

using engine::Category;
using engine::Choice;

// The run's sink on the command line: the boxes ticked are the ids given; every finished
// step settles its result, and its line goes to the log.
class CommandLineSink final : public engine::RunSink {
  public:
    CommandLineSink(std::vector<CategoryResult>& results, bool keepPaths, Progress& progress) {
        for (CategoryResult& result : results) {
            result.status = Status::NotRun;
            byRow_[result.category] = &result;
            reports_[result.category] = std::make_unique<PathReport>(result, keepPaths, progress);
        }
    }

    bool IsChecked(Category category) override { return Has(engine::RowOf(category)); }
    bool IsSelected(Choice choice) override { return Has(engine::RowOf(choice)); }
    void Started(const engine::StepStarted& step) override { started_ = byRow_.at(&step.row); }
    void Finished(const engine::StepFinished& step) override {
        Settle(*byRow_.at(&step.row), step);
        if (!step.line.empty()) lines.push_back(step.line);
        started_ = nullptr;
    }
    engine::PurgeReport* ReportForRow(const engine::CategoryRow& row) override {
        auto it = reports_.find(&row);
        return it == reports_.end() ? nullptr : it->second.get();
    }

    // The run ended with ERROR: the step it was taking failed.
    void Failed(const std::string& error) {
        if (started_ == nullptr) return;
        started_->status = Status::Error;
        started_->note = error;
    }

    std::vector<std::string> lines;

  private:
    bool Has(const engine::CategoryRow& row) const { return byRow_.count(&row) != 0; }

    std::map<const engine::CategoryRow*, CategoryResult*> byRow_;
    std::map<const engine::CategoryRow*, std::unique_ptr<PathReport>> reports_;
    CategoryResult* started_ = nullptr;
};

}  // namespace

CleanOutcome Clean(const CommandLine& line, const engine::CleaningServices& services,
                   engine::CleaningPaths& paths, const engine::KeepList& keep, Progress& progress) {
    CleanOutcome outcome;
    for (const engine::CategoryRow* row : line.categories)
        outcome.results.push_back({row, engine::TargetOf(*row, services, paths)});
    CommandLineSink sink(outcome.results, line.verbose, progress);
    engine::RegistryBackup backup(services.files, services.system);
    engine::RunInput input{.cacheQuotaMb = settings::SettleCacheSize(
                               services.files, services.system, services.profile),
                           .measureHoldings = true,
                           .keep = &keep,
                           .registryBackup = &backup};
    // Rows from cleaner definitions come after the run's own cleaning categories.
    for (const engine::CategoryRow* row : line.categories)
        if (!row->category && !row->choice) input.definitions.push_back(row);
    try {
        engine::RunCleaning(services, paths, input, sink);
    } catch (const std::exception& failure) {
        sink.Failed(failure.what());
    }
    outcome.logLines = std::move(sink.lines);
    outcome.registryBackup = backup.Path();
    return outcome;
}

void AppendToLogFile(platform::FileSystem& files, const std::string& path,
                     const std::vector<std::string>& lines) {
    std::string reason;
    if (!files.AppendFile(path, engine::LogFileBytes(lines), reason))
        throw std::runtime_error("Cannot create file \"" + path + "\". " + reason);
}

}  // namespace cli
