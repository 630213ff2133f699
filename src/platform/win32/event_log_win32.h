#pragma once
// The Application event log through RegisterEventSourceW and ReportEventW.

#include "platform/event_log.h"

namespace platform::win32 {

class EventLogWin32 final : public EventLog {
  public:
    std::string Report(const std::string& source, const LoggedEvent& event) override;
};

}  // namespace platform::win32
