#pragma once
// A progress line on the error stream during long walks: files so far and the folder being
// walked, rewritten in place a few times a second. Silent when turned off (--quiet) or when
// the error stream is not a console.

#include <chrono>
#include <cstdint>
#include <string>

#include "platform/console.h"

namespace cli {

class Progress {
  public:
    Progress(platform::Console& console, bool enabled) : console_(console), enabled_(enabled) {}
    ~Progress() { Clear(); }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void File();
    void Folder(const std::string& folder);
    // Takes the line away, before results are written.
    void Clear();

  private:
    void Show();

    platform::Console& console_;
    bool enabled_;
    std::uint64_t files_ = 0;
    std::string folder_;
    std::chrono::steady_clock::time_point last_{};
    std::size_t shownWidth_ = 0;
};

}  // namespace cli
