#include "cli/category_result.h"

#include "engine/entry_path.h"

namespace cli {

std::string DisplayPath(const std::string& literal) {
    return engine::DisplayPath(literal);
}

void Settle(CategoryResult& result, const engine::StepFinished& step) {
    switch (step.outcome) {
        case engine::Outcome::Done:
            result.status = Status::Done;
            break;
        case engine::Outcome::Missing:
            result.status = Status::Missing;
            break;
        case engine::Outcome::Refused:
            result.status = Status::Refused;
            result.reason = step.reason;
            break;
        case engine::Outcome::Stopped:
            result.status = Status::Error;
            result.note = "stopped: " + step.reason;
            break;
    }
    if (!step.error.empty()) result.note = step.error;
    if (!step.note.empty()) result.note = step.note;
    result.files = step.files;
    result.folders = step.folders;
    result.bytes = step.bytes;
    result.kept = step.kept;
    result.registry = step.registry;
    for (const engine::FailedEntry& failure : step.failures)
        result.failures.push_back({DisplayPath(failure.path), failure.reason});
}

void PathReport::Deleted(const std::string& path, std::uint64_t bytes) {
    (void)bytes;
    if (keepPaths_) result_.paths.push_back(DisplayPath(path));
    progress_.File();
}

void PathReport::Removed(const std::string& path) {
    if (keepPaths_) result_.paths.push_back(DisplayPath(path) + "\\");
}

void PathReport::Kept(const std::string& path) {
    if (keepPaths_) result_.keptPaths.push_back(DisplayPath(path));
}

void PathReport::Entered(const std::string& folder) {
    progress_.Folder(DisplayPath(folder));
}

}  // namespace cli
