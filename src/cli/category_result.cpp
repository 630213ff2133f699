#include "cli/category_result.h"

namespace cli {

std::string DisplayPath(const std::string& literal) {
    if (literal.starts_with("\\\\?\\UNC\\")) return "\\" + literal.substr(7);
    if (literal.starts_with("\\\\?\\")) return literal.substr(4);
    return literal;
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

void ResultReport::Refused(const std::string& folder) {
    (void)folder;
    result_.status = Status::Refused;
}

void ResultReport::Entered(const std::string& folder) {
    progress_.Folder(DisplayPath(folder));
}

}  // namespace cli
