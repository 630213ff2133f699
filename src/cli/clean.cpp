#include "cli/clean.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>

#include "cli/targets.h"
#include "engine/activity_log_file.h"
#include "engine/log_lines.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/url_cache.h"

namespace cli {

namespace {

using engine::Category;
using engine::Choice;

// The category whose step appends LINE.
std::optional<Category> CategoryOfLine(const std::string& line) {
    namespace lines = engine::log_lines;
    static const std::map<std::string, Category> byLine = {
        {lines::kWindowsMessenger, Category::WindowsMessenger},
        {lines::kTrash, Category::Trash},
        {lines::kTemporaryIeFiles, Category::TemporaryIeFiles},
        {lines::kTempWindows, Category::TempWindows},
        {lines::kTempUser, Category::TempUser},
        {lines::kPrefetch, Category::Prefetch},
        {lines::kHistory, Category::History},
        {lines::kRecent, Category::Recent},
        {lines::kCookiesIe, Category::CookiesIe},
        {lines::kSpeedMemory, Category::SpeedMemory},
        {lines::kOperaCookies, Category::OperaCookies},
        {lines::kOperaPages, Category::OperaPages},
        {lines::kOperaIcons, Category::OperaIcons},
        {lines::kOperaLoads, Category::OperaLoads},
        {lines::kOperaTemporary, Category::OperaTemporary},
        {lines::kOfflineWebPages, Category::OfflineWebPages},
    };
    if (line.starts_with("Dll Cache =")) return Category::CacheDll;
    auto it = byLine.find(line);
    if (it == byLine.end()) return std::nullopt;
    return it->second;
}

// The main window's part in the run, played by the command line: the boxes are the ids
// given, the log and the reports are collected, the rest has nothing to show.
class CommandLineView final : public engine::CleaningView {
  public:
    CommandLineView(std::vector<CategoryResult>& results, bool keepPaths, Progress& progress)
        : results_(results) {
        for (CategoryResult& result : results_) {
            result.status = Status::NotRun;
            if (result.category->category)
                reports_[*result.category->category] =
                    std::make_unique<ResultReport>(result, keepPaths, progress);
        }
    }

    bool IsChecked(Category category) override { return Ask(Find(category)); }
    bool IsSelected(Choice choice) override {
        for (CategoryResult& result : results_)
            if (result.category->choice == choice) return Ask(&result);
        return false;
    }
    void SetStatus(const std::string&) override {}
    void AppendLog(const std::string& line) override {
        lines.push_back(line);
        if (auto category = CategoryOfLine(line))
            if (CategoryResult* result = Find(*category)) logged_.insert(result);
    }
    void ShowFolder(const std::string&) override {}
    std::string FileListRoot() override { return {}; }
    void RefreshFileList() override {}
    void PlayCue(int) override {}
    void ShowError(const std::string& text) override {
        if (current_ != nullptr) current_->note = text;
    }
    platform::WindowHandle OwnerWindow() override { return nullptr; }
    engine::PurgeReport* ReportFor(Category category) override {
        auto it = reports_.find(category);
        return it == reports_.end() ? nullptr : it->second.get();
    }

    // After the run (or its error): how each category went.
    void Settle(const std::string& error) {
        for (CategoryResult& result : results_) {
            // Told by the purge itself: refused, or stopped halfway.
            if (result.status == Status::Refused || result.status == Status::Error) continue;
            if (&result == current_ && !error.empty()) {
                result.status = Status::Error;
                result.note = error;
            } else if (result.status == Status::NotRun && asked_.count(&result)) {
                // A choice has no line of its own (but Dr. Watson's); a category without its
                // line had nothing there.
                const bool quietChoice = !result.category->category &&
                                         result.category->choice != Choice::CutOffDrWatson &&
                                         result.category->choice != Choice::SwitchOnDrWatson;
                result.status =
                    logged_.count(&result) || quietChoice ? Status::Done : Status::Missing;
            }
        }
    }

    std::vector<std::string> lines;

  private:
    CategoryResult* Find(Category category) {
        for (CategoryResult& result : results_)
            if (result.category->category == category) return &result;
        return nullptr;
    }
    bool Ask(CategoryResult* result) {
        if (result == nullptr) return false;
        current_ = result;
        asked_.insert(result);
        return true;
    }

    std::vector<CategoryResult>& results_;
    std::map<Category, std::unique_ptr<ResultReport>> reports_;
    std::set<CategoryResult*> asked_, logged_;
    CategoryResult* current_ = nullptr;
};

// The recycle bins and the Internet cache report no entries: count them before and after.
struct Holdings {
    std::optional<platform::RecycleBinContents> bin;
    platform::UrlCacheContents cache;
};

Holdings Count(const engine::CleaningServices& services) {
    return {services.shell.QueryRecycleBins(), services.urlCache.CountUrlCache()};
}

void CountDifference(const Holdings& before, const Holdings& after, CategoryResult& result) {
    auto gone = [](std::uint64_t a, std::uint64_t b) { return a > b ? a - b : 0; };
    if (result.category->category == Category::Trash && before.bin && after.bin) {
        result.files = gone(before.bin->items, after.bin->items);
        result.bytes = gone(before.bin->bytes, after.bin->bytes);
    }
    if (result.category->category == Category::TemporaryIeFiles) {
        result.files = gone(before.cache.entries, after.cache.entries);
        result.bytes = gone(before.cache.bytes, after.cache.bytes);
        if (after.cache.entries > 0)
            result.failures.push_back(
                {"the Internet cache", std::to_string(after.cache.entries) + " entries in use"});
    }
}

}  // namespace

CleanOutcome Clean(const CommandLine& line, const engine::CleaningServices& services,
                   engine::CleaningPaths& paths, Progress& progress) {
    CleanOutcome outcome;
    for (const CliCategory* entry : line.categories)
        outcome.results.push_back({entry, TargetOf(*entry, paths)});
    CommandLineView view(outcome.results, line.verbose, progress);
    const Holdings before = Count(services);
    std::string error;
    try {
        engine::RunCleaning(services, paths, view);
    } catch (const std::exception& failure) {
        error = failure.what();
    }
    view.Settle(error);
    const Holdings after = Count(services);
    for (CategoryResult& result : outcome.results) CountDifference(before, after, result);
    outcome.logLines = std::move(view.lines);
    return outcome;
}

void AppendToLogFile(platform::FileSystem& files, const std::string& path,
                     const std::vector<std::string>& lines) {
    std::string bytes = files.ReadFile(path).value_or(std::string());
    bytes += engine::LogFileBytes(lines);
    std::string reason;
    if (!files.WriteFile(path, bytes, reason))
        throw std::runtime_error("Cannot create file \"" + path + "\". " + reason);
}

}  // namespace cli
