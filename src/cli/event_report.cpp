#include "cli/event_report.h"

#include <map>

#include "cli/cli.h"
#include "cli/output.h"

namespace cli {

namespace {

// The document --json prints, cut down to fit an event.
std::string EventData(std::vector<CategoryResult> results, int exitCode) {
    std::string json = ResultsJson(Verb::Clean, results, exitCode);
    if (json.size() <= kEventDataLimit) return json;
    for (CategoryResult& result : results) {
        result.paths.clear();
        result.failures.clear();
    }
    json = ResultsJson(Verb::Clean, results, exitCode);
    if (json.size() <= kEventDataLimit) return json;
    return ResultsJson(Verb::Clean, {}, exitCode);
}

// The reason most of the items left share.
std::string MostCommonReason(const std::vector<CategoryResult>& results) {
    std::map<std::string, int> counts;
    for (const CategoryResult& result : results)
        for (const Failure& failure : result.failures) ++counts[failure.reason];
    std::string most;
    int best = 0;
    for (const auto& [reason, count] : counts)
        if (count > best) best = count, most = reason;
    return most;
}

}  // namespace

platform::LoggedEvent RunEvent(const std::vector<CategoryResult>& results, int exitCode,
                               const std::string& problem) {
    std::uint64_t bytes = 0, files = 0, left = 0;
    std::string refused, failed;
    for (const CategoryResult& result : results) {
        bytes += result.bytes;
        files += result.files;
        left += result.failures.size();
        if (result.status == Status::Refused)
            refused += (refused.empty() ? "" : "; ") + std::string(result.category->id) + " (" +
                       result.reason + ")";
        if (result.status == Status::Error)
            failed += (failed.empty() ? "" : "; ") + std::string(result.category->id) +
                      (result.note.empty() ? "" : ": " + result.note);
    }
    if (!problem.empty()) failed += (failed.empty() ? "" : "; ") + problem;

    platform::LoggedEvent event;
    std::string detail;
    if (exitCode == kExitRefused) {
        event.type = platform::EventType::Error;
        event.id = kEventRefused;
        detail = failed;
    } else if (!failed.empty()) {
        event.type = platform::EventType::Error;
        event.id = kEventError;
        detail = failed;
    } else if (exitCode != kExitDone) {
        event.type = platform::EventType::Warning;
        event.id = kEventPartial;
        detail = MostCommonReason(results);
    } else {
        event.type = platform::EventType::Information;
        event.id = kEventSuccess;
    }
    event.strings = {Size(bytes) + " (" + std::to_string(bytes) + " bytes)",
                     std::to_string(files),
                     std::to_string(left),
                     refused.empty() ? "none" : refused,
                     std::to_string(exitCode),
                     detail.empty() ? "none" : detail};
    event.data = EventData(results, exitCode);
    return event;
}

platform::LoggedEvent StartFailedEvent(const std::string& message, int exitCode) {
    platform::LoggedEvent event;
    event.type = platform::EventType::Error;
    event.id = kEventError;
    event.strings = {Size(0) + " (0 bytes)", "0", "0", "none", std::to_string(exitCode), message};
    event.data = ResultsJson(Verb::Clean, {}, exitCode);
    return event;
}

}  // namespace cli
