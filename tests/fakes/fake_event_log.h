#pragma once
// An event log for tests: every event reported, with its source.

#include <string>
#include <utility>
#include <vector>

#include "platform/event_log.h"

namespace fakes {

class FakeEventLog : public platform::EventLog {
  public:
    std::vector<std::pair<std::string, platform::LoggedEvent>> events;
    // When set, every report fails with this reason.
    std::string refusal;

    std::string Report(const std::string& source, const platform::LoggedEvent& event) override {
        if (!refusal.empty()) return refusal;
        events.emplace_back(source, event);
        return "";
    }
};

}  // namespace fakes
