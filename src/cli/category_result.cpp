#include "cli/category_result.h"

#include "engine/entry_path.h"

namespace cli {

std::string DisplayPath(const std::string& literal) {
    return engine::DisplayPath(literal);
}

void ResultReport::Deleted(const std::string& path, std::uint64_t bytes) {
    ++result_.files;
    result_.bytes += bytes;
    if (keepPaths_) result_.paths.push_back(DisplayPath(path));
    progress_.File();
}

void ResultReport::Removed(const std::string& path) {
    ++result_.folders;
    if (keepPaths_) result_.paths.push_back(DisplayPath(path) + "\\");
}

void ResultReport::Failed(const std::string& path, const std::string& reason) {
    result_.failures.push_back({DisplayPath(path), reason});
}

void ResultReport::Refused(const std::string& folder, const std::string& reason) {
    (void)folder;
    result_.status = Status::Refused;
    result_.reason = reason;
}

void ResultReport::Stopped(const std::string& folder, const std::string& reason) {
    (void)folder;
    result_.status = Status::Error;
    result_.note = "stopped: " + reason;
}

void ResultReport::Entered(const std::string& folder) {
    progress_.Folder(DisplayPath(folder));
}

}  // namespace cli
