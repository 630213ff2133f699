#pragma once
// The system's event log: one event written under a source name to the Application log.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Numbered as the system numbers them.
enum class EventType : std::uint16_t { Error = 1, Warning = 2, Information = 4 };

struct LoggedEvent {
    EventType type = EventType::Information;
    // The message's id in the source's message table.
    std::uint32_t id = 0;
    // The message's insertion strings, %1 onwards.
    std::vector<std::string> strings;
    // The event's binary data, kept as bytes.
    std::string data;

    bool operator==(const LoggedEvent&) const = default;
};

class EventLog {
  public:
    virtual ~EventLog() = default;
    // Writes EVENT under SOURCE. Returns "" when the system took it, else its reason.
    virtual std::string Report(const std::string& source, const LoggedEvent& event) = 0;
};

}  // namespace platform
