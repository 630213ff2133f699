#pragma once
// What one purge shares across its passes: whether it changes anything, whom it tells, and,
// in a preview, what the earlier passes would already have deleted (so a later pass does not
// count it again). Failures are gathered and told once each, at the end, and only for entries
// that no later pass deleted after all.

#include <atomic>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/purge.h"

namespace engine {

class PurgeSession {
  public:
    PurgeSession(PurgeMode mode, PurgeReport* report, const KeepList* keep = nullptr,
                 const std::atomic<bool>* stop = nullptr)
        : mode_(mode), report_(report), keep_(keep), stop_(stop) {}
    ~PurgeSession() { Finish(); }
    PurgeSession(const PurgeSession&) = delete;
    PurgeSession& operator=(const PurgeSession&) = delete;

    bool IsPreview() const { return mode_ == PurgeMode::Preview; }
    // Whether the purge is to end before the next entry (a stop was requested); remembered.
    bool StopNow() {
        stoppedEarly_ =
            stoppedEarly_ || (stop_ != nullptr && stop_->load(std::memory_order_relaxed));
        return stoppedEarly_;
    }
    // Whether a pass ended before its last entry at a stop request.
    bool StoppedEarly() const { return stoppedEarly_; }
    // In a preview: whether an earlier step would have deleted PATH already.
    bool Gone(std::string_view path) const;

    // A file deleted (or that would be). In a preview it is remembered, unless REMEMBER is
    // false because its folder is told emptied (Emptied) right after.
    void Deleted(const std::string& path, std::uint64_t bytes, bool remember = true);
    // A name deleted (or that would be) of a file that keeps another; remembered as Deleted.
    void Unlinked(const std::string& path, bool remember = true);
    // Whether deleting a name of a file that has LINKS names takes its last one: in a clean,
    // when it has one name left (an earlier deletion took the others); in a preview, when this
    // is the last of its names the session meets (IDENTITY tells them apart).
    bool LastName(std::uint32_t links, const std::optional<platform::FileIdentity>& identity);
    // A file just deleted (or that would be), for progress.
    void FileDone(std::uint64_t bytes);
    // A folder removed (or that would be). In a preview it stands for everything below it,
    // which is forgotten: the memory a preview keeps does not grow with what it would delete.
    void Removed(const std::string& path, bool remember = true);
    // In a preview: every entry FOLDER listed would be deleted; remembered as one.
    void Emptied(const std::string& folder);
    // In a preview: the folder FOLDER would be removed, so what is below it need not be kept
    // (the folder itself is remembered when its removal is told, or its parent's emptying).
    void ForgetBelow(const std::string& folder);
    void Failed(const std::string& path, const std::string& reason);
    void Entered(const std::string& folder);
    // Whether the keep list holds PATH; told to the report the first time it is asked.
    bool Kept(const std::string& path);
    // Tells the failures that stand. Called once, at the end.
    void Finish();

  private:
    PurgeMode mode_;
    PurgeReport* report_;
    const KeepList* keep_;
    const std::atomic<bool>* stop_;
    bool stoppedEarly_ = false;
    std::set<std::string> kept_;                 // told already (every pass meets them again)
    std::set<std::string, std::less<>> gone_;    // paths, and "folder\\" for an emptied folder
    std::map<std::string, std::string> failed_;  // path -> reason
    std::vector<std::string> failedOrder_;
    // In a preview: names met so far of each file that has several.
    std::map<std::pair<std::uint64_t, std::uint64_t>, std::uint32_t> namesMet_;
    bool finished_ = false;
};

}  // namespace engine
