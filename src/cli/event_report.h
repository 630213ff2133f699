#pragma once
// --event-log: one event per run in the Application log under the source "Skarvel", whose
// messages are the message table of skarvel-cli.exe. Its strings are the summary, its binary
// data the JSON document --json prints.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/category_result.h"
#include "platform/event_log.h"

namespace cli {

inline constexpr char kEventSource[] = "Skarvel";

// The message ids, as the message table numbers them.
inline constexpr std::uint32_t kEventSuccess = 1000;  // everything done
inline constexpr std::uint32_t kEventPartial = 1001;  // some items left
inline constexpr std::uint32_t kEventRefused = 1002;  // a folder or a definition refused
inline constexpr std::uint32_t kEventError = 1003;    // a step failed, or the run could not start

// The largest JSON document an event carries whole; a larger one loses its lists of paths
// and items, then its categories (an event record holds under 64 KB).
inline constexpr std::size_t kEventDataLimit = 32000;

// The event of a clean with RESULTS that ends with EXIT_CODE; PROBLEM is a failure of the run
// outside its steps (the --log file), empty when there was none.
platform::LoggedEvent RunEvent(const std::vector<CategoryResult>& results, int exitCode,
                               const std::string& problem);
// The event of a run that could not start: MESSAGE says why.
platform::LoggedEvent StartFailedEvent(const std::string& message, int exitCode);

}  // namespace cli
