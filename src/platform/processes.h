#pragma once
// The running processes, as the platform lists them. There are two ways: the process snapshot
// of the older Windows family gives each process's executable file name; the process status
// functions of the NT family give the process ids, and each process opened for query and read
// gives the path of its main module. System::Version().platformId tells which family runs.
// Every call reports failure by its result and never throws.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// One process opened for query-information and memory-read access; closed on destruction.
class ProcessQuery {
  public:
    virtual ~ProcessQuery() = default;
    // The full path of the process's first module (its executable); nullopt when it cannot be
    // read.
    virtual std::optional<std::string> MainModulePath() = 0;
};

class Processes {
  public:
    virtual ~Processes() = default;

    // Older family: the executable file name of every process in a fresh snapshot, in the
    // snapshot's order; nullopt when no snapshot can be taken.
    virtual std::optional<std::vector<std::string>> SnapshotExeNames() = 0;
    // NT family: the ids of the running processes, in the platform's order; nullopt when they
    // cannot be enumerated.
    virtual std::optional<std::vector<std::uint32_t>> ProcessIds() = 0;
    // Opens process ID; null when it cannot be opened (no right to, or it has ended).
    virtual std::unique_ptr<ProcessQuery> Open(std::uint32_t id) = 0;
};

}  // namespace platform
