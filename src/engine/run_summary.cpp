#include "engine/run_summary.h"

#include <array>
#include <cstdio>

#include "engine/category_table.h"
#include "engine/purge_report.h"

namespace engine {

namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) out += (out.empty() ? "" : "; ") + part;
    return out;
}

// A reason as a clause: the system's texts end with a full stop.
std::string Clause(std::string reason) {
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) reason.pop_back();
    return reason;
}

}  // namespace

std::string FormatBytes(std::uint64_t bytes) {
    if (bytes < 1024) return Counted(bytes, "byte");
    static constexpr std::array<const char*, 4> kUnits{"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes) / 1024.0;
    std::size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < kUnits.size()) {
        value /= 1024.0;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
    return text;
}

std::string Counted(std::uint64_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

void Leftovers::Add(const std::string& reason, std::uint64_t count) {
    count_ += count;
    auto [it, added] = byReason_.emplace(reason, 0);
    if (added) order_.push_back(reason);
    it->second += count;
}

void Leftovers::Add(const std::vector<FailedEntry>& failures) {
    for (const FailedEntry& failure : failures) Add(failure.reason);
}

const std::string& Leftovers::CommonReason() const {
    static const std::string kNone;
    const std::string* common = &kNone;
    std::uint64_t most = 0;
    for (const std::string& reason : order_) {
        const std::uint64_t n = byReason_.at(reason);
        if (n > most) {
            most = n;
            common = &reason;
        }
    }
    return *common;
}

std::string Leftovers::Text(const std::string& verb) const {
    if (count_ == 0) return {};
    const std::string reason = Clause(CommonReason());
    return Counted(count_, "item") + " " + verb + " (" + (count_ == 1 ? "" : "most: ") + reason +
           ")";
}

void RunSummary::Add(const StepFinished& step) {
    files_ += step.files;
    folders_ += step.folders;
    bytes_ += step.bytes;
    left_.Add(step.failures);
    const std::string name(step.row.name);
    if (step.outcome == Outcome::Refused)
        refusals_.push_back(name + " (" + Clause(step.reason) + ")");
    else if (step.outcome == Outcome::Stopped && step.reason != kReasonStopRequested)
        halted_.push_back(name + " (" + Clause(step.reason) + ")");
}

std::string RunSummary::Text() const {
    return Worded("Freed ", " deleted", "left");
}

std::string RunSummary::PreviewText() const {
    return Worded("Would free ", "", "would stay");
}

std::string RunSummary::Worded(const char* freed, const char* deleted, const char* left) const {
    std::string text;
    if (end_ == End::Stopped) text = "Stopped. ";
    if (end_ == End::Failed) text = "Ended by an error. ";
    text += freed + FormatBytes(bytes_) + ": " + Counted(files_, "file") + " and " +
            Counted(folders_, "folder") + deleted;
    if (left_.Count() != 0) text += "; " + left_.Text(left);
    if (!refusals_.empty()) text += "; refused: " + Joined(refusals_);
    if (!halted_.empty()) text += "; stopped halfway: " + Joined(halted_);
    return text + ".";
}

}  // namespace engine
