#pragma once
// What a run came to, summed up from its finished steps in one line for the user: bytes
// freed, files and folders deleted, what was left (and the most common reason), every
// category refused with its reason, and whether the run was stopped or ended by an error.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/run_events.h"

namespace engine {

// "0 bytes", "512 bytes", "1.5 KB", "12.3 MB", "2.0 GB" (units of 1024).
std::string FormatBytes(std::uint64_t bytes);
// "1 file", "2 files": COUNT and the noun, with an "s" unless COUNT is 1.
std::string Counted(std::uint64_t count, const std::string& noun);

// What stayed behind of one step or of a whole run: how many entries, and the reason most of
// them share.
class Leftovers {
  public:
    void Add(const std::string& reason, std::uint64_t count = 1);
    void Add(const std::vector<FailedEntry>& failures);
    std::uint64_t Count() const { return count_; }
    // The most frequent reason (the first met on a tie); "" when nothing stayed.
    const std::string& CommonReason() const;
    // "3 items left (most: in use)", "1 item left (in use)"; "" when nothing stayed.
    std::string Text(const std::string& verb) const;

  private:
    std::uint64_t count_ = 0;
    std::map<std::string, std::uint64_t> byReason_;
    std::vector<std::string> order_;  // reasons in the order met
};

class RunSummary {
  public:
    enum class End { Completed, Stopped, Failed };

    void Add(const StepFinished& step);
    void SetEnd(End end) { end_ = end; }
    End GetEnd() const { return end_; }

    std::uint64_t Files() const { return files_; }
    std::uint64_t Folders() const { return folders_; }
    std::uint64_t Bytes() const { return bytes_; }
    const Leftovers& Left() const { return left_; }
    // "Temp (User) (reached through a link: D:\x)", one per refused category, in run order.
    const std::vector<std::string>& Refusals() const { return refusals_; }

    // "Freed 12.3 MB: 1234 files and 56 folders deleted; 3 items left (most: in use); refused:
    // Temp (User) (reached through a link: D:\x)." A stopped run begins "Stopped. ".
    std::string Text() const;
    // The same of a preview: "Would free 12.3 MB: 1234 files and 56 folders; 3 items would
    // stay (most: in use); refused: ..."
    std::string PreviewText() const;

  private:
    std::string Worded(const char* freed, const char* deleted, const char* left) const;

    End end_ = End::Completed;
    std::uint64_t files_ = 0, folders_ = 0, bytes_ = 0;
    Leftovers left_;
    std::vector<std::string> refusals_;
    std::vector<std::string> halted_;  // purges that could not go on, with the reason
};

}  // namespace engine
