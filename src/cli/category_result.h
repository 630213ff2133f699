#pragma once
// What the command line tells of one category: its target, how it went, and, entry by entry
// where the engine reports them, what was (or would be) deleted and what stayed.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/progress.h"
#include "engine/category_table.h"
#include "engine/purge_report.h"

namespace cli {

enum class Status {
    Done,     // cleaned (or, in a preview, would be)
    Missing,  // its folder or files are not there: nothing to do
    Refused,  // its folder must not be purged
    Error,    // a step failed and ended the run, or its folder's purge stopped halfway
    NotRun    // the run ended before its turn
};

struct Failure {
    std::string path;
    std::string reason;
};

struct CategoryResult {
    const engine::CategoryRow* category = nullptr;
    std::string target;  // what it works on here
    Status status = Status::Done;
    std::string note;    // a tweak's effect, or a step's error
    std::string reason;  // why its folder was refused
    std::uint64_t files = 0, folders = 0, bytes = 0;
    std::uint64_t kept = 0;          // entries left for the keep list
    std::vector<std::string> paths;  // every entry, when asked for
    std::vector<std::string> keptPaths;
    std::vector<Failure> failures;
    std::vector<std::string> registry;  // keys and values deleted (or that would be)
};

// A path as a user writes it: without the "\\?\" prefix of the walk's literal paths.
std::string DisplayPath(const std::string& literal);

// Fills RESULT from how its step finished (or, in a preview, would).
void Settle(CategoryResult& result, const engine::StepFinished& step);

// Keeps the progress line going and, when asked, the path of every entry deleted.
class PathReport final : public engine::PurgeReport {
  public:
    PathReport(CategoryResult& result, bool keepPaths, Progress& progress)
        : result_(result), keepPaths_(keepPaths), progress_(progress) {}

    void Deleted(const std::string& path, std::uint64_t bytes) override;
    void Removed(const std::string& path) override;
    void Failed(const std::string&, const std::string&) override {}
    void Refused(const std::string&, const std::string&) override {}
    void Stopped(const std::string&, const std::string&) override {}
    void Entered(const std::string& folder) override;
    void Kept(const std::string& path) override;

  private:
    CategoryResult& result_;
    bool keepPaths_;
    Progress& progress_;
};

}  // namespace cli
