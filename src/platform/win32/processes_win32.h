#pragma once
// The running processes through the ToolHelp snapshot and the process status functions (wide
// variants), both looked up at run time: the snapshot functions in the kernel, the process
// status library loaded on first use. A function that cannot be found counts as a failed call.

#include "platform/processes.h"

namespace platform::win32 {

class ProcessesWin32 final : public Processes {
  public:
    ProcessesWin32();
    ~ProcessesWin32() override;
    ProcessesWin32(const ProcessesWin32&) = delete;
    ProcessesWin32& operator=(const ProcessesWin32&) = delete;

    std::optional<std::vector<std::string>> SnapshotExeNames() override;
    std::optional<std::vector<std::uint32_t>> ProcessIds() override;
    std::unique_ptr<ProcessQuery> Open(std::uint32_t id) override;

    struct StatusLibrary;

  private:
    // The process status library and its functions, loaded at the first call that needs them.
    StatusLibrary& Status();
    std::unique_ptr<StatusLibrary> status_;
};

}  // namespace platform::win32
