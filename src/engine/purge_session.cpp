#include "engine/purge_session.h"

namespace engine {

bool PurgeSession::Gone(std::string_view path) const {
    if (gone_.find(path) != gone_.end()) return true;
    const std::size_t cut = path.rfind('\\');
    return cut != std::string_view::npos && gone_.find(path.substr(0, cut + 1)) != gone_.end();
}

void PurgeSession::Deleted(const std::string& path, std::uint64_t bytes, bool remember) {
    failed_.erase(path);
    if (IsPreview() && remember) gone_.insert(path);
    if (report_ != nullptr) report_->Deleted(path, bytes);
}

void PurgeSession::Unlinked(const std::string& path, bool remember) {
    failed_.erase(path);
    if (IsPreview() && remember) gone_.insert(path);
    if (report_ != nullptr) report_->Unlinked(path);
}

bool PurgeSession::LastName(std::uint32_t links,
                            const std::optional<platform::FileIdentity>& identity) {
    if (links <= 1) return true;  // 0: the platform cannot tell; counted as the file's only name
    if (!IsPreview() || !identity) return false;
    return ++namesMet_[{identity->volume, identity->index}] >= links;
}

void PurgeSession::FileDone(std::uint64_t bytes) {
    if (report_ != nullptr) report_->FileDone(bytes);
}

void PurgeSession::ForgetBelow(const std::string& folder) {
    const std::string below = folder + "\\";
    auto first = gone_.lower_bound(below);
    auto last = first;
    while (last != gone_.end() && last->starts_with(below)) ++last;
    gone_.erase(first, last);
}

void PurgeSession::Removed(const std::string& path, bool remember) {
    failed_.erase(path);
    if (IsPreview()) {
        ForgetBelow(path);
        if (remember) gone_.insert(path);
    }
    if (report_ != nullptr) report_->Removed(path);
}

void PurgeSession::Emptied(const std::string& folder) {
    if (!IsPreview()) return;
    ForgetBelow(folder);
    gone_.insert(folder + "\\");
}

void PurgeSession::Failed(const std::string& path, const std::string& reason) {
    if (failed_.emplace(path, reason).second) failedOrder_.push_back(path);
}

bool PurgeSession::Kept(const std::string& path) {
    if (keep_ == nullptr || !keep_->Keeps(path)) return false;
    if (kept_.insert(path).second && report_ != nullptr) report_->Kept(path);
    return true;
}

void PurgeSession::Entered(const std::string& folder) {
    if (report_ != nullptr) report_->Entered(folder);
}

void PurgeSession::Finish() {
    if (finished_) return;
    finished_ = true;
    if (report_ == nullptr) return;
    for (const std::string& path : failedOrder_) {
        auto it = failed_.find(path);
        if (it == failed_.end()) continue;
        report_->Failed(path, it->second);
        failed_.erase(it);  // told once, even when it failed twice between deletions
    }
}

}  // namespace engine
